// Texts by language and the special-day greeting in the main window. The information windows
// and the web links as the main window opens them are tested with the information windows.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "WindowFixture.h"
#include "app/WindowTexts.h"
#include "ui/info/weblink.h"

using OrvTest::At;
using OrvTest::output;
using OrvTest::WindowFixture;

namespace {

// The box's entries as "text=item data".
QString BoxEntries(const WindowFixture& f) {
    auto* box = f.Find<QComboBox>(QStringLiteral("cboLanguage"));
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i) + QLatin1Char('=') + box->itemData(i).toString();
    return entries.join(QLatin1Char(' '));
}

// Captions that change with the language, then some that do not.
const QStringList kCaptions{"cboLanguage",        "lblDateFormat",      "optDateFormatIsYMD",
                            "optDateFormatIsDMY", "optThousSepNone",    "optFirstDateIsCE",
                            "cmdCompute",         "optSeparatorIsDash", "optThousSepIsDot",
                            "lblTessaline"};

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    // clang-format off
    void switchLanguage_data() {
        QTest::addColumn<QList<int>>("positions"); // entries chosen one after the other
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("today");
        QTest::newRow("German") << QList<int>{1} << "Englisch=0 Deutsch=1 Spanisch=4"
            << "Deutsch|Datumsformat:|Jahr Monat Tag|Tag Monat Jahr|keine|Common Era Datum (CE)|"
               "Berechnen|2012-12-31|2.000.000|Tessaline"
            << "Anklicken um Kalender zu verändern" << "Heute ist Montag,\r\nder ";
        QTest::newRow("Spanish") << QList<int>{2} << "Inglés=0 Alemán=1 Español=4"
            << "Español|Formato de fecha:|año mes día|día mes año|ninguno|"
               "Fecha de la Era Común (CE)|Calcular|2012-12-31|2.000.000|Tessaline"
            << "Oprima para cambiar calendario" << "Hoy es Lunes,\r\n2026";
        QTest::newRow("German, then English") << QList<int>{1, 0} << "English=0 German=1 Spanish=4"
            << "English|Date format:|year month day|day month year|none|Common Era date (CE)|"
               "Compute|2012-12-31|2.000.000|Tessaline"
            << "Click to change calendar" << "Today is Monday,\r\n2026";
    }
    // clang-format on
    void switchLanguage() {
        QFETCH(QList<int>, positions);
        QFETCH(QString, entries);
        QFETCH(QString, captions);
        QFETCH(QString, toolTip);
        QFETCH(QString, today);
        WindowFixture f;
        f.Start();
        for (int position : positions)
            f.ChooseLanguage(position);
        QCOMPARE(BoxEntries(f), entries);
        QCOMPARE(f.Texts(kCaptions), captions);
        QCOMPARE(f.Find(QStringLiteral("lblWeekFromToday"))->toolTip(), toolTip);
        QVERIFY(f.Text(QStringLiteral("lblTodaysDate")).startsWith(today));
        QCOMPARE(f.FocusName(), output);
    }

    // A language that no entry of the box carries stays in force, its today labels at once.
    void languageFromSettingsFile_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("captions"); // intro, Compute, Today, first date, the box
        QTest::addColumn<QString>("today");
        QTest::newRow("French") << 2 << "txtIntro|???||:|Anglais"
                                << "??? Lundi,\r\n";
    }
    void languageFromSettingsFile() {
        QFETCH(int, language);
        QFETCH(QString, captions);
        QFETCH(QString, today);
        WindowFixture f;
        f.StartIn(language);
        const QStringList names{"lblIntro", "cmdCompute", "cmdToday(0)", "lblFirstDate",
                                "cboLanguage"};
        QVERIFY(f.Text(QStringLiteral("lblTodaysDate")).startsWith(today));
        QCOMPARE(f.Texts(names), captions);
        f.Restart();
        QCOMPARE(f.ReadSettings(), QByteArray::number(language) + "\r\n2,45,44\r\n0,0,0\r\n");
        QCOMPARE(f.Texts(names), captions);
    }

    void dayWordBesideTheDifference_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("word");
        for (const char* one : {"1", "-1"})
            QTest::newRow(one) << one << "Tag";
        // A count that does not fit 32 bits takes the plural, as an empty window does.
        for (const char* other : {"0", "4294967297"})
            QTest::newRow(*other ? other : "empty") << other << "Tage";
    }
    void dayWordBesideTheDifference() {
        QFETCH(QString, count);
        QFETCH(QString, word);
        WindowFixture f;
        f.Start();
        f.Paste(QStringLiteral("txbDateDiffDays"), count);
        f.ChooseLanguage(1);
        QCOMPARE(f.Text(QStringLiteral("lblDayOrDays")), word);
    }

    // clang-format off
    void specialDays_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("note");
        QTest::newRow("Calendar Day") << 1 << 1 << 0 << "This is Calendar Day.\r\nThe Annus Novus "
            "Decimal Calendar was introduced on 10520-01-01 AN (2001-01-01 CE).\r\n\r\n";
        QTest::newRow("Independence Day in German") << 11 << 27 << 1 << "Dies ist der "
            "Unabhängigkeitstag.\r\nDas Empire von Atlantium wurde am 10500-10-03 (1981-11-27 CE) "
            "gegründet.\r\n\r\n";
        QTest::newRow("Refundatio Day in Portuguese") << 6 << 2 << 3 << "\r\n\r\n\r\n";
        QTest::newRow("3 June") << 6 << 3 << 0 << "";
    }
    // clang-format on
    void specialDays() {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, language);
        QFETCH(QString, note);
        WindowFixture f(At(2027, month, day));
        // Another calendar in the date windows changes nothing: the day is the Gregorian one.
        f.WriteSettings(QByteArray::number(language) + "\r\n2,45,44\r\n3,3,2\r\n");
        f.Start();
        QCOMPARE(f.Text(output), note);
        QCOMPARE(f.FocusName(), QStringLiteral("txbFirstDate"));
        // Results follow the greeting.
        f.Type(QStringLiteral("txbFirstDate"), QStringLiteral("10520-01-01"));
        f.Enter(QStringLiteral("txbFirstDate"));
        QVERIFY(f.Text(output).startsWith(note + QStringLiteral("10520-01-01 AN")));
    }

    void onlyTheLeftButtonOpensALink() {
        WindowFixture f;
        int opened = 0;
        weblink::SetOpener([&opened](const std::string&) { return ++opened > 0; });
        f.Start();
        f.Click(QStringLiteral("lblTessaline"), Qt::RightButton);
        f.Click(QStringLiteral("lblOnlineDocumentation"), Qt::MiddleButton);
        QCOMPARE(opened, 0);
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_frmMain_language.moc"
