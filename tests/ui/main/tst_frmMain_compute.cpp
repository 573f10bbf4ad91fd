// Compute through the window, its messages and question, and the input aids: Enter, the key
// filters, the clear buttons, "Second -> First" and the up-down controls.
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "WindowFixture.h"

using MessageBoxes::Answer;
using OrvTest::BoxKind;
using OrvTest::WindowFixture;

namespace {

const QString first = QStringLiteral("txbFirstDate");
const QString second = QStringLiteral("txbSecondDate");
const QString difference = QStringLiteral("txbDateDiffDays");
const QString output = QStringLiteral("txbOutput");

QString FirstOption(const QString& kind) {
    return QStringLiteral("optFirstDateIs") + kind;
}
QString SecondOption(const QString& kind) {
    return QStringLiteral("optSecondDateIs") + kind;
}

QByteArray SettingsInLanguage(int language) {
    return QByteArray::number(language) + "\r\n2,45,44\r\n0,0,0\r\n";
}

// Clicks the upper (+1) or the lower (-1) arrow of an up-down control.
void ClickArrow(const WindowFixture& f, int index, int direction) {
    auto* bar = f.Find<QScrollBar>(QStringLiteral("VScroll(%1)").arg(index));
    const QPoint arrow(bar->width() / 2, direction > 0 ? 2 : bar->height() - 3);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, arrow);
}

} // namespace

class ComputeTest : public QObject {
    Q_OBJECT

  private slots:
    void resultLines_data();
    void resultLines();
    void question_data();
    void question();
    void messages_data();
    void messages();
    void enterRunsComputeAndInsertsNothing_data();
    void enterRunsComputeAndInsertsNothing();
    void keyFilters_data();
    void keyFilters();
    void pastedTextReachesCompute();
    void clearButtons_data();
    void clearButtons();
    void secondToFirst_data();
    void secondToFirst();
    void upDown_data();
    void upDown();
};

