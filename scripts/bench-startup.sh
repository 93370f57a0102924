#!/usr/bin/env bash
# Start-up of Vaporin against the yardstick window, under Xvfb: runs them alternately and
# reports the medians of the time from exec to the window mapped and of the peak RSS, and
# their ratios.   scripts/bench-startup.sh [RUNS]   (default 21)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"

scripts/install-deps.sh test
cmake --preset default >/dev/null
cmake --build --preset default --target vaporin startup_probe startup_yardstick >/dev/null

home=$(mktemp -d)
display=:57
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb"; rm -rf "$home"' EXIT
sleep 1

probe=build/default/bench/startup_probe
declare -a appTimes appRss yardTimes yardRss
for ((i = 0; i < runs; i++)); do
  read -r t r < <(HOME="$home" DISPLAY="$display" "$probe" build/default/app/vaporin)
  appTimes+=("$t"); appRss+=("$r")
  read -r t r < <(HOME="$home" DISPLAY="$display" "$probe" build/default/bench/startup_yardstick)
  yardTimes+=("$t"); yardRss+=("$r")
done

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
at=$(median "${appTimes[@]}"); ar=$(median "${appRss[@]}")
yt=$(median "${yardTimes[@]}"); yr=$(median "${yardRss[@]}")
echo "runs: $runs each, alternating"
echo "vaporin:   ${at} ms to the window mapped, peak RSS ${ar} KiB"
echo "yardstick: ${yt} ms to the window mapped, peak RSS ${yr} KiB"
awk -v a="$at" -v y="$yt" -v ar="$ar" -v yr="$yr" \
  'BEGIN {printf "ratio: time %.2fx, peak RSS %.2fx\n", a / y, ar / yr}'
