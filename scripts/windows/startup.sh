#!/usr/bin/env bash
# The start of Termika under Wine against a bare Qt window of its shape, both built the same way
# (bench_start_child.exe, static Qt): each run a fresh process, from the spawn to the exit that
# follows the painted window, in turn. Prints the medians and their ratio; enforces nothing.
#   scripts/windows/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$1
runs=${2:-9}
child=$build/bench/bench_start_child.exe
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" QT_QPA_PLATFORM=windows
: "${WINEPREFIX:?}"

# A running wineserver is the normal case for a user's second program; the first one of a
# session also starts the server, which is not the program's cost.
wine cmd /c exit 0 >/dev/null 2>&1

ms_now() { date +%s%N | cut -c1-13; }
declare -A samples=([floor]="" [termika]="")
for ((i = 0; i < runs; i++)); do
    for kind in floor termika; do
        t0=$(ms_now)
        wine "$child" --child "$kind" >/dev/null
        samples[$kind]+="$(($(ms_now) - t0)) "
    done
done

median() { tr ' ' '\n' | grep . | sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
floor=$(median <<<"${samples[floor]}")
termika=$(median <<<"${samples[termika]}")
echo "Start under Wine, spawn to painted window, $runs fresh processes of each kind (median):"
printf '  floor (bare window, six tabs)  %6d ms\n' "$floor"
printf '  Termika, nothing stored        %6d ms   %s x\n' "$termika" \
    "$(awk -v t="$termika" -v f="$floor" 'BEGIN {printf "%.2f", t / f}')"
