#!/usr/bin/env python3
"""Plants known faults in src/, one at a time, and checks that the test suite catches each.

    tools/plant-faults.py [BUILD_DIR] [--only LABEL...]

For every fault: the one line is changed in the source, the build folder (default build-faults, a
Debug build made on first use) is rebuilt, every test runs, and the file is restored. A fault that
no test fails on is a hole in the suite; the tool prints which tests caught each fault and exits
non-zero when one went uncaught. A fault names every path its file has had, so that the list
survives files moving between folders.
"""

import os
import subprocess
import sys
from dataclasses import dataclass

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


@dataclass
class Fault:
    label: str
    paths: tuple
    old: str
    new: str


DECIMAL_CHECK = """\
    if (!std::ranges::all_of(result.terms, [](const Decimal& term) { return term.isWhole(); })) {
        return fault(TermFault::NotWhole);
    }
"""
ZERO_CHECK = """\
    // A denominator too small for the scaled decimal (1e-30) converts to 0: it is zero to the
    // arithmetic too, though its text does not read as 0.
    if (anyDenominator(boxes, result.terms, [](const TermBox& box, const Decimal* value) {
            return leadingNumber(box.text) == 0.0 || value->isZero();
        })) {
        return fault(TermFault::ZeroDenominator);
    }
"""

FAULTS = [
    Fault("core: the order of two fractions ignores the signs of the denominators",
          ("src/core/fraction_order.cpp",),
          "return d1.isNegative() != d2.isNegative() ? reversed(order) : order;",
          "return order;"),
    Fault("core: rounding takes a half up instead of to the even digit",
          ("src/core/decimal.cpp",),
          "halfComparison > 0 || (halfComparison == 0 && bit_test(truncated, 0));",
          "halfComparison >= 0;"),
    Fault("core: the reduction divides by nothing",
          ("src/core/divisors.cpp",),
          "return {numerator / *divisor, denominator / *divisor};",
          "return {numerator, denominator};"),
    Fault("core: a zero numerator makes the whole value 1",
          ("src/core/fraction.cpp",),
          "if (d == n) {",
          "if (d == n || n.isZero()) {"),
    Fault("core: the zero check runs before the decimal check",
          ("src/core/validation.cpp",),
          DECIMAL_CHECK + ZERO_CHECK,
          ZERO_CHECK + DECIMAL_CHECK),
    Fault("core: a repeating decimal drops its sign",
          ("src/core/decimal_fraction.cpp", "src/operations/to_fraction_task.cpp"),
          "const bool negative = integerText.starts_with('-');",
          "const bool negative = false;"),
    Fault("operations: a positive result of two negative terms keeps its signs",
          ("src/operations/overlay_display.cpp", "src/operations/result_display.cpp"),
          "write(view, n.abs(), d.abs(), words);",
          "write(view, n, d, words);"),
    Fault("operations: the comparison shows > where the first fraction is less",
          ("src/operations/comparison_task.cpp",),
          'return "<";',
          'return ">";'),
    Fault("operations: division looks for a zero in the wrong term",
          ("src/operations/fraction_task.cpp",),
          "rules_.refusesZeroSecondNumerator && (*terms)[2].isZero()",
          "rules_.refusesZeroSecondNumerator && (*terms)[3].isZero()"),
    Fault("details: a step hands on to the first button instead of the next",
          ("src/details/step_sequence.cpp",),
          "handOn(index, *controls_.steps[index + 1]);",
          "handOn(index, *controls_.steps.front());"),
    Fault("details: the second expansion factor divides by the first denominator",
          ("src/details/sum_row.cpp",),
          "const core::Decimal second = store_.m / store_.d;",
          "const core::Decimal second = store_.m / store_.b;"),
    Fault("details: the negative panel of a product shows the numerator's sign",
          ("src/details/product_row.cpp",),
          "showFraction(panels.negative, panels.negativeBoxes, rules_.panelSpot, n.abs(), d.abs(),",
          "showFraction(panels.negative, panels.negativeBoxes, rules_.panelSpot, n, d.abs(),"),
    Fault("common: \"Apagar resultado\" clears nothing",
          ("src/kit/clearing.cpp", "src/common/clearing.cpp"),
          "clearResult.onClick(clearResults);",
          "clearResult.onClick([] {});"),
    Fault("common: numerators are taken for denominators",
          ("src/kit/term_reader.cpp", "src/common/term_reader.cpp"),
          "i % 2 == 1",
          "i % 2 == 0"),
    Fault("words: seventeen is said as in Brazil",
          ("src/words/numerals.cpp",),
          '"dezassete",',
          '"dezessete",'),
    Fault("kit: a result is never announced",
          ("src/kit/narrator.cpp",),
          "    form.announce(std::move(sentence));\n",
          "    static_cast<void>(form);\n"),
    Fault("details: the last step does not say that the calculation is finished",
          ("src/details/step_sequence.cpp",),
          "tell(words_.lastLine() + std::string(last ? finished : \"\"));",
          "tell(words_.lastLine());"),
    Fault("kit: the picture stays at the terms after a step",
          ("src/details/step_sequence.cpp",),
          "sketch(static_cast<int>(index) + 1);",
          "sketch(0);"),
    Fault("picture: a bar spans one unit more than its value needs",
          ("src/picture/bars.cpp",),
          "return std::max(Integer{1}, ceilOf(extent));",
          "return std::max(Integer{1}, ceilOf(extent) + 1);"),
    Fault("ui: typing ignores the box's maximum length",
          ("src/ui/user.cpp",),
          "box.setText(std::string(firstCharacters(text, box.design().maxLength)));",
          "box.setText(std::string(firstCharacters(text, 0)));"),
    Fault("ui: disabling a control leaves the focus on it",
          ("src/ui/control.cpp",),
          "        if (!enabled) {\n            form_.moveFocusOff(*this);\n        }\n",
          ""),
    Fault("ui: the zoom never grows",
          ("src/ui/zoom.cpp",),
          "return next == steps.end() ? steps.back() : *next;",
          "return next == steps.end() ? steps.back() : percent;"),
    Fault("qt: an assistive write never reaches the model",
          ("src/qt/text_box_binding.cpp", "src/ui/qt/text_box_binding.cpp"),
          "&QLineEdit::textChanged",
          "&QLineEdit::textEdited"),
    Fault("qt: the binder echoes its own writes back",
          ("src/qt/text_box_binding.cpp", "src/ui/qt/text_box_binding.cpp"),
          "!guard.quiet() && !ui::user::type(control, text.toStdString())",
          "!ui::user::type(control, text.toStdString())"),
]


