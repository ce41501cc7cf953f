#!/usr/bin/python3
"""Uses the calculator only through the accessibility interface (AT-SPI), as a
screen reader user's tools do: finds the controls by role and name, picks a
pair with the keyboard, types values, presses the buttons and reads back."""
import os
import subprocess
import sys
import time

import pyatspi
from Xlib import display

KEY_DOWN, KEY_HOME, KEY_TAB = 0xFF54, 0xFF50, 0xFF09
STARTUP_FIGURE = ["16.000", "10.000", "4.000", "4.000", "40.000"]
SYMBOLS = ["a", "b", "c", "r", "P"]


def wait_for(what, predicate, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            if predicate():
                return
        except Exception:  # the tree may be mid-update
            pass
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def find(root, role, name):
    found = pyatspi.findDescendant(root, lambda n: n is not None and n.getRole() == role and n.name == name)
    if found is None:
        raise AssertionError(f"no {role} named {name!r}")
    return found


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


class Calculator:
    def __init__(self, app):
        self.boxes = [find(app, pyatspi.ROLE_TEXT, s) for s in SYMBOLS]
        self.checks = [find(app, pyatspi.ROLE_CHECK_BOX, s) for s in SYMBOLS]
        self.pairs = find(app, pyatspi.ROLE_LIST, "Дадени величини")
        self.explanation = find(app, pyatspi.ROLE_TEXT, "Обяснение")
        self.calculate = find(app, pyatspi.ROLE_PUSH_BUTTON, "Изчисли")
        self.clear = find(app, pyatspi.ROLE_PUSH_BUTTON, "Изчисти")

    def values(self):
        return [text_of(box) for box in self.boxes]

    def selected_pair(self):
        selected = [item.name for item in self.pairs
                    if item is not None and item.getState().contains(pyatspi.STATE_SELECTED)]
        assert len(selected) == 1, f"selected entries: {selected}"
        return selected[0]

    def given(self):
        return [SYMBOLS[k] for k, check in enumerate(self.checks)
                if check.getState().contains(pyatspi.STATE_CHECKED)]

    def press(self, button):
        button.queryAction().doAction(0)

    def focus(self, target):
        if target is self.pairs:
            # Qt's list offers no focus action; a keyboard user tabs to it
            # from the Clear button, which comes right before it.
            self.focus(self.clear)
            self.keys(KEY_TAB)
        else:
            target.queryComponent().grabFocus()
        wait_for(f"focus on {target.name}", lambda: target.getState().contains(pyatspi.STATE_FOCUSED))

    def keys(self, *keysyms):
        for keysym in keysyms:
            pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)

    def choose_pair(self, *keysyms):
        self.focus(self.pairs)
        self.keys(*keysyms)

    def type(self, symbol, text):
        box = self.boxes[SYMBOLS.index(symbol)]
        self.focus(box)
        pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)
        wait_for(f"{text!r} in box {symbol}", lambda: text_of(box) == text)

    def calculate_with(self, pair_keys, pair, first, second):
        """Chooses a pair with the keyboard, types its two values, presses Calculate."""
        self.choose_pair(*pair_keys)
        wait_for(f"pair {pair}", lambda: self.selected_pair() == pair)
        assert self.given() == pair.split(", "), self.given()
        self.expect_values(["", "", "", "", ""], "a new pair empties the boxes")
        for symbol, text in zip(pair.split(", "), (first, second)):
            self.type(symbol, text)
        self.press(self.calculate)

    def expect_values(self, expected, why):
        wait_for(f"{expected} ({why})", lambda: self.values() == expected)


def check_tree(node, parent_name=""):
    """No showing node repeats its parent's name, which a reader would say twice."""
    showing = node.getState().contains(pyatspi.STATE_SHOWING)
    assert not (showing and node.name and node.name == parent_name), \
        f"{node.getRoleName()} {node.name!r} repeats its parent's name"
    for child in node:
        if child is not None:
            check_tree(child, node.name)


