#!/usr/bin/env bash
# The course editor on a real desktop, as a new author uses it: a virtual X
# server with openbox, the editor started without a course, and driven with
# xdotool to make a course of three screens from a folder of photographs in two
# languages (New, screens from photographs, three targets drawn on the first
# photograph, texts, a step copied to the next screen), saved; after one more
# edit the editor is killed, started again, its unsaved change restored and
# saved, the course checked and played in the trainer to its end. Every key
# chord, typed text, click and drag counts as one of the author's actions.
# usage: editor_on_desktop.sh RUNNABLE_FOLDER CONTENT_CHECKER [SCREEN_SIZE]
set -euo pipefail
dist="$(cd "$1" && pwd)"
checker="$2"
size="${3:-1366x768}"
work="$(mktemp -d)"
course="$work/panel course"
mkdir -p "$work/from"
cp "$dist/images/001.jpg" "$work/from/1-panel.jpg"
cp "$dist/images/003.jpg" "$work/from/2-gauges.jpg"
cp "$dist/images/005.jpg" "$work/from/3-end.jpg"
source "$(dirname "${BASH_SOURCE[0]}")/desktop_session.sh"

actions=0
keys() { xdotool key --delay 80 "$@"; actions=$((actions + $#)); sleep 0.5; }
type_text() { xdotool type --delay 15 "$1"; actions=$((actions + 1)); sleep 0.3; }
# A text in the texts table: typed, confirmed, and the cell to the right (the next language).
texts() { type_text "$1"; keys Return Right; type_text "$2"; keys Return; }
# A file dialog's name field has the focus: a folder typed there opens it, then the names.
in_dialog() { wait_for_title "$1" >/dev/null; sleep 0.6; type_text "$2"; keys Return; sleep 0.4; }
shot() { [ -z "${KELVORA_SHOTS:-}" ] || import -window root "$KELVORA_SHOTS/editor-$size-$1.png" 2>/dev/null || true; }
photograph_place() { grep "^photograph at" "$work/editor.out" | tail -n 1; }

start_editor() {
    QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy KELVORA_EDITOR_REPORT_PHOTOGRAPH=1 XDG_STATE_HOME="$work/state" \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work" "$dist/kelvora-editor" "$@" >"$work/editor.out" 2>>"$work/editor.err" &
    editor_pid=$!
    pids+=("$editor_pid")
    editor="$(wait_for_title "KELVORA course editor")"
    xdotool windowactivate --sync "$editor" >/dev/null 2>&1 || true
    sleep 1
}
# Nothing of the editor off the screen, and the window no larger than the screen.
check_fits() {
    read -r wx wy ww wh < <(client_geometry "$editor")
    read -r sw sh < <(echo "$size" | tr x ' ')
    [ "$ww" -le "$sw" ] && [ "$wh" -le "$sh" ] || fail "the editor is $ww x $wh on a $size screen ($1)"
}

start_desktop "$size"
start_editor                              # the start page
keys ctrl+n                               # New: a folder for the course, made in the dialog
mkdir -p "$course"; actions=$((actions + 2)) # (its New Folder button and the folder's name)
in_dialog "folder for the new course" "$course"
wait_for_title "^course.json" >/dev/null
keys ctrl+shift+l                         # a second language; its name comes from its tag
wait_for_title "Add a language" >/dev/null
type_text de; keys Return
keys ctrl+alt+n                           # three screens from three photographs, in name order
in_dialog "Screens from photographs" "$work/from"
type_text '"1-panel.jpg" "2-gauges.jpg" "3-end.jpg"'; keys Return
sleep 1
check_fits "three screens"

# Three targets drawn on the first photograph: three steps.
read -r _ _ vx vy vw vh < <(photograph_place)
pw=$((vh * 4 / 3 < vw ? vh * 4 / 3 : vw)); ph=$((pw * 3 / 4)) # the 1024 x 768 page, centred in the view
px=$((vx + (vw - pw) / 2)); py=$((vy + (vh - ph) / 2))
for i in 0 1 2; do
    x=$((px + pw / 5 + i * pw / 4)); y=$((py + ph / 3))
    xdotool mousemove "$x" "$y" mousedown 1 sleep 0.2 mousemove $((x + 30)) $((y + 20)) sleep 0.2 \
        mousemove $((x + 60)) $((y + 40)) sleep 0.2 mouseup 1
    actions=$((actions + 1)); sleep 0.6
done
check_fits "three steps"
shot steps
keys ctrl+3                               # the third step's text, English then German
texts "Now the third switch." "Jetzt der dritte Schalter."
keys Up Up Up Left                        # the screen's text, above its description and loop caption
texts "Press the first switch." "Den ersten Schalter drücken."
keys ctrl+1 Up Up ctrl+3                 # step 1
texts "Now the second switch." "Jetzt der zweite Schalter."
keys ctrl+1 Down ctrl+3                   # step 2
texts "And the third." "Und den dritten."
keys ctrl+1 Down ctrl+c                   # step 3 to the next screen
keys Down ctrl+v
keys ctrl+1 Up ctrl+3                     # screen 2's text
texts "These are the gauges." "Das sind die Instrumente."
keys ctrl+1 Down Down ctrl+3              # screen 3's text
texts "The end." "Das Ende."
keys Down Down Down Left                  # the course's title, below the screen's
texts "Panel" "Schalttafel"
keys ctrl+s
sleep 1
shot saved
[ -f "$course/course.json" ] || fail "the course was not saved: $(cat "$work/editor.err")"
xdotool getwindowname "$editor" | grep -q "^course.json\*" && fail "the title still shows unsaved changes after saving"
saved_actions=$actions

# One more edit, then the editor is killed before it is saved.
keys ctrl+1 Home ctrl+3
type_text "The panel."; keys Return
sleep 5                                   # a few seconds of idle time: the change is kept aside
kill -9 "$editor_pid"
wait "$editor_pid" 2>/dev/null || true
grep -q "The panel." "$course/course.json" && fail "the unsaved edit reached the course file"
start_editor "$course"
wait_for_title "^KELVORA course editor$" >/dev/null   # the offer to restore
keys Return                                            # Restore (the default)
keys ctrl+s
sleep 1
grep -q "The panel." "$course/course.json" || fail "the restored edit was not saved"
cat "$course/course.json"

python3 - "$course/course.json" <<'PY'
import json, sys
course = json.load(open(sys.argv[1]))
screens = course["screens"]
assert [l["tag"] for l in course["languages"]] == ["en", "de"], course["languages"]
assert [s["photograph"] for s in screens] == ["images/1-panel.jpg", "images/2-gauges.jpg", "images/3-end.jpg"], screens
assert len(screens[0]["steps"]) == 3, screens[0]
assert screens[1]["steps"][0]["target"] == screens[0]["steps"][2]["target"], screens[1]
assert course["title"] == {"en": "Panel", "de": "Schalttafel"}, course["title"]
print("saved as made:", [s["target"] for s in screens[0]["steps"]])
PY
"$checker" --course "$course/course.json" || fail "the checker finds fault with the course"

# Play from here on screen 1: the trainer runs the saved course to its end.
keys ctrl+1 Home F5
trainer_window="$(wait_for_title "^Panel")"
trainer="$(xdotool getwindowpid "$trainer_window")"
sleep 1.5
geometry="$(client_geometry "$trainer_window")"
click() { # a point of the 1024 x 768 page
    read -r sx sy < <(awk -v g="$geometry" -v x="$1" -v y="$2" 'BEGIN {
        split(g, c, " "); s = c[3] / 1024; if (c[4] / 768 < s) s = c[4] / 768
        printf "%d %d\n", c[1] + (c[3] - 1024 * s) / 2 + x * s, c[2] + (c[4] - 768 * s) / 2 + y * s }')
    xdotool mousemove "$sx" "$sy" click 1
    sleep 0.8
}
# Where a target lies on the page: photographs fill the page whole (letterboxed by their own size).
page_point() {
    python3 - "$course/course.json" "$1" "$2" "$dist/images/001.jpg" <<'PY'
import json, sys, struct
course = json.load(open(sys.argv[1])); s, t = int(sys.argv[2]), int(sys.argv[3])
x, y, w, h = course["screens"][s]["steps"][t]["target"]["rectangle"]
def jpeg_size(path):
    data = open(path, "rb").read(); i = 2
    while i < len(data):
        marker, length = data[i + 1], struct.unpack(">H", data[i + 2:i + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            return struct.unpack(">HH", data[i + 5:i + 9])[::-1]
        i += 2 + length
pw, ph = jpeg_size(sys.argv[4]); k = min(1024 / pw, 768 / ph)
print(int((1024 - pw * k) / 2 + (x + w / 2) * k), int((768 - ph * k) / 2 + (y + h / 2) * k))
PY
}
for _ in 1 2 3; do
    for t in 0 1 2; do click $(page_point 0 $t); done
    click 930 735                            # Continue to screen 2
    xdotool search --onlyvisible --name "2 / 3" >/dev/null 2>&1 && break
done
wait_for_title "2 / 3" >/dev/null
click $(page_point 1 0); click 930 735
wait_for_title "3 / 3" >/dev/null
click 930 735                            # Continue: the end
for _ in $(seq 50); do kill -0 "$trainer" 2>/dev/null || break; sleep 0.2; done
kill -0 "$trainer" 2>/dev/null && { kill "$trainer"; fail "the trainer did not reach the course's end"; }
grep -q "error" "$work/editor.err" && fail "the trainer reported: $(cat "$work/editor.err")"
echo "the course took $saved_actions actions to make and save, $actions with the crash and its restore ($size)"
echo "1 passed, 0 failed"
