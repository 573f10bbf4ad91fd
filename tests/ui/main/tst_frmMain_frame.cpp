// The main window as a frame: its controls, start-up, the settings buttons, the calendar
// buttons and the settings file.
#include <algorithm>

#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "WindowFixture.h"

using OrvTest::WindowFixture;

namespace {

int Px(int twips) {
    return qRound(twips / 15.0);
}

// The state that the settings decide, as the user sees it.
struct Seen {
    QString order, separator, thousands, first, second, quit, todayEnd;
};

Seen SeenIn(const WindowFixture& f) {
    const auto selected = [&f](std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (f.Find<QRadioButton>(QString::fromLatin1(name))->isChecked())
                return QString::fromLatin1(name);
        }
        return QString();
    };
    Seen s;
    s.order = selected({"optDateFormatIsYMD", "optDateFormatIsDMY", "optDateFormatIsMDY"});
    s.separator = selected({"optSeparatorIsDash", "optSeparatorIsSlash", "optSeparatorIsDot"});
    s.thousands = selected({"optThousSepIsComma", "optThousSepIsDot", "optThousSepNone"});
    s.first = selected({"optFirstDateIsCE", "optFirstDateIsJC", "optFirstDateIsAN",
                        "optFirstDateIsJDN", "optFirstDateIsDIY"});
    s.second = selected({"optSecondDateIsCE", "optSecondDateIsJC", "optSecondDateIsAN",
                         "optSecondDateIsJDN", "optSecondDateIsDIY"});
    s.quit = f.Text(QStringLiteral("cmdQuit"));
    const QString today = f.Text(QStringLiteral("lblTodaysDate"));
    s.todayEnd = today.mid(today.indexOf(QStringLiteral("\r\n")) + 2);
    return s;
}

const char* const defaultTodayEnd = "2026-12-07 CE (14:05).";

} // namespace

class FrameTest : public QObject {
    Q_OBJECT

  private slots:
    void controlPlaces_data();
    void controlPlaces();
    void windowFrame();
    void firstStart();
    void settingsRoundTrip();
    void closeBoxSaves();
    void settingsFileMends_data();
    void settingsFileMends();
    void unwritableFolderIsSilent();
    void calendarChain();
    void julianToYyyyddd();
    void choosingTheSelectedCalendarConvertsNothing();
    void settingsEmptyInputWindows_data();
    void settingsEmptyInputWindows();
};

void FrameTest::controlPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
    const auto row = [](const char* name, const char* kind, const char* container, int l, int t,
                        int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind)
                            << QString::fromLatin1(container) << QRect(l, t, w, h);
    };
    row("lblIntro", "QLabel", "frmMain", 120, 105, 8715, 765);
    row("cboLanguage", "QComboBox", "frmMain", 8925, 140, 1695, 360);
    row("cmdCredits", "QPushButton", "frmMain", 8925, 1575, 1590, 270);
    row("Frame4", "QWidget", "frmMain", 105, 945, 8490, 945);
    row("optDateFormatIsMDY", "QRadioButton", "frmDateFormat", 3675, 0, 1800, 255);
    row("optSeparatorIsDot", "QRadioButton", "frmDateSeparator", 1800, 0, 1590, 255);
    row("optThousSepNone", "QRadioButton", "Frame4", 5985, 630, 1335, 255);
    row("cmdToday(0)", "QPushButton", "Frame3", 1575, 105, 855, 255);
    row("cmdToday(1)", "QPushButton", "Frame3", 6825, 105, 855, 255);
    row("txbFirstDate", "QLineEdit", "Frame3", 0, 420, 2450, 360);
    row("VScroll(0)", "QScrollBar", "Frame3", 2520, 420, 225, 360);
    row("VScroll(1)", "QScrollBar", "Frame3", 7770, 420, 225, 360);
    row("txbDateDiffDays", "QLineEdit", "Frame3", 2940, 420, 1560, 360);
    row("txbSecondDate", "QLineEdit", "Frame3", 5250, 420, 2450, 360);
    row("lblThisIsA(0)", "QLabel", "Frame1", 0, 0, 1860, 255);
    row("lblThisIsA(1)", "QLabel", "Frame2", 0, 0, 1965, 255);
    row("optFirstDateIsDIY", "QRadioButton", "Frame1", 0, 1500, 3255, 255);
    row("optSecondDateIsJDN", "QRadioButton", "Frame2", 0, 1200, 3465, 255);
    row("cmdClearInputWindows", "QPushButton", "Frame3", 3675, 2310, 2400, 255);
    row("lblWeekFromToday", "QLabel", "Frame3", 6575, 2780, 3915, 645);
    row("cmdCompute", "QPushButton", "Frame3", 8770, 3055, 1680, 330);
    row("txbOutput", "QPlainTextEdit", "Frame6", 60, 20, 10410, 1900);
    row("lblTessaline", "QLabel", "Frame6", 1575, 1965, 1590, 255);
    row("cmdQuit", "QPushButton", "Frame6", 8955, 2050, 1485, 330);
}

