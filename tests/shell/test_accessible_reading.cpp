// The program as a screen reader meets it, through Qt's own accessibility interfaces on the real
// windows: every box, button, check box and list has a name of its own in its window, hidden panels
// included, and the instruction pages read as the texts they draw.
#include <QAccessible>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <string_view>

#include "qt/accessibility.h"
#include "qt/window_manager.h"
#include "shell/program.h"
#include "ui/silent_dialogs.h"
#include "ui/user.h"

using talvera::shell::PageId;

namespace {

bool isNamedRole(QAccessible::Role role) {
    return role == QAccessible::EditableText || role == QAccessible::Button ||
           role == QAccessible::CheckBox || role == QAccessible::ComboBox;
}

// Every box, button, check box and list under the interface, hidden ones included.
void collect(QAccessibleInterface* node, QList<QAccessibleInterface*>& found) {
    if (node == nullptr) {
        return;
    }
    if (isNamedRole(node->role()) && node->object() != nullptr &&
        !node->object()->objectName().isEmpty()) {
        found.append(node);
    }
    for (int i = 0; i < node->childCount(); ++i) {
        collect(node->child(i), found);
    }
}

bool isNamedKind(talvera::ui::ControlKind kind) {
    using talvera::ui::ControlKind;
    return kind == ControlKind::TextBox || kind == ControlKind::Button ||
           kind == ControlKind::CheckBox || kind == ControlKind::ComboBox;
}

// Runs of blanks, non-breaking ones included, read as one blank.
QString simplified(QString text) {
    return text.replace(QChar::Nbsp, QLatin1Char(' ')).simplified();
}

// The paragraphs of a page as its source file writes them, tags dropped.
QStringList paragraphsOf(const QString& picture) {
    QFile file(QStringLiteral(":/pictures/%1.html").arg(picture));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression paragraph(QStringLiteral("<(p|h1)[^>]*>(.*?)</\\1>"),
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QStringList paragraphs;
    for (const auto& match : paragraph.globalMatch(html)) {
        QString text = match.captured(2).remove(tag);
        text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
        if (!simplified(text).isEmpty()) {
            paragraphs.append(simplified(text));
        }
    }
    return paragraphs;
}

}  // namespace

class AccessibleReadingTest : public QObject {
    Q_OBJECT
  private slots:
    static void everyWindow() {
        QTest::addColumn<int>("page");
        QTest::newRow("Form3") << static_cast<int>(PageId::Title);
        QTest::newRow("Form1") << static_cast<int>(PageId::Operations);
        QTest::newRow("Form2") << static_cast<int>(PageId::Details);
        QTest::newRow("Form4") << static_cast<int>(PageId::Instructions);
        QTest::newRow("Form5") << static_cast<int>(PageId::Exercises);
        QTest::newRow("Form7") << static_cast<int>(PageId::Worksheet);
    }

    void everyControlHasItsOwnName_data() { everyWindow(); }
    void everyControlHasItsOwnName() {
        QFETCH(int, page);
        talvera::ui::SilentDialogs dialogs;
        talvera::qt::WindowManager windows;
        talvera::shell::Program program(dialogs, &windows);
        program.start();
        program.show(static_cast<PageId>(page));
        const talvera::ui::Form& form = *program.form(static_cast<PageId>(page));
        QWidget* window = windows.windowFor(form);
        QVERIFY(window != nullptr);

        QList<QAccessibleInterface*> found;
        collect(QAccessible::queryAccessibleInterface(window), found);
        QSet<QString> names;
        for (QAccessibleInterface* node : found) {
            const QString control = node->object()->objectName();
            const QString name = node->text(QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control + " has no name"));
            QVERIFY2(!names.contains(name),
                     qPrintable(control + " shares its name \"" + name + "\""));
            names.insert(name);
        }
        // The walk reaches every such control of the form, those of hidden panels too.
        const auto expected = std::ranges::count_if(
            form.controls(), [](const auto& control) { return isNamedKind(control->kind()); });
        QCOMPARE(found.size(), expected);
    }

    void instructionPagesReadAsTheirText_data() {
        QTest::addColumn<int>("number");
        for (int number = 1; number <= 8; ++number) {
            QTest::newRow(qPrintable(QStringLiteral("page %1").arg(number))) << number;
        }
    }
    void instructionPagesReadAsTheirText() {
        QFETCH(int, number);
        talvera::ui::SilentDialogs dialogs;
        talvera::qt::WindowManager windows;
        talvera::shell::Program program(dialogs, &windows);
        program.show(PageId::Instructions);
        const auto* window = windows.windowFor(*program.form(PageId::Instructions));
        QVERIFY(window != nullptr);
        auto* picture = window->findChild<QWidget*>(QStringLiteral("Image1(%1)").arg(number));
        QVERIFY(picture != nullptr);
        QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(picture);
        QVERIFY(reading != nullptr);

        QVERIFY(!reading->text(QAccessible::Name).trimmed().isEmpty());
        const QString description = simplified(reading->text(QAccessible::Description));
        const QStringList paragraphs = paragraphsOf(QStringLiteral("instructions-%1").arg(number));
        QVERIFY(!paragraphs.isEmpty());
        for (const QString& paragraph : paragraphs) {
            QVERIFY2(description.contains(paragraph), qPrintable(paragraph));
        }
        // Turned to, the page is announced as it reads.
        auto& form = *program.form(PageId::Instructions);
        for (int page = 1; page < number; ++page) {
            talvera::ui::user::click(form.control("SetaD"));
        }
        const auto* note = window->findChild<talvera::qt::Announcer*>()->findChild<QWidget*>();
        QCOMPARE(note->accessibleName(), number == 1 ? QString()
                                                     : reading->text(QAccessible::Name) + ". " +
                                                           reading->text(QAccessible::Description));
    }
};

QTEST_MAIN(AccessibleReadingTest)
#include "test_accessible_reading.moc"
