#include "shell/title_page.h"

#include "kit/styles.h"

namespace talvera::shell {

namespace {

ui::ControlDesign label(const char* name, ui::Rect place, const char* text, double points) {
    return {.kind = ui::ControlKind::Label,
            .name = name,
            .place = place,
            .text = text,
            .font = {"Comic Sans MS", points, true},
            .foreground = ui::colors::blue,
            .alignment = ui::Alignment::Center};
}

}  // namespace

TitlePage::TitlePage() : Page("Form3", "TALVERA", kit::styles::pageSize, ui::colors::white) {
    // The name runs down the page from upper left to lower right, in three parts.
    form().add(label("Label3", {1260, 1380, 5820, 1350}, "TAL", 48));
    form().add(label("Label4", {7080, 3900, 2220, 1350}, "VE", 48));
    form().add(label("Label5", {9300, 6480, 4530, 1350}, "RA", 48));
    form().add(label("Label1", {13440, 9480, 885, 240}, "Versão 1.0", 8.25));
    form().add(label("Label2", {12600, 9900, 1830, 240}, "Resolução 1024 x 768", 8.25));
}

}  // namespace talvera::shell
