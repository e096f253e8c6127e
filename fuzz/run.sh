#!/usr/bin/env bash
# Fuzzes one target for as long as asked, keeping what it learns between runs.
#   fuzz/run.sh TARGET [SECONDS [BIN_DIR]]      e.g. fuzz/run.sh pcf_index 3600
# The corpus grows in build/fuzz-work/TARGET/corpus (seeded from fuzz/corpus/TARGET);
# inputs that fail land in build/fuzz-work/TARGET/artifacts. Extra libFuzzer options
# may follow in ZEMFUZZ_OPTIONS (for example "-jobs=2 -workers=2").
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
target=${1:?usage: fuzz/run.sh TARGET [SECONDS [BIN_DIR]]}
seconds=${2:-600}
bin=${3:-$here/../build/fuzz/bin}
work=$here/../build/fuzz-work/$target
mkdir -p "$work/corpus" "$work/artifacts"
extra=()
[ -f "$here/dict/$target.dict" ] && extra+=("-dict=$here/dict/$target.dict")
# shellcheck disable=SC2086
exec "$bin/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" "${extra[@]}" ${ZEMFUZZ_OPTIONS:-} "$work/corpus" "$here/corpus/$target"
