#!/usr/bin/env bash
# Runs of the real trainer against a learning record store on 127.0.0.1 that
# accepts, refuses, stalls and drops, then kelvora-records --send against one
# that redirects, keeps part of a batch, drips and answers without end: every
# run's statements reach the store once, valid, under the ids they were made
# with; the credentials go nowhere else; nothing but another program's file is
# left in the outbox; neither an unreachable store nor a slow one holds up the
# end of a run or of a send for long.
#   check_store.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$2" && pwd)"
work="$build/tests/store"
dist="$build/dist"
records_tool="$build/tools/records/kelvora-records"
fail() { echo "check_store: $*" >&2; exit 1; }

source "$source_dir/local_store.sh"

scratch="$(mktemp -d /tmp/kelvora-store.XXXXXX)"
cleanup() {
    stop_local_store
    rm -rf "$scratch"
}
trap cleanup EXIT
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_CONFIG_DIRS="$scratch/system"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
outbox="$XDG_DATA_HOME/kelvora/outbox"

start_local_store "$work" "$scratch" trainer 's3cret:pass'
mkdir -p "$XDG_CONFIG_HOME/kelvora"
cat >"$XDG_CONFIG_HOME/kelvora/trainer.conf" <<CONF
[records]
enabled=true
homePage=https://lms.example.org
[store]
endpoint=http://127.0.0.1:$store_port/xapi
username=trainer
password=s3cret:pass
timeout=3
CONF

pending() { find "$outbox" -name '*.json' 2>/dev/null | wc -l; }
# A run that reaches its first window, then ends as a logout ends it; prints how long its end took.
run() {
    (cd "$dist" && exec ./kelvora-trainer --trainee "$1") 2>>"$scratch/trainer.log" &
    local pid=$!
    sleep 2
    local start end
    start=$(date +%s%N)
    kill -TERM "$pid"
    wait "$pid" || true
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
stored() { node -e 'const s = require(process.argv[1]); console.log(eval(process.argv[2]))' "$scratch/state.json" "$1"; }

# One run with the store answering as MODE, after which the outbox holds LEFT records.
#   run_against MODE NAME WHAT LEFT FAULT
run_against() {
    echo "$1" >"$scratch/mode"
    ms=$(run "$2")
    echo "$3: end of the run took $ms ms, $(pending) left in the outbox"
    [ "$(pending)" -eq "$4" ] || fail "$5"
}
run_against accept "Run 1" "store accepts" 0 "an accepted record stayed in the outbox"
run_against refuse "Run 2" "store refuses" 1 "a refused record left the outbox"
run_against stall "Run 3" "store stalls" 2 "a record sent to a stalled store left the outbox"
[ "$ms" -lt 3000 ] || fail "a stalled store held up the end of the run for $ms ms"
run_against accept "Run 4" "store back" 0 "the next start did not send what was left"
run_against drop "Run 5" "store drops its answer" 1 "a record whose answer was lost left the outbox"

echo accept >"$scratch/mode"
"$records_tool" --send || fail "kelvora-records --send failed"
[ "$(pending)" -eq 0 ] || fail "kelvora-records --send left records in the outbox"

# kelvora-records --send against the store as MODE; STATUS expected, LEFT records left after it.
#   send_against MODE STATUS LEFT FAULT
send_against() {
    echo "$1" >"$scratch/mode"
    local start end status=0
    start=$(date +%s)
    timeout 120 "$records_tool" --send >"$scratch/send.out" 2>"$scratch/send.err" || status=$?
    end=$(date +%s)
    echo "kelvora-records --send, store $1: status $status after $((end - start)) s, $(pending) left"
    [ "$status" -eq "$2" ] && [ "$(pending)" -eq "$3" ] || { cat "$scratch/send.err" >&2; fail "$4"; }
    [ $((end - start)) -lt 45 ] || fail "kelvora-records --send took $((end - start)) s against a store that does $1"
}
send_against accept 0 0 "kelvora-records --send with nothing to send did not end at once"
run_against refuse "Run 6" "store refuses" 1 "a refused record left the outbox"
send_against redirect 1 1 "a record left the outbox though the store redirected it"
grep -q "moved to http://127.0.0.1:" "$scratch/send.err" || fail "the redirect was not named: $(cat "$scratch/send.err")"
[ "$(stored 's.leaked')" -eq 0 ] || fail "the credentials went to the redirect's target"
send_against moved 0 0 "a 307 to the store itself was not followed"
run_against refuse "Run 7" "store refuses" 1 "a refused record left the outbox"
send_against partial 0 0 "a record the store kept only half of was not completed after its 409"
run_against refuse "Run 8" "store refuses" 1 "a refused record left the outbox"
send_against drip 1 1 "a record whose answer only dripped left the outbox"
send_against huge 1 1 "a record whose answer was endless left the outbox"
# Another program's statements in the outbox never go out with the store's credentials.
printf '[{"id":"6f1b2c3d-0000-4000-8000-000000000000","actor":{"mbox":"mailto:a@example.org"},'\
'"verb":{"id":"http://adlnet.gov/expapi/verbs/completed"},"object":{"id":"https://example.org/course"}}]' \
    >"$outbox/00000000-foreign.json"
send_against accept 1 1 "another program's file left the outbox"
grep -q "00000000-foreign.json is not a record of this trainer" "$scratch/send.err" || fail "the foreign file was not named"
[ "$(stored 's.statements.filter(x => x.id.startsWith("6f1b2c3d")).length')" -eq 0 ] || fail "another program's statement was sent"
rm "$outbox/00000000-foreign.json"

echo "store: $(stored 's.posts') posts: $(stored 's.accepted') accepted, $(stored 's.repeated') repeats (409),"\
     "$(stored 's.refused') refused, $(stored 's.stalled') stalled, $(stored 's.dropped') dropped,"\
     "$(stored 's.redirected') redirected, $(stored 's.partial') kept in part, $(stored 's.dripped') dripped, $(stored 's.huge') huge"
[ "$(stored 's.invalid.length + s.unauthorised')" -eq 0 ] || fail "statements refused: $(stored 'JSON.stringify(s.invalid)')"
# Every run once: one start and one end each, five runs, no statement twice under another id.
runs="$(stored 's.statements.filter(x => x.verb.id.endsWith("/initialized")).map(x => x.actor.name).sort().join(",")')"
[ "$runs" = "Run 1,Run 2,Run 3,Run 4,Run 5,Run 6,Run 7,Run 8" ] || fail "the store holds the runs $runs"
[ "$(stored 's.statements.length')" -eq 16 ] || fail "the store holds $(stored 's.statements.length') statements for 8 runs"
homes="$(stored '[...new Set(s.statements.map(x => x.actor.account.homePage))].join(",")')"
[ "$homes" = "https://lms.example.org" ] || fail "the trainees' home page is $homes, not the one set"
echo "store holds $(stored 's.statements.length') statements of 8 runs, each once; $(stored 's.asked') ids confirmed after a 409"
