"""End to end: real workbooks, damaged in the ways files get damaged, go through
`xlsx-repair --out DIR --media`; every saved archive must pass zipfile's CRC check, and every sheet
that survived must hold exactly the original's cell values.

usage: repair_and_save_test.py XLSX_REPAIR [RUNNER...]   (RUNNER: e.g. wine, for the Windows build)
"""

import os
import subprocess
import sys
import tempfile
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import workbooks  # noqa: E402

# Damages after which every part is still there to be found.
LOSSLESS = {"garbage-around", "broken-end-record", "no-central-directory"}


def main():
    tool, runner = sys.argv[1], sys.argv[2:]
    failures = []
    with tempfile.TemporaryDirectory(prefix="xr-e2e-") as work:
        inputs, expected = [], {}
        for variant, options in {"plain": {}, "streamed": {"streamed": True},
                                 "pictures": {"pictures": 3, "sheets": 2, "rows": 150}}.items():
            original = os.path.join(work, f"{variant}.xlsx")
            cells = workbooks.make_workbook(original, seed=len(variant), **options)
            data = open(original, "rb").read()
            for how in workbooks.DAMAGES:
                path = os.path.join(work, "in", f"{variant}-{how}.xlsx")
                os.makedirs(os.path.dirname(path), exist_ok=True)
                open(path, "wb").write(workbooks.damage(data, how))
                inputs.append(path)
                expected[path] = (cells, how, options.get("pictures", 1))
        out = os.path.join(work, "out")
        os.makedirs(out)
        run = subprocess.run([*runner, tool, "--out", out, "--media", *inputs], capture_output=True, timeout=600)
        log = run.stdout.decode("utf-8", "replace")
        if "Saving processing completed...." not in log:
            failures.append(f"the save run did not complete (exit {run.returncode}):\n{log}\n{run.stderr!r}")

        for path in inputs:
            cells, how, pictures = expected[path]
            name = os.path.basename(path)
            saved = os.path.join(out, "TDRREP_" + name)
            if not os.path.exists(saved):
                failures.append(f"{name}: no saved archive")
                continue
            with zipfile.ZipFile(saved) as archive:
                bad = archive.testzip()
                if bad is not None:
                    failures.append(f"{name}: bad CRC in {bad}")
            survived = workbooks.read_cells(saved)
            strings_lost = "xl/sharedStrings.xml" not in zipfile.ZipFile(saved).namelist()
            for sheet, values in survived.items():
                want = cells[sheet]
                if strings_lost:  # text cells cannot be resolved; the numbers must still agree
                    want = {k: v for k, v in want.items() if not _is_text(v)}
                got = {k: values.get(k) for k in want} if strings_lost else values
                if got != want:
                    failures.append(f"{name}: {sheet} differs from the original")
            if how in LOSSLESS and set(survived) != set(cells):
                failures.append(f"{name}: sheets lost after {how}: {sorted(set(cells) - set(survived))}")
            media = os.path.join(out, name + "_MediaContent")
            if how in LOSSLESS:
                found = sorted(os.listdir(media)) if os.path.isdir(media) else []
                want_media = sorted([f"image{i + 1}.png" for i in range(pictures)] + ["thumbnail.jpeg"])
                if found != want_media:
                    failures.append(f"{name}: pictures {found}, expected {want_media}")
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(expected)} damaged workbooks checked, {len(failures)} failures")
    return 1 if failures else 0


def _is_text(value):
    try:
        float(value)
        return False
    except (TypeError, ValueError):
        return True


if __name__ == "__main__":
    sys.exit(main())
