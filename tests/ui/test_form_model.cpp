// The form model's promises to page logic: synchronous change events, and user entry points that
// refuse what a person could not do.
#include <QTest>
#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/user.h"

using talvera::ui::Change;
using talvera::ui::Control;
using talvera::ui::ControlKind;
using talvera::ui::Form;
namespace user = talvera::ui::user;

namespace {

struct Recorder : talvera::ui::FormObserver {
    void controlChanged(const Control& control, Change what) override {
        changes.emplace_back(control.name(), what);
    }
    std::vector<std::pair<std::string, Change>> changes;
};

std::unique_ptr<Form> makeForm() {
    auto form = std::make_unique<Form>("Form9", "TALVERA", talvera::ui::Size{1500, 1500});
    const Control& frame = form->add({.kind = ControlKind::Frame, .name = "Frame1"});
    form->add({.kind = ControlKind::TextBox, .name = "Box", .container = &frame});
    form->add({.kind = ControlKind::TextBox, .name = "Result", .container = &frame});
    form->add({.kind = ControlKind::Button, .name = "Button", .container = &frame});
    form->add({.kind = ControlKind::CheckBox, .name = "Check"});
    form->add({.kind = ControlKind::Label, .name = "Label"});
    return form;
}

}  // namespace

class FormModelTest : public QObject {
    Q_OBJECT
  private slots:
    void writeRunsChangeHandlerBeforeReturning();
    void userTyping_data();
    void userTyping();
    void maximumLengthCountsCharacters_data();
    void maximumLengthCountsCharacters();
    void clicks_data();
    void clicks();
    void checkBoxTogglesBeforeItsHandler();
    void observersSeeEveryChange();
    void menuItemMayCloseItsForm();
    void namesAreUnique();
};

void FormModelTest::writeRunsChangeHandlerBeforeReturning() {
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

void FormModelTest::userTyping_data() {
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

void FormModelTest::userTyping() {
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

void FormModelTest::maximumLengthCountsCharacters_data() {
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("no limit") << 0 << "123456789"
                              << "123456789";
    QTest::newRow("cut") << 3 << "123456789"
                         << "123";
    QTest::newRow("shorter than the limit") << 5 << "12"
                                            << "12";
    QTest::newRow("accented letters are one character each") << 2 << "çãé"
                                                             << "çã";
}

void FormModelTest::maximumLengthCountsCharacters() {
    QFETCH(int, maxLength);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Form form("Form9", "TALVERA", {1500, 1500});
    Control& box = form.add({.kind = ControlKind::TextBox, .name = "Box", .maxLength = maxLength});
    user::type(box, typed.toStdString());
    QCOMPARE(QString::fromStdString(box.text()), kept);
}

void FormModelTest::clicks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("clicked");
    QTest::newRow("button") << "Button" << true << true;
    QTest::newRow("disabled button") << "Button" << false << false;
    QTest::newRow("check box") << "Check" << true << true;
    QTest::newRow("label") << "Label" << true << false;
}

void FormModelTest::clicks() {
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    QFETCH(bool, clicked);
    auto form = makeForm();
    Control& control = form->control(name.toStdString());
    control.setEnabled(enabled);
    int clicks = 0;
    control.onClick([&] { ++clicks; });
    QCOMPARE(user::click(control), clicked);
    QCOMPARE(clicks, clicked ? 1 : 0);
}

void FormModelTest::checkBoxTogglesBeforeItsHandler() {
    auto form = makeForm();
    Control& check = form->control("Check");
    std::vector<bool> seen;
    check.onClick([&] { seen.push_back(check.checked()); });
    user::click(check);
    user::click(check);
    QCOMPARE(seen, (std::vector<bool>{true, false}));
}

void FormModelTest::observersSeeEveryChange() {
    auto form = makeForm();
    Recorder recorder;
    form->addObserver(&recorder);
    Control& box = form->control("Box");
    box.setText("1");
    box.hide();
    box.setEnabled(false);
    box.moveTo(10, 20);
    box.bringToFront();
    form->control("Check").setChecked(true);
    form->control("Label").setCaption("x");
    const std::vector<std::pair<std::string, Change>> expected{
        {"Box", Change::Text},     {"Box", Change::Visible},  {"Box", Change::Enabled},
        {"Box", Change::Position}, {"Box", Change::Stacking}, {"Check", Change::Checked},
        {"Label", Change::Text}};
    QCOMPARE(recorder.changes, expected);
    QVERIFY(box.stackingOrder() > form->control("Label").stackingOrder());
    form->removeObserver(&recorder);
}

void FormModelTest::menuItemMayCloseItsForm() {
    auto form = makeForm();
    bool afterClose = false;
    form->menuBar() = {{"Ficheiro", "Ficheiro", {}, {{"FecharPágina", "Fechar esta página", [&] {
                                                          form.reset();
                                                          afterClose = true;
                                                      }}}}};
    QVERIFY(!user::choose(*form, "Ficheiro"));
    QVERIFY(user::choose(*form, "Fechar esta página"));
    QVERIFY(afterClose);
    QVERIFY(form == nullptr);
}

void FormModelTest::namesAreUnique() {
    auto form = makeForm();
    QVERIFY_THROWS_EXCEPTION(std::logic_error,
                             form->add({.kind = ControlKind::Label, .name = "Box"}));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, form->control("Nothing"));
}

QTEST_APPLESS_MAIN(FormModelTest)
#include "test_form_model.moc"
