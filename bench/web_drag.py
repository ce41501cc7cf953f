#!/usr/bin/python3
"""A drag of the working's figure in Debian's headless Chromium: the corner B
pressed and moved sideways by the browser's own input (the DevTools
protocol's mouse events, as fast as they go, many to a frame), back and
forth for a few seconds. It reports the frames the page drew meanwhile, as
requestAnimationFrame sees them (budget: 60 per second, none missed), how
many drag steps the moves became (at most one a frame, also where five come
in each), and what one step
costs the page's main thread: the frame's callback, that is the working's
module, the core, the boxes and the working written, and the layout after
it (budget 2 ms). Usage: bench/web_drag.py [site folder] [seconds]"""

import pathlib
import statistics
import sys
import time

from selenium.webdriver.support.ui import WebDriverWait

from web_startup import browser, serve

SITE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/site").resolve()
SECONDS = float(sys.argv[2]) if len(sys.argv) > 2 else 3

# Each frame callback timed with the layout it leaves, and each frame's time.
MEASURE = """
window.frames = [];
window.costs = [];
const request = window.plainFrame = requestAnimationFrame.bind(window);
window.requestAnimationFrame = (callback) => request((time) => {
  const start = performance.now();
  callback(time);
  document.body.getBoundingClientRect();
  costs.push(performance.now() - start);
});
(function frame(time) { frames.push(time); request(frame); })(performance.now());
"""


def mouse(driver, kind, x, y):
    driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
        "type": kind, "x": x, "y": y, "button": "left", "buttons": 1 if kind != "mouseReleased" else 0,
        "clickCount": 1 if kind != "mouseMoved" else 0})


def main():
    server = serve(SITE)
    driver = browser()
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 800, "height": 900, "deviceScaleFactor": 1, "mobile": False})
    driver.get(f"http://127.0.0.1:{server.server_address[1]}/")
    WebDriverWait(driver, 10).until(lambda d: d.execute_script(
        "return document.documentElement.dataset.working") == "ready")
    driver.execute_script("document.getElementById('Command1_0').click()")
    x, y = driver.execute_script("""
        const b = document.querySelectorAll("#solution-body > figure > span")[1];
        b.scrollIntoView({block: "center"});
        const r = b.getBoundingClientRect();
        return [r.x + r.width / 2, r.y + r.height / 2];""")
    driver.execute_script(MEASURE)
    mouse(driver, "mousePressed", x, y)
    moves, start, at = 0, time.monotonic(), 0
    while time.monotonic() - start < SECONDS:
        at = (at + 1) % 120  # out 60 pixels and back
        mouse(driver, "mouseMoved", x + min(at, 120 - at), y)
        moves += 1
    frames, costs = driver.execute_script("return [frames.splice(0), costs.splice(0)]")
    # Five moves in every frame, as a fast pen or a 240 Hz mouse gives them
    # (dispatched by the page to the pressed pointer): one step each frame.
    crowded = driver.execute_async_script("""
        const [x, done] = arguments;
        const slider = document.querySelectorAll("#solution-body > figure > span")[1];
        let frame = 0;
        (function moves() {
          for (let i = 1; i <= 5; ++i) {
            slider.dispatchEvent(new PointerEvent("pointermove", {
              pointerId: 1, isPrimary: true, bubbles: true, clientX: x + (frame % 60) + i / 5}));
          }
          if (++frame < 60) plainFrame(moves);
          else plainFrame(() => done(costs.length));
        })();""", x)
    mouse(driver, "mouseReleased", x, y)
    shown = driver.execute_script(
        'return [...document.querySelectorAll("input[type=text]")].map((e) => e.value)')
    driver.quit()
    server.shutdown()

    gaps = [b - a for a, b in zip(frames, frames[1:])]
    fps = 1000 * len(gaps) / (frames[-1] - frames[0])
    print(f"drag of {SECONDS:.0f} s: {moves} moves, {len(costs)} steps, {len(gaps)} frames, "
          f"{fps:.1f} frames per second (budget 60), longest frame {max(gaps):.1f} ms, "
          f"frames over 20 ms: {sum(g > 20 for g in gaps)}")
    costs.sort()
    print(f"one step on the main thread, layout included: median {statistics.median(costs):.2f} ms, "
          f"95th percentile {costs[int(0.95 * len(costs))]:.2f} ms, most {costs[-1]:.2f} ms "
          f"(budget 2)")
    print(f"300 moves over 60 frames, five to a frame: {crowded} steps")
    print("boxes at the end:", ", ".join(shown))


if __name__ == "__main__":
    main()
