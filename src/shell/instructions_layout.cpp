#include "shell/instructions_layout.h"

#include <string>

#include "kit/styles.h"

namespace talvera::shell {

namespace {

using ui::ControlKind;

ui::Control& redLabel(ui::Form& form, const char* name, ui::Rect place, const char* caption) {
    return form.add({.kind = ControlKind::Label,
                     .name = name,
                     .place = place,
                     .text = caption,
                     .font = kit::styles::small,
                     .foreground = ui::colors::red});
}

ui::Control& arrow(ui::Form& form, const char* name, ui::Rect place, const char* picture,
                   const char* spokenName) {
    return form.add({.kind = ControlKind::Button,
                     .name = name,
                     .place = place,
                     .accessibleName = spokenName,
                     .picture = picture});
}

// Page n is drawn by the text picture "instructions-n", which also gives what a screen reader
// reads of it: the title and the text of that one document.
std::string instructionPicture(int number) {
    return "instructions-" + std::to_string(number);
}

}  // namespace

InstructionsControls layOutInstructionsPage(ui::Form& form) {
    std::array<ui::Control*, instructionPageCount> pages{};
    for (int number = 1; number <= instructionPageCount; ++number) {
        pages.at(number - 1) =
            &form.add({.kind = ControlKind::Picture,
                       .name = "Image1(" + std::to_string(number) + ")",
                       .place = {instructionPageLeft, instructionPageTop, 8835, 9375},
                       .picture = instructionPicture(number)});
    }
    ui::Control& close = form.add({.kind = ControlKind::Button,
                                   .name = "Command3",
                                   .place = {180, 9660, 1095, 315},
                                   .text = "Fechar",
                                   .accessibleName = "Fechar as instruções"});
    redLabel(form, "Label1", {3660, 9720, 495, 195}, "Página");
    ui::Control& counter = redLabel(form, "Label2", {4260, 9720, 90, 195}, "1");
    redLabel(form, "Label3", {4440, 9720, 360, 195}, "de  8");
    ui::Control& back =
        arrow(form, "SetaE", {7680, 9720, 615, 285}, "arrow-left", "Página anterior");
    ui::Control& forward =
        arrow(form, "SetaD", {8400, 9720, 615, 285}, "arrow-right", "Página seguinte");

    form.setTabOrder({&back, &forward, &close});
    return {pages, back, forward, counter, close};
}

}  // namespace talvera::shell
