#!/usr/bin/env bash
# The narration test against a private speech-dispatcher speaking into a
# private PulseAudio null sink, both started here and stopped at the end.
# usage: narration_on_null_sink.sh TEST_BINARY
set -euo pipefail
scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../scripts" && pwd)"
if [ -z "${KELVORA_NARRATION_SERVICES:-}" ]; then
    KELVORA_NARRATION_SERVICES=1 exec bash "$scripts/with-null-sink" bash "$scripts/with-speech-dispatcher" bash "$0" "$@"
fi
[ -n "${PULSE_SERVER:-}" ] || { echo "FAIL: no PulseAudio null sink to hear the speech in" >&2; exit 1; }
exec "$1"
