#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "operations/operations_layout.h"
#include "shell/page_id.h"
#include "ui/form.h"

namespace talvera::monkey {

// Where the decisions come from, byte by byte: a seeded random engine, or a fuzzer's input, which
// returns nothing once it has run dry.
using Bytes = std::function<std::optional<std::uint8_t>()>;

// Typing and clicking on both work pages of a running program, each action checked against the
// exact reference: every "=" pressed at once shows exactly the messages, in order, and the results
// that the reference works out from its boxes; a step of a Details row shows only the rows'
// messages; anything else shows none.
class Monkey {
  public:
    Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;
    ~Monkey();

    // A fresh program with both work pages open.
    void restart();
    ui::Form& form(shell::PageId page) const;
    // The Operations page's controls by role, as its layout names them.
    const operations::OperationsControls& operations() const;

    // Types the text into the control of that name, or clicks it when there is no text; returns
    // the fault found, or the empty text.
    std::string act(shell::PageId page, std::string_view name,
                    const std::optional<std::string>& text = std::nullopt);
    // One sequence of at most that many actions on a fresh program: the first fault, or "".
    std::string run(const Bytes& bytes, std::size_t actions);

    std::size_t checked() const { return checked_; }    // presses checked exactly
    std::size_t messages() const { return messages_; }  // message boxes seen

  private:
    struct State;
    std::unique_ptr<State> state_;
    std::size_t checked_ = 0;
    std::size_t messages_ = 0;
};

}  // namespace talvera::monkey
