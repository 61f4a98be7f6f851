#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

// What the program does so that a screen reader (Orca, through AT-SPI) says what matters, once
// and in order. Qt 6.4 has no announcement event, and its line edits report their text in a way
// that Orca cuts short; the pieces below mend both.
namespace talvera::qt {

// Puts the program's own accessible interfaces in place. Qt reads the factory only once an
// application exists, so this comes after QApplication.
void installAccessibility();

// While one lives, no accessibility event leaves the program. A window is built, named, focused
// and shown inside one, so that a screen reader hears the window and its focused control
// instead of hundreds of events about controls it has not met, in which it would drop both.
class AccessibleSilence {
  public:
    AccessibleSilence();
    AccessibleSilence(const AccessibleSilence&) = delete;
    AccessibleSilence& operator=(const AccessibleSilence&) = delete;
    ~AccessibleSilence();
};

// While one lives, a box's selection and caret say nothing: Qt selects a box's text as it takes
// the focus, before it says that the box has it, and Orca would read the selection first.
class QuietSelection {
  public:
    // Typing over a selection says nothing of the text it takes away either, when asked.
    explicit QuietSelection(const QObject* box, bool quietRemoval = false);
    QuietSelection(const QuietSelection&) = delete;
    QuietSelection& operator=(const QuietSelection&) = delete;
    ~QuietSelection();

  private:
    const QObject* before_;
    bool removalBefore_;
};

// Says a sentence to a screen reader without moving the focus: an invisible notification inside
// an invisible status bar, renamed and shown for each sentence. Orca speaks a notification as it
// shows, and inside a status bar it says the sentence alone.
class Announcer : public QWidget {
  public:
    explicit Announcer(QWidget* window);
    void say(const QString& sentence);

  private:
    QWidget* note_;
};

}  // namespace talvera::qt