void FrameTest::controlPlaces() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    WindowFixture f;
    f.Start();
    QWidget* control = f.Find(name);
    QVERIFY(control != nullptr);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->accessibleName(), name);
    QCOMPARE(control->geometry(),
             QRect(Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height())));
}

void FrameTest::windowFrame() {
    WindowFixture f;
    frmMain& w = f.Start();
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvandel 7.6d"));
    QCOMPARE(w.size(), QSize(716, 522));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 255, 255));

    const QFont output = f.Find(QStringLiteral("txbOutput"))->font();
    QVERIFY(QFontInfo(output).fixedPitch());
    QCOMPARE(output.pointSizeF(), 9.0);
    const QFont compute = f.Find(QStringLiteral("cmdCompute"))->font();
    QCOMPARE(compute.pointSizeF(), 12.0);
    QVERIFY(compute.bold());
    QCOMPARE(f.Find(QStringLiteral("frmMain"))->font().pointSizeF(), 9.75);
    QCOMPARE(f.Find(QStringLiteral("optFirstDateIsCE"))->font().pointSizeF(), 8.25);
    for (const char* link : {"lblTessaline", "lblOnlineDocumentation"}) {
        QWidget* label = f.Find(QString::fromLatin1(link));
        QVERIFY(label->font().underline());
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }
    QCOMPARE(f.Find(QStringLiteral("optThousSepNone"))->palette().color(QPalette::Window),
             QColor(0, 255, 255));
    auto* clock = w.findChild<QTimer*>(QStringLiteral("Clock"));
    QVERIFY(clock != nullptr);
    QVERIFY(clock->isActive());
    QCOMPARE(clock->interval(), 1000);
}

void FrameTest::firstStart() {
    WindowFixture f;
    f.Start();
    QVERIFY(!QFile::exists(f.SettingsPath()));
    const Seen s = SeenIn(f);
    QCOMPARE(s.order, QStringLiteral("optDateFormatIsYMD"));
    QCOMPARE(s.separator, QStringLiteral("optSeparatorIsDash"));
    QCOMPARE(s.thousands, QStringLiteral("optThousSepIsComma"));
    QCOMPARE(s.first, QStringLiteral("optFirstDateIsCE"));
    QCOMPARE(s.second, QStringLiteral("optSecondDateIsCE"));
    QCOMPARE(s.quit, QStringLiteral("Quit"));
    QCOMPARE(s.todayEnd, QString::fromLatin1(defaultTodayEnd));
    QCOMPARE(f.Text(QStringLiteral("optSeparatorIsDash")), QStringLiteral("2012-12-31"));
    QCOMPARE(f.Text(QStringLiteral("optSeparatorIsSlash")), QStringLiteral("2012/12/31"));
    QCOMPARE(f.Text(QStringLiteral("optSeparatorIsDot")), QStringLiteral("2012.12.31"));
    QCOMPARE(f.Text(QStringLiteral("cboLanguage")), QStringLiteral("English"));
    QCOMPARE(f.Text(QStringLiteral("txbOutput")), QString());
    QCOMPARE(f.FocusName(), QStringLiteral("txbFirstDate"));
    QVERIFY(f.boxes.shown.isEmpty());
}

void FrameTest::settingsRoundTrip() {
    WindowFixture f;
    f.Start();
    f.Choose(QStringLiteral("optDateFormatIsDMY"));
    f.Choose(QStringLiteral("optSeparatorIsSlash"));
    f.Choose(QStringLiteral("optThousSepNone"));
    f.ChooseLanguage(1);
    f.Choose(QStringLiteral("optFirstDateIsJC"));
    f.Choose(QStringLiteral("optSecondDateIsAN"));
    for (int click = 0; click < 3; ++click) // CE -> JC -> AN -> JDN
        f.Click(QStringLiteral("lblWeekFromToday"));

    f.Restart();
    QCOMPARE(f.ReadSettings(), QByteArray("1\r\n1,47,0\r\n2,1,3\r\n"));
    const Seen s = SeenIn(f);
    QCOMPARE(s.order, QStringLiteral("optDateFormatIsDMY"));
    QCOMPARE(s.separator, QStringLiteral("optSeparatorIsSlash"));
    QCOMPARE(s.thousands, QStringLiteral("optThousSepNone"));
    QCOMPARE(s.first, QStringLiteral("optFirstDateIsJC"));
    QCOMPARE(s.second, QStringLiteral("optSecondDateIsAN"));
    QCOMPARE(s.quit, QStringLiteral("Beenden"));
    QCOMPARE(s.todayEnd, QStringLiteral("der 2461382 JDN (14:05)."));
    const auto options = f.Window()->findChildren<QRadioButton*>();
    QCOMPARE(std::count_if(options.begin(), options.end(),
                           [](const QRadioButton* option) { return option->isChecked(); }),
             5);
    QCOMPARE(f.Text(QStringLiteral("optSeparatorIsDash")), QStringLiteral("31-12-2012"));
    QCOMPARE(f.Text(QStringLiteral("optSeparatorIsSlash")), QStringLiteral("31/12/2012"));
    QCOMPARE(f.Text(QStringLiteral("optSeparatorIsDot")), QStringLiteral("31.12.2012"));
    QCOMPARE(f.Text(QStringLiteral("cboLanguage")), QStringLiteral("Deutsch"));
    QCOMPARE(f.FocusName(), QStringLiteral("txbFirstDate"));
}

