#include "runner.h"

#include <charconv>
#include <functional>
#include <map>

namespace talvera::scenarios {

namespace {

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

std::string describe(const RecordedMessage& message) {
    return "the message box " + quoted(message.text) + " titled " + quoted(message.title) +
           (message.icon == ui::MessageIcon::Information ? " with" : " without") +
           " the information icon";
}

class Run {
  public:
    Run(const Scenario& scenario, Driver& driver, std::ostream& out)
        : scenario_(scenario), driver_(driver), out_(out) {}

    bool all() {
        for (const std::string& error : scenario_.syntaxErrors) {
            out_ << scenario_.file << ':' << error << '\n';
            passed_ = false;
        }
        driver_.start();
        for (const Step& step : scenario_.steps) {
            execute(step);
        }
        const int lastLine = scenario_.steps.empty() ? 0 : scenario_.steps.back().line;
        expectNoMessages(Step{lastLine, {"end of file"}});
        return passed_;
    }

  private:
    using Words = std::vector<std::string>;

    void execute(const Step& step) {
        const Words& w = step.words;
        try {
            if (w[0] == "window" || w[0] == "message" || w[0] == "message-plain") {
                arity(step, 2);
                if (w[0] == "window") {
                    window_ = w[1];
                } else {
                    expectMessage(step, w[1], w[0] == "message");
                }
            } else if (w[0] == "terms") {
                terms(step);
            } else if (w[0] == "expect") {
                expect(step);
            } else {
                action(step);
            }
        } catch (const ScenarioError& error) {
            fail(step, error.what());
        }
    }

    // Each action first wants every message box before it matched.
    void action(const Step& step) {
        using Act = void (*)(Run&, const Words&);
        static const std::map<std::string, std::pair<std::size_t, Act>, std::less<>> actions{
            {"start",
             {1,
              [](Run& r, const Words&) {
                  r.window_ = "Form3";
                  r.driver_.start();
              }}},
            {"menu", {2, [](Run& r, const Words& w) { r.driver_.chooseMenu(r.window_, w[1]); }}},
            {"type", {3, [](Run& r, const Words& w) { r.driver_.type(r.window_, w[1], w[2]); }}},
            {"type-repeated", {4, [](Run& r, const Words& w) { r.typeRepeated(w); }}},
            {"click", {2, [](Run& r, const Words& w) { r.driver_.click(r.window_, w[1]); }}},
            {"choose",
             {3, [](Run& r, const Words& w) { r.driver_.choose(r.window_, w[1], w[2]); }}},
            {"close", {1, [](Run& r, const Words&) { r.driver_.close(r.window_); }}},
            {"focus", {2, [](Run& r, const Words& w) { r.driver_.focus(r.window_, w[1]); }}},
            {"key", {3, [](Run& r, const Words& w) { r.driver_.press(r.window_, w[1], w[2]); }}},
            {"zoom", {2, [](Run& r, const Words& w) { r.driver_.zoom(r.window_, w[1]); }}}};
        const auto known = actions.find(step.words[0]);
        if (known == actions.end()) {
            throw ScenarioError("unknown line " + quoted(step.words[0]));
        }
        if (step.words[0] == "click" && each(step, 1)) {
            return;
        }
        arity(step, known->second.first);
        expectNoMessages(step);
        known->second.second(*this, step.words);
    }

    // A line that names several controls where its verb takes one stands for one line for each
    // control, in order. False for a line of one control.
    bool each(const Step& step, std::size_t namedAt) {
        if (step.words.size() <= namedAt + 1) {
            return false;
        }
        for (std::size_t i = namedAt; i < step.words.size(); ++i) {
            Words one = step.words;
            one.resize(namedAt);
            one.push_back(step.words[i]);
            execute(Step{step.line, one});
        }
        return true;
    }

