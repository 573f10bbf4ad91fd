// Compute through the window, its messages and question, and the input aids: Enter, the key
// filters, the clear buttons, "Second -> First", the up-down controls and the Today buttons;
// and which settings buttons empty the input windows. What Compute and the date-window
// commands write is tested in full without the window.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "WindowFixture.h"

using MessageBoxes::Answer;
using OrvTest::difference;
using OrvTest::first;
using OrvTest::output;
using OrvTest::second;
using OrvTest::WindowFixture;

namespace {

const QStringList inputs{first, difference, second};

// One action of the user's in a started window, and what the window shows afterwards.
struct Scenario {
    const char* kinds;  // the calendars of the first and the second date window: "CE JDN"
    const char* typed;  // typed into "first|difference|second"
    const char* action; // a button's name, "Enter" in the second date window, or an arrow
                        // of an up-down control: "VScroll(0)+" (a day later), "VScroll(1)-"
    // The focus ends behind the last character of its window.
    const char* after;    // "first|difference|second|day word" afterwards
    const char* output;   // the output window afterwards
    const char* box = ""; // "title|text" of the box shown
    const char* focus = "txbFirstDate";
    int language = 0;
    int answer = -1; // to the question; -1: no question
};

const char* const outOfRange = "Error!|Result is out of range.";
const char* const secondNotValid = "Error!|Second date is not valid in calendar specified.";

} // namespace

Q_DECLARE_METATYPE(Scenario)

class ComputeTest : public QObject {
    Q_OBJECT

