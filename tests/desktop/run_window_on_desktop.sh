#!/usr/bin/env bash
# The run window on a real desktop: a virtual X server with the openbox window
# manager, the trainer started from its runnable folder, clicked with xdotool.
# On each screen size the window keeps its place from lesson 1 to lesson 3 and
# the whole of lesson 1's continue mark lies on the screen.
# usage: run_window_on_desktop.sh RUNNABLE_FOLDER
set -euo pipefail
dist="$(cd "$1" && pwd)"
work="$(mktemp -d)"
source "$(dirname "${BASH_SOURCE[0]}")/desktop_session.sh"

# Screen coordinates of a design point of a page $1 units wide, in the window's client area $2.
to_screen() {
    local page_width=$1 geometry=$2 x=$3 y=$4
    awk -v g="$geometry" -v pw="$page_width" -v x="$x" -v y="$y" 'BEGIN {
        split(g, c, " "); s = c[3] / 1024; if (c[4] / 768 < s) s = c[4] / 768
        ox = c[1] + (c[3] - pw * s) / 2; oy = c[2] + (c[4] - 768 * s) / 2
        printf "%d %d\n", ox + x * s, oy + y * s }'
}

click() { # page width, geometry, design x, design y
    read -r sx sy < <(to_screen "$@")
    xdotool mousemove "$sx" "$sy" click 1
}

walk_on() {
    local width=$1 height=$2
    echo "desktop ${width}x${height}"
    start_desktop "${width}x${height}"
    (cd "$dist" && QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work" exec ./kelvora-trainer) &
    pids+=($!)

    local window geometry first
    window="$(wait_for_title "^KELVORA Training$")"
    # The window manager frames it, and the trainer places it once more with the frame.
    geometry=""
    for _ in $(seq 50); do
        sleep 0.3
        local now
        now="$(client_geometry "$window")"
        [ "$now" = "$geometry" ] && break
        geometry="$now"
    done
    click 1022 "$geometry" 525 45   # English
    click 1022 "$geometry" 759 669  # Start
    wait_for_title "^KELVORA Training - 1 / 18$" >/dev/null
    first="$(client_geometry "$window")"
    echo "  lesson 1: window at $first"
    read -r right bottom < <(to_screen 1024 "$first" 1021 755)
    [ "$right" -le "$width" ] && [ "$bottom" -le "$height" ] ||
        fail "lesson 1's continue mark reaches $right,$bottom, off the ${width}x${height} screen"

    click 1024 "$first" 941 741     # Continue
    wait_for_title "^KELVORA Training - 2 / 18$" >/dev/null
    click 1024 "$first" 326 250     # the step's mark
    sleep 1                         # its cue plays
    click 1024 "$first" 930 740     # Continue
    wait_for_title "^KELVORA Training - 3 / 18$" >/dev/null
    local third
    third="$(client_geometry "$window")"
    echo "  lesson 3: window at $third"
    [ "$third" = "$first" ] || fail "the window moved from '$first' to '$third'"
    stop_all
}

walk_on 1920 1080
walk_on 1280 720
echo "1 passed, 0 failed"
