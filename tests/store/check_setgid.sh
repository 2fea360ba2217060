#!/usr/bin/env bash
# The classroom arrangement for the store's secret: copies of the trainer and of
# kelvora-records owned by root and a group of their own, set-group-ID, run by an
# unprivileged user (nobody). The secret, root:group 0640, is read by them and
# not by the user; the trainer has given the group up while it runs; the records
# reach the store with it, from the trainer and from kelvora-records --send; the
# report, run by the same user, cannot use it to read the class's records.
# Needs root (CI runs the tests as root); skipped otherwise, or where the
# temporary folder is mounted nosuid.
#   check_setgid.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$2" && pwd)"
work="$build/tests/setgid"
dist="$build/dist"
fail() { echo "check_setgid: $*" >&2; exit 1; }
skip() { echo "check_setgid: SKIPPED: $*" >&2; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "only root can make a set-group-ID copy and run it as another user"
command -v setpriv >/dev/null || skip "no setpriv"
# The kernel keeps anyone from tracing a set-group-ID process, LeakSanitizer's own check at its end included.
if grep -q '^KELVORA_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
    skip "a set-group-ID copy cannot be checked by LeakSanitizer"
fi
source "$source_dir/local_store.sh"

scratch="$(mktemp -d /tmp/kelvora-setgid.XXXXXX)"
cleanup() {
    stop_local_store
    rm -rf "$scratch"
}
trap cleanup EXIT
chmod 0755 "$scratch"
if findmnt -n -o OPTIONS -T "$scratch" | tr ',' '\n' | grep -qx nosuid; then
    skip "$scratch is on a file system mounted nosuid"
fi
# A group number no one has, so that nothing on the machine is changed.
group=61000
while getent group "$group" >/dev/null; do group=$((group + 1)); done
user=65534
password='cl@ssroom; secret'

start_local_store "$work" "$scratch" trainer "$password"

# The whole runnable folder, so that the user need not reach the build's.
bin="$scratch/bin"
cp -r "$dist" "$bin"
cp "$build/tools/records/kelvora-records" "$bin/"
cp "$dist/kelvora-trainer" "$bin/plain-trainer"
chmod -R a+rX "$bin"
chown "root:$group" "$bin/kelvora-trainer" "$bin/kelvora-records"
chmod 2755 "$bin/kelvora-trainer" "$bin/kelvora-records"
mkdir -p "$scratch/etc" "$scratch/system/kelvora" "$scratch/home"
printf '%s\n' "$password" >"$scratch/etc/store-secret"
chown "root:$group" "$scratch/etc/store-secret"
chmod 0640 "$scratch/etc/store-secret"
cat >"$scratch/system/kelvora/trainer.conf" <<CONF
[records]
enabled=true
[store]
endpoint=http://127.0.0.1:$store_port/xapi
username=trainer
passwordFile=$scratch/etc/store-secret
timeout=5
CONF
chmod 0755 "$scratch/etc" "$scratch/system" "$scratch/system/kelvora"
chmod 0644 "$scratch/system/kelvora/trainer.conf"
chown "$user:$user" "$scratch/home"

export HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/data" XDG_CONFIG_HOME="$scratch/home/config"
export XDG_CONFIG_DIRS="$scratch/system" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
unset XDG_RUNTIME_DIR DBUS_SESSION_BUS_ADDRESS
outbox="$XDG_DATA_HOME/kelvora/outbox"
as_user() { setpriv --reuid="$user" --regid="$user" --clear-groups "$@"; }
pending() { find "$outbox" -name '*.json' 2>/dev/null | wc -l; }
stored() { node -e 'const s = require(process.argv[1]); console.log(eval(process.argv[2]))' "$scratch/state.json" "$1"; }

if as_user cat "$scratch/etc/store-secret" >/dev/null 2>&1; then fail "the user can read the store's secret"; fi
# Without the group the settings cannot be had: what follows works by the group alone.
status=0
(cd "$bin" && as_user ./plain-trainer --trainee "No group") >/dev/null 2>"$scratch/plain.err" || status=$?
[ "$status" -eq 2 ] && grep -q "store-secret cannot be read" "$scratch/plain.err" \
    || fail "a copy without the group started (status $status): $(cat "$scratch/plain.err")"

# A run that reaches its first window, then ends as a logout ends it; its groups while it ran are kept.
run() {
    (cd "$bin" && exec setpriv --reuid="$user" --regid="$user" --clear-groups ./kelvora-trainer --trainee "$1") \
        2>>"$scratch/trainer.err" &
    local pid=$!
    sleep 2
    grep -E '^(Uid|Gid|Groups):' "/proc/$pid/status" >"$scratch/ids" || true
    kill -TERM "$pid"
    wait "$pid" || true
}
run "Run 1"
grep -qE "^Gid:\s+$user\s+$user\s+$user\s+$user\s*$" "$scratch/ids" \
    || fail "the trainer kept its group while it ran: $(tr '\n' ' ' <"$scratch/ids")"
[ "$(pending)" -eq 0 ] || fail "the run's record did not reach the store: $(cat "$scratch/trainer.err")"

echo refuse >"$scratch/mode"
run "Run 2"
[ "$(pending)" -eq 1 ] || fail "a refused record left the outbox"
echo accept >"$scratch/mode"
as_user "$bin/kelvora-records" --send >/dev/null 2>"$scratch/send.err" || fail "kelvora-records --send failed: $(cat "$scratch/send.err")"
[ "$(pending)" -eq 0 ] || fail "kelvora-records --send left the record in the outbox"

status=0
as_user "$bin/kelvora-records" report --store -o "$scratch/home/report.html" >/dev/null 2>"$scratch/report.err" || status=$?
[ "$status" -eq 2 ] && grep -q "store-secret cannot be read" "$scratch/report.err" \
    || fail "the report read the store with the group's secret (status $status): $(cat "$scratch/report.err")"

[ "$(stored 's.unauthorised')" -eq 0 ] || fail "the store was asked without the secret"
runs="$(stored 's.statements.filter(x => x.verb.id.endsWith("/initialized")).map(x => x.actor.name).sort().join(",")')"
[ "$runs" = "Run 1,Run 2" ] || fail "the store holds the runs $runs"
echo "check_setgid: the secret read by the group only, given up while running; both runs reached the store"
