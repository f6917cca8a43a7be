#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A mutation round: plants single-point faults one at a time in flow/, plot/,
report/, ui/, session/ and cli/, builds, runs the test suite against each and
restores the file with `git checkout` (also when interrupted). Prints which
faults the suite caught.

The suite here is every test of the plain build (`make test`), the sweep on
every 97th setting and the window stress test with 1,000 events, so that one
fault takes about a minute. Planted faults are never committed.

Usage: scripts/mutation_round.py [BUILD_DIR] [--only SUBSTRINGS] [--issue | --latest]
                                 [--leave-out LABELS] [--quick]
                                 [--random N --seed S]
  --only       plants only the faults whose "path: what" holds one of these
               comma-separated substrings (e.g. the survivors of a round)
  --issue      plants the kinds of fault an earlier round found uncaught instead
  --latest     plants only the faults added by the latest round (LATEST_MUTANTS)
  --leave-out  also leaves out the tests with these labels (a ctest regular
               expression, e.g. 'web|install' in a tree without the web build)
  --quick      the quick suite: every test but those labelled install, web,
               sweep and stress, two at a time, and no sweep run
  --random N   plants N faults drawn at random in each folder instead of the
               lists below: one operator or constant of one line changed, or
               one statement left out (see RandomMutants); --seed S (an
               integer) makes the draw repeatable. Seeds used so far: 2212, 2213.