void ComputeTest::resultLines_data() {
    QTest::addColumn<QString>("firstKind");
    QTest::addColumn<QString>("secondKind");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("differenceText");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("windows"); // first, difference, second afterwards
    QTest::addColumn<QString>("dayWord");
    QTest::addColumn<QString>("message");

    const QString ce = QStringLiteral("CE");
    const auto row = [](const char* name, const QString& k1, const QString& k2, const char* a,
                        const char* d, const char* b, const char* line, QStringList windows,
                        const char* dayWord, const char* message = "") {
        QTest::newRow(name) << k1 << k2 << QString::fromUtf8(a) << QString::fromUtf8(d)
                            << QString::fromUtf8(b) << QString::fromUtf8(line) << windows
                            << QString::fromUtf8(dayWord) << QString::fromUtf8(message);
    };
    row("difference with breakdown", ce, ce, "2000-01-01", "", "2000-03-15",
        "2000-03-15 CE minus 2000-01-01 CE = 74 days (2 months, 14 days)",
        {"2000-01-01", "74", "2000-03-15"}, "days");
    row("one year", ce, ce, "2000-01-01", "", "2001-01-01",
        "2001-01-01 CE minus 2000-01-01 CE = 366 days (1 year)",
        {"2000-01-01", "366", "2001-01-01"}, "days");
    row("negative difference", ce, ce, "2000-01-05", "", "2000-01-01",
        "2000-01-01 CE minus 2000-01-05 CE = -4 days", {"2000-01-05", "-4", "2000-01-01"}, "days");
    row("equal dates", ce, ce, "2000-01-01", "", "2000-01-01",
        "2000-01-01 CE minus 2000-01-01 CE = 0 days", {"2000-01-01", "0", "2000-01-01"}, "days");
    row("late day before a short month", ce, ce, "2000-01-31", "", "2000-03-01",
        "2000-03-01 CE minus 2000-01-31 CE = 30 days (1 month, 1 day)",
        {"2000-01-31", "30", "2000-03-01"}, "days");
    row("zero beside two dates is cleared", ce, ce, "2000-01-01", "0", "2000-01-05",
        "2000-01-05 CE minus 2000-01-01 CE = 4 days", {"2000-01-01", "4", "2000-01-05"}, "days");
    row("plus days", ce, ce, "2000-01-01", "10", "",
        "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday", {"2000-01-01", "10", "2000-01-11"},
        "days");
    row("second date minus days", ce, ce, "", "10", "2000-01-11",
        "2000-01-11 CE minus 10 days = 2000-01-01 CE, Saturday", {"2000-01-01", "10", "2000-01-11"},
        "days");
    row("first date minus days", ce, ce, "2000-01-11", "-10", "",
        "2000-01-11 CE minus 10 days = 2000-01-01 CE, Saturday",
        {"2000-01-11", "-10", "2000-01-01"}, "days");
    row("one day", ce, ce, " 2000-01-01 ", "1", "",
        "2000-01-01 CE plus 1 day = 2000-01-02 CE, Sunday", {"2000-01-01", "1", "2000-01-02"},
        "day");
    row("difference grouped", ce, ce, "2000-01-01", "1000", "",
        "2000-01-01 CE plus 1,000 days = 2002-09-27 CE, Friday",
        {"2000-01-01", "1,000", "2002-09-27"}, "days");
    row("conversion to a day number", ce, QStringLiteral("JDN"), "2000-01-01", "", "",
        "2000-01-01 CE = 2,451,545 JDN, Saturday", {"2000-01-01", "", "2,451,545"}, "days");
    row("same calendar shows the weekday", ce, ce, "2000-01-01", "", "", "2000-01-01 CE, Saturday",
        {"2000-01-01", "", ""}, "days");
    row("same calendar yyyyddd fills the other window", QStringLiteral("DIY"),
        QStringLiteral("DIY"), "2000001", "", "", "2000001, Saturday", {"2000001", "", "2000001"},
        "days");
    row("day number minus a date", ce, QStringLiteral("JDN"), "2000-01-01", "", "2,451,545",
        "2,451,545 JDN minus 2000-01-01 CE = 0 days", {"2000-01-01", "0", "2,451,545"}, "days");
    row("both date windows empty: today", ce, QStringLiteral("JDN"), "", "5", "",
        "2026-12-07 CE = 2,461,382 JDN, Monday", {"2026-12-07", "", "2,461,382"}, "days");
    row("sum beyond the day-number limit", QStringLiteral("JDN"), QStringLiteral("JDN"),
        "2050000000", "60000000", "", "2,050,000,000 JDN plus 60,000,000 days = Out of Range",
        {"2,050,000,000", "60,000,000", ""}, "days", "Result is out of range.");
    row("yyyyddd before year 1", ce, QStringLiteral("DIY"), "0-12-31", "", "",
        "0-12-31 CE = Out of Range", {"0-12-31", "", ""}, "days", "Result is out of range.");
}

void ComputeTest::resultLines() {
    QFETCH(QString, firstKind);
    QFETCH(QString, secondKind);
    QFETCH(QString, firstText);
    QFETCH(QString, differenceText);
    QFETCH(QString, secondText);
    QFETCH(QString, line);
    QFETCH(QStringList, windows);
    QFETCH(QString, dayWord);
    QFETCH(QString, message);
    WindowFixture f;
    f.Start();
    f.Choose(FirstOption(firstKind));
    f.Choose(SecondOption(secondKind));
    f.Type(first, firstText);
    f.Type(difference, differenceText);
    f.Type(second, secondText);
    f.Click(QStringLiteral("cmdCompute"));

    QCOMPARE(f.Text(output), line + QStringLiteral("\r\n"));
    QCOMPARE(f.Text(first), windows.at(0));
    QCOMPARE(f.Text(difference), windows.at(1));
    QCOMPARE(f.Text(second), windows.at(2));
    QCOMPARE(f.Text(QStringLiteral("lblDayOrDays")), dayWord);
    QCOMPARE(f.FocusName(), first);
    if (message.isEmpty()) {
        QVERIFY(f.boxes.shown.isEmpty());
    } else {
        QCOMPARE(f.boxes.shown.size(), 1);
        QCOMPARE(f.boxes.shown.at(0).text, message);
        QCOMPARE(f.boxes.shown.at(0).title, QStringLiteral("Error!"));
    }
}

