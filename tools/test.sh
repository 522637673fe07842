#!/usr/bin/env bash
# Builds what is missing, then runs every test: the native tests (sanitizers), the
# bounded fuzz run, then the Windows tests under Wine on a virtual display.
# Exits non-zero when any of them fails.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
tools/setup.sh || exit 1

jobs=$(nproc)
status=0

echo "== Native tests"
ctest --test-dir build/native --output-on-failure -j "$jobs" || status=1

if [ -x tools/fuzz.sh ]; then
    echo "== Fuzzing"
    tools/fuzz.sh || status=1
fi

echo "== Windows tests (Wine)"
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir build/windows --output-on-failure -j "$jobs" || status=1
# Leave no Wine process of the test prefix behind.
WINEPREFIX="${QUILLON_WINEPREFIX:-$root/build/wineprefix}" wineserver -k 2>/dev/null || true

if [ $status -eq 0 ]; then echo "All tests passed."; else echo "Some tests failed."; fi
exit $status
