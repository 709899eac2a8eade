"""Makes real .xlsx workbooks with the standard library, damages them the way files get damaged,
and reads their cell values back, so the end-to-end tests need no spreadsheet application."""

import io
import os
import random
import sys
import zipfile
from xml.etree import ElementTree

# Cell names and noise pictures come from the packer tests' workbook maker.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "zip", "interop"))
from make_workbook import column as _column  # noqa: E402
from make_workbook import png as _noise_png  # noqa: E402



def _png(width, height, seed):
    return _noise_png(width, height, random.Random(seed))


NS = {"m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main",
      "r": "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
      "rel": "http://schemas.openxmlformats.org/package/2006/relationships"}


def make_workbook(path, sheets=3, rows=40, columns=6, pictures=1, picture_size=64, seed=1, streamed=False):
    """Writes a workbook with `sheets` sheets of numbers and shared strings, and `pictures` PNGs
    under xl/media plus a thumbnail. Returns {sheet name: {cell: value}} as written."""
    rng = random.Random(seed)
    strings, string_index, expected = [], {}, {}
    sheet_xml = []
    for s in range(sheets):
        name = f"Sheet{s + 1}"
        cells, xml_rows = {}, []
        for r in range(1, rows + 1):
            xml_cells = []
            for c in range(columns):
                ref = f"{_column(c)}{r}"
                if (r + c) % 3 == 0:
                    text = f"text {s}-{r}-{c} {rng.choice(['alpha', 'beta', 'gamma', 'delta'])}"
                    if text not in string_index:
                        string_index[text] = len(strings)
                        strings.append(text)
                    xml_cells.append(f'<c r="{ref}" t="s"><v>{string_index[text]}</v></c>')
                    cells[ref] = text
                else:
                    value = str(rng.randint(-10**6, 10**6) / 100)
                    xml_cells.append(f'<c r="{ref}"><v>{value}</v></c>')
                    cells[ref] = value
            xml_rows.append(f'<row r="{r}">{"".join(xml_cells)}</row>')
        expected[name] = cells
        sheet_xml.append(
            '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
            f'<worksheet xmlns="{NS["m"]}" xmlns:r="{NS["r"]}"><sheetData>{"".join(xml_rows)}</sheetData></worksheet>')

    overrides = "".join(
        f'<Override PartName="/xl/worksheets/sheet{i + 1}.xml" '
        'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
        for i in range(sheets))
    parts = {
        "[Content_Types].xml":
            '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
            '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            '<Default Extension="png" ContentType="image/png"/>'
            '<Default Extension="jpeg" ContentType="image/jpeg"/>'
            '<Override PartName="/xl/workbook.xml" '
            'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
            '<Override PartName="/xl/sharedStrings.xml" '
            'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>'
            + overrides + "</Types>",
        "_rels/.rels":
            f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n<Relationships xmlns="{NS["rel"]}">'
            '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/'
            'officeDocument" Target="xl/workbook.xml"/></Relationships>',
        "xl/workbook.xml":
            f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n<workbook xmlns="{NS["m"]}" '
            f'xmlns:r="{NS["r"]}"><sheets>'
            + "".join(f'<sheet name="Sheet{i + 1}" sheetId="{i + 1}" r:id="rId{i + 1}"/>' for i in range(sheets))
            + "</sheets></workbook>",
        "xl/_rels/workbook.xml.rels":
            f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n<Relationships xmlns="{NS["rel"]}">'
            + "".join(f'<Relationship Id="rId{i + 1}" Type="http://schemas.openxmlformats.org/officeDocument/'
                      f'2006/relationships/worksheet" Target="worksheets/sheet{i + 1}.xml"/>' for i in range(sheets))
            + f'<Relationship Id="rId{sheets + 1}" Type="http://schemas.openxmlformats.org/officeDocument/2006/'
              'relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>',
        "xl/sharedStrings.xml":
            f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n<sst xmlns="{NS["m"]}" '
            f'count="{len(strings)}" uniqueCount="{len(strings)}">'
            + "".join(f"<si><t>{t}</t></si>" for t in strings) + "</sst>",
    }
    for i, xml in enumerate(sheet_xml):
        parts[f"xl/worksheets/sheet{i + 1}.xml"] = xml
    for i in range(pictures):
        parts[f"xl/media/image{i + 1}.png"] = _png(picture_size, picture_size, seed * 100 + i)
    if pictures:
        parts["docProps/thumbnail.jpeg"] = _png(32, 24, seed)  # content does not matter to the tool

    with open(path, "wb") as raw:
        if streamed:
            raw = _Unseekable(raw)
        with zipfile.ZipFile(raw, "w", zipfile.ZIP_DEFLATED) as archive:
            for name, data in parts.items():
                archive.writestr(name, data)
    return expected


