"""The box's blank DXF as another program reads it: ezdxf loads each file, its auditor finds no
error, the outline is one closed polyline on KONTUR whose area (its arcs flattened finely) is the
library's exact area, every wall has its bend line and its text, and the SVGs are well-formed.
Usage: box_dxf_test.py <kantrix_write_box_drawings> <folder>"""

import json
import os
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

import ezdxf
from ezdxf import path as dxfpath
from ezdxf.math import area


def check(name, folder):
    problems = []
    expected = json.load(open(os.path.join(folder, name + ".json"), encoding="utf-8"))
    doc = ezdxf.readfile(os.path.join(folder, name + ".dxf"))
    problems += [f"auditor: {error.message}" for error in doc.audit().errors]
    if doc.dxfversion != "AC1009" or doc.header.get("$INSUNITS") != 4:
        problems.append(f"version {doc.dxfversion}, units {doc.header.get('$INSUNITS')}")
    entities = list(doc.modelspace())
    outlines = [e for e in entities if e.dxf.layer == "KONTUR"]
    if len(outlines) != 1 or outlines[0].dxftype() != "POLYLINE" or not outlines[0].is_closed:
        return problems + ["KONTUR is not one closed polyline"]
    outline = outlines[0]
    bulges = [v.dxf.bulge for v in outline.vertices if v.dxf.bulge]
    if (len(bulges) > 0) != (expected["freistiche"] > 0) or any(b > 0 for b in bulges):
        problems.append(f"bulges {bulges}")
    points = list(dxfpath.make_path(outline).flattening(distance=1e-4))
    found = abs(area(points))
    if abs(found - expected["flaeche"]) > 1e-5 * expected["flaeche"]:
        problems.append(f"area {found} instead of {expected['flaeche']}")
    xs = [p.x for p in points]
    ys = [p.y for p in points]
    if (min(xs), min(ys)) != (0, 0) or abs(max(xs) - expected["laenge"]) > 1e-9 \
            or abs(max(ys) - expected["breite"]) > 1e-9:
        problems.append(f"extent {min(xs)}, {min(ys)} to {max(xs)}, {max(ys)}")
    lines = [e for e in entities if e.dxf.layer == "BIEGUNG_AUF" and e.dxftype() == "LINE"]
    texts = [e.plain_text() for e in entities if e.dxf.layer == "BIEGUNG_TEXT"]
    if len(lines) != expected["waende"] or texts != ["AUF 90° R1.5"] * expected["waende"]:
        problems.append(f"{len(lines)} bend lines, texts {texts}")
    for drawing in ("-zuschnitt.svg", "-ansicht.svg"):
        try:
            ElementTree.parse(os.path.join(folder, name + drawing))
        except ElementTree.ParseError as error:
            problems.append(f"{name}{drawing}: {error}")
    return problems


def main():
    writer, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    subprocess.run([writer, folder], check=True)
    names = sorted(f[:-4] for f in os.listdir(folder) if f.endswith(".dxf"))
    failures = [f"{name}: {problem}" for name in names for problem in check(name, folder)]
    for failure in failures:
        print(failure)
    print(f"{len(names)} box DXF files read by ezdxf {ezdxf.__version__}, {len(failures)} problems")
    return 1 if failures or not names else 0


if __name__ == "__main__":
    sys.exit(main())
