#include "shell/picture_page.h"

#include <numeric>

namespace talvera::shell {

namespace {

constexpr ui::Size pictureSize{9000, 7800};

// Before any task has been worked in.
ui::Drawing waiting() {
    return {.heading = "Imagem das fracções",
            .figures = {ui::Note{"Escreva os termos de uma tarefa, ou carregue no seu botão, para "
                                 "ver aqui a sua imagem."}},
            .words = {"Ainda não há nenhuma tarefa para mostrar."}};
}

std::string joined(const std::vector<std::string>& words) {
    return std::accumulate(words.begin(), words.end(), std::string(),
                           [](std::string all, const std::string& one) {
                               return all.empty() ? one : std::move(all) + " " + one;
                           });
}

}  // namespace

PicturePage::PicturePage(kit::Sketcher& sketcher)
    : Page("Form6", "IMAGEM", pictureSize, ui::colors::white),
      sketcher_(sketcher),
      drawing_(form().add({.kind = ui::ControlKind::Drawing,
                           .name = "Imagem",
                           .place = {0, 0, pictureSize.width, pictureSize.height},
                           .accessibleName = "Imagem das fracções",
                           .tabStop = false})) {
    form().setResizable(true);
    drawing_.setDrawing(waiting());
    drawing_.setDescription(joined(drawing_.drawing().words));
    if (const auto& last = sketcher_.last()) {
        draw(*last);
    }
    sketcher_.setListener([this](const picture::Task& task) { draw(task); });
}

PicturePage::~PicturePage() {
    sketcher_.setListener(nullptr);
}

// Each new stage is said as the pages say their results: alone, the words of the newest stage.
void PicturePage::draw(const picture::Task& task) {
    ui::Drawing drawing = picture::draw(task);
    if (drawing == drawing_.drawing()) {
        return;
    }
    const std::vector<std::string> before = drawing_.drawing().words;
    const bool grew = drawing.words.size() > before.size() &&
                      drawing.heading.starts_with(drawing_.drawing().heading);
    drawing_.setDescription(joined(drawing.words));
    drawing_.setDrawing(std::move(drawing));
    if (grew && !drawing_.drawing().words.empty()) {
        form().announce(drawing_.drawing().words.back());
    }
}

}  // namespace talvera::shell
