#!/usr/bin/python3
"""The page as users meet it, in Debian's Chromium (headless), driven through
WebDriver with real clicks and key presses, served from the built folder on
127.0.0.1. Usage: browser_test.py <site folder> [unittest arguments]"""

import base64
import functools
import http.server
import json
import os
import pathlib
import re
import shutil
import sys
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/web/site").resolve()
AXE = pathlib.Path(__file__).resolve().parent / "node_modules/axe-core/axe.min.js"

CAPTION = "www.example.org\u00a0 вписана окръжност в трапец"  # HTML shows both blanks so
INVALID = "Грешни данни!"
BEFORE_CALCULATION = "Натиснете „Изчисли“ и тук ще видите решението стъпка по стъпка."
FIGURE = ["16", "10", "4", "4", "40"]  # a, b, c, r, P of the start-up figure
RESULTS = ["16.000", "10.000", "4.000", "4.000", "40.000"]
PAIRS = [(0, 1), (0, 2), (0, 3), (0, 4), (1, 2), (1, 3), (2, 3), (2, 4), (3, 4)]
CAPTIONS = ["a, b", "a, c", "a, r", "a, P", "b, c", "b, r", "c, r", "c, P", "r, P"]

# Where each control stands in the window, in CSS pixels: the twips of the
# design divided by 15, worked out by hand (a check box: its label, which
# holds the square and the symbol; the frame's rows relative to the frame).
PLACES = {
    "Label1": (72, 0, 305, 25), "List1": (16, 32, 73, 156), "Frame1": (112, 32, 145, 145),
    "Picture1": (272, 32, 181, 166), "Command1_0": (16, 192, 105, 25),
    "Command1_1": (152, 192, 105, 25), "Text1_0": (8, 224, 449, 201),
    **{f"Check1_{k}": (8, 16 + 24 * k, 49, 27) for k in range(5)},
    **{f"Text2_{k}": (56, 16 + 24 * k, 81, 27) for k in range(5)},
}
# What a screen reader hears for each control, as on the desktop.
NAMES = {
    "Text1_0": "Обяснение", "Label1": "Геометрия - трапец, вписана окръжност",
    "Picture1": "Чертеж на трапеца", "Command1_0": "Изчисли", "Command1_1": "Изчисти",
    "List1": "Дадени величини", "Frame1": "Параметри",
    **{f"Check1_{k}": s for k, s in enumerate("abcrP")},
    **{f"Text2_{k}": s for k, s in enumerate("abcrP")},
}


class Server(http.server.ThreadingHTTPServer):
    """The built folder on 127.0.0.1, noting every request and its answer."""

    def __init__(self, folder):
        self.requests = []
        handler = functools.partial(self.Handler, directory=str(folder))
        super().__init__(("127.0.0.1", 0), handler)
        threading.Thread(target=self.serve_forever, daemon=True).start()

    class Handler(http.server.SimpleHTTPRequestHandler):
        def log_message(self, format, *args):
            self.server.requests.append((self.path, args[1] if len(args) > 1 else ""))

    def stop(self):
        self.shutdown()
        self.server_close()


