#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Test znalostí contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs every fuzzer of a fuzz build for a number of seconds each, from seed corpora made of the
# tests' own kind of tables and settings files. Exits non-zero on the first finding.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
corpus=$build/corpus
mkdir -p "$corpus/fuzz_paradox_table" "$corpus/fuzz_profile_file" "$corpus/fuzz_password" "$corpus/fuzz_question_import" \
  "$corpus/fuzz_attempt_record"

# A table input is the table's length (4 bytes, little-endian), the table, then its memo file.
pack_table() {
  local db=$1 mb=${1%.db}.mb out=$2
  perl -e 'print pack("V", -s $ARGV[0])' "$db" > "$out"
  cat "$db" >> "$out"
  [ -f "$mb" ] && cat "$mb" >> "$out"
  return 0
}
for csv in "$here"/seeds/*.csv "$here"/../data/otazky.csv; do
  name=$(basename "$csv" .csv)
  "$build/test-znalosti-banka" build "$csv" "$corpus/$name.db" >/dev/null
  pack_table "$corpus/$name.db" "$corpus/fuzz_paradox_table/$name"
done
# Tables written by other programs, when the shared samples are there.
shared=$here/../../shared/paradox
if [ -d "$shared" ]; then
  for db in "$shared"/*.db; do
    pack_table "$db" "$corpus/fuzz_paradox_table/shared-$(basename "$db" .db)"
  done
fi
cp "$here"/seeds/*.ini "$corpus/fuzz_profile_file/"
cp "$here"/seeds/*.wht "$corpus/fuzz_password/" 2>/dev/null || true
cp "$here"/../tests/bankfile/data/* "$corpus/fuzz_question_import/"
cp "$here"/seeds/*.json "$corpus/fuzz_attempt_record/"

status=0
for fuzzer in "$build"/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  mkdir -p "$corpus/$name" "$build/findings/$name"
  echo "== $name for ${seconds}s"
  if ! "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$name/" "$corpus/$name" 2>"$build/findings/$name.log"; then
    echo "$name found a problem:"; tail -40 "$build/findings/$name.log"; status=1
  else
    grep -E 'stat::number_of_executed_units|Done' "$build/findings/$name.log" | tail -2
  fi
done
exit $status
