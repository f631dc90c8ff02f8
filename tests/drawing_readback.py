"""draftcalc-cli calc --svg/--dxf read back with readers we did not write.

The DXF with ezdxf (Debian's python3-ezdxf), the SVG with Python's XML
parser: every entity on the right layer at the right place, the units and
the layers in the header, the plane turned over once in the SVG, and
nothing on the ANSWER layer of a calculation that failed.
Usage: drawing_readback.py DRAFTCALC_CLI
"""
import math
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import ezdxf

SVG = "{http://www.w3.org/2000/svg}"
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def near(a, b):
    return math.isclose(a, b, rel_tol=1e-9, abs_tol=1e-9)


def run_calc(cli, folder, words):
    svg, dxf = folder / "drawing.svg", folder / "drawing.dxf"
    result = subprocess.run([cli, "calc", *words, "--svg", str(svg), "--dxf", str(dxf)],
                            capture_output=True, text=True)
    check(result.returncode == 0, f"{words}: exit {result.returncode}: {result.stderr}")
    return svg, dxf


def entities_by_layer(doc):
    found = {}
    for entity in doc.modelspace():
        found.setdefault(entity.dxf.layer, []).append(entity)
    return found


def circles(entities):
    return sorted((round(e.dxf.center.x, 9), round(e.dxf.center.y, 9), round(e.dxf.radius, 9))
                  for e in entities if e.dxftype() == "CIRCLE")


def points(entities):
    return sorted((round(e.dxf.location.x, 9), round(e.dxf.location.y, 9)) for e in entities if e.dxftype() == "POINT")


def check_touching_circles_dxf(dxf):
    doc = ezdxf.readfile(dxf)
    check(doc.dxfversion >= "AC1009", f"DXF version {doc.dxfversion}")
    check(doc.header["$INSUNITS"] == 4, "$INSUNITS is not millimetres")
    check({"AXES", "INPUT", "CANDIDATES", "ANSWER"} <= {layer.dxf.name for layer in doc.layers}, "layers missing")
    check(len(doc.audit().errors) == 0, "ezdxf's audit finds errors")
    layers = entities_by_layer(doc)
    check(circles(layers["INPUT"]) == [(0, 0, 10), (20, 0, 10)], f"INPUT circles {circles(layers['INPUT'])}")
    candidate_circles = circles(layers["CANDIDATES"])
    expected = [(5, 0, 5), (10, -11.180339887, 5), (10, 11.180339887, 5), (15, 0, 5)]
    check(len(candidate_circles) == 4 and all(near(a[0], b[0]) and abs(a[1] - b[1]) < 1e-9 and near(a[2], b[2])
                                              for a, b in zip(candidate_circles, expected)),
          f"CANDIDATES circles {candidate_circles}")
    numbers = sorted(e.dxf.text for e in layers["CANDIDATES"] if e.dxftype() == "TEXT")
    check(numbers == ["1", "2", "3", "4"], f"candidate numbers {numbers}")
    # The answer at the exact candidate's centre, not the captions' 4 places.
    check(circles(layers["ANSWER"]) == [(10, 11.180339887, 5)], f"ANSWER circle {circles(layers['ANSWER'])}")
    # Touching points as POINTs: the answer's two, and each candidate's two.
    answer_points = points(layers["ANSWER"])
    check(answer_points == [(6.666666667, 7.453559925), (13.333333333, 7.453559925)], f"ANSWER points {answer_points}")
    candidate_points = points(layers["CANDIDATES"])
    check(len(candidate_points) == 8 and (10, 0) in candidate_points, f"CANDIDATES points {candidate_points}")
    square = [e for e in layers["ANSWER"] if e.dxftype() == "LINE"]
    corners = {(round(e.dxf.start.x, 4), round(e.dxf.start.y, 4)) for e in square}
    check(corners == {(9, 10.1803), (11, 10.1803), (11, 12.1803), (9, 12.1803)}, f"answer square {corners}")
    axes = sorted((e.dxf.start.x, e.dxf.start.y, e.dxf.end.x, e.dxf.end.y) for e in layers["AXES"])
    check(axes == [(-10, 0, 10, 0), (0, -10, 0, 10)], f"AXES {axes}")
    check(all(e.dxftype() in ("LINE", "CIRCLE", "TEXT", "POINT") for e in doc.modelspace()), "other entity types")


