#!/usr/bin/env bash
# Makes the Wine prefix $WINEPREFIX ready for Termika: 64-bit, no prompts for Mono or Gecko,
# and the fonts Windows has and a fresh prefix lacks (Arial for the printout, MS Sans Serif for
# the forms) replaced by the metric-compatible Liberation Sans that is installed.
set -euo pipefail
: "${WINEPREFIX:?}"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1
replacements=$(mktemp --suffix=.reg)
trap 'rm -f "$replacements"' EXIT
cat >"$replacements" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"MS Sans Serif"="Liberation Sans"
"Microsoft Sans Serif"="Liberation Sans"
REG
wine regedit /S "$(winepath -w "$replacements")" >/dev/null 2>&1
wineserver --wait
