#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/reference.h"
#include "details/details_layout.h"
#include "kit/term_reader.h"
#include "operations/operations_layout.h"
#include "ui/form.h"

namespace talvera::monkey {

// An intermediate beyond what the program holds: the press ends with the capacity message.
struct Beyond {};

// What the checks compare of a control: shown or not, its text, and a button's spoken words.
std::string look(const ui::Control& control);

// What a press must show, from the live page's boxes: the handler's checks in order, then every
// intermediate exactly, one beyond the scaled decimal or a fixed-width integer ending the press
// with the capacity message. Roles come from a scratch layout, found on the live page by name.
class Expected {
  public:
    explicit Expected(const ui::Form& live);

    std::string messages;                      // as the collected message boxes have them
    std::map<std::string, std::string> looks;  // every control of the page, as it must be after
    std::string pictured;                      // how the picture's heading ends, once worked out

    void say(std::string_view message);
    void picture(const reference::Integer& n, const reference::Integer& d);

    // One press of a task's "=", by the operation's sign ('s' simplifies).
    void fraction(const operations::FractionTaskControls& c, char operation);
    void comparison(const operations::ComparisonControls& c);
    void toDecimal(const operations::ToDecimalControls& c);
    void toFraction(const operations::ToFractionControls& c);
    void sum(const details::SumRowControls& c, char operation);
    void product(const details::ProductRowControls& c, char operation);

  private:
    std::string_view term(const ui::Control& box) const;
    std::optional<std::vector<reference::Integer>> terms(const std::vector<ui::Control*>& boxes,
                                                         const kit::TermValidation& validation,
                                                         bool division = false);
    std::nullopt_t refuse(std::string_view message);
    bool atOnce(const details::RowControls& row);
    void write(const ui::Control& top, const ui::Control& bottom, const reference::Integer& n,
               const reference::Integer& d, const ui::Control* panel = nullptr);

    const ui::Form& live_;
};

}  // namespace talvera::monkey
