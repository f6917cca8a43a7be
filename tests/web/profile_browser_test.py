#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The profile's section of the page in headless Chromium: ?naca= kept in
the address and named in the status line, coordinate files (Selig and
Lednicer) opened through the file input, refusals with the renderer's
sentence while the profile in use stays, the way back to Joukowski's
profile, and the page's numbers against fluvenna-render's for the same
section or file.

Usage: profile_browser_test.py SITE RENDER DATA (as browser_test.py)

The coordinate files are written here from the NACA 4-digit formulas
(Abbott and von Doenhoff, Theory of Wing Sections, 1959, §6.4) with the
closed trailing edge (a4 = -0.1036), on a cosine spacing.
"""
import json
import math
import os
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser_test  # noqa: E402  (reads SITE, RENDER and DATA from sys.argv)
from browser_test import DATA, RENDER, compare_csv, native  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

# The controls of the designed profile, inactive while another is in use.
DESIGNED = ["Text_DELTA", "HScroll_Delta", "Text_GAMA", "HScroll_Gama"]
DESIGNED_TITLE = "Streamlines around a Joukowsky profile"


def naca4(code, points_per_side=61):
    """Upper and lower surfaces of a NACA 4-digit section, each from the
    leading edge to the trailing edge, chord 1."""
    m, p, t = int(code[0]) / 100.0, int(code[1]) / 10.0, int(code[2:]) / 100.0
    upper, lower = [], []
    for i in range(points_per_side):
        x = 0.5 * (1.0 - math.cos(math.pi * i / (points_per_side - 1)))
        yt = 5.0 * t * (0.2969 * math.sqrt(x) - 0.1260 * x - 0.3516 * x ** 2 + 0.2843 * x ** 3
                        - 0.1036 * x ** 4)
        if m == 0.0:
            yc, slope = 0.0, 0.0
        elif x < p:
            yc, slope = m / p ** 2 * (2 * p * x - x * x), 2 * m / p ** 2 * (p - x)
        else:
            yc = m / (1 - p) ** 2 * (1 - 2 * p + 2 * p * x - x * x)
            slope = 2 * m / (1 - p) ** 2 * (p - x)
        theta = math.atan(slope)
        upper.append((x - yt * math.sin(theta), yc + yt * math.cos(theta)))
        lower.append((x + yt * math.sin(theta), yc - yt * math.cos(theta)))
    return upper, lower


def selig(name, code):
    """Selig's order: from the trailing edge over the upper surface to the
    leading edge and back along the lower one."""
    upper, lower = naca4(code)
    points = list(reversed(upper)) + lower[1:]
    return name + "\n" + "".join("%.7f %.7f\n" % point for point in points)


def lednicer(name, code):
    """Lednicer's: the counts, then each surface from the leading edge."""
    upper, lower = naca4(code)
    text = "%s\n%d. %d.\n\n" % (name, len(upper), len(lower))
    text += "".join("%.7f %.7f\n" % point for point in upper) + "\n"
    return text + "".join("%.7f %.7f\n" % point for point in lower)


def render_json(*options):
    return json.loads(native(*options, "--json"))


def refusal(*options):
    """The renderer's sentence for a refused profile (its error line
    without the program's name and the closing note)."""
    run = subprocess.run([RENDER, *options, "--csv", "-"], cwd=DATA, capture_output=True, text=True)
    assert run.returncode == 2, run.stderr
    line = run.stderr.strip()
    prefix, closing = "fluvenna-render: error: ", " No file written."
    assert line.startswith(prefix) and line.endswith(closing), line
    return line[len(prefix):-len(closing)]


def lift_in(line):
    """The C_L the status line shows, as its text and as a number."""
    shown = line.split("C_L = ")[1].split()[0].rstrip(",;.")
    return shown, float(shown)


