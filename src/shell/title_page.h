#pragma once

#include "ui/page.h"

namespace talvera::shell {

// Form3: the program's name on a diagonal, and the menu that leads to the other pages.
class TitlePage : public ui::Page {
  public:
    TitlePage();
};

}  // namespace talvera::shell
