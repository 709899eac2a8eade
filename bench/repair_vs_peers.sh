#!/usr/bin/env bash
# The repair engine against the fastest peers here, each pair timed in one run, rounds taken in
# turn, best time of each kept:
#   (a) scanning a 200 MB file that holds no entry (xlsx-repair --list) against reading the same
#       file to /dev/null (cat); target ratio at most 2;
#   (b) repairing an intact 50 MB workbook into a workspace (xlsx-repair --workspace) against
#       bsdtar -xf of the same file into a folder; target ratio at most 1.0, and peak memory at
#       most the largest entry's compressed plus uncompressed size plus 64 MB.
# Prints the figures and the ratios; the exit code is 1 when a target is missed. For (b) it also
# times the repair with its temporary "OPC" files on tmpfs (/dev/shm, when there is one), which
# shows what the temporary file round trip of each deflated entry costs on the disk of /tmp.
#   bench/repair_vs_peers.sh [XLSX_REPAIR] [ROUNDS]
# XLSX_REPAIR defaults to build/native/src/cli/xlsx-repair (scripts/run builds it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-$root/build/native/src/cli/xlsx-repair}
rounds=${2:-5}
[ -x "$tool" ] || { echo "no xlsx-repair at $tool: run scripts/run --version first" >&2; exit 2; }
command -v bsdtar >/dev/null || { echo "bsdtar is missing: run scripts/bootstrap" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR=$work  # the OPC temporary files of the repair land here too

python3 - "$work" <<'PY'
import os, random, sys, zipfile
work = sys.argv[1]
rnd = random.Random(2026)
# (a) 200 MB of pseudo-random bytes in which no "PK" pair occurs, so no signature can.
with open(os.path.join(work, "no-entry.bin"), "wb") as f:
    for _ in range(200):
        block = bytearray(rnd.randbytes(1 << 20))
        at = block.find(b"PK")
        while at >= 0:
            block[at + 1] = 0x6B
            at = block.find(b"PK", at + 1)
        if block[-1] == 0x50:
            block[-1] = 0x51
        f.write(block)
# (b) an intact workbook of about 50 MB: sheets of numbers and text, and pictures that do not shrink.
def sheet(rows, seed):
    r = random.Random(seed)
    out = ['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n<worksheet xmlns="http://'
           'schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>']
    for i in range(1, rows + 1):
        out.append('<row r="%d"><c r="A%d"><v>%d</v></c><c r="B%d"><v>%.6f</v></c>'
                   '<c r="C%d" t="inlineStr"><is><t>item %x</t></is></c><c r="D%d"><v>%d</v></c></row>'
                   % (i, i, r.randrange(10**9), i, r.random() * 1e6, i, r.getrandbits(40), i, r.randrange(100)))
    out.append("</sheetData></worksheet>")
    return "".join(out).encode()
with zipfile.ZipFile(os.path.join(work, "intact.xlsx"), "w", zipfile.ZIP_DEFLATED, compresslevel=6) as z:
    z.writestr("[Content_Types].xml", '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>' + " " * 1400)
    z.writestr("xl/workbook.xml", "<workbook/>")
    for n in range(1, 9):
        z.writestr("xl/worksheets/sheet%d.xml" % n, sheet(105000, n))
    for n in range(1, 9):
        z.writestr("xl/media/image%d.png" % n, rnd.randbytes(2 << 20))
PY

now() { date +%s%N; }
best() { if [ -z "$1" ] || [ "$2" -lt "$1" ]; then echo "$2"; else echo "$1"; fi; }
cat "$work/no-entry.bin" "$work/intact.xlsx" >/dev/null  # both in the page cache

scan="" read=""
for _ in $(seq "$rounds"); do
  t0=$(now); "$tool" --list "$work/no-entry.bin" >/dev/null || true; t1=$(now)
  cat "$work/no-entry.bin" >/dev/null; t2=$(now)
  scan=$(best "$scan" $((t1 - t0))); read=$(best "$read" $((t2 - t1)))
done

shm=""
[ -d /dev/shm ] && [ -w /dev/shm ] && shm=$(mktemp -d /dev/shm/xr-bench.XXXXXX)
trap 'rm -rf "$work" ${shm:+"$shm"}' EXIT
repair="" untar="" repairShm=0
# The two sides take turns going first, so neither always follows the other's clean-up.
runRepair() {
  local t0 t1
  t0=$(now); "$tool" --workspace "$work/ws" "$work/intact.xlsx" >/dev/null; t1=$(now)
  repair=$(best "$repair" $((t1 - t0)))
}
runUntar() {
  local t0 t1
  t0=$(now); bsdtar -xf "$work/intact.xlsx" -C "$work/tar"; t1=$(now)
  untar=$(best "$untar" $((t1 - t0)))
}
for round in $(seq "$rounds"); do
  rm -rf "$work/ws" "$work/tar"; mkdir "$work/tar"; sync
  if [ $((round % 2)) -eq 1 ]; then runRepair; runUntar; else runUntar; runRepair; fi
  if [ -n "$shm" ]; then
    rm -rf "$work/ws"; sync
    t0=$(now); TMPDIR=$shm "$tool" --workspace "$work/ws" "$work/intact.xlsx" >/dev/null; t1=$(now)
    [ "$repairShm" -eq 0 ] && repairShm=$((t1 - t0)) || repairShm=$(best "$repairShm" $((t1 - t0)))
  fi
done
# Peak memory in a run of its own, so the measuring tool is not timed.
rm -rf "$work/ws"
/usr/bin/time -f %M -o "$work/peak" "$tool" --workspace "$work/ws" "$work/intact.xlsx" >/dev/null
peak=$(cat "$work/peak")
diff -r "$work/ws/intact.xlsx0" "$work/tar" >/dev/null || { echo "the repair differs from bsdtar's extraction" >&2; exit 1; }

python3 - "$work" "$rounds" "$scan" "$read" "$repair" "$untar" "$peak" "$repairShm" <<'PY'
import os, sys, zipfile
work = sys.argv[1]
rounds, scan, read, repair, untar, peak_kb, repair_shm = map(int, sys.argv[2:])
with zipfile.ZipFile(os.path.join(work, "intact.xlsx")) as z:
    largest = max(i.compress_size + i.file_size for i in z.infolist())
size = os.path.getsize(os.path.join(work, "intact.xlsx"))
bound = largest + (64 << 20)
peak = peak_kb * 1024
a, b = scan / read, repair / untar
print(f"best of {rounds} rounds")
print(f"(a) scan 200 MB, no entry   xlsx-repair --list {scan / 1e9:7.3f} s   cat > /dev/null {read / 1e9:7.3f} s")
print(f"    ratio {a:6.2f}   (target <= 2)")
print(f"(b) repair a {size / 1e6:.1f} MB workbook  xlsx-repair {repair / 1e9:7.3f} s   bsdtar -xf {untar / 1e9:7.3f} s")
print(f"    ratio {b:6.2f}   (target <= 1.0)")
if repair_shm:
    print(f"    with the temporary files on tmpfs: xlsx-repair {repair_shm / 1e9:7.3f} s, ratio {repair_shm / untar:6.2f}")
print(f"    peak memory {peak / 1e6:.1f} MB   (bound {bound / 1e6:.1f} MB: largest entry {largest / 1e6:.1f} MB + 64 MB)")
ok = a <= 2 and b <= 1.0 and peak <= bound
print("within targets" if ok else "OVER TARGET")
sys.exit(0 if ok else 1)
PY
