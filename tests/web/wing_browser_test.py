#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The finite wing's section of the page in headless Chromium: opt-in and
drawn only while open, its line the renderer's, its shape kept in the
address, bad values refused with the session's sentence.

Usage: wing_browser_test.py SITE RENDER DATA (as browser_test.py)
"""
import os
import sys
import unittest
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser_test  # noqa: E402  (reads SITE, RENDER and DATA from sys.argv)
from browser_test import native  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

PASS = "delta=0.1&gamma=0.04&alpha=4"
PASS_OPTIONS = ["--delta", "0.1", "--gamma", "0.04", "--alpha", "4"]


class WingTest(browser_test.PageHelpers, unittest.TestCase):
    def wing_drawn(self):
        return int(self.js("return document.body.dataset.wingDrawn || '0'"))

    def address(self):
        return urllib.parse.parse_qs(urllib.parse.urlsplit(self.driver.current_url).query)

    def test_the_line_is_the_renderers_and_the_address_keeps_the_shape(self):
        self.open(self.server.url + "?" + PASS + "&wing=8&taper=0.4&washout=2&lang=en", passes=1)
        self.wait("the wing", lambda: self.wing_drawn() > 0)
        self.assertTrue(self.js("return document.getElementById('Wing_Details').open"))
        line = self.driver.find_element(By.ID, "Label_Wing").text
        summary = native(*PASS_OPTIONS, "--wing", "8", "--taper", "0.4", "--washout", "2")
        expected = [l for l in summary.splitlines() if l.startswith("AR 8")]
        self.assertEqual([line], expected)
        address = self.address()
        self.assertEqual((address["wing"], address["taper"], address["washout"]),
                         (["8"], ["0.4"], ["2"]))
        self.assertNotIn("planform", address)
        if os.environ.get("FLUVENNA_SHOTS"):
            self.driver.set_window_size(900, 1400)
            section = self.driver.find_element(By.ID, "Form_Wing")
            self.js("arguments[0].scrollIntoView()", section)
            section.screenshot(os.path.join(os.environ["FLUVENNA_SHOTS"], "h31-page-wing.png"))

        # A bad value: the sentence, and nothing changes.
        drawn = self.wing_drawn()
        box = self.driver.find_element(By.ID, "Text_AR")
        for bad, sentence in [("40", "The aspect ratio must lie between 1 and 30."),
                              ("x", "The wing's aspect ratio, taper and washout must be finite numbers.")]:
            box.clear()
            box.send_keys(bad, Keys.ENTER)
            refused = self.driver.find_element(By.ID, "Label_WingRefused")
            self.wait("the refusal", refused.is_displayed)
            self.assertEqual(refused.text, sentence)
            self.assertEqual(self.driver.find_element(By.ID, "Label_Wing").text, line)
            self.assertEqual(self.wing_drawn(), drawn)
            self.assertEqual(self.address()["wing"], ["8"])
        # A good one is taken, drawn and written into the address.
        box.clear()
        box.send_keys("6", Keys.ENTER)
        self.wait("the new wing", lambda: self.wing_drawn() > drawn)
        self.assertFalse(self.driver.find_element(By.ID, "Label_WingRefused").is_displayed())
        self.assertTrue(self.driver.find_element(By.ID, "Label_Wing").text.startswith("AR 6, tapered"))
        self.assertEqual(self.address()["wing"], ["6"])

    def test_opt_in_and_drawn_only_while_open(self):
        self.open(self.server.url + "?" + PASS + "&lang=en", passes=1)
        self.assertFalse(self.js("return document.getElementById('Wing_Details').open"))
        self.assertEqual(self.wing_drawn(), 0)
        self.assertNotIn("wing", self.address())
        self.js("document.getElementById('Wing_Details').open = true")
        self.wait("the wing", lambda: self.wing_drawn() == 1)
        self.assertTrue(self.driver.find_element(By.ID, "Label_Wing").text.startswith(
            "AR 8, rectangular, washout 0°"))
        self.assertEqual(self.address()["wing"], ["8"])
        self.assertEqual(self.address()["planform"], ["rectangular"])


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], defaultTest="WingTest")
