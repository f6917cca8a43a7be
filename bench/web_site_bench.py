#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Fluvenna developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Size of the browser edition's site, and the time from opening a link with
parameters to the first drawn pass, in headless Chromium on a local server.

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
    finally:
        driver.quit()
        httpd.shutdown()
    times.sort()
    print("opening %s to the first drawn pass: median %.0f ms, best %.0f ms, worst %.0f ms (%d loads)"
          % (LINK, times[len(times) // 2], times[0], times[-1], RUNS))


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


if __name__ == "__main__":
    sizes()
    first_pass_times()
