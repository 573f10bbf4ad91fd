// The main window's wiring, one row per path: each handler through the control a user works,
// the settings as the window reads and saves them, captions in each language, the output
// window and the clipboard, the keyboard, what a screen reader reads, and the settings file
// against a failing disk and a session's end. What Compute, the date-window commands, the
// texts and the settings file produce is tested without the window.
#include <unistd.h>

#include <QtTest>
#include <QtWidgets>
#include <cerrno>
#include <csignal>
#include <ctime>

#include "WindowFixture.h"
#include "app/SettingsFile.h"
#include "ui/info/weblink.h"
#include "ui/main/SessionEnd.h"

using MessageBoxes::Answer;
using OrvTest::first;
using OrvTest::Keys;
using OrvTest::output;
using OrvTest::second;
using OrvTest::WindowFixture;

namespace {

const QString twoLines = "2000-01-01 CE, Saturday\r\n"
                         "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday\r\n";

void ComputeTwoLines(const WindowFixture& f) {
    for (const char* typed : {"2000-01-01||", "2000-01-01|10|"}) {
        f.Click("cmdClearInputWindows");
        f.Fill(typed);
        f.Press(first, {Qt::Key_Return});
    }
}

// The selected button of each settings group (its name after the group's prefix), Quit's
// caption and the date line of the today label.
QString Seen(const WindowFixture& f) {
    QStringList seen;
    for (const QString group :
         {"optDateFormatIs", "optSeparatorIs", "optThousSep", "optFirstDateIs", "optSecondDateIs"})
        for (const QRadioButton* option : f.Window()->findChildren<QRadioButton*>())
            if (option->objectName().startsWith(group) && option->isChecked())
                seen << option->objectName().mid(group.size());
    return seen.join(' ') + '|' + f.Text("cmdQuit") + '|' +
           f.Text("lblTodaysDate").section('\n', 1);
}

QString Names(const WindowFixture& f, const QStringList& names, QAccessible::Text what) {
    QStringList read;
    for (const QString& name : names)
        read << f.Accessible(name)->text(what);
    return read.join('|');
}

struct ShowCounter : QObject {
    int count = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        count += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

const QByteArray saved("1\r\n1,47,0\r\n2,1,3\r\n");

int writes = 0;
ssize_t NoSpace(int, const void*, std::size_t) {
    ++writes;
    errno = ENOSPC;
    return -1;
}
ssize_t CountedWrite(int fd, const void* data, std::size_t size) {
    ++writes;
    return ::write(fd, data, size);
}

} // namespace

// One action of the user's in a started window, and what the window shows afterwards.
struct Row {
    QString kinds;     // the calendars of the first and the second date window: "CE JDN"
    QString typed;     // typed into "first|difference|second"
    QString action;    // a control's name, clicked, or a name and a key pressed there:
                       // "VScroll(0) Up" (on an up-down, as its upper arrow: a day later)
    QString after;     // "first|difference|second|day word" afterwards; the focus ends behind
                       // the last character of its window
    QString told = ""; // to a screen reader
    QString output = "";
    QString box = ""; // "title|text" of the box shown
    QString focus = "txbFirstDate";
    int language = 0;
    int answer = -1; // to the question; -1: no question
};
Q_DECLARE_METATYPE(Row)
Q_DECLARE_METATYPE(OrvTest::Keys)

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // clang-format off
    void handlers_data() {
        QTest::addColumn<Row>("r");
        const QString both = "2000-01-01 |5|2000-01-05", outOfRange = "Error!|Result is out of range.";
        QTest::newRow("Compute") << Row{"CE CE", "2000-01-01||2000-01-02", "cmdCompute", "2000-01-01|1|2000-01-02|day",
            "2000-01-02 CE minus 2000-01-01 CE = 1 day", "2000-01-02 CE minus 2000-01-01 CE = 1 day\r\n"};
        QTest::newRow("out of range") << Row{"JDN JDN", "2050000000|60000000|", "cmdCompute", "2,050,000,000|60,000,000||days",
            "Result is out of range.", "2,050,000,000 JDN plus 60,000,000 days = Out of Range\r\n", outOfRange};
        QTest::newRow("keypad Enter, a message") << Row{"CE CE", "2001-02-29||", "txbFirstDate Num+Enter", "2001-02-29|||days",
            "First date is not valid in calendar specified.", "", "Error!|First date is not valid in calendar specified."};
        QTest::newRow("Enter, the question in German") << Row{"CE CE", both, "txbSecondDate Return", "2000-01-01|4|2000-01-05|Tage",
            "2000-01-05 CE minus 2000-01-01 CE = 4 Tage", "2000-01-05 CE minus 2000-01-01 CE = 4 Tage\r\n", "Fehler!| Wenn sowohl "
            "Erstes als auch Zweites Datum angegeben sind,\r\nmuss das Feld für die Datumsdifferenz leer sein.\r\n\r\n"
            "Lösche Datumsdifferenz?", first, 1, int(Answer::Yes)};
        QTest::newRow("clear first date") << Row{"CE CE", both, "cmdClearFirstDate", "|5|2000-01-05|days", "First date"};
        QTest::newRow("clear second date") << Row{"CE CE", both, "cmdClearSecondDate", "2000-01-01 |5||days", "Second date", "", "", second};
        QTest::newRow("clear date difference") << Row{"CE CE", both, "cmdClearDateDiffDays", "2000-01-01 ||2000-01-05|days",
            "Date difference", "", "", "txbDateDiffDays"};
        QTest::newRow("Second -> First") << Row{"CE JC", "1900-01-01||1999-12-19", "cmdMoveSecondDateToFirst",
            "2000-01-01|||days", "", "", "", "txbDateDiffDays"};
        QTest::newRow("Second -> First, not valid") << Row{"CE CE", "1900-01-01||2001-02-29", "cmdMoveSecondDateToFirst",
            "1900-01-01||2001-02-29|days", "", "", "Error!|Second date is not valid in calendar specified.", second};
        QTest::newRow("up is a day later") << Row{"CE CE", "2000-01-01|12|", "VScroll(0) Up", "2000-01-02|||days", "2000-01-02"};
        QTest::newRow("down is a day earlier") << Row{"CE JC", "|12|1900-03-01", "VScroll(1) Down", "||1900-02-29|days", "1900-02-29",
            "", "", second};
        QTest::newRow("up at the day-number limit") << Row{"JDN CE", "2100000000|12|", "VScroll(0) Up", "2100000000|||days", "2100000000",
            "Out of Range\r\n", outOfRange};
        QTest::newRow("today, first window") << Row{"DIY CE", "1|7|1", "cmdToday(0)", "2026341||1|days"};
        QTest::newRow("today, second window") << Row{"CE JDN", "1|7|1", "cmdToday(1)", "1||2,461,382|days", "", "", "", second};
        // A calendar button converts its window's date and moves on; a text that is no date
        // in its calendar stays, trimmed.
        QTest::newRow("first calendar") << Row{"CE CE", "2000-01-01||", "optFirstDateIsJC", "1999-12-19|||days",
            "First date: 1999-12-19", "", "", "txbDateDiffDays"};
        QTest::newRow("second calendar") << Row{"CE JC", "||  1999-12-31 ", "optSecondDateIsDIY", "||2000013|days",
            "Second date: 2000013", "", "", "txbDateDiffDays"};
        // The date order and the date separator empty the input windows; thousands do not.
        QTest::newRow("date order") << Row{"CE CE", both, "optDateFormatIsDMY", "|||days", "First date"};
        QTest::newRow("date separator") << Row{"CE CE", both, "optSeparatorIsSlash", "|||days", "First date"};
        QTest::newRow("thousands separator") << Row{"CE CE", both, "optThousSepNone", "2000-01-01 |5|2000-01-05|days"};
    }
    // clang-format on
    void handlers() {
        QFETCH(Row, r);
        WindowFixture f;
        f.WriteSettings(QByteArray::number(r.language) + "\r\n2,45,44\r\n0,0,0\r\n");
        f.Start();
        f.Click("optFirstDateIs" + r.kinds.section(' ', 0, 0));
        f.Click("optSecondDateIs" + r.kinds.section(' ', 1));
        f.Fill(r.typed);
        if (r.answer >= 0) f.boxes.Answer(static_cast<Answer>(r.answer));
        const QString key = r.action.section(' ', 1);
        if (key.isEmpty())
            f.Click(r.action);
        else
            f.Press(r.action.section(' ', 0, 0), {QKeySequence(key)[0]});
        // The up-downs rest at 0, ready for the next step either way.
        QCOMPARE(f.Find<QScrollBar>("VScroll(0)")->value() |
                     f.Find<QScrollBar>("VScroll(1)")->value(),
                 0);
        QCOMPARE(f.Texts({first, OrvTest::difference, second, "lblDayOrDays"}), r.after);
        QCOMPARE(f.Told(), r.told);
        QCOMPARE(f.Text(output), r.output);
        QCOMPARE(f.boxes.shown, r.box.isEmpty() ? QStringList() : QStringList{r.box});
        QCOMPARE(f.FocusName(), r.focus);
        auto* focus = f.Find<QLineEdit>(f.FocusName());
        QCOMPARE(focus->cursorPosition(), focus->text().size());
        // A finished line is brought into view before its CR LF, one out of range after it.
        const QString text = f.Find<QPlainTextEdit>(output)->toPlainText();
        const bool finished = !text.isEmpty() && !text.endsWith("Out of Range\n");
        QCOMPARE(f.Find<QPlainTextEdit>(output)->textCursor().position(),
                 text.size() - (finished ? 1 : 0));
    }