void FrameTest::closeBoxSaves() {
    WindowFixture f;
    frmMain& w = f.Start();
    f.Choose(QStringLiteral("optFirstDateIsDIY"));
    w.close();
    QCOMPARE(f.ReadSettings(), QByteArray("0\r\n2,45,44\r\n0,4,0\r\n"));
}

void FrameTest::settingsFileMends_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("quit");
    QTest::addColumn<QString>("todayEnd");
    const QString ymd = QStringLiteral("optDateFormatIsYMD");
    const QString ce1 = QStringLiteral("optFirstDateIsCE");
    const QString ce2 = QStringLiteral("optSecondDateIsCE");
    const QString quit = QStringLiteral("Quit");
    const QString today = QString::fromLatin1(defaultTodayEnd);

    QTest::newRow("third line 0,1,0") << QByteArray("0\r\n2,45,44\r\n0,1,0\r\n") << ymd
                                      << QStringLiteral("optFirstDateIsJC") << ce2 << quit << today;
    QTest::newRow("LF line ends") << QByteArray("4\n0,45,44\n0,3,2\n")
                                  << QStringLiteral("optDateFormatIsMDY")
                                  << QStringLiteral("optFirstDateIsAN")
                                  << QStringLiteral("optSecondDateIsJDN")
                                  << QStringLiteral("Abandonar")
                                  << QStringLiteral("12-07-2026 CE (14:05).");
    QTest::newRow("no line end at the end")
        << QByteArray("1\r\n2,45,44\r\n0,0,4") << ymd << ce1 << QStringLiteral("optSecondDateIsDIY")
        << QStringLiteral("Beenden") << QStringLiteral("der 2026-12-07 CE (14:05).");
    QTest::newRow("unknown codes fall back")
        << QByteArray("0\r\n7,99,99\r\n0,9,-3\r\n") << ymd << ce1 << ce2 << quit << today;
    QTest::newRow("language 9 is English")
        << QByteArray("9\r\n2,45,44\r\n0,0,0\r\n") << ymd << ce1 << ce2 << quit << today;
    QTest::newRow("TodayKind 5 is CE")
        << QByteArray("0\r\n2,45,44\r\n5,0,0\r\n") << ymd << ce1 << ce2 << quit << today;

    // Unreadable files: the defaults, nothing of the file used (the reading rules themselves
    // are tested without the window).
    const auto unreadable = [&](const char* name, const QByteArray& file) {
        QTest::newRow(name) << file << ymd << ce1 << ce2 << quit << today;
    };
    unreadable("empty", QByteArray());
    unreadable("letters", QByteArray("1\r\n1,47,x\r\n2,1,3\r\n"));
    unreadable("beyond 16 bits", QByteArray("1\r\n1,47,65580\r\n2,1,3\r\n"));
    unreadable("one long line", QByteArray(8 * 1024 * 1024, '7'));
    unreadable("third line runs past what is read",
               QByteArray("1\r\n1,47,0\r\n2,1,3") + QByteArray(8192, '3'));
}

void FrameTest::settingsFileMends() {
    QFETCH(QByteArray, file);
    QFETCH(QString, order);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, quit);
    QFETCH(QString, todayEnd);
    WindowFixture f;
    f.WriteSettings(file);
    f.Start();
    const Seen s = SeenIn(f);
    QCOMPARE(s.order, order);
    QCOMPARE(s.first, first);
    QCOMPARE(s.second, second);
    QCOMPARE(s.quit, quit);
    QCOMPARE(s.todayEnd, todayEnd);
    QVERIFY(f.boxes.shown.isEmpty());
}