void ComputeTest::question_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("differenceText");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    const QString english = QStringLiteral(
        "If both the first date and the second date are specified\r\nthen the date difference "
        "window must be empty.\r\n\r\nClear date difference?");
    const QString german = QStringLiteral(
        " Wenn sowohl Erstes als auch Zweites Datum angegeben sind,\r\nmuss das Feld für die "
        "Datumsdifferenz leer sein.\r\n\r\nLösche Datumsdifferenz?");
    const QString result = QStringLiteral("2000-01-05 CE minus 2000-01-01 CE = 4 days\r\n");
    const QString title = QStringLiteral("Error!");
    QTest::newRow("yes") << 0 << QStringLiteral("5") << Answer::Yes << title << english << result;
    QTest::newRow("no") << 0 << QStringLiteral("5") << Answer::No << title << english << QString();
    QTest::newRow("cancel") << 0 << QStringLiteral("5") << Answer::Cancel << title << english
                            << QString();
    QTest::newRow("double zero asks")
        << 0 << QStringLiteral("00") << Answer::No << title << english << QString();
    QTest::newRow("minus zero asks")
        << 0 << QStringLiteral("-0") << Answer::Yes << title << english << result;
    QTest::newRow("German") << 1 << QStringLiteral("5") << Answer::Yes << QStringLiteral("Fehler!")
                            << german
                            << QStringLiteral("2000-01-05 CE minus 2000-01-01 CE = 4 Tage\r\n");
    QTest::newRow("French") << 2 << QStringLiteral("5") << Answer::Cancel << QStringLiteral("!")
                            << QStringLiteral("\r\n\r\n??? ????") << QString();
}

void ComputeTest::question() {
    QFETCH(int, language);
    QFETCH(QString, differenceText);
    QFETCH(Answer, answer);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, line);
    WindowFixture f;
    f.WriteSettings(SettingsInLanguage(language));
    f.Start();
    f.Type(first, QStringLiteral("2000-01-01 "));
    f.Type(difference, differenceText);
    f.Type(second, QStringLiteral("2000-01-05"));
    f.boxes.Answer(answer);
    f.Enter(second);

    QCOMPARE(f.boxes.shown.size(), 1);
    QCOMPARE(f.boxes.shown.at(0).kind, BoxKind::Ask);
    QCOMPARE(f.boxes.shown.at(0).title, title);
    QCOMPARE(f.boxes.shown.at(0).text, text);
    QCOMPARE(f.Text(output), line);
    QCOMPARE(f.Text(first), QStringLiteral("2000-01-01"));
    QCOMPARE(f.Text(difference), answer == Answer::Yes ? QStringLiteral("4") : differenceText);
    QCOMPARE(f.FocusName(), first);
}

void ComputeTest::messages_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("firstKind");
    QTest::addColumn<QString>("secondKind");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("differenceText");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString ce = QStringLiteral("CE");
    const QString an = QStringLiteral("AN");
    const QString error = QStringLiteral("Error!");
    const auto row = [](const char* name, int language, const QString& k1, const QString& k2,
                        const char* a, const char* d, const char* b, const QString& title,
                        const char* text) {
        QTest::newRow(name) << language << k1 << k2 << QString::fromUtf8(a) << QString::fromUtf8(d)
                            << QString::fromUtf8(b) << title << QString::fromUtf8(text);
    };
    row("first date not valid", 0, ce, ce, "2001-02-29", "", "", error,
        "First date is not valid in calendar specified.");
    row("first date not valid, German", 1, ce, ce, "2001-02-29", "", "", QStringLiteral("Fehler!"),
        "Erstes Datum ist in dem angegebenen Kalender nicht zulässig.");
    row("first date not valid, French", 2, ce, ce, "2001-02-29", "", "", QStringLiteral("!"), "");
    row("first date not valid in AN", 0, an, ce, "10520-12-01", "", "", error,
        "First date is not valid in the Annus Novus Calendar.");
    row("both dates not valid: only the first", 0, ce, ce, "2001-02-29", "", "2001-02-30", error,
        "First date is not valid in calendar specified.");
    row("difference out of range", 0, ce, ce, "2000-01-01", "99999999999", "", error,
        "Date difference is out of range.");
    row("difference out of range before second date", 0, ce, ce, "", "99999999999", "2001-02-30",
        error, "Date difference is out of range.");
    row("second date not valid", 0, ce, ce, "", "", "2001-02-30", error,
        "Second date is not valid in calendar specified.");
    row("second date not valid in AN", 0, ce, an, "", "", "10520-12-01", error,
        "Second date is not valid in the Annus Novus Calendar.");
    row("second date not valid, Spanish", 4, ce, ce, "", "", "2001-02-30", QStringLiteral("Error!"),
        "La segunda fecha no es válida en el calendario específicado.");
}

