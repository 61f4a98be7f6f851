#include "shell/instructions_page.h"

namespace talvera::shell {

// The window is designed at an outer size of 9330 x 10600 twips; this is its client area.
InstructionsPage::InstructionsPage() : Page("Form4", "INSTRUÇÕES", {9210, 10090}) {}

}  // namespace talvera::shell
