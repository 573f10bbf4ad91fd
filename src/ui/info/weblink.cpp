#include "ui/info/weblink.h"

#include "app/MessageBoxes.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <utility>

namespace weblink {

namespace {

// The same in every language, so not in the catalogue; it has no full stop.
constexpr const char* launchFailure = "Error launching web browser. Please make sure that your "
                                      "web browser is correctly installed and configured";

Opener opener;

bool OpenInDesktopBrowser(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

} // namespace

void OpenWebPage(const std::string& address) {
    const bool opened = opener ? opener(address) : OpenInDesktopBrowser(address);
    if (opened) return;
    // No retry: the user is told once and the main window carries on as it was.
    if (MessageBoxes::Presenter* presenter = MessageBoxes::CurrentPresenter())
        presenter->Warn(launchFailure);
}

void SetOpener(Opener replacement) {
    opener = std::move(replacement);
}

} // namespace weblink
