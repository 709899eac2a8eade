#!/usr/bin/env python3
"""Writes Damaged.xlsx beside this script: a small three-sheet workbook, damaged the way copies
that broke off and disks that rotted damage them. Deterministic; run it again to get the same bytes.

The damage:
- the file ends before the central directory and the end record (a copy that broke off);
- the local header of [Content_Types].xml lost its signature, so that part cannot be found and
  the repair restores it from the built-in template;
- xl/worksheets/sheet2.xml was written as a stream (sizes in a data descriptor after the data);
- xl/calcChain.xml has a damaged deflate stream, so it cannot be salvaged (a workbook opens
  without it).
"""
import os
import struct
import zlib

DOS_TIME, DOS_DATE = 0x6000, 0x5B8C  # 2025-12-12 12:00


def deflate(data):
    c = zlib.compressobj(8, zlib.DEFLATED, -15, 8)
    return c.compress(data) + c.flush()


def local_entry(name, data, streamed=False):
    packed = deflate(data)
    crc = zlib.crc32(data)
    flags = 0x08 if streamed else 0
    sizes = (0, 0, 0) if streamed else (crc, len(packed), len(data))
    header = b"PK\x03\x04" + struct.pack("<HHHHHIIIHH", 20, flags, 8, DOS_TIME, DOS_DATE, *sizes,
                                          len(name), 0)
    out = header + name.encode() + packed
    if streamed:
        out += b"PK\x07\x08" + struct.pack("<III", crc, len(packed), len(data))
    return out


def sheet(rows):
    cells = []
    for r, row in enumerate(rows, 1):
        cs = []
        for c, value in enumerate(row):
            ref = "%s%d" % ("ABCDEFGH"[c], r)
            if isinstance(value, str):
                cs.append('<c r="%s" t="inlineStr"><is><t>%s</t></is></c>' % (ref, value))
            else:
                cs.append('<c r="%s"><v>%s</v></c>' % (ref, value))
        cells.append('<row r="%d">%s</row>' % (r, "".join(cs)))
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
            '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
            "<sheetData>%s</sheetData></worksheet>" % "".join(cells)).encode()


NS = "http://schemas.openxmlformats.org"
DECL = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
parts = [
    ("[Content_Types].xml", DECL + '<Types xmlns="%s/package/2006/content-types">'
     '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
     '<Default Extension="xml" ContentType="application/xml"/></Types>' % NS),
    ("_rels/.rels", DECL + '<Relationships xmlns="%s/package/2006/relationships">'
     '<Relationship Id="rId1" Type="%s/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>'
     '<Relationship Id="rId2" Type="%s/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/>'
     '<Relationship Id="rId3" Type="%s/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/>'
     "</Relationships>" % (NS, NS, NS, NS)),
    ("docProps/app.xml", DECL + '<Properties xmlns="%s/officeDocument/2006/extended-properties">'
     "<Application>Tandrel sample</Application></Properties>" % NS),
    ("docProps/core.xml", DECL + '<cp:coreProperties xmlns:cp="%s/package/2006/metadata/core-properties" '
     'xmlns:dc="http://purl.org/dc/elements/1.1/"><dc:title>Quarterly sales</dc:title>'
     "</cp:coreProperties>" % NS),
    ("xl/workbook.xml", DECL + '<workbook xmlns="%s/spreadsheetml/2006/main" '
     'xmlns:r="%s/officeDocument/2006/relationships"><sheets>'
     '<sheet name="Sales" sheetId="1" r:id="rId1"/><sheet name="Costs" sheetId="2" r:id="rId2"/>'
     '<sheet name="Notes" sheetId="3" r:id="rId3"/></sheets></workbook>' % (NS, NS)),
    ("xl/_rels/workbook.xml.rels", DECL + '<Relationships xmlns="%s/package/2006/relationships">' % NS
     + "".join('<Relationship Id="rId%d" Type="%s/officeDocument/2006/relationships/worksheet" '
               'Target="worksheets/sheet%d.xml"/>' % (i, NS, i) for i in (1, 2, 3))
     + '<Relationship Id="rId4" Type="%s/officeDocument/2006/relationships/styles" '
     'Target="styles.xml"/></Relationships>' % NS),
    ("xl/styles.xml", DECL + '<styleSheet xmlns="%s/spreadsheetml/2006/main">'
     '<fonts count="1"><font><sz val="11"/><name val="Calibri"/></font></fonts>'
     '<fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>'
     '<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>'
     '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>'
     '<cellXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/></cellXfs>'
     "</styleSheet>" % NS),
]
parts = [(n, t.encode()) for n, t in parts]
parts.append(("xl/worksheets/sheet1.xml", sheet(
    [["Region", "Q1", "Q2", "Q3", "Q4"]]
    + [["Region %d" % i, 1000 + 37 * i, 1100 + 41 * i, 1200 + 29 * i, 1300 + 53 * i] for i in range(1, 41)])))
parts.append(("xl/worksheets/sheet2.xml", sheet(
    [["Item", "Cost"]] + [["Item %d" % i, 10 * i + 7] for i in range(1, 31)])))
parts.append(("xl/worksheets/sheet3.xml", sheet([["Repaired by xlsx-repair from a damaged copy."]])))

out = b""
for name, data in parts:
    entry = local_entry(name, data, streamed=(name == "xl/worksheets/sheet2.xml"))
    if name == "[Content_Types].xml":
        entry = b"\0\0\0\0" + entry[4:]
    out += entry
chain = local_entry("xl/calcChain.xml", DECL.encode() + b"<calcChain/>" * 40)
at = len(chain) - 12
out += chain[:at] + b"\xff\xff\xff\xff" + chain[at + 4:]
# What follows would have been the central directory; the copy broke off here.

path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Damaged.xlsx")
with open(path, "wb") as f:
    f.write(out)
print("%s: %d bytes" % (path, len(out)))
