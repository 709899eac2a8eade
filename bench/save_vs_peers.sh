#!/usr/bin/env bash
# Repair and save of a damaged workbook of about 50 MB (xlsx-repair --out DIR FILE) against the
# peers doing the same work by hand: `7z x` of the damaged file into a folder plus `zip -8 -r -q`
# of that folder. Both in one run, rounds taken in turn, the best time of each kept; prints the
# times, the archive sizes and the time ratio (target at most 1.0; the exit code is 1 when it is
# missed) and checks that both archives hold the same parts.
#   bench/save_vs_peers.sh [XLSX_REPAIR] [ROUNDS] [FILE_MEGABYTES] [DAMAGE]
# XLSX_REPAIR defaults to build/native/src/cli/xlsx-repair (scripts/run builds it). DAMAGE is one
# of tests/e2e/workbooks.py's: no-central-directory (default), broken-end-record, zeroed-block,
# truncated, garbage-around (7z refuses the last: the peers then have nothing to pack).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-$root/build/native/src/cli/xlsx-repair}
rounds=${2:-5}
megabytes=${3:-50}
damage=${4:-no-central-directory}
[ -x "$tool" ] || { echo "no xlsx-repair at $tool: run scripts/run --version first" >&2; exit 2; }
for peer in 7z zip; do
  command -v $peer >/dev/null || { echo "$peer is missing: run scripts/bootstrap" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR=$work  # the private workspace and the temporary files of the repair land here too

# The workbook folder of the packer benchmark, packed the way spreadsheet programs do (deflate,
# level 6), then damaged as the end-to-end test damages its workbooks. Text shrinks to about a
# third and a half, so the folder is made 3.5 times the size wanted for the file.
python3 "$root/tests/zip/interop/make_workbook.py" "$work/book" \
  --megabytes "$(python3 -c "print(round($megabytes * 3.5))")"
python3 - "$root/tests/e2e" "$work" "$damage" <<'PY'
import os, sys, zipfile
sys.path.insert(0, sys.argv[1])
import workbooks
work, damage = sys.argv[2], sys.argv[3]
book = os.path.join(work, "book")
intact = os.path.join(work, "intact.xlsx")
with zipfile.ZipFile(intact, "w", zipfile.ZIP_DEFLATED, compresslevel=6) as z:
    for folder, _, names in sorted(os.walk(book)):
        for name in sorted(names):
            path = os.path.join(folder, name)
            z.write(path, os.path.relpath(path, book))
data = open(intact, "rb").read()
open(os.path.join(work, "Damaged.xlsx"), "wb").write(workbooks.damage(data, damage))
PY
rm -rf "$work/book" "$work/intact.xlsx"
damaged=$work/Damaged.xlsx
cat "$damaged" >/dev/null  # in the page cache for both

now() { date +%s%N; }
best() { if [ -z "$1" ] || [ "$2" -lt "$1" ]; then echo "$2"; else echo "$1"; fi; }
ours="" peers="" unpack="" pack=""
for _ in $(seq "$rounds"); do
  rm -rf "$work/ours" "$work/peer" "$work/peer.zip"
  mkdir "$work/ours"
  t0=$(now)
  status=0
  "$tool" --out "$work/ours" "$damaged" >/dev/null 2>&1 || status=$?
  t1=$(now)
  [ "$status" -eq 0 ] || { echo "xlsx-repair --out failed with exit status $status" >&2; exit 1; }
  status=0
  7z x -y -o"$work/peer" "$damaged" >/dev/null 2>&1 || status=$?
  t2=$(now)
  [ "$status" -le 2 ] || { echo "7z x failed with exit status $status" >&2; exit 1; }  # 2: damaged
  [ -d "$work/peer" ] || { echo "7z x extracted nothing from a $damage file" >&2; exit 1; }
  (cd "$work/peer" && zip -8 -r -q ../peer.zip .)
  t3=$(now)
  ours=$(best "$ours" $((t1 - t0)))
  peers=$(best "$peers" $((t3 - t1)))
  unpack=$(best "$unpack" $((t2 - t1)))
  pack=$(best "$pack" $((t3 - t2)))
done
[ -z "$(ls -A "$TMPDIR" | grep -v -x -e ours -e peer -e peer.zip -e Damaged.xlsx)" ] ||
  { echo "xlsx-repair left files in the temporary folder: $(ls "$TMPDIR")" >&2; exit 1; }

python3 - "$damaged" "$work/ours/TDRREP_Damaged.xlsx" "$work/peer.zip" "$rounds" "$damage" \
  "$ours" "$peers" "$unpack" "$pack" <<'PY'
import os, sys, zipfile
damaged, ours_zip, peer_zip = sys.argv[1:4]
rounds, damage = sys.argv[4], sys.argv[5]
ours, peers, unpack, pack = map(int, sys.argv[6:])

def parts(path):
    with zipfile.ZipFile(path) as z:
        assert z.testzip() is None, f"{path}: bad CRC"
        # The repair restores its own [Content_Types].xml when the package's is short.
        return {i.filename: z.read(i) for i in z.infolist()
                if not i.is_dir() and i.filename != "[Content_Types].xml"}

same = parts(ours_zip) == parts(peer_zip)
ratio = ours / peers
size = os.path.getsize(damaged) / 1e6
print(f"repair and save of a {size:.1f} MB workbook ({damage}), best of {rounds} rounds")
print(f"xlsx-repair --out DIR          {ours / 1e9:7.3f} s  {os.path.getsize(ours_zip):>11} bytes")
print(f"7z x + zip -8 -r -q            {peers / 1e9:7.3f} s  {os.path.getsize(peer_zip):>11} bytes"
      f"   (7z x {unpack / 1e9:.3f} s, zip {pack / 1e9:.3f} s, best of each)")
print(f"time ratio                     {ratio:7.3f}   (target <= 1.0)")
print("both archives hold the same parts" if same else "THE ARCHIVES DIFFER")
ok = same and ratio <= 1.0
print("within target" if ok else "OVER TARGET")
sys.exit(0 if ok else 1)
PY