void FrameTest::unwritableFolderIsSilent() {
    WindowFixture f;
    // A file where the settings folder belongs: neither the folder nor the file can be made.
    QFile blocker(f.ConfigFolder() + QStringLiteral("/orvandel"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.Start();
    f.Click(QStringLiteral("cmdQuit"));
    QVERIFY(!f.Window()->isVisible());
    QVERIFY(f.boxes.shown.isEmpty());
    QVERIFY(!QFile::exists(f.SettingsPath()));
}

void FrameTest::calendarChain() {
    WindowFixture f;
    f.Start();
    f.Type(QStringLiteral("txbFirstDate"), QStringLiteral("2000-01-01"));
    f.Choose(QStringLiteral("optFirstDateIsJC"));
    QCOMPARE(f.Text(QStringLiteral("txbFirstDate")), QStringLiteral("1999-12-19"));
    f.Choose(QStringLiteral("optFirstDateIsJDN"));
    QCOMPARE(f.Text(QStringLiteral("txbFirstDate")), QStringLiteral("2,451,545"));
    f.Choose(QStringLiteral("optFirstDateIsDIY"));
    QCOMPARE(f.Text(QStringLiteral("txbFirstDate")), QStringLiteral("2000001"));
    QCOMPARE(f.FocusName(), QStringLiteral("txbDateDiffDays"));
    f.Choose(QStringLiteral("optFirstDateIsCE"));
    QCOMPARE(f.Text(QStringLiteral("txbFirstDate")), QStringLiteral("2000-01-01"));
}

void FrameTest::julianToYyyyddd() {
    WindowFixture f;
    f.Start();
    f.Choose(QStringLiteral("optSecondDateIsJC"));
    f.Type(QStringLiteral("txbSecondDate"), QStringLiteral("  1999-12-31 "));
    f.Choose(QStringLiteral("optSecondDateIsDIY"));
    QCOMPARE(f.Text(QStringLiteral("txbSecondDate")), QStringLiteral("2000013"));
    // Before year 1 there is no yyyyddd form: the text stays, trimmed, and is now read as one.
    f.Choose(QStringLiteral("optSecondDateIsCE"));
    f.Replace(QStringLiteral("txbSecondDate"), QStringLiteral(" -5-01-01"));
    f.Choose(QStringLiteral("optSecondDateIsDIY"));
    QCOMPARE(f.Text(QStringLiteral("txbSecondDate")), QStringLiteral("-5-01-01"));
    QVERIFY(f.boxes.shown.isEmpty());
}

void FrameTest::choosingTheSelectedCalendarConvertsNothing() {
    WindowFixture f;
    f.Start();
    f.Type(QStringLiteral("txbFirstDate"), QStringLiteral("2000-1-1 "));
    f.Choose(QStringLiteral("optFirstDateIsCE"));
    // Not even trimmed: the handler did not run.
    QCOMPARE(f.Text(QStringLiteral("txbFirstDate")), QStringLiteral("2000-1-1 "));
}

void FrameTest::settingsEmptyInputWindows_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("empties");
    QTest::newRow("date order DMY") << QStringLiteral("optDateFormatIsDMY") << true;
    QTest::newRow("date order MDY") << QStringLiteral("optDateFormatIsMDY") << true;
    QTest::newRow("separator dot") << QStringLiteral("optSeparatorIsDot") << true;
    QTest::newRow("separator slash") << QStringLiteral("optSeparatorIsSlash") << true;
    QTest::newRow("thousands dot") << QStringLiteral("optThousSepIsDot") << false;
    QTest::newRow("thousands none") << QStringLiteral("optThousSepNone") << false;
}

void FrameTest::settingsEmptyInputWindows() {
    QFETCH(QString, option);
    QFETCH(bool, empties);
    WindowFixture f;
    f.Start();
    f.Type(QStringLiteral("txbFirstDate"), QStringLiteral("2000-01-01"));
    f.Type(QStringLiteral("txbSecondDate"), QStringLiteral("2000-01-05"));
    f.Type(QStringLiteral("txbDateDiffDays"), QStringLiteral("4"));
    f.Choose(option);
    const QString first = f.Text(QStringLiteral("txbFirstDate"));
    const QString second = f.Text(QStringLiteral("txbSecondDate"));
    const QString difference = f.Text(QStringLiteral("txbDateDiffDays"));
    QCOMPARE(first.isEmpty(), empties);
    QCOMPARE(second.isEmpty(), empties);
    QCOMPARE(difference.isEmpty(), empties);
    QCOMPARE(f.FocusName(), QStringLiteral("txbFirstDate"));
}

QTEST_MAIN(FrameTest)
#include "tst_frmMain_frame.moc"
