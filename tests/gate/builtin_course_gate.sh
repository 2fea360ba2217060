#!/bin/bash
# The built-in course as the storyboard walks it, in each of its languages: every state's sounds and line
# (states.tsv) and a hash of every state's pixels must stay as recorded in the expected folder.
# Usage: builtin_course_gate.sh STORYBOARD DISTDIR EXPECTEDDIR [--update]
set -euo pipefail
storyboard=$1 dist=$2 expected=$3 update=${4:-}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
status=0
for language in 1 2 3; do
    QT_QPA_PLATFORM=offscreen "$storyboard" "$dist" "$out" --language "$language" --hashes >/dev/null
    for file in states.tsv pixels.sha256; do
        if [ "$update" = --update ]; then
            mkdir -p "$expected/lang$language"
            cp "$out/lang$language/$file" "$expected/lang$language/$file"
        elif ! diff -u "$expected/lang$language/$file" "$out/lang$language/$file"; then
            status=1
        fi
    done
done
exit $status
