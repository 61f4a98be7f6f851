#pragma once

#include "ui/page.h"

namespace talvera::shell {

// Form4: the program's help, eight pages of text.
class InstructionsPage : public ui::Page {
  public:
    InstructionsPage();
};

}  // namespace talvera::shell
