// The main window as a frame: start-up, the calendar buttons and the settings file. Which
// settings buttons empty the input windows is tested with the input aids.
#include <QFile>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "WindowFixture.h"

using OrvTest::WindowFixture;

namespace {

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
    void firstStart() {
        WindowFixture f;
        f.Start();
        QVERIFY(!QFile::exists(f.SettingsPath()));
        QCOMPARE(Seen(f), kDefaults);
        QCOMPARE(SeparatorCaptions(f), QStringLiteral("2012-12-31|2012/12/31|2012.12.31"));
        QCOMPARE(f.Texts({"cboLanguage", "txbOutput"}), QStringLiteral("English|"));
        QCOMPARE(f.FocusName(), QStringLiteral("txbFirstDate"));
        QVERIFY(f.boxes.shown.isEmpty());
        auto* clock = f.Window()->findChild<QTimer*>(QStringLiteral("Clock"));
        QVERIFY(clock != nullptr && clock->isActive());
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
