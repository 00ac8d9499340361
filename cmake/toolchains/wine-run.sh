#!/bin/sh
# wine-run.sh WINESERVER WINE PROGRAM [ARGS...]: runs PROGRAM under Wine in
# $WINEPREFIX, first making sure a Wine server runs that outlives each
# program by 15 seconds. Debian's wineserver otherwise stops the moment its
# last program ends, so a test suite restarts it (and Wine's services) over
# and over, and a program started while they come up can lose its output.
server=$1
wine=$2
shift 2
# Exits at once, silently, when a server for the prefix already runs; a
# prefix not made yet is made by wine itself.
if [ -d "$WINEPREFIX" ]; then
  "$server" -p15 </dev/null >/dev/null 2>&1
fi
exec "$wine" "$@"
