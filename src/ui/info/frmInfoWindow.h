// The one window behind Help, Calendars and Credits: a read-only text box `txbMsg` showing
// the window's text in the current language and a button `cmdClose`. The three differ only
// in their design (names, places, caption, text table and look).
#pragma once

#include "app/InfoTexts.h"
#include "ui/WindowUnits.h"

#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;
namespace AccessibleControls {
class Notifier;
}

namespace InfoWindows {

using WindowUnits::Px;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct WindowDesign {
    const char* objectName;
    std::string (*Caption)();        // read in the current language at each activation
    InfoTexts::Table (*LoadTexts)(); // read once, when the window is built
    int clientWidth;                 // twips
    int clientHeight;                // twips
    TwipsRect txbMsg;
    TwipsRect cmdClose;
    // A modal dialog with a grey box and no scroll bar (Credits); otherwise a minimisable
    // window with a white, vertically scrolling box (Help, Calendars).
    bool modalDialog;
};

class frmInfoWindow : public QDialog {
    Q_OBJECT

  public:
    frmInfoWindow(const WindowDesign& design, QWidget* mainWindow);

    // Caption, Close caption and the text of currentLanguage, caret and view at the start.
    void ApplyLanguage();

    // Resizes txbMsg to `heightTwips`, puts cmdClose `gapTwips` below it, and makes the
    // outer window (title bar included, where the platform reports it) `windowTwips` high,
    // never so low that cmdClose is cut off.
    void FitHeights(int heightTwips, int gapTwips, int windowTwips);

    // Hides the window however it is closed (cmdClose, Escape, the title bar) and signals
    // closedByUser.
    void done(int result) override;

  signals:
    void closedByUser();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    WindowDesign design;
    InfoTexts::Table texts;
    QPlainTextEdit* txbMsg;
    QPushButton* cmdClose;
    AccessibleControls::Notifier* notifier;
};

} // namespace InfoWindows
