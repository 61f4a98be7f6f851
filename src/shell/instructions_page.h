#pragma once

#include <cstdint>

#include "shell/instructions_layout.h"
#include "ui/page.h"

namespace talvera::shell {

// Form4: the program's help, eight pages of text shown one at a time, paged with two arrows.
class InstructionsPage : public ui::Page {
  public:
    InstructionsPage();

  private:
    void load();
    void forward();
    void back();
    void keepFocusOnArrows(const ui::Control& leaving, ui::Control& other) const;
    ui::Control& pageShown() const;
    void showCounter() const;

    InstructionsControls controls_;
    // The number of the page shown, 1 to 8; it lives as long as the window does.
    std::int16_t counter_ = 1;
};

}  // namespace talvera::shell
