#!/usr/bin/env python3
"""Packs fixture folders with our packer and hands each archive to independent ZIP readers:
python's zipfile (testzip and a byte-for-byte comparison of every entry), unzip -t, 7z t and
bsdtar (list and extract, compared again). With --wine the packer is a Windows executable run
under Wine; the readers always run natively."""
import argparse
import os
import random
import shutil
import subprocess
import sys
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_workbook  # noqa: E402

STORED = ('.z', '.zip', '.zoo', '.arc', '.lzh', '.arj', '.gz', '.tgz')
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print('FAIL ' + message)
    return condition


def make_mixed(root):
    rnd = random.Random(7)
    files = {
        'plain.xml': b'<a>' + b'text ' * 5000 + b'</a>',
        'one block.bin': bytes(rnd.getrandbits(8) for _ in range(16384)),
        'one block and one.bin': bytes(rnd.getrandbits(8) for _ in range(16385)),
        'noise.gz': bytes(rnd.getrandbits(8) for _ in range(300000)),
        'Übersicht ä €.xml': '<ü>grüße</ü>'.encode('utf-8'),
        'deep/er/and/deeper/still.xml': b'<deep/>',
        'empty.xml': b'',
        'tool.exe': b'MZ' + bytes(58) + (128).to_bytes(4, 'little') + bytes(64) + b'PE\0\0' + bytes(200),
    }
    for relative, data in files.items():
        path = os.path.join(root, *relative.split('/'))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, 'wb') as f:
            f.write(data)
    os.makedirs(os.path.join(root, 'an empty folder'), exist_ok=True)


def source_files(root):
    found = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            relative = os.path.relpath(path, root).replace(os.sep, '/')
            with open(path, 'rb') as f:
                found[relative.encode('utf-8', 'surrogateescape')] = f.read()
    return found


def extracted_files(root):
    return source_files(root) if os.path.isdir(root) else {}


def pack(args, folder, archive):
    if args.wine:
        command = ['env', 'WINEDEBUG=-all', 'WINEDLLOVERRIDES=mscoree,mshtml=', 'wine', args.packer,
                   'Z:' + folder, 'Z:' + archive]
    else:
        command = [args.packer, folder, archive]
    run = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=240)
    return check(run.returncode == 0, f'{archive}: packer exit code {run.returncode}: {run.stdout[-500:]!r}')


def run_tool(label, command, expect_text=None):
    run = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=120,
                         env=dict(os.environ, LC_ALL='C.UTF-8'))
    ok = run.returncode == 0 and (expect_text is None or expect_text.encode() in run.stdout)
    return check(ok, f'{label}: exit code {run.returncode}: {run.stdout[-800:]!r}'), run.stdout


def check_archive(name, folder, archive, work):
    expected = source_files(folder)
    print(f'-- {name}: {len(expected)} files, {os.path.getsize(archive)} bytes')

    with zipfile.ZipFile(archive) as z:
        check(z.testzip() is None, f'{name}: zipfile.testzip found a bad entry')
        entries = {}
        for info in z.infolist():
            # No UTF-8 flag: zipfile decoded the name bytes as cp437; take the bytes back.
            raw = info.filename.encode('cp437') if not info.flag_bits & 0x800 else info.filename.encode()
            check(not info.is_dir(), f'{name}: folder entry {raw!r}')
            check(not info.flag_bits & 0x8, f'{name}: data descriptor flag on {raw!r}')
            stored = raw.lower().endswith(tuple(s.encode() for s in STORED))
            check(info.compress_type == (zipfile.ZIP_STORED if stored else zipfile.ZIP_DEFLATED),
                  f'{name}: method {info.compress_type} for {raw!r}')
            entries[raw] = z.read(info)
    check(sorted(entries) == sorted(expected), f'{name}: zipfile names {sorted(entries)} != {sorted(expected)}')
    for key, data in expected.items():
        check(entries.get(key) == data, f'{name}: zipfile content of {key!r} differs')

    if expected:  # unzip calls an archive without entries an error
        run_tool(f'{name}: unzip -t', ['unzip', '-t', '-q', archive])
    run_tool(f'{name}: 7z t', ['7z', 't', archive], 'Everything is Ok')
    ok, listing = run_tool(f'{name}: bsdtar -tf', ['bsdtar', '-tf', archive])
    if ok:
        listed = sorted(line.encode() for line in listing.decode('utf-8', 'replace').splitlines() if line)
        check(listed == sorted(k.decode('utf-8', 'replace').encode() for k in expected),
              f'{name}: bsdtar lists {listed}')
    out = os.path.join(work, name + '.bsdtar')
    os.makedirs(out)
    if run_tool(f'{name}: bsdtar -xf', ['bsdtar', '-xf', archive, '-C', out])[0]:
        check(extracted_files(out) == expected, f'{name}: bsdtar extraction differs from the source')


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--packer', required=True)
    parser.add_argument('--work', required=True)
    parser.add_argument('--wine', action='store_true')
    args = parser.parse_args()
    for tool in ('unzip', '7z', 'bsdtar'):
        if not shutil.which(tool):
            print(f'{tool} is missing: run scripts/bootstrap')
            return 1

    work = os.path.abspath(args.work)
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    fixtures = {
        'workbook': lambda root: make_workbook.make(root, 3),
        'mixed': make_mixed,
        'empty': lambda root: os.makedirs(os.path.join(root, 'only', 'folders')),
    }
    for name, build in fixtures.items():
        folder = os.path.join(work, name)
        os.makedirs(folder)
        build(folder)
        archive = os.path.join(work, name + '.zip')
        if pack(args, folder, archive):
            check_archive(name, folder, archive, work)
    if os.path.exists(os.path.join(work, 'empty.zip')):
        check(os.path.getsize(os.path.join(work, 'empty.zip')) == 22, 'empty: archive is not 22 bytes')

    print('interop: ' + ('all checks passed' if not failures else f'{len(failures)} checks failed'))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
