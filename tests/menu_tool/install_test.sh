#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed morvi-menu through its bin/
# symlink: by default it checks the menu.txt installed beside morvi, and it converts a UTF-8
# list into one that it then passes.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
tool=$prefix/bin/morvi-menu
[[ -L $tool ]] || fail "bin/morvi-menu is not a symlink"
[[ $(readlink -f "$tool") == "$prefix/lib/morvi/morvi-menu" ]] || fail "bin/morvi-menu points elsewhere"

# Runs the tool; prints its output and then "status N".
run() { local status=0; "$tool" "$@" 2>&1 || status=$?; echo "status $status"; }
expect() {  # expect STATUS PATTERN ARGS...: the exit status and a line of the output
    local status=$1 pattern=$2 output
    shift 2
    output=$(run "$@")
    echo "$ morvi-menu $*"$'\n'"$output"
    grep -qx "status $status" <<<"$output" || fail "morvi-menu $*: expected status $status"
    grep -q -- "$pattern" <<<"$output" || fail "morvi-menu $*: no line matching $pattern"
}

expect 0 "^$prefix/lib/morvi/menu.txt: 食品 [0-9]* 件、エラー 0 件.*読み込みます$" check
expect 0 '^使い方: morvi-menu check \[FILE\]$' --help
expect 2 '^morvi-menu: ' frobnicate
printf 'ごはん,ごはん,51\n食パン,しょくぱん,32\n' >"$work/utf8.txt"
expect 1 'UTF-8（BOM なし）、改行が LF だけのファイルです' check "$work/utf8.txt"
expect 0 '書き出しました' convert "$work/utf8.txt" "$work/menu.txt"
expect 0 ': 食品 2 件、エラー 0 件、警告 0 件 — ' check "$work/menu.txt"
expect 2 'error 53: ' check "$work/none.txt"
echo "PASS"
