#!/usr/bin/env bash
# Runs the fuzz targets in the sanitized tree, one after another, each for SECONDS from its
# committed corpus (fuzz/corpus/<target>). New inputs are kept in WORK/corpus/<target> for the
# next run; a crash, hang, leak or failed check stops that target, leaves its input in
# WORK/crashes and makes the script fail. Executions per target are printed at the end and
# appended to WORK/executions.tsv.
#   scripts/fuzz.sh [-t SECONDS] [-w WORK] [TARGET...]     (default: 60 seconds, every target)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

SECONDS_EACH=60
WORK=""
while getopts "t:w:" Option; do
  case $Option in
    t) SECONDS_EACH=$OPTARG ;;
    w) WORK=$OPTARG ;;
    *) echo "usage: $0 [-t SECONDS] [-w WORK] [TARGET...]" >&2; exit 2 ;;
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
mkdir -p "$WORK/crashes" "$WORK/logs"

# Targets that read control-file text splice in its words.
dictionary_for() {
  case $1 in
    control_* | description) echo "-dict=$ROOT/fuzz/control.dict" ;;
  esac
}

failed=()
summary=()
for target in "${TARGETS[@]}"; do
  mkdir -p "$WORK/corpus/$target"
  log="$WORK/logs/$target.log"
  echo "-- $target for ${SECONDS_EACH}s"
  # shellcheck disable=SC2046
  # No bitmap of ours takes more than 256 MiB, so one larger allocation is a finding; a run
  # may hold several surfaces and the sanitizers' shadow memory.
  if "$FUZZ_BUILD_DIR/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=25 \
      -rss_limit_mb=4096 -malloc_limit_mb=512 -print_final_stats=1 -artifact_prefix="$WORK/crashes/$target-" \
      $(dictionary_for "$target") "$WORK/corpus/$target" "$ROOT/fuzz/corpus/$target" \
      >"$log" 2>&1; then
    result=ok
  else
    status=$?
    # libFuzzer leaves with 72 when it is interrupted: no finding, but no complete run either.
    if [ "$status" -eq 72 ]; then
      result=interrupted
    else
      result=FAILED
      failed+=("$target")
      tail -n 60 "$log"
    fi
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  summary+=("$(printf '%-16s %12s executions  %s' "$target" "${runs:-?}" "$result")")
  printf '%s\t%s\t%s\t%s\t%s\n' "$(date -u +%FT%TZ)" "$target" "$SECONDS_EACH" "${runs:-0}" \
    "$result" >>"$WORK/executions.tsv"
  [ "$result" = interrupted ] && break
done

printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $WORK/crashes)" >&2
  exit 1
fi
