#!/usr/bin/env bash
# Builds the demonstration and leaves it touring every page and editor on the offscreen platform
# for a while, then checks that its resident memory stayed flat after the first tours: whatever a
# tour leaks adds up tour after tour, while caches and the allocator settle in the first two.
#
#   scripts/soak.sh [-t SECONDS] [-o REPORT]   run (default 180 s) and judge
#   scripts/soak.sh -j REPORT                  judge a report written before, without running
#
# The report (default: <build>/soak-report.txt) has one line per tour: tour, seconds, RSS KiB.
# The start is the higher of the first two tours; the end is the lowest of the last three tours
# after them (a leak raises every later tour; one tour sampled at a busy moment does not fail the
# run). The end may exceed the start by at most SOAK_ALLOWANCE_KIB (2048) plus
# SOAK_ALLOWANCE_PERCENT (1) % of the start. At least three tours are needed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

usage() {
  sed -n '6,7s/^# *//p' "${BASH_SOURCE[0]}" >&2
  exit 2
}

SECONDS_TO_RUN=180
REPORT=""
JUDGE_ONLY=""
while getopts "t:o:j:h" Option; do
  case "$Option" in
    t) SECONDS_TO_RUN=$OPTARG ;;
    o) REPORT=$OPTARG ;;
    j) JUDGE_ONLY=$OPTARG ;;
    *) usage ;;
  esac
done
[ $# -ge "$OPTIND" ] && usage

# Prints the figures of report $1 and fails unless the memory stayed within the allowance.
soak_judge() {
  awk -v allowance_kib="${SOAK_ALLOWANCE_KIB:-2048}" -v allowance_pct="${SOAK_ALLOWANCE_PERCENT:-1}" '
    /^#/ || NF == 0 { next }
    NF != 3 || $1 !~ /^[0-9]+$/ || $3 !~ /^[0-9]+$/ { print "soak: unreadable line: " $0; bad = 1; exit }
    {
      n++; rss[n] = $3; seconds = $2
      if (n == 1 || $3 > max) { max = $3; max_tour = $1 }
    }
    END {
      if (bad) exit 1
      if (n < 3) {
        printf "soak: FAILED: %d tour(s) in the report; at least 3 are needed (two to settle, one to compare): run longer\n", n
        exit 1
      }
      start = rss[1] > rss[2] ? rss[1] : rss[2]
      first_end = n - 2 < 3 ? 3 : n - 2
      end = rss[first_end]
      for (i = first_end + 1; i <= n; i++) if (rss[i] < end) end = rss[i]
      limit = start + allowance_kib + int(start * allowance_pct / 100)
      printf "soak: %d tours in %.1f s; RSS after tour 1: %d KiB, start (max of tours 1-2): %d KiB, end (min of tours %d-%d): %d KiB (%+d KiB), last: %d KiB, max: %d KiB (tour %d); limit %d KiB\n",
             n, seconds, rss[1], start, first_end, n, end, end - start, rss[n], max, max_tour, limit
      if (end > limit) {
        printf "soak: FAILED: resident memory grew by %d KiB after the first two tours, more than the allowed %d KiB: a leak?\n",
               end - start, limit - start
        exit 1
      }
      print "soak: memory flat"
    }' "$1"
}

if [ -n "$JUDGE_ONLY" ]; then
  soak_judge "$JUDGE_ONLY"
  exit
fi

vex_install
vex_build
REPORT=${REPORT:-$BUILD_DIR/soak-report.txt}
echo "soak: touring the demonstration for $SECONDS_TO_RUN s; report in $REPORT"
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/demo/VexComponentsDemo" --soak "$SECONDS_TO_RUN" \
  --soak-report "$REPORT"
soak_judge "$REPORT"
