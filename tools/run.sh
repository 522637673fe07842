#!/usr/bin/env bash
# Builds what is missing, then runs Quillon under Wine. Without a display it runs on a
# virtual one (Xvfb); set DISPLAY to see the window.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/setup.sh" >/dev/null
cd "$root/build/windows/bin"
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: running on a virtual X display (Xvfb)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$root/tools/wine-exec" quillon.exe
fi
exec "$root/tools/wine-exec" quillon.exe
