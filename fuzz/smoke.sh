#!/usr/bin/env bash
# Runs every fuzz target for a fixed number of inputs over its seed corpus and fails when
# any of them finds a fault (crash, sanitizer report, broken invariant, timeout, leak).
#   fuzz/smoke.sh [BIN_DIR [RUNS]]     (defaults: build/fuzz/bin, 20000 runs)
# New inputs go to a scratch corpus, never into fuzz/corpus/.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-${ZEMFUZZ_BIN:-$here/../build/fuzz/bin}}
runs=${2:-${ZEMFUZZ_RUNS:-20000}}
work=${ZEMFUZZ_WORK:-$(mktemp -d)}
targets=(pcf_index pcf_peer pcf_file mqsc2pcf pcf2mqsc ini perm match)

failed=()
for target in "${targets[@]}"; do
  dir=$work/$target
  rm -rf "$dir" && mkdir -p "$dir/corpus" "$dir/artifacts"
  extra=()
  [ -f "$here/dict/$target.dict" ] && extra+=("-dict=$here/dict/$target.dict")
  start=$SECONDS
  "$bin/fuzz_$target" -runs="$runs" -seed=1 -timeout=20 -rss_limit_mb=2048 -max_total_time=55 \
    -print_final_stats=1 -artifact_prefix="$dir/artifacts/" "${extra[@]}" \
    "$dir/corpus" "$here/corpus/$target" >"$dir/log" 2>&1
  status=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -1)
  printf '%-10s %-5s %8s runs %4ss\n' "$target" "$([ $status -eq 0 ] && echo ok || echo FAIL)" "${execs:-?}" \
    $((SECONDS - start))
  if [ $status -ne 0 ]; then
    failed+=("$target")
    tail -n 60 "$dir/log"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz smoke failed: ${failed[*]} (inputs in $work/<target>/artifacts)"
  exit 1
fi
echo "fuzz smoke passed"
