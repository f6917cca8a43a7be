#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser edition in a real browser: Debian's headless Chromium driven by
Selenium against the site served on 127.0.0.1 by this test.

Usage: browser_test.py SITE_DIR FLUVENNA_RENDER DATA_DIR [--part K/N] [unittest options]

--part K/N runs the K-th of N shares of the tests (every N-th in name order,
from the K-th), so that the shares can run side by side.

Every test fails on an uncaught page error, a console error or a failed
request (apart from the table request of the test that removes the table),
and a time-out names the stage the page had reached.

The page runs the module in a worker, so what an action starts ends a moment
later: every look at the page's state (its texts, pixels, address and counts)
first waits for the page to settle (data-busy 0: no pass, redraw or answer
under way).
"""
import functools
import json
import http.server
import os
import random
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import urllib.parse

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "i18n"))
import make_catalogue  # noqa: E402
from selenium import webdriver
from selenium.common.exceptions import NoAlertPresentException
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

SITE, RENDER, DATA = (os.path.abspath(p) for p in sys.argv[1:4])
SOURCE_I18N = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "i18n")
TABLE = "KATJO-D20G15.txt"
TABLE_MESSAGE = "KATJO-D20G15.txt dosyası bulunamadı"
INITIAL_TEXTS = ["0.01", "0", "0", "1", "0.1", "2", "1", "0.01"]
TEXT_IDS = ["Text_DELTA", "Text_GAMA", "Text_Alfa", "Text_iKutta", "Text_dPsi", "Text_kMax",
            "Text_Olcek", "Text_dR"]
# The window's scroll bars: minimum, maximum, start, arrow step, track step.
BARS = {
    "HScroll_Delta": (1, 30, 1, 1, 1), "HScroll_Gama": (0, 14, 0, 1, 1),
    "HScroll_Alfa": (-10, 30, 0, 1, 5), "HScroll_iKutta": (0, 10, 10, 1, 1),
    "HScroll_dPsi": (1, 10, 10, 1, 1), "HScroll_kMax": (2, 10, 2, 2, 2),
    "HScroll_Olcek": (5, 30, 10, 1, 5),
}
TAB_ORDER = ["Text_DELTA", "Text_GAMA", "Text_Alfa", "Text_iKutta", "Picture1", "Picture2",
             "Text_kMax", "Text_dPsi", "Text_Olcek", "Text_dR", "HScroll_Alfa", "HScroll_iKutta",
             "HScroll_Delta", "HScroll_Gama", "HScroll_kMax", "HScroll_dPsi", "HScroll_Olcek"]
README_ADDRESS = "?delta=0.12&gamma=0.04&alpha=8&nsl=10"
README_OPTIONS = ["--delta", "0.12", "--gamma", "0.04", "--alpha", "8", "--nsl", "10"]
STAGE_TIMEOUT = 20.0
# axe-core, installed by scripts/setup.sh from the lock file.
AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "node_modules", "axe-core",
                   "axe.min.js")
TITLE = {"tr": "Joukowsky profili etrafında akım çizgileri", "en": "Streamlines around a Joukowsky profile"}

# Counts of the canvas's pixels by kind: background, red (the body), blue
# (streamlines), and the rest (axes, antialiased edges).
PIXEL_KINDS_JS = """
const data = document.getElementById(arguments[0]).getContext("2d")
    .getImageData(0, 0, arguments[1], arguments[2]).data;
const kinds = {background: 0, red: 0, blue: 0, other: 0};
for (let i = 0; i < data.length; i += 4) {
  const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
  if (r === 255 && g === 255 && b === 192) kinds.background++;
  else if (r > 200 && g < 120 && b < 120) kinds.red++;
  else if (b > 200 && r < 120 && g < 120) kinds.blue++;
  else kinds.other++;
}
return kinds;
"""


class Server:
    """A static server for one folder on a free port of 127.0.0.1 that keeps
    the status of every request."""

    def __init__(self, folder):
        self.requests = []
        outer = self

        class Handler(http.server.SimpleHTTPRequestHandler):
            def log_request(self, code="-", size="-"):
                outer.requests.append((self.path, int(code) if str(code).isdigit() else 0))

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Handler, directory=folder))
        self.url = "http://127.0.0.1:%d/" % self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def failed(self, allowed=()):
        return [(p, c) for p, c in self.requests
                if c >= 400 and urllib.parse.urlsplit(p).path.lstrip("/") not in allowed]

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def native(*options, cwd=DATA):
    return subprocess.run([RENDER, *options], cwd=cwd, check=True, capture_output=True,
                          text=True).stdout


def compare_csv(expected, actual, key_columns, tolerance):
    """Runs the module test's comparison on two CSV texts (Node)."""
    script = ("const {compareCsv} = require(%r);"
              "const fs = require('fs');"
              "const r = compareCsv(fs.readFileSync(process.argv[1], 'utf8'),"
              " fs.readFileSync(process.argv[2], 'utf8'), %r, %d);"
              "console.log(JSON.stringify(r));"
              % (os.path.join(os.path.dirname(os.path.abspath(__file__)), "compare_csv.js"), tolerance,
                 key_columns))
    with tempfile.TemporaryDirectory() as folder:
        paths = [os.path.join(folder, n) for n in ("native.csv", "page.csv")]
        for p, text in zip(paths, (expected, actual)):
            with open(p, "w", encoding="utf-8") as f:
                f.write(text)
        return subprocess.run(["node", "-e", script, *paths], check=True, capture_output=True,
                              text=True).stdout.strip()


def png_pixels(path):
    """The RGB bytes of a PNG, by ImageMagick."""
    return subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                          capture_output=True).stdout


def chromium(languages):
    """Headless Chromium whose user prefers `languages` (as navigator.languages)."""
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for arg in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                "--window-size=900,760", "--force-device-scale-factor=1",
                "--allow-file-access-from-files", "--lang=" + languages.split(",")[0]]:
        options.add_argument(arg)
    options.add_experimental_option("prefs", {"intl.accept_languages": languages})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(STAGE_TIMEOUT)
    return driver