    // Typed keys are filtered, at the length limit too, and editing keys still work; pasted
    // text passes unfiltered (Compute refuses it: its own test).
    void keyFiltersAndPaste() {
        WindowFixture f;
        f.Start();
        for (const auto& [window, typed, kept] :
             {std::tuple{first, "2000a-01b-01xé€", "2000-01-01"},
              {second, "1234567890123456789012", "123456789012345678"},
              {OrvTest::difference, "-1,234.5 x", "-1,2345"}}) {
            f.Type(window, typed);
            for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete})
                QTest::keyClick(f.Find(window), key);
            QCOMPARE(f.Text(window), QString(kept).chopped(1).mid(1));
        }
        const QString pasted = QStringLiteral("Zz\t%1é€").arg(QString(300, u'9'));
        f.Click("cmdClearInputWindows");
        QGuiApplication::clipboard()->setText(pasted);
        f.Press(first, {QKeySequence(QKeySequence::Paste)[0]});
        QCOMPARE(f.Text(first), pasted);
    }

    // The defaults without a file; what the user chose, saved by Quit and by the close box.
    void settingsSavedAndRead() {
        WindowFixture f;
        f.Start();
        QCOMPARE(Seen(f), "YMD Dash IsComma CE CE|Quit|2026-12-07 CE (14:05).");
        for (const char* option : {"optDateFormatIsDMY", "optSeparatorIsSlash", "optThousSepNone",
                                   "optFirstDateIsJC", "optSecondDateIsAN"})
            f.Click(option);
        f.ChooseLanguage(1);
        for (int click = 0; click < 3; ++click) // CE -> JC -> AN -> JDN
            f.Click("lblWeekFromToday");
        f.Click("cmdQuit");
        f.Start();
        QCOMPARE(f.ReadSettings(), QByteArray("1\r\n1,47,0\r\n2,1,3\r\n"));
        QCOMPARE(Seen(f), "DMY Slash None JC AN|Beenden|der 2461382 JDN (14:05).");
        QCOMPARE(f.Texts({"cboLanguage", "optSeparatorIsDot"}), "Deutsch|31.12.2012");
        f.Click("optFirstDateIsDIY");
        f.Window()->close();
        QCOMPARE(f.ReadSettings(), QByteArray("1\r\n1,47,0\r\n2,4,3\r\n"));
        QVERIFY(f.boxes.shown.isEmpty());
    }

    // Captions after choosing a language in the box, and the copy button's width, centred
    // between the maker's link and Quit (pixels of 15 twips: 2500, 3500, 3000 twips wide;
    // left edges 4810, 4310, 4560 twips).
    // clang-format off
    void languages_data() {
        QTest::addColumn<int>("position"); // in the language box
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QRect>("copy");
        QTest::newRow("English") << 0 << "English=0 German=1 Spanish=4|Date format:|day month year|none|"
            "Common Era date (CE)|Compute|Second date|Click to change calendar|Today is Monday," << QRect(321, 137, 167, 22);
        QTest::newRow("German") << 1 << "Englisch=0 Deutsch=1 Spanisch=4|Datumsformat:|Tag Monat Jahr|keine|"
            "Common Era Datum (CE)|Berechnen|Zweites Datum|Anklicken um Kalender zu verändern|Heute ist Montag," << QRect(287, 137, 233, 22);
        QTest::newRow("Spanish") << 2 << "Inglés=0 Alemán=1 Español=4|Formato de fecha:|día mes año|ninguno|"
            "Fecha de la Era Común (CE)|Calcular|Segunda fecha|Oprima para cambiar calendario|Hoy es Lunes," << QRect(304, 137, 200, 22);
    }
    // clang-format on
    void languages() {
        QFETCH(int, position);
        WindowFixture f;
        f.Start();
        f.ChooseLanguage(position);
        auto* box = f.Find<QComboBox>("cboLanguage");
        QStringList entries;
        for (int i = 0; i < box->count(); ++i)
            entries << box->itemText(i) + '=' + box->itemData(i).toString();
        QTEST(entries.join(' ') + '|' +
                  f.Texts({"lblDateFormat", "optDateFormatIsDMY", "optThousSepNone",
                           "optFirstDateIsCE", "cmdCompute", "cmdClearSecondDate"}) +
                  '|' + f.Find("lblWeekFromToday")->toolTip() + '|' +
                  f.Text("lblTodaysDate").section('\r', 0, 0),
              "captions");
        QTEST(f.Find("cmdCopyToClipboard")->geometry(), "copy");
        QCOMPARE(f.FocusName(), output);
        QCOMPARE(f.Told(), box->currentText()); // the focus left the box: what it chose
    }

    // The greeting of a special day, by the Gregorian day whatever the calendars.
    void specialDay() {
        WindowFixture f(OrvTest::At(2027, 11, 27));
        f.WriteSettings("1\r\n2,45,44\r\n3,3,2\r\n");
        f.Start();
        QCOMPARE(f.Text(output),
                 "Dies ist der Unabhängigkeitstag.\r\nDas Empire von Atlantium wurde "
                 "am 10500-10-03 (1981-11-27 CE) gegründet.\r\n\r\n");
    }

    void copySelectionThenWholeText() {
        WindowFixture f;
        f.Start();
        ComputeTwoLines(f);
        // The first line selected: the button changes when a mouse button is released.
        f.Press(output, {Qt::ControlModifier | Qt::Key_Home, Qt::ShiftModifier | Qt::Key_End});
        QTest::mouseRelease(f.Find<QPlainTextEdit>(output)->viewport(), Qt::LeftButton);
        QCOMPARE(f.Text("cmdCopyToClipboard"), "Copy selected text to clipboard");
        f.Click("cmdCopyToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), "2000-01-01 CE, Saturday");
        QCOMPARE(f.Text("cmdCopyToClipboard") + '|' + f.FocusName(), "Copy to clipboard|" + first);
        // Nothing selected: the whole text, CR LF included.
        f.Click("cmdCopyToClipboard");
        QCOMPARE(QGuiApplication::clipboard()->text(), twoLines);
        f.Click("cmdClearOutputWindow");
        QCOMPARE(f.Text(output) + '|' + f.FocusName(), '|' + first);
        f.Press(output, {Qt::ControlModifier | Qt::Key_Z}); // one key cannot lose every line
        QCOMPARE(f.Text(output), twoLines);
    }

    // Clicks and keys on the today labels step their calendar and tell it; the clock follows
    // "now".
    void todayLabels() {
        WindowFixture f;
        f.Start();
        for (int i = 0; i < 3; ++i)
            f.Click("lblWeekFromToday");
        QCOMPARE(
            f.Texts({"lblTodaysDate", "lblWeekFromToday"}),
            "Today is Monday,\r\n2,461,382 JDN (14:05).|A week from today is\r\n2,461,389 JDN");
        QCOMPARE(f.Told(), "A week from today is 2,461,389 JDN");
        f.Click("lblTodaysDate", Qt::RightButton);
        QCOMPARE(f.Text("lblTodaysDate").section('\n', 1), "10545-10-13 AN (14:05).");
        // Keypad Enter and Space click with the left button, Menu and Shift+F10 with the
        // right one: AN -> JC -> AN -> JC -> AN -> JC.
        f.Press("lblTodaysDate",
                {Qt::ShiftModifier | Qt::Key_F10, Qt::KeypadModifier | Qt::Key_Enter, Qt::Key_Menu,
                 Qt::Key_Space, Qt::ShiftModifier | Qt::Key_F10});
        DatePr2::SetNow([] { return OrvTest::At(2026, 12, 7, 23, 59); });
        QTRY_COMPARE_WITH_TIMEOUT(f.Text("lblTodaysDate"),
                                  "Today is Monday,\r\n2026-11-24 JC (23:59).", 3000);
    }

    // The Tab key visits every control that takes the focus once, in the order of the
    // window's design, and comes back round; a row of option buttons is one stop.
    void tabOrder() {
        WindowFixture f;
        f.Start();
        QStringList visited{"cboLanguage"};
        for (f.Press(visited[0], {Qt::Key_Tab}); f.FocusName() != visited[0] && visited.size() < 50;
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            visited << f.FocusName();
        QCOMPARE(
            visited.join(' '),
            "cboLanguage cmdHelp cmdCalendars cmdCredits optDateFormatIsYMD optSeparatorIsDash "
            "optThousSepIsComma cmdToday(0) cmdToday(1) txbFirstDate txbDateDiffDays txbSecondDate "
            "cmdMoveSecondDateToFirst optFirstDateIsCE cmdClearFirstDate cmdClearSecondDate "
            "cmdClearDateDiffDays cmdClearInputWindows cmdClearOutputWindow optSecondDateIsCE "
            "lblTodaysDate lblWeekFromToday cmdCompute txbOutput lblTessaline "
            "lblOnlineDocumentation cmdCopyToClipboard cmdQuit");
    }

    // Where the focus goes on some keys and what they leave in the output window.
    void keys_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("date"); // in the first date window afterwards
        const auto ctrl = [](Qt::Key key) { return Qt::ControlModifier | key; };
        // clang-format off
        QTest::newRow("Ctrl+Tab leaves the output window") << output << Keys{ctrl(Qt::Key_Tab)} << "lblTessaline" << twoLines << "2000-01-01";
        QTest::newRow("Ctrl+Shift+Tab leaves it backwards") << output << Keys{Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Backtab} << "cmdCompute" << twoLines << "2000-01-01";
        QTest::newRow("an edit is undone") << output << Keys{ctrl(Qt::Key_A), Qt::Key_Delete, ctrl(Qt::Key_Z)} << output << twoLines << "2000-01-01";
        QTest::newRow("a result line is no edit") << output << Keys{ctrl(Qt::Key_Z), ctrl(Qt::Key_Z)} << output << twoLines << "2000-01-01";
        QTest::newRow("Enter presses a button") << "cmdClearOutputWindow" << Keys{Qt::Key_Return} << first << "" << "2000-01-01";
        QTest::newRow("Up steps the date") << first << Keys{Qt::Key_Up} << first << twoLines << "2000-01-02";
        QTest::newRow("Ctrl+A selects a date to type over") << first << Keys{Qt::Key_End, ctrl(Qt::Key_A), Qt::Key_1} << first << twoLines << "1";
        // clang-format on
    }
    void keys() {
        QFETCH(QString, from);
        QFETCH(Keys, keys);
        WindowFixture f;
        f.Start();
        ComputeTwoLines(f);
        f.Press(from, keys);
        QTEST(f.FocusName(), "focus");
        QTEST(f.Text(output), "text");
        QTEST(f.Text(first), "date");
    }

    // Each control's name is what a person reads on it, in the language in force (an input
    // window is named by its label) and follows a language chosen in the box; the window is a
    // frame; labels and the output window are readable; Compute's result or message is told
    // by the notifier with the focus still in the first date window (the event itself needs
    // an accessibility bridge, which the offscreen platform lacks: tests/ui/xvfb-check.sh).
    void screenReader() {
        WindowFixture f;
        f.Start();
        QCOMPARE(Names(f,
                       {"frmMain", "cmdCompute", "optFirstDateIsCE", "txbDateDiffDays", "txbOutput",
                        "lblTodaysDate", "cmdClearFirstDate", "cmdClearOutputWindow", "cmdToday(1)",
                        "VScroll(0)", "VScroll(1)"},
                       QAccessible::Name),
                 "Orvandel 7.6d|Compute|Common Era date (CE)|Date difference|Output window|"
                 "Today is Monday, 2026-12-07 CE (14:05).|Clear first date|Clear output window|"
                 "Today: Second date|First date up-down|Second date up-down");
        f.ChooseLanguage(2);
        QCOMPARE(Names(f, {"cmdCompute", "txbSecondDate"}, QAccessible::Name) + '|' +
                     Names(f, {"cboLanguage", "lblTodaysDate"}, QAccessible::Description),
                 "Calcular|Segunda fecha|Idioma|Oprima para cambiar calendario");
        // The window is a frame; labels that act as links and buttons say so.
        QList<QAccessible::Role> roles;
        for (const char* name :
             {"frmMain", "lblTessaline", "lblOnlineDocumentation", "lblTodaysDate", "notifier"})
            roles << f.Accessible(name)->role();
        QCOMPARE(roles, QList({QAccessible::Window, QAccessible::Link, QAccessible::Link,
                               QAccessible::Button, QAccessible::Notification}));
        // Each row of option buttons is labelled, so that two rows of the same captions
        // differ; the selected one says so.
        QAccessibleInterface* option = f.Accessible("optSecondDateIsJC");
        const auto labels = option->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first->text(QAccessible::Name) + '|' + QString::number(labels[0].second),
                 "Segunda fecha:|" + QString::number(QAccessible::Label));
        QVERIFY(!option->state().checked && f.Accessible("optSecondDateIsCE")->state().checked);
        // The whole date is one run of text: a screen reader reads its last character too.
        f.Type(first, "2000-01-01");
        int start = -1, end = -1;
        f.Accessible(first)->textInterface()->attributes(9, &start, &end);
        QCOMPARE(QPair(start, end), QPair(0, 10));
        ShowCounter shows;
        f.Find("notifier")->installEventFilter(&shows);
        f.Press(first, {Qt::Key_Return});
        f.Press(first, {Qt::Key_Return});
        QCOMPARE(shows.count, 2); // shown anew each time: the same line twice is told twice
        f.Type(first, "1");
        QCOMPARE(f.Told(), ""); // stale once typed over
    }

    // The links open on the left button, Enter, keypad Enter and a screen reader's press;
    // a refusal is one warning and nothing else.
    void links() {
        WindowFixture f;
        QStringList opened;
        weblink::SetOpener([&opened](const std::string& address) {
            opened << QString::fromStdString(address);
            return opened.size() != 3;
        });
        f.Start();
        f.Click("lblTessaline", Qt::RightButton);
        f.Click("lblOnlineDocumentation", Qt::MiddleButton);
        f.Click("lblTessaline");
        f.Press("lblOnlineDocumentation", {Qt::Key_Return});
        f.Press("lblTessaline", {Qt::KeypadModifier | Qt::Key_Enter});
        f.Accessible("lblOnlineDocumentation")->actionInterface()->doAction("Press");
        const QString home = "https://tessaline.example/", help = home + "cal_sw/mibrex/mibrex.htm";
        QCOMPARE(opened, QStringList({home, help, home, help}));
        QCOMPARE(f.boxes.shown,
                 QStringList{"|Error launching web browser. Please make sure that "
                             "your web browser is correctly installed and configured"});
        QCOMPARE(f.Text(output), "");
    }

    // The settings file against what goes wrong around it: a failing disk, leftovers of an
    // interrupted save, the end of a session, a time zone that changes under the running
    // window. Odd files in its place are the Qt-free code's tests.
    void cleanup() { SettingsFile::SetWriteCalls({}); }

    // The start removes what an interrupted save left (which names count is the Qt-free
    // code's test); a save that fails is silent and keeps what was there, and the program
    // still quits.
    void leftoversAndAFailedSave() {
        WindowFixture f;
        f.WriteSettings(saved);
        const QString folder = f.ConfigFolder() + "/orvandel/";
        for (const char* name : {"orv5.usr.x7Rq2Z", "orv5.usr.bak"})
            QVERIFY(QFile(folder + name).open(QIODevice::WriteOnly));
        f.Start();
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"orv5.usr", "orv5.usr.bak"}));
        f.Click("optDateFormatIsYMD");
        SettingsFile::SetWriteCalls({NoSpace, nullptr, nullptr});
        writes = 0;
        f.Click("cmdQuit");
        QCOMPARE(writes, 1);
        QVERIFY(!f.Window()->isVisible());
        QCOMPARE(f.ReadSettings(), saved);
        QVERIFY(f.boxes.shown.isEmpty());
    }

    // A relative XDG_CONFIG_HOME is not the configuration folder: the window reads and saves
    // under HOME/.config, as the command-line program does. The file there has LF line ends
    // and a language the box does not offer.
    void relativeConfigHomeFallsBackToHome() {
        WindowFixture f;
        const OrvTest::Env home("HOME", QFile::encodeName(f.ConfigFolder()));
        const OrvTest::Env config("XDG_CONFIG_HOME", "orvandel");
        const QString path = f.ConfigFolder() + "/.config/orvandel/orv5.usr";
        f.WriteSettings("2\n0,46,46\n0,3,2\n", path);
        f.Start();
        QCOMPARE(Seen(f), "MDY Dot IsDot AN JDN|???|12.07.2026 CE (14:05).");
        f.Click("optFirstDateIsDIY");
        f.Click("cmdQuit");
        QCOMPARE(f.ReadSettings(path), QByteArray("2\r\n0,46,46\r\n0,4,2\r\n"));
    }

    // The signal closes the window the way its close box does: one save, with the change.
    // SIGTERM and SIGHUP end the program itself in session_end.sh.
    void sessionEndSaves() {
        WindowFixture f;
        f.Start();
        SessionEnd::Install(*f.Window());
        f.Click("optDateFormatIsDMY");
        SettingsFile::SetWriteCalls({CountedWrite, nullptr, nullptr});
        writes = 0;
        QCOMPARE(::raise(SIGINT), 0);
        QTRY_VERIFY(!f.Window()->isVisible());
        QCOMPARE(f.ReadSettings(), QByteArray("0\r\n1,45,44\r\n0,0,0\r\n"));
        f.Window()->close();
        QTest::qWait(50);
        QCOMPARE(writes, 1);
    }

    // A zone changed while the program runs: the next tick shows the date there.
    void todayFollowsTheTimeZone() {
        WindowFixture f;
        f.Start();
        DatePr2::SetNow({});
        // The date there, as the user reads it; 26 hours apart, the two dates always differ.
        const auto dateAt = [](int hours) {
            return QDateTime::currentDateTimeUtc().addSecs(hours * 3600).toString("yyyy-MM-dd");
        };
        for (const auto& [zone, offset] : {std::pair{"<+14>-14", 14}, {"<-12>12", -12}}) {
            const OrvTest::Env tz("TZ", zone);
            QTRY_COMPARE(f.Text("lblTodaysDate").section('\n', 1).left(10), dateAt(offset));
        }
        tzset();
    }

    // The window's own colours hold under a dark desktop palette: cyan behind, black text, a
    // white option indicator with a black mark, blue links.
    void coloursUnderADarkDesktop() {
        const QPalette desktop = QApplication::palette();
        QPalette dark(QColor(230, 230, 230), QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(42, 42, 42));
        QApplication::setPalette(dark);
        WindowFixture f;
        f.Start();
        const QPalette option = f.Find<QRadioButton>("optDateFormatIsYMD")->palette();
        const QPalette link = f.Find<QLabel>("lblTessaline")->palette();
        QApplication::setPalette(desktop);
        QCOMPARE(option.color(QPalette::Window), QColor(Qt::cyan));
        QCOMPARE(option.color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(option.color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(option.color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(link.color(QPalette::WindowText), QColor(Qt::blue));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
