#!/usr/bin/env bash
# Tries the installer as a user's machine meets it: a fresh Wine prefix, a silent install, the
# installed program started until its window shows painted, then a silent uninstall that leaves
# nothing behind. Needs an X display (xvfb-run).
#   WINEPREFIX=... scripts/windows/installer_test.sh termika-<version>-setup.exe
set -euo pipefail
setup=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:?}"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
fail() { echo "installer test: $*" >&2; exit 1; }

rm -rf "$WINEPREFIX"
bash "$here/wine-prefix.sh"
dir="$WINEPREFIX/drive_c/Program Files/Termika"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Termika'

wine "$setup" /S
wineserver --wait
[ -f "$dir/termika.exe" ] || fail "no termika.exe under Program Files"
[ -f "$dir/Uninstall.exe" ] || fail "no uninstaller"
menu=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Termika/Termika.lnk' | head -n 1)
[ -n "$menu" ] || fail "no Start-menu entry Termika"
wine reg query "$uninstall_key" /v DisplayName 2>/dev/null | grep -q Termika ||
    fail "not listed among the installed programs"

# The installed program, with German stored where Termika keeps its language (as an expandable
# string, which reads as a string): its window appears and paints, and bringing German back it
# stores the code again, as a plain string.
wine reg add 'HKCU\Termika' /v Langue /t REG_EXPAND_SZ /d de /f >/dev/null 2>&1
t0=$(date +%s%N)
wine "$dir/termika.exe" >/dev/null 2>&1 &
id=
for _ in $(seq 1 600); do
    id=$(xwininfo -root -tree 2>/dev/null | awk '/"Termika v 0.1.12"/ {print $1; exit}')
    [ -n "$id" ] && break
    sleep 0.1
done
[ -n "$id" ] || fail "the installed program showed no window"
echo "installed program: its window after $((($(date +%s%N) - t0) / 1000000)) ms"
shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"' EXIT
painted() { [ "$(convert "$shot" -format '%[fx:standard_deviation > 0.05]' info:)" = 1 ]; }
for _ in $(seq 1 50); do
    import -window "$id" "$shot" 2>/dev/null && painted && break
    sleep 0.2
done
painted || fail "the window is one flat colour: nothing painted"
convert "$shot" -format 'installed program: window of %w x %h pixels, painted\n' info:
[ -z "${TERMIKA_SCREENSHOT:-}" ] || cp "$shot" "$TERMIKA_SCREENSHOT"
wine taskkill /IM termika.exe >/dev/null 2>&1 || true
wineserver --wait
stored=$(wine reg query 'HKCU\Termika' /v Langue 2>/dev/null | tr -d '\r' | awk '$1 == "Langue" {print $2, $3}')
[ "$stored" = "REG_SZ de" ] || fail "HKEY_CURRENT_USER\\Termika holds Langue '$stored', not the string de"
echo "installed program: HKEY_CURRENT_USER\\Termika Langue = $stored"

# The uninstaller runs in place (_?=) so that the wait covers it.
wine "$dir/Uninstall.exe" /S "_?=$(winepath -w "$dir")"
wineserver --wait
rm -f "$dir/Uninstall.exe" # what runs in place cannot delete itself
[ ! -e "$dir/termika.exe" ] || fail "termika.exe is left after the uninstall"
[ -z "$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Termika*' | head -n 1)" ] ||
    fail "the Start-menu entry is left after the uninstall"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "still listed after the uninstall"
wineserver --wait
echo "installer test: installed, started, painted and uninstalled"
