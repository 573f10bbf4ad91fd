// The main window as a frame: its controls, start-up, the calendar buttons and the settings
// file. Which settings buttons empty the input windows is tested with the input aids.
#include <QFile>
#include <QFontInfo>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "WindowFixture.h"

using OrvTest::WindowFixture;

namespace {

int Px(int twips) {
    return qRound(twips / 15.0);
}

// What the settings decide, as the user sees it: the selected button of each group (its
// name after the group's prefix), Quit's caption and the date line of the today label.
QString Seen(const WindowFixture& f) {
    QStringList seen;
    for (const char* name : {"optDateFormatIs", "optSeparatorIs", "optThousSep", "optFirstDateIs",
                             "optSecondDateIs"}) {
        const QLatin1String group(name);
        for (const QRadioButton* option : f.Window()->findChildren<QRadioButton*>()) {
            if (option->objectName().startsWith(group) && option->isChecked())
                seen << option->objectName().mid(group.size());
        }
    }
    const QString today = f.Text(QStringLiteral("lblTodaysDate"));
    return seen.join(QLatin1Char(' ')) + QLatin1Char('|') + f.Text(QStringLiteral("cmdQuit")) +
           QLatin1Char('|') + today.mid(today.indexOf(QLatin1Char('\n')) + 1);
}

const QString kDefaults = QStringLiteral("YMD Dash IsComma CE CE|Quit|2026-12-07 CE (14:05).");

QString SeparatorCaptions(const WindowFixture& f) {
    return f.Texts({"optSeparatorIsDash", "optSeparatorIsSlash", "optSeparatorIsDot"});
}

} // namespace

class FrameTest : public QObject {
    Q_OBJECT

