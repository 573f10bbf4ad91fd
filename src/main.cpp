// Orvandel: a desktop date calculator.
//
//   orvandel                    starts the calculator
//   orvandel --screenshot FILE  starts it, saves a picture of the window to FILE and ends
//                               without writing the settings
#include <QApplication>
#include <QStringList>
#include <QTimer>

#include "ui/main/ModalMessageBoxes.h"
#include "ui/main/frmMain.h"

namespace {

QString ScreenshotFile(const QStringList& arguments) {
    const auto at = arguments.indexOf(QStringLiteral("--screenshot"));
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvandel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvandel"));
    if (MessageBoxes::CurrentPresenter() == nullptr)
        MessageBoxes::SetPresenter(&MessageBoxes::ModalPresenter());

    frmMain window;
    window.Form_Load();

    // For start-up measurements: end as soon as the event loop first goes idle with the window
    // shown. exit(), unlike quit(), does not close the windows first, so the quit handler does
    // not run and no settings are written.
    if (qEnvironmentVariableIntValue("ORVANDEL_QUIT_WHEN_IDLE") == 1)
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });

    const QString screenshot = ScreenshotFile(QApplication::arguments());
    if (!screenshot.isEmpty()) {
        // Once the window has been drawn and the clock has ticked; ending through exit() skips the
        // quit handler, so the user's settings are left alone.
        QTimer::singleShot(1500, &window, [&window, screenshot] {
            const bool saved = window.grab().save(screenshot, "PNG");
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
