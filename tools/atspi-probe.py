#!/usr/bin/python3
"""Drives a running TALVERA through the desktop accessibility bus, as a screen reader, voice
control or an on-screen keyboard does, and prints what held and what did not.

Run it with tools/atspi-probe.sh, which starts a virtual X server, the bus and the program.
Needs Debian's python3-pyatspi and xdotool (scripts/install-deps.sh --atspi)."""

import subprocess
import sys
import time

import pyatspi

failures = []


def check(what, holds, found=""):
    print(("ok    " if holds else "FAIL  ") + what + ("" if holds else f" (found {found!r})"))
    if not holds:
        failures.append(what)


def settle(seconds=0.4):
    time.sleep(seconds)


def key(*names):
    subprocess.run(["xdotool", "key", *names], check=True)
    settle()


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "TALVERA":
            return app
    raise SystemExit("TALVERA is not on the accessibility bus")


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def window(title_part_or_object):
    """The frame whose accessible tree holds a control of that name."""
    for frame in program():
        for node in walk(frame):
            if node.name == title_part_or_object:
                return frame
    raise SystemExit(f"no window holds {title_part_or_object!r}")


def control(frame, name):
    for node in walk(frame):
        if node.name == name:
            return node
    raise SystemExit(f"no control named {name!r}")


def text(node):
    return node.queryText().getText(0, -1)


def write(node, value):
    node.queryEditableText().setTextContents(value)
    settle(0.1)


def act(node):
    node.queryAction().doAction(0)
    settle()


def states(node):
    return node.getState()


def focused(node):
    return states(node).contains(pyatspi.STATE_FOCUSED)


# The title page's access key opens the Operations page.
key("alt+o")
ops = window("Efectuar a adição")

# An assistive tool writes 2/3 + 5/6 and presses "=": the result is 3/2, not the example's.
for name, value in [("Adição, primeira fracção, numerador", "2"),
                    ("Adição, primeira fracção, denominador", "3"),
                    ("Adição, segunda fracção, numerador", "5"),
                    ("Adição, segunda fracção, denominador", "6")]:
    write(control(ops, name), value)
act(control(ops, "Efectuar a adição"))
check("assistive write then press: 2/3 + 5/6 = 3/2",
      (text(control(ops, "Adição, resultado, numerador")),
       text(control(ops, "Adição, resultado, denominador"))) == ("3", "2"),
      (text(control(ops, "Adição, resultado, numerador")),
       text(control(ops, "Adição, resultado, denominador"))))

# Enter in a box of the subtraction computes the subtraction: 1/4 - 1/2 = -1/4.
box = control(ops, "Subtracção, segunda fracção, denominador")
box.queryComponent().grabFocus()
settle()
check("grabFocus puts the focus on the box", focused(box))
key("Return")
check("Enter in a subtraction box computes it",
      text(control(ops, "Subtracção, resultado, numerador")) == "-1",
      text(control(ops, "Subtracção, resultado, numerador")))

# Alt with a letter types nothing into the box.
before = text(box)
key("alt+x")
check("Alt+X types nothing", text(box) == before, text(box))

# Every box, button and check box of the window has a name of its own.
names = [n.name for n in walk(ops)
         if n.getRoleName() in ("text", "push button", "check box") and n.name]
unnamed = [n.getRoleName() for n in walk(ops)
           if n.getRoleName() in ("text", "push button", "check box") and not n.name]
check("every control of the Operations page is named", not unnamed, unnamed)
check("names are unique in the window", len(names) == len(set(names)),
      sorted({n for n in names if names.count(n) > 1}))

# The zoom: Ctrl+= makes the window larger, Ctrl+0 gives its size back.
size = ops.queryComponent().getSize()
key("ctrl+equal")
larger = ops.queryComponent().getSize()
key("ctrl+0")
back = ops.queryComponent().getSize()
check("Ctrl+= enlarges the window, Ctrl+0 restores it",
      larger[0] > size[0] and back == size, (size, larger, back))

# The Details page, by its access key; step mode toggled through the Toggle action.
key("alt+d")
det = window("Adição, um passo de cada vez")
mode = control(det, "Adição, um passo de cada vez")
act(mode)
check("Toggle ticks the step-mode box", states(mode).contains(pyatspi.STATE_CHECKED))
first = control(det, "Adição, 1º passo")
check("ticking enables the first step", states(first).contains(pyatspi.STATE_ENABLED))

# Step mode is on in the model too: Enter in a box refuses, as "=" does in step mode.
term = control(det, "Adição, primeira fracção, numerador")
term.queryComponent().grabFocus()
settle()
key("Return")
dialog = [f for f in program() if f.getRoleName() in ("dialog", "alert")]
check("Enter in step mode gives the refusal", bool(dialog), [f.getRoleName() for f in program()])
key("Return")

# The steps by keyboard: the focus follows the enabled step button.
first.queryComponent().grabFocus()
settle()
key("space")
second = control(det, "Adição, 2º passo")
check("after step 1 the focus is on step 2", focused(second))
key("Return")
third = control(det, "Adição, 3º passo")
check("Enter on step 2 presses it; the focus goes to step 3", focused(third))

print(f"{len(failures)} failed")
sys.exit(1 if failures else 0)
