// Texts by language, the special-day greeting, the web links and the information windows
// as the main window opens them.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "WindowFixture.h"
#include "ui/info/InfoTexts.h"
#include "ui/info/weblink.h"

using OrvTest::At;
using OrvTest::BoxKind;
using OrvTest::WindowFixture;

namespace {

const QString output = QStringLiteral("txbOutput");

const QString englishIntro = QStringLiteral(
    "This program converts Common Era (Gregorian) dates, Julian dates, Annus Novus dates, Julian "
    "day numbers and dates in the form yyyyddd.  It can also be used to add or subtract a number "
    "of days from a date and to find the difference between two dates. Click on \"Help\" for "
    "more information.");

QStringList BoxEntries(const WindowFixture& f) {
    auto* box = f.Find<QComboBox>(QStringLiteral("cboLanguage"));
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i) + QLatin1Char('=') + box->itemData(i).toString();
    return entries;
}

// Every caption and tool tip of the window.
QStringList Captions(const WindowFixture& f) {
    QStringList captions;
    for (QLabel* label : f.Window()->findChildren<QLabel*>())
        captions << label->objectName() + QLatin1Char('=') + label->text() + label->toolTip();
    for (QAbstractButton* button : f.Window()->findChildren<QAbstractButton*>())
        captions << button->objectName() + QLatin1Char('=') + button->text();
    return captions;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void switchLanguage_data();
    void switchLanguage();
    void choosingTheLanguageInForce();
    void languageFromSettingsFile_data();
    void languageFromSettingsFile();
    void dayWordBesideTheDifference_data();
    void dayWordBesideTheDifference();
    void specialDays_data();
    void specialDays();
    void webLinks_data();
    void webLinks();
    void failingBrowser();
    void informationWindows();
};

void LanguageTest::switchLanguage_data() {
    QTest::addColumn<QList<int>>("positions"); // entries chosen one after the other
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("captions"); // lblDateFormat, YMD, DMY, none, CE, Compute
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("todayStart");
    QTest::newRow("German") << QList<int>{1} << QStringList{"Englisch=0", "Deutsch=1", "Spanisch=4"}
                            << QStringLiteral("Deutsch")
                            << QStringList{"Datumsformat:",         "Jahr Monat Tag",
                                           "Tag Monat Jahr",        "keine",
                                           "Common Era Datum (CE)", "Berechnen"}
                            << QStringLiteral("Anklicken um Kalender zu verändern")
                            << QStringLiteral("Heute ist Montag,\r\nder ");
    QTest::newRow("Spanish")
        << QList<int>{2} << QStringList{"Inglés=0", "Alemán=1", "Español=4"}
        << QStringLiteral("Español")
        << QStringList{"Formato de fecha:",          "año mes día", "día mes año", "ninguno",
                       "Fecha de la Era Común (CE)", "Calcular"}
        << QStringLiteral("Oprima para cambiar calendario")
        << QStringLiteral("Hoy es Lunes,\r\n2026");
    QTest::newRow("German, then English")
        << QList<int>{1, 0} << QStringList{"English=0", "German=1", "Spanish=4"}
        << QStringLiteral("English")
        << QStringList{"Date format:", "year month day",       "day month year",
                       "none",         "Common Era date (CE)", "Compute"}
        << QStringLiteral("Click to change calendar") << QStringLiteral("Today is Monday,\r\n2026");
}

void LanguageTest::switchLanguage() {
    QFETCH(QList<int>, positions);
    QFETCH(QStringList, entries);
    QFETCH(QString, current);
    QFETCH(QStringList, captions);
    QFETCH(QString, toolTip);
    QFETCH(QString, todayStart);
    WindowFixture f;
    f.Start();
    for (int position : positions)
        f.ChooseLanguage(position);
    QCOMPARE(BoxEntries(f), entries);
    QCOMPARE(f.Text(QStringLiteral("cboLanguage")), current);
    QCOMPARE(f.Text(QStringLiteral("lblDateFormat")), captions.at(0));
    QCOMPARE(f.Text(QStringLiteral("optDateFormatIsYMD")), captions.at(1));
    QCOMPARE(f.Text(QStringLiteral("optDateFormatIsDMY")), captions.at(2));
    QCOMPARE(f.Text(QStringLiteral("optThousSepNone")), captions.at(3));
    QCOMPARE(f.Text(QStringLiteral("optFirstDateIsCE")), captions.at(4));
    QCOMPARE(f.Text(QStringLiteral("cmdCompute")), captions.at(5));
    QCOMPARE(f.Find(QStringLiteral("lblWeekFromToday"))->toolTip(), toolTip);
    QVERIFY2(f.Text(QStringLiteral("lblTodaysDate")).startsWith(todayStart),
             qPrintable(f.Text(QStringLiteral("lblTodaysDate"))));
    // Captions that do not change with the language.
    QCOMPARE(f.Text(QStringLiteral("optSeparatorIsDash")), QStringLiteral("2012-12-31"));
    QCOMPARE(f.Text(QStringLiteral("optThousSepIsDot")), QStringLiteral("2.000.000"));
    QCOMPARE(f.Text(QStringLiteral("lblTessaline")), QStringLiteral("Tessaline"));
    QCOMPARE(f.FocusName(), output);
}

