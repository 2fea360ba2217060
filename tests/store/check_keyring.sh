#!/usr/bin/env bash
# A single user's store password kept in the desktop's secret store: saved by
# kelvora-records --save-password into a real Secret Service (gnome-keyring on a
# private session bus, unlocked with a known password), then read by the
# trainer's sending and by kelvora-records --send, never written to a file.
# Where no secret store answers, the records wait in the outbox, said once,
# nothing goes to the store without its password, and they go when it is back.
#   check_keyring.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$2" && pwd)"
work="$build/tests/keyring"
dist="$build/dist"
records_tool="$build/tools/records/kelvora-records"
fail() { echo "check_keyring: $*" >&2; exit 1; }
for tool in dbus-daemon gnome-keyring-daemon; do
    command -v "$tool" >/dev/null || { echo "check_keyring: SKIPPED: no $tool" >&2; exit 77; }
done
source "$source_dir/local_store.sh"

scratch="$(mktemp -d /tmp/kelvora-keyring.XXXXXX)"
bus_pid=""
cleanup() {
    stop_local_store
    # The keyring daemon ends with its bus.
    [ -z "$bus_pid" ] || kill "$bus_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -m 0700 "$scratch/run" "$scratch/home"
export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" XDG_DATA_HOME="$scratch/home/data"
export XDG_CONFIG_HOME="$scratch/home/config" XDG_CONFIG_DIRS="$scratch/system"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
unset DISPLAY WAYLAND_DISPLAY
outbox="$XDG_DATA_HOME/kelvora/outbox"
password='p@ss; "quoted", \back'

start_local_store "$work" "$scratch" trainer "$password"
bus="unix:path=$scratch/bus"
bus_pid="$(dbus-daemon --session --fork --address="$bus" --print-pid)"
export DBUS_SESSION_BUS_ADDRESS="$bus"
printf 'keyring-password' | gnome-keyring-daemon --unlock --components=secrets --daemonize >/dev/null \
    || fail "gnome-keyring-daemon did not start"

mkdir -p "$XDG_CONFIG_HOME/kelvora"
cat >"$XDG_CONFIG_HOME/kelvora/trainer.conf" <<CONF
[records]
enabled=true
[store]
endpoint=http://127.0.0.1:$store_port/xapi
username=trainer
keyring=true
timeout=5
CONF

pending() { find "$outbox" -name '*.json' 2>/dev/null | wc -l; }
stored() { node -e 'const s = require(process.argv[1]); console.log(eval(process.argv[2]))' "$scratch/state.json" "$1"; }
# A run that reaches its first window, then ends as a logout ends it.
run() {
    (cd "$dist" && exec ./kelvora-trainer --trainee "$1") 2>"$scratch/trainer.err" &
    local pid=$!
    sleep 2
    kill -TERM "$pid"
    wait "$pid" || true
}

printf '%s\n' "$password" | "$records_tool" --save-password >/dev/null || fail "the password was not kept"
if grep -rqF 'p@ss' "$HOME/config" "$XDG_DATA_HOME/kelvora" 2>/dev/null; then fail "the password was written to a file"; fi
run "Run 1"
[ "$(pending)" -eq 0 ] || fail "the trainer did not send with the password from the secret store: $(cat "$scratch/trainer.err")"

# No secret store answers: the record waits, said once, and nothing is sent without the password.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-bus"
run "Run 2"
[ "$(pending)" -eq 1 ] || fail "a record left the outbox though the password could not be had"
grep -q "not sent: .*secret store" "$scratch/trainer.err" || fail "the trainer did not say why: $(cat "$scratch/trainer.err")"
status=0
"$records_tool" --send >/dev/null 2>"$scratch/send.err" || status=$?
[ "$status" -eq 1 ] && [ "$(pending)" -eq 1 ] || fail "--send without a secret store: status $status, $(pending) left"
grep -q "secret store" "$scratch/send.err" || fail "--send did not say why: $(cat "$scratch/send.err")"
echo "without a secret store: $(head -1 "$scratch/trainer.err")"

export DBUS_SESSION_BUS_ADDRESS="$bus"
"$records_tool" --send >/dev/null || fail "--send did not send once the secret store was back"
[ "$(pending)" -eq 0 ] || fail "--send left the record in the outbox"
[ "$(stored 's.unauthorised')" -eq 0 ] || fail "the store was asked $(stored 's.unauthorised') time(s) without the password"
runs="$(stored 's.statements.filter(x => x.verb.id.endsWith("/initialized")).map(x => x.actor.name).sort().join(",")')"
[ "$runs" = "Run 1,Run 2" ] || fail "the store holds the runs $runs"
echo "check_keyring: the password came from the secret store; without one the record waited and was sent later"
