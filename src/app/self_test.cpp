#include "app/self_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QLineEdit>
#include <QWidget>
#include <iostream>
#include <string>
#include <vector>

#include "qt/window_manager.h"
#include "shell/program.h"
#include "ui/dialogs.h"

namespace talvera::app {

namespace {

// A message box would wait for a person; in the self-test every box is a fault.
class CountingDialogs : public ui::Dialogs {
  public:
    void inform(std::string_view text, std::string_view /*title*/,
                ui::MessageIcon /*icon*/) override {
        shown.emplace_back(text);
    }
    std::vector<std::string> shown;
};

class Checks {
  public:
    void check(bool passed, const std::string& what) {
        std::cout << (passed ? "ok: " : "FALHOU: ") << what << '\n';
        failures_ += passed ? 0 : 1;
    }
    int exitStatus() const {
        std::cout << (failures_ == 0 ? "Auto-teste: tudo certo.\n" : "Auto-teste: há falhas.\n");
        return failures_ == 0 ? 0 : 1;
    }

  private:
    int failures_ = 0;
};

QWidget* openWindow(const char* name) {
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// Every font a control asks for must be there, not replaced by whatever fontconfig finds: the
// pages are laid out for those faces.
void checkFonts(Checks& checks, QWidget& window) {
    QStringList missing;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QStringList wanted = widget->font().families();
        if (!widget->testAttribute(Qt::WA_SetFont) || wanted == QApplication::font().families()) {
            continue;  // the toolkit's own default, which any face may stand for
        }
        const QString found = QFontInfo(widget->font()).family();
        if (!wanted.isEmpty() && !wanted.contains(found) && !missing.contains(wanted.join('/'))) {
            missing << wanted.join('/');
        }
    }
    checks.check(missing.isEmpty(),
                 "tipos de letra de " + window.objectName().toStdString() +
                     (missing.isEmpty() ? std::string()
                                        : " (em falta: " + missing.join(", ").toStdString() + ")"));
}

QString textOf(QWidget& window, const char* box) {
    const auto* edit = window.findChild<QLineEdit*>(QString::fromUtf8(box));
    return edit != nullptr ? edit->text() : QStringLiteral("(sem caixa)");
}

}  // namespace

int runSelfTest() {
    Checks checks;
    CountingDialogs dialogs;
    qt::WindowManager windows;
    shell::Program program(dialogs, &windows);
    program.start();

    checks.check(!QApplication::windowIcon().pixmap(QSize(48, 48)).isNull(),
                 "ícone SVG do programa");
    QWidget* title = openWindow("Form3");
    checks.check(title != nullptr, "página de título aberta");
    if (title == nullptr) {
        return checks.exitStatus();
    }
    checkFonts(checks, *title);

    QAction* operations = qt::menuAction(*title, "Operações");
    checks.check(operations != nullptr, "menu Operações da página de título");
    if (operations != nullptr) {
        operations->trigger();
    }
    QWidget* page = openWindow("Form1");
    checks.check(page != nullptr, "página das operações aberta");
    if (page != nullptr) {
        checkFonts(checks, *page);
        if (auto* add = page->findChild<QAbstractButton*>(QStringLiteral("Adição"))) {
            add->click();
        }
        QApplication::processEvents();
        // The page opens with 1/4 and 15/6, whose sum in lowest terms is 11/4.
        const QString sum = textOf(*page, "AdiçãoN3") + '/' + textOf(*page, "AdiçãoD3");
        checks.check(sum == QLatin1String("11/4"), "1/4 + 15/6 = " + sum.toStdString());
    }
    checks.check(dialogs.shown.empty(),
                 dialogs.shown.empty() ? "sem caixas de mensagem"
                                       : "caixa de mensagem inesperada: " + dialogs.shown.front());
    program.end();
    return checks.exitStatus();
}

}  // namespace talvera::app