void LanguageTest::choosingTheLanguageInForce() {
    WindowFixture f;
    f.Start();
    f.Type(QStringLiteral("txbFirstDate"), QStringLiteral("2000-01-01"));
    f.Enter(QStringLiteral("txbFirstDate"));
    auto* box = f.Find<QPlainTextEdit>(output);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    f.Find(QStringLiteral("txbFirstDate"))->setFocus(Qt::MouseFocusReason);
    QCOMPARE(f.Text(QStringLiteral("cmdCopyToClipboard")),
             QStringLiteral("Copy selected text to clipboard"));
    const QStringList before = Captions(f);

    f.ChooseLanguage(0);
    QStringList after = Captions(f);
    after.replaceInStrings(QStringLiteral("cmdCopyToClipboard=Copy to clipboard"),
                           QStringLiteral("cmdCopyToClipboard=Copy selected text to clipboard"));
    QCOMPARE(after, before);
    QCOMPARE(f.Text(QStringLiteral("cmdCopyToClipboard")), QStringLiteral("Copy to clipboard"));
    QVERIFY(!box->textCursor().hasSelection());
    QCOMPARE(box->textCursor().position(), box->document()->characterCount() - 1);
    QCOMPARE(f.FocusName(), output);
}

void LanguageTest::languageFromSettingsFile_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("intro");
    QTest::addColumn<QString>("compute");
    QTest::addColumn<QString>("today");
    QTest::addColumn<QString>("firstDate");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("todayLabel"); // from the start, not only after a clock tick
    QTest::newRow("French") << 2 << QStringLiteral("txtIntro") << QStringLiteral("???") << QString()
                            << QStringLiteral(":") << QStringLiteral("Anglais")
                            << QStringLiteral("??? Lundi,\r\n");
    QTest::newRow("Portuguese") << 3 << englishIntro << QStringLiteral("Calcular")
                                << QStringLiteral("Hoje") << QStringLiteral("Primeira data:")
                                << QStringLiteral("Inglês")
                                << QStringLiteral("Hoje é Segunda-feira,\r\n");
}

void LanguageTest::languageFromSettingsFile() {
    QFETCH(int, language);
    QFETCH(QString, intro);
    QFETCH(QString, compute);
    QFETCH(QString, today);
    QFETCH(QString, firstDate);
    QFETCH(QString, box);
    QFETCH(QString, todayLabel);
    WindowFixture f;
    f.WriteSettings(QByteArray::number(language) + "\r\n2,45,44\r\n0,0,0\r\n");
    f.Start();
    QVERIFY2(f.Text(QStringLiteral("lblTodaysDate")).startsWith(todayLabel),
             qPrintable(f.Text(QStringLiteral("lblTodaysDate"))));
    QCOMPARE(f.Text(QStringLiteral("lblIntro")), intro);
    QCOMPARE(f.Text(QStringLiteral("cmdCompute")), compute);
    QCOMPARE(f.Text(QStringLiteral("cmdToday(0)")), today);
    QCOMPARE(f.Text(QStringLiteral("lblFirstDate")), firstDate);
    QCOMPARE(f.Text(QStringLiteral("cboLanguage")), box);
    // The language stays in force to the next start.
    f.Restart();
    QCOMPARE(f.ReadSettings(), QByteArray::number(language) + "\r\n2,45,44\r\n0,0,0\r\n");
    QCOMPARE(f.Text(QStringLiteral("cmdCompute")), compute);
}

void LanguageTest::dayWordBesideTheDifference_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("word");
    QTest::newRow("1") << QStringLiteral("1") << QStringLiteral("Tag");
    QTest::newRow("-1") << QStringLiteral("-1") << QStringLiteral("Tag");
    QTest::newRow("2") << QStringLiteral("2") << QStringLiteral("Tage");
    QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("Tage");
    QTest::newRow("empty") << QString() << QStringLiteral("Tage");
    QTest::newRow("grouped") << QStringLiteral("1,234") << QStringLiteral("Tage");
    QTest::newRow("grouped one") << QStringLiteral("0,001") << QStringLiteral("Tag");
    QTest::newRow("beyond 32 bits") << QStringLiteral("4294967297") << QStringLiteral("Tage");
    QTest::newRow("beyond 64 bits")
        << QStringLiteral("-18446744073709551617") << QStringLiteral("Tage");
}

