#include "qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

#include "qt/line_edit_accessible.h"

namespace talvera::qt {

namespace {

// What the filter lets through. Qt's update handler is a plain function, so what it consults
// lives here, in the one place the program keeps state outside an object.
struct Filter {
    int silences = 0;
    const QObject* quietBox = nullptr;
    bool quietRemoval = false;
    QAccessible::UpdateHandler next = nullptr;
};

Filter& filter() {
    static Filter state;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
    return state;
}

void filtered(QAccessibleEvent* event) {
    const Filter& state = filter();
    if (state.silences > 0) {
        return;
    }
    const QAccessible::Event type = event->type();
    if (event->object() != nullptr && event->object() == state.quietBox &&
        (type == QAccessible::TextSelectionChanged || type == QAccessible::TextCaretMoved ||
         (state.quietRemoval && type == QAccessible::TextRemoved))) {
        return;
    }
    if (state.next != nullptr) {
        state.next(event);
        return;
    }
    // On to the platform's bridge, which is what updateAccessibility calls without a handler.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(filtered);
}

// Widgets whose accessible role is chosen, for the announcer's parts.
class RoleWidget : public QWidget {
  public:
    RoleWidget(QAccessible::Role role, QWidget* parent) : QWidget(parent), role_(role) {
        setFocusPolicy(Qt::NoFocus);
        setFixedSize(1, 1);
        hide();
    }
    QAccessible::Role role() const { return role_; }

  private:
    QAccessible::Role role_;
};

class RoleWidgetAccessible : public QAccessibleWidget {
  public:
    explicit RoleWidgetAccessible(RoleWidget* widget) : QAccessibleWidget(widget, widget->role()) {}
};

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object) {
    if (auto* edit = qobject_cast<QLineEdit*>(object)) {
        return new LineEditAccessible(edit);
    }
    if (auto* widget = dynamic_cast<RoleWidget*>(object)) {
        return new RoleWidgetAccessible(widget);
    }
    if (auto* announcer = dynamic_cast<Announcer*>(object)) {
        return new QAccessibleWidget(announcer, QAccessible::StatusBar);
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::installFactory(interfaceFor);
    Filter& state = filter();
    const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(filtered);
    if (before != filtered) {
        state.next = before;
    }
}

AccessibleSilence::AccessibleSilence() {
    ++filter().silences;
}

AccessibleSilence::~AccessibleSilence() {
    --filter().silences;
}

QuietSelection::QuietSelection(const QObject* box, bool quietRemoval)
    : before_(filter().quietBox), removalBefore_(filter().quietRemoval) {
    filter().quietBox = box;
    filter().quietRemoval = quietRemoval;
}

QuietSelection::~QuietSelection() {
    filter().quietBox = before_;
    filter().quietRemoval = removalBefore_;
}

Announcer::Announcer(QWidget* window)
    : QWidget(window), note_(new RoleWidget(QAccessible::Notification, this)) {
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(1, 1);
    hide();
}

void Announcer::say(const QString& sentence) {
    // A new name also refreshes what the bridge keeps of it; showing is what Orca speaks.
    note_->setAccessibleName(sentence);
    QAccessibleEvent shown(note_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace talvera::qt
