#!/usr/bin/python3
"""The web version's budgets, measured in Debian's headless Chromium.

Sizes: what a first visit needs before the page computes (HTML, CSS, the
scripts and the WebAssembly), gzip-compressed as a web server sends it, and
the whole folder. Time: from navigation until the page is shown and
computes (its first contentful paint and its start, whichever is later),
against a floor page with the same controls and no script (the built page
with its scripts taken out) until it is shown and loaded. The two are loaded
in turn, each from an empty cache and past the service worker.
Usage: bench/web_startup.py [site folder] [loads of each]"""

import functools
import gzip
import http.server
import pathlib
import re
import shutil
import statistics
import sys
import tempfile
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

SITE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/site").resolve()
LOADS = int(sys.argv[2]) if len(sys.argv) > 2 else 15
FIRST_VISIT = ["index.html", "velmora.css", "core.js", "core.wasm"]


def compressed(path):
    return len(gzip.compress(path.read_bytes(), compresslevel=9))


def report_sizes():
    first = {name: compressed(SITE / name) for name in FIRST_VISIT}
    everything = {p.name: compressed(p) for p in sorted(SITE.iterdir()) if p.is_file()}
    print("first visit, gzip: " + ", ".join(f"{n} {s / 1024:.1f}" for n, s in first.items()) +
          f" = {sum(first.values()) / 1024:.1f} KiB (budget 40)")
    print(f"whole folder, gzip: {sum(everything.values()) / 1024:.1f} KiB over "
          f"{len(everything)} files (budget 120)")


def serve(folder):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        protocol_version = "HTTP/1.1"  # connections kept open, as a web server keeps them

        def log_message(self, *args):
            pass
    class Server(http.server.ThreadingHTTPServer):
        def handle_error(self, request, client_address):
            pass  # the browser closing its open connections as it quits

    server = Server(("127.0.0.1", 0), functools.partial(Quiet, directory=str(folder)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--disable-quic",
                     f"--user-data-dir={tempfile.mkdtemp(prefix='velmora-bench-')}"]:
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def load(driver, url, ready_script):
    driver.execute_cdp_cmd("Network.clearBrowserCache", {})
    driver.get("about:blank")
    driver.get(url)
    return WebDriverWait(driver, 10, poll_frequency=0.01).until(
        lambda d: d.execute_script(ready_script))


def main():
    report_sizes()
    folder = pathlib.Path(tempfile.mkdtemp(prefix="velmora-site-"))
    shutil.copytree(SITE, folder, dirs_exist_ok=True)
    page = (SITE / "index.html").read_text(encoding="utf-8")
    (folder / "floor.html").write_text(re.sub(r"<script[^>]*></script>\n?", "", page),
                                       encoding="utf-8")
    server = serve(folder)
    origin = f"http://127.0.0.1:{server.server_address[1]}/"
    driver = browser()
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
    shown = 'const p = performance.getEntriesByName("first-contentful-paint")[0];'
    computes = shown + ('const m = performance.getEntriesByName("velmora-ready")[0];'
                        'return p && m ? Math.max(p.startTime, m.startTime) : null;')
    loaded = shown + ('const t = performance.getEntriesByType("navigation")[0];'
                      'return p && t.loadEventEnd > 0 ? Math.max(p.startTime, t.loadEventEnd) : null;')
    load(driver, origin, computes)  # warm up both, once
    load(driver, origin + "floor.html", loaded)
    page_ms, floor_ms = [], []
    for _ in range(LOADS):
        page_ms.append(load(driver, origin, computes))
        floor_ms.append(load(driver, origin + "floor.html", loaded))
    driver.quit()
    server.shutdown()
    for name, times in (("page shown and computing", page_ms), ("floor page shown and loaded", floor_ms)):
        print(f"{name}: median {statistics.median(times):.1f} ms, "
              f"from {min(times):.1f} to {max(times):.1f} ms over {len(times)} loads")
    ratio = statistics.median(page_ms) / statistics.median(floor_ms)
    print(f"ratio {ratio:.2f} (budget 1.5)")


if __name__ == "__main__":
    main()
