#include "shell/menus.h"

#include "shell/program.h"

namespace talvera::shell {

namespace {

ui::MenuItem command(std::string_view name, std::string_view caption, char accessKey,
                     std::function<void()> action) {
    return {.name = std::string(name),
            .caption = std::string(caption),
            .onChoose = std::move(action),
            .accessKey = accessKey};
}

ui::MenuItem withKeys(ui::MenuItem item, std::vector<std::string> shortcuts) {
    item.shortcuts = std::move(shortcuts);
    return item;
}

ui::MenuItem fileMenu(std::vector<ui::MenuItem> items) {
    return {.name = "Ficheiro", .caption = "Ficheiro", .items = std::move(items), .accessKey = 'F'};
}

// The zoom, reading aloud and the high-contrast look, for every page that has a menu bar.
ui::MenuItem viewMenu(PageId page, Program& program) {
    using ui::zoom::Step;
    auto zoom = [&program](Step step) { return [&program, step] { program.zoom(step); }; };
    ui::MenuItem readAloud =
        withKeys(command(menuNames::readAloud, "Ler em voz alta", 'L',
                         [&program] { program.setReadAloud(!program.readAloud()); }),
                 {"Ctrl+L"});
    ui::MenuItem readAgain = withKeys(command(menuNames::readAgain, "Repetir a leitura", 'R',
                                              [&program, page] { program.readAgain(page); }),
                                      {"Ctrl+R"});
    readAloud.checkable = true;
    readAloud.checked = program.readAloud();
    const std::string unavailable = program.speechUnavailable();
    for (ui::MenuItem* spoken : {&readAloud, &readAgain}) {
        spoken->enabled = unavailable.empty();
        spoken->tooltip = unavailable;
    }
    ui::MenuItem highContrast =
        withKeys(command(menuNames::highContrast, "Alto contraste", 'C',
                         [&program] { program.setHighContrast(!program.highContrast()); }),
                 {"Ctrl+Shift+C"});
    highContrast.checkable = true;
    highContrast.checked = program.highContrast();
    ui::MenuItem menu{
        .name = "Ver",
        .caption = "Ver",
        .items = {withKeys(command("Aumentar", "Aumentar", 'A', zoom(Step::In)),
                           {"Ctrl++", "Ctrl+="}),
                  withKeys(command("Diminuir", "Diminuir", 'D', zoom(Step::Out)), {"Ctrl+-"}),
                  withKeys(command("TamanhoNormal", "Tamanho normal", 'T', zoom(Step::Normal)),
                           {"Ctrl+0"}),
                  std::move(readAloud), std::move(readAgain), std::move(highContrast)},
        .accessKey = 'V'};
    // The picture follows the tasks of the work pages and the exercises.
    if (page == PageId::Operations || page == PageId::Details || page == PageId::Exercises) {
        ui::MenuItem picture =
            withKeys(command(menuNames::picture, "Imagem das fracções", 'I',
                             [&program] { program.setPictureShown(!program.pictureShown()); }),
                     {"Ctrl+I"});
        picture.checkable = true;
        picture.checked = program.pictureShown();
        menu.items.push_back(std::move(picture));
    }
    return menu;
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
    const ui::MenuItem instructions =
        command("Instruções", "Instruções", 'I', show(PageId::Instructions));
    // The Exercises page opens beside whichever page it is chosen on.
    const ui::MenuItem exercisesPage =
        command("Exercícios", "Exercícios", 'E', show(PageId::Exercises));
    auto sheet = [&program](exercises::SheetPurpose purpose) {
        return [&program, purpose] { program.openWorksheet(purpose); };
    };

    auto& bar = form.menuBar();
    switch (page) {
        case PageId::Title:
            bar = {fileMenu({quit}),
                   command("Operações", "Operações", 'O', show(PageId::Operations)),
                   command("Detalhes", "Detalhes", 'D', show(PageId::Details)), instructions,
                   exercisesPage};
            break;
        case PageId::Operations:
            bar = {fileMenu({closePage, quit}),
                   command("Detalhes", "Detalhes", 'D', moveTo(PageId::Details)), instructions,
                   exercisesPage};
            break;
        // Printing comes first in its menu, as on most desktops, and leaving the page last.
        case PageId::Details:
            bar = {fileMenu({withKeys(command("Imprimir", "Imprimir…", 'I',
                                              [&program] { program.printDetails(); }),
                                      {"Ctrl+P"}),
                             closePage, quit}),
                   command("Operações", "Operações", 'O', moveTo(PageId::Operations)), instructions,
                   exercisesPage};
            break;
        case PageId::Exercises:
            bar = {fileMenu({withKeys(command("ImprimirFicha", "Imprimir ficha…", 'I',
                                              sheet(exercises::SheetPurpose::Print)),
                                      {"Ctrl+P"}),
                             withKeys(command("GuardarFicha", "Guardar ficha em PDF…", 'G',
                                              sheet(exercises::SheetPurpose::SavePdf)),
                                      {"Ctrl+S"}),
                             closePage, quit}),
                   viewMenu(page, program), instructions};
            return;
        case PageId::Instructions:
        case PageId::Picture:
        case PageId::Worksheet:
            return;
    }
    bar.push_back(viewMenu(page, program));
}

}  // namespace talvera::shell
