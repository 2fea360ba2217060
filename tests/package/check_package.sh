#!/usr/bin/env bash
# Builds the two .deb packages as Debian builds packages (dpkg-buildflags'
# flags: fortified, relro, bind-now), checks them with lintian (no error, no
# warning, no hardening tag), unpacks both into one scratch root, checks what
# each holds and depends on, that no shipped file is stored twice, and starts
# the unpacked programs: --version without a display, then the trainer under
# Xvfb from a folder without content, until the start screen is drawn.
# A build folder configured without KELVORA_DEBIAN_BUILD_FLAGS gets a package
# build of its own beside it, in package-build/.
set -euo pipefail
build="$1"
version="$2"
source="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

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
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }

if [ "$(cached KELVORA_DEBIAN_BUILD_FLAGS)" = ON ]; then
    package_build="$build"
else
    package_build="$build/package-build"
    launcher="$(cached CMAKE_CXX_COMPILER_LAUNCHER)"
    cmake -S "$source" -B "$package_build" -G "$(cached CMAKE_GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKELVORA_DEBIAN_BUILD_FLAGS=ON -DBUILD_TESTING=OFF -DKELVORA_BENCHMARKS=OFF \
        ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher"} >"$scratch/configure.log" 2>&1 \
        || { cat "$scratch/configure.log" >&2; fail "the package build did not configure"; }
fi
cmake --build "$package_build" -j"$(nproc)" >"$scratch/build.log" 2>&1 || { tail -50 "$scratch/build.log" >&2; fail "the package build failed"; }
cpack --config "$package_build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
trainer_deb="$(ls "$scratch"/out/kelvora-trainer_"$version"_*.deb)"
authoring_deb="$(ls "$scratch"/out/kelvora-authoring_"$version"_*.deb)"
for deb in "$trainer_deb" "$authoring_deb"; do
    echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB; depends: $(dpkg-deb -f "$deb" Depends)"
done
needs() { # package, what its Depends must name
    local depends
    depends="$(dpkg-deb -f "$1" Depends)"
    shift
    for needed in "$@"; do
        grep -qF "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
    done
}
needs "$trainer_deb" libqt6widgets6 libsdl2-2.0-0 fonts-liberation2
needs "$authoring_deb" "kelvora-trainer (= $version)" libgettextpo0

# Debian's own checks, every tag shown: no error, no warning, and no hardening tag of any level.
lintian -EvIL +pedantic "$trainer_deb" "$authoring_deb" >"$scratch/lintian.txt" 2>&1 || true
if grep -E '^(E|W): |^[A-Z]: [^ ]+: hardening-' "$scratch/lintian.txt" >&2; then
    fail "lintian found faults in the packages"
fi

root="$scratch/root"
dpkg-deb -x "$trainer_deb" "$root"
dpkg-deb -x "$authoring_deb" "$root"
dpkg-deb -c "$trainer_deb" >"$scratch/trainer.list"
dpkg-deb -c "$authoring_deb" >"$scratch/authoring.list"
holds() { # package, the files it must hold; the other package must not hold them
    local own="$1" other="$2"
    shift 2
    for file in "$@"; do
        grep -q " \./$file\( ->.*\)\?$" "$scratch/$own.list" || fail "kelvora-$own lacks /$file"
        grep -q " \./$file\( ->.*\)\?$" "$scratch/$other.list" && fail "kelvora-$other holds /$file too"
    done
    return 0
}
holds trainer authoring \
    usr/bin/kelvora-trainer usr/bin/kelvora-records \
    usr/share/kelvora/courses/shutdown/course.json \
    usr/share/kelvora/Lang1.txt usr/share/kelvora/Lang2.txt usr/share/kelvora/Lang3.txt \
    usr/share/kelvora/images/000.jpg usr/share/kelvora/images/078.jpg usr/share/kelvora/images/KokpitA.bmp \
    usr/share/kelvora/Sounds/Dugme1.wav usr/share/kelvora/Sounds/70loop.wav \
    usr/share/applications/org.kelvora.trainer.desktop usr/share/metainfo/org.kelvora.trainer.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/kelvora-trainer.svg usr/share/icons/hicolor/48x48/apps/kelvora-trainer.png \
    usr/share/icons/hicolor/256x256/apps/kelvora-trainer.png usr/share/man/man1/kelvora-trainer.1.gz \
    usr/share/man/man1/kelvora-records.1.gz usr/share/doc/kelvora-trainer/copyright
holds authoring trainer \
    usr/bin/kelvora-editor usr/bin/kelvora-content-check usr/bin/kelvora-storyboard usr/bin/kelvora-course \
    usr/share/applications/org.kelvora.editor.desktop usr/share/man/man1/kelvora-editor.1.gz \
    usr/share/man/man1/kelvora-content-check.1.gz usr/share/man/man1/kelvora-storyboard.1.gz \
    usr/share/man/man1/kelvora-course.1.gz usr/share/doc/kelvora-authoring/copyright
pack() { (cd "$1" && find images Sounds Lang?.txt \( -type f -o -type l \) | sort); }
diff <(pack "$package_build/dist") <(pack "$root/usr/share/kelvora") >&2 || fail "the package's content pack differs from its build's"
# Every shipped file once: the built-in pack links to what a course holds too, and every link leads to a file.
twice="$(find "$root/usr/share/kelvora" -type f -exec sha256sum {} + | sort | uniq -w64 -D)"
[ -z "$twice" ] || { echo "$twice" >&2; fail "files stored twice"; }
broken="$(find "$root/usr" -xtype l)"
[ -z "$broken" ] || fail "links that lead nowhere: $broken"
# The built-in course, walked through the links by the unpacked storyboard, is the course the gate knows.
bash "$source/tests/gate/builtin_course_gate.sh" "$root/usr/bin/kelvora-storyboard" "$root/usr/share/kelvora" \
    "$source/tests/data/builtin-course" >"$scratch/gate.log" 2>&1 || { cat "$scratch/gate.log" >&2; fail "the installed built-in course differs"; }

# One id per program for the desktop: the menu entry's name and the window class it announces.
for id in org.kelvora.trainer org.kelvora.editor; do
    grep -qx "StartupWMClass=$id" "$root/usr/share/applications/$id.desktop" || fail "$id.desktop names another window class"
done
desktop-file-validate "$root/usr/share/applications/org.kelvora.trainer.desktop" \
    "$root/usr/share/applications/org.kelvora.editor.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.kelvora.trainer.metainfo.xml" >/dev/null \
    || appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.kelvora.trainer.metainfo.xml" >&2

for program in kelvora-editor kelvora-content-check kelvora-storyboard kelvora-course kelvora-records; do
    shown="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/$program" --version)"
    [ "$shown" = "$program $version" ] || fail "$program --version printed '$shown'"
done

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
window="$(timeout 30 xdotool search --sync --onlyvisible --name '^KELVORA Training$' | head -1)" \
    || { cat "$scratch/trainer.log" >&2; fail "the start screen did not open"; }
class="$(xprop -id "$window" WM_CLASS)"
grep -q '"org.kelvora.trainer"$' <<<"$class" || fail "the window's class is not the menu entry's: $class"
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