  private slots:
    // clang-format off
    void scenarios_data() {
        using S = Scenario;
        QTest::addColumn<Scenario>("s");
        // The result lines given as examples of the command.
        QTest::newRow("difference") << S{"CE CE", "2000-01-01||2000-03-15", "cmdCompute",
            "2000-01-01|74|2000-03-15|days",
            "2000-03-15 CE minus 2000-01-01 CE = 74 days (2 months, 14 days)\r\n"};
        QTest::newRow("minus days") << S{"CE CE", "|10|2000-01-11", "cmdCompute",
            "2000-01-01|10|2000-01-11|days",
            "2000-01-11 CE minus 10 days = 2000-01-01 CE, Saturday\r\n"};
        // The day word; a result out of range.
        QTest::newRow("one day") << S{"CE CE", " 2000-01-01 |1|", "cmdCompute",
            "2000-01-01|1|2000-01-02|day", "2000-01-01 CE plus 1 day = 2000-01-02 CE, Sunday\r\n"};
        QTest::newRow("out of range") << S{"JDN JDN", "2050000000|60000000|", "cmdCompute",
            "2,050,000,000|60,000,000||days",
            "2,050,000,000 JDN plus 60,000,000 days = Out of Range\r\n", outOfRange};
        // The question and the messages, in the language in force.
        const char* const both = "2000-01-01 |5|2000-01-05";
        const char* const question = "Error!|If both the first date and the second date are "
            "specified\r\nthen the date difference window must be empty.\r\n\r\n"
            "Clear date difference?";
        const char* const fourDays = "2000-01-05 CE minus 2000-01-01 CE = 4 days\r\n";
        const char* const keep = "2000-01-01|5|2000-01-05|days";
        QTest::newRow("question, yes") << S{"CE CE", both, "Enter", "2000-01-01|4|2000-01-05|days",
            fourDays, question, "txbFirstDate", 0, int(Answer::Yes)};
        QTest::newRow("question, no") << S{"CE CE", both, "Enter", keep, "", question,
            "txbFirstDate", 0, int(Answer::No)};
        QTest::newRow("question in German") << S{"CE CE", both, "Enter",
            "2000-01-01|4|2000-01-05|Tage", "2000-01-05 CE minus 2000-01-01 CE = 4 Tage\r\n",
            "Fehler!| Wenn sowohl Erstes als auch Zweites Datum angegeben sind,\r\nmuss das Feld "
            "für die Datumsdifferenz leer sein.\r\n\r\nLösche Datumsdifferenz?", "txbFirstDate",
            1, int(Answer::Yes)};
        QTest::newRow("first date") << S{"CE CE", "2001-02-29||", "Enter", "2001-02-29|||days", "",
            "Error!|First date is not valid in calendar specified."};
        // The clear buttons.
        QTest::newRow("clear first date") << S{"CE CE", both, "cmdClearFirstDate",
            "|5|2000-01-05|days", "", "", "txbFirstDate"};
        QTest::newRow("clear second date") << S{"CE CE", both, "cmdClearSecondDate",
            "2000-01-01 |5||days", "", "", "txbSecondDate"};
        QTest::newRow("clear date difference") << S{"CE CE", both, "cmdClearDateDiffDays",
            "2000-01-01 ||2000-01-05|days", "", "", "txbDateDiffDays"};
        QTest::newRow("clear input windows") << S{"CE CE", both, "cmdClearInputWindows", "|||days",
            ""};
        // "Second -> First".
        QTest::newRow("Julian into CE") << S{"CE JC", "1900-01-01||1999-12-19",
            "cmdMoveSecondDateToFirst", "2000-01-01|||days", "", "", "txbDateDiffDays"};
        QTest::newRow("into yyyyddd, out of its range") << S{"DIY JDN", "1900-01-01||1000000",
            "cmdMoveSecondDateToFirst", "1900-01-01||1000000|days", "", outOfRange,
            "txbSecondDate"};
        QTest::newRow("move a second date not valid") << S{"CE CE", "1900-01-01||2001-02-29",
            "cmdMoveSecondDateToFirst", "1900-01-01||2001-02-29|days", "", secondNotValid,
            "txbSecondDate"};
        // The up-down controls.
        QTest::newRow("up is a day later") << S{"CE CE", "2000-01-01|12|", "VScroll(0)+",
            "2000-01-02|||days", ""};
        QTest::newRow("down is a day earlier") << S{"CE JC", "|12|1900-03-01", "VScroll(1)-",
            "||1900-02-29|days", "", "", "txbSecondDate"};
        QTest::newRow("day-number limit") << S{"JDN CE", "2100000000|12|", "VScroll(0)+",
            "2100000000|||days", "Out of Range\r\n", outOfRange};
        // The Today buttons, in the window's calendar.
        QTest::newRow("today, first window") << S{"DIY CE", "1|7|1", "cmdToday(0)",
            "2026341||1|days", ""};
        QTest::newRow("today, second window") << S{"CE JDN", "1|7|1", "cmdToday(1)",
            "1||2,461,382|days", "", "", "txbSecondDate"};
        // The date order and the date separator empty the input windows; thousands do not.
        QTest::newRow("date order") << S{"CE CE", both, "optDateFormatIsDMY", "|||days", ""};
        QTest::newRow("date separator") << S{"CE CE", both, "optSeparatorIsSlash", "|||days", ""};
        QTest::newRow("thousands separator") << S{"CE CE", both, "optThousSepNone",
            "2000-01-01 |5|2000-01-05|days", ""};
    }
    // clang-format on
    void scenarios() {
        QFETCH(Scenario, s);
        WindowFixture f;
        f.StartIn(s.language);
        const QStringList kinds = QString::fromLatin1(s.kinds).split(QLatin1Char(' '));
        f.ChooseCalendars(kinds[0], kinds[1]);
        f.Fill(QString::fromUtf8(s.typed));
        if (s.answer >= 0) f.boxes.Answer(static_cast<Answer>(s.answer));
        const QString action = QString::fromLatin1(s.action);
        if (action == QLatin1String("Enter")) {
            f.Enter(second);
        } else if (action.startsWith(QLatin1String("VScroll"))) {
            auto* bar = f.Find<QScrollBar>(action.chopped(1));
            const bool up = action.endsWith(QLatin1Char('+'));
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                              QPoint(bar->width() / 2, up ? 2 : bar->height() - 3));
            QCOMPARE(bar->value(), 0);
        } else if (action.startsWith(QLatin1String("opt"))) {
            f.Choose(action);
        } else {
            f.Click(action);
        }
        QCOMPARE(f.Texts(inputs + QStringList{"lblDayOrDays"}), QString::fromUtf8(s.after));
        QCOMPARE(f.Text(output), QString::fromUtf8(s.output));
        QCOMPARE(f.boxes.Seen(), *s.box ? QStringList{QString::fromUtf8(s.box)} : QStringList());
        QCOMPARE(f.FocusName(), QString::fromLatin1(s.focus));
        auto* focus = f.Find<QLineEdit>(f.FocusName());
        QCOMPARE(focus->cursorPosition(), focus->text().size());
        // A finished line is brought into view before its CR LF, one out of range after it.
        auto* box = f.Find<QPlainTextEdit>(output);
        const QString text = box->toPlainText();
        const bool finished = !text.isEmpty() && !text.endsWith(QLatin1String("Out of Range\n"));
        QCOMPARE(box->textCursor().position(), text.size() - (finished ? 1 : 0));
    }

    // Enter and the keypad's Enter in each input window run Compute and insert nothing.
    void enterRunsCompute() {
        WindowFixture f;
        f.Start();
        f.Choose(QStringLiteral("optSecondDateIsJDN"));
        f.Fill(QStringLiteral("2000-01-01||"));
        const QString zeroDays = QStringLiteral("2,451,545 JDN minus 2000-01-01 CE = 0 days\r\n");
        QTest::keyClick(f.Find(first), Qt::Key_Return);
        for (const QString& window : {difference, second}) {
            f.Find(window)->setFocus();
            QTest::keyClick(f.Find(window), Qt::Key_Enter, Qt::KeypadModifier);
        }
        QCOMPARE(f.Text(output),
                 "2000-01-01 CE = 2,451,545 JDN, Saturday\r\n" + zeroDays + zeroDays);
        QCOMPARE(f.Texts(inputs), QStringLiteral("2000-01-01|0|2,451,545"));
    }

    // clang-format off
    void keyFilters_data() {
        QTest::addColumn<int>("thousands"); // settings-file code of the thousands separator
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("date: letters refused") << 44 << first << "2000a-01b-01xé€" << "2000-01-01";
        QTest::newRow("date: eighteen characters at most")
            << 44 << second << "1234567890123456789012" << "123456789012345678";
        QTest::newRow("day count with comma") << 44 << difference << "-1,234.5 x" << "-1,2345";
        QTest::newRow("day count with dot") << 46 << difference << "-1,234.5" << "-1234.5";
    }
    // clang-format on
    void keyFilters() {
        QFETCH(int, thousands);
        QFETCH(QString, window);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        WindowFixture f;
        f.StartIn(0, thousands);
        f.Type(window, typed);
        QCOMPARE(f.Text(window), kept);
        // At the limit or not, editing keys still work.
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete})
            QTest::keyClick(f.Find(window), key);
        QCOMPARE(f.Text(window), kept.chopped(1).mid(1));
    }

    void pastedTextReachesCompute() {
        WindowFixture f;
        f.Start();
        const QString full = QStringLiteral("123456789012345678");
        const QString pasted = QStringLiteral("Zz\t%1é€\"<b>x</b>").arg(QString(300, u'9'));
        f.Type(first, full);
        f.Paste(first, pasted);
        QCOMPARE(f.Text(first), full + pasted);
        f.Enter(first);
        QCOMPARE(f.boxes.Seen(),
                 QStringList{"Error!|First date is not valid in calendar specified."});
        QCOMPARE(f.Text(output), QString());
        // Copy and cut beyond the limit too.
        auto* box = f.Find<QLineEdit>(first);
        QTest::keySequence(box, QKeySequence::SelectAll);
        QTest::keySequence(box, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), full + pasted);
        QTest::keySequence(box, QKeySequence::Cut);
        QCOMPARE(f.Text(first), QString());
        f.Paste(first, QStringLiteral("2000-01-01"));
        f.Enter(first);
        QCOMPARE(f.Text(output), QStringLiteral("2000-01-01 CE, Saturday\r\n"));
    }
};

QTEST_MAIN(ComputeTest)
#include "tst_frmMain_compute.moc"