class ProfileTest(browser_test.PageHelpers, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.folder = tempfile.TemporaryDirectory()

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()
        super().tearDownClass()

    # --- helpers -------------------------------------------------------------

    def address(self):
        self.settle()
        return urllib.parse.parse_qs(urllib.parse.urlsplit(self.driver.current_url).query)

    def answers(self):
        self.settle()
        return int(self.js("return document.body.dataset.profileAnswers || '0'"))

    def write(self, name, text):
        path = os.path.join(self.folder.name, name)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return path

    def open_file(self, path):
        """A file chosen in the section's file input, as the Open… button's
        dialog would; returns once the page has answered it."""
        before = self.answers()
        self.driver.find_element(By.ID, "File_Profile").send_keys(path)
        self.wait("the page's answer", lambda: self.answers() > before)
        self.settle()

    def designed_enabled(self):
        return [self.js("return !document.getElementById(arguments[0]).disabled", i) for i in DESIGNED]

    def report_numbers(self):
        """The numbers of the section's report (t/c, its x/c, f/c, its x/c,
        the trailing-edge angle, the leading-edge radius, the gap, the
        chord line; the map's terms and residual), as shown."""
        report = self.shown_text("Label_ProfileReport")
        numbers = []
        for word in report.replace(",", " ").replace("°", " ").split():
            try:
                numbers.append(float(word.rstrip(".")))
            except ValueError:
                pass
        return report, numbers

    def assert_agrees(self, expected, label):
        """The page's numbers for the drawn pass against the renderer's
        summary for the same input: the name and C_L in the status line, the
        profile keys in the section's report (as rounded there)."""
        status = self.shown_text("Label_Status")
        self.assertTrue(status.startswith(expected["profile"] + " · "), status)
        shown, lift = lift_in(status)
        decimals = len(shown.split(".")[1]) if "." in shown else 0
        self.assertAlmostEqual(lift, expected["C_L"], delta=0.51 * 10 ** -decimals, msg=label)
        report, numbers = self.report_numbers()
        self.assertTrue(report.startswith(expected["profile"] + ":"), report)
        print("%s: page %r; renderer C_L %.10g, t/c %.6g, f/c %.6g, TE %.6g°, gap %.3g, %d terms, "
              "residual %.3g" % (label, status, expected["C_L"], expected["thickness"],
                                 expected["camber"], expected["te_angle_deg"], expected["te_gap"],
                                 expected["map_terms"], expected["map_residual"]))
        for key in ("thickness", "camber", "te_angle_deg", "te_gap", "map_terms"):
            nearest = min(numbers, key=lambda n: abs(n - expected[key]))
            self.assertAlmostEqual(nearest, expected[key], delta=max(5e-3 * abs(expected[key]), 6e-5),
                                   msg="%s: %s of %r" % (label, key, report))
        self.assertTrue(any(abs(n - expected["map_residual"]) <= 0.06 * expected["map_residual"]
                            for n in numbers), report)

    def assert_same_surface(self, options, label, stem):
        """The surface CSV the page saves is the renderer's --cp, its name
        made of the profile's name and α (`stem`)."""
        self.capture_downloads()
        self.driver.find_element(By.ID, "Save_Surface_Csv").click()
        saved = self.saved(0)
        self.assertEqual(saved["name"], "fluvenna-surface-%s.csv" % stem)
        print("%s: page surface CSV against the renderer:" % label,
              compare_csv(native(*options, "--cp", "-"), saved["text"], 2, 1e-9))

    # --- the tests -----------------------------------------------------------

    def test_naca_in_the_address_and_agreement(self):
        self.open(self.server.url + "?naca=4412&alpha=4&lang=en", passes=1)
        expected = render_json("--naca", "4412", "--alpha", "4")
        self.assertEqual(expected["profile"], "NACA 4412")
        self.assert_agrees(expected, "NACA 4412")
        self.assertEqual(self.address()["naca"], ["4412"])
        self.assertEqual(self.address()["alpha"], ["4"])
        self.assertTrue(self.js("return document.getElementById('Option_Naca').checked"))
        self.assertEqual(self.designed_enabled(), [False] * 4)
        self.assertEqual(self.driver.title, "Streamlines around NACA 4412")
        self.assert_drawn("NACA 4412")
        self.assert_same_surface(["--naca", "4412", "--alpha", "4"], "NACA 4412", "NACA-4412-a4")
        # The plots are the renderer's: the same ink on the same pixels.
        with tempfile.TemporaryDirectory() as folder:
            native("--naca", "4412", "--alpha", "4", "--png", os.path.join(folder, "out"))
            for canvas, plane in (("Picture1", "circle"), ("Picture2", "airfoil")):
                png = browser_test.png_pixels(os.path.join(folder, "out-%s.png" % plane))
                page = bytes(self.js("return Array.from(document.getElementById(arguments[0])"
                                     ".getContext('2d').getImageData(0, 0, 396, 263).data)", canvas))
                browser_test.BrowserTest.assert_same_ink(self, png, page, canvas)
        if os.environ.get("FLUVENNA_SHOTS"):
            try:
                self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                            {"width": 1280, "height": 1600, "deviceScaleFactor": 1,
                                             "mobile": False})
                self.settle()
                self.driver.save_screenshot(os.path.join(os.environ["FLUVENNA_SHOTS"],
                                                         "h28web-naca4412-page.png"))
            finally:
                self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

        # A bar moved keeps the code in the address and the name in the line.
        self.driver.find_element(By.ID, "HScroll_Alfa").send_keys(Keys.ARROW_RIGHT)
        self.assertEqual(self.address()["alpha"], ["5"])
        self.assertEqual(self.address()["naca"], ["4412"])
        self.assert_agrees(render_json("--naca", "4412", "--alpha", "5"), "NACA 4412 at 5°")

        # Another code typed into the box; then a five-digit one in Turkish.
        box = self.driver.find_element(By.ID, "Text_Naca")
        box.clear()
        box.send_keys("0012", Keys.ENTER)
        self.wait("the new section", lambda: self.js("return document.body.dataset.profile") == "NACA 0012")
        self.assert_agrees(render_json("--naca", "0012", "--alpha", "5"), "NACA 0012")
        self.assertEqual(self.address()["naca"], ["0012"])
        self.open(self.server.url + "?naca=23012&alpha=2&lang=tr", passes=1)
        status = self.shown_text("Label_Status")
        self.assertTrue(status.startswith("NACA 23012 · Kaldırma katsayısı C_L = "), status)
        expected = render_json("--naca", "23012", "--alpha", "2")
        self.assertAlmostEqual(lift_in(status)[1], expected["C_L"], delta=1e-3)
        self.assertEqual(self.driver.title, "NACA 23012 etrafında akım çizgileri")
        self.assert_clean()

    def test_files_through_the_file_input_and_agreement(self):
        self.open(self.server.url + "?alpha=4&lang=en", passes=1)
        self.assertEqual(self.designed_enabled(), [True] * 4)
        self.assertTrue(self.js("return document.getElementById('Option_File').disabled"))
        for name, kind, text in [("selig4412.dat", "Selig", selig("NACA 4412 Selig", "4412")),
                                 ("lednicer2412.dat", "Lednicer", lednicer("NACA 2412 Lednicer", "2412"))]:
            path = self.write(name, text)
            before = self.passes()
            self.open_file(path)
            self.assertEqual(self.js("return document.body.dataset.profileRefused"), "0")
            self.assertEqual(self.passes(), before + 1, "%s: the drawn pass is drawn again" % kind)
            expected = render_json("--airfoil", path, "--alpha", "4")
            self.assertEqual(expected["profile"], "NACA %s %s" % (name[-8:-4], kind))
            self.assert_agrees(expected, kind)
            self.assert_same_surface(["--airfoil", path, "--alpha", "4"], kind,
                                     expected["profile"].replace(" ", "-") + "-a4")
            self.assertTrue(self.js("return document.getElementById('Option_File').checked"))
            self.assertEqual(self.designed_enabled(), [False] * 4)
            # The file's points are not in the address.
            self.assertNotIn("naca", self.address())
            self.assertEqual(self.driver.title, "Streamlines around " + expected["profile"])
        # A file dropped on the airfoil plot is opened as one chosen.
        before = self.answers()
        self.js("""
          const transfer = new DataTransfer();
          transfer.items.add(new File([arguments[0]], "dropped.dat"));
          document.getElementById("Picture2").dispatchEvent(
            new DragEvent("drop", {dataTransfer: transfer, bubbles: true, cancelable: true}));""",
                selig("", "0012").lstrip("\n"))
        self.wait("the dropped file", lambda: self.answers() > before)
        self.assertEqual(self.js("return document.body.dataset.profileRefused"), "0")
        path = self.write("dropped.dat", selig("", "0012").lstrip("\n"))
        expected = render_json("--airfoil", path, "--alpha", "4")
        self.assert_agrees(expected, "dropped")
        # The file without a name line is named after itself.
        self.assertEqual(self.js("return document.body.dataset.profile"), expected["profile"])
        print("dropped file named %r" % expected["profile"])
        # Let go anywhere else, a file is refused there (the browser does not
        # open it in place of the page) and changes nothing.
        before = self.answers()
        taken = self.js("""
          const transfer = new DataTransfer();
          transfer.items.add(new File([arguments[0]], "elsewhere.dat"));
          return document.getElementById("Picture1").dispatchEvent(
            new DragEvent("drop", {dataTransfer: transfer, bubbles: true, cancelable: true}));""",
                        selig("", "4412").lstrip("\n"))
        self.assertFalse(taken, "a file dropped outside the airfoil plot was left to the browser")
        time.sleep(0.3)
        self.assertEqual(self.answers(), before)
        self.assertEqual(self.js("return document.body.dataset.profile"), expected["profile"])
        # A name that is no file name: only its plain letters, digits, dots
        # and underscores go into the saved files' names.
        path = self.write("odd.dat", selig("Çizim/../profil 1 ", "0012"))
        self.open_file(path)
        self.assert_same_surface(["--airfoil", path, "--alpha", "4"], "odd name", "izim-..-profil-1-a4")
        # The file is the section the code describes: the page's lift for
        # the Selig file is that of NACA 4412 to the files' seven digits.
        lifts = [render_json(*options, "--alpha", "4")["C_L"]
                 for options in (["--airfoil", self.write("again.dat", selig("x", "4412"))],
                                 ["--naca", "4412"])]
        self.assertAlmostEqual(lifts[0], lifts[1], delta=2e-3)
        self.assert_drawn("Lednicer file")
        self.assert_clean()

    def test_refusals_keep_the_profile_in_use(self):
        self.open(self.server.url + "?naca=2412&alpha=4&lang=en", passes=1)
        status = self.shown_text("Label_Status")
        report = self.shown_text("Label_ProfileReport")
        address = self.address()
        few = "few\n" + "".join("%g %g\n" % (1 - i / 10, 0.01 * (i % 2)) for i in range(10))
        upper, lower = naca4("0012")
        contour = list(reversed(upper)) + lower[1:]
        # A figure of eight: the surfaces change sides at mid-chord.
        crossing = "crossing\n" + "".join("%.7f %.7f\n" % (x, -y if x > 0.5 else y) for x, y in contour)
        # A point taken from its place to beyond the trailing edge.
        disorder = "disorder\n" + "".join("%.7f %.7f\n" % p for p in contour).replace("0.5000000 ", "1.5000000 ", 1)
        wide_gap = "gap\n" + "".join("%.7f %.7f\n" % (x, y + 0.03 * x * (1 if i < 61 else -1))
                                     for i, (x, y) in enumerate(list(reversed(upper)) + lower[1:]))
        files = [
            ("empty.dat", ""),
            ("words.dat", "bad profile\n1 0\n0.5 0.1\n0 zero\n"),
            ("nan.dat", "nan profile\n1 0\n0.5 nan\n0 0\n"),
            ("inf.dat", "inf profile\n1 0\n0.5 inf\n0 0\n"),
            ("few.dat", few),
            ("many.dat", "many\n" + "".join("%.6f 0\n" % (1 - i / 10001) for i in range(10001))),
            ("large.dat", "large\n" + "1 0\n" * 40000 + "# " + "x" * 1000000 + "\n"),
            ("crossing.dat", crossing),
            ("disorder.dat", disorder),
            ("gap.dat", wide_gap),
        ]
        for name, text in files:
            path = self.write(name, text)
            expected = refusal("--airfoil", path)
            self.open_file(path)
            refused = self.driver.find_element(By.ID, "Label_ProfileRefused")
            self.assertTrue(refused.is_displayed(), name)
            self.assertEqual(refused.text, expected, name)
            print("%s: %s" % (name, refused.text))
            self.assertEqual(self.js("return document.body.dataset.profileRefused"), "1")
            # Nothing changed: the section, the status line, the address.
            self.assertEqual(self.js("return document.body.dataset.profile"), "NACA 2412", name)
            self.assertTrue(self.js("return document.getElementById('Option_Naca').checked"), name)
            self.assertEqual(self.shown_text("Label_ProfileReport"), report, name)
            self.assertEqual(self.shown_text("Label_Status"), status, name)
            self.assertEqual(self.address(), address, name)
        # Codes: not 4 or 5 digits, an unknown mean line, a section of no thickness.
        box = self.driver.find_element(By.ID, "Text_Naca")
        for code in ["12", "24x2", "99012", "4400"]:
            box.clear()
            box.send_keys(code)
            before = self.answers()
            self.driver.find_element(By.ID, "Command_Naca").click()
            self.wait("the page's answer", lambda: self.answers() > before)
            refused = self.driver.find_element(By.ID, "Label_ProfileRefused")
            self.assertEqual(refused.text, refusal("--naca", code), code)
            self.assertEqual(self.js("return document.body.dataset.profile"), "NACA 2412", code)
            self.assertEqual(self.shown_text("Label_Status"), status, code)
            self.assertEqual(self.address(), address, code)
        # A refused code in the address: the sentence, and the designed profile.
        self.open(self.server.url + "?naca=12&alpha=4&lang=en", passes=1)
        self.assertEqual(self.shown_text("Label_ProfileRefused"), refusal("--naca", "12"))
        self.assertTrue(self.js("return document.getElementById('Profile_Details').open"))
        self.assertEqual(self.js("return document.body.dataset.profile"), "")
        self.assertNotIn("naca", self.address())
        self.assertTrue(self.shown_text("Label_Status").startswith("Lift coefficient C_L = "))
        self.assert_clean()

    def test_single_file_from_disk(self):
        # The page in one file runs the module in the page itself: the same
        # code from the address, and a file through the same input.
        page = "file://" + os.path.join(browser_test.SITE, "fluvenna.html")
        self.open(page + "?naca=4412&alpha=4&lang=en", passes=1)
        self.assertEqual(self.js("return document.body.dataset.worker"), "page")
        self.assert_agrees(render_json("--naca", "4412", "--alpha", "4"), "one file, NACA 4412")
        path = self.write("disk.dat", lednicer("NACA 2412 from disk", "2412"))
        self.open_file(path)
        self.assert_agrees(render_json("--airfoil", path, "--alpha", "4"), "one file, Lednicer")
        self.assert_clean()

    def test_back_to_joukowski(self):
        self.open(self.server.url + "?delta=0.12&gamma=0.04&alpha=4&naca=4412&lang=en", passes=1)
        self.assertEqual(self.designed_enabled(), [False] * 4)
        self.assertEqual(self.value("Text_DELTA"), "0.12")
        before = self.passes()
        self.driver.find_element(By.ID, "Option_Joukowski").click()
        self.wait("the designed profile", lambda: self.passes() > before)
        self.assertEqual(self.js("return document.body.dataset.profile"), "")
        self.assertEqual(self.designed_enabled(), [True] * 4)
        self.assertNotIn("naca", self.address())
        self.assertEqual(self.address()["delta"], ["0.12"])
        self.assertEqual(self.driver.title, DESIGNED_TITLE)
        self.assertEqual(self.shown_text("Label_ProfileReport"),
                         "The Joukowski profile of the table row chosen by δ and γ.")
        # The designed profile's numbers are the renderer's again.
        status = self.shown_text("Label_Status")
        summary = native("--delta", "0.12", "--gamma", "0.04", "--alpha", "4")
        lift = [line.split()[-1] for line in summary.splitlines() if "C_L" in line][0]
        self.assertTrue(status.startswith("Lift coefficient C_L = %s" % lift), status)
        # The δ bar works again.
        self.driver.find_element(By.ID, "HScroll_Delta").send_keys(Keys.ARROW_RIGHT)
        self.assertEqual(self.value("Text_DELTA"), "0.13")
        # Axe finds nothing with the section open, in either state.
        self.js("document.getElementById('Profile_Details').open = true")
        self.assertEqual(self.axe_violations(), [], "Joukowski, section open")
        self.driver.find_element(By.ID, "Option_Naca").click()  # the code in the box
        self.wait("NACA 4412", lambda: self.js("return document.body.dataset.profile") == "NACA 4412")
        self.assertEqual(self.axe_violations(), [], "NACA 4412, section open")
        self.assert_clean()


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], defaultTest="ProfileTest")