def check_touching_circles_svg(svg):
    root = ElementTree.parse(svg).getroot()
    check(root.tag == SVG + "svg" and root.get("version") == "1.1", "not an SVG 1.1 document")
    left, top, width, height = map(float, root.get("viewBox").split())
    check(root.get("width") == f"{root.get('viewBox').split()[2]}mm", "width is not in millimetres")
    turned = [g for g in root.iter(SVG + "g") if g.get("transform") == "scale(1,-1)"]
    check(len(turned) == 1, "the plane is not turned over exactly once")
    groups = {g.get("id"): g for g in turned[0].findall(SVG + "g")}
    check(list(groups) == ["AXES", "INPUT", "CANDIDATES", "ANSWER"], f"groups {list(groups)}")
    # Outlines are unfilled circles; touching points filled dots.
    shapes = {name: sorted((float(c.get("cx")), float(c.get("cy")), float(c.get("r")))
                           for c in group.findall(SVG + "circle") if c.get("fill") in (None, "none"))
              for name, group in groups.items()}
    dots = {name: sorted((float(c.get("cx")), float(c.get("cy")))
                         for c in group.findall(SVG + "circle") if c.get("fill") not in (None, "none"))
            for name, group in groups.items()}
    check(shapes["INPUT"] == [(0, 0, 10), (20, 0, 10)], f"INPUT {shapes['INPUT']}")
    check(shapes["ANSWER"] == [(10, 11.180339887498949, 5)], f"ANSWER {shapes['ANSWER']}")
    check(dots["ANSWER"] == [(6.666666666666666, 7.453559924999299), (13.333333333333334, 7.453559924999299)],
          f"ANSWER dots {dots['ANSWER']}")
    check(len(dots["CANDIDATES"]) == 8, f"CANDIDATES dots {dots['CANDIDATES']}")
    # The numbers stand apart: no two labels' anchors coincide.
    anchors = [t.get("transform") for t in groups["CANDIDATES"].iter(SVG + "text")]
    check(len(anchors) == 4 and len(set(anchors)) == 4, f"candidate labels {anchors}")
    check(len(shapes["CANDIDATES"]) == 4, f"CANDIDATES {shapes['CANDIDATES']}")
    # Every figure inside the view box (y turned over: -top .. -bottom).
    for name, (x, y, r) in [(n, c) for n, cs in shapes.items() for c in cs]:
        check(left <= x - r and x + r <= left + width and top <= -y - r and -y + r <= top + height,
              f"{name} circle ({x}, {y}) r {r} outside the view box")


def check_lines_are_clipped(cli, folder):
    # Two crossing lines: endless, so the drawing shows them across the view only.
    svg, dxf = run_calc(cli, folder, ["x1=40", "y1=40", "d1=3", "a1=45", "x2=-20", "y2=20", "d2=3", "a2=135"])
    doc = ezdxf.readfile(dxf)
    low, high = doc.header["$EXTMIN"], doc.header["$EXTMAX"]
    inputs = [e for e in doc.modelspace() if e.dxf.layer == "INPUT"]
    check(len(inputs) == 2, f"{len(inputs)} input lines")
    for line in inputs:
        for point in (line.dxf.start, line.dxf.end):
            check(low[0] - 1e-6 <= point.x <= high[0] + 1e-6 and low[1] - 1e-6 <= point.y <= high[1] + 1e-6,
                  f"input line end {point} outside the view {low} {high}")
    check(low[0] < -20 and high[0] > 40 and low[1] < 0 and high[1] > 40, f"view {low} {high} cuts the figures")
    root = ElementTree.parse(svg).getroot()
    check(len(root.findall(f".//{SVG}g[@id='INPUT']/{SVG}line")) == 2, "SVG input lines")


def check_without_all_the_answer_is_exact(cli, folder):
    # 3.3: the captions give no radius; the answer is still its circle of
    # radius |C|, at the candidate's exact centre, and no candidate is drawn.
    svg, dxf = run_calc(cli, folder, ["x1=0", "y1=0", "d1=3", "a1=0", "d2=5", "c2=-5", "x3=20", "y3=3", "d3=0",
                                      "r3=10", "s3=1"])
    layers = entities_by_layer(ezdxf.readfile(dxf))
    check(layers.get("CANDIDATES", []) == [], "candidates drawn without --all")
    answer = circles(layers.get("ANSWER", []))
    check(len(answer) == 1 and answer[0][2] == 5, f"3.3 ANSWER circle {answer}")
    check(len(points(layers.get("ANSWER", []))) == 2, "3.3 answer touching points")


def check_a_failure_has_no_answer(cli, folder):
    # 3.2 with no circle on the sides the signs choose: the calculation writes
    # the point and a radius beside its remark, which are no answer.
    svg, dxf = run_calc(cli, folder, ["--all", "x1=0", "y1=30", "d1=8", "d2=5", "c2=5", "x3=0", "y3=0", "d3=0",
                                      "r3=10", "s3=1"])
    doc = ezdxf.readfile(dxf)
    check("ANSWER" in {layer.dxf.name for layer in doc.layers}, "the ANSWER layer is still declared")
    layers = entities_by_layer(doc)
    check(layers.get("ANSWER", []) == [], f"ANSWER entities of a failure: {len(layers.get('ANSWER', []))}")
    check(len(circles(layers["CANDIDATES"])) == 8, f"CANDIDATES of a failure {circles(layers['CANDIDATES'])}")
    root = ElementTree.parse(svg).getroot()
    answer = root.find(f".//{SVG}g[@id='ANSWER']")
    check(answer is not None and len(answer) == 0, "SVG ANSWER group of a failure is not empty")


def main():
    cli = sys.argv[1]
    with tempfile.TemporaryDirectory() as name:
        folder = Path(name)
        svg, dxf = run_calc(cli, folder, ["--all", "d1=0", "r1=10", "d2=5", "c2=-5", "x3=20", "d3=0", "r3=10", "s3=1"])
        check_touching_circles_dxf(dxf)
        check_touching_circles_svg(svg)
        check_lines_are_clipped(cli, folder)
        check_without_all_the_answer_is_exact(cli, folder)
        check_a_failure_has_no_answer(cli, folder)
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
