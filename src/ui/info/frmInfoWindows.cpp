// frmHelp, frmCalendars and frmCredits: their designs, and how the main window opens them.
// Each window is a child of the main window, built on its first use and found again by its
// objectName, so it lives exactly as long as the main window.
#include "ui/info/InfoWindows.h"

#include "app/InfoTexts.h"
#include "lang/GEN_TEXT.h"
#include "ui/info/frmInfoWindow.h"

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace InfoWindows {

namespace {

std::function<void()> onClose;

// The focus can only go into the first date window once the main window is the active one
// again; not every platform hands activation back when the active window hides.
void ReturnToMainWindow(QWidget* mainWindow) {
    mainWindow->window()->activateWindow();
    if (onClose) onClose();
}

std::string HelpCaption() {
    return "ORV " + GEN_TEXT::Text(GEN_TEXT::txtHelp);
}
std::string CalendarsCaption() {
    return "ORV " + GEN_TEXT::Text(GEN_TEXT::txtCalendars);
}
std::string CreditsCaption() {
    return GEN_TEXT::Text(GEN_TEXT::txtCredits);
}

const WindowDesign frmHelp{
    .objectName = "frmHelp",
    .Caption = HelpCaption,
    .LoadTexts = InfoTexts::HelpTexts,
    .clientWidth = 8520,
    .clientHeight = 5295,
    .txbMsg = {105, 120, 8205, 4545},
    .cmdClose = {3570, 4830, 1215, 375},
    .modalDialog = false,
};
const WindowDesign frmCalendars{
    .objectName = "frmCalendars",
    .Caption = CalendarsCaption,
    .LoadTexts = InfoTexts::CalendarsTexts,
    .clientWidth = 8700,
    .clientHeight = 5805,
    .txbMsg = {120, 105, 8430, 5085},
    .cmdClose = {3675, 5355, 1215, 375},
    .modalDialog = false,
};
const WindowDesign frmCredits{
    .objectName = "frmCredits",
    .Caption = CreditsCaption,
    .LoadTexts = InfoTexts::CreditsTexts,
    .clientWidth = 7275,
    .clientHeight = 2745,
    .txbMsg = {120, 120, 6945, 1530},
    .cmdClose = {2940, 2310, 1215, 375},
    .modalDialog = true,
};

// Where Help and Calendars open, from the main window's top-left corner (its frame).
constexpr int besideLeftTwips = 2900;
constexpr int besideTopTwips = 3100;

// The Credits window when it opens: below the top of the output area, shorter than designed.
constexpr int creditsBelowOutputTwips = 360;
constexpr int creditsWindowTwips = 2200;
constexpr int creditsMessageTwips = 1200;
constexpr int creditsCloseGapTwips = 50;

frmInfoWindow* Window(const WindowDesign& design, QWidget* mainWindow) {
    auto* window = mainWindow->findChild<frmInfoWindow*>(QString::fromLatin1(design.objectName),
                                                         Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new frmInfoWindow(design, mainWindow);
        // A modal Credits run reports its close when exec returns instead.
        if (!design.modalDialog) {
            QObject::connect(window, &frmInfoWindow::closedByUser, window,
                             [mainWindow] { ReturnToMainWindow(mainWindow); });
        }
    }
    return window;
}

void ShowBeside(const WindowDesign& design, QWidget* mainWindow) {
    if (mainWindow == nullptr) return;
    frmInfoWindow* window = Window(design, mainWindow);
    const Qt::WindowStates state = window->windowState();
    if (window->isVisible() && (state & Qt::WindowMinimized)) {
        // Restored where the user left it.
        window->setWindowState(state & ~Qt::WindowMinimized);
    } else {
        window->setWindowState(state & ~Qt::WindowMinimized);
        window->move(mainWindow->window()->frameGeometry().topLeft() +
                     QPoint(Px(besideLeftTwips), Px(besideTopTwips)));
        window->show();
        window->raise();
    }
    // QWidget::activateWindow would do nothing here: Qt counts a window as active already
    // while the main window it belongs to is.
    if (QWindow* handle = window->windowHandle()) handle->requestActivate();
}

} // namespace

void ShowHelp(QWidget* mainWindow) {
    ShowBeside(frmHelp, mainWindow);
}

void ShowCalendars(QWidget* mainWindow) {
    ShowBeside(frmCalendars, mainWindow);
}

void ShowCredits(QWidget* mainWindow) {
    if (mainWindow == nullptr) return;
    frmInfoWindow* window = Window(frmCredits, mainWindow);
    if (window->isVisible()) return;
    // The native window tells its frame (where the platform knows it before the first
    // showing), which both the height and the centring count in.
    window->winId();
    window->FitHeights(creditsMessageTwips, creditsCloseGapTwips, creditsWindowTwips);

    // Frame6's top is a place inside the main window; the Credits window needs the same
    // place on the screen, so that it opens over the output area wherever the main window is.
    QWidget* main = mainWindow->window();
    const QWidget* outputArea = main->findChild<QWidget*>(QStringLiteral("Frame6"));
    const int outputTop = outputArea != nullptr ? outputArea->mapToGlobal(QPoint(0, 0)).y()
                                                : main->mapToGlobal(QPoint(0, 0)).y();
    const QRect mainFrame = main->frameGeometry();
    const int left = mainFrame.left() + (mainFrame.width() - window->frameGeometry().width()) / 2;
    window->move(left, outputTop + Px(creditsBelowOutputTwips));

    window->exec();
    ReturnToMainWindow(mainWindow);
}

void SetOnClose(std::function<void()> callback) {
    onClose = std::move(callback);
}

} // namespace InfoWindows
