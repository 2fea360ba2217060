#!/usr/bin/env bash
# What a screen reader meets: the trainer on a virtual desktop with the
# accessibility bus of a private session bus, read over AT-SPI as a screen
# reader reads it, and operated with the keyboard alone; at design size, and
# scaled down on a desktop too small for it, where the same tree must show.
# usage: accessible_on_desktop.sh RUNNABLE_FOLDER
set -euo pipefail
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${KELVORA_PRIVATE_BUS:-}" ]; then
    KELVORA_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
dist="$(cd "$1" && pwd)"
work="$(mktemp -d)"
source "$(dirname "${BASH_SOURCE[0]}")/desktop_session.sh"

for desktop in 1920x1080 800x600; do
    echo "desktop $desktop"
    rm -f "$work/display" # the last server's number, which start_desktop would read before the new one is there
    start_desktop "$desktop"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    (cd "$dist" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work" \
        exec ./kelvora-trainer --keyboard --screen 2 --language en) &
    pids+=($!)
    wait_for_title "^KELVORA Training - 2 / 18$" >/dev/null
    sleep 1
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessible_tree.py" "$dist/Lang2.txt"
    stop_all
done
