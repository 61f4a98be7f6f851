#include "shell/menus.h"

#include "shell/program.h"

namespace talvera::shell {

namespace {

ui::MenuItem command(const char* name, const char* caption, std::function<void()> action) {
    return {name, caption, std::move(action)};
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
        command("AbandonarPrograma", "Abandonar o programa", [&program] { program.end(); });
    const ui::MenuItem closePage =
        command("FecharPágina", "Fechar esta página", [&program, page] { program.close(page); });

    auto& bar = form.menuBar();
    switch (page) {
        case PageId::Title:
            bar = {{"Ficheiro", "Ficheiro", {}, {quit}},
                   command("Operações", "Operações", show(PageId::Operations)),
                   command("Detalhes", "Detalhes", show(PageId::Details)),
                   command("Instruções", "Instruções", show(PageId::Instructions))};
            break;
        case PageId::Operations:
            bar = {{"Ficheiro", "Ficheiro", {}, {closePage, quit}},
                   command("Detalhes", "Detalhes", moveTo(PageId::Details)),
                   command("Instruções", "Instruções", show(PageId::Instructions))};
            break;
        case PageId::Details:
            bar = {{"Ficheiro", "Ficheiro", {}, {closePage, quit}},
                   command("Operações", "Operações", moveTo(PageId::Operations)),
                   command("Instruções", "Instruções", show(PageId::Instructions))};
            break;
        case PageId::Instructions:
            break;
    }
}

}  // namespace talvera::shell
