#!/usr/bin/env bash
# Runs the fuzz targets in the sanitized tree, as many at once as there are cores, each for
# SECONDS from its committed corpus (fuzz/corpus/<target>). New inputs are kept in
# WORK/corpus/<target> for the next run; a crash, hang, leak or failed check stops that target,
# leaves its input in WORK/crashes and makes the script fail. Executions per target are printed
# at the end and appended to WORK/executions.tsv.
#   scripts/fuzz.sh [-t SECONDS] [-w WORK] [-j JOBS] [TARGET...]
#   (default: 60 seconds, every target, one job per core)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

SECONDS_EACH=60
WORK=""
JOBS=$(nproc)
while getopts "t:w:j:" Option; do
  case $Option in
    t) SECONDS_EACH=$OPTARG ;;
    w) WORK=$OPTARG ;;
    j) JOBS=$OPTARG ;;
    *) echo "usage: $0 [-t SECONDS] [-w WORK] [-j JOBS] [TARGET...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
WORK=${WORK:-$FUZZ_BUILD_DIR/fuzz-work}

TARGETS=("$@")
if [ ${#TARGETS[@]} -eq 0 ]; then
  TARGETS=(control_reader decompress format_float description lcd_text matrix_text
           control_button control_drum control_label control_gauge control_knob control_lcd
           control_matrix control_slider)
fi

vex_build_fuzz "${TARGETS[@]/#/fuzz_}"
vex_sanitizer_environment
mkdir -p "$WORK/crashes" "$WORK/logs" "$WORK/results"

# Targets that read control-file text splice in its words.
dictionary_for() {
  case $1 in
    control_* | description) echo "-dict=$ROOT/fuzz/control.dict" ;;
  esac
}

# Runs one target and writes "<executions> <result>" to WORK/results/<target>.
fuzz_target() {
  local target=$1 log="$WORK/logs/$1.log" result status=0
  mkdir -p "$WORK/corpus/$target"
  # No bitmap of ours takes more than 256 MiB, so one larger allocation is a finding; a run
  # may hold several surfaces and the sanitizers' shadow memory.
  # shellcheck disable=SC2046
  "$FUZZ_BUILD_DIR/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=25 \
    -rss_limit_mb=4096 -malloc_limit_mb=512 -print_final_stats=1 \
    -artifact_prefix="$WORK/crashes/$target-" $(dictionary_for "$target") \
    "$WORK/corpus/$target" "$ROOT/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  case $status in
    0) result=ok ;;
    # libFuzzer leaves with 72 when it is interrupted: no finding, but no complete run either.
    72) result=interrupted ;;
    *) result=FAILED ;;
  esac
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "${runs:-0} $result" >"$WORK/results/$target"
}

echo "-- ${#TARGETS[@]} targets for ${SECONDS_EACH}s each, $JOBS at a time"
running=0
for target in "${TARGETS[@]}"; do
  if [ "$running" -ge "$JOBS" ]; then
    wait -n || true
    running=$((running - 1))
  fi
  fuzz_target "$target" &
  running=$((running + 1))
done
wait

failed=()
for target in "${TARGETS[@]}"; do
  read -r runs result <"$WORK/results/$target"
  printf '%-16s %12s executions  %s\n' "$target" "$runs" "$result"
  printf '%s\t%s\t%s\t%s\t%s\n' "$(date -u +%FT%TZ)" "$target" "$SECONDS_EACH" "$runs" \
    "$result" >>"$WORK/executions.tsv"
  if [ "$result" = FAILED ]; then
    failed+=("$target")
    tail -n 60 "$WORK/logs/$target.log"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $WORK/crashes)" >&2
  exit 1
fi
