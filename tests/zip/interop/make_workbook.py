#!/usr/bin/env python3
"""Writes the unpacked folder of a plausible .xlsx workbook: package parts, worksheets of numbers,
shared strings and formulas, pictures and an embedded archive. The same arguments always give the
same bytes, so packing results can be compared between runs and tools."""
import argparse
import io
import os
import random
import struct
import zipfile
import zlib

NS = 'http://schemas.openxmlformats.org/spreadsheetml/2006/main'
REL = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships'
PKG = 'http://schemas.openxmlformats.org/package/2006/relationships'
HEAD = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
WORDS = ('north south east west total net gross margin revenue cost quarter month year plan '
         'actual budget forecast region store item unit price volume discount tax freight '
         'Zürich São Paulo Kraków Malmö naïve café').split()


def column(i):
    name = ''
    i += 1
    while i:
        i, r = divmod(i - 1, 26)
        name = chr(65 + r) + name
    return name


def png(width, height, rnd):
    rows = b''.join(b'\0' + bytes(rnd.getrandbits(8) for _ in range(width * 3)) for _ in range(height))
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b''))


def sheet(rows, strings, rnd):
    out = io.StringIO()
    out.write(HEAD + f'<worksheet xmlns="{NS}" xmlns:r="{REL}"><dimension ref="A1:H{rows}"/>'
              '<sheetViews><sheetView workbookViewId="0"/></sheetViews>'
              '<sheetFormatPr defaultRowHeight="15"/><sheetData>')
    for r in range(1, rows + 1):
        out.write(f'<row r="{r}" spans="1:8">')
        for c in range(8):
            ref = f'{column(c)}{r}'
            kind = c % 4
            if kind == 0:
                out.write(f'<c r="{ref}" t="s"><v>{rnd.randrange(strings)}</v></c>')
            elif kind == 1:
                out.write(f'<c r="{ref}" s="1"><v>{rnd.randrange(100000)}</v></c>')
            elif kind == 2:
                out.write(f'<c r="{ref}" s="2"><v>{rnd.random() * 10000:.6f}</v></c>')
            else:
                out.write(f'<c r="{ref}" s="2"><f>B{r}*C{r}</f><v>{rnd.random() * 1e6:.4f}</v></c>')
        out.write('</row>')
    out.write('</sheetData><pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" '
              'header="0.3" footer="0.3"/></worksheet>')
    return out.getvalue().encode('utf-8')


def write(root, relative, data):
    path = os.path.join(root, *relative.split('/'))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data if isinstance(data, bytes) else data.encode('utf-8'))


def make(root, megabytes, sheets=3):
    rnd = random.Random(20261211)
    strings = 4000
    media = max(1, megabytes // 10)  # about a tenth of the package is pictures
    rows = max(50, int((megabytes - media) * 1024 * 1024 / sheets / 370))
    parts = {}
    overrides = ['<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-'
                 'officedocument.spreadsheetml.sheet.main+xml"/>']
    for s in range(1, sheets + 1):
        parts[f'xl/worksheets/sheet{s}.xml'] = sheet(rows, strings, rnd)
        overrides.append(f'<Override PartName="/xl/worksheets/sheet{s}.xml" ContentType="application/'
                         'vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>')
    parts['[Content_Types].xml'] = (
        HEAD + '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/><Default Extension="png" '
        'ContentType="image/png"/>' + ''.join(overrides) + '</Types>')
    parts['_rels/.rels'] = (HEAD + f'<Relationships xmlns="{PKG}"><Relationship Id="rId1" Type="{REL}/'
                            'officeDocument" Target="xl/workbook.xml"/></Relationships>')
    parts['xl/workbook.xml'] = (HEAD + f'<workbook xmlns="{NS}" xmlns:r="{REL}"><sheets>' + ''.join(
        f'<sheet name="Sheet{s}" sheetId="{s}" r:id="rId{s}"/>' for s in range(1, sheets + 1))
        + '</sheets></workbook>')
    parts['xl/_rels/workbook.xml.rels'] = (HEAD + f'<Relationships xmlns="{PKG}">' + ''.join(
        f'<Relationship Id="rId{s}" Type="{REL}/worksheet" Target="worksheets/sheet{s}.xml"/>'
        for s in range(1, sheets + 1)) + '</Relationships>')
    parts['xl/sharedStrings.xml'] = (HEAD + f'<sst xmlns="{NS}" count="{strings}" uniqueCount="{strings}">'
                                     + ''.join('<si><t>' + ' '.join(rnd.choice(WORDS) for _ in range(3))
                                               + f' {i}</t></si>' for i in range(strings)) + '</sst>')
    parts['xl/styles.xml'] = (HEAD + f'<styleSheet xmlns="{NS}"><numFmts count="1"><numFmt numFmtId="164" '
                              'formatCode="#,##0.00"/></numFmts><cellXfs count="3"><xf numFmtId="0"/>'
                              '<xf numFmtId="3"/><xf numFmtId="164"/></cellXfs></styleSheet>')
    parts['xl/theme/theme1.xml'] = (HEAD + '<a:theme xmlns:a="http://schemas.openxmlformats.org/drawingml/'
                                    '2006/main" name="Office Theme"><a:themeElements>' + ''.join(
                                        f'<a:clr{i} val="{rnd.getrandbits(24):06X}"/>' for i in range(400))
                                    + '</a:themeElements></a:theme>')
    parts['docProps/app.xml'] = HEAD + '<Properties><Application>Spreadsheet</Application></Properties>'
    parts['docProps/core.xml'] = HEAD + '<cp:coreProperties xmlns:cp="urn:core"><dc:creator>Ana Müller</dc:creator></cp:coreProperties>'
    for i in range(1, media + 1):
        parts[f'xl/media/image{i}.png'] = png(600, 580, rnd)
    inner = io.BytesIO()
    with zipfile.ZipFile(inner, 'w', zipfile.ZIP_DEFLATED) as z:
        z.writestr('readme.txt', 'embedded archive, stored as it is\n' * 200)
    parts['xl/embeddings/Attachment.zip'] = inner.getvalue()
    parts['xl/printerSettings/printerSettings1.bin'] = bytes(rnd.getrandbits(8) for _ in range(1200))
    parts['xl/calcChain.xml'] = b''
    for relative, data in parts.items():
        write(root, relative, data)
    os.makedirs(os.path.join(root, 'xl', 'drawings'), exist_ok=True)  # an empty folder


if __name__ == '__main__':
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('folder')
    parser.add_argument('--megabytes', type=int, default=3)
    args = parser.parse_args()
    make(args.folder, args.megabytes)
