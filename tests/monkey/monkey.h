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

namespace talvera::monkey {

// Decisions byte by byte: a seeded random engine's, or a fuzzer's input, dry once it is used up.
using Bytes = std::function<std::optional<std::uint8_t>()>;

// Typing, choosing and clicking on both work pages and the Exercises page, each "=" checked
// exactly against the reference (its messages in order, the whole page after it), a Details step
// for the rows' messages, the Exercises page for its own verdicts and refusals, others none.
class Monkey {
  public:
    Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;
    ~Monkey();

    // A fresh program with both work pages and the Exercises page open, its tasks seeded so.
    void restart(std::uint64_t seed = 1);
    ui::Form& form(shell::PageId page) const;
    const operations::OperationsControls& operations() const;  // by role, as the layout names them
    // Types the text into the control of that name, or clicks it; returns the fault found, or "".
    std::string act(shell::PageId page, std::string_view name,
                    const std::optional<std::string>& text = std::nullopt);
    // One sequence of at most that many actions on a fresh program: the first fault, or "".
    std::string run(const Bytes& bytes, std::size_t actions);

    std::size_t checked() const { return checked_; }  // presses checked exactly

  private:
    struct State;
    std::unique_ptr<State> state_;
    std::size_t checked_ = 0;
};

}  // namespace talvera::monkey
