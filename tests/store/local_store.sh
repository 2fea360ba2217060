# Sourced by the tests that need a learning record store on 127.0.0.1: store.js
# beside this file, with the statement validator that npm installs.
#   start_local_store WORK SCRATCH USERNAME PASSWORD
# installs the store into WORK (or ends the test with 77, skipped, where npm
# cannot), starts it answering as SCRATCH/mode says (accept, unless set) and
# keeping what it holds in SCRATCH/state.json; sets store_pid and store_port.
# stop_local_store ends it; call it from the test's cleanup.
local_store_source="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
store_pid=""
store_port=""

start_local_store() {
    local work="$1" scratch="$2"
    mkdir -p "$work"
    cp "$local_store_source/package.json" "$local_store_source/store.js" "$work/"
    if ! (cd "$work" && npm install --no-audit --no-fund >"$work/npm.log" 2>&1); then
        echo "SKIPPED: npm could not install the statement validator:" >&2
        tail -5 "$work/npm.log" >&2
        exit 77
    fi
    [ -s "$scratch/mode" ] || echo accept >"$scratch/mode"
    rm -f "$scratch/port"
    node "$work/store.js" "$scratch/mode" "$scratch/state.json" "$3" "$4" >"$scratch/port" &
    store_pid=$!
    for _ in $(seq 100); do [ -s "$scratch/port" ] && break; sleep 0.1; done
    [ -s "$scratch/port" ] || { echo "the store did not start" >&2; exit 1; }
    store_port="$(cat "$scratch/port")"
}

stop_local_store() {
    if [ -n "$store_pid" ]; then
        kill "$store_pid" 2>/dev/null || true
        wait "$store_pid" 2>/dev/null || true
        store_pid=""
    fi
}
