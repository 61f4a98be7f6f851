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
            try {
                execute(step);
            } catch (const ScenarioError& error) {
                fail(step, error.what());
            }
        }
        const int lastLine = scenario_.steps.empty() ? 0 : scenario_.steps.back().line;
        expectNoMessages(Step{lastLine, {"end of file"}});
        return passed_;
    }

  private:
    using Words = std::vector<std::string>;

    void execute(const Step& step) {
        const Words& w = step.words;
        const std::string& verb = w[0];
        if (verb == "window") {
            arity(step, 2);
            window_ = w[1];
        } else if (verb == "message" || verb == "message-plain") {
            arity(step, 2);
            expectMessage(step, w[1], verb == "message");
        } else if (verb == "expect") {
            expect(step);
        } else {
            action(step);
        }
    }

    void action(const Step& step) {
        const Words& w = step.words;
        const std::string& verb = w[0];
        static const std::map<std::string, std::size_t, std::less<>> arities{
            {"start", 1},         {"menu", 2},  {"type", 3},
            {"type-repeated", 4}, {"click", 2}, {"close", 1}};
        if (keyboard(step)) {
            return;
        }
        const auto known = arities.find(verb);
        if (known == arities.end()) {
            throw ScenarioError("unknown line " + quoted(verb));
        }
        arity(step, known->second);
        expectNoMessages(step);
        if (verb == "start") {
            window_ = "Form3";
            driver_.start();
        } else if (verb == "menu") {
            driver_.chooseMenu(window_, w[1]);
        } else if (verb == "type") {
            driver_.type(window_, w[1], w[2]);
        } else if (verb == "type-repeated") {
            driver_.type(window_, w[1], repeated(w[2], w[3]));
        } else if (verb == "click") {
            driver_.click(window_, w[1]);
        } else {
            driver_.close(window_);
        }
    }

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
        if (w.size() < 2) {
            throw ScenarioError("expect what?");
        }
        const std::string& what = w[1];
        if (what == "text" || what == "caption") {
            arity(step, 4);
            const std::string found =
                what == "text" ? driver_.text(window_, w[2]) : driver_.caption(window_, w[2]);
            check(step, what + " of " + w[2] + " " + quoted(w[3]), found == w[3], quoted(found));
        } else if (what == "focused") {
            expectFocused(step);
        } else if (what == "text-repeated") {
            arity(step, 5);
            const std::string found = driver_.text(window_, w[2]);
            check(step, "text of " + w[2] + " " + quoted(w[3]) + " " + w[4] + " times",
                  found == repeated(w[3], w[4]), std::to_string(found.size()) + " bytes");
        } else if (what == "zoom") {
            expectZoom(step);
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

    // focus NAME; key NAME KEY; zoom in|out|normal. False for a verb that is not the keyboard's.
    bool keyboard(const Step& step) {
        const Words& w = step.words;
        if (w[0] == "focus") {
            arity(step, 2);
            expectNoMessages(step);
            driver_.focus(window_, w[1]);
        } else if (w[0] == "zoom") {
            arity(step, 2);
            expectNoMessages(step);
            driver_.zoom(window_, w[1]);
        } else if (w[0] == "key") {
            arity(step, 3);
            expectNoMessages(step);
            driver_.press(window_, w[1], w[2]);
        } else {
            return false;
        }
        return true;
    }

    void expectFocused(const Step& step) {
        arity(step, 3);
        const std::string found = driver_.focused(window_);
        check(step, "the focus on " + step.words[2], found == step.words[2],
              found.empty() ? "no focus" : "it on " + found);
    }

    void expectZoom(const Step& step) {
        arity(step, 3);
        const std::string found = std::to_string(driver_.zoomOf(window_));
        check(step, "the zoom at " + step.words[2] + " %", found == step.words[2], found + " %");
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
        };
        const auto known = flags.find(what);
        if (known == flags.end()) {
            throw ScenarioError("unknown expectation " + quoted(what));
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