void ComputeTest::messages() {
    QFETCH(int, language);
    QFETCH(QString, firstKind);
    QFETCH(QString, secondKind);
    QFETCH(QString, firstText);
    QFETCH(QString, differenceText);
    QFETCH(QString, secondText);
    QFETCH(QString, title);
    QFETCH(QString, text);
    WindowFixture f;
    f.WriteSettings(SettingsInLanguage(language));
    f.Start();
    f.Choose(FirstOption(firstKind));
    f.Choose(SecondOption(secondKind));
    f.Type(first, firstText);
    f.Type(difference, differenceText);
    f.Type(second, secondText);
    f.Enter(second);
    QCOMPARE(f.boxes.shown.size(), 1);
    QCOMPARE(f.boxes.shown.at(0).kind, BoxKind::Inform);
    QCOMPARE(f.boxes.shown.at(0).title, title);
    QCOMPARE(f.boxes.shown.at(0).text, text);
    QCOMPARE(f.Text(output), QString());
    QCOMPARE(f.Text(second), secondText);
    QCOMPARE(f.FocusName(), first);
}

void ComputeTest::enterRunsComputeAndInsertsNothing_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    for (const QString& window : {first, difference, second}) {
        QTest::addRow("%s Return", qPrintable(window))
            << window << Qt::Key_Return << Qt::KeyboardModifiers();
        QTest::addRow("%s keypad Enter", qPrintable(window))
            << window << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
    }
}

void ComputeTest::enterRunsComputeAndInsertsNothing() {
    QFETCH(QString, window);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    WindowFixture f;
    f.Start();
    f.Choose(SecondOption(QStringLiteral("JDN")));
    f.Type(first, QStringLiteral("2000-01-01"));
    QWidget* box = f.Find(window);
    box->setFocus();
    QTest::keyClick(box, key, modifiers);
    QCOMPARE(f.Text(output), QStringLiteral("2000-01-01 CE = 2,451,545 JDN, Saturday\r\n"));
    QCOMPARE(f.Text(first), QStringLiteral("2000-01-01"));
    QCOMPARE(f.Text(difference), QString());
    QCOMPARE(f.Text(second), QStringLiteral("2,451,545"));
}

void ComputeTest::keyFilters_data() {
    QTest::addColumn<int>("thousands"); // settings-file code of the thousands separator
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("date characters")
        << 44 << first << QStringLiteral("2000-01-01 (,.)") << QStringLiteral("2000-01-01 (,.)");
    QTest::newRow("letters refused")
        << 44 << first << QStringLiteral("2000a-01b-01xé") << QStringLiteral("2000-01-01");
    QTest::newRow("beyond Latin-1 refused")
        << 44 << second << QStringLiteral("20€00") << QStringLiteral("2000");
    QTest::newRow("eighteen characters at most")
        << 44 << second << QStringLiteral("1234567890123456789012")
        << QStringLiteral("123456789012345678");
    QTest::newRow("day count with comma")
        << 44 << difference << QStringLiteral("-1,234.5 x") << QStringLiteral("-1,2345");
    QTest::newRow("day count with dot")
        << 46 << difference << QStringLiteral("-1,234.5") << QStringLiteral("-1234.5");
    QTest::newRow("day count at most eighteen")
        << 0 << difference << QStringLiteral("12345678901234567890")
        << QStringLiteral("123456789012345678");
}

void ComputeTest::keyFilters() {
    QFETCH(int, thousands);
    QFETCH(QString, window);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    WindowFixture f;
    f.WriteSettings("0\r\n2,45," + QByteArray::number(thousands) + "\r\n0,0,0\r\n");
    f.Start();
    f.Type(window, typed);
    QCOMPARE(f.Text(window), kept);
    // At the limit or not, editing keys still work.
    QTest::keyClick(f.Find(window), Qt::Key_Backspace);
    QCOMPARE(f.Text(window), kept.chopped(1));
    QTest::keyClick(f.Find(window), Qt::Key_Home);
    QTest::keyClick(f.Find(window), Qt::Key_Delete);
    QCOMPARE(f.Text(window), kept.chopped(1).mid(1));
}

