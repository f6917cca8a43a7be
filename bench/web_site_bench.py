#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Size of the browser edition's site, the time from opening a link with
parameters to the first drawn pass, the frame rate of the flow in motion
(goal: at least 55 frames a second) and the redraws a second while α is
dragged with Live on (goal: at least 30), in headless Chromium on a local
server.

Usage: web_site_bench.py SITE_DIR
"""
import functools
import gzip
import http.server
import os
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

SITE = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build-web/site")
LINK = "?delta=0.12&gamma=0.04&alpha=8&nsl=10"
RUNS = 10
MOTION_SECONDS = 3.0
DRAG_SECONDS = 3.0

# The browser's own pace: requestAnimationFrame callbacks counted by a loop of
# the test's, beside the page's, so that a throttled headless browser shows
# as such rather than as a slow page.
COUNT_BROWSER_FRAMES_JS = """
window.__browserFrames = 0;
const tick = () => { window.__browserFrames += 1; requestAnimationFrame(tick); };
requestAnimationFrame(tick);
"""


def sizes():
    total = total_gz = core = core_gz = 0
    print("%-22s %9s %9s" % ("file", "bytes", "gzipped"))
    for name in sorted(os.listdir(SITE)):
        with open(os.path.join(SITE, name), "rb") as f:
            data = f.read()
        gz = len(gzip.compress(data, 9))
        print("%-22s %9d %9d" % (name, len(data), gz))
        if name != "fluvenna.html":
            total, total_gz = total + len(data), total_gz + gz
        if name in ("index.html", "page.js", "page.css", "fluvenna-core.js", "fluvenna-core.wasm"):
            core, core_gz = core + len(data), core_gz + gz
    print("site without fluvenna.html: %d bytes, %d gzipped" % (total, total_gz))
    print("module and page (html, js, css, core js, wasm): %d bytes, %d gzipped" % (core, core_gz))


def first_pass_times():
    httpd = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=SITE))
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    url = "http://127.0.0.1:%d/%s" % (httpd.server_address[1], LINK)
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for arg in ["--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=900,760"]:
        options.add_argument(arg)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    times = []
    try:
        for _ in range(RUNS):
            driver.get("about:blank")
            driver.get(url)
            while driver.execute_script("return document.body.dataset.firstPass") is None:
                time.sleep(0.005)
            times.append(float(driver.execute_script("return document.body.dataset.firstPass")))
        times.sort()
        print("opening %s to the first drawn pass: median %.0f ms, best %.0f ms, worst %.0f ms (%d loads)"
              % (LINK, times[len(times) // 2], times[0], times[-1], RUNS))
        motion_frame_rate(driver)
        live_drag_rate(driver, url + "&live=1")
    finally:
        driver.quit()
        httpd.shutdown()


def motion_frame_rate(driver):
    """The page playing the flow of the link (ten curves, with timelines, released
    every 0.05 chord / U0, the most particles it offers) for MOTION_SECONDS:
    its frames a second by its own count and by the page's clock, beside the
    browser's pace."""
    state = "return [Number(document.body.dataset.motionFrames || 0), performance.now(), window.__browserFrames]"
    driver.execute_script("const box = document.getElementById('Spin_Interval');"
                          "box.value = '0.05'; box.dispatchEvent(new Event('input'));")
    driver.find_element("id", "Button_Play").click()
    driver.execute_script(COUNT_BROWSER_FRAMES_JS)
    time.sleep(1.0)  # the times of flight are worked out in the first frame
    frames0, now0, browser0 = driver.execute_script(state)
    time.sleep(MOTION_SECONDS)
    frames1, now1, browser1 = driver.execute_script(state)
    seconds = (now1 - now0) / 1000
    print("playing the flow of %s (interval 0.05, timelines): %.1f frames a second over %.1f s "
          "(the browser's own requestAnimationFrame: %.1f a second)"
          % (LINK, (frames1 - frames0) / seconds, seconds, (browser1 - browser0) / seconds))


def live_drag_rate(driver, url):
    """The thumb of α held and swept to and fro by the mouse (DevTools
    protocol events, as a hand's) for DRAG_SECONDS with Live on: the passes
    drawn while it is held, a second, beside the browser's pace."""
    driver.get("about:blank")
    driver.get(url)
    while driver.execute_script("return document.body.dataset.firstPass") is None:
        time.sleep(0.005)
    left, top, width, height = driver.execute_script(
        "const r = document.getElementById('HScroll_Alfa').getBoundingClientRect();"
        "return [r.left, r.top, r.width, r.height];")
    y = top + height / 2
    x0 = left + width * 0.45  # the thumb at α = 8
    mouse = lambda kind, x: driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
        "type": kind, "x": x, "y": y, "button": "left", "buttons": 1 if kind != "mouseReleased" else 0,
        "clickCount": 1})
    driver.execute_script(COUNT_BROWSER_FRAMES_JS)
    state = "return [Number(document.body.dataset.livePasses || 0), performance.now(), window.__browserFrames]"
    mouse("mousePressed", x0)
    passes0, now0, browser0 = driver.execute_script(state)
    end, step = time.monotonic() + DRAG_SECONDS, 0
    while time.monotonic() < end:
        step += 1
        mouse("mouseMoved", left + width * (0.1 + 0.8 * abs((step % 80) - 40) / 40))
    passes1, now1, browser1 = driver.execute_script(state)
    mouse("mouseReleased", x0)
    seconds = (now1 - now0) / 1000
    print("dragging α with Live on (%s): %.1f redraws a second over %.1f s from %d mouse moves "
          "(the browser's own requestAnimationFrame: %.1f a second)"
          % (url.split("?")[1], (passes1 - passes0) / seconds, seconds, step, (browser1 - browser0) / seconds))


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


if __name__ == "__main__":
    sizes()
    first_pass_times()
