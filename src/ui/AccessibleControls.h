// What screen readers are told about the main window's controls where Qt's own interfaces
// fall short with Qt 6.4 and Orca: the input windows' text runs, the roles of the labels
// that act as links and buttons, the label of each row of option buttons, and a notifier
// that speaks a result while the focus stays where it is.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace AccessibleControls {

enum class Kind {
    Window,     // the main window: a frame named by its caption
    Link,       // a label that opens a web page
    Switch,     // a label that changes something when pressed (today's labels)
    TextWindow, // a one-line input window
};

// Lets the factory build this control's interface; call before the control is first shown.
void SetKind(QWidget* control, Kind kind);

// An option button announced with the label of its row or group when the focus enters it.
void SetGroupLabel(QWidget* option, QLabel* label);

// Speaks a line without moving the focus. Up to Qt 6.7 an invisible notification that is
// shown again for each line (Orca speaks a notification that appears); from Qt 6.8 an
// announcement of the anchor control.
class Notifier final : public QWidget {
    Q_OBJECT

  public:
    Notifier(QWidget* parent, QWidget* anchor);
    void Say(const QString& line);
    // Withdraws the last line, so that nothing reads it once it no longer applies.
    void Clear();

  private:
    QWidget* anchor;
};

} // namespace AccessibleControls