def scenarios(app, calc):
    check_tree(app)
    figure = find(app, pyatspi.ROLE_IMAGE, "Чертеж на трапеца")
    assert figure.description, "the figure has no description"
    yield "the tree as a screen reader meets it"

    # Start-up state.
    assert calc.selected_pair() == "a, c", calc.selected_pair()
    assert calc.given() == ["a", "c"], calc.given()
    assert calc.values() == ["16", "", "4", "", ""], calc.values()
    assert text_of(calc.explanation).startswith("В равнобедрения трапец ABCD")
    yield "start-up state"

    calc.press(calc.calculate)
    calc.expect_values(STARTUP_FIGURE, "Calculate after start-up")
    yield "Calculate after start-up"

    calc.calculate_with([KEY_DOWN] * 4, "b, r", "10", "4")  # from a, c
    calc.expect_values(STARTUP_FIGURE, "b = 10, r = 4")
    yield "pair b, r chosen with the keyboard"

    calc.calculate_with([KEY_HOME], "a, b", "25", "10")
    wait_for("the invalid-data message", lambda: text_of(calc.explanation) == "Грешни данни!")
    assert calc.values() == ["25", "10", "", "", ""], calc.values()
    yield "invalid data"

    calc.press(calc.clear)
    calc.expect_values(["", "", "", "", ""], "Clear")
    assert calc.given() == ["a", "b"], calc.given()
    assert text_of(calc.explanation) == "Грешни данни!"
    yield "Clear"

    grouped = ["1,234.500", "619.250", "4.000", "35.135", "2,477.000"]
    calc.calculate_with([KEY_DOWN], "a, c", "1234.5", "4")
    calc.expect_values(grouped, "a = 1234.5, c = 4")
    calc.press(calc.calculate)
    calc.expect_values(grouped, "Calculate again")
    yield "a grouped result reads back as shown"

    # Widened, the window shows the working of the last calculation beside the
    # controls; narrowed again, no longer.
    resize_window(900, 600)
    wait_for("the working", lambda: text_of(find(app, pyatspi.ROLE_TEXT, "Решение")).startswith(
        "Дадено: a = 1,234.5; c = 4.\n1. b = (a + c) / 2 = (1,234.5 + 4) / 2 = 619.25\n"))
    working = find(app, pyatspi.ROLE_TEXT, "Решение")
    assert working.getState().contains(pyatspi.STATE_SHOWING)
    figure = pyatspi.findDescendant(app, lambda n: n is not None and n.getRole() == pyatspi.ROLE_IMAGE
                                    and n.name.startswith("Трапецът ABCD в мащаб: стрелките"))
    assert figure is not None, "no picture of the trapezoid to scale that says how its keys move it"
    assert figure.description.startswith("Равнобедрен трапец ABCD: долна основа a = 1,234.500")
    check_tree(app)
    resize_window(465, 430)
    wait_for("the working gone", lambda: not any(
        n is not None and n.name == "Решение" and n.getState().contains(pyatspi.STATE_SHOWING)
        for n in pyatspi.findAllDescendants(app, lambda n: n is not None)))
    yield "the working beside a widened window"


def resize_window(width, height):
    """As a window manager would, where none runs: the program's X window resized."""
    x = display.Display()
    for window in x.screen().root.query_tree().children:
        name = window.get_full_property(x.intern_atom("_NET_WM_NAME"), x.intern_atom("UTF8_STRING"))
        if name and name.value.decode("utf-8").endswith("вписана окръжност в трапец"):
            window.configure(width=width, height=height)
    x.sync()
    x.close()


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               LC_ALL="C.UTF-8")
    desktop = pyatspi.Registry.getDesktop(0)
    process = subprocess.Popen([program], env=env)
    passed = failed = 0
    try:
        def application():
            return next((a for a in desktop if a is not None and a.name == "Velmora"), None)
        wait_for("the Velmora application on the accessibility bus", lambda: application() is not None)
        app = application()
        wait_for("the controls", lambda: Calculator(app) is not None)
        calc = Calculator(app)
        steps = scenarios(app, calc)
        while True:
            try:
                name = next(steps)
            except StopIteration:
                break
            except Exception as error:  # a failed check, or the program gone
                failed += 1
                print(f"FAIL after {passed} scenarios: {error}", flush=True)
                break
            passed += 1
            print(f"ok - {name}", flush=True)
        if process.poll() is not None:
            failed += 1
            print("FAIL: the program ended", flush=True)
    finally:
        process.terminate()
        process.wait(timeout=10)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