def run(command, cwd=ROOT):
    return subprocess.run(command, cwd=cwd, capture_output=True, text=True)


def configure(build):
    if not os.path.exists(os.path.join(build, "build.ninja")):
        result = run(["cmake", "-S", ".", "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug"])
        if result.returncode != 0:
            sys.exit(result.stdout + result.stderr)


def failing_tests(build):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    result = subprocess.run(["ctest", "-j", str(os.cpu_count() or 2), "--timeout", "120"],
                            cwd=build, capture_output=True, text=True, env=env)
    failed = [line.split(" - ", 1)[1].split(" (")[0].strip()
              for line in result.stdout.splitlines() if " - " in line and "(" in line]
    return failed


def plant(fault, build):
    path = next((p for p in fault.paths if os.path.exists(os.path.join(ROOT, p))), None)
    if path is None:
        return None, "no such file: " + ", ".join(fault.paths)
    full = os.path.join(ROOT, path)
    with open(full, encoding="utf-8") as f:
        original = f.read()
    if original.count(fault.old) != 1:
        return None, f"{path}: the planted text is not there exactly once"
    try:
        with open(full, "w", encoding="utf-8") as f:
            f.write(original.replace(fault.old, fault.new))
        built = run(["cmake", "--build", build])
        if built.returncode != 0:
            return None, "does not build:\n" + built.stdout[-2000:]
        return failing_tests(build), None
    finally:
        with open(full, "w", encoding="utf-8") as f:
            f.write(original)


def main(argv):
    build = os.path.join(ROOT, "build-faults")
    only = []
    args = list(argv)
    if args and not args[0].startswith("--"):
        build = os.path.abspath(args.pop(0))
    if args and args[0] == "--only":
        only = args[1:]
    configure(build)
    if run(["cmake", "--build", build]).returncode != 0:
        sys.exit("the unchanged tree does not build")
    uncaught = 0
    for fault in FAULTS:
        if only and not any(o in fault.label for o in only):
            continue
        caught, problem = plant(fault, build)
        if problem:
            print(f"SKIPPED  {fault.label}: {problem}")
            uncaught += 1
        elif caught:
            print(f"caught   {fault.label}: {', '.join(caught)}")
        else:
            print(f"UNCAUGHT {fault.label}")
            uncaught += 1
        sys.stdout.flush()
    run(["cmake", "--build", build])
    return 1 if uncaught else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
