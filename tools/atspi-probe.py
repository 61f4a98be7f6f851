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


def write_terms(frame, task, first, second):
    """Writes two fractions, each a (numerator, denominator) pair, into a task's term boxes."""
    for ordinal, fraction in (("primeira", first), ("segunda", second)):
        for part, value in zip(("numerador", "denominador"), fraction):
            write(control(frame, f"{task}, {ordinal} fracção, {part}"), value)


def act(node):
    node.queryAction().doAction(0)
    settle()


def states(node):
    return node.getState()


def focused(node):
    return states(node).contains(pyatspi.STATE_FOCUSED)


CONTROL_ROLES = ("text", "push button", "check box")


def check_names(frame, page):
    """Every box, button and check box of the window, hidden ones included, has a name of its
    own in that window."""
    names = [n.name for n in walk(frame) if n.getRoleName() in CONTROL_ROLES and n.name]
    unnamed = [n.getRoleName() for n in walk(frame)
               if n.getRoleName() in CONTROL_ROLES and not n.name]
    check(f"every control of {page} is named", not unnamed, unnamed)
    check(f"the names of {page} are unique", len(names) == len(set(names)),
          sorted({n for n in names if names.count(n) > 1}))


def focused_name(frame):
    return next((n.name for n in walk(frame) if focused(n)), None)


def showing(node):
    return states(node).contains(pyatspi.STATE_SHOWING)


# F10 opens the title page's menu bar on its first menu; Escape leaves it.
key("F10")
first_menu = [n for f in program() for n in walk(f)
              if n.getRoleName() == "menu item" and n.name == "Ficheiro"]
check("F10 puts the focus on the first menu", bool(first_menu) and focused(first_menu[0]))
key("Escape")
key("Escape")

# The title page's access key opens the Operations page.
key("alt+o")
ops = window("Efectuar a adição")

# An assistive tool writes 2/3 + 5/6 and presses "=": the result is 3/2, not the example's.
write_terms(ops, "Adição", ("2", "3"), ("5", "6"))
act(control(ops, "Efectuar a adição"))
check("assistive write then press: 2/3 + 5/6 = 3/2",
      (text(control(ops, "Adição, resultado, numerador")),
       text(control(ops, "Adição, resultado, denominador"))) == ("3", "2"),
      (text(control(ops, "Adição, resultado, numerador")),
       text(control(ops, "Adição, resultado, denominador"))))
check("the window says which page it is", ops.name == "TALVERA, Operações", ops.name)
result = control(ops, "Adição, resultado, numerador")
check("the result reads in words", result.description == "três meios, ou seja, um inteiro e um meio",
      result.description)
# Every task of the page says its result in words once pressed.
for task, box in [("subtracção", "Subtracção, resultado, numerador"),
                  ("multiplicação", "Multiplicação, resultado, numerador"),
                  ("divisão", "Divisão, resultado, numerador"),
                  ("simplificação", "Simplificação, resultado, numerador"),
                  ("conversão de fracção em dízima", "Conversão de fracção em dízima, dízima"),
                  ("conversão de dízima em fracção",
                   "Conversão de dízima em fracção, resultado, numerador")]:
    act(control(ops, "Efectuar a " + task))
    found = control(ops, box)
    words = found.description if found is not None else None
    check(f"the {task} reads in words", bool(words) and not any(c.isdigit() for c in words), words)

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

check_names(ops, "the Operations page")

# The comparison's button keeps its name whatever its caption; the relation reads in words.
write_terms(ops, "Comparação", ("1", "2"), ("1", "3"))
compare = control(ops, "Efectuar a comparação")
act(compare)
check("the comparison's button keeps its name", compare.name == "Efectuar a comparação",
      compare.name)
check("the relation found reads in words", "maior" in compare.description, compare.description)

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

check_names(det, "the Details page")

# An assistive write on the Details page, then its "=": 2/3 x 3/4 is 6/12, which is 1/2.
write_terms(det, "Multiplicação", ("2", "3"), ("3", "4"))
act(control(det, "Efectuar a multiplicação"))
product = (text(control(det, "Multiplicação, produto por simplificar, numerador")),
           text(control(det, "Multiplicação, produto por simplificar, denominador")))
reduced = control(det, "Multiplicação, resultado simplificado, numerador")
check("assistive write then press on Details: 2/3 x 3/4 = 6/12", product == ("6", "12"), product)
check("... shown reduced as 1/2", showing(reduced) and text(reduced) == "1",
      (showing(reduced), text(reduced)))

# The instructions, by the Details page's access key: each page reads as its title and text.
key("alt+i")
ins = window("Página seguinte")
check_names(ins, "the Instructions window")


def shown_page():
    pages = [n for n in walk(ins) if n.name.startswith("Instruções, página") and showing(n)]
    return pages[0] if len(pages) == 1 else None


page = shown_page()
check("the first page reads as its title", page is not None and "página 1" in page.name,
      page and page.name)
check("the first page's description holds its text",
      page is not None and "quatro páginas" in page.description, page and page.description)
key("Right")
page = shown_page()
check("Right turns to page 2", page is not None and "página 2" in page.name, page and page.name)
key("Prior")
page = shown_page()
check("Page Up turns back to page 1", page is not None and "página 1" in page.name,
      page and page.name)

# Space on the forward arrow up to the last page: the focus moves to the back arrow, so that
# the next Space pages back instead of closing the window.
control(ins, "Página seguinte").queryComponent().grabFocus()
settle()
for _ in range(7):
    key("space")
page = shown_page()
check("the forward arrow turns to the last page", page is not None and "página 8" in page.name,
      page and page.name)
check("at the last page the focus is on the arrow that still works",
      focused(control(ins, "Página anterior")), focused_name(ins))
check("... and the other arrow is disabled",
      not states(control(ins, "Página seguinte")).contains(pyatspi.STATE_ENABLED))
key("Escape")
check("Escape closes the instructions",
      not any(n.name == "Página seguinte" for f in program() for n in walk(f)))

print(f"{len(failures)} failed")
sys.exit(1 if failures else 0)
