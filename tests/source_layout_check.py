#!/usr/bin/env python3
"""The source keeps its rooms. For every product file (numerics/, shell/, screens/, resources/):
- it includes only what its room may use: the rooms form layers, each using the ones below it
  (numerics; shell/text; shell/platform; the shell around the pages; shell/pages and the screens), a screen
  uses no other screen (what the axial and the radial screen share lives in screens/zones/), and only
  shell/page_table.cpp, the table that plugs the pages in, names a page;
- it makes and deletes no GDI object, drawing context or window itself unless it is the platform layer;
- it is at most 600 lines long (generated tables aside);
- no two of its files include each other, directly or round a circle (a header and its source count as one).
Prints each offence, then fails."""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PRODUCT = ("numerics", "shell", "screens", "resources")
GENERATED = {"numerics/bessel_j0_table.cpp"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
RAW_GDI = re.compile(
    r"\b(CreateCompatibleDC|CreateDC[AW]?|CreateDIBSection|CreateBitmap|CreateCompatibleBitmap|CreateFont[AW]?|"
    r"CreateFontIndirect[AW]?|CreatePen|ExtCreatePen|CreateSolidBrush|CreateHatchBrush|CreatePatternBrush|"
    r"CreateRectRgn|CreateEllipticRgn|CreatePolygonRgn|DeleteObject|DeleteDC|GetDC|GetDCEx|GetWindowDC|"
    r"ReleaseDC|CreateWindowEx[AW]?|CreateWindow[AW]?|LoadImage[AW]?|LoadBitmap[AW]?|DestroyIcon)\s*\(")


def room(path):
    """The room of a product file: 'numerics', 'shell/text', 'shell/platform', 'shell', 'shell/pages',
    'screens/zones', 'screens/<screen>', 'screens' or 'resources'."""
    parts = path.split("/")
    if parts[0] in ("shell", "screens") and len(parts) > 2:
        return parts[0] + "/" + parts[1]
    return parts[0]


def allowed(source, target):
    """Whether product file `source` may include product file `target`."""
    a, b = room(source), room(target)
    if a == b:
        return True
    below = {
        "numerics": set(),
        "shell/text": set(),
        "shell/platform": {"shell/text", "numerics"},
        "shell": {"shell/platform", "shell/text", "numerics"},
        "shell/pages": {"shell", "shell/platform", "shell/text"},
        "screens/zones": {"screens", "shell", "shell/platform", "shell/text", "numerics"},
        "resources": {"shell/text"},
    }
    if a.startswith("screens/") and a != "screens/zones":
        below[a] = below["screens/zones"] | {"screens/zones"}
    if source == "shell/page_table.cpp":
        return b == "shell/pages" or re.fullmatch(r"screens/\w+/\w+_screen\.h", target) is not None
    return b in below.get(a, set())


def product_files():
    for top in PRODUCT:
        for folder, _, names in os.walk(os.path.join(ROOT, top)):
            for name in names:
                if name.endswith((".h", ".cpp")):
                    yield os.path.relpath(os.path.join(folder, name), ROOT)


def main():
    files = sorted(product_files())
    offences = []
    includes = {}
    for path in files:
        text = open(os.path.join(ROOT, path), encoding="utf-8").read()
        includes[path] = []
        for target in INCLUDE.findall(text):
            if target.startswith(("tests/", "bench/")):
                offences.append(f"{path} includes test or benchmark code: {target}")
            elif os.path.exists(os.path.join(ROOT, target)) and target.split("/")[0] in PRODUCT:
                includes[path].append(target)
                if not allowed(path, target):
                    offences.append(f"{path} ({room(path)}) may not include {target} ({room(target)})")
        if room(path) != "shell/platform":
            for number, line in enumerate(text.splitlines(), 1):
                code = line.split("//")[0]
                if RAW_GDI.search(code):
                    offences.append(f"{path}:{number}: makes or deletes a drawing object outside the platform "
                                    f"layer: {line.strip()}")
        lines = text.count("\n")
        if lines > 600 and path not in GENERATED:
            offences.append(f"{path} has {lines} lines (at most 600)")
    # Circles between units (a header and its source are one unit).
    unit = lambda path: os.path.splitext(path)[0]
    graph = {}
    for path, targets in includes.items():
        graph.setdefault(unit(path), set()).update(unit(t) for t in targets if unit(t) != unit(path))
    state, stack = {}, []

    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 1:
                offences.append("include circle: " + " -> ".join(stack[stack.index(nxt):] + [nxt]))
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[node] = 2

    for node in sorted(graph):
        if node not in state:
            visit(node)
    for offence in offences:
        print(offence)
    return 1 if offences else 0


if __name__ == "__main__":
    sys.exit(main())
