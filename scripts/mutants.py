#!/usr/bin/env python3
"""How sharp is the native test suite? Plants single-line faults in the pure code (an operator, a
comparison, a constant, a truth value changed) one at a time in a copy of the tree, rebuilds the native
tests and reports which faults no test catches. A fault the native tests miss is tried on the same tests
built with AddressSanitizer and UndefinedBehaviorSanitizer, as the test command runs them too (an index one
past an array's end reads a neighbour's value natively and is caught only there).

    python3 scripts/mutants.py make LIST [--count N] [--start S]  # draws N faults (generator start S) into LIST
    python3 scripts/mutants.py run LIST                # plants each fault of LIST and runs ctest

A fault whose line is gone from the code is skipped, so one LIST can be run before and after a change.
"""
import json
import os
import random
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PURE = [
    "numerics/bessel_j0.cpp", "numerics/spectral_ramp.cpp", "numerics/trig.cpp", "numerics/zone_geometry.cpp",
    "numerics/zone_series.cpp", "numerics/sse2_kernels.h", "shell/palette.cpp", "shell/text/font_size.cpp", "shell/text/label_text.cpp",
    "shell/lecture_keys.cpp", "shell/pages/page_layout.cpp", "shell/platform/scroll_rule.cpp", "shell/platform/strokes.cpp",
    "shell/text/text_set.cpp", "screens/axial/axial_animation.cpp", "screens/axial/axial_model.cpp",
    "screens/zones/phasor_panel_model.cpp", "screens/zones/zone_picture_model.cpp", "screens/zones/step_animation.cpp",
    "screens/pattern/pattern_image.cpp", "screens/pattern/pattern_layout.cpp", "screens/radial/radial_animation.cpp",
    "screens/radial/radial_model.cpp",
]
SWAPS = [(" + ", " - "), (" - ", " + "), (" * ", " / "), (" / ", " * "), (" < ", " <= "), (" <= ", " < "),
         (" > ", " >= "), (" >= ", " > "), (" == ", " != "), (" != ", " == "), (" && ", " || "),
         (" || ", " && "), ("true", "false"), ("false", "true")]
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*|\d+)(?![\w.])")


def code_part(line):
    """The line without its comment and string literals, or None for lines that are not code."""
    s = line.strip()
    if not s or s.startswith(("//", "#", "*", "/*")):
        return None
    line = re.sub(r'"(\\.|[^"\\])*"', lambda m: " " * len(m.group(0)), line)
    return line.split("//")[0]


def candidates():
    for path in PURE:
        full = os.path.join(ROOT, path)
        if not os.path.exists(full):
            continue
        for number, line in enumerate(open(full, encoding="utf-8").read().split("\n")):
            code = code_part(line)
            if code is None:
                continue
            for old, new in SWAPS:
                start = code.find(old)
                while start >= 0:
                    yield path, line, start, old, new
                    start = code.find(old, start + 1)
            for m in NUMBER.finditer(code):
                text = m.group(0)
                new = str(int(text) + 1) if "." not in text else repr(float(text) * 1.1 + 0.01)
                yield path, line, m.start(), text, new


def make(target, count, start):
    every = list(candidates())
    chosen = random.Random(start).sample(every, min(count, len(every)))
    json.dump([dict(path=p, line=l, column=c, old=o, new=n) for p, l, c, o, n in chosen], open(target, "w"),
              indent=1, ensure_ascii=False)
    print(f"{len(chosen)} of {len(every)} faults written to {target}")


def run(source):
    faults = json.load(open(source, encoding="utf-8"))
    work = "/tmp/zonara-mutants-" + os.path.splitext(os.path.basename(source))[0]
    tree, build, sanitized = (os.path.join(work, name) for name in ("tree", "build", "sanitize"))
    os.makedirs(work, exist_ok=True)
    shutil.rmtree(tree, ignore_errors=True)
    shutil.copytree(ROOT, tree, ignore=lambda d, names: [n for n in names if d == ROOT and n in
                                                         ("build", ".git", "screenshots")])
    if not os.path.exists(os.path.join(build, "build.ninja")):
        subprocess.run(["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release"],
                       check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build], check=True, stdout=subprocess.DEVNULL)
    if not os.path.exists(os.path.join(sanitized, "build.ninja")):
        subprocess.run(["cmake", "-S", tree, "-B", sanitized, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                        "-DZONARA_SANITIZE=ON"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", sanitized], check=True, stdout=subprocess.DEVNULL)
    environment = dict(os.environ, ASAN_OPTIONS="detect_leaks=1:abort_on_error=1",
                       UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1")

    def passes(tree_build, env=None):
        return subprocess.run(["ctest", "--test-dir", tree_build, "--timeout", "60", "-j2", "--stop-on-failure"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env).returncode == 0

    caught = missed = skipped = broken = by_sanitizers = 0
    for f in faults:
        path = os.path.join(tree, f["path"])
        original = open(path, encoding="utf-8").read()
        lines = original.split("\n")
        if f["line"] not in lines:
            skipped += 1
            continue
        i = lines.index(f["line"])
        line, c = f["line"], f["column"]
        lines[i] = line[:c] + f["new"] + line[c + len(f["old"]):]
        open(path, "w", encoding="utf-8").write("\n".join(lines))
        try:
            built = subprocess.run(["cmake", "--build", build], stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL).returncode == 0
            if not built:
                broken += 1
                continue
            if not passes(build):
                caught += 1
            elif subprocess.run(["cmake", "--build", sanitized], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL).returncode == 0 and not passes(sanitized, environment):
                caught += 1
                by_sanitizers += 1
            else:
                missed += 1
                print(f"missed {f['path']}:{i + 1}: {f['old'].strip()} -> {f['new'].strip()}   {line.strip()}",
                      flush=True)
        finally:
            open(path, "w", encoding="utf-8").write(original)
    total = caught + missed
    print(f"caught {caught} of {total} faults that compile ({100.0 * caught / max(total, 1):.1f} %; "
          f"{by_sanitizers} of them by the sanitized tests alone); {broken} did not compile, {skipped} lines gone")
    for folder in (build, sanitized):
        subprocess.run(["cmake", "--build", folder], stdout=subprocess.DEVNULL)


if __name__ == "__main__":
    if len(sys.argv) >= 3 and sys.argv[1] == "make":
        options = dict(zip(sys.argv[3::2], sys.argv[4::2]))
        make(sys.argv[2], int(options.get("--count", 120)), int(options.get("--start", 1)))
    elif len(sys.argv) == 3 and sys.argv[1] == "run":
        run(sys.argv[2])
    else:
        print(__doc__)
        sys.exit(2)
