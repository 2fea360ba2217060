#!/usr/bin/env bash
# Runs of the real trainer against a learning record store on 127.0.0.1 that
# accepts, refuses, stalls and drops, then kelvora-records --send: every run's
# statements reach the store once, valid, under the ids they were made with;
# nothing is left in the outbox; an unreachable store holds up the end of a
# run only briefly.
#   check_store.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$2" && pwd)"
work="$build/tests/store"
dist="$build/dist"
records_tool="$build/tools/records/kelvora-records"
fail() { echo "check_store: $*" >&2; exit 1; }

mkdir -p "$work"
cp "$source_dir/package.json" "$source_dir/store.js" "$work/"
if ! (cd "$work" && npm install --no-audit --no-fund >"$work/npm.log" 2>&1); then
    echo "check_store: SKIPPED: npm could not install the statement validator:" >&2
    tail -5 "$work/npm.log" >&2
    exit 77
fi

scratch="$(mktemp -d /tmp/kelvora-store.XXXXXX)"
store_pid=""
cleanup() {
    if [ -n "$store_pid" ]; then
        kill "$store_pid" 2>/dev/null || true
        wait "$store_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_CONFIG_DIRS="$scratch/system"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
outbox="$XDG_DATA_HOME/kelvora/outbox"

echo accept >"$scratch/mode"
node "$work/store.js" "$scratch/mode" "$scratch/state.json" trainer 's3cret:pass' >"$scratch/port" &
store_pid=$!
for _ in $(seq 100); do [ -s "$scratch/port" ] && break; sleep 0.1; done
[ -s "$scratch/port" ] || fail "the store did not start"
mkdir -p "$XDG_CONFIG_HOME/kelvora"
cat >"$XDG_CONFIG_HOME/kelvora/trainer.conf" <<CONF
[records]
enabled=true
homePage=https://lms.example.org
[store]
endpoint=http://127.0.0.1:$(cat "$scratch/port")/xapi
username=trainer
password=s3cret:pass
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

echo "store: $(stored 's.posts') posts: $(stored 's.accepted') accepted, $(stored 's.repeated') repeats (409),"\
     "$(stored 's.refused') refused, $(stored 's.stalled') stalled, $(stored 's.dropped') dropped"
[ "$(stored 's.invalid.length + s.unauthorised')" -eq 0 ] || fail "statements refused: $(stored 'JSON.stringify(s.invalid)')"
# Every run once: one start and one end each, five runs, no statement twice under another id.
runs="$(stored 's.statements.filter(x => x.verb.id.endsWith("/initialized")).map(x => x.actor.name).sort().join(",")')"
[ "$runs" = "Run 1,Run 2,Run 3,Run 4,Run 5" ] || fail "the store holds the runs $runs"
[ "$(stored 's.statements.length')" -eq 10 ] || fail "the store holds $(stored 's.statements.length') statements for 5 runs"
homes="$(stored '[...new Set(s.statements.map(x => x.actor.account.homePage))].join(",")')"
[ "$homes" = "https://lms.example.org" ] || fail "the trainees' home page is $homes, not the one set"
echo "store holds $(stored 's.statements.length') statements of 5 runs, each once"
