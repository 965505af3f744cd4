#!/bin/sh
# Runs every fuzz target of the tree BUILD for SECONDS each, on a working copy
# of its seed corpus (new inputs go to BUILD/corpus/, never into fuzz/corpus/).
# A crash stops the run with status 1; its input is in BUILD/crashes/ and, once
# the fault is mended, belongs in fuzz/corpus/<target>/ as a seed.
#   fuzz/run.sh BUILD SECONDS
set -u
build=$1
seconds=$2
seeds=$(dirname "$0")/corpus
status=0
for target in "$build"/bin/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  mkdir -p "$build/corpus/$name" "$build/crashes"
  log="$build/$name.log"
  "$target" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$name-" "$build/corpus/$name" "$seeds/$name" >"$log" 2>&1
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ $rc -eq 0 ]; then
    echo "$name: ${runs:-?} executions in ${seconds} s, no crash"
  else
    echo "$name: FAILED (status $rc) after ${runs:-?} executions; the end of $log:"
    tail -n 40 "$log"
    status=1
  fi
done
exit $status
