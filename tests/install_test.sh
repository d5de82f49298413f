#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs what was installed on a virtual screen:
# morvi starts on its installed menu.txt; a second copy ends at once, silently, with status 0; a
# copy killed outright leaves no lock in the way of the next; morvi-menu passes the installed list
# and converts a UTF-8 one into a list it passes.
set -euo pipefail
if [[ ${2:-} != on-screen ]]; then
    command -v xdotool >/dev/null && command -v xvfb-run >/dev/null || { echo "SKIP: no xvfb-run, xdotool"; exit 77; }
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cmake --install "$1" --prefix "$work" >/dev/null
    mkdir -m 700 "$work/run"
    # A runtime directory of its own, so a Morvi running elsewhere is not the other copy;
    # -noreset keeps the screen up when the killed copy was its last client.
    XDG_RUNTIME_DIR=$work/run TMPDIR=$work/run xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
        bash "$0" "$work" on-screen
    exit
fi
fail() { echo "FAIL: $*" >&2; exit 1; }
# Waits up to 20 s for the copy's window, which must be the main window.
expect_window() {
    local titles= id
    for _ in $(seq 1 100); do
        for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null || true); do
            titles+=$(xdotool getwindowname "$id")
        done
        [[ -n $titles ]] && break
        sleep 0.2
    done
    [[ $titles == 'Ｍｏｒｖｉ' ]] || fail "copy $1 shows [$titles], not its main window"
}
"$1/bin/morvi" &
first=$!
expect_window "$first"
timeout 20 "$1/bin/morvi" || fail "a second copy did not end at once with status 0"
kill -KILL "$first"
"$1/bin/morvi" &
expect_window $!
kill $!

"$1/bin/morvi-menu" check | grep -q 'エラー 0 件' || fail "morvi-menu refuses the installed menu.txt"
printf 'ごはん,ごはん,51\n食パン,しょくぱん,32\n' >"$1/utf8.txt"
"$1/bin/morvi-menu" convert "$1/utf8.txt" "$1/menu.txt" >/dev/null || fail "morvi-menu convert failed"
"$1/bin/morvi-menu" check "$1/menu.txt" | grep -q '食品 2 件、エラー 0 件' || fail "the copy is refused"
echo PASS
