// Orvandel: a desktop date calculator.
//
//   orvandel                    starts the calculator
//   orvandel --screenshot FILE  starts it, saves a picture of the window to FILE and ends
//                               without writing the settings
//   orvandel --help, --version  prints and ends, without opening a window or needing a display;
//                               so does a wrong option, with exit status 2
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <optional>

#include "ui/main/ModalMessageBoxes.h"
#include "ui/main/SessionEnd.h"
#include "ui/main/frmMain.h"

namespace {

constexpr int exitMisuse = 2;

// Qt's own options, which QApplication takes out of the arguments once a window system is open:
// known here so that they pass the check made before that. The X11 ones are read by the xcb
// platform.
constexpr const char* qtOptionsWithValue =
    "platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowtitle title "
    "qwindowicon icon session style stylesheet display name visual qmljsdebugger";
constexpr const char* qtSwitches = "reverse widgetcount testability nograb dograb sync";

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Print this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Print the version and exit.")};
    QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the window to <file> after a moment and exit, "
                       "leaving the settings alone."),
        QStringLiteral("file")};

    CommandLine() {
        parser.setApplicationDescription(
            QStringLiteral("Orvandel, a date calculator: converts dates between the Gregorian, "
                           "Julian and Annus Novus calendars and day numbers, and counts the days "
                           "between them.\nQt's own options (-platform, -style, -reverse, ...) "
                           "are accepted too."));
        // Qt's options are single-dash words ("-reverse"); read as bundled letters, they would
        // turn into -v and others.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(screenshot);
    }

    void AcceptQtOptions() {
        const auto names = [](const char* list) {
            return QString::fromLatin1(list).split(QLatin1Char(' '));
        };
        for (const QString& name : names(qtOptionsWithValue))
            AddHidden(QCommandLineOption(name, QString(), QStringLiteral("value")));
        for (const QString& name : names(qtSwitches))
            AddHidden(QCommandLineOption(name));
    }

    void AddHidden(QCommandLineOption option) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    // What is wrong with the arguments, or nothing.
    QString Misuse(const QStringList& arguments) {
        if (!parser.parse(arguments)) return parser.errorText();
        const QStringList extra = parser.positionalArguments();
        if (!extra.isEmpty())
            return QStringLiteral("Unexpected argument '%1'.").arg(extra.constFirst());
        return {};
    }
};

int RefuseMisuse(const QString& misuse) {
    std::fprintf(stderr, "orvandel: %s\nTry 'orvandel --help' for the options.\n",
                 qPrintable(misuse));
    return exitMisuse;
}

// --help, --version and a wrong argument are answered before any window system is opened, so
// they need no display. QApplication then takes Qt's own options out, and what is left is read
// once more.
std::optional<int> AnswerWithoutWindow(int& argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLine commandLine;
    commandLine.AcceptQtOptions();
    const QString misuse = commandLine.Misuse(arguments);
    if (commandLine.parser.isSet(commandLine.version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (commandLine.parser.isSet(commandLine.help)) {
        const QCoreApplication core(argc, argv); // names the program on the usage line
        std::fputs(qPrintable(commandLine.parser.helpText()), stdout);
        return 0;
    }
    if (!misuse.isEmpty()) return RefuseMisuse(misuse);
    return std::nullopt;
}

// What the arguments left by QApplication ask for: a screenshot file (empty when none), or a
// misuse to report.
struct Request {
    QString screenshotFile;
    QString misuse;
};

Request ReadArguments(const QStringList& arguments) {
    CommandLine commandLine;
    const QString misuse = commandLine.Misuse(arguments);
    if (!misuse.isEmpty()) return {{}, misuse};
    return {commandLine.parser.value(commandLine.screenshot), {}};
}

QIcon WindowIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    // No application display name: on X11 Qt would append it to every window caption. The
    // application name stands in for it where Qt asks for one, such as the title of the
    // warning box, which is the product name.
    QCoreApplication::setApplicationName(QStringLiteral("Orvandel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORV_VERSION));
    if (const auto answered = AnswerWithoutWindow(argc, argv)) return *answered;

    QApplication app(argc, argv);
    const Request request = ReadArguments(QApplication::arguments());
    if (!request.misuse.isEmpty()) return RefuseMisuse(request.misuse);
    // The desktop knows the program by its desktop entry, whose id names the icon too.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORV_APP_ID));
    QApplication::setWindowIcon(WindowIcon());
    if (MessageBoxes::CurrentPresenter() == nullptr)
        MessageBoxes::SetPresenter(&MessageBoxes::ModalPresenter());

    frmMain window;
    window.Form_Load();
    SessionEnd::Install(window);

    // For start-up measurements: end as soon as the event loop first goes idle with the window
    // shown. exit(), unlike quit(), does not close the windows first, so the quit handler does
    // not run and no settings are written.
    if (qEnvironmentVariableIntValue("ORVANDEL_QUIT_WHEN_IDLE") == 1)
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });

    if (!request.screenshotFile.isEmpty()) {
        // Once the window has been drawn and the clock has ticked; ending through exit() skips the
        // quit handler, so the user's settings are left alone.
        QTimer::singleShot(1500, &window, [&window, file = request.screenshotFile] {
            const bool saved = window.grab().save(file, "PNG");
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
