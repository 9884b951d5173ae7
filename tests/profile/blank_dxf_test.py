"""The blank's DXF as another program reads it: ezdxf loads each file, its auditor finds no error,
and the entities on each layer are the outline and the bend lines at the very doubles the
calculation gave (from <name>.json beside it). The SVGs must at least be well-formed XML.
Usage: blank_dxf_test.py <kantrix_write_drawings> <folder>"""

import json
import os
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

import ezdxf

# The parts the writer draws, with the bends it gives each layer.
PARTS = {"u": (2, 0), "z": (1, 1), "hut": (2, 2), "wellblech": (50, 50)}


def check(name, folder):
    problems = []
    expected = json.load(open(os.path.join(folder, name + ".json"), encoding="utf-8"))
    length, width = expected["laenge"], expected["breite"]
    doc = ezdxf.readfile(os.path.join(folder, name + ".dxf"))
    auditor = doc.audit()
    problems += [f"auditor: {error.message}" for error in auditor.errors]
    if doc.dxfversion != "AC1009":
        problems.append(f"version {doc.dxfversion}")
    if doc.header.get("$INSUNITS") != 4:
        problems.append(f"$INSUNITS {doc.header.get('$INSUNITS')}")
    pattern = [tag.value for tag in doc.linetypes.get("DASHED").pattern_tags.tags if tag.code == 49]
    if len(pattern) < 2 or pattern[0] <= 0 or pattern[1] >= 0:
        problems.append(f"DASHED has no dash and gap: {pattern}")
    for layer, linetype in (("KONTUR", "CONTINUOUS"), ("BIEGUNG_AUF", "DASHED"),
                            ("BIEGUNG_AB", "DASHED"), ("BIEGUNG_TEXT", "CONTINUOUS")):
        if doc.layers.get(layer).dxf.linetype.upper() != linetype:
            problems.append(f"layer {layer} has linetype {doc.layers.get(layer).dxf.linetype}")

    entities = list(doc.modelspace())
    kinds = sorted({entity.dxftype() for entity in entities})
    if kinds != ["LINE", "POLYLINE", "TEXT"]:
        problems.append(f"entity types {kinds}")
    outlines = [e for e in entities if e.dxf.layer == "KONTUR"]
    if len(outlines) != 1 or outlines[0].dxftype() != "POLYLINE" or not outlines[0].is_closed:
        problems.append("KONTUR is not one closed polyline")
    else:
        corners = [tuple(point)[:2] for point in outlines[0].points()]
        if corners != [(0, 0), (length, 0), (length, width), (0, width)]:
            problems.append(f"outline {corners}")
    ups, downs = PARTS[name]
    for layer, key, count in (("BIEGUNG_AUF", "auf", ups), ("BIEGUNG_AB", "ab", downs)):
        lines = [e for e in entities if e.dxf.layer == layer]
        positions = expected.get(key, [])
        if len(lines) != count or len(positions) != count:
            problems.append(f"{layer}: {len(lines)} lines, {len(positions)} expected, not {count}")
            continue
        for line, x in zip(lines, positions):
            ends = (tuple(line.dxf.start)[:2], tuple(line.dxf.end)[:2])
            if line.dxftype() != "LINE" or ends != ((x, 0), (x, width)):
                problems.append(f"{layer}: {ends} instead of x = {x!r}")
    # One text per bend, its way and angle as the reader shows them ("%%d" becomes the degree sign).
    texts = [e.plain_text() for e in entities if e.dxf.layer == "BIEGUNG_TEXT"]
    if len(texts) != ups + downs or not all(t.startswith(("AUF ", "AB ")) and "°" in t
                                            for t in texts):
        problems.append(f"texts {texts[:4]}")
    for drawing in ("-zuschnitt.svg", "-schnitt.svg"):
        try:
            ElementTree.parse(os.path.join(folder, name + drawing))
        except ElementTree.ParseError as error:
            problems.append(f"{name}{drawing}: {error}")
    return problems


def main():
    writer, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    subprocess.run([writer, folder], check=True)
    # The U of the worked example, to three decimals, in case both sides agree on a wrong number.
    u = json.load(open(os.path.join(folder, "u.json"), encoding="utf-8"))
    failures = []
    if [round(x, 3) for x in [u["laenge"]] + u["auf"]] != [192.325, 48.081, 144.244]:
        failures.append(f"u: {u}")
    for name in PARTS:
        failures += [f"{name}: {problem}" for problem in check(name, folder)]
    for failure in failures:
        print(failure)
    print(f"{len(PARTS)} DXF files read by ezdxf {ezdxf.__version__}, {len(failures)} problems")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