void ComputeTest::pastedTextReachesCompute() {
    WindowFixture f;
    f.Start();
    f.Type(first, QStringLiteral("123456789012345678"));
    const QString pasted = QStringLiteral("Zz\t%1\u00e9\u20ac\"<b>x</b>").arg(QString(300, u'9'));
    f.Paste(first, pasted);
    QCOMPARE(f.Text(first), QStringLiteral("123456789012345678") + pasted);
    f.Enter(first);
    QCOMPARE(f.boxes.shown.size(), 1);
    QCOMPARE(f.boxes.shown.at(0).text,
             QStringLiteral("First date is not valid in calendar specified."));
    QCOMPARE(f.Text(output), QString());

    // Cut and copy at the limit too.
    QLineEdit* box = f.Find<QLineEdit>(first);
    box->selectAll();
    QTest::keySequence(box, QKeySequence::Cut);
    QCOMPARE(f.Text(first), QString());
    f.Paste(first, QStringLiteral("2000-01-01"));
    f.Enter(first);
    QCOMPARE(f.Text(output), QStringLiteral("2000-01-01 CE, Saturday\r\n"));
}

void ComputeTest::clearButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("left"); // first, difference, second afterwards
    QTest::addColumn<QString>("focus");
    QTest::newRow("first date") << QStringLiteral("cmdClearFirstDate")
                                << QStringList{"", "5", "2000-01-05"} << first;
    QTest::newRow("second date") << QStringLiteral("cmdClearSecondDate")
                                 << QStringList{"2000-01-01", "5", ""} << second;
    QTest::newRow("date difference") << QStringLiteral("cmdClearDateDiffDays")
                                     << QStringList{"2000-01-01", "", "2000-01-05"} << difference;
    QTest::newRow("input windows")
        << QStringLiteral("cmdClearInputWindows") << QStringList{"", "", ""} << first;
}

void ComputeTest::clearButtons() {
    QFETCH(QString, button);
    QFETCH(QStringList, left);
    QFETCH(QString, focus);
    WindowFixture f;
    f.Start();
    f.Type(first, QStringLiteral("2000-01-01"));
    f.Type(difference, QStringLiteral("5"));
    f.Type(second, QStringLiteral("2000-01-05"));
    f.Click(button);
    QCOMPARE(f.Text(first), left.at(0));
    QCOMPARE(f.Text(difference), left.at(1));
    QCOMPARE(f.Text(second), left.at(2));
    QCOMPARE(f.FocusName(), focus);
    QVERIFY(f.boxes.shown.isEmpty());
}