Run from a clean work tree after `make test`.
"""
import os
import random
import re
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (file, original text, faulty text, what the fault does). Each original
# occurs exactly once in its file.
MUTANTS = [
    ("flow/leading_number.cpp", "(text[i] == ' ' || text[i] == '\\t')) ++i;",
     "text[i] == ' ') ++i;", "tabs before a number are no longer skipped"),
    ("flow/leading_number.cpp", "negative = (text[i] == '-');",
     "negative = (text[i] == '+');", "the sign is read the wrong way round"),
    ("flow/leading_number.cpp", "LeadingDigitExponent(mantissa) + exponent > 0;",
     "LeadingDigitExponent(mantissa) + exponent >= 0;", "overflow test off by one"),
    ("flow/root1.cpp", "R1 = (R1 + R2) / 2.0;", "R1 = R2;", "no damping"),
    ("flow/root1.cpp", "std::fabs(R2 - R1) > kRoot1Tolerance", "std::fabs(R2 - R1) > 10 * kRoot1Tolerance",
     "ten times the tolerance"),
    ("flow/root1.cpp", "Kok = R2;", "Kok = R1;", "returns the averaged iterate"),
    ("flow/tracing.cpp", "-Sgn * p.Pi / 180.0;", "-Sgn * p.Pi / 90.0;", "two-degree angle steps"),
    ("flow/tracing.cpp", "if (n == PointArrays::kMaxHalfPoints) {",
     "if (n == PointArrays::kMaxHalfPoints + 1) {", "half-streamline limit one too high"),
    ("flow/tracing.cpp", "a.XA(k, n - j + 1) = -a.Xs(j);", "a.XA(k, n - j + 1) = a.Xs(j);",
     "upstream half not mirrored"),
    ("flow/tracing.cpp", "SinTeta = -c.Gm * std::log(R / A) / (R - A * A / R);",
     "SinTeta = c.Gm * std::log(R / A) / (R - A * A / R);", "dividing streamline on the wrong side"),
    ("flow/mapping.cpp", "arrays.YP(k, j) = (c.yc + y * c.CosAlfa) + x * c.SinAlfa;",
     "arrays.YP(k, j) = (c.yc + y * c.CosAlfa) - x * c.SinAlfa;", "turn is not a rotation"),
    ("flow/mapping.cpp", "const double cJ = arrays.XP(0, 1);", "const double cJ = c.cJ;",
     "cJ not re-read from the turned trailing-edge point"),
    ("flow/mapping.cpp", "(1.0 + Q2n) - (2.0 * Qn) * std::cos(nExp * Fi);",
     "(1.0 + Q2n) + (2.0 * Qn) * std::cos(nExp * Fi);", "wrong sign in Den"),
    ("flow/circle_model.cpp", "std::atan(p.Mu / (1.0 + p.Eps));", "std::atan(p.Mu / (1.0 - p.Eps));",
     "Beta from the wrong offset"),
    ("flow/circle_model.cpp", "(j - 1) * dTeta - c.AlfaBeta;", "(j - 1) * dTeta + c.AlfaBeta;",
     "contour starts at the wrong point"),
    ("flow/circle_model.cpp", "c.Gm = c.Circ / ((2.0 * p.Pi) * p.U0);", "c.Gm = c.Circ / ((4.0 * p.Pi) * p.U0);",
     "Gm half its size"),
    ("flow/parameters.cpp", "if (p.dR <= 0.0)", "if (p.dR < 0.0)", "dR = 0 accepted"),
    ("flow/parameters.cpp", "selected = i;\n", "selected = i;\n      break;\n", "first matching row taken"),
    ("flow/parameters.cpp", "std::min(table.NTab, static_cast<double>(ProfileTable::kCapacity));",
     "table.NTab;", "scan runs past row 500"),
    ("flow/pass.cpp", "if (!(kMax >= 0.0)) return -1;", "if (!(kMax > 0.0)) return -1;",
     "nSL 0 draws nothing"),
    ("flow/pass.cpp", "!(c.A > 0.0)", "!(c.A >= 0.0)", "a circle of radius 0 is traced"),
    ("plot/drawing.cpp", "if (value > Float::max()) return Float::max();", "",
     "large coordinates converted unchecked"),
    ("plot/drawing.cpp", "const double top = Olcek * (2.0 / 3.0);", "const double top = Olcek * (3.0 / 4.0);",
     "wrong plot height"),
    ("plot/drawing.cpp", "for (int j = 2; j <= arrays.NP[k]; ++j) {", "for (int j = 3; j <= arrays.NP[k]; ++j) {",
     "first segment of every curve missing"),
    ("plot/drawing.cpp", "return surface.Cls() && ScaleToOlcek(surface, Olcek) && DrawAxes(surface, XMax);",
     "return ScaleToOlcek(surface, Olcek) && DrawAxes(surface, XMax);", "Picture2 not cleared"),
    ("plot/drawing.cpp", "(k == 0) ? kBodyColour : kStreamlineColour;", "(k <= 1) ? kBodyColour : kStreamlineColour;",
     "curve 1 drawn in the body colour"),
    ("ui/form1.cpp", "Text_GAMA->setText(BarText(HScroll_Gama->value() / 100.0));",
     "Text_GAMA->setText(BarText(HScroll_Gama->value() / 10.0));", "gamma bar writes ten times its value"),
    ("ui/form1.cpp", "  Alfa = result.params.Alfa;\n", "  Alfa = result.params.Alfa;\n  Picture1->ShowImage(image1);\n",
     "failed pass replaces the pictures"),
    ("ui/form1.cpp", "texts.dR = Text_dR->text().toStdString();", "texts.dR = Text_dPsi->text().toStdString();",
     "dR read from the dPsi box"),
    ("ui/form1.cpp", "bar->setTracking(false);", "bar->setTracking(true);", "dragging runs passes"),
    ("ui/form1.cpp", "bar->triggerAction(key == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd",
     "bar->triggerAction(key == Qt::Key_Left ? QAbstractSlider::SliderSingleStepAdd", "arrow keys swapped"),
    ("ui/form1.cpp", "if (!aboutWindow) aboutWindow = new Form_About;", "aboutWindow = new Form_About;",
     "a new About window each time"),
    ("ui/plot_picture.cpp", "pressed && event->button() == Qt::LeftButton && rect().contains",
     "event->button() == Qt::LeftButton && rect().contains", "a release without a press clicks"),
    ("ui/plot_picture.cpp", "if (shown.isNull()) {", "if (!shown.isNull()) {", "kept picture not painted"),
]

# The latest round's faults, four or five in each folder; also planted by
# a plain run.
LATEST_MUTANTS = [
    ("flow/surface_pressure.cpp", "result.leadingEdgeKept = p.Eps != 0.0;",
     "result.leadingEdgeKept = true;", "the flat plate's leading edge is kept"),
    ("flow/profile_geometry.cpp", "DecimalText(CL, std::chars_format::fixed, 3)",
     "DecimalText(CL, std::chars_format::fixed, 2)", "C_L shown with two decimals"),
    ("flow/surface_pressure.cpp", "if (value < best.Cp) best = flow.At(theta, best.side);", "",
     "the lowest Cp is not refined between the points"),
    ("flow/surface_pressure.cpp", "+ c.SinAlfa * (b.y - a.y));", "- c.SinAlfa * (b.y - a.y));",
     "the lift integral's y term has the wrong sign"),
    ("flow/surface_pressure.cpp", "(side == SurfaceSide::kUpper && i == 0) || (side == SurfaceSide::kLower && i == n);",
     "(side == SurfaceSide::kUpper && i == 0);", "the lower surface's trailing edge is not recognised"),
    ("plot/pressure_picture.cpp", "const double length = (i == 5 || i == 10) ? 2.0 * tickUp : tickUp;",
     "const double length = tickUp;", "no long ticks at half and full chord"),
    ("plot/pressure_picture.cpp", "for (const double candidate : {1.0, 2.0, 5.0, 10.0}) {",
     "for (const double candidate : {1.0, 5.0, 10.0}) {", "no step of 2 on the -Cp axis"),
    ("plot/pressure_picture.cpp", "if (y != 0.0 && !line(", "if (!line(", "a -Cp tick on the zero line"),
    ("plot/device_mapping.cpp", "const bool forward = std::fabs(dx) >= std::fabs(dy) ? dx >= 0.0 : dy >= 0.0;",
     "const bool forward = dx >= 0.0;", "a clipped steep segment may turn round"),
    ("plot/pressure_picture.cpp", "if (j < count && points[j].side == points[first].side) continue;",
     "if (j < count) continue;", "both surfaces drawn as one chain in one colour"),
    ("report/surface_csv.cpp", "point = (i > 0 && pressure.points[i - 1].side == s.side) ? point + 1 : 1;",
     "point = static_cast<int>(i) + 1;", "surface points numbered through both surfaces"),
    ("report/curves_csv.cpp", 'WritePlane("circle", curves.circle(), out);',
     'WritePlane("circle", curves.flow(), out);', "the circle plane written unturned"),
    ("report/number_text.cpp", "while (digits.size() > 1 && digits.back() == '0') digits.pop_back();", "",
     "the bars' texts keep trailing zeros"),
    ("report/pass_summary.cpp", "s.CpMin = IfFinite(pressure->CpMin);", "s.CpMin = IfFinite(pressure->CpMinXc);",
     "the summary's lowest Cp is its x/c"),
    ("report/pass_curves.cpp", "for (int k = 0; k <= lastCurve && k <= PointArrays::kMaxCurve; ++k) {",
     "for (int k = 0; k < lastCurve && k <= PointArrays::kMaxCurve; ++k) {", "the last curve is not reported"),
    ("ui/form1.cpp", "    if (pressureWindow) ShowSurfacePressure();\n", "",
     "a pass does not redraw the pressure window"),
    ("ui/form1.cpp", 'path += QStringLiteral(".png");', "", "a picture name without an ending gets no .png"),
    ("ui/form1.cpp", "const bool circle = menuPicture == Picture1;", "const bool circle = true;",
     "Save picture offers the circle's name for both plots"),
    ("ui/plot_picture.cpp", "painter.drawImage(QRectF(area), shown);", "painter.drawImage(area.topLeft(), shown);",
     "the kept picture painted at its pixel size"),
    ("ui/form_pressure.cpp", "if (drawn) Picture_Pressure->ShowImage(image);", "Picture_Pressure->ShowImage(image);",
     "a failed pressure picture is shown"),
]

# The kinds of fault that an earlier round found the suite missing; each now
# has its assertion. Run with --issue to check them again.
EARLIER_SURVIVORS = [
    ("flow/tracing.cpp", "if (iKok == 0 || std::fabs(R - Rprev) > p.dR) {",
     "if (std::fabs(R - Rprev) > p.dR) {", "a failed root search no longer switches to radius stepping"),
    ("flow/tracing.cpp", "if (!(x < p.XMax)) break;", "if (!(x <= p.XMax)) break;",
     "a point on XMax does not end the dividing streamline"),
    ("flow/profile_geometry.cpp", "return 2.0 * Circ / (U0 * chord);", "return 2.0 * Circ / U0;",
     "C_L ignores the chord"),
    ("flow/profile_geometry.cpp", "if (std::fabs(CL) < 0.0005) CL = 0.0;", "if (std::fabs(CL) < 0.005) CL = 0.0;",
     "C_L below 0.005 shown as 0"),
    ("flow/leading_number.cpp", "if (e < text.size() && IsDigit(text[e])) {", "if (e < text.size()) {",
     "an exponent letter without digits spoils the number"),
    ("flow/pass.cpp", "!(c.A > 0.0)", "(c.A == 0.0)", "a circle of negative radius is traced"),
    ("flow/pass.cpp", "if (p.kMax >= PointArrays::kMaxCurve + 1) {", "if (p.kMax > PointArrays::kMaxCurve) {",
     "a fractional nSL between 20 and 21 gives the limit note"),
    ("flow/mapping.cpp", "if (s < 0.0) s = 0.0;", "", "no clamp of the squared distance at the trailing edge"),
    # The second round's survivors.
    ("flow/exact_number_text.cpp", "std::chars_format::general, 17)", "std::chars_format::general, 18)",
     "CSV numbers with 18 significant digits"),
    ("flow/pass.cpp", "if (!(kMax >= 0.0)) return -1;", "", "no guard for a negative or minus-infinite nSL"),
    ("flow/profile_table.h", "std::array<double, kCapacity + 1> TabGama{};",
     "std::array<double, kCapacity - 1> TabGama{};", "a table column two rows short"),
    ("plot/pressure_picture.cpp", "const double margin = kPressureFrameYMargin * (highest - lowest);",
     "const double margin = kPressureFrameYMargin * highest;", "the frame's margin from the top alone"),
    ("report/status_line.cpp", "for (const std::string& note : pressure.notes) add(Sentence(note));", "",
     "the pressure line loses its notes"),
    ("report/status_line.cpp", "if (sentence.back() != '.') sentence += '.';", "sentence += '.';",
     "a note ending in a full stop gets a second one"),
    ("ui/form_about.cpp", "title.setUnderline(true);", "", "the About title is not underlined"),
    ("ui/main.cpp", "window.show();", "", "the program never shows its window"),
    ("ui/plot_picture.cpp", "image.setDevicePixelRatio(ratio);", "", "the plots ignore the device pixel ratio"),
]


FOLDERS = ["flow", "plot", "report", "ui", "session", "cli"]

# The operators a random fault swaps, written with the blanks that
# clang-format puts around binary operators (so that templates, <<, -> and
# unary minus are left alone).
SWAPS = [(" <= ", " < "), (" < ", " <= "), (" >= ", " > "), (" > ", " >= "), (" == ", " != "),
         (" != ", " == "), (" && ", " || "), (" || ", " && "), (" + ", " - "), (" - ", " + "),
         (" * ", " / "), (" / ", " * "), ("true", "false"), ("false", "true"), ("(!", "(")]
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*|\d+)(?![\w.])")
STATEMENT = re.compile(r"^\s+(?:[A-Za-z_][\w:>.\-\[\]]*(?:\(.*\))?\s*(?:=|\+=|-=|\*=|/=|\+\+|--).*|"
                       r"[A-Za-z_][\w:.\->]*\(.*\)|\+\+\w+|--\w+|if \(.*\) (?:return|continue|break).*);$")


def RandomSites(path):
    """Every single-point fault RandomMutants may plant in one file: (line
    index, original line, faulty line, what)."""
    sites = []
    lines = open(os.path.join(ROOT, path)).read().split("\n")
    for i, line in enumerate(lines):
        code = line.split("//")[0]
        stripped = code.strip()
        if not stripped or stripped.startswith(("#", "*", "/*")) or '"' in code:
            continue
        for old, new in SWAPS:
            at = code.find(old)
            while at >= 0:
                sites.append((i, line, line[:at] + new + line[at + len(old):],
                              f"line {i + 1}: '{old.strip()}' -> '{new.strip()}'"))
                at = code.find(old, at + 1)
        for m in NUMBER.finditer(code):
            text = m.group(1)
            new = str(int(text) + 1) if "." not in text else repr(float(text or 0) * 1.5 + 0.1)
            sites.append((i, line, line[:m.start(1)] + new + line[m.end(1):],
                          f"line {i + 1}: {text} -> {new}"))
        if STATEMENT.match(code) and not stripped.startswith(("return", "const ", "static ")):
            sites.append((i, line, "", f"line {i + 1}: statement left out"))
    return sites


def RandomMutants(count, seed):
    """`count` faults in each folder, drawn with `seed`: a source file (.cpp)
    of the folder at random, then one of its fault sites."""
    rng = random.Random(seed)
    mutants = []
    for folder in FOLDERS:
        files = sorted(os.path.relpath(os.path.join(d, f), ROOT)
                       for d, _, names in os.walk(os.path.join(ROOT, folder))
                       for f in names if f.endswith(".cpp"))
        chosen = set()
        while len([m for m in mutants if m[0].startswith(folder + "/")]) < count:
            path = rng.choice(files)
            sites = RandomSites(path)
            if not sites:
                continue
            i, line, faulty, what = rng.choice(sites)
            if (path, i) in chosen:
                continue
            chosen.add((path, i))
            mutants.append((path, (i, line), faulty, what))
    return mutants


def run(cmd, timeout=None, env=None):
    return subprocess.run(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout, env=env)


def run_group(cmd, timeout, env):
    """Runs `cmd` in a process group of its own; a run longer than `timeout`
    seconds is ended with all its children and counts as failed."""
    process = subprocess.Popen(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               text=True, env=env, start_new_session=True)
    try:
        out, _ = process.communicate(timeout=timeout)
        return subprocess.CompletedProcess(cmd, process.returncode, out)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.communicate()
        return subprocess.CompletedProcess(cmd, 1, "The following tests FAILED:\n 0 - the suite timed out\n")


def suite(build, leave_out=None, quick_only=False):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", FLUVENNA_STRESS_EVENTS="1000")
    labels = "^sweep$" if not leave_out else f"^(sweep|{leave_out})$"
    jobs = ["-j", "2"] if quick_only else []  # the quick suite's tests are independent
    quick = run_group(["ctest", "--test-dir", build, "--timeout", "120", "-LE", labels] + jobs, 1200,
                      env)
    if quick.returncode != 0:
        lines = quick.stdout.splitlines()
        at = next((i for i, l in enumerate(lines) if "The following tests FAILED" in l), len(lines))
        failed = [l.strip() for l in lines[at + 1:at + 4] if l.strip()[:1].isdigit()]
        return False, "failed: " + "; ".join(failed)
    if quick_only:
        return True, "survived"
    sweep = run([os.path.join(build, "tests/sweep/fluvenna-sweep"),
                 os.path.join(ROOT, "data/KATJO-D20G15.txt"), "--every", "97"], timeout=600)
    if sweep.returncode != 0:
        return False, "sweep failed"
    return True, "survived"


def main():
    args = sys.argv[1:]
    only = None
    if "--only" in args:
        only = args[args.index("--only") + 1]
        del args[args.index("--only"):args.index("--only") + 2]
    leave_out = None
    if "--leave-out" in args:
        leave_out = args[args.index("--leave-out") + 1]
        del args[args.index("--leave-out"):args.index("--leave-out") + 2]
    issue = "--issue" in args
    if issue:
        args.remove("--issue")
    latest = "--latest" in args
    if latest:
        args.remove("--latest")
    quick_only = "--quick" in args
    if quick_only:
        args.remove("--quick")
        leave_out = "install|web|stress" + (f"|{leave_out}" if leave_out else "")
    random_count = seed = None
    if "--random" in args:
        random_count = int(args[args.index("--random") + 1])
        del args[args.index("--random"):args.index("--random") + 2]
        seed = int(args[args.index("--seed") + 1]) if "--seed" in args else 0
        if "--seed" in args:
            del args[args.index("--seed"):args.index("--seed") + 2]
    build = os.path.join(ROOT, args[0] if args else "build")
    if run(["git", "diff", "--quiet", "--"] + FOLDERS).returncode != 0:
        sys.exit("mutation_round: " + ", ".join(f + "/" for f in FOLDERS) +
                 " has uncommitted changes; commit them first")
    caught = total = 0
    survivors = []
    if random_count:
        planted = RandomMutants(random_count, seed)
        print(f"mutation round: {len(planted)} random faults, seed {seed}", flush=True)
    else:
        planted = EARLIER_SURVIVORS if issue else LATEST_MUTANTS if latest else MUTANTS + LATEST_MUTANTS
    for path, original, faulty, what in planted:
        if only and not any(o in f"{path}: {what}" for o in only.split(",")):
            continue
        full = os.path.join(ROOT, path)
        text = open(full).read()
        if isinstance(original, tuple):  # a random fault: one whole line
            lines = text.split("\n")
            index, line = original
            if lines[index] != line:
                print(f"?? {path}: line {index + 1} changed; skipped", flush=True)
                continue
            lines[index:index + 1] = [faulty] if faulty else []
            changed = "\n".join(lines)
        elif text.count(original) != 1:
            print(f"?? {path}: '{original[:50]}' not found exactly once; skipped", flush=True)
            continue
        else:
            changed = text.replace(original, faulty)
        start = time.time()
        try:
            open(full, "w").write(changed)
            build_run = run(["cmake", "--build", build])
            if build_run.returncode != 0:
                print(f"!! {path}: {what}: does not build; skipped", flush=True)
                continue
            total += 1
            survived, how = suite(build, leave_out, quick_only)
        finally:
            run(["git", "checkout", "--", path])
        caught += not survived
        if survived:
            survivors.append(f"{path}: {what}")
        print(f"{'SURVIVED' if survived else 'caught  '} {path}: {what} ({how}, {time.time() - start:.0f} s)",
              flush=True)
    run(["cmake", "--build", build])  # back to the real code
    print(f"mutation round: {caught} of {total} planted faults caught")
    for s in survivors:
        print(f"  survived: {s}")


if __name__ == "__main__":
    main()