    // terms TASK N1 D1 [N2 D2]: one "type" line for each term, into TASK's boxes N1, D1, N2 and
    // D2; a fraction standing alone may have boxes N and D instead.
    void terms(const Step& step) {
        const Words& w = step.words;
        if (w.size() != 4 && w.size() != 6) {
            throw ScenarioError("\"terms\" takes a task and 2 or 4 terms");
        }
        const bool numbered = driver_.has(window_, w[1] + "N1");
        if (!numbered && (w.size() == 6 || !driver_.has(window_, w[1] + "N"))) {
            throw ScenarioError(window_ + " has no boxes " + w[1] + "N1" +
                                (w.size() == 6 ? "" : " or " + w[1] + "N"));
        }
        for (std::size_t i = 2; i < w.size(); ++i) {
            const std::string number = numbered ? std::to_string(i / 2) : "";
            execute(Step{step.line, {"type", w[1] + (i % 2 == 0 ? "N" : "D") + number, w[i]}});
        }
    }

    void typeRepeated(const Words& w) { driver_.type(window_, w[1], repeated(w[2], w[3])); }

    // TEXT written COUNT times over, for long texts a line could not hold.
    static std::string repeated(const std::string& text, const std::string& count) {
        std::size_t times = 0;
        const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), times);
        if (error != std::errc{} || end != count.data() + count.size()) {
            throw ScenarioError(quoted(count) + " is not a count");
        }
        std::string result;
        result.reserve(text.size() * times);
        for (std::size_t i = 0; i < times; ++i) {
            result += text;
        }
        return result;
    }

    void expect(const Step& step) {
        const Words& w = step.words;
        const std::string what = w.size() < 2 ? "" : w[1];
        if (what == "text" || what == "caption") {
            arity(step, 4);
            const std::string found =
                what == "text" ? driver_.text(window_, w[2]) : driver_.caption(window_, w[2]);
            check(step, what + " of " + w[2] + " " + quoted(w[3]), found == w[3], quoted(found));
        } else if (what == "fraction") {
            arity(step, 5);
            const std::string found =
                driver_.text(window_, w[2]) + '/' + driver_.text(window_, w[3]);
            check(step, "the fraction " + w[2] + '/' + w[3] + " " + quoted(w[4]), found == w[4],
                  quoted(found));
        } else if (what == "text-repeated") {
            arity(step, 5);
            const std::string found = driver_.text(window_, w[2]);
            check(step, "text of " + w[2] + " " + quoted(w[3]) + " " + w[4] + " times",
                  found == repeated(w[3], w[4]), std::to_string(found.size()) + " bytes");
        } else if (what == "focused") {
            arity(step, 3);
            const std::string found = driver_.focused(window_);
            check(step, "the focus on " + w[2], found == w[2],
                  found.empty() ? "no focus" : "it on " + found);
        } else if (what == "zoom") {
            arity(step, 3);
            const std::string found = std::to_string(driver_.zoomOf(window_));
            check(step, "the zoom at " + w[2] + " %", found == w[2], found + " %");
        } else if (what == "description") {
            arity(step, 4);
            const std::string found = driver_.description(window_, w[2]);
            check(step, "description of " + w[2] + " " + quoted(w[3]), found == w[3],
                  quoted(found));
        } else if (what == "name" || what == "place") {
            arity(step, 4);
            const std::string found =
                what == "name" ? driver_.name(window_, w[2]) : driver_.place(window_, w[2]);
            check(step, what + " of " + w[2] + " " + quoted(w[3]), found == w[3], quoted(found));
        } else if (what == "in-front") {
            arity(step, 4);
            check(step, w[2] + " in front of " + w[3], driver_.inFront(window_, w[2], w[3]),
                  "it behind");
        } else if (what == "drawing") {
            arity(step, 4);
            const std::string found = driver_.drawing(window_, w[2]);
            check(step, "the line " + quoted(w[3]) + " in the drawing " + w[2],
                  holdsLine(found, w[3]), quoted(found));
        } else if (what == "printed") {
            arity(step, 3);
            const std::string found = driver_.printed();
            check(step, "the line " + quoted(w[2]) + " in what was printed", holdsLine(found, w[2]),
                  quoted(found));
        } else if (what == "announced" || what == "said") {
            arity(step, 3);
            const std::string found =
                what == "announced" ? driver_.announced(window_) : driver_.said();
            check(step, what + " " + quoted(w[2]), found == w[2], quoted(found));
        } else if (what == "ended") {
            arity(step, 2);
            check(step, "the program to have ended", driver_.ended(), "it still runs");
        } else if (what == "open" || what == "closed") {
            arity(step, 3);
            const bool open = driver_.open(w[2]);
            check(step, w[2] + " " + what, open == (what == "open"), open ? "open" : "closed");
        } else {
            flag(step, what);
        }
    }

