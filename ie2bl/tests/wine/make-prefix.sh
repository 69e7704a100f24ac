#!/bin/sh
# Creates the tests' private Wine prefix and selects the null graphics driver, so that windows can
# be created and found without any X server.
set -eu
wine="$1"
WINEPREFIX="$2"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY || true

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot -i
fi
"$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
"$wine" reg query 'HKCU\Software\Wine\Drivers' /v Graphics | grep -q null