class PageHelpers:
    """The page tests' server, browser, waiting and reading, without tests of
    their own: the base of every test class of the page."""

    # The browser's preferred languages: a user who prefers English (and
    # German, which Fluvenna lacks).
    languages = "en-US,en,de"

    @classmethod
    def setUpClass(cls):
        cls.server = Server(SITE)
        cls.driver = chromium(cls.languages)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.close()

    def setUp(self):
        self.driver.get_log("browser")  # start each test with an empty log
        self.server.requests.clear()

    # --- helpers -------------------------------------------------------------

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, what, condition, timeout=STAGE_TIMEOUT):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if condition():
                return
            time.sleep(0.02)
        stage = self.js("return document.body && document.body.dataset.stage") or "loading"
        self.fail("timed out waiting for %s; the page reached the stage %r" % (what, stage))

    def settle(self):
        """Waits until the page has done what the last action started."""
        self.wait("the page to settle", lambda: self.js("return document.body.dataset.busy || '0'") == "0")

    def passes(self):
        self.settle()
        return int(self.js("return document.body.dataset.passes || '0'"))

    def current_url(self):
        self.settle()
        return self.driver.current_url

    def shown_text(self, element_id):
        """The text of an element as it is shown (Selenium's text), once settled."""
        self.settle()
        return self.driver.find_element(By.ID, element_id).text

    def open(self, url, passes=0):
        """Opens a page and waits until it is ready (and has drawn `passes` passes)."""
        self.driver.get(url)
        self.wait("the page to be ready",
                  lambda: self.js("return document.body.dataset.stage") == "ready")
        self.wait("the first pass", lambda: self.passes() >= passes)
        self.settle()

    def assert_clean(self, allowed_requests=(), allowed_log=()):
        problems = [e["message"] for e in self.driver.get_log("browser")
                    if e["level"] == "SEVERE" and not any(a in e["message"] for a in allowed_log)]
        self.assertEqual(problems, [], "page errors")
        self.assertEqual(self.server.failed(allowed_requests), [], "failed requests")
        try:
            self.fail("an alert opened: %r" % self.driver.switch_to.alert.text)
        except NoAlertPresentException:
            pass

    def value(self, element_id):
        self.settle()
        return self.driver.find_element(By.ID, element_id).get_attribute("value")

    def texts(self):
        return [self.value(i) for i in TEXT_IDS]

    def look_at(self, canvas_id):
        """Scrolls a picture into view, where the page paints one it left for
        when seen, and waits for it."""
        self.js("document.getElementById(arguments[0]).scrollIntoView({block: 'nearest'})", canvas_id)
        self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "requestAnimationFrame(() => requestAnimationFrame(() => requestAnimationFrame(done)))")
        self.settle()

    def kinds(self, canvas_id):
        self.look_at(canvas_id)
        return self.js(PIXEL_KINDS_JS, canvas_id, 396, 263)

    def assert_drawn(self, message):
        for canvas in ("Picture1", "Picture2"):
            kinds = self.kinds(canvas)
            self.assertGreater(kinds["red"], 50, "%s: no red body on %s: %s" % (message, canvas, kinds))
            self.assertGreater(kinds["blue"], 50, "%s: no blue streamline on %s: %s" % (message, canvas, kinds))

    def click_arrow(self, bar_id, up=True):
        arrows = self.driver.find_elements(By.CSS_SELECTOR, "#%s ~ .arrow, .arrow:has(+ #%s)" % (bar_id, bar_id))
        arrows[-1 if up else 0].click()

    def capture_downloads(self):
        """Keeps what the page saves instead of saving it."""
        self.js("""
          window.__saved = [];
          HTMLAnchorElement.prototype.click = function () {
            window.__saved.push({name: this.download, href: this.href});
          };""")

    def saved(self, index):
        self.wait("a saved file", lambda: self.js("return window.__saved.length") > index)
        return self.driver.execute_async_script("""
          const done = arguments[arguments.length - 1];
          const file = window.__saved[arguments[0]];
          fetch(file.href).then(r => r.text()).then(text => done({name: file.name, text}));""", index)

    def canvas_pixels(self, canvas_id, look=True):
        """The canvas's pixels as the page shows them once it is seen (with
        `look` false: as they are, wherever it is)."""
        if look:
            self.look_at(canvas_id)
        self.settle()
        return bytes(self.js(
            "const c = document.getElementById(arguments[0]);"
            "return Array.from(c.getContext('2d').getImageData(0, 0, c.width, c.height).data)", canvas_id))

    def element_text(self, element_id):
        self.settle()
        return self.js("return document.getElementById(arguments[0]).textContent", element_id)

    def aria_label(self, element_id):
        return self.driver.find_element(By.ID, element_id).get_attribute("aria-label")

    def axe_violations(self):
        if not self.js("return typeof axe === 'object'"):
            with open(AXE, encoding="utf-8") as f:
                self.js(f.read())
        return self.driver.execute_async_script("""
          const done = arguments[arguments.length - 1];
          axe.run(document).then(r => done(r.violations.map(v =>
            v.id + ": " + v.nodes.map(n => n.target.join(" ")).join(", "))));""")