void LanguageTest::dayWordBesideTheDifference() {
    QFETCH(QString, count);
    QFETCH(QString, word);
    WindowFixture f;
    f.Start();
    f.Paste(QStringLiteral("txbDateDiffDays"), count);
    f.ChooseLanguage(1);
    QCOMPARE(f.Text(QStringLiteral("lblDayOrDays")), word);
}

void LanguageTest::specialDays_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("note");
    QTest::newRow("Calendar Day") << 1 << 1 << 0
                                  << QStringLiteral("This is Calendar Day.\r\nThe Annus Novus "
                                                    "Decimal Calendar was introduced on "
                                                    "10520-01-01 AN (2001-01-01 CE).\r\n\r\n");
    QTest::newRow("Refundatio Day in German")
        << 6 << 2 << 1
        << QStringLiteral("Dies ist der Tag Refundatio.\r\nDie Reformation und Neugründung von "
                          "Atlantium ereignetes sich am 10518-05-07 AN (1999-06-02 CE).\r\n\r\n");
    QTest::newRow("Independence Day in German")
        << 11 << 27 << 1
        << QStringLiteral("Dies ist der Unabhängigkeitstag.\r\nDas Empire von Atlantium wurde am "
                          "10500-10-03 (1981-11-27 CE) gegründet.\r\n\r\n");
    QTest::newRow("Independence Day in Spanish")
        << 11 << 27 << 4
        << QStringLiteral("Este es el Día de la Independencia.\r\nEl Imperio de Atlantium se "
                          "fundó el 10500-10-03 AN (1981-11-27 CE).\r\n\r\n");
    QTest::newRow("Calendar Day in French") << 1 << 1 << 2 << QStringLiteral("\r\n\r\n\r\n");
    QTest::newRow("Refundatio Day in Portuguese") << 6 << 2 << 3 << QStringLiteral("\r\n\r\n\r\n");
    QTest::newRow("3 June") << 6 << 3 << 0 << QString();
    QTest::newRow("1 February") << 2 << 1 << 0 << QString();
}

void LanguageTest::specialDays() {
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

void LanguageTest::webLinks_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QStringList>("opened");
    const QString home = QString::fromStdString(InfoTexts::HomePageAddress());
    const QString documentation = QString::fromStdString(InfoTexts::DocumentationAddress());
    QTest::newRow("home page") << QStringLiteral("lblTessaline") << Qt::LeftButton
                               << QStringList{home};
    QTest::newRow("documentation")
        << QStringLiteral("lblOnlineDocumentation") << Qt::LeftButton << QStringList{documentation};
    QTest::newRow("right button opens nothing")
        << QStringLiteral("lblTessaline") << Qt::RightButton << QStringList{};
}

void LanguageTest::webLinks() {
    QFETCH(QString, label);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QStringList, opened);
    WindowFixture f;
    QStringList addresses;
    weblink::SetOpener([&addresses](const std::string& address) {
        addresses << QString::fromStdString(address);
        return true;
    });
    f.Start();
    f.Click(label, button);
    QCOMPARE(addresses, opened);
    QVERIFY(f.boxes.shown.isEmpty());
}

void LanguageTest::failingBrowser() {
    WindowFixture f;
    weblink::SetOpener([](const std::string&) { return false; });
    f.WriteSettings("1\r\n2,45,44\r\n0,0,0\r\n");
    f.Start();
    f.Click(QStringLiteral("lblOnlineDocumentation"));
    QCOMPARE(f.boxes.shown.size(), 1);
    QCOMPARE(f.boxes.shown.at(0).kind, BoxKind::Warn);
    QCOMPARE(f.boxes.shown.at(0).text,
             QStringLiteral("Error launching web browser. Please make sure that your web browser "
                            "is correctly installed and configured"));
    f.Type(QStringLiteral("txbFirstDate"), QStringLiteral("2000-01-01"));
    f.Enter(QStringLiteral("txbFirstDate"));
    QCOMPARE(f.Text(output), QStringLiteral("2000-01-01 CE, Samstag\r\n"));
}

void LanguageTest::informationWindows() {
    WindowFixture f;
    f.Start();
    QVERIFY(f.Window()->findChild<QWidget*>(QStringLiteral("frmHelp")) == nullptr);
    f.Click(QStringLiteral("cmdHelp"));
    auto* help = f.Window()->findChild<QWidget*>(QStringLiteral("frmHelp"));
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
    QVERIFY(!help->isVisible());
    QTRY_COMPARE(f.FocusName(), QStringLiteral("txbFirstDate"));

    bool creditsShown = false;
    f.ExpectModal([&creditsShown](QWidget* modal) {
        creditsShown = modal->objectName() == QStringLiteral("frmCredits");
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdClose")),
                          Qt::LeftButton);
    });
    f.Click(QStringLiteral("cmdCredits"));
    QVERIFY(creditsShown);
    QTRY_COMPARE(f.FocusName(), QStringLiteral("txbFirstDate"));
}

QTEST_MAIN(LanguageTest)
#include "tst_frmMain_language.moc"
