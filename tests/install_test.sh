#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs what was installed on a virtual screen:
# morvi starts on its installed menu.txt; a second copy ends at once, silently, with status 0;
# morvi-menu passes the installed list, reports a list Morvi stops at and one it cannot read,
# converts a UTF-8 list into one it passes, and exits 2 when its report cannot be written.
set -euo pipefail
if [[ ${2:-} != on-screen ]]; then
    # Skipped without them, except under CI, where nothing may pass unseen.
    command -v xdotool >/dev/null && command -v xvfb-run >/dev/null ||
        { echo "no xvfb-run, xdotool" >&2; [[ -n ${CI:-} ]] && exit 1; exit 77; }
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cmake --install "$1" --prefix "$work" >/dev/null
    mkdir -m 700 "$work/run"
    # A runtime directory of its own, so a Morvi running elsewhere is not the other copy.
    XDG_RUNTIME_DIR=$work/run TMPDIR=$work/run xvfb-run -a -s "-screen 0 1024x768x24" \
        bash "$0" "$work" on-screen
    exit
fi
fail() { echo "FAIL: $*" >&2; exit 1; }
"$1/bin/morvi" &
first=$!
# Up to 20 s for its windows, which must be the main window alone.
titles=$(timeout 20 xdotool search --sync --onlyvisible --pid "$first" | xargs -rn1 xdotool getwindowname || true)
[[ $titles == 'Ｍｏｒｖｉ' ]] || fail "morvi shows [$titles], not its main window"
timeout 20 "$1/bin/morvi" || fail "a second copy did not end at once with status 0"
kill "$first"

# morvi-menu's report and exit status as printed: the installed list, one Morvi stops at (its
# details are the unit tests'), none, and a UTF-8 list it converts.
cd "$1"
check() { local status=0 out; out=$(bin/morvi-menu check "$@" 2>&1) || status=$?; echo "$out → $status"; }
[[ $(check) == *": 食品 "*" 件、エラー 0 件、警告 "*" 件 — Morvi は起動時にこの一覧を読み込みます → 0" ]] ||
    fail "morvi-menu refuses the installed menu.txt"
printf 'A,a,0\r\nB b\r\n' >bad.txt
[[ $(check bad.txt) == "bad.txt:1: 警告: "*"
bad.txt:2: error 5: "*" — カンマがありません
bad.txt: 食品 1 件、エラー 1 件、警告 1 件 — Morvi は起動時に error 5 で止まります（2 行目） → 1" ]] || fail "$(check bad.txt)"
[[ $(check none.txt) == "none.txt: error 53: "*" — ファイルを読めません（Morvi も起動時に error 53 で止まります） → 2" ]] ||
    fail "$(check none.txt)"
printf 'ごはん,ごはん,51\n食パン,しょくぱん,32\n' >utf8.txt
[[ $(bin/morvi-menu convert utf8.txt menu.txt) == "menu.txt: UTF-8（BOM なし） の 2 行を code page 932、改行 CR LF で書き出しました" ]] ||
    fail "morvi-menu convert failed"
[[ $(check menu.txt) == *"食品 2 件、エラー 0 件"*" → 0" ]] || fail "the converted list is refused"
full=$(bin/morvi-menu check menu.txt 2>&1 >/dev/full; echo " → $?")
[[ $full == "morvi-menu: 標準出力に書き出せません"*" → 2" ]] || fail "a report lost to a full disk: $full"
echo PASS
