#!/usr/bin/env bash
# Builds the .deb, checks it with lintian, extracts it into a scratch folder,
# checks what it holds and what it depends on, and starts the extracted
# trainer: --version without a display, then under Xvfb from a folder without
# content, until the start screen is drawn.
set -euo pipefail
build="$1"
version="$2"

scratch="$(mktemp -d /tmp/kelvora-package.XXXXXX)"
xvfb_pid=""
trainer_pid=""
cleanup() {
    for pid in $trainer_pid $xvfb_pid; do
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "check_package: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
deb="$(ls "$scratch"/out/kelvora-trainer_"$version"_*.deb)"
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
for needed in libqt6widgets6 libsdl2-2.0-0 fonts-liberation2; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed"
done

# Debian's own checks: no error and no warning.
lintian --fail-on error,warning "$deb" >&2 || fail "lintian found faults in the package"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
for file in \
    usr/bin/kelvora-trainer usr/bin/kelvora-content-check usr/bin/kelvora-storyboard usr/bin/kelvora-records \
    usr/share/kelvora/courses/shutdown/course.json \
    usr/share/kelvora/Lang1.txt usr/share/kelvora/Lang2.txt usr/share/kelvora/Lang3.txt \
    usr/share/kelvora/images/000.jpg usr/share/kelvora/images/078.jpg usr/share/kelvora/images/KokpitA.bmp \
    usr/share/kelvora/Sounds/Dugme1.wav usr/share/kelvora/Sounds/70loop.wav \
    usr/share/applications/org.kelvora.trainer.desktop usr/share/metainfo/org.kelvora.trainer.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/kelvora-trainer.svg usr/share/icons/hicolor/48x48/apps/kelvora-trainer.png \
    usr/share/icons/hicolor/256x256/apps/kelvora-trainer.png usr/share/man/man1/kelvora-trainer.1.gz \
    usr/share/man/man1/kelvora-records.1.gz usr/share/doc/kelvora-trainer/copyright \
    usr/bin/kelvora-course usr/share/man/man1/kelvora-course.1.gz \
    usr/bin/kelvora-editor usr/share/applications/org.kelvora.editor.desktop usr/share/man/man1/kelvora-editor.1.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
pack() { (cd "$1" && find images Sounds Lang?.txt -type f | sort); }
diff <(pack "$build/dist") <(pack "$root/usr/share/kelvora") >&2 || fail "the package's content pack differs from build/dist"
desktop-file-validate "$root/usr/share/applications/org.kelvora.trainer.desktop" \
    "$root/usr/share/applications/org.kelvora.editor.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.kelvora.trainer.metainfo.xml" >/dev/null \
    || appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.kelvora.trainer.metainfo.xml" >&2

trainer="$root/usr/bin/kelvora-trainer"
shown="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$trainer" --version)"
[ "$shown" = "kelvora-trainer $version" ] || fail "--version printed '$shown'"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$trainer" --no-such-option 2>"$scratch/usage.txt" || status=$?
[ "$status" -eq 2 ] && [ "$(wc -l <"$scratch/usage.txt")" -eq 1 ] || fail "an unknown option gave status $status"

# The extracted trainer, started from an empty folder, finds its content in the package's data folder.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$scratch/display")"
mkdir "$scratch/elsewhere"
(cd "$scratch/elsewhere" && exec env -u QT_QPA_PLATFORM SDL_AUDIODRIVER=dummy "$trainer") 2>"$scratch/trainer.log" &
trainer_pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^KELVORA Training$' >/dev/null \
    || { cat "$scratch/trainer.log" >&2; fail "the start screen did not open"; }
sleep 1
kill -0 "$trainer_pid" 2>/dev/null || { cat "$scratch/trainer.log" >&2; fail "the trainer ended"; }
import -window root "$scratch/screen.png"
# A drawn start picture has many colours; an empty or black window has one.
colours="$(convert "$scratch/screen.png" -format '%k' info:)"
echo "start screen: $colours colours"
[ "$colours" -gt 1000 ] || fail "the start screen is blank ($colours colours)"

# Ended like any desktop program: by SIGTERM, as at the end of a session.
kill "$trainer_pid"
for _ in $(seq 50); do kill -0 "$trainer_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$trainer_pid" 2>/dev/null && fail "the trainer outlived SIGTERM"
trainer_pid=""

# With a store set, the trainer loads the network module through its store plugin, found in the package's
# library folder; without the plugin the run goes on and says its records stay in the outbox.
mkdir -p "$scratch/config/kelvora"
printf '[store]\nendpoint=http://127.0.0.1:9/xapi\n' >"$scratch/config/kelvora/trainer.conf"
run_with_store() {
    (cd "$scratch/elsewhere" && XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
        QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy timeout 3 "$trainer") 2>"$scratch/store.log" || true
}
plugin="$(find "$root/usr/lib" -name 'libkelvora-store.so')"
[ -n "$plugin" ] || fail "the package lacks the store plugin"
run_with_store
grep -q "not sent" "$scratch/store.log" && { cat "$scratch/store.log" >&2; fail "the store plugin was not loaded"; }
rm "$plugin"
run_with_store
grep -q "records stay in .*outbox, not sent" "$scratch/store.log" || { cat "$scratch/store.log" >&2; fail "a missing store plugin went unreported"; }
