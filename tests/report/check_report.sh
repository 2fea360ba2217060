#!/usr/bin/env bash
# The instructor's report from a folder of records and from the local test store
# holding the same statements: the same figures; the HTML valid; a headless
# browser opens it with no console error and no request leaving the file, and its
# printout on A4 shows every chart.
#   check_report.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$2" && pwd)"
work="$build/tests/report"
dist="$build/dist"
records_tool="$build/tools/records/kelvora-records"
fail() { echo "check_report: $*" >&2; exit 1; }

source "$source_dir/store/local_store.sh"
browser="$(command -v chromium || true)"
[ -n "$browser" ] || { echo "check_report: SKIPPED: no chromium" >&2; exit 77; }

scratch="$(mktemp -d /tmp/kelvora-report.XXXXXX)"
pids=()
cleanup() {
    stop_local_store
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
    [ -n "${KELVORA_REPORT_KEEP:-}" ] || rm -rf "$scratch"
}
trap cleanup EXIT
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" XDG_CONFIG_DIRS="$scratch/system"
export QT_QPA_PLATFORM=offscreen TZ=UTC

# The records, made by the recorder in the report's unit test.
KELVORA_REPORT_RECORDS="$scratch/records" "$build/tests/test_report" theReportAndTheStepRowsShowTheRecordedRuns >/dev/null \
    || fail "the unit test that makes the records failed"
report() { "$records_tool" report --content "$dist" --trainee alice "$@"; }
report "$scratch/records" -o "$scratch/folder.html" >/dev/null || fail "the report from the folder failed"

start_local_store "$work" "$scratch" trainer 's3cret'
mkdir -p "$XDG_CONFIG_HOME/kelvora" "$XDG_DATA_HOME/kelvora/outbox"
printf '[store]\nendpoint=http://127.0.0.1:%s/xapi\nusername=trainer\npassword=s3cret\n' "$store_port" \
    >"$XDG_CONFIG_HOME/kelvora/trainer.conf"
cp "$scratch/records/"*.json "$XDG_DATA_HOME/kelvora/outbox/"
"$records_tool" --send >/dev/null || fail "the records did not reach the store"
report --store -o "$scratch/store.html" >/dev/null || fail "the report from the store failed"

# The same page but for the line that says where the runs came from.
strip() { grep -v '^<p>Records: ' "$1"; }
diff <(strip "$scratch/folder.html") <(strip "$scratch/store.html") >/dev/null \
    || fail "the reports from the folder and from the store differ"

# Debian's python3, which has python3-html5lib, whatever python3 comes first on the path.
/usr/bin/python3 - "$scratch/folder.html" <<'PY' || fail "the report is not valid HTML"
import sys, html5lib
parser = html5lib.HTMLParser(strict=True)
parser.parse(open(sys.argv[1], 'rb'))
PY

# Any request the page makes would go through this proxy; it counts them.
node -e '
const net = require("net"); 
const server = net.createServer((s) => s.once("data", (d) => {
  require("fs").appendFileSync(process.argv[1], d.toString().split("\r\n")[0] + "\n"); s.destroy(); }));
server.listen(0, "127.0.0.1", () => console.log(server.address().port));' "$scratch/requests" >"$scratch/proxy" &
pids+=($!)
for _ in $(seq 100); do [ -s "$scratch/proxy" ] && break; sleep 0.1; done
chrome() {
    # The browser's own background traffic is turned off, so that whatever reaches the proxy came from the page.
    timeout 120 "$browser" --headless=new --no-sandbox --disable-gpu --no-first-run --user-data-dir="$scratch/profile" \
        --disable-background-networking --disable-component-update --disable-sync --disable-domain-reliability \
        --proxy-server="127.0.0.1:$(cat "$scratch/proxy")" --proxy-bypass-list='<-loopback>' \
        --enable-logging=stderr --v=0 "$@" "file://$scratch/folder.html"
}
chrome --window-size=1280,1600 --screenshot="$scratch/window.png" 2>"$scratch/browser.log" >/dev/null || true
chrome --print-to-pdf="$scratch/a4.pdf" --no-pdf-header-footer 2>>"$scratch/browser.log" >/dev/null || true
[ -s "$scratch/window.png" ] || fail "no screenshot"
[ -s "$scratch/a4.pdf" ] || fail "no printout"
if grep -a 'CONSOLE' "$scratch/browser.log"; then fail "the page wrote to the console"; fi
# The browser still asks its maker for the time, updates and accounts whatever it is told; those hosts only are not the page's.
touch "$scratch/requests"
grep -v -E '^[A-Z]+ (http://)?(accounts\.google\.com|update\.googleapis\.com|clients2\.google\.com)[:/]' "$scratch/requests" \
    >"$scratch/page-requests" || true
mv "$scratch/page-requests" "$scratch/requests"
[ ! -s "$scratch/requests" ] || fail "requests left the file: $(sort -u "$scratch/requests" | tr '\n' ' ')"

# Every chart's own words are in the printout: the screens' box plot, the steps' chart, each trainee's runs.
pdftotext "$scratch/a4.pdf" "$scratch/a4.txt"
grep -q 'Time (s)' "$scratch/a4.txt" || fail "the printout lacks the time per screen"
grep -q 'Median time to the right press (s)' "$scratch/a4.txt" || fail "the printout lacks the steps' chart"
[ "$(grep -c 'Time (min)' "$scratch/a4.txt")" -eq 4 ] || fail "the printout lacks a trainee's chart"
pdfinfo "$scratch/a4.pdf" | grep -q '^Page size:.*(A4)' || fail "the printout is not on A4"
if [ -n "${KELVORA_REPORT_SHOTS:-}" ]; then
    cp "$scratch/window.png" "$KELVORA_REPORT_SHOTS-browser.png"
    pdftoppm -r 60 -png "$scratch/a4.pdf" "$KELVORA_REPORT_SHOTS-a4"
fi
echo "check_report: the same report from the folder and the store, valid, offline, every chart printed on A4"