class _Unseekable(io.RawIOBase):
    """Makes zipfile stream its entries: sizes in data descriptors, zeros in the local headers."""

    def __init__(self, target):
        self._target, self._written = target, 0

    def writable(self):
        return True

    def write(self, data):
        self._target.write(data)
        self._written += len(data)
        return len(data)

    def tell(self):
        return self._written

    def flush(self):
        self._target.flush()


def damage(data, how, seed=7):
    """The ways workbooks get damaged in the field."""
    rng = random.Random(seed)
    central = data.rfind(b"PK\x01\x02")
    first_central = data.find(b"PK\x01\x02")
    if how == "truncated":  # a download or copy that stopped
        return data[: len(data) * 3 // 4]
    if how == "no-central-directory":  # the tail with the directory is gone
        return data[:first_central]
    if how == "zeroed-block":  # a bad sector in the middle
        start = len(data) // 2
        return data[:start] + bytes(4096) + data[start + 4096:]
    if how == "garbage-around":  # the package inside other bytes, the directory's offsets wrong
        return bytes(rng.getrandbits(8) for _ in range(777)) + data + bytes(rng.getrandbits(8) for _ in range(333))
    if how == "broken-end-record":
        end = data.rfind(b"PK\x05\x06")
        return data[:end] + b"\xff" * (len(data) - end)
    raise ValueError(how)


DAMAGES = ["truncated", "no-central-directory", "zeroed-block", "garbage-around", "broken-end-record"]


def read_cells(path_or_bytes):
    """Cell values of every sheet that can be read: {sheet name: {cell: value}}. A sheet whose part
    is missing or not well-formed is left out."""
    archive = zipfile.ZipFile(path_or_bytes if not isinstance(path_or_bytes, bytes) else io.BytesIO(path_or_bytes))
    names = set(archive.namelist())

    def xml(name):
        return ElementTree.fromstring(archive.read(name)) if name in names else None

    try:
        workbook = xml("xl/workbook.xml")
        rels = xml("xl/_rels/workbook.xml.rels")
    except ElementTree.ParseError:
        return {}
    if workbook is None or rels is None:
        return {}
    targets = {r.get("Id"): "xl/" + r.get("Target") for r in rels.findall("rel:Relationship", NS)}
    strings = []
    try:
        sst = xml("xl/sharedStrings.xml")
        if sst is not None:
            strings = ["".join(t.text or "" for t in si.iter(f"{{{NS['m']}}}t")) for si in sst.findall("m:si", NS)]
    except ElementTree.ParseError:
        pass
    sheets = {}
    for sheet in workbook.find("m:sheets", NS):
        target = targets.get(sheet.get(f"{{{NS['r']}}}id"))
        try:
            root = xml(target)
        except ElementTree.ParseError:
            continue
        if root is None:
            continue
        cells = {}
        for c in root.iter(f"{{{NS['m']}}}c"):
            v = c.find("m:v", NS)
            value = v.text if v is not None else None
            if c.get("t") == "s" and value is not None:
                index = int(value)
                value = strings[index] if index < len(strings) else None
            cells[c.get("r")] = value
        sheets[sheet.get("name")] = cells
    return sheets
