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

# morvi-menu's report and exit status as printed: the installed list, one Morvi stops at, one
# in LF line ends, none, and a UTF-8 list it converts.
cd "$1"
check() { local status=0 out; out=$(bin/morvi-menu check "$@" 2>&1) || status=$?; echo "$out → $status"; }
[[ $(check) == *": 食品 "*" 件、エラー 0 件、警告 "*" 件 — Morvi は起動時にこの一覧を読み込みます → 0" ]] ||
    fail "morvi-menu refuses the installed menu.txt"
printf 'A,a,1\r\nB b\r\n' >bad.txt
[[ $(check bad.txt) == "bad.txt:2: error 5: プロシージャの呼び出し、または引数が不正です。 — カンマがありません
bad.txt: 食品 1 件、エラー 1 件、警告 0 件 — Morvi は起動時に error 5 で止まります（2 行目） → 1" ]] || fail "$(check bad.txt)"
printf 'A,a,1\nB,b,2\n' >lf.txt
[[ $(check lf.txt) == "lf.txt: 改行が LF だけのファイルです — Morvi が読めるのは code page 932 (Shift_JIS)、改行 CR LF の一覧です。morvi-menu convert で変換できます
lf.txt: 食品 0 件、エラー 1 件、警告 0 件 — Morvi は起動時に error 13 で止まります（1 行目） → 1" ]] || fail "$(check lf.txt)"
[[ $(check none.txt) == "none.txt: error 53: ファイルが見つかりません。 — ファイルを読めません（Morvi も起動時に error 53 で止まります） → 2" ]] ||
    fail "$(check none.txt)"
printf 'ごはん,ごはん,51\n食パン,しょくぱん,32\n' >utf8.txt
[[ $(bin/morvi-menu convert utf8.txt menu.txt) == "menu.txt: UTF-8（BOM なし） の 2 行を code page 932、改行 CR LF で書き出しました" ]] ||
    fail "morvi-menu convert failed"
[[ $(check menu.txt) == *"食品 2 件、エラー 0 件"*" → 0" ]] || fail "the converted list is refused"
echo PASS
