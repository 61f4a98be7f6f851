#include "shell/menus.h"

#include "shell/program.h"

namespace talvera::shell {

namespace {

ui::MenuItem command(const char* name, const char* caption, char accessKey,
                     std::function<void()> action) {
    return {
        .name = name, .caption = caption, .onChoose = std::move(action), .accessKey = accessKey};
}

ui::MenuItem fileMenu(std::vector<ui::MenuItem> items) {
    return {.name = "Ficheiro", .caption = "Ficheiro", .items = std::move(items), .accessKey = 'F'};
}

}  // namespace

void installMenus(ui::Form& form, PageId page, Program& program) {
    auto show = [&program](PageId target) { return [&program, target] { program.show(target); }; };
    // Leaving a work page for the other one closes the page that is left.
    auto moveTo = [&program, page](PageId target) {
        return [&program, page, target] {
            program.close(page);
            program.show(target);
        };
    };
    const ui::MenuItem quit =
        command("AbandonarPrograma", "Abandonar o programa", 'A', [&program] { program.end(); });
    const ui::MenuItem closePage = command("FecharPágina", "Fechar esta página", 'F',
                                           [&program, page] { program.close(page); });

    auto& bar = form.menuBar();
    switch (page) {
        case PageId::Title:
            bar = {fileMenu({quit}),
                   command("Operações", "Operações", 'O', show(PageId::Operations)),
                   command("Detalhes", "Detalhes", 'D', show(PageId::Details)),
                   command("Instruções", "Instruções", 'I', show(PageId::Instructions))};
            break;
        case PageId::Operations:
            bar = {fileMenu({closePage, quit}),
                   command("Detalhes", "Detalhes", 'D', moveTo(PageId::Details)),
                   command("Instruções", "Instruções", 'I', show(PageId::Instructions))};
            break;
        case PageId::Details:
            bar = {fileMenu({closePage, quit}),
                   command("Operações", "Operações", 'O', moveTo(PageId::Operations)),
                   command("Instruções", "Instruções", 'I', show(PageId::Instructions))};
            break;
        case PageId::Instructions:
            break;
    }
}

}  // namespace talvera::shell
