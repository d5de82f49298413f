#!/usr/bin/env bash
# Morvi on a real Wayland compositor (sway, headless), natively and through Xwayland, worked as a
# user would: six lines; slow double-clicks on each, the mouse not moved, never remove one; a click
# on the window beside the question leaves it in front with the keyboard; a move onto はい and a
# click removes a line, and so do F6, Down, Delete and Y.
set -euo pipefail
build=$1
if [[ ${2:-} != in-session ]]; then
    for tool in sway wayvnc wtype swaymsg jq dbus-run-session Xwayland setpriv; do
        command -v "$tool" >/dev/null ||
            { echo "no $tool" >&2; [[ -n ${CI:-} ]] && exit 1; exit 77; }
    done
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/run" "$work/home" "$work/bin"
    cp "$build/bin/morvi" "$build/bin/menu.txt" "$0" "$(dirname "$0")/read_window.py" "$work/bin"
    chmod -R a+rX "$work"
    # sway will not run as root: as root, the session is nobody's.
    as=()
    if [[ $(id -u) -eq 0 ]]; then
        chown 65534:65534 "$work/run" "$work/home"
        as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
    chmod 700 "$work/run"
    printf 'output HEADLESS-1 resolution 1280x1024\nfocus_follows_mouse no\n' >"$work/config"
    "${as[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
        dbus-run-session -- bash "$work/bin/sway_test.sh" "$work" in-session
    exit
fi

work=$1
fail() { echo "FAIL ($platform): $*" >&2; exit 1; }
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$work/config" >"$HOME/sway.log" 2>&1 &
sway=$!
trap 'kill "$sway" 2>/dev/null' EXIT
for _ in $(seq 50); do ls "$XDG_RUNTIME_DIR"/sway-ipc.* >/dev/null 2>&1 && break; sleep 0.1; done
export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*) WAYLAND_DISPLAY=wayland-1
# A virtual pointer and keyboard for seat0; nothing connects to it.
wayvnc 127.0.0.1 $((20000 + RANDOM % 20000)) >/dev/null 2>&1 &
sleep 1

at() { swaymsg -q seat seat0 cursor set "$1" "$2"; }
click() { at "$1" "$2"; swaymsg -q seat seat0 cursor press button1; swaymsg -q seat seat0 cursor release button1; }
# x y of the named window's content, and whether it has the keyboard.
window() {
    swaymsg -t get_tree | jq -r --arg n "$1" '.. | objects | select(.name == $n and .window_rect)
        | "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y) \(.focused)"'
}
# The floating window in front.
front() { swaymsg -t get_tree | jq -r '.. | objects | select(.type == "workspace" and .name == "1")
        | .floating_nodes | last | .name'; }
read_window() { timeout 20 python3 "$work/bin/read_window.py"; }
lines() { read_window | awk '$1 == "lines" { print $2 }'; }
# The screen reader reads `n` lines, within a few tries.
expect_lines() {
    local n=$1 seen
    for _ in 1 2 3 4 5; do seen=$(lines); [[ $seen == "$n" ]] && return; sleep 0.5; done
    fail "$2: $seen lines, not $n"
}
question_open() { [[ -n $(window 行削除確認) ]]; }
# The question open, in front with the keyboard, answered by Enter: it closes.
enter_answers() {
    sleep 0.4
    question_open || return 0
    [[ $(front) == 行削除確認 && $(window 行削除確認) == *true ]] ||
        fail "$1: the question is hidden or without the keyboard"
    wtype -k Return
    sleep 0.4
    ! question_open || fail "$1: Enter left the question open"
}

read_window >/dev/null  # starts the accessibility bus before the program looks for it
for platform in wayland xcb; do
    swaymsg -q exec "env QT_QPA_PLATFORM=$platform QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 $work/bin/morvi"
    for _ in $(seq 100); do [[ -n $(window Ｍｏｒｖｉ) ]] && break; sleep 0.1; done
    sleep 1
    swaymsg -q '[title="Ｍｏｒｖｉ"]' floating enable
    swaymsg -q '[title="Ｍｏｒｖｉ"]' move position center
    sleep 0.5
    for _ in 1 2 3 4 5 6; do
        wtype -k Down -s 150 -k Return -s 150 -k 1 -k 0 -k 0 -s 150 -k Return -s 150 -k space
        sleep 0.3
    done
    expect_lines 6 "six foods added"
    # Where the lines lie in the window, as read natively; Qt reads places through Xwayland
    # askew, and the window is the same on both.
    [[ $platform == xcb ]] || read_window >"$HOME/places"
    read -r x0 y0 _ <<<"$(window Ｍｏｒｖｉ)"
    mapfile -t rows < <(awk -v x="$x0" -v y="$y0" \
        '$1 == "line" { print int(x + $2 + $4 / 2), int(y + $3 + $5 / 2) }' "$HOME/places")
    [[ ${#rows[@]} == 6 ]] || fail "the screen reader finds ${#rows[@]} lines"

    for row in "${rows[@]}"; do
        for gap in 0.6 0.9 1.2; do
            click $row; sleep "$gap"
            question_open || fail "a click at $row asks nothing"
            click $row
            enter_answers "a double-click $gap s apart at $row"
        done
        expect_lines 6 "slow double-clicks at $row"
    done

    click ${rows[2]}; sleep 0.5
    question_open || fail "a click on line 3 asks nothing"
    click $((x0 + 20)) $((y0 + 20))
    enter_answers "a click on the window beside the question"
    expect_lines 6 "a click beside the question"

    # A hand's move from the line onto はい, then a click.
    read -r cx cy <<<"${rows[0]}"
    click "$cx" "$cy"; sleep 0.5
    read -r qx qy _ <<<"$(window 行削除確認)"
    [[ $platform == xcb ]] || read_window | grep '^yes ' >"$HOME/yes"
    read -r _ yx yy yw yh <"$HOME/yes"
    tx=$((qx + yx + yw / 2)) ty=$((qy + yy + yh / 2))
    for step in 1 2 3 4 5 6 7 8; do
        at $((cx + (tx - cx) * step / 8)) $((cy + (ty - cy) * step / 8)); sleep 0.03
    done
    click "$tx" "$ty"; sleep 0.5
    expect_lines 5 "a move onto はい and a click"

    # From the keyboard: F6, Down, Delete ask about line 2 (Escape first leaves the grid a click
    # went into). Asked again with the pointer resting on its はい, a click there keeps the line.
    for key in Escape F6 Down Delete; do wtype -k $key; sleep 0.2; done
    sleep 0.5
    question_open || fail "Delete asks nothing"
    read -r qx qy _ <<<"$(window 行削除確認)"
    [[ $platform == xcb ]] || read_window | grep '^yes ' >"$HOME/yes2"
    read -r _ yx yy yw yh <"$HOME/yes2"
    wtype -k Return; sleep 0.4
    at $((qx + yx + yw / 2)) $((qy + yy + yh / 2))
    wtype -k Delete; sleep 0.5
    [[ $(window 行削除確認) == "$qx $qy "* ]] || fail "the question moved when asked again"
    click $((qx + yx + yw / 2)) $((qy + yy + yh / 2)); sleep 0.4
    question_open || fail "a click where the pointer rested answered the question"
    wtype -k y
    sleep 0.5
    expect_lines 4 "F6, Down, Delete and Y"
    echo "$platform: no line lost to slow double-clicks or a click beside the question"
    kill "$(swaymsg -t get_tree | jq '.. | objects | select(.name == "Ｍｏｒｖｉ") | .pid')"
    sleep 1
done