    static bool holdsLine(const std::string& lines, const std::string& line) {
        return ('\n' + lines).find('\n' + line + '\n') != std::string::npos;
    }

    void flag(const Step& step, const std::string& what) {
        struct Flag {
            bool (Driver::*read)(std::string_view, std::string_view);
            bool wanted;
            const char* opposite;
        };
        static const std::map<std::string, Flag, std::less<>> flags{
            {"visible", {&Driver::visible, true, "hidden"}},
            {"hidden", {&Driver::visible, false, "visible"}},
            {"enabled", {&Driver::enabled, true, "disabled"}},
            {"disabled", {&Driver::enabled, false, "enabled"}},
            {"ticked", {&Driver::ticked, true, "unticked"}},
            {"unticked", {&Driver::ticked, false, "ticked"}},
            {"menu-ticked", {&Driver::menuTicked, true, "unticked"}},
            {"menu-unticked", {&Driver::menuTicked, false, "ticked"}},
            {"menu-enabled", {&Driver::menuEnabled, true, "disabled"}},
            {"menu-disabled", {&Driver::menuEnabled, false, "enabled"}},
        };
        const auto known = flags.find(what);
        if (known == flags.end()) {
            throw ScenarioError(what.empty() ? "expect what?"
                                             : "unknown expectation " + quoted(what));
        }
        if (each(step, 2)) {
            return;
        }
        arity(step, 3);
        const std::string& name = step.words[2];
        const Flag& f = known->second;
        check(step, name + " " + what, (driver_.*f.read)(window_, name) == f.wanted, f.opposite);
    }

    void expectMessage(const Step& step, const std::string& text, bool withIcon) {
        const RecordedMessage wanted{
            text, "TALVERA", withIcon ? ui::MessageIcon::Information : ui::MessageIcon::None};
        auto& messages = driver_.messages();
        if (messages.empty()) {
            fail(step, "expected " + describe(wanted) + ", found no message box");
            return;
        }
        const RecordedMessage found = messages.front();
        messages.pop_front();
        const bool same =
            found.text == wanted.text && found.title == wanted.title && found.icon == wanted.icon;
        check(step, describe(wanted), same, describe(found));
    }

    void expectNoMessages(const Step& step) {
        auto& messages = driver_.messages();
        while (!messages.empty()) {
            fail(step, "expected every message box matched before " + quoted(step.words[0]) +
                           ", found " + describe(messages.front()));
            messages.pop_front();
        }
    }

    void check(const Step& step, const std::string& expected, bool holds,
               const std::string& found) {
        if (!holds) {
            fail(step, "expected " + expected + ", found " + found);
        }
    }

    static void arity(const Step& step, std::size_t words) {
        if (step.words.size() != words) {
            throw ScenarioError(quoted(step.words[0]) + " takes " + std::to_string(words - 1) +
                                " words here, found " + std::to_string(step.words.size() - 1));
        }
    }

    void fail(const Step& step, const std::string& what) {
        out_ << scenario_.file << ':' << step.line << ": " << what << '\n';
        passed_ = false;
    }

    const Scenario& scenario_;
    Driver& driver_;
    std::ostream& out_;
    std::string window_ = "Form3";
    bool passed_ = true;
};

}  // namespace

bool runScenario(const Scenario& scenario, Driver& driver, std::ostream& out) {
    return Run(scenario, driver, out).all();
}

}  // namespace talvera::scenarios