  private slots:
    void controlPlaces_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        const auto row = [](const char* name, const char* kind, const char* container, int l, int t,
                            int w, int h) {
            QTest::newRow(name) << QString::fromLatin1(kind) << QString::fromLatin1(container)
                                << QRect(l, t, w, h);
        };
        row("lblIntro", "QLabel", "frmMain", 120, 105, 8715, 765);
        row("cboLanguage", "QComboBox", "frmMain", 8925, 140, 1695, 360);
        row("cmdCredits", "QPushButton", "frmMain", 8925, 1575, 1590, 270);
        row("Frame4", "QWidget", "frmMain", 105, 945, 8490, 945);
        row("optDateFormatIsMDY", "QRadioButton", "frmDateFormat", 3675, 0, 1800, 255);
        row("optSeparatorIsDot", "QRadioButton", "frmDateSeparator", 1800, 0, 1590, 255);
        row("optThousSepNone", "QRadioButton", "Frame4", 5985, 630, 1335, 255);
        row("cmdToday(1)", "QPushButton", "Frame3", 6825, 105, 855, 255);
        row("txbFirstDate", "QLineEdit", "Frame3", 0, 420, 2450, 360);
        row("VScroll(0)", "QScrollBar", "Frame3", 2520, 420, 225, 360);
        row("txbDateDiffDays", "QLineEdit", "Frame3", 2940, 420, 1560, 360);
        row("lblThisIsA(1)", "QLabel", "Frame2", 0, 0, 1965, 255);
        row("optFirstDateIsDIY", "QRadioButton", "Frame1", 0, 1500, 3255, 255);
        row("optSecondDateIsJDN", "QRadioButton", "Frame2", 0, 1200, 3465, 255);
        row("lblWeekFromToday", "QLabel", "Frame3", 6575, 2780, 3915, 645);
        row("cmdCompute", "QPushButton", "Frame3", 8770, 3055, 1680, 330);
        row("txbOutput", "QPlainTextEdit", "Frame6", 60, 20, 10410, 1900);
        row("cmdQuit", "QPushButton", "Frame6", 8955, 2050, 1485, 330);
    }

    void controlPlaces() {
        QFETCH(QString, kind);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        WindowFixture f;
        f.Start();
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QWidget* control = f.Find(name);
        QVERIFY(control != nullptr);
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(control->geometry(),
                 QRect(Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height())));
    }

    // Every control of the window, found by its name as tests find it.
    void everyControlByName() {
        WindowFixture f;
        f.Start();
        const QStringList controls =
            QStringLiteral(
                "lblIntro cboLanguage cmdHelp cmdCalendars cmdCredits Frame4 lblDateFormat "
                "frmDateFormat optDateFormatIsYMD optDateFormatIsDMY optDateFormatIsMDY "
                "lblDateSeparator frmDateSeparator optSeparatorIsDash optSeparatorIsDot "
                "optSeparatorIsSlash lblThousandsSeparator optThousSepIsComma optThousSepIsDot "
                "optThousSepNone Frame3 lblFirstDate cmdToday(0) lblDateDifference lblSecondDate "
                "cmdToday(1) txbFirstDate VScroll(0) txbDateDiffDays lblDayOrDays txbSecondDate "
                "VScroll(1) cmdMoveSecondDateToFirst Frame1 lblThisIsA(0) optFirstDateIsCE "
                "optFirstDateIsJC optFirstDateIsAN optFirstDateIsJDN optFirstDateIsDIY lblClear "
                "cmdClearFirstDate cmdClearSecondDate cmdClearDateDiffDays cmdClearInputWindows "
                "cmdClearOutputWindow Frame2 lblThisIsA(1) optSecondDateIsCE optSecondDateIsJC "
                "optSecondDateIsAN optSecondDateIsJDN optSecondDateIsDIY lblTodaysDate "
                "lblWeekFromToday cmdCompute Frame6 txbOutput lblCopyrightNotice lblTessaline "
                "lblOnlineDocumentation cmdCopyToClipboard cmdQuit")
                .split(QLatin1Char(' '));
        QCOMPARE(controls.size(), 63);
        for (const QString& name : controls) {
            const QWidget* control = f.Find(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            QVERIFY2(control->isVisible(), qPrintable(name));
        }
    }

    void windowFrame() {
        WindowFixture f;
        frmMain& w = f.Start();
        QCOMPARE(w.windowTitle(), QStringLiteral("Orvandel 7.6d"));
        QCOMPARE(w.size(), QSize(716, 522));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 255, 255));
        QCOMPARE(f.Find("optThousSepNone")->palette().color(QPalette::Window), QColor(0, 255, 255));
        for (const char* link : {"lblTessaline", "lblOnlineDocumentation"}) {
            QVERIFY(f.Find(link)->font().underline());
            QCOMPARE(f.Find(link)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        }
        auto* clock = w.findChild<QTimer*>(QStringLiteral("Clock"));
        QVERIFY(clock != nullptr && clock->isActive());
        QCOMPARE(clock->interval(), 1000);
    }

    void firstStart() {
        WindowFixture f;
        f.Start();
        QVERIFY(!QFile::exists(f.SettingsPath()));
        QCOMPARE(Seen(f), kDefaults);
        QCOMPARE(SeparatorCaptions(f), QStringLiteral("2012-12-31|2012/12/31|2012.12.31"));
        QCOMPARE(f.Texts({"cboLanguage", "txbOutput"}), QStringLiteral("English|"));
        QCOMPARE(f.FocusName(), QStringLiteral("txbFirstDate"));
        QVERIFY(f.boxes.shown.isEmpty());
    }

    void settingsRoundTrip() {
        WindowFixture f;
        f.Start();
        for (const char* option : {"optDateFormatIsDMY", "optSeparatorIsSlash", "optThousSepNone"})
            f.Choose(option);
        f.ChooseLanguage(1);
        f.ChooseCalendars(QStringLiteral("JC"), QStringLiteral("AN"));
        for (int click = 0; click < 3; ++click) // CE -> JC -> AN -> JDN
            f.Click(QStringLiteral("lblWeekFromToday"));

        f.Restart();
        QCOMPARE(f.ReadSettings(), QByteArray("1\r\n1,47,0\r\n2,1,3\r\n"));
        QCOMPARE(Seen(f), QStringLiteral("DMY Slash None JC AN|Beenden|der 2461382 JDN (14:05)."));
        QCOMPARE(SeparatorCaptions(f), QStringLiteral("31-12-2012|31/12/2012|31.12.2012"));
        QCOMPARE(f.Text(QStringLiteral("cboLanguage")), QStringLiteral("Deutsch"));
        QCOMPARE(f.FocusName(), QStringLiteral("txbFirstDate"));
        // Closing by the close box saves as Quit does.
        f.Choose(QStringLiteral("optFirstDateIsDIY"));
        f.Window()->close();
        QCOMPARE(f.ReadSettings(), QByteArray("1\r\n1,47,0\r\n2,4,3\r\n"));
    }

    // clang-format off
    void settingsFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("seen");
        QTest::newRow("third line 0,1,0") << QByteArray("0\r\n2,45,44\r\n0,1,0\r\n")
            << QStringLiteral("YMD Dash IsComma JC CE|Quit|2026-12-07 CE (14:05).");
        QTest::newRow("LF line ends") << QByteArray("4\n0,46,46\n0,3,2\n")
            << QStringLiteral("MDY Dot IsDot AN JDN|Abandonar|12.07.2026 CE (14:05).");
        QTest::newRow("unknown codes") << QByteArray("0\r\n7,99,99\r\n0,9,-3\r\n") << kDefaults;
        QTest::newRow("language 9") << QByteArray("9\r\n2,45,44\r\n0,0,0\r\n") << kDefaults;
        QTest::newRow("TodayKind 5 is CE") << QByteArray("0\r\n2,45,44\r\n5,0,0\r\n") << kDefaults;
        // Unreadable: the defaults, nothing of the file used, and no hang on a file of any size.
        QTest::newRow("letters") << QByteArray("1\r\n1,47,x\r\n2,1,3\r\n") << kDefaults;
        QTest::newRow("one long line") << QByteArray(8 * 1024 * 1024, '7') << kDefaults;
        QTest::newRow("third line runs past what is read")
            << QByteArray("1\r\n1,47,0\r\n2,1,3") + QByteArray(8192, '3') << kDefaults;
    }
    // clang-format on

    void settingsFile() {
        QFETCH(QByteArray, file);
        QFETCH(QString, seen);
        WindowFixture f;
        f.WriteSettings(file);
        f.Start();
        QCOMPARE(Seen(f), seen);
        QVERIFY(f.boxes.shown.isEmpty());
    }

    void unwritableFolderIsSilent() {
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

    void calendarButtons() {
        WindowFixture f;
        f.Start();
        const QString first = QStringLiteral("txbFirstDate");
        f.Type(first, QStringLiteral("2000-01-01"));
        for (const char* step :
             {"JC=1999-12-19", "JDN=2,451,545", "DIY=2000001", "CE=2000-01-01"}) {
            const QStringList kindAndText = QString::fromLatin1(step).split(QLatin1Char('='));
            f.Choose(QStringLiteral("optFirstDateIs") + kindAndText[0]);
            QCOMPARE(f.Text(first), kindAndText[1]);
            QCOMPARE(f.FocusName(), QStringLiteral("txbDateDiffDays"));
        }
        // The calendar the window has: its handler does not run, not even to trim.
        f.Type(first, QStringLiteral(" "));
        f.Choose(QStringLiteral("optFirstDateIsCE"));
        QCOMPARE(f.Text(first), QStringLiteral("2000-01-01 "));

        // The second window's buttons; a text that is no date in its calendar stays, trimmed.
        const QString second = QStringLiteral("txbSecondDate");
        f.Choose(QStringLiteral("optSecondDateIsJC"));
        f.Type(second, QStringLiteral("  1999-12-31 "));
        f.Choose(QStringLiteral("optSecondDateIsDIY"));
        QCOMPARE(f.Text(second), QStringLiteral("2000013"));
        f.Replace(second, QStringLiteral(" -5-01-01"));
        f.Choose(QStringLiteral("optSecondDateIsJC"));
        QCOMPARE(f.Text(second), QStringLiteral("-5-01-01"));
        QVERIFY(f.boxes.shown.isEmpty());
    }
};

QTEST_MAIN(FrameTest)
#include "tst_frmMain_frame.moc"
