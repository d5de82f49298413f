#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the installed program, started
# through bin/morvi, finds the installed menu.txt: its main window "Ｍｏｒｖｉ" appears on a
# virtual screen. Without that menu.txt it must show the error report ("Morvi") instead.
set -euo pipefail
build=$1
for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
[[ -L $prefix/bin/morvi ]] || fail "bin/morvi is not a symlink"
[[ -x $prefix/lib/morvi/morvi ]] || fail "lib/morvi/morvi is missing"
[[ -f $prefix/lib/morvi/menu.txt ]] || fail "lib/morvi/menu.txt is missing"
[[ $(readlink -f "$prefix/bin/morvi") == "$prefix/lib/morvi/morvi" ]] || fail "bin/morvi points elsewhere"
for file in share/applications/morvi.desktop share/icons/hicolor/32x32/apps/morvi.png \
    share/icons/hicolor/scalable/apps/morvi.svg; do
    [[ -f $prefix/$file ]] || fail "$file is missing"
done
grep -qx 'Exec=morvi' "$prefix/share/applications/morvi.desktop" || fail "desktop entry lacks Exec"

# Prints the titles of the program's visible windows once it shows one, within 20 s.
window_titles() {
    # A private runtime and temp directory, so a Morvi running elsewhere does not count as the
    # other copy.
    mkdir -p "$work/run" && chmod 700 "$work/run"
    XDG_RUNTIME_DIR=$work/run TMPDIR=$work/run xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
        bash -c '
            "$1" & pid=$!
            for _ in $(seq 1 80); do
                ids=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true)
                [[ -n $ids ]] && break
                sleep 0.25
            done
            sleep 0.5
            for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
                xdotool getwindowname "$id"
            done
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        ' probe "$prefix/bin/morvi"
}

titles=$(window_titles)
echo "with menu.txt: [$titles]"
grep -qx 'Ｍｏｒｖｉ' <<<"$titles" || fail "the installed program did not show its window"

rm "$prefix/lib/morvi/menu.txt"
titles=$(window_titles)
echo "without menu.txt: [$titles]"
grep -qx 'Ｍｏｒｖｉ' <<<"$titles" && fail "the window appeared without menu.txt"
grep -qx 'Morvi' <<<"$titles" || fail "no error report without menu.txt"
echo "PASS"
