#!/usr/bin/env bash
# Packs a generated workbook folder (about 50 MB) with our packer and with `zip -8 -r -q -X`, in
# one run, several rounds taken in turn, and prints the best time and the archive size of each
# and their ratios. Targets: time ratio at most 1.1, size ratio at most 1.01; the exit code is 1
# when either is missed.
#   bench/pack_vs_zip.sh [PACK_BENCH] [MEGABYTES] [ROUNDS]
# PACK_BENCH defaults to build/native/bench/pack_bench (cmake --preset native, target pack_bench).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
packer=${1:-$root/build/native/bench/pack_bench}
megabytes=${2:-50}
rounds=${3:-5}
[ -x "$packer" ] || { echo "no packer at $packer: build the pack_bench target first" >&2; exit 2; }
command -v zip >/dev/null || { echo "zip is missing: run scripts/bootstrap" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/tests/zip/interop/make_workbook.py" "$work/book" --megabytes "$megabytes"
input=$(du -sb "$work/book" | cut -f1)

now() { date +%s%N; }
best_ours=""
best_zip=""
for _ in $(seq "$rounds"); do
  rm -f "$work/ours.zip" "$work/zip.zip"
  t0=$(now); "$packer" --once "$work/book" "$work/ours.zip"; t1=$(now)
  (cd "$work/book" && zip -8 -r -q -X ../zip.zip .); t2=$(now)
  ours=$((t1 - t0)); theirs=$((t2 - t1))
  if [ -z "$best_ours" ] || [ "$ours" -lt "$best_ours" ]; then best_ours=$ours; fi
  if [ -z "$best_zip" ] || [ "$theirs" -lt "$best_zip" ]; then best_zip=$theirs; fi
done
size_ours=$(stat -c %s "$work/ours.zip")
size_zip=$(stat -c %s "$work/zip.zip")

python3 - "$input" "$rounds" "$best_ours" "$best_zip" "$size_ours" "$size_zip" <<'PY'
import sys
inp, rounds, t_ours, t_zip, s_ours, s_zip = map(int, sys.argv[1:])
time_ratio, size_ratio = t_ours / t_zip, s_ours / s_zip
print(f'input folder      {inp / 1e6:8.2f} MB, best of {rounds} rounds')
print(f'pack_bench        {t_ours / 1e9:8.3f} s  {s_ours:>11} bytes')
print(f'zip -8 -r -q -X   {t_zip / 1e9:8.3f} s  {s_zip:>11} bytes')
print(f'time ratio        {time_ratio:8.3f}   (target <= 1.10)')
print(f'size ratio        {size_ratio:8.4f}   (target <= 1.01)')
ok = time_ratio <= 1.10 and size_ratio <= 1.01
print('within target' if ok else 'OVER TARGET')
sys.exit(0 if ok else 1)
PY
