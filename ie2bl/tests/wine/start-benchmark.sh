#!/bin/sh
# Start through the real DLL against its floor under Wine: times, ratios and server round trips.
#   ie2bl/tests/wine/start-benchmark.sh [BUILD_DIR [ROUNDS]]      (default build/win64, 15 rounds)
# Runs in the tests' private prefix (made by the ie2bl.wine.prefix test when missing).
set -eu
build=$(cd "${1:-build/win64}" && pwd)
rounds=${2:-15}
wine=$(sed -n 's/^IE2BL_WINE:FILEPATH=//p' "$build/CMakeCache.txt")
bin=$build/ie2bl/bin
export WINEPREFIX="$build/ie2bl/tests/wine/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
[ -d "$WINEPREFIX" ] || ctest --test-dir "$build" -R '^ie2bl\.wine\.prefix$' >/dev/null
cd "$bin"

WINEDEBUG=-all "$wine" ie2bl_start_timing.exe "$rounds"

# One Start of each between markers on stderr that name the calling thread; requests of Wine's
# own threads in the meantime are not counted. The server writes the trace, so a fresh one is
# started with the program's stderr.
"$(dirname "$wine")/wineserver" -w
WINEDEBUG=+server "$wine" ie2bl_start_timing.exe --trace 2>&1 >/dev/null | tr -d '\r' | awk '
    /^@@begin / { thread = $2; label = substr($0, length($1 $2) + 3); counting = 1; n = 0; next }
    /^@@end/ { if (counting) printf "%-44s %5d server round trips\n", label, n; counting = 0; next }
    counting && index($0, thread ": ") == 1 && /^[0-9a-f]+: [a-z_]+\( / { n++ }'
