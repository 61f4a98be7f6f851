// The form model's promises to page logic: synchronous change events, and user entry points that
// refuse what a person could not do.
#include <QTest>
#include <memory>

#include "ui/form.h"
#include "ui/user.h"
#include "ui/zoom.h"

using talvera::ui::Control;
using talvera::ui::ControlKind;
using talvera::ui::Form;
namespace user = talvera::ui::user;

namespace {

std::unique_ptr<Form> makeForm() {
    auto form = std::make_unique<Form>("Form9", "TALVERA", talvera::ui::Size{1500, 1500});
    const Control& frame = form->add({.kind = ControlKind::Frame, .name = "Frame1"});
    form->add({.kind = ControlKind::TextBox, .name = "Box", .container = &frame});
    form->add({.kind = ControlKind::TextBox, .name = "Result", .container = &frame});
    return form;
}

}  // namespace

class FormModelTest : public QObject {
    Q_OBJECT
  private slots:
    void writeRunsChangeHandlerBeforeReturning() {
        auto form = makeForm();
        Control& box = form->control("Box");
        Control& result = form->control("Result");
        result.setText("11");
        int changes = 0;
        box.onChange([&] {
            ++changes;
            result.setText("");
        });
        box.setText("7");
        QCOMPARE(changes, 1);
        QCOMPARE(result.text(), std::string());
        // The same text again is no change.
        box.setText("7");
        QCOMPARE(changes, 1);
    }

    void userTyping_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("boxVisible");
        QTest::addColumn<bool>("frameVisible");
        QTest::addColumn<bool>("frameEnabled");
        QTest::addColumn<bool>("typed");
        QTest::newRow("editable and reachable") << false << true << true << true << true;
        QTest::newRow("read-only") << true << true << true << true << false;
        QTest::newRow("hidden box") << false << false << true << true << false;
        QTest::newRow("inside a hidden frame") << false << true << false << true << false;
        QTest::newRow("inside a disabled frame") << false << true << true << false << false;
    }

    void userTyping() {
        QFETCH(bool, readOnly);
        QFETCH(bool, boxVisible);
        QFETCH(bool, frameVisible);
        QFETCH(bool, frameEnabled);
        QFETCH(bool, typed);
        Form form("Form9", "TALVERA", {1500, 1500});
        Control& frame = form.add({.kind = ControlKind::Frame, .name = "Frame1"});
        Control& box = form.add({.kind = ControlKind::TextBox,
                                 .name = "Box",
                                 .container = &frame,
                                 .visible = boxVisible,
                                 .readOnly = readOnly});
        frame.setVisible(frameVisible);
        frame.setEnabled(frameEnabled);
        QCOMPARE(user::type(box, "42"), typed);
        QCOMPARE(box.text(), std::string(typed ? "42" : ""));
    }

    void maximumLengthCountsCharacters_data() {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("no limit") << 0 << QStringLiteral("123456789")
                                  << QStringLiteral("123456789");
        QTest::newRow("cut") << 3 << QStringLiteral("123456789") << QStringLiteral("123");
        QTest::newRow("one character each") << 2 << QStringLiteral("çãé") << QStringLiteral("çã");
    }

    void maximumLengthCountsCharacters() {
        QFETCH(int, maxLength);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Form form("Form9", "TALVERA", {1500, 1500});
        Control& box =
            form.add({.kind = ControlKind::TextBox, .name = "Box", .maxLength = maxLength});
        user::type(box, typed.toStdString());
        QCOMPARE(QString::fromStdString(box.text()), kept);
    }

    // A combo box is chosen from by an item's text, and only when a person could reach it; the
    // program's own choice raises the change event at once too.
    void comboBoxChoice_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("an item") << QStringLiteral("Nível 2") << true << true;
        QTest::newRow("not an item") << QStringLiteral("Nível 4") << true << false;
        QTest::newRow("disabled") << QStringLiteral("Nível 2") << false << false;
    }

    void comboBoxChoice() {
        QFETCH(QString, item);
        QFETCH(bool, enabled);
        QFETCH(bool, chosen);
        Form form("Form9", "TALVERA", {1500, 1500});
        Control& list = form.add({.kind = ControlKind::ComboBox,
                                  .name = "Nível",
                                  .enabled = enabled,
                                  .items = {"Nível 1", "Nível 2"}});
        int changes = 0;
        list.onChange([&changes] { ++changes; });
        QCOMPARE(user::choose(list, item.toStdString()), chosen);
        QCOMPARE(list.text(), std::string(chosen ? "Nível 2" : "Nível 1"));
        list.setCurrentIndex(0);
        QCOMPARE(changes, chosen ? 2 : 0);
    }

    // The zoom steps a user moves through, and the step a window opens at on a small screen.
    void zoomSteps_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("larger");
        QTest::addColumn<int>("smaller");
        QTest::newRow("normal") << 100 << 125 << 90;
        QTest::newRow("smallest stays") << 75 << 90 << 75;
        QTest::newRow("largest stays") << 300 << 300 << 250;
        QTest::newRow("between steps") << 110 << 125 << 100;
    }

    void zoomSteps() {
        QFETCH(int, from);
        QFETCH(int, larger);
        QFETCH(int, smaller);
        QCOMPARE(talvera::ui::zoom::larger(from), larger);
        QCOMPARE(talvera::ui::zoom::smaller(from), smaller);
    }

    void fittingZoom_data() {
        QTest::addColumn<int>("wanted");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("fitting");
        // The Operations window is 1016 x 733 at 100 %, with its frame a little more.
        QTest::newRow("1024 x 768 school screen") << 100 << 1024 << 768 << 100;
        QTest::newRow("1024 x 600 laptop") << 100 << 1024 << 570 << 75;
        QTest::newRow("1080p projector at 200 %") << 200 << 1920 << 1040 << 125;
        QTest::newRow("4k screen at 200 %") << 200 << 3840 << 2120 << 200;
        QTest::newRow("exactly the area") << 100 << 1016 << 733 << 100;
        QTest::newRow("a pixel short") << 100 << 1015 << 733 << 90;
        QTest::newRow("nothing fits") << 100 << 300 << 200 << 75;
    }

    void fittingZoom() {
        QFETCH(int, wanted);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, fitting);
        QCOMPARE(talvera::ui::zoom::fitting(wanted, {1016, 733}, {width, height}), fitting);
    }
};

QTEST_APPLESS_MAIN(FormModelTest)
#include "test_form_model.moc"
