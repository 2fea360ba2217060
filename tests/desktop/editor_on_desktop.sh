#!/usr/bin/env bash
# The course editor on a real desktop: a virtual X server with openbox, the
# editor started on an empty folder and driven with xdotool to make a course of
# two screens in two languages (a photograph each, a step whose target is
# dragged into place, a sound picked), saved, checked, and played from its
# first screen in the trainer to its end.
# usage: editor_on_desktop.sh RUNNABLE_FOLDER CONTENT_CHECKER
set -euo pipefail
dist="$(cd "$1" && pwd)"
checker="$2"
work="$(mktemp -d)"
course="$work/panel course"
mkdir -p "$course" "$work/from"
cp "$dist/images/001.jpg" "$work/from/panel.jpg"
cp "$dist/images/003.jpg" "$work/from/gauges.jpg"
cp "$dist/Sounds/Dugme1.wav" "$work/from/click.wav"
source "$(dirname "${BASH_SOURCE[0]}")/desktop_session.sh"

keys() { xdotool key --delay 60 "$@"; sleep 0.4; }
type_text() { xdotool type --delay 20 "$1"; sleep 0.2; }
# A file dialog: its name field has the focus; the whole path is typed into it.
choose_file() {
    keys "$1"
    wait_for_title "$2" >/dev/null
    sleep 0.5
    type_text "$3"
    keys Return
}

start_desktop 1366x768

QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy KELVORA_EDITOR_REPORT_PHOTOGRAPH=1 XDG_DATA_HOME="$work" \
    "$dist/kelvora-editor" "$course" >"$work/editor.out" 2>"$work/editor.err" &
pids+=($!)
editor="$(wait_for_title "KELVORA course editor")"
xdotool windowactivate --sync "$editor" >/dev/null 2>&1 || true
sleep 1

keys ctrl+shift+l                         # a second language
wait_for_title "Add a language" >/dev/null
type_text de; keys Tab; type_text Deutsch; keys Return

keys ctrl+shift+n                         # screen 1, its photograph, one step
choose_file ctrl+shift+p "^Photograph" "$work/from/panel.jpg"
keys ctrl+shift+t
sleep 1
read -r _ _ vx vy vw vh < <(tail -n 1 "$work/editor.out")
cx=$((vx + vw / 2)); cy=$((vy + vh / 2))  # the new target lies in the middle of the photograph
xdotool mousemove "$cx" "$cy" mousedown 1 sleep 0.3 mousemove $((cx - 40)) $((cy - 30)) sleep 0.3 \
    mousemove $((cx - 80)) $((cy - 60)) sleep 0.3 mouseup 1
sleep 0.5
choose_file ctrl+shift+o "^Sound" "$work/from/click.wav"
keys ctrl+3                               # the step's text, English then German
type_text "Now look at the gauges."; keys Return Right
type_text "Jetzt die Instrumente ansehen."; keys Return
keys Up Up Left                           # the screen's text
type_text "Press the battery switch."; keys Return Right
type_text "Den Batterieschalter einschalten."; keys Return
keys Down Down Down Down Left             # the course's title
type_text "Panel"; keys Return Right
type_text "Schalttafel"; keys Return

keys ctrl+1 ctrl+shift+n                  # screen 2: look only
choose_file ctrl+shift+p "^Photograph" "$work/from/gauges.jpg"
keys ctrl+3
type_text "These are the gauges."; keys Return Right
type_text "Das sind die Instrumente."; keys Return
keys ctrl+s
sleep 1
import -window root "$work/made.png" 2>/dev/null && [ -n "${KELVORA_SHOTS:-}" ] && cp "$work/made.png" "$KELVORA_SHOTS/editor-desktop-test.png"
[ -f "$course/course.json" ] || fail "the course was not saved: $(cat "$work/editor.err")"
xdotool getwindowname "$editor" | grep -q "^course.json\*" && fail "the title still shows unsaved changes after saving"
cat "$course/course.json"

python3 - "$course/course.json" <<'PY'
import json, sys
course = json.load(open(sys.argv[1]))
screens = course["screens"]
assert [l["tag"] for l in course["languages"]] == ["en", "de"], course["languages"]
assert len(screens) == 2, screens
step = screens[0]["steps"][0]
x, y, w, h = step["target"]["rectangle"]
assert x < 512 - w / 2 - 20 and y < 384 - h / 2 - 20, ("the target was not dragged", step["target"])
assert step["sound"] == "sounds/click.wav", step
assert step["text"] == {"en": "Now look at the gauges.", "de": "Jetzt die Instrumente ansehen."}, step
assert screens[0]["text"]["de"] == "Den Batterieschalter einschalten.", screens[0]
assert screens[1]["photograph"] == "images/gauges.jpg", screens[1]
assert course["title"] == {"en": "Panel", "de": "Schalttafel"}, course["title"]
print("saved as made: target", step["target"]["rectangle"])
PY
[ -f "$course/sounds/click.wav" ] && [ -f "$course/images/panel.jpg" ] || fail "files not copied into the course"
read -r tx ty tw th < <(python3 -c "import json,sys; print(*json.load(open(sys.argv[1]))['screens'][0]['steps'][0]['target']['rectangle'])" "$course/course.json")

"$checker" --course "$course/course.json" || fail "the checker finds fault with the course"

# Play from here on screen 1, in English: the trainer runs the saved course to its end.
keys ctrl+1 Home F5
trainer_window="$(wait_for_title "^Panel")"
trainer="$(xdotool getwindowpid "$trainer_window")"
sleep 1
geometry="$(client_geometry "$trainer_window")"
click() { # a point of the 1024 x 768 page
    read -r sx sy < <(awk -v g="$geometry" -v x="$1" -v y="$2" 'BEGIN {
        split(g, c, " "); s = c[3] / 1024; if (c[4] / 768 < s) s = c[4] / 768
        printf "%d %d\n", c[1] + (c[3] - 1024 * s) / 2 + x * s, c[2] + (c[4] - 768 * s) / 2 + y * s }')
    xdotool mousemove "$sx" "$sy" click 1
    sleep 1
    [ -z "${KELVORA_SHOTS:-}" ] || import -window root "$KELVORA_SHOTS/editor-desktop-trainer-$1-$2.png"
}
# The caption follows the page ("Panel - 2 / 2"): on a busy machine the first page may still be loading
# when the first click comes, so the step and Continue are pressed until the second page shows.
for _ in 1 2 3; do
    click $((tx + tw / 2)) $((ty + th / 2))  # the step's target (the photograph fills the page)
    click 930 735                            # Continue to screen 2
    xdotool search --onlyvisible --name "2 / 2" >/dev/null 2>&1 && break
done
wait_for_title "2 / 2" >/dev/null
click 930 735                            # Continue: the end
for _ in $(seq 50); do kill -0 "$trainer" 2>/dev/null || break; sleep 0.2; done
kill -0 "$trainer" 2>/dev/null && { kill "$trainer"; fail "the trainer did not reach the course's end"; }
# The trainer, started by the editor, writes to the editor's error output.
grep -q "error" "$work/editor.err" && fail "the trainer reported: $(cat "$work/editor.err")"
echo "1 passed, 0 failed"
