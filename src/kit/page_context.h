#pragma once

#include "kit/narrator.h"
#include "ui/dialogs.h"

namespace talvera::kit {

// What the program gives every work page: its message boxes and its narrator, which both pages
// share so that reading aloud is one choice for the whole program.
struct PageContext {
    ui::Dialogs& dialogs;
    Narrator& narrator;
};

}  // namespace talvera::kit
