#!/usr/bin/env bash
# Runs a Windows test executable under Wine, as ctest's emulator: quiet, and with the exit code
# of the program.
set -u
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
