#!/usr/bin/env bash
# Real copies of the built program on a virtual screen, sharing one private runtime directory:
# two started at the same instant give exactly one window while the other ends at once with
# status 0 and nothing shown; a copy killed with SIGKILL leaves a lock the next start takes over.
set -euo pipefail
program=$1

if [[ ${2:-} != on-screen ]]; then
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -m 700 "$work/run"
    # -noreset: the server would otherwise reset when the killed copy was its last client, and
    # refuse the next copy while it does.
    XDG_RUNTIME_DIR=$work/run TMPDIR=$work/run xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
        bash "$0" "$program" on-screen
    exit
fi

fail() { echo "FAIL: $*" >&2; exit 1; }
copies=()
trap 'for pid in "${copies[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done' EXIT

start_copy() {
    "$program" >/dev/null 2>&1 &
    copies+=($!)
}
running() { kill -0 "$1" 2>/dev/null; }
# The titles of a copy's visible windows.
titles_of() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null || true); do
        xdotool getwindowname "$id"
    done
}
# Waits up to 20 s for the copy's main window and checks it is its only window.
expect_one_window() {
    local titles=
    for _ in $(seq 1 100); do
        titles=$(titles_of "$1")
        [[ -n $titles ]] && break
        sleep 0.2
    done
    sleep 0.3
    titles=$(titles_of "$1")
    [[ $titles == 'Ｍｏｒｖｉ' ]] || fail "copy $1 shows [$titles], not its one main window"
}
# Waits up to 20 s for the copy to end and checks it ended silently with status 0.
expect_silent_end() {
    local status=0
    for _ in $(seq 1 100); do running "$1" || break; sleep 0.2; done
    running "$1" && fail "copy $1 did not end"
    wait "$1" || status=$?
    [[ $status -eq 0 ]] || fail "copy $1 ended with status $status"
}

for round in 1 2 3; do
    start_copy
    start_copy
    first=${copies[-2]} second=${copies[-1]}
    for _ in $(seq 1 100); do
        running "$first" && running "$second" || break
        sleep 0.2
    done
    if running "$first"; then holder=$first other=$second; else holder=$second other=$first; fi
    expect_silent_end "$other"
    running "$holder" || fail "round $round: both copies ended"
    expect_one_window "$holder"
    echo "round $round: $holder shows the window, $other ended silently"
    kill -KILL "$holder"
    wait "$holder" 2>/dev/null || true
done

# The last holder was killed: the next copy starts, and one after it still finds it.
start_copy
next=${copies[-1]}
expect_one_window "$next"
start_copy
expect_silent_end "${copies[-1]}"
echo "after SIGKILL: $next shows the window, a further copy ended silently"
echo PASS
