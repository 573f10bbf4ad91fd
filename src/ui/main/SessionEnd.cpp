#include "ui/main/SessionEnd.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QWidget>
#include <array>
#include <cerrno>
#include <csignal>

namespace SessionEnd {

namespace {

// The signal handler only writes a byte here; the event loop reads it and closes the window.
std::array<int, 2> signalPipe{-1, -1};

extern "C" void OnSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a request to close.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

void Catch(int signal) {
    struct sigaction previous {};
    if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) return;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = static_cast<int>(SA_RESTART | SA_RESETHAND); // bits, as POSIX gives them
    ::sigaction(signal, &action, nullptr);
}

} // namespace

void Install(QWidget& window) {
    if (signalPipe[0] < 0 && ::pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        std::array<char, 16> bytes{};
        while (::read(signalPipe[0], bytes.data(), bytes.size()) > 0) {
        }
        window.close();
    });
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        Catch(signal);

    // Qt 6 leaves the commit request to the program; closing ends it before the session does.
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.close(); });
}

} // namespace SessionEnd