def start_browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--disable-quic", "--window-size=800,700",
                     f"--user-data-dir={tempfile.mkdtemp(prefix='velmora-chromium-')}",
                     # Any other host fails, and shows as a failed request.
                     "--host-resolver-rules=MAP * ~NOTFOUND , EXCLUDE 127.0.0.1"]:
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class PageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # A copy, which a test may publish a new version into.
        cls.folder = pathlib.Path(tempfile.mkdtemp(prefix="velmora-site-"))
        shutil.copytree(SITE, cls.folder, dirs_exist_ok=True)
        cls.server = Server(cls.folder)
        cls.origin = f"http://127.0.0.1:{cls.server.server_address[1]}"
        cls.browser = start_browser()
        cls.browser.get("about:blank")
        cls.browser.get_log("performance")  # what the browser loaded for itself at its start
        cls.urls = []  # every request the page made
        cls.console = []

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()
        cls.server.stop()
        shutil.rmtree(cls.folder)

    def tearDown(self):
        self.collect_logs()

    @classmethod
    def collect_logs(cls):
        for entry in cls.browser.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                cls.urls.append(message["params"]["request"]["url"])
        cls.console += [e for e in cls.browser.get_log("browser") if e["level"] != "INFO"]

    # The page as a user opens it, in a language and at a size and density,
    # from a link to a calculation where a fragment is given.
    def open(self, language="en-US", width=800, scale=1, mobile=False, fragment="", query=""):
        b = self.browser
        b.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": 700, "deviceScaleFactor": scale, "mobile": mobile})
        b.execute_cdp_cmd("Emulation.setLocaleOverride", {})
        b.execute_cdp_cmd("Emulation.setLocaleOverride", {"locale": language})
        b.execute_cdp_cmd("Network.setUserAgentOverride", {
            "userAgent": b.execute_script("return navigator.userAgent"),
            "acceptLanguage": language})
        if fragment:
            b.get("about:blank")  # a new page, not the same page with another fragment
        b.get(self.origin + "/" + query + ("#" + fragment if fragment else ""))
        self.wait_until_ready()

    def wait_for_address(self, fragment):
        """The address names the calculation shown, a moment later where it had just changed."""
        try:
            WebDriverWait(self.browser, 2).until(
                lambda b: b.execute_script("return location.hash") == fragment)
        except TimeoutException:
            self.assertEqual(self.browser.execute_script("return location.hash"), fragment)

    def wait_until_ready(self):
        """The page computes, and the working's module, fetched after, is there too."""
        WebDriverWait(self.browser, 10).until(lambda b: b.execute_script(
            "const d = document.documentElement.dataset; return [d.velmora, d.working]") ==
            ["ready", "ready"])

    def element(self, id):
        return self.browser.find_element(By.ID, id)

    def values(self):
        return [self.element(f"Text2_{k}").get_attribute("value") for k in range(5)]

    def given(self):
        return [(self.element(f"Check1_{k}").is_selected(),
                 self.element(f"Text2_{k}").get_attribute("readonly") is None) for k in range(5)]

    def explanation(self):
        return self.element("Text1_0").get_attribute("value")

    def click_pair(self, pair):
        self.browser.find_elements(By.CSS_SELECTOR, "#List1 option")[pair].click()

    def type_into(self, k, text):
        box = self.element(f"Text2_{k}")
        box.click()
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys(Keys.DELETE)
        box.send_keys(text)

    def calculate(self):
        self.element("Command1_0").click()

    def test_starts_as_designed(self):
        self.open()
        b = self.browser
        self.assertEqual(b.title, CAPTION)
        self.assertEqual(b.find_element(By.TAG_NAME, "html").get_attribute("lang"), "bg")
        self.assertEqual(b.switch_to.active_element.get_attribute("id"), "Text1_0")
        self.assertEqual(self.values(), ["16", "", "4", "", ""])
        self.assertEqual(self.given(), [(k in (0, 2), k in (0, 2)) for k in range(5)])
        options = b.find_elements(By.CSS_SELECTOR, "#List1 option")
        self.assertEqual([o.text for o in options], CAPTIONS)
        self.assertEqual([o.is_selected() for o in options], [i == 1 for i in range(9)])
        lines = self.explanation().split("\n")
        self.assertEqual(len(lines), 21)
        self.assertEqual(lines[16], "((a-c)/2)^2 +  (2*r)^2 = ((a+c)/2)^2")
        self.assertFalse(self.element("Text1_1").is_displayed())
        self.assertIsNotNone(self.element("Text1_0").get_attribute("readonly"))

    def test_every_pair_valid_then_invalid(self):
        for pair, (first, second) in enumerate(PAIRS):
            with self.subTest(pair=CAPTIONS[pair]):
                self.open()
                if pair == 1:  # selected at start-up: come to it from another pair
                    self.click_pair(0)
                    self.type_into(1, "10")
                self.calculate()  # fill the boxes, so that the change of pair shows
                self.click_pair(pair)
                self.assertEqual(self.values(), [""] * 5)
                self.assertEqual(self.given(), [(k in (first, second),) * 2 for k in range(5)])
                self.type_into(first, FIGURE[first])
                self.type_into(second, FIGURE[second])
                self.calculate()
                self.assertEqual(self.values(), RESULTS)
                # Both zero: no trapezoid (a zero product, or a division by zero).
                self.type_into(first, "0")
                self.type_into(second, "0")
                self.calculate()
                self.assertEqual(self.explanation(), INVALID)
                expected = ["0" if k in (first, second) else RESULTS[k] for k in range(5)]
                self.assertEqual(self.values(), expected)

    def test_clear_and_the_message_until_a_valid_calculation(self):
        self.open()
        explanation = self.explanation()
        self.browser.execute_script("document.getElementById('Text1_0').scrollTop = 200")
        self.click_pair(0)  # a, b: 25 and 10 give c = -5
        self.type_into(0, "25")
        self.type_into(1, "10")
        self.calculate()
        self.assertEqual(self.explanation(), INVALID)
        self.assertEqual(self.values(), ["25", "10", "", "", ""])
        self.element("Command1_1").click()
        self.assertEqual(self.values(), [""] * 5)
        self.assertEqual(self.given(), [(k in (0, 1),) * 2 for k in range(5)])
        self.assertEqual(self.explanation(), INVALID)
        self.type_into(0, "16")
        self.type_into(1, "10")
        self.calculate()
        self.assertEqual(self.values(), RESULTS)
        self.assertEqual(self.explanation(), explanation)  # back, from its top
        self.assertEqual(self.browser.execute_script(
            "return document.getElementById('Text1_0').scrollTop"), 0)

    def solution(self):
        """The section's paragraphs, its link and its steps, as text."""
        return self.browser.execute_script("""
            const section = document.querySelector("section#solution");
            const texts = (selector) => [...section.querySelectorAll(selector)].map((e) => e.textContent);
            const live = section.querySelector("p").closest("[aria-live]");
            return {paragraphs: texts("p:not(:has(a))"), links: texts("p > a"),
                    steps: texts("ol > li"), lists: texts("ol").length,
                    figures: texts("svg").length, live: live && live.getAttribute("aria-live"),
                    announced: texts("[aria-live], [role=status]").join(" ")};""")

    def test_the_working_says_why_the_data_are_invalid(self):
        self.open("bg-BG")
        before = self.solution()
        self.assertEqual(before["paragraphs"], [BEFORE_CALCULATION])
        self.assertEqual(before["live"], "polite")
        self.click_pair(0)  # a, b: 25 and 10 give c = -5
        self.type_into(0, "25")
        self.type_into(1, "10")
        self.calculate()
        self.assertEqual(self.explanation(), INVALID)  # the window itself says only that
        self.assertEqual(self.browser.switch_to.active_element.get_attribute("id"), "Command1_0")
        shown = self.solution()
        self.assertEqual(shown["steps"], [
            "c = 2·b − a = 2·10 − 25 = -5", "P = 4·b = 4·10 = 40", "a·c = 25·(-5) = -125 ≤ 0"])
        self.assertEqual(shown["paragraphs"], [
            "Дадено: a = 25; b = 10.",
            "Основите a и c са с различни знаци, а дължина не може да е отрицателна. "
            "Такъв трапец не съществува."])
        self.assertEqual(shown["figures"], 0)
        self.element("Command1_1").click()  # Clear: those numbers are gone
        self.assertEqual(self.solution()["paragraphs"], [BEFORE_CALCULATION])
        # What was typed is quoted as text, never as markup.
        self.type_into(0, "1.234,5<i>x</i>")
        self.type_into(1, "10")
        self.calculate()
        self.assertEqual(self.solution()["paragraphs"][-1],
                         "Текстът „1.234,5<i>x</i>“ в полето a може да се прочете като две "
                         "различни числа.")
        self.assertEqual(self.browser.find_elements(By.CSS_SELECTOR, "#solution i"), [])
        self.assertEqual(self.solution()["lists"], 0)  # no step is worked from it
        self.assertEqual(self.solution()["links"], [])  # nor a link made

    def test_the_working_draws_the_trapezoid_to_scale(self):
        self.open("bg-BG")
        self.type_into(0, "9")  # a : c = 9 : 4, r = 3
        self.calculate()
        shown = self.solution()
        self.assertEqual(len(shown["steps"]), 4)
        self.assertEqual(shown["steps"][3], "r = √(a·c) / 2 = √36 / 2 = 6 / 2 = 3")
        self.assertEqual(shown["paragraphs"], [
            "Дадено: a = 9; c = 4.", "Отговор: a = 9; b = 6,5; c = 4; r = 3; P = 26."])
        self.assertEqual(shown["figures"], 1)
        figure = self.browser.execute_script("""
            const svg = document.querySelector("section#solution svg");
            const corners = [...svg.querySelector("polygon").points].map((p) => [p.x, p.y]);
            const circle = svg.querySelector("circle");
            return {corners, cx: circle.cx.baseVal.value, cy: circle.cy.baseVal.value,
                    r: circle.r.baseVal.value, title: svg.querySelector("title").textContent,
                    width: svg.getBoundingClientRect().width};""")
        (ax, ay), (bx, by), (cx, cy), (dx, dy) = figure["corners"]
        self.assertAlmostEqual((bx - ax) / (cx - dx), 9 / 4, places=2)  # a : c
        self.assertAlmostEqual((ay - dy) / (bx - ax), 6 / 9, places=2)  # 2r : a
        self.assertAlmostEqual(figure["cy"] - figure["r"], dy, places=1)  # touches c
        self.assertAlmostEqual(figure["cy"] + figure["r"], ay, places=1)  # touches a
        self.assertEqual((ay, cy), (by, dy))
        self.assertEqual(figure["title"], "Трапецът ABCD в мащаб")
        self.assertGreater(figure["width"], 300)  # fitted to the section
        self.type_into(0, "6")  # the textbook's answer: r = √6
        self.calculate()
        shown = self.solution()
        self.assertEqual(shown["steps"][3], "r = √(a·c) / 2 = √24 / 2 = 2√6 / 2 = √6 ≈ 2,449")
        self.assertEqual(shown["paragraphs"][1],
                         "Отговор: a = 6; b = 5; c = 4; r = √6 ≈ 2,449; P = 20.")
        self.click_pair(2)  # another pair: the working of the last one is gone
        self.assertEqual(self.solution()["paragraphs"], [BEFORE_CALCULATION])
        self.type_into(0, "-16")  # valid, but no length to draw
        self.type_into(3, "4")
        self.calculate()
        shown = self.solution()
        self.assertEqual(shown["paragraphs"][1:], [
            "Отговор: a = -16; b = -10; c = -4; r = 4; P = -40.",
            "Няма чертеж в мащаб: дължината a = -16 не е положителна."])
        self.assertEqual((len(shown["steps"]), shown["figures"]), (3, 0))

    def handles(self):
        """The figure's corners: A's, the sliders of a (on B) and of c (on C), D's."""
        return self.browser.find_elements(By.CSS_SELECTOR, "#solution-body > figure > span")

    def centre(self, element):
        r = self.browser.execute_script("return arguments[0].getBoundingClientRect()", element)
        return (r["x"] + r["width"] / 2, r["y"] + r["height"] / 2)

    def shown(self):
        """The boxes, the message, the working with its figure and handles, and the link."""
        return (self.values(), self.explanation(), self.solution(), self.browser.execute_script(
            "const f = document.querySelector('#solution-body > figure'); return f && f.outerHTML"))

    def assert_as_calculated(self, address=None):
        """Once the drag has ended (by keys: the focus gone), the page shows what Calculate
        shows for its boxes, and the address names it at once (as it was at a pointer's end)."""
        written = self.browser.execute_script("document.activeElement.blur(); return location.hash")
        shown = self.shown()
        address = address or written
        self.assertEqual(address, "#" + shown[2]["links"][0].split("#")[1])
        self.calculate()
        self.wait_for_address(address)
        self.assertEqual(self.shown(), shown)

    def drag(self, handle, *moves, release=True, pointer="mouse"):
        """A drag by a mouse or a finger as fast as the browser takes it; the address as it
        ends."""
        actions = ActionBuilder(self.browser, mouse=PointerInput(pointer, pointer), duration=0)
        actions.pointer_action.move_to(handle).pointer_down()
        for dx in moves:
            actions.pointer_action.move_by(dx, 0)
        if release:
            actions.pointer_action.pointer_up()
        actions.perform()
        return self.browser.execute_script("return location.hash")

    def test_a_corner_dragged_or_moved_by_keys(self):
        """A real pointer's drag of each base, then the keys on its slider: the figure, the
        boxes, the working and the link follow, as Calculate gives them; Escape undoes."""
        b = self.browser
        self.open("bg-BG")
        self.calculate()
        a = self.handles()[1]
        b.execute_script("document.getElementById('Text2_4').focus()")
        for slider in self.handles()[1:3]:  # after the window, and the working's text
            b.switch_to.active_element.send_keys(Keys.TAB)
            self.assertEqual(b.switch_to.active_element, slider)
        b.execute_script("arguments[0].scrollIntoView({block: 'center'})", a)
        (ax, _), (bx, _) = self.centre(self.handles()[0]), self.centre(a)
        per_length = (bx - ax) / 16  # pixels per unit of length, as drawn now
        ActionChains(b).move_to_element(a).click_and_hold().move_by_offset(30, 0).move_by_offset(
            20, 0).perform()
        try:  # at the press's scale, the corner under the pointer; the same handle, focused
            self.assertEqual(b.switch_to.active_element, a)
            self.assertAlmostEqual(self.centre(a)[0], bx + 50, delta=0.05 * per_length)
            busy = b.find_element(By.ID, "solution-body").get_attribute("aria-busy")
            self.assertEqual(busy, "true")  # the working read out once the drag is over
        finally:
            ActionChains(b).release().perform()
        moved = float(self.values()[0].replace(",", "."))
        self.assertAlmostEqual(moved, 16 + 100 / per_length, delta=0.1)
        self.assertEqual(self.values()[2], "4,000")
        self.assertEqual(b.switch_to.active_element, a)
        self.assertIsNone(b.find_element(By.ID, "solution-body").get_attribute("aria-busy"))
        self.assert_as_calculated()

        # A finger on D's corner: the upper base, mirrored, and the page does not scroll.
        address = self.drag(self.handles()[3], -20, -20, pointer="touch")
        a, c = self.handles()[1:3]
        self.assertEqual(b.switch_to.active_element, c)
        self.assertGreater(float(self.values()[2].replace(",", ".")), 4.5)
        self.assertEqual(self.values()[0], f"{moved:.3f}".replace(".", ","))
        self.assert_as_calculated(address)

        dragged = self.values()
        c.send_keys(Keys.ARROW_RIGHT)
        c.send_keys(Keys.SHIFT, Keys.ARROW_LEFT)  # −1 −10 steps of 0,1
        keyed = f"{float(dragged[2].replace(',', '.')) - 0.9:.3f}".replace(".", ",")
        self.assertEqual(self.values()[2], keyed)
        self.assertEqual(b.switch_to.active_element, c)
        self.assertEqual([c.get_attribute(f"aria-value{k}") for k in ("now", "min", "max", "text")],
                         [keyed.replace(",", ".").rstrip("0"), "0.1", "100", keyed])
        self.assertEqual(c.accessible_name, "Основа c")
        self.assertEqual(a.accessible_name, "Основа a")
        c.send_keys(Keys.END)
        self.assertEqual(self.values()[2], "100,000")
        c.send_keys(Keys.ESCAPE)  # back to before the keys
        self.assertEqual(self.values(), dragged)
        self.assertEqual(b.switch_to.active_element, c)
        c.send_keys(Keys.HOME)
        self.assertEqual(self.values()[2], "0,100")
        self.assert_as_calculated()

        before = self.shown()
        self.drag(self.handles()[1], 30, 30, release=False)
        self.assertNotEqual(self.values(), before[0])
        ActionChains(b).send_keys(Keys.ESCAPE).release().perform()  # as before the drag
        self.assertEqual(self.shown(), before)

    def test_a_drag_through_the_square(self):
        """Under b, r the bases made equal give no trapezoid: the working says why, the figure
        stays while the base moves on past it, and goes once the drag ends there."""
        b = self.browser
        self.open("bg-BG")
        self.click_pair(5)  # b, r
        self.type_into(1, "10")
        self.type_into(3, "4")
        self.calculate()
        a = self.handles()[1]
        for _ in range(12):  # a from 16 to 4, the upper base, by steps of 0,1
            a.send_keys(Keys.SHIFT, Keys.ARROW_LEFT)
        self.assertEqual(self.values()[1::2], ["4,000", "2,000"])  # b and r; the rest as they were
        self.assertEqual(self.explanation(), INVALID)
        self.assertEqual(self.solution()["paragraphs"][-1], "При D = 0 основите са равни (a = c), "
                         "бедрата са перпендикулярни на тях и фигурата е квадрат, а не трапец.")
        self.assertEqual(b.switch_to.active_element, a)  # drawn from a and c, the handle there
        self.assertEqual(a.get_attribute("aria-valuetext"), "4,000")
        a.send_keys(Keys.ARROW_LEFT)  # 3,9: r = 1,975 rounded, and a square again
        self.assertEqual(self.values()[1::2], ["3,950", "1,975"])
        self.assertEqual(self.explanation(), INVALID)
        a.send_keys(Keys.ARROW_LEFT)  # 3,8: on past it
        self.assertEqual(self.values()[1::2], ["3,900", "1,949"])
        self.assertNotEqual(self.explanation(), INVALID)
        a.send_keys(Keys.ARROW_RIGHT, Keys.ARROW_RIGHT)
        self.assertEqual(self.values()[1::2], ["4,000", "2,000"])
        a.send_keys(Keys.SHIFT, Keys.TAB)  # the drag ends on the square: the figure goes
        self.assertEqual(self.solution()["figures"], 0)
        self.assertEqual(self.handles(), [])
        shown = self.shown()
        self.calculate()
        self.assertEqual(self.shown(), shown)
        # A pointer's drag that ends on the square: the figure goes, and the
        # focus stays in the working that says why, not lost to the page.
        self.type_into(1, "10")
        self.type_into(3, "4")
        self.calculate()
        a = self.handles()[1]
        for _ in range(12):
            a.send_keys(Keys.SHIFT, Keys.ARROW_LEFT)
        self.drag(a)
        self.assertEqual(self.handles(), [])
        self.assertEqual(b.switch_to.active_element.get_attribute("id"), "solution-body")

    def test_printed_on_one_page(self):
        self.open("bg-BG")
        self.type_into(0, "9")  # a square: the tallest figure
        self.type_into(2, "9")
        self.calculate()
        self.assertEqual(len(self.solution()["steps"]), 4)
        pdf = base64.b64decode(self.browser.execute_cdp_cmd("Page.printToPDF", {
            "paperWidth": 8.27, "paperHeight": 11.69})["data"])  # A4
        self.assertEqual(len(re.findall(rb"/Type\s*/Page[^s]", pdf)), 1)

    def state(self):
        """What the window shows, the working below it and its link."""
        return (self.values(), self.given(), self.explanation(), self.solution()["paragraphs"],
                self.solution()["links"])

    def test_a_link_opens_the_calculation_in_any_language(self):
        self.open("bg-BG")
        self.type_into(0, "1,23456")  # more digits than the boxes show
        history = self.browser.execute_script("return history.length")
        self.calculate()
        shown = self.values()
        self.assertEqual(shown, ["1,235", "2,617", "4,000", "1,111", "10,469"])
        address = self.browser.execute_script("return location.href")
        self.assertEqual(address, self.origin + "/#a=1.23456&c=4")
        # Back does not step through calculations.
        self.assertEqual(self.browser.execute_script("return history.length"), history)
        link = self.browser.find_element(By.CSS_SELECTOR, "section#solution a")
        self.assertEqual(link.text, "Връзка към това решение: " + address)
        self.assertEqual(link.get_attribute("href"), address)
        # A screen reader hears the working, not the address.
        self.assertIn("Отговор: a = 1,23456; b = 2,61728", self.solution()["announced"])
        self.assertNotIn("#a=", self.solution()["announced"])
        self.click_pair(8)  # r, P: a pair change takes the calculation away
        self.wait_for_address("")
        self.assertEqual(self.solution()["links"], [])

        self.open("en-US", fragment="a=1.23456&c=4")  # the teacher's link, in English
        self.assertEqual(self.values(), ["1.235", "2.617", "4.000", "1.111", "10.469"])
        self.assertEqual(self.given(), [(k in (0, 2),) * 2 for k in range(5)])
        self.assertEqual(len(self.solution()["steps"]), 4)
        self.open("bg-BG", fragment="a=1.23456&c=4")
        self.assertEqual(self.values(), shown)

    def test_a_bad_link_leaves_the_page_as_it_was(self):
        """Opened afresh, a plain visit; typed into the open page, the calculation on
        screen stays and the address names it again."""
        self.open("bg-BG")
        plain = self.state()
        bad = ["x=16&y=4", "a=16", "a=16&c=4&r=4", "b=10&P=40", "a=16&a=4", "a=&c=4",
               "a=16abc&c=4", "a=1e400&c=4", "a=%31%36&c=4", "p=40&r=4", "a=2,5&c=4", "",
               "a=<img src=x onerror=document.title=1>&c=4", "a=" + "1" * 100000 + "&c=4"]
        self.open("bg-BG", fragment=bad[-2])
        self.assertEqual(self.state(), plain)
        self.wait_for_address("")
        self.open("bg-BG", fragment="b=10&a=25")  # describes no trapezoid: as Calculate says
        self.assertEqual(self.explanation(), INVALID)
        self.assertEqual(self.values(), ["25", "10", "", "", ""])
        self.assertEqual(len(self.solution()["steps"]), 3)
        self.wait_for_address("#a=25&b=10")
        shown = self.state()
        for fragment in bad:
            with self.subTest(fragment=fragment[:40]):  # opened in the page already open
                self.browser.execute_script("location.hash = arguments[0]", fragment)
                WebDriverWait(self.browser, 5).until(
                    lambda b: b.execute_script("return location.hash") == "#a=25&b=10")
                self.assertEqual(self.state(), shown)
                self.assertEqual(self.browser.title, CAPTION)
        self.element("Command1_1").click()  # Clear: no calculation, and a bad link leaves none
        self.wait_for_address("")
        self.browser.execute_script("location.hash = arguments[0]", "r=4&p=40")
        WebDriverWait(self.browser, 5).until(
            lambda b: b.execute_script("return location.hash") == "")
        self.assertEqual(self.values(), ["", "", "", "", ""])

    def test_a_link_written_by_hand_or_with_a_query(self):
        """Any plain decimal reads, and the address is then written in the one form; a query
        (?token=…) stays out of the link the page hands on."""
        self.open("bg-BG", query="?token=secret", fragment="a=2.50&c=4")
        self.assertEqual(self.values(), ["2,500", "3,250", "4,000", "1,581", "13,000"])
        self.wait_for_address("#a=2.5&c=4")
        self.assertEqual(self.solution()["links"],
                         ["Връзка към това решение: " + self.origin + "/#a=2.5&c=4"])
        longest = "a=1." + "0" * 92 + "&c=4"  # as long as a link may be
        for typed, written in (("a=1E3&c=.5e+1", "#a=1000&c=5"), (longest, "#a=1&c=4"),
                               ("c=4&a=0.00000005960464477539063", "#a=5.960464477539063e-8&c=4")):
            with self.subTest(typed=typed):  # typed into the open page
                self.browser.execute_script("location.hash = arguments[0]", typed)
                self.wait_for_address(written)
                self.assertEqual(self.solution()["links"],
                                 ["Връзка към това решение: " + self.origin + "/" + written])
        self.assertEqual(self.values()[2], "4,000")
        self.assertIn("token=secret", self.browser.current_url)  # the address keeps what it had

    def test_the_address_keeps_up_with_calculations(self):
        """200 Calculates in a few seconds, counted as Safari counts changes of the address
        (it refuses more than 100 in 30 s); then each change refused; then the page left."""
        self.open()
        gaps = self.browser.execute_async_script("""
            const done = arguments[arguments.length - 1];
            const replace = history.replaceState.bind(history);
            const times = [];
            history.replaceState = (...args) => {
              const now = performance.now();
              if (times.filter((t) => now - t < 30000).length >= 100) {
                throw new DOMException("more than 100 times per 30 seconds", "SecurityError");
              }
              times.push(now);
              replace(...args);
            };
            const box = document.getElementById("Text2_0");
            (async () => {
              for (let i = 1; i <= 200; ++i) {
                box.value = String(16 + i / 100);
                document.getElementById("Command1_0").click();
                await new Promise(requestAnimationFrame);
              }
              done(times.slice(1).map((t, k) => t - times[k]));
            })();""")
        self.wait_for_address("#a=18&c=4")
        self.assertGreater(min(gaps), 300)  # so never 100 in 30 s
        self.assertEqual(self.values(), ["18.000", "11.000", "4.000", "4.243", "44.000"])
        self.assertEqual(self.solution()["links"][0][-9:], "#a=18&c=4")

        self.browser.execute_script("""history.replaceState = () => {
            throw new DOMException("refused", "SecurityError"); };""")
        self.type_into(0, "9")
        self.calculate()
        self.assertEqual(self.values(), ["9.000", "6.500", "4.000", "3.000", "26.000"])
        self.assertEqual(len(self.solution()["steps"]), 4)  # the working is written all the same
        self.assertEqual(self.solution()["links"][0][-8:], "#a=9&c=4")
        logs = self.browser.get_log("browser")
        type(self).console += logs
        self.assertEqual([e for e in logs if e["level"] == "SEVERE"], [])

        waiting, left = self.browser.execute_script("""
            delete history.replaceState;
            const box = document.getElementById("Text2_0");
            for (const a of ["10", "11"]) {
              box.value = a;
              document.getElementById("Command1_0").click();
            }
            const waiting = location.hash;
            dispatchEvent(new Event("pagehide"));
            return [waiting, location.hash];""")
        self.assertNotEqual(waiting, "#a=11&c=4")
        self.assertEqual(left, "#a=11&c=4")  # written as the page is left

    def test_no_pair_selected(self):
        """The list restored on reload, then a Ctrl+click on its entry; then a script
        taking its selection away: the page goes on."""
        b = self.browser
        restore = b.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            document.addEventListener("DOMContentLoaded", () => {
              document.getElementById("List1").selectedIndex = 1;  // as Firefox restores it
            }, {capture: true, once: true});"""})
        try:
            self.open()
        finally:
            b.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", restore)
        self.assertEqual(self.given(), [(k in (0, 2),) * 2 for k in range(5)])
        # A Ctrl+click on it, as Firefox takes it (Chromium keeps the selection).
        b.execute_script("""const list = document.getElementById("List1");
            list.selectedIndex = -1;
            list.dispatchEvent(new Event("change"));""")
        self.assertTrue(b.find_elements(By.CSS_SELECTOR, "#List1 option")[1].is_selected())
        self.calculate()
        self.assertEqual(self.values(), RESULTS)
        self.browser.execute_script("document.getElementById('List1').selectedIndex = -1")
        self.calculate()
        self.assertEqual(self.explanation(), INVALID)
        self.assertEqual(self.solution()["paragraphs"], [BEFORE_CALCULATION])
        self.wait_for_address("")
        self.click_pair(8)
        self.type_into(3, "4")
        self.type_into(4, "40")
        self.calculate()
        self.assertEqual(self.values(), RESULTS)

    def test_the_link_is_copied_or_shared(self):
        b = self.browser
        self.open("bg-BG")
        b.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": self.origin, "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        b.execute_script("navigator.share = () => Promise.resolve()")
        self.calculate()
        link = self.origin + "/#a=16&c=4"
        button = b.find_element(By.CSS_SELECTOR, "#solution-link button")
        self.assertEqual(button.text, "Копирай")  # a desktop: its sharing often does nothing
        button.click()
        WebDriverWait(b, 5).until(lambda b: "Връзката е копирана." in self.solution()["announced"])
        self.assertEqual(b.execute_async_script(
            "navigator.clipboard.readText().then(arguments[arguments.length - 1])"), link)
        b.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
        try:  # on paper, the link without what can be done with it
            self.assertTrue(b.find_element(By.CSS_SELECTOR, "#solution-link a").is_displayed())
            self.assertFalse(button.is_displayed())
            self.assertFalse(b.find_element(By.CSS_SELECTOR, "#solution-link span").is_displayed())
        finally:
            b.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
        b.execute_cdp_cmd("Browser.resetPermissions", {})
        b.execute_cdp_cmd("Browser.setPermission", {
            "origin": self.origin, "permission": {"name": "clipboard-write"}, "setting": "denied"})
        button.click()  # refused: the link is selected, for Ctrl+C
        WebDriverWait(b, 5).until(lambda b: b.execute_script("return getSelection().toString()"))
        self.assertEqual(b.execute_script("return getSelection().toString()"),
                         "Връзка към това решение: " + link)
        b.execute_cdp_cmd("Browser.resetPermissions", {})

        b.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        try:  # a phone: the system's sharing, where refused (a frame not allowing it) copying
            self.open("bg-BG", width=360, scale=3, mobile=True)
            b.execute_script("""window.shared = [];
                navigator.share = (data) => {
                  shared.push(data.url);
                  return Promise.reject(new DOMException("",
                      shared.length === 1 ? "AbortError" : "NotAllowedError"));
                };""")
            self.calculate()
            button = b.find_element(By.CSS_SELECTOR, "#solution-link button")
            self.assertEqual(button.text, "Сподели")
            button.click()  # closed by the user: still Share
            WebDriverWait(b, 5).until(lambda b: b.execute_script("return shared.length") == 1)
            self.assertEqual(button.text, "Сподели")
            button.click()
            WebDriverWait(b, 5).until(lambda b: button.text == "Копирай")
            self.assertEqual(b.execute_script("return shared"), [link, link])
        finally:
            b.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})

    def test_keyboard(self):
        self.open()
        order = ["Command1_0", "Command1_1", "List1"] + [f"Text2_{k}" for k in range(5)]
        for expected in order:
            self.browser.switch_to.active_element.send_keys(Keys.TAB)
            self.assertEqual(self.browser.switch_to.active_element.get_attribute("id"), expected)
        self.element("Command1_0").send_keys(Keys.ENTER)  # Enter presses the focused button
        self.assertEqual(self.values(), RESULTS)
        self.element("Command1_1").send_keys(Keys.SPACE)
        self.assertEqual(self.values(), [""] * 5)
        self.element("List1").send_keys(Keys.END)  # r, P by keyboard
        self.assertEqual(self.given(), [(k in (3, 4),) * 2 for k in range(5)])
        self.type_into(3, "2")
        self.type_into(4, "1 6")  # blanks are skipped: P = 16
        self.type_into(0, "99")  # read-only: nothing typed
        self.element("Text2_4").send_keys(Keys.ENTER)  # no default button: nothing
        self.assertEqual(self.values(), ["", "", "", "2", "1 6"])
        self.calculate()
        self.assertEqual(self.explanation(), INVALID)  # D = 0: a square
        self.type_into(4, "д40")
        self.calculate()
        self.assertEqual(self.values(), ["", "", "", "2", "д40"])

    def test_number_format_follows_the_browser_language(self):
        nbsp = "\u00a0"
        cases = {
            "en-US": ("1,234,567.500", "4,938,270.000", "1,234.000", "1.000", "4,138.276"),
            "de-DE": ("1.234.567,500", "4.938.270,000", "1.234,000", "1,000", "4.138,276"),
            "bg-BG": (f"1{nbsp}234{nbsp}567,500", f"4{nbsp}938{nbsp}270,000", "1234,000",
                      "1,000", "4138,276"),
            "hi-IN": ("12,34,567.500", "49,38,270.000", "1,234.000", "1.000", "4,138.276"),
        }
        for language, (a, perimeter, short, half, exact) in cases.items():
            with self.subTest(language=language):
                self.open(language)
                self.type_into(0, "1234567.5")
                self.type_into(2, "1234567.5")
                self.calculate()
                self.assertEqual(self.values()[0], a)
                self.assertEqual(self.values()[4], perimeter)
                shown = self.values()  # read back as shown
                self.calculate()
                self.assertEqual(self.values(), shown)
                # Rounded from the exact binary value, as on the desktop.
                for typed, shown in (("1234", short), ("1.0005", half), ("4138.2765", exact)):
                    self.type_into(0, typed)
                    self.calculate()
                    self.assertEqual(self.values()[0], shown, typed)

    def test_negative_values_in_a_right_to_left_language(self):
        self.open("fa")  # a direction mark before a minus sign of its own, Persian digits
        self.click_pair(2)  # a, r: a negative base gives negative results
        self.type_into(0, "-16")  # typed without the mark
        self.type_into(3, "4")
        self.calculate()
        shown = self.browser.execute_script("""
            const intl = new Intl.NumberFormat("fa", {minimumFractionDigits: 3});
            return [-16, -10, -4, 4, -40].map((v) => intl.format(v));""")
        self.assertEqual(self.values(), shown)  # as the browser writes them
        self.calculate()  # and read back as shown
        self.assertEqual(self.values(), shown)

    def test_decimal_commas_typed_in_bulgarian(self):
        self.open("bg-BG")
        self.type_into(0, "2,5")
        self.type_into(2, "6,5")
        for _ in range(2):
            self.calculate()
            self.assertEqual(self.values(), ["2,500", "4,500", "6,500", "2,016", "18,000"])
        self.assertNotEqual(self.explanation(), INVALID)

    def test_every_control_stands_where_designed(self):
        for scale in (1, 2):
            with self.subTest(scale=scale):
                self.open(scale=scale)
                places = self.browser.execute_script("""
                    const window = document.getElementById("Velmora").getBoundingClientRect();
                    const frame = document.getElementById("Frame1").getBoundingClientRect();
                    const place = (id) => {
                      const control = document.getElementById(id);
                      const element = control.type === "checkbox" ? control.parentElement : control;
                      const r = element.getBoundingClientRect();
                      const corner = /^(Check1|Text2)_/.test(id) ? frame : window;
                      return [r.left - corner.left, r.top - corner.top, r.width, r.height];
                    };
                    return {window: [window.width, window.height],
                            ratio: devicePixelRatio,
                            places: Object.fromEntries(arguments[0].map((id) => [id, place(id)]))};
                """, list(PLACES))
                self.assertEqual(places["window"], [465, 430])
                self.assertEqual(places["ratio"], scale)
                for id, expected in PLACES.items():
                    self.assertEqual(tuple(round(v, 2) for v in places["places"][id]), expected, id)

    def test_a_phone_wide_screen_fits_without_scrolling_sideways(self):
        self.open("bg-BG", width=360, scale=3, mobile=True)
        shown, visible, right, scrolled, inner = self.browser.execute_script("""
            const window = document.getElementById("Velmora").getBoundingClientRect();
            return [window.width * visualViewport.scale, visualViewport.width, window.right,
                    document.documentElement.scrollWidth, innerWidth];""")
        self.assertAlmostEqual(shown, 360, delta=1)  # the whole window, zoomed to the width
        self.assertGreaterEqual(visible + 0.5, right)
        self.assertLessEqual(scrolled, inner)
        viewport = self.browser.find_element(By.CSS_SELECTOR, "meta[name=viewport]")
        for refused in ("user-scalable", "maximum-scale"):  # pinch zoom stays
            self.assertNotIn(refused, viewport.get_attribute("content"))
        self.calculate()
        self.assertEqual(self.values(), ["16,000", "10,000", "4,000", "4,000", "40,000"])

    def test_accessible_to_everyone(self):
        for phone in (False, True):
            with self.subTest(phone=phone):
                self.open("bg-BG", width=360 if phone else 800, scale=3 if phone else 1,
                          mobile=phone)
                for id, name in NAMES.items():
                    self.assertEqual(self.element(id).accessible_name, name, id)
                self.calculate()  # the working below, with its figure
                self.browser.execute_script(AXE.read_text())
                violations = self.browser.execute_async_script("""
                    const done = arguments[arguments.length - 1];
                    const every = axe.getRules().map((rule) => rule.ruleId);  // experimental too
                    axe.run(document, {runOnly: {type: "rule", values: every},
                                       resultTypes: ["violations"]}).then((r) => done(
                        r.violations.map((v) => v.id + ": " + v.nodes.map(
                            (n) => n.target.join(" ")).join(", "))));""")
                self.assertEqual(violations, [])

    def wait_for_the_service_worker(self):
        WebDriverWait(self.browser, 10).until(
            lambda b: b.execute_script("return !!navigator.serviceWorker.controller"))

    def test_zy_a_new_version_shows_at_the_next_visit(self):
        self.open()
        self.wait_for_the_service_worker()
        page = self.folder / "index.html"
        published = page.read_text(encoding="utf-8")
        try:
            page.write_text(published.replace("</title>", " (2)</title>"), encoding="utf-8")
            self.browser.refresh()
            self.wait_until_ready()
            self.assertEqual(self.browser.title, CAPTION + " (2)")
        finally:
            page.write_text(published, encoding="utf-8")
            # A second later than the new version: the server's Last-Modified
            # has whole seconds, and the browser would be told "not modified".
            later = page.stat().st_mtime + 2
            os.utime(page, (later, later))

    def test_zz_offline_after_the_first_visit(self):
        """Last: it stops the server the other tests use."""
        self.open()
        self.wait_for_the_service_worker()
        self.open(query="?fbclid=1")
        time.sleep(0.5)  # the copy of the page is kept after it is shown
        kept = self.browser.execute_async_script("""
            const done = arguments[arguments.length - 1];
            caches.keys().then((keys) => Promise.all(keys.map((k) => caches.open(k).then(
                (c) => c.keys())))).then((lists) => done(lists.flat().map((r) => r.url)));""")
        self.assertIn(self.origin + "/core.wasm", kept)
        self.assertTrue(all(url.startswith(self.origin + "/") for url in kept), kept)
        self.assertFalse([url for url in kept if "?" in url])  # a query is the same page
        # Nothing kept but the service worker's copies of the page's files.
        self.assertEqual(self.browser.execute_script(
            "return [document.cookie, localStorage.length, sessionStorage.length]"), ["", 0, 0])
        self.collect_logs()
        self.server.stop()
        self.browser.refresh()
        self.wait_until_ready()
        self.calculate()
        self.assertEqual(self.values(), RESULTS)
        self.assertEqual(len(self.solution()["steps"]), 4)  # the working too
        self.assertEqual(self.browser.title, CAPTION)
        self.open(fragment="r=4&P=40", query="?fbclid=2")  # and a link
        self.assertEqual(self.values(), RESULTS)
        self.assertEqual(self.given(), [(k in (3, 4),) * 2 for k in range(5)])

    @classmethod
    def check_whole_session(cls):
        """No request left the page's origin, none failed, and nothing was logged."""
        errors = []
        foreign = [u for u in cls.urls if not u.startswith(cls.origin + "/")]
        if foreign:
            errors.append(f"requests to another origin: {foreign}")
        failed = [r for r in cls.server.requests if not str(r[1]).startswith(("200", "304"))]
        if failed:
            errors.append(f"requests that failed: {failed}")
        if cls.console:
            errors.append(f"console messages: {cls.console}")
        return errors


if __name__ == "__main__":
    sys.argv[1:2] = []
    program = unittest.main(exit=False, verbosity=2)
    problems = PageTest.check_whole_session() if hasattr(PageTest, "server") else []
    for problem in problems:
        print("FAIL:", problem)
    print(f"{len(PageTest.urls)} requests, all to {getattr(PageTest, 'origin', '?')}"
          if not problems else "")
    sys.exit(0 if program.result.wasSuccessful() and not problems else 1)
