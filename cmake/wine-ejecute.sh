#!/bin/sh
# Runs one Windows program under wine: wine-ejecute.sh WINESERVER WINE PROGRAM
# [ARGUMENT...].
#
# Left to itself, the wine server exits a moment after its last program, and
# a program that starts just then loses its connection ("wine client error:
# recvmsg: Connection reset by peer"). So the first program of a series
# starts a server that stays a minute after the last. The services that wine
# starts with a new server live as long as it does, and keep whatever
# streams they inherit open, which would keep the caller waiting for the end
# of the program's output for that minute: so they are started by a program
# of their own, with no stream of the caller's. The lock keeps two programs
# started together from both doing this.
servidor=$1
wine=$2
shift 2
(
  flock 9
  if "$servidor" -p60 </dev/null >/dev/null 2>&1 9>&-; then
    "$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
  fi
) 9>"${WINEPREFIX:-$HOME/.wine}.cerrojo"
exec "$wine" "$@"
