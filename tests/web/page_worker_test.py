#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page and the worker that holds its module, in headless Chromium: the
module never runs on the page's own thread when the site is served; the
bridge answers any PageSession method and refuses unknown ones; the pictures
the worker paints are what the page shows; the page in one file, and a
browser without workers or OffscreenCanvas, run the same host in the page;
and while a bar is dragged live the pictures out of view
wait until they are seen.

Usage: page_worker_test.py SITE_DIR FLUVENNA_RENDER DATA_DIR
"""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser_test  # noqa: E402  (its helpers; SITE and the rest from the same arguments)
from browser_test import PIXEL_KINDS_JS, README_ADDRESS, SITE, Server, chromium  # noqa: E402

# Runs a promise-returning body with the page's bridge and hands back its result.
WITH_BRIDGE_JS = """
const done = arguments[arguments.length - 1];
const args = Array.from(arguments).slice(0, -1);
FluvennaBridge.shared.then((bridge) => (%s)(bridge, ...args))
  .then((result) => done({result}), (error) => done({error: String(error.message || error)}));
"""

# The pixels of a picture the worker paints, drawn on a canvas of the page's
# own (not in the document), as bytes.
WORKER_PIXELS_JS = """async (bridge, picture, width, height) => {
  const canvas = document.createElement("canvas");
  await bridge.paintInto(canvas, picture, [width, height]);
  return Array.from(canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data);
}"""


class PageWorkerTest(browser_test.PageHelpers, unittest.TestCase):
    languages = "en-US,en"

    def with_bridge(self, body, *args):
        answer = self.driver.execute_async_script(WITH_BRIDGE_JS % body, *args)
        return answer

    def test_module_in_the_worker(self):
        self.open(self.server.url + README_ADDRESS, passes=1)
        self.assertEqual(self.js("return document.body.dataset.worker"), "worker")
        self.assertEqual(self.js("return typeof FluvennaCore"), "undefined", "the module loaded in the page")

        # Any PageSession method through the session, a batch in order.
        answer = self.with_bridge("""async (bridge) => [
            await bridge.session.statusText(), await bridge.session.fileStem(),
            await bridge.batch([{method: "passCount", args: []}, {method: "barText", args: [8, 1]}])]""")
        status, stem, batch = answer["result"]
        self.assertEqual(status, self.element_text("Label_Status"))
        self.assertEqual(stem, "d0.12-g0.04-a8")
        self.assertEqual(batch, [1, "8"])
        # Unknown methods are refused with their name, and the bridge goes on.
        self.assertEqual(self.with_bridge("(bridge) => bridge.call('noSuchMethod')"),
                         {"error": "no method noSuchMethod"})
        self.assertEqual(self.with_bridge("(bridge) => bridge.session.passCount()"), {"result": 1})

        # The worker's pictures are the page's, pixel for pixel; at twice the
        # density it paints twice the pixels with the same ink.
        for canvas, picture in (("Picture2", 2), ("Picture_Pressure", 3), ("Picture_Friction", 7)):
            painted = self.with_bridge(WORKER_PIXELS_JS, picture, 396, 263)["result"]
            self.assertEqual(bytes(painted), self.canvas_pixels(canvas), canvas)
        size = self.with_bridge("""async (bridge) => {
            const bitmap = await bridge.call("paint", 2, 396, 263, 792, 526);
            const size = [bitmap.width, bitmap.height];
            bitmap.close();
            return size; }""")["result"]
        self.assertEqual(size, [792, 526])
        self.assert_clean(allowed_log=("noSuchMethod",))

    def test_page_in_one_file_runs_the_host_in_the_page(self):
        self.open("file://" + os.path.join(SITE, "fluvenna.html") + README_ADDRESS, passes=1)
        self.assertEqual(self.js("return document.body.dataset.worker"), "page")
        self.assertGreater(self.kinds("Picture2")["blue"], 50)
        self.assertEqual(self.with_bridge("(bridge) => bridge.session.fileStem()"), {"result": "d0.12-g0.04-a8"})
        self.assert_clean()

    def test_without_workers_the_page_runs_the_host(self):
        # A browser without Web Workers (or without OffscreenCanvas): the
        # module and its host load into the page and draw the same pictures.
        pictures = {}
        for hidden in ("", "Worker", "OffscreenCanvas"):
            driver = chromium("en-US,en")
            try:
                if hidden:
                    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                           {"source": "delete window.%s;" % hidden})
                main, self.driver = self.driver, driver
                self.open(self.server.url + README_ADDRESS, passes=1)
                self.assertEqual(self.js("return document.body.dataset.worker"), "page" if hidden else "worker")
                self.assertEqual(self.js("return typeof FluvennaCore"), "function" if hidden else "undefined")
                pictures[hidden] = [self.canvas_pixels(c) for c in ("Picture2", "Picture_Field", "Picture_Lift")]
                self.assertRegex(self.element_text("Label_Status"), r"C_L = 1\.508")
                self.assert_clean()
            finally:
                self.driver = main
                driver.quit()
        self.assertEqual(pictures["Worker"], pictures[""])
        self.assertEqual(pictures["OffscreenCanvas"], pictures[""])

    def test_live_frames_paint_what_shows(self):
        self.driver.set_window_size(900, 760)
        self.open(self.server.url + README_ADDRESS + "&live=1", passes=1)
        below = self.js("return document.getElementById('Picture_Friction').getBoundingClientRect().top > innerHeight")
        self.assertTrue(below, "the friction picture is below the first screen")
        friction, plot = self.canvas_pixels("Picture_Friction", look=False), self.canvas_pixels("Picture2")

        # α moved as a dragged thumb moves it: the plot follows, the friction
        # picture waits, though the session's friction changed.
        self.driver.execute_async_script("""
          const done = arguments[arguments.length - 1];
          const bar = document.getElementById("HScroll_Alfa");
          requestAnimationFrame(() => {
            bar.value = "14";
            bar.dispatchEvent(new Event("input"));
            requestAnimationFrame(() => requestAnimationFrame(done));
          });""")
        self.assertEqual(self.value("Text_Alfa"), "14")
        self.assertEqual(self.js("return document.body.dataset.livePasses"), "1")
        self.assertNotEqual(self.canvas_pixels("Picture2"), plot)
        self.assertEqual(self.canvas_pixels("Picture_Friction", look=False), friction, "painted out of view")
        now = bytes(self.with_bridge(WORKER_PIXELS_JS, 7, 396, 263)["result"])
        self.assertNotEqual(now, friction)

        # Seen, it is painted with the dragged pass.
        self.js("document.getElementById('Picture_Friction').scrollIntoView()")
        self.wait("the friction picture painted", lambda: self.canvas_pixels("Picture_Friction", look=False) == now)
        self.assert_clean()


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v", *sys.argv[4:]])
