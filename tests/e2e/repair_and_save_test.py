"""End to end: real workbooks, damaged in the ways files get damaged, go through
`xlsx-repair --out DIR --media`. Every saved archive must pass zipfile's CRC check; every part
that the damage left untouched must come back byte for byte (its pictures in the media folder
too); every sheet that can still be read must hold exactly the original's cell values; the
damaged files themselves must not change.

usage: repair_and_save_test.py --tool XLSX_REPAIR [--wine]
With --wine the tool is a Windows executable run under Wine (WINEPREFIX from the environment);
the checks always run here.
"""

import argparse
import hashlib
import os
import subprocess
import sys
import tempfile
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import workbooks  # noqa: E402

PICTURE_SUFFIXES = (".png", ".jpeg", ".jpg", ".gif", ".bmp", ".emf")
# The repair restores its own [Content_Types].xml when the package's is shorter than its template.
REWRITTEN = {"[Content_Types].xml"}

VARIANTS = {
    "plain": {},
    "streamed": {"streamed": True},  # sizes in data descriptors, zeros in the local headers
    "pictures": {"pictures": 3, "sheets": 2, "rows": 150},
    # No pictures, and sheets large enough that the damage in the middle falls inside one.
    "sheets": {"pictures": 0, "sheets": 4, "rows": 300},
}


def damaged_range(data, how):
    """The bytes of the original that the damage destroys, [start, end)."""
    if how == "truncated":
        return len(data) * 3 // 4, len(data)
    if how == "no-central-directory":
        return data.find(b"PK\x01\x02"), len(data)
    if how == "zeroed-block":
        return len(data) // 2, len(data) // 2 + 4096
    if how == "broken-end-record":
        return data.rfind(b"PK\x05\x06"), len(data)
    if how == "garbage-around":
        return len(data), len(data)  # only added bytes, the directory's offsets go wrong
    raise ValueError(how)


def intact_parts(original, how):
    """{name: bytes} of the parts whose local header, data and descriptor the damage missed."""
    data = open(original, "rb").read()
    start, end = damaged_range(data, how)
    with zipfile.ZipFile(original) as archive:
        infos = sorted(archive.infolist(), key=lambda i: i.header_offset)
        directory = data.find(b"PK\x01\x02")
        bounds = [i.header_offset for i in infos[1:]] + [directory]
        return {info.filename: archive.read(info) for info, stop in zip(infos, bounds)
                if stop <= start or info.header_offset >= end}


def digest(path):
    return hashlib.sha256(open(path, "rb").read()).hexdigest()


def is_text(value):
    try:
        float(value)
        return False
    except (TypeError, ValueError):
        return True


def check_saved(name, saved, media, expected_cells, intact, has_pictures, how, failures):
    def fail(message):
        failures.append(f"{name}: {message}")

    if not os.path.exists(saved):
        return fail("no saved archive")
    with zipfile.ZipFile(saved) as archive:
        bad = archive.testzip()
        if bad is not None:
            fail(f"bad CRC in {bad}")
        names = set(archive.namelist())
        for part, data in intact.items():
            if part not in names:
                fail(f"the intact part {part} is missing")
            elif part not in REWRITTEN and archive.read(part) != data:
                fail(f"the intact part {part} differs")

    survived = workbooks.read_cells(saved)
    strings_lost = "xl/sharedStrings.xml" not in names
    for sheet, values in survived.items():
        want = expected_cells[sheet]
        if strings_lost:  # text cells cannot be resolved; the numbers must still agree
            want = {k: v for k, v in want.items() if not is_text(v)}
            values = {k: values.get(k) for k in want}
        if values != want:
            fail(f"{sheet} differs from the original")
    sheets_intact = all(f"xl/worksheets/sheet{s[5:]}.xml" in intact for s in expected_cells)
    if sheets_intact and set(survived) != set(expected_cells):
        fail(f"sheets lost after {how}: {sorted(set(expected_cells) - set(survived))}")

    pictures = {os.path.basename(p): d for p, d in intact.items() if p.endswith(PICTURE_SUFFIXES)}
    if not has_pictures:
        if os.path.exists(media):
            fail("a media folder for a package without pictures")
        return
    found = set(os.listdir(media)) if os.path.isdir(media) else set()
    for picture, data in pictures.items():
        if picture not in found:
            fail(f"the picture {picture} is not in the media folder")
        elif open(os.path.join(media, picture), "rb").read() != data:
            fail(f"the picture {picture} differs")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tool", required=True)
    parser.add_argument("--wine", action="store_true")
    args = parser.parse_args()

    if args.wine:
        env = dict(os.environ, WINEDEBUG="-all")
        env.setdefault("WINEDLLOVERRIDES", "mscoree,mshtml=")
        prefix = ["wine", args.tool]
        def as_tool_path(path):  # the tool sees this machine's root as drive Z:
            return "Z:" + path.replace("/", "\\")
    else:
        env, prefix = None, [args.tool]
        def as_tool_path(path):
            return path

    failures = []
    with tempfile.TemporaryDirectory(prefix="xr-e2e-") as work:
        inputs, cases = [], {}
        for variant, options in VARIANTS.items():
            original = os.path.join(work, f"{variant}.xlsx")
            cells = workbooks.make_workbook(original, seed=len(variant), **options)
            data = open(original, "rb").read()
            for how in workbooks.DAMAGES:
                path = os.path.join(work, "in", f"{variant}-{how}.xlsx")
                os.makedirs(os.path.dirname(path), exist_ok=True)
                open(path, "wb").write(workbooks.damage(data, how))
                inputs.append(path)
                cases[path] = (cells, how, intact_parts(original, how),
                               options.get("pictures", 1) > 0, digest(path))
        out = os.path.join(work, "out")
        os.makedirs(out)
        run = subprocess.run([*prefix, "--out", as_tool_path(out), "--media",
                              *map(as_tool_path, inputs)],
                             capture_output=True, timeout=600, env=env)
        log = run.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
        if run.returncode != 0:
            failures.append(f"exit status {run.returncode}:\n{log}\n{run.stderr!r}")
        if "Saving processing completed....\n" not in log:
            failures.append(f"the save run did not complete:\n{log}")

        for path in inputs:
            cells, how, intact, has_pictures, before = cases[path]
            name = os.path.basename(path)
            if as_tool_path(path) + " saving of file done....\n" not in log:
                failures.append(f"{name}: no saving-done line in the log")
            if digest(path) != before:
                failures.append(f"{name}: the damaged source was changed")
            check_saved(name, os.path.join(out, "TDRREP_" + name),
                        os.path.join(out, name + "_MediaContent"), cells, intact, has_pictures,
                        how, failures)
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(inputs)} damaged workbooks checked, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
