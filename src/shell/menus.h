#pragma once

#include <string_view>

#include "shell/page_id.h"
#include "ui/form.h"

namespace talvera::shell {

class Program;

// The names of the menu items whose state the program changes on every page at once.
namespace menuNames {
inline constexpr std::string_view readAloud = "LerEmVozAlta";
inline constexpr std::string_view readAgain = "RepetirLeitura";
inline constexpr std::string_view highContrast = "AltoContraste";
inline constexpr std::string_view picture = "ImagemDasFracções";
}  // namespace menuNames

// Puts the menu bar of a page on its form. The Instructions page has none.
void installMenus(ui::Form& form, PageId page, Program& program);

}  // namespace talvera::shell