void ComputeTest::secondToFirst_data() {
    QTest::addColumn<QString>("firstKind");
    QTest::addColumn<QString>("secondKind");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("firstAfter");
    QTest::addColumn<QString>("secondAfter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString ce = QStringLiteral("CE");
    QTest::newRow("Julian into Common Era")
        << ce << QStringLiteral("JC") << QStringLiteral("1999-12-19")
        << QStringLiteral("2000-01-01") << QString() << QString() << difference;
    QTest::newRow("Common Era into day number")
        << QStringLiteral("JDN") << ce << QStringLiteral("2000-01-01")
        << QStringLiteral("2,451,545") << QString() << QString() << difference;
    QTest::newRow("empty second date only moves the focus")
        << ce << ce << QString() << QStringLiteral("1900-01-01") << QString() << QString() << first;
    QTest::newRow("into yyyyddd") << QStringLiteral("DIY") << QStringLiteral("JDN")
                                  << QStringLiteral("2451545") << QStringLiteral("2000001")
                                  << QString() << QString() << difference;
    QTest::newRow("into yyyyddd out of its range")
        << QStringLiteral("DIY") << QStringLiteral("JDN") << QStringLiteral("1000000")
        << QStringLiteral("1900-01-01") << QStringLiteral("1000000")
        << QStringLiteral("Result is out of range.") << second;
    QTest::newRow("second date not valid")
        << ce << ce << QStringLiteral("2001-02-29") << QStringLiteral("1900-01-01")
        << QStringLiteral("2001-02-29")
        << QStringLiteral("Second date is not valid in calendar specified.") << second;
    QTest::newRow("second date not valid in AN")
        << ce << QStringLiteral("AN") << QStringLiteral("10520-12-01")
        << QStringLiteral("1900-01-01") << QStringLiteral("10520-12-01")
        << QStringLiteral("Second date is not valid in the Annus Novus Calendar.") << second;
}

void ComputeTest::secondToFirst() {
    QFETCH(QString, firstKind);
    QFETCH(QString, secondKind);
    QFETCH(QString, secondText);
    QFETCH(QString, firstAfter);
    QFETCH(QString, secondAfter);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    WindowFixture f;
    f.Start();
    f.Choose(SecondOption(secondKind));
    // What stands in the first window before: a text that no move leaves alone by accident.
    f.Type(first, QStringLiteral("1900-01-01"));
    f.Choose(FirstOption(firstKind));
    f.Replace(first, QStringLiteral("1900-01-01"));
    f.Type(second, secondText);
    f.Click(QStringLiteral("cmdMoveSecondDateToFirst"));
    QCOMPARE(f.Text(first), firstAfter);
    QCOMPARE(f.Text(second), secondAfter);
    QCOMPARE(f.FocusName(), focus);
    if (message.isEmpty()) {
        QVERIFY(f.boxes.shown.isEmpty());
    } else {
        QCOMPARE(f.boxes.shown.size(), 1);
        QCOMPARE(f.boxes.shown.at(0).text, message);
    }
}

void ComputeTest::upDown_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("outputAfter");
    const QString ce = QStringLiteral("CE");
    QTest::newRow("up is a day later") << 0 << ce << QStringLiteral("2000-01-01") << 1
                                       << QStringLiteral("2000-01-02") << QString() << QString();
    QTest::newRow("down is a day earlier")
        << 0 << ce << QStringLiteral("2000-01-01") << -1 << QStringLiteral("1999-12-31")
        << QString() << QString();
    QTest::newRow("Julian leap day") << 1 << QStringLiteral("JC") << QStringLiteral("1900-02-28")
                                     << 1 << QStringLiteral("1900-02-29") << QString() << QString();
    QTest::newRow("yyyyddd across a year")
        << 1 << QStringLiteral("DIY") << QStringLiteral("2000366") << 1 << QStringLiteral("2001001")
        << QString() << QString();
    QTest::newRow("empty window") << 0 << ce << QString() << 1 << QString() << QString()
                                  << QString();
    QTest::newRow("not a date") << 1 << ce << QStringLiteral("2001-02-29") << 1
                                << QStringLiteral("2001-02-29")
                                << QStringLiteral("Second date is not valid in calendar specified.")
                                << QString();
    QTest::newRow("day-number limit")
        << 0 << QStringLiteral("JDN") << QStringLiteral("2100000000") << 1
        << QStringLiteral("2100000000") << QStringLiteral("Result is out of range.")
        << QStringLiteral("Out of Range\r\n");
}

void ComputeTest::upDown() {
    QFETCH(int, index);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, direction);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QFETCH(QString, outputAfter);
    WindowFixture f;
    f.Start();
    const QString window = index == 0 ? first : second;
    f.Choose(index == 0 ? FirstOption(kind) : SecondOption(kind));
    f.Type(window, text);
    f.Type(difference, QStringLiteral("12"));
    ClickArrow(f, index, direction);
    QCOMPARE(f.Text(window), after);
    QCOMPARE(f.Text(difference), QString());
    QCOMPARE(f.Text(output), outputAfter);
    QCOMPARE(f.FocusName(), window);
    QCOMPARE(f.Find<QScrollBar>(QStringLiteral("VScroll(%1)").arg(index))->value(), 0);
    if (message.isEmpty()) {
        QVERIFY(f.boxes.shown.isEmpty());
    } else {
        QCOMPARE(f.boxes.shown.size(), 1);
        QCOMPARE(f.boxes.shown.at(0).text, message);
    }
}

QTEST_MAIN(ComputeTest)
#include "tst_frmMain_compute.moc"