class BrowserTest(PageHelpers, unittest.TestCase):
    # --- the tests -----------------------------------------------------------

    def test_window_controls_and_handlers(self):
        self.open(self.server.url)
        self.assertEqual(self.driver.title, TITLE["en"])
        self.assertEqual(self.texts(), INITIAL_TEXTS)
        self.assertEqual(self.js("return document.activeElement.id"), "Text_DELTA")
        # Before a pass the plots show only their background: nothing drawn
        # on the canvas, over the plots' colour.
        for canvas in ("Picture1", "Picture2"):
            self.assertEqual(self.js("return getComputedStyle(document.getElementById(arguments[0])).backgroundColor",
                                     canvas), "rgb(255, 255, 192)")
            self.assertEqual(self.js("const c = document.getElementById(arguments[0]);"
                                     "return c.getContext('2d').getImageData(0, 0, c.width, c.height).data"
                                     ".some((v) => v !== 0)", canvas), False, canvas)
        for bar, expected in BARS.items():
            got = self.js("const b = document.getElementById(arguments[0]);"
                          "return [b.min, b.max, b.value, b.dataset.arrowStep, b.dataset.trackStep]"
                          ".map(Number);", bar)
            self.assertEqual(tuple(got), expected, bar)
        # Every control has a name for a screen reader, and Tab goes the window's way.
        for element_id in TEXT_IDS + list(BARS) + ["Picture1", "Picture2"]:
            self.assertTrue(self.driver.find_element(By.ID, element_id).get_attribute("aria-label"), element_id)
        self.driver.find_element(By.ID, "Text_DELTA").click()
        order = []
        for _ in TAB_ORDER:
            order.append(self.js("return document.activeElement.id"))
            self.driver.switch_to.active_element.send_keys(Keys.TAB)
        self.assertEqual(order, TAB_ORDER)

        # One click on the right arrow, then one Right key on the focused bar.
        self.click_arrow("HScroll_Delta")
        self.assertEqual(self.value("Text_DELTA"), "0.02")
        self.assertEqual(self.passes(), 1)
        self.assert_drawn("after the arrow click")
        self.assertIn("delta=0.02", self.current_url())
        self.driver.find_element(By.ID, "HScroll_Delta").send_keys(Keys.ARROW_RIGHT)
        self.assertEqual(self.value("Text_DELTA"), "0.03")
        self.assertEqual(self.passes(), 2)
        self.assert_drawn("after the Right key")
        self.assertIn("C_L", self.shown_text("Label_Status"))

        # A typed value survives another bar and gives way to its own.
        box = self.driver.find_element(By.ID, "Text_DELTA")
        box.clear()
        box.send_keys("0.05")
        self.click_arrow("HScroll_Gama")
        self.assertEqual((self.value("Text_DELTA"), self.value("Text_GAMA")), ("0.05", "0.01"))
        self.click_arrow("HScroll_Delta")
        self.assertEqual(self.value("Text_DELTA"), "0.04")

        # Page keys move by the track step, ends stop the bar, kMax steps by 2.
        self.driver.find_element(By.ID, "HScroll_Alfa").send_keys(Keys.PAGE_UP)
        self.assertEqual(self.value("Text_Alfa"), "5")
        self.driver.find_element(By.ID, "HScroll_Olcek").send_keys(Keys.END)
        self.assertEqual(self.value("Text_Olcek"), "3")
        before = self.passes()
        self.click_arrow("HScroll_Olcek")  # already at the right end: no pass
        self.assertEqual(self.passes(), before)
        self.click_arrow("HScroll_kMax")
        self.assertEqual(self.value("Text_kMax"), "4")

        # A dragged thumb acts once, on release, with whatever position it reached.
        bar = self.driver.find_element(By.ID, "HScroll_kMax")
        before = self.passes()
        drag = ActionChains(self.driver).click_and_hold(bar).move_by_offset(-bar.size["width"] // 2 + 2, 0)
        drag.perform()
        self.assertEqual(self.passes(), before, "a pass ran while the thumb was held")
        ActionChains(self.driver).release().perform()
        self.wait("the pass on release", lambda: self.passes() == before + 1)
        self.assertIn(self.value("HScroll_kMax"), ("2", "3"))
        self.assertEqual(self.value("Text_kMax"), self.value("HScroll_kMax"))

        # A plot click redraws with the texts as they stand.
        before = self.passes()
        self.driver.find_element(By.ID, "Picture2").click()
        self.assertEqual(self.passes(), before + 1)

        # A refused parameter says why and leaves the plots as they were.
        drawn = [self.kinds(c) for c in ("Picture1", "Picture2")]
        box = self.driver.find_element(By.ID, "Text_dR")
        box.clear()
        box.send_keys("0")
        self.driver.find_element(By.ID, "Picture1").click()
        self.assertIn("dR", self.shown_text("Label_Status"))
        self.assertEqual(self.js("return document.getElementById('Label_Status').className"), "failed")
        self.assertEqual([self.kinds(c) for c in ("Picture1", "Picture2")], drawn)

        # About opens one dialog, however often it is chosen.
        for _ in range(3):
            self.driver.find_element(By.ID, "Mn_About").click()
        self.assertEqual(self.js("return document.querySelectorAll('dialog[open]').length"), 1)
        self.assertIn("Streamlines around a Joukowsky Airfoil",
                      self.shown_text("Form_About"))
        self.assertIn("GPL-3.0-or-later", self.shown_text("About_Licence"))
        self.driver.find_element(By.CSS_SELECTOR, "#Form_About .close").click()
        self.assertEqual(self.js("return document.querySelectorAll('dialog[open]').length"), 0)
        self.assert_clean()

    def test_address_pictures_and_saved_files(self):
        self.open(self.server.url + README_ADDRESS + "&colour=red&colour=blue", passes=1)
        expected = ["0.12", "0.04", "8", "1", "0.1", "10", "1", "0.01"]
        self.assertEqual(self.texts(), expected)
        self.assertEqual(self.value("HScroll_Delta"), "12")
        self.assertEqual(self.value("HScroll_kMax"), "10")
        status = self.shown_text("Label_Status")
        summary = native(*README_OPTIONS)
        lift = [line.split()[-1] for line in summary.splitlines() if "C_L" in line][0]
        self.assertIn("C_L = %s" % lift, status)
        self.assertEqual(status.count("colour"), 1, status)

        # The two pictures are the renderer's: the same ink on the same pixels.
        with tempfile.TemporaryDirectory() as folder:
            native(*README_OPTIONS, "--png", os.path.join(folder, "out"))
            for canvas, plane in (("Picture1", "circle"), ("Picture2", "airfoil"),
                                  ("Picture_Pressure", "pressure"), ("Picture_Lift", "lift")):
                png = png_pixels(os.path.join(folder, "out-%s.png" % plane))
                self.look_at(canvas)
                page = bytes(self.js(
                    "return Array.from(document.getElementById(arguments[0]).getContext('2d')"
                    ".getImageData(0, 0, 396, 263).data)", canvas))
                self.assert_same_ink(png, page, canvas)

        # The CSV button saves the renderer's CSV; file names say what they hold.
        self.capture_downloads()
        self.driver.find_element(By.ID, "Save_Csv").click()
        self.driver.find_element(By.ID, "Save_Surface_Csv").click()
        self.driver.find_element(By.ID, "Save_Picture2").click()
        csv, surface = self.saved(0), self.saved(1)
        self.assertEqual(csv["name"], "fluvenna-d0.12-g0.04-a8.csv")
        self.assertEqual(surface["name"], "fluvenna-surface-d0.12-g0.04-a8.csv")
        print("page CSV against the renderer:",
              compare_csv(native(*README_OPTIONS, "--csv", "-"), csv["text"], 4, 1e-12))
        print("page surface CSV against the renderer:",
              compare_csv(native(*README_OPTIONS, "--cp", "-"), surface["text"], 2, 1e-10))
        self.assertEqual(self.saved(2)["name"], "fluvenna-airfoil-d0.12-g0.04-a8.png")
        self.assertIn("C_L", self.shown_text("Label_Pressure"))
        self.driver.find_element(By.ID, "Save_Lift_Csv").click()
        lift_csv = self.saved(3)
        self.assertEqual(lift_csv["name"], "fluvenna-lift-curve-d0.12-g0.04-a8.csv")
        print("page lift-curve CSV against the renderer:",
              compare_csv(native(*README_OPTIONS, "--lift-curve", "-"), lift_csv["text"], 1, 1e-12))

        # Markup in the address is only ever text.
        script = "<img src=x onerror=alert(1)>"
        self.open(self.server.url + "?" + urllib.parse.urlencode({"delta": script}), passes=1)
        self.assertEqual(self.value("Text_DELTA"), script)
        self.assertEqual(self.js("return document.querySelectorAll('img[src=x]').length"), 0)
        self.assert_drawn("with markup as delta")
        self.assertIn("delta=%3Cimg", self.current_url())
        self.assert_clean()

    def assert_same_ink(self, png, page, name):
        """Pixels that are not background in one picture have ink within one
        pixel in the other, for nearly all of them (antialiasing differs)."""
        width, height = 396, 263

        def ink(data, stride):
            return {(i // stride % width, i // stride // width)
                    for i in range(0, len(data), stride)
                    if (data[i], data[i + 1], data[i + 2]) != (255, 255, 192)
                    and min(data[i], data[i + 1]) < 200}

        a, b = ink(png, 3), ink(page, 4)
        self.assertGreater(len(a), 1000, name)

        def near(points, others):
            return sum(1 for x, y in points
                       if any((x + dx, y + dy) in others for dx in (-1, 0, 1) for dy in (-1, 0, 1)))

        share = min(near(a, b) / len(a), near(b, a) / len(b))
        print("%s: %d renderer ink pixels, %d page ink pixels, %.4f within one pixel" % (name, len(a), len(b), share))
        self.assertGreater(share, 0.98, name)

    def test_boundary_layer(self):
        """?re= is taken and kept; the friction picture and the boundary
        layer's CSV and line are the renderer's; a bad Re is refused with a
        sentence and changes nothing; a wing fills Re in."""
        self.open(self.server.url + README_ADDRESS + "&re=3e6", passes=1)
        layer = self.driver.find_element(By.ID, "Label_BoundaryLayer")
        self.assertTrue(layer.text.startswith("Re = 3e6: C_D = "), layer.text)
        self.assertEqual(self.value("Text_Re"), "3e6")
        self.assertIn("re=3e6", self.current_url())
        options = README_OPTIONS + ["--re", "3e6"]
        summary = json.loads(native(*options, "--json"))
        self.assertIn("C_D = %.5f " % summary["C_D"], layer.text)
        with tempfile.TemporaryDirectory() as folder:
            native(*options, "--png", os.path.join(folder, "out"))
            for canvas, picture in (("Picture_Friction", "friction"), ("Picture_Pressure", "pressure"),
                                    ("Picture_Lift", "lift")):
                png = png_pixels(os.path.join(folder, "out-%s.png" % picture))
                self.look_at(canvas)
                page = bytes(self.js(
                    "return Array.from(document.getElementById(arguments[0]).getContext('2d')"
                    ".getImageData(0, 0, 396, 263).data)", canvas))
                self.assert_same_ink(png, page, canvas)
        self.assertGreater(self.kinds("Picture_Polar")["red"], 100)
        self.capture_downloads()
        self.driver.find_element(By.ID, "Save_Boundary_Layer_Csv").click()
        self.driver.find_element(By.ID, "Save_Polar_Csv").click()
        layer_csv, polar_csv = self.saved(0), self.saved(1)
        self.assertEqual(layer_csv["name"], "fluvenna-boundary-layer-d0.12-g0.04-a8.csv")
        print("page boundary layer against the renderer:",
              compare_csv(native(*options, "--boundary-layer", "-"), layer_csv["text"], 2, 1e-10))
        print("page polar against the renderer:",
              compare_csv(native(*options, "--polar", "-"), polar_csv["text"], 1, 1e-10))

        # A bad Re: the sentence, nothing redrawn, the address keeps the good one.
        before = (layer.text, self.canvas_pixels("Picture_Friction"))
        re_box = self.driver.find_element(By.ID, "Text_Re")
        re_box.clear()
        re_box.send_keys("12abc", Keys.TAB)
        refused = self.driver.find_element(By.ID, "Label_Refused")
        self.settle()
        self.assertEqual(refused.text, "The Reynolds number must be a finite number.")
        self.assertEqual((layer.text, self.canvas_pixels("Picture_Friction")), before)
        self.driver.find_element(By.ID, "Picture1").click()
        self.assertIn("re=3e6", self.current_url())
        re_box.clear()
        re_box.send_keys("2e5", Keys.TAB)
        self.settle()
        self.assertFalse(refused.is_displayed())
        self.settle()
        self.assertTrue(layer.text.startswith("Re = 2e5: "), layer.text)
        self.assertNotEqual(self.canvas_pixels("Picture_Friction"), before[1])

        # A wing: Re from the standard atmosphere, and the force per metre of span.
        self.driver.find_element(By.ID, "Check_Wing").click()
        wing = json.loads(native(*README_OPTIONS, "--speed", "50", "--chord", "0.3", "--altitude", "0",
                                 "--json"))
        self.assertEqual(self.value("Text_Re"), str(round(wing["Re"])))
        self.settle()
        self.assertIn("L' = %.1f N/m" % wing["lift_per_span_N"], layer.text)
        self.assert_clean()

    def test_flow_field_and_lift_curve(self):
        self.open(self.server.url + README_ADDRESS, passes=1)
        for section in ("Form_Field", "Form_Lift"):
            self.assertTrue(self.driver.find_element(By.ID, section).is_displayed(), section)
        for button in ("Save_Picture_Field", "Save_Field_Csv", "Save_Picture_Lift", "Save_Lift_Csv"):
            self.assertTrue(self.driver.find_element(By.ID, button).is_enabled(), button)
        self.assertIn("Slope dC_L/dα", self.shown_text("Label_Lift"))
        canvas = self.driver.find_element(By.ID, "Picture_Field")
        width, height = self.js("const c = arguments[0]; return [c.width, c.height]", canvas)
        self.assertEqual((width, height), (466, 263))  # the renderer's field for 396 x 263 plots

        # The colour field reaches the canvas (the image path): in each
        # colouring the page's pixels are the renderer's, and the colourings differ.
        colouring = Select(self.driver.find_element(By.ID, "Field_Colouring"))
        self.assertEqual(colouring.first_selected_option.get_attribute("value"), "cp")
        flow_width = 395  # the flow's part, left of the colour bar's strip
        shown = {}
        with tempfile.TemporaryDirectory() as folder:
            for quantity in ("cp", "speed"):
                colouring.select_by_value(quantity)
                native(*README_OPTIONS, "--field", quantity, "--png", os.path.join(folder, quantity))
                png = png_pixels(os.path.join(folder, "%s-field.png" % quantity))
                page = self.canvas_pixels("Picture_Field")
                shown[quantity] = page
                flow = [(x, y) for y in range(height) for x in range(flow_width)]
                coloured = sum(1 for x, y in flow
                               if tuple(page[4 * (y * width + x):4 * (y * width + x) + 3]) != (255, 255, 192))
                same = sum(1 for x, y in flow
                           if max(abs(page[4 * (y * width + x) + c] - png[3 * (y * width + x) + c])
                                  for c in range(3)) <= 2)
                print("flow field by %s: %d of %d flow pixels coloured, %.4f as the renderer's"
                      % (quantity, coloured, len(flow), same / len(flow)))
                self.assertGreater(coloured, 0.8 * len(flow), quantity)
                self.assertGreater(same / len(flow), 0.95, quantity)
        changed = sum(1 for i in range(0, len(shown["cp"]), 4) if shown["cp"][i:i + 3] != shown["speed"][i:i + 3])
        self.assertGreater(changed, 0.5 * width * height)
        colouring.select_by_value("none")
        self.settle()
        kinds = self.js(PIXEL_KINDS_JS, "Picture_Field", width, height)
        self.assertGreater(kinds["background"], 0.8 * width * height, kinds)
        self.assertGreater(kinds["blue"], 50, kinds)
        colouring.select_by_value("cp")

        # The probe follows the pointer and is quiet over the colour bar.
        probe = self.driver.find_element(By.ID, "Label_Probe")
        self.settle()
        hint = probe.text
        lines = []
        for dx, dy in ((-200, -100), (-150, 60), (220, 0)):  # from the canvas's centre
            ActionChains(self.driver).move_to_element_with_offset(canvas, dx, dy).perform()
            self.settle()
            lines.append(probe.text)
        for line in lines[:2]:
            self.assertRegex(line, r"^x = -0\.\d{3}, y = -?0\.\d{3}: q/U0 = \d\.\d{3}, "
                                   r"Cp = -?\d\.\d{3}, ψ = -?\d\.\d{4}$")
        self.assertNotEqual(lines[0], lines[1])
        self.assertEqual(lines[2], hint)

        # The saved field CSV and picture (the CSV is saved at once, the
        # picture when its PNG is ready).
        self.capture_downloads()
        self.driver.find_element(By.ID, "Save_Field_Csv").click()
        self.driver.find_element(By.ID, "Save_Picture_Field").click()
        self.wait("the saved files", lambda: self.js("return window.__saved.length") >= 2)
        self.assertEqual(self.js("return window.__saved[1].name"), "fluvenna-field-d0.12-g0.04-a8.png")
        saved = self.driver.execute_async_script("""
          const done = arguments[arguments.length - 1];
          const file = window.__saved[0];
          fetch(file.href).then(r => r.text()).then(text => {
            const lines = text.trimEnd().split("\\n");
            done({name: file.name, head: lines[0], rows: lines.length - 1});
          });""")
        expected = native(*README_OPTIONS, "--field-csv", "-").rstrip("\n").split("\n")
        self.assertEqual(saved, {"name": "fluvenna-field-d0.12-g0.04-a8.csv", "head": expected[0],
                                 "rows": len(expected) - 1})
        self.assert_clean()

    def motion(self):
        """The animation as the page reports it, and what its canvas over the
        field shows: how many pixels are drawn, how many of them black (the
        particles) and green (the timelines), and a digest of them."""
        self.settle()
        return self.js("""
          const c = document.getElementById("Picture_Motion");
          const d = c.getContext("2d").getImageData(0, 0, c.width, c.height).data;
          const seen = {drawn: 0, black: 0, green: 0, digest: 0};
          for (let i = 0; i < d.length; i += 4) {
            if (d[i + 3] === 0) continue;
            seen.drawn++;
            seen.digest = (Math.imul(seen.digest, 31) + i + d[i + 1] + 7 * d[i + 3]) | 0;
            if (d[i + 3] > 128 && d[i] < 60 && d[i + 1] < 60 && d[i + 2] < 60) seen.black++;
            else if (d[i + 1] > d[i] + 40 && d[i + 1] > d[i + 2] + 40) seen.green++;
          }
          const b = document.body.dataset;
          return Object.assign(seen, {time: Number(b.motionTime), frames: Number(b.motionFrames || 0),
                                      state: b.motion, passes: Number(b.passes), core: Number(b.corePasses)});""")

    def set_hidden(self, hidden):
        """The page hidden or shown again, as a browser tells it: document.hidden
        and visibilityState, then the visibilitychange event."""
        self.js("""
          if (arguments[0]) {
            Object.defineProperty(document, "hidden", {configurable: true, get: () => true});
            Object.defineProperty(document, "visibilityState", {configurable: true, get: () => "hidden"});
          } else {
            delete document.hidden;
            delete document.visibilityState;
          }
          document.dispatchEvent(new Event("visibilitychange"));""", hidden)

    def test_flow_in_motion(self):
        self.open(self.server.url + README_ADDRESS, passes=1)
        play = self.driver.find_element(By.ID, "Button_Play")
        self.assertTrue(play.is_enabled())
        self.assertEqual(play.text, "Play")
        self.assertEqual(self.shown_text("Label_TimeUnit"), "c/U0 (one c/U0 takes 2 s)")
        before = self.motion()
        self.assertEqual(before["drawn"], 0, "particles before Play")
        field = self.canvas_pixels("Picture_Field")

        # Play: frames follow one another, the time runs with the clock (one
        # chord / U0 in 2 s), and no pass runs and the field stays as drawn.
        play.click()
        self.assertEqual(play.text, "Pause")
        self.wait("frames", lambda: self.motion()["frames"] >= 5 and self.motion()["time"] > 0.1)
        first, start = self.motion(), time.monotonic()
        time.sleep(0.4)
        second, elapsed = self.motion(), time.monotonic() - start
        self.assertEqual(first["state"], "running")
        self.assertGreater(second["frames"], first["frames"])
        self.assertNotEqual(first["digest"], second["digest"], "the particles stand still")
        self.assertGreater(first["black"], 20, first)
        self.assertGreater(first["green"], 20, first)  # timelines are on by default
        advanced = second["time"] - first["time"]
        self.assertGreater(advanced, 0.5 * elapsed / 2 - 0.02, (advanced, elapsed))
        self.assertLess(advanced, elapsed / 2 + 0.05, (advanced, elapsed))
        self.assertEqual((second["passes"], second["core"]), (before["passes"], before["core"]),
                         "a pass ran while playing")
        self.assertEqual(self.canvas_pixels("Picture_Field"), field, "the field was redrawn while playing")

        # Pause: no more frames, the particles stay where they are; timelines
        # off and on redraw that moment without and with them.
        play.click()
        self.assertEqual(play.text, "Play")
        paused = self.motion()
        time.sleep(0.3)
        still = self.motion()
        self.assertEqual(paused["state"], "paused")
        self.assertEqual((still["frames"], still["time"], still["digest"]),
                         (paused["frames"], paused["time"], paused["digest"]))
        timelines = self.driver.find_element(By.ID, "Check_Timelines")
        timelines.click()
        bare = self.motion()
        self.assertEqual(bare["green"], 0, bare)
        self.assertGreater(bare["black"], 0.8 * paused["black"], (bare, paused))
        self.assertEqual(bare["time"], paused["time"])
        timelines.click()
        self.assertEqual(self.motion()["digest"], paused["digest"])
        # A shorter release interval releases more particles at the same moment.
        interval = self.driver.find_element(By.ID, "Spin_Interval")
        self.assertEqual(interval.get_attribute("value"), "0.25")
        interval.send_keys(Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ARROW_DOWN)  # 0.1
        self.assertGreater(self.motion()["black"], 1.5 * paused["black"])

        # Hidden, the page draws no frames; shown again, it goes on.
        play.click()
        self.wait("frames", lambda: self.motion()["frames"] > still["frames"] + 3)
        self.set_hidden(True)
        hidden = self.motion()
        time.sleep(1.0)
        later = self.motion()
        self.assertEqual(hidden["state"], "held")
        self.assertEqual((later["frames"], later["time"]), (hidden["frames"], hidden["time"]))
        self.set_hidden(False)
        self.wait("frames after showing", lambda: self.motion()["frames"] > later["frames"] + 3)
        # The hidden time (0.5 c/U0) does not count.
        self.assertLess(self.motion()["time"] - later["time"], 0.3)

        # A new pass (a click on a plot) starts the particles afresh on its curves.
        # Its clock starts at 0, so it shows less than the 0.4 the old clock
        # had passed before the click (a busy machine may take some frames
        # to answer, so not much less).
        self.wait("the time to run on", lambda: self.motion()["time"] > 0.4)
        self.driver.find_element(By.ID, "Picture2").click()
        self.wait("the new pass", lambda: self.motion()["passes"] == before["passes"] + 1)
        restarted = self.motion()
        self.assertLess(restarted["time"], 0.4, restarted)
        self.assertEqual(restarted["core"], before["core"] + 1)
        self.wait("frames on the new pass", lambda: self.motion()["frames"] > restarted["frames"] + 3)
        self.assertGreater(self.motion()["black"], 0)
        play.click()
        self.assert_clean()

    def map_state(self):
        """The conformal-map section as the page reports it, and the share of
        the pointer's green on each of its pictures."""
        self.settle()
        return self.js("""
          const green = (id) => {
            const c = document.getElementById(id);
            const d = c.getContext("2d").getImageData(0, 0, c.width, c.height).data;
            let n = 0;
            for (let i = 0; i < d.length; i += 4) n += d[i + 1] > d[i] + 60 && d[i + 1] > d[i + 2] + 60;
            return n;
          };
          const b = document.body.dataset;
          return {morph: b.morph, state: b.morphPlay, frames: Number(b.morphFrames || 0),
                  green: ["Picture_MapCircle", "Picture_MapMorph", "Picture_MapAirfoil"].map(green),
                  line: document.getElementById("Label_MapPointer").textContent,
                  critical: document.getElementById("Label_Critical").textContent};""")

    def test_conformal_map(self):
        self.open(self.server.url + README_ADDRESS, passes=1)
        circle, middle, airfoil = ("Picture_MapCircle", "Picture_MapMorph", "Picture_MapAirfoil")
        self.assertEqual(self.kinds(middle)["red"], 0, "drawn while the section is closed")
        self.driver.find_element(By.CSS_SELECTOR, "#Map_Details summary").click()
        self.wait("the map", lambda: self.kinds(middle)["red"] > 50)
        for canvas in (circle, middle, airfoil):
            kinds = self.kinds(canvas)
            self.assertGreater(kinds["blue"], 50, (canvas, kinds))
        # Side by side where the screen has room for the three, one under
        # another where it has not; never wider than the screen.
        def rows():
            return self.js("""return [...arguments[0]].map(id => {
              const r = document.getElementById(id).getBoundingClientRect();
              return [Math.round(r.left), Math.round(r.top), Math.round(r.right)]; })
              .concat([[document.documentElement.scrollWidth, innerWidth]])""",
                           [circle, middle, airfoil])
        try:
            self.driver.set_window_size(1400, 900)
            self.wait("a wide page", lambda: self.js("return innerWidth") >= 1300)
            *pictures, (scroll, inner) = rows()
            self.assertEqual(len({top for _, top, _ in pictures}), 1, pictures)
            self.assertTrue(all(a[2] < b[0] for a, b in zip(pictures, pictures[1:])), pictures)
            self.assertLessEqual(scroll, inner)
        finally:
            self.driver.set_window_size(900, 760)
        *pictures, (scroll, inner) = rows()
        self.assertEqual(len({left for left, _, _ in pictures}), 1, pictures)
        self.assertLessEqual(scroll, inner)
        state = self.map_state()
        self.assertEqual(state["morph"], "0.500")
        self.assertTrue(state["critical"].startswith("Critical points z = ±c_J = ±0.24"), state)

        # The slider's ends draw the circle and the airfoil planes exactly.
        slider = self.driver.find_element(By.ID, "Slider_Morph")
        slider.send_keys(Keys.HOME)
        self.assertEqual(self.map_state()["morph"], "0.000")
        self.assertEqual(self.canvas_pixels(middle, look=False), self.canvas_pixels(circle, look=False))
        slider.send_keys(Keys.END)
        self.assertEqual(self.map_state()["morph"], "1.000")
        self.assertEqual(self.canvas_pixels(middle, look=False), self.canvas_pixels(airfoil, look=False))

        # The linked pointer: the circle's centre is inside the body; a point
        # in the flow is ringed in all three pictures.
        picture = self.driver.find_element(By.ID, circle)
        ActionChains(self.driver).move_to_element(picture).perform()  # the plot's origin
        self.wait("the inside line", lambda: "inside the body" in self.map_state()["line"])
        self.assertEqual(self.map_state()["green"], [0, 0, 0])
        ActionChains(self.driver).move_to_element_with_offset(picture, -120, -80).perform()
        self.wait("the pointer's line", lambda: "stretch |dζ/dz|" in self.map_state()["line"])
        self.assertTrue(all(g > 4 for g in self.map_state()["green"]), self.map_state())

        # Play runs t from 0 to 1 in about 3 s, holding while the page is hidden.
        play = self.driver.find_element(By.ID, "Button_PlayMorph")
        play.click()
        self.assertEqual(play.text, "Pause")
        self.wait("frames", lambda: self.map_state()["frames"] >= 5)
        self.set_hidden(True)
        held = self.map_state()
        time.sleep(0.5)
        self.assertEqual(self.map_state()["state"], "held")
        self.assertEqual(self.map_state()["morph"], held["morph"])
        self.set_hidden(False)
        self.wait("the end of the morph", lambda: self.map_state()["morph"] == "1.000", timeout=8.0)
        self.wait("Play again", lambda: play.text == "Play")
        self.assertEqual(self.map_state()["state"], "paused")
        if os.environ.get("FLUVENNA_SHOTS"):
            self.driver.set_window_size(1400, 1800)
            slider.send_keys(Keys.HOME, Keys.PAGE_UP, Keys.PAGE_UP, Keys.PAGE_UP, Keys.PAGE_UP,
                             Keys.PAGE_UP)
            ActionChains(self.driver).move_to_element_with_offset(picture, 60, -60).perform()
            self.driver.find_element(By.ID, "Form_Map").screenshot(
                os.path.join(os.environ["FLUVENNA_SHOTS"], "page.png"))
        self.assert_clean()

    def test_random_addresses(self):
        rng = random.Random(10)
        keys = ["delta", "gamma", "alpha", "kutta", "dpsi", "nsl", "scale", "dr", "x", "DELTA", "", "nsl "]
        for i in range(50):
            parts = []
            for _ in range(rng.randint(0, 6)):
                key = rng.choice(keys)
                kind = rng.random()
                if kind < 0.3:
                    value = urllib.parse.quote(bytes(rng.randrange(256) for _ in range(rng.randint(0, 40))))
                elif kind < 0.4:
                    value = "9" * rng.randint(300, 3000)
                elif kind < 0.5:
                    value = "<script>alert(%d)</script>" % i
                else:
                    value = str(rng.uniform(-50, 50))
                parts.append("%s=%s" % (urllib.parse.quote(key), value))
            if rng.random() < 0.2:
                parts.append("%s=%s" % (rng.choice(keys), "%ZZ%%%"))
            self.driver.get(self.server.url + "?" + "&".join(parts))
            self.wait("page %d to be ready" % i, lambda: self.js("return document.body.dataset.stage") == "ready")
            self.assert_clean()

    def test_site_without_the_table(self):
        with tempfile.TemporaryDirectory() as folder:
            for name in os.listdir(SITE):
                if name != TABLE:
                    shutil.copy(os.path.join(SITE, name), folder)
            server = Server(folder)
            try:
                self.driver.get(server.url + "?lang=tr")
                self.wait("the table message", lambda: self.js(
                    "return document.getElementById('Message_Box').open"))
                self.assertEqual(self.shown_text("Message_Text"), TABLE_MESSAGE)
                self.driver.find_element(By.ID, "Message_OK").click()
                self.driver.find_element(By.ID, "Picture1").click()
                self.assertEqual(self.passes(), 1)
                self.assert_drawn("the flat plate")
                self.assertEqual([c for p, c in server.requests if p.endswith(TABLE)], [404])
                self.assertEqual(server.failed(allowed=(TABLE,)), [])
                self.assert_clean(allowed_log=(TABLE,))
            finally:
                server.close()

    def assert_language(self, language):
        """The page's own texts, its accessible names and <html lang> are in `language`."""
        english = language == "en"
        self.assertEqual(self.js("return document.documentElement.lang"), language)
        self.assertEqual(self.driver.title, TITLE[language])
        self.assertEqual(self.element_text("Label6"), "Kutta =" if english else "Kutta şartı")
        self.assertEqual(self.element_text("Pressure_Title"), "Surface pressure and boundary layer" if english
                         else "Yüzey basıncı ve sınır tabaka")
        self.assertEqual(self.element_text("Message_OK"), "OK" if english else "Tamam")
        self.assertEqual(self.aria_label("Text_Alfa"),
                         "angle of attack α in degrees" if english else "derece cinsinden hücum açısı α")
        self.assertEqual(self.aria_label("Picture1"), "flow past the circle; click to redraw" if english
                         else "çember etrafındaki akım; yeniden çizmek için tıklayın")
        self.assertEqual(self.driver.find_element(By.ID, "Language_" + language).get_attribute("aria-pressed"),
                         "true")

    def test_languages(self):
        # ?lang=en: the page's texts and the session's lines are English.
        self.open(self.server.url + README_ADDRESS + "&lang=en", passes=1)
        self.assert_language("en")
        status = self.element_text("Label_Status")
        self.assertRegex(status, r"^Lift coefficient C_L = -?\d")
        self.assertIn("Slope dC_L/dα", self.element_text("Label_Lift"))
        self.assertIn("lang=en", self.current_url())
        pressure_en = self.canvas_pixels("Picture_Pressure")

        # The switch: every text in Turkish, the same pass redrawn with Turkish
        # words, the address keeps the language and the setting.
        self.driver.find_element(By.ID, "Language_tr").click()
        self.assert_language("tr")
        self.assertEqual(self.passes(), 2)
        self.assertRegex(self.element_text("Label_Status"), r"^Kaldırma katsayısı C_L = -?\d")
        self.assertEqual(self.element_text("Label_Status").split("=")[-1], status.split("=")[-1])
        self.assertIn("Eğim dC_L/dα", self.element_text("Label_Lift"))
        self.assertIn("Cp'nin integralinden C_L", self.element_text("Label_Pressure"))
        self.assertNotEqual(self.canvas_pixels("Picture_Pressure"), pressure_en, "the legend kept its words")
        query = urllib.parse.parse_qs(urllib.parse.urlsplit(self.current_url()).query)
        self.assertEqual((query["lang"], query["delta"], query["nsl"]), (["tr"], ["0.12"], ["10"]))
        # Opened again from its address, the page keeps the language.
        self.open(self.current_url(), passes=1)
        self.assert_language("tr")
        # The probe speaks the language too: along the chord it meets the body.
        canvas = self.driver.find_element(By.ID, "Picture_Field")
        lines = []
        for dx in range(-100, 61, 20):
            ActionChains(self.driver).move_to_element_with_offset(canvas, dx, 0).perform()
            lines.append(self.element_text("Label_Probe"))
        self.assertTrue(any(line.endswith(": cismin içinde") for line in lines), lines)
        self.assert_clean()

        # Before any pass the switch changes the hint and the address only.
        self.open(self.server.url + "?nsl%20=1")
        self.assertEqual(self.element_text("Label_Status"),
                         "Move a scroll bar or click a plot to draw the flow. Ignored in the address: nsl .")
        self.driver.find_element(By.ID, "Language_tr").click()
        self.assertEqual(self.element_text("Label_Status"),
                         "Akımı çizmek için bir kaydırma çubuğunu oynatın ya da bir çizime tıklayın. "
                         "Adreste yok sayıldı: nsl .")
        self.assertEqual(self.passes(), 0)
        self.assertEqual(urllib.parse.urlsplit(self.current_url()).query, "nsl+=1&lang=tr")
        self.driver.find_element(By.ID, "Language_en").click()
        self.assert_language("en")

        # Markup as the language is ignored: the browser's English stays, and
        # nothing is added to the page.
        elements = self.js("return document.getElementsByTagName('*').length")
        self.open(self.server.url + "?lang=" + urllib.parse.quote("<script>alert(1)</script>"))
        self.assert_language("en")
        self.assertEqual(self.js("return document.getElementsByTagName('*').length"), elements)
        self.assertEqual(self.element_text("Label_Status"), "Move a scroll bar or click a plot to draw the flow.")
        self.open(self.server.url + "?lang=%3Cimg%20src=x%20onerror=alert(2)%3E&delta=0.1", passes=1)
        self.assert_language("en")
        self.assertEqual(self.js("return document.querySelectorAll('img[src=x]').length"), 0)
        self.assert_clean()

    # What the first frame of the page paints: <html lang>, and each text and
    # accessible name of the markup with the name it is made from.
    FIRST_FRAME_JS = """
      requestAnimationFrame(() => new ResizeObserver((entries, observer) => {
        observer.disconnect();
        window.__firstFrame = {
          lang: document.documentElement.lang,
          texts: Array.from(document.querySelectorAll("[data-i18n]"), (e) => [e.dataset.i18n, e.textContent]),
          labels: Array.from(document.querySelectorAll("[data-i18n-aria-label]"),
                             (e) => [e.dataset.i18nAriaLabel, e.getAttribute("aria-label")]),
        };
      }).observe(document.documentElement));"""

    # Named texts the page writes over: the status line (a pass's result) and
    # the time unit (with its number of seconds).
    WRITTEN_TEXTS = ("fluvenna::Form1|Move a scroll bar or click a plot to draw the flow.",
                     "fluvenna::Form_Field|c/U0 (one c/U0 takes %1 s)")

    def test_first_frame_in_its_language(self):
        # The page is drawn in its language from its first frame on: no text
        # of the markup is shown in another language first (nor as its
        # source) and changed when the scripts have come.
        translations = {language: {key: text or key[1] for key, text in
                                   make_catalogue.read_ts(os.path.join(SOURCE_I18N, "fluvenna_%s.ts" % language))[1]
                                   .items()} for language in ("tr", "en")}
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                             {"source": self.FIRST_FRAME_JS})
        try:
            for address, language in [("", "en"), ("?lang=tr", "tr"), (README_ADDRESS + "&lang=en", "en"),
                                      ("file://" + os.path.join(SITE, "fluvenna.html") + "?lang=tr", "tr")]:
                url = address if address.startswith("file:") else self.server.url + address
                self.open(url, passes=1 if "delta" in address else 0)
                first = self.js("return window.__firstFrame")
                self.assertIsNotNone(first, address)
                self.assertEqual(first["lang"], language, address)
                self.assertGreater(len(first["texts"]), 0, address)
                final = self.js("""return {
                  texts: Array.from(document.querySelectorAll("[data-i18n]"), (e) => [e.dataset.i18n, e.textContent]),
                  labels: Array.from(document.querySelectorAll("[data-i18n-aria-label]"),
                                     (e) => [e.dataset.i18nAriaLabel, e.getAttribute("aria-label")])}""")
                self.assertIn(["fluvenna::Form1|Joukowsky profili etrafında akım çizgileri", TITLE[language]],
                              first["texts"], address)
                # Every named text, the scripts' own among them, is the
                # translation sources' (the page carries its part of them).
                for kind in ("texts", "labels"):
                    wrong = [(name, shown) for name, shown in final[kind]
                             if shown != translations[language].get(tuple(name.split("|", 1)), name.split("|", 1)[1])
                             and name not in self.WRITTEN_TEXTS]
                    self.assertEqual(wrong, [], "%s: %s not from the catalogue" % (address, kind))
                # Only what the page writes changes (the status line, with the pass).
                for kind in ("texts", "labels"):
                    changed = [pair for pair in first[kind] if pair not in final[kind]
                               and pair[0] not in self.WRITTEN_TEXTS]
                    self.assertEqual(changed, [], "%s: %s changed after the first frame" % (address, kind))
                self.assert_language(language)
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                        {"identifier": script["identifier"]})
        self.assert_clean()

    # Notes in order what the page does first: when the browser tells it it
    # has been shown (a paint entry), and each worker it starts and each
    # fetch it makes.
    # When the page asked for the worker and for files (performance.now()).
    ORDER_JS = """
      window.__asked = [];
      const Original = window.Worker;
      window.Worker = function (...args) { window.__asked.push(["worker", performance.now()]); return new Original(...args); };
      const fetched = window.fetch;
      window.fetch = function (...args) { window.__asked.push(["fetch " + args[0], performance.now()]); return fetched.apply(this, args); };"""

    def test_page_shown_before_the_module_starts(self):
        # The worker and the profile table are asked for only once the page
        # has been shown: the module's compiling and the first pass must not
        # hold up its first frame. The link still draws at once.
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": self.ORDER_JS})
        try:
            self.open(self.server.url + README_ADDRESS, passes=1)
        finally:
            self.driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                        {"identifier": script["identifier"]})
        # The first frame's time against when each was asked for (an
        # observer's report of the frame may come later than the page's own).
        asked = self.js("return window.__asked")
        shown = self.js("return performance.getEntriesByName('first-paint')[0].startTime")
        self.assertEqual([name for name, _ in asked[:2]], ["fetch " + TABLE, "worker"], asked)
        self.assertTrue(all(time > shown for _, time in asked), (shown, asked))
        self.assert_drawn("the link")
        self.assert_clean()

    def test_browser_preferences(self):
        # A user who prefers Turkish of Turkey, then English.
        main, driver = self.driver, chromium("tr-TR,en-US")
        try:
            self.driver = driver
            self.assertEqual(self.js("return navigator.languages[0]"), "tr-TR")
            self.open(self.server.url)
            self.assert_language("tr")
            self.assertEqual(self.element_text("Label_Status"),
                             "Akımı çizmek için bir kaydırma çubuğunu oynatın ya da bir çizime tıklayın.")
            self.driver.find_element(By.ID, "Picture1").click()
            self.assertRegex(self.element_text("Label_Status"), r"^Kaldırma katsayısı C_L = ")
            self.assertNotIn("lang=", self.current_url())  # the browser's choice is not pinned
            self.open(self.server.url + "?lang=en")
            self.assert_language("en")
            self.assert_clean()
            # A user whose languages Fluvenna lacks gets English.
            driver.execute_cdp_cmd("Emulation.setUserAgentOverride", {
                "userAgent": self.js("return navigator.userAgent"), "acceptLanguage": "de-DE,fr"})
            self.open(self.server.url)
            self.assertEqual(self.js("return navigator.languages"), ["de-DE", "fr"])
            self.assert_language("en")
        finally:
            self.driver = main
            driver.quit()

    def test_single_file_from_disk(self):
        page = "file://" + os.path.join(SITE, "fluvenna.html")
        self.open(page + README_ADDRESS, passes=1)
        self.assertEqual(self.value("Text_kMax"), "10")
        self.assert_drawn("fluvenna.html from a file")
        self.assertIn("C_L", self.shown_text("Label_Status"))
        self.assert_clean()

    # --- the page as an app: live dragging, offline, accessible, full screen --

    def drag(self, element_id, fractions, pause=0.05):
        """Holds the thumb of a bar and moves it to each fraction of its
        width in turn (without releasing it); returns the action chain, to be
        released by the caller."""
        bar = self.driver.find_element(By.ID, element_id)
        width = bar.size["width"]
        value = (float(bar.get_attribute("value")) - float(bar.get_attribute("min"))) / (
            float(bar.get_attribute("max")) - float(bar.get_attribute("min")))
        x = -width / 2 + value * width
        chain = ActionChains(self.driver).move_to_element_with_offset(bar, int(x), 0).click_and_hold()
        for fraction in fractions:
            target = -width / 2 + fraction * width
            chain.move_by_offset(int(target - x), 0).pause(pause)
            x = int(target)
        chain.perform()
        return bar

    def assert_draft_density(self):
        """A live frame's field is coarser than the released one's (1 sample
        a device pixel here), however much of the frame's time it gets."""
        density = float(self.js("return document.body.dataset.fieldDensity"))
        self.assertGreaterEqual(density, 0.125)
        self.assertLessEqual(density, 0.5)

    def test_live_dragging(self):
        # Off (the designed behaviour): a dragged thumb draws nothing until
        # it is released.
        self.open(self.server.url + "?nsl=10&lang=en", passes=1)
        self.drag("HScroll_Alfa", [0.5, 0.6])
        self.assertEqual(self.passes(), 1)
        ActionChains(self.driver).release().perform()
        self.wait("the pass on release", lambda: self.passes() == 2)

        # On from the address: many moves within one frame make one pass,
        # with the newest value; the switch and the address agree.
        self.open(self.server.url + "?nsl=10&lang=en&live=1", passes=1)
        self.assertEqual(self.driver.find_element(By.ID, "Live_Switch").get_attribute("aria-pressed"), "true")
        # The field in view, so that the frame draws it.
        self.js("document.getElementById('Picture_Field').scrollIntoView()")
        self.driver.execute_async_script(
            "requestAnimationFrame(() => requestAnimationFrame(arguments[arguments.length - 1]))")
        passes = self.driver.execute_async_script("""
          const done = arguments[arguments.length - 1];
          const bar = document.getElementById("HScroll_Alfa");
          requestAnimationFrame(() => {
            for (let v = -10; v <= 20; ++v) {
              bar.value = String(v);
              bar.dispatchEvent(new Event("input"));
            }
            const before = Number(document.body.dataset.passes);
            // The frame's pass is answered by the worker: counted once the page settles.
            const settled = () => (document.body.dataset.busy === "0"
              ? done([before, Number(document.body.dataset.passes), document.body.dataset.livePasses])
              : setTimeout(settled, 10));
            requestAnimationFrame(() => requestAnimationFrame(settled));
          });""")
        self.assertEqual(passes, [1, 2, "1"], "thirty moves in one frame")
        self.assertEqual(self.value("Text_Alfa"), "20")
        self.assert_draft_density()

        # A real drag: the plots and the status line follow the thumb before
        # it is released, with a coarse field; the release sharpens it and
        # writes the address.
        # The pictures out of view wait for the release: counted by the
        # canvas each picture the worker hands over is shown on.
        plot = self.canvas_pixels("Picture2")
        status = self.element_text("Label_Status")
        self.js("""window.__shows = {};
          FluvennaBridge.shared.then((bridge) => {
            const show = bridge.show;
            bridge.show = (canvas, picture) => {
              window.__shows[canvas.id] = (window.__shows[canvas.id] || 0) + 1;
              return show(canvas, picture);
            };
          });""")
        self.drag("HScroll_Alfa", [0.2, 0.3, 0.4, 0.5], pause=0.1)
        during = self.passes()
        self.assertGreaterEqual(during, 4, "passes while the thumb was held")
        self.assertNotEqual(self.canvas_pixels("Picture2"), plot)
        self.assertNotEqual(self.element_text("Label_Status"), status)
        self.assert_draft_density()
        self.assertEqual(self.js("return document.body.dataset.liveRequests"), "0")
        shows = self.js("return window.__shows")
        unseen = self.js("""return ["Picture1", "Picture2", "Picture_Pressure", "Picture_Field", "Picture_Lift",
                                    "Picture_Friction", "Picture_Polar"].filter((id) => {
                                      const r = document.getElementById(id).getBoundingClientRect();
                                      return r.top >= innerHeight || r.bottom <= 0; })""")
        self.assertIn("Picture_Polar", unseen)
        self.assertNotIn("Picture2", unseen)
        self.assertGreaterEqual(shows.get("Picture2", 0), 4, shows)
        self.assertEqual([shows.get(id, 0) for id in unseen], [0] * len(unseen), shows)
        ActionChains(self.driver).release().perform()
        self.wait("the sharp pass on release", lambda: self.passes() == during + 1)
        self.assertEqual(self.js("return document.body.dataset.fieldDensity"), "1")
        self.assertIn("live=1", self.current_url())
        alpha = self.value("Text_Alfa")
        self.assertIn("alpha=%s" % alpha, self.current_url())
        self.assertEqual(alpha, self.value("HScroll_Alfa"))
        # What waited is painted once seen.
        for id in unseen:
            self.look_at(id)
        shows = self.js("return window.__shows")
        self.assertEqual([id for id in unseen if not shows.get(id)], [], "painted when seen")
        # However the frames fell, the release leaves each picture as a fresh
        # page opened at the released α draws it.
        released = {c: self.canvas_pixels(c) for c in ("Picture2", "Picture_Field", "Picture_Pressure")}
        self.open(self.server.url + "?nsl=10&lang=en&live=1&alpha=" + alpha, passes=1)
        for canvas, pixels in released.items():
            self.assertEqual(self.canvas_pixels(canvas), pixels, canvas + " after the drag")

        # Switched off by the keyboard: the address drops it.
        switch = self.driver.find_element(By.ID, "Live_Switch")
        switch.send_keys(Keys.ENTER)
        self.assertEqual(switch.get_attribute("aria-pressed"), "false")
        self.assertNotIn("live=", self.current_url())
        self.assert_clean()

    def test_offline_after_one_visit(self):
        server = Server(SITE)
        try:
            self.driver.get(server.url + "?lang=en&alpha=4")
            self.wait("the site to be stored", lambda: self.js("return document.body.dataset.offline") == "ready")
            self.assertEqual(server.failed(), [])
        finally:
            server.close()
        # The network is gone: a link with other parameters opens and draws.
        self.open(server.url + "?lang=tr&delta=0.12&gamma=0.04&alpha=8&nsl=10", passes=1)
        self.assertEqual(self.value("Text_kMax"), "10")
        self.assert_drawn("offline")
        self.assertRegex(self.element_text("Label_Status"), r"^Kaldırma katsayısı C_L = ")
        self.assertTrue(self.js("return navigator.serviceWorker.controller !== null"))

    def test_accessibility(self):
        # axe finds nothing in either language, before and after a pass, and
        # on a phone's width.
        self.open(self.server.url + "?lang=tr")
        self.assertEqual(self.axe_violations(), [], "Turkish, before a pass")
        self.assertEqual(self.js("return document.querySelectorAll('[tabindex]:not([tabindex=\"0\"]):not([tabindex=\"-1\"])').length"), 0)
        self.open(self.server.url + README_ADDRESS + "&lang=en&live=1", passes=1)
        self.assertEqual(self.axe_violations(), [], "English, after a pass")
        try:
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                        {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True})
            self.open(self.server.url + README_ADDRESS + "&lang=tr", passes=1)
            self.assertEqual(self.axe_violations(), [], "Turkish on a phone")
            self.assertEqual(self.js("return document.documentElement.scrollWidth"), 390)
            # Every caption's text stays inside its frame, also on two lines
            # ("Kutta şartı"), clear of the frame's lower border.
            self.assertEqual(self.js("""return [...document.querySelectorAll('.frame .row label')]
              .filter(label => {
                const frame = label.closest('.frame').getBoundingClientRect();
                const range = document.createRange();
                range.selectNodeContents(label);
                const text = range.getBoundingClientRect();
                return text.top < frame.top + 1 || text.bottom > frame.bottom - 3; })
              .map(label => label.id + ': ' + label.textContent)"""), [])
        finally:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        # Every picture says what it shows: its name, and its line (the status
        # line with C_L, the pressure's and lift's lines, the probe) as its
        # description.
        self.open(self.server.url + README_ADDRESS + "&lang=en", passes=1)
        for canvas, line in (("Picture1", "Label_Status"), ("Picture2", "Label_Status"),
                             ("Picture_Pressure", "Label_Pressure"), ("Picture_Field", "Label_Probe"),
                             ("Picture_Lift", "Label_Lift")):
            self.assertEqual(self.driver.find_element(By.ID, canvas).get_attribute("aria-describedby"), line)
            self.assertIn("C_L" if line != "Label_Probe" else "pointer", self.element_text(line))
        # The probe from the keyboard: from the middle (inside the body at
        # this setting's chord) out into the flow ahead of it.
        field = self.driver.find_element(By.ID, "Picture_Field")
        field.send_keys(Keys.ARROW_DOWN)
        middle = self.element_text("Label_Probe")
        field.send_keys(Keys.SHIFT + Keys.ARROW_LEFT * 10)
        ahead = self.element_text("Label_Probe")
        self.assertNotIn("pointer", middle)
        self.assertNotEqual(ahead, middle)
        self.assertIn("Cp", ahead)
        self.assert_clean()

    def test_full_screen(self):
        self.open(self.server.url + README_ADDRESS + "&lang=en", passes=1)
        # A section: its button (reached by the keyboard) fills the screen
        # with the picture at the screen's pixels and its line; again leaves.
        button = self.driver.find_element(By.CSS_SELECTOR, "#Form_Lift .fullscreen-button")
        self.assertEqual(button.get_attribute("aria-label"), "Full screen")
        button.click()
        self.wait("full screen", lambda: self.js("return document.fullscreenElement && document.fullscreenElement.id") == "Form_Lift")
        self.wait("the picture fitted", lambda: self.js("return document.body.dataset.fullscreen") == "Form_Lift")
        canvas = self.js("const c = document.getElementById('Picture_Lift');"
                         "return [c.width, c.height, c.clientWidth, c.clientHeight, innerWidth, innerHeight]")
        self.assertGreater(canvas[0], 396)
        self.assertEqual(canvas[:2], canvas[2:4], "the canvas has a pixel for each screen pixel")
        self.assertTrue(canvas[0] > canvas[4] * 0.6 or canvas[1] > canvas[5] * 0.6, canvas)
        self.assertTrue(self.driver.find_element(By.ID, "Label_Lift").is_displayed())
        self.assertIn("C_L", self.shown_text("Label_Lift"))
        self.assertEqual(button.get_attribute("aria-label"), "Leave full screen")
        button.click()
        self.wait("full screen left", lambda: self.js("return document.fullscreenElement") is None)
        self.wait("the picture back", lambda: self.js("return document.body.dataset.fullscreen") == "")
        self.settle()
        self.assertEqual(self.js("return document.getElementById('Picture_Lift').width"), 396)
        # A plot by the F key on it, with the status line beside it; Escape leaves.
        self.driver.find_element(By.ID, "Picture2").send_keys("f")
        self.wait("the plot in full screen", lambda: self.js("return document.fullscreenElement && document.fullscreenElement.id") == "Plot2")
        line = self.driver.find_element(By.CSS_SELECTOR, "#Plot2 .fullscreen-line")
        self.settle()
        self.assertEqual(line.text, self.shown_text("Label_Status"))
        self.wait("the plot fitted", lambda: self.js("return document.getElementById('Picture2').width") > 396)
        self.assert_drawn("in full screen")
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.wait("Escape to leave", lambda: self.js("return document.fullscreenElement") is None)
        self.assertEqual(self.passes(), 1, "full screen draws no pass")
        self.assert_clean()


def in_part(part):
    """A unittest load_tests that keeps the K-th of N shares (K/N) of the tests."""
    k, n = (int(x) for x in part.split("/"))
    if not 1 <= k <= n:
        sys.exit("--part wants K/N with 1 <= K <= N, not %r" % part)

    def load_tests(loader, tests, pattern):
        names = sorted(t.id() for suite in tests for t in suite)
        kept = set(names[k - 1::n])
        return unittest.TestSuite(t for suite in tests for t in suite if t.id() in kept)
    return load_tests


if __name__ == "__main__":
    options = sys.argv[4:]
    if options[:1] == ["--part"]:
        load_tests = in_part(options[1])
        options = options[2:]
    unittest.main(argv=[sys.argv[0], "-v", *options])
