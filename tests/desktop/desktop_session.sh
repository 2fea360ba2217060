# What the desktop tests share: the programs they start, stopped in the reverse
# order (the program first, the X server last), and waiting for windows.
# Sourced by a test that sets $work (a scratch folder, removed at the end).
pids=()
stop_all() {
    for ((k = ${#pids[@]} - 1; k >= 0; k--)); do kill "${pids[k]}" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    pids=()
}
trap 'stop_all; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits until a shown window's title matches the regular expression $1; prints its id.
wait_for_title() {
    for _ in $(seq 200); do
        for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            echo "$id"
            return 0
        done
        sleep 0.1
    done
    fail "no window titled like '$1'"
}

# The client area of a window: "x y width height" on the screen.
client_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                             /^ *Width/{w=$NF} /^ *Height/{h=$NF} END{print x, y, w, h}'
}

# Starts a virtual X server of that size ("1366x768") with the openbox window
# manager on it, and points DISPLAY at it.
start_desktop() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display")"
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
}
