#pragma once

#include <array>

#include "ui/form.h"

namespace talvera::shell {

inline constexpr int instructionPageCount = 8;

// Where every instruction page stands once the window is loaded.
inline constexpr int instructionPageLeft = 200;
inline constexpr int instructionPageTop = 120;

struct InstructionsControls {
    std::array<ui::Control*, instructionPageCount> pages;  // Image1(1) to Image1(8)
    ui::Control& back;                                     // SetaE
    ui::Control& forward;                                  // SetaD
    ui::Control& counter;                                  // Label2, the number of the page shown
    ui::Control& close;                                    // Command3, "Fechar"
};

// Lays out Form4 in its designed places, names and tab order.
InstructionsControls layOutInstructionsPage(ui::Form& form);

}  // namespace talvera::shell
