#pragma once

#include "kit/narrator.h"
#include "kit/sketcher.h"
#include "ui/dialogs.h"

namespace talvera::kit {

// What the program gives every work page: its message boxes, its narrator, which both pages share
// so that reading aloud is one choice for the whole program, and the sketcher that follows the
// task the picture shows.
struct PageContext {
    ui::Dialogs& dialogs;
    Narrator& narrator;
    Sketcher& sketcher;
};

}  // namespace talvera::kit
