#pragma once

#include "shell/page_id.h"
#include "ui/form.h"

namespace talvera::shell {

class Program;

// Puts the menu bar of a page on its form. The Instructions page has none.
void installMenus(ui::Form& form, PageId page, Program& program);

}  // namespace talvera::shell
