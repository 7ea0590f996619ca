#!/usr/bin/env bash
# Runs a Windows test executable under Wine, as ctest's emulator, with the exit code of the
# program. What a QtTest program writes to its standard output does not come through Wine here,
# so it writes its log to a file, which is shown afterwards.
set -u
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
# Wine keeps the QT_ variables of Linux from Windows programs; WINEQT_... reaches them as QT_...
while IFS='=' read -r name value; do
    export "WINE$name=$value"
done < <(env | grep '^QT_')
case "$1" in
*_test.exe)
    log=$(mktemp --suffix=.txt)
    wine "$@" -o "$(winepath -w "$log"),txt"
    rc=$?
    cat "$log"
    rm -f "$log"
    exit "$rc"
    ;;
esac
exec wine "$@"
