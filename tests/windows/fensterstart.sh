#!/bin/bash
# Starts the Windows window program under wine and closes it again through fensterstart.exe (built
# from Fensterstart.cpp beside it): it waits for the main window with the empty calendar's title,
# closes it with the WM_CLOSE message, expects exit code 0, and checks that the start replaced an
# old autostart value under the Run key by the Startup shortcut. Runs inside scripts/windows, in
# its wine prefix and on its display.
#
#   fensterstart.sh FENSTERSTART.EXE ORVANTO.EXE
set -u
wine=/usr/lib/wine/wine64
# Wine's drive Z: is the Unix root.
programm=$(realpath "$2")
"$wine" "$1" "Z:${programm//\//\\}"
