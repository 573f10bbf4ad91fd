// A randomized soak of the main window: 20,000 actions with a fixed seed, through the real
// widgets as a user does them (typing any characters, pasting long and odd texts, choosing
// calendars, settings and languages, clicking the buttons, Enter, the up-down controls and
// the today labels; every question answered at random). It must neither crash, nor hang,
// nor upset a sanitizer, and every line of the output window must be a line the soak typed
// or pasted there, or a well-formed result line in the words of the language in force when
// the line was written. The whole window is checked every 500 actions, before every
// clearing of it and at the end.
//
// ORV_SOAK_SEED and ORV_SOAK_ACTIONS change the seed and the number of actions.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>

#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "WindowFixture.h"
#include "app/DateWindowOps.h"
#include "lang/GEN_TEXT.h"

namespace {

// A result line in the words of `language`: ECHO [(minus|plus) (COUNT DAYWORD | ECHO)], then
// " = Out of Range", " = " ECHO WEEKDAY, " = " COUNT DAYWORD [breakdown], or WEEKDAY alone;
// or "Out of Range" alone (an up-down step beyond the range).
const QRegularExpression& ResultLine(int language) {
    static QRegularExpression byLanguage[GEN_TEXT::languageSlots];
    QRegularExpression& result = byLanguage[language];
    if (!result.pattern().isEmpty()) return result;
    const auto any = [language](const std::vector<std::string>& words, bool lower = false) {
        QStringList escaped;
        for (const std::string& word : words)
            escaped << QRegularExpression::escape(QString::fromStdString(
                lower && language != GEN_TEXT::langGerman ? GEN_TEXT::LowerCase(word) : word));
        return "(?:" + escaped.join('|') + ')';
    };
    using namespace GEN_TEXT;
    using DatePr2::annusNovusDayName;
    const auto l = static_cast<std::size_t>(language);
    const QString n = R"(\d+(?:[,.]\d{3})*)", year = "(?:-?" + n + R"(|\(-)" + n + R"(\)))";
    const QString echo = "(?:(?:" + year + R"([-/.]\d\d[-/.]\d\d|\d\d[-/.]\d\d[-/.])" + year +
                         ") (?:CE|JC|AN)|-?" + n + R"( JDN|\+?\d{6,7}))";
    const QString count = n + ' ' + any({txtDay[l], txtDays[l]}, true);
    const QString weekday = ", (?:" + any({txtDayName[l].begin(), txtDayName[l].end() - 1}) + '|' +
                            any({annusNovusDayName.begin(), annusNovusDayName.end()}) + ')';
    const QString outOfRange = any({txtOutOfRange[l]});
    const QString part =
        R"(\d+ )" +
        any({txtYear[l], txtYears[l], txtMonth[l], txtMonths[l], txtDay[l], txtDays[l]}, true);
    result.setPattern("^(?:" + echo + "(?: " + any({txtMinus[l], txtPlus[l]}) + " (?:" + count +
                      '|' + echo + "))?(?: = " + outOfRange + "| = " + echo + weekday + "| = -?" +
                      count + R"((?: \()" + part + "(?:, " + part + R"()*\))?|)" + weekday + ")|" +
                      outOfRange + ")$");
    return result;
}

const QStringList kInputs{"txbFirstDate", "txbDateDiffDays", "txbSecondDate"};
// Buttons of other windows, of quitting, and of clearing the output (an action of its own).
const QStringList kLeftOut{"cmdHelp", "cmdCalendars", "cmdCredits", "cmdQuit",
                           "cmdClearOutputWindow"};

struct Soak {
    explicit Soak(uint32_t seed) : random(seed) {
        for (const QRadioButton* option : window.findChildren<QRadioButton*>())
            options << option->objectName();
        for (const QPushButton* button : window.findChildren<QPushButton*>())
            if (!kLeftOut.contains(button->objectName())) buttons << button->objectName();
    }

    void Step() {
        ++actions;
        for (const OrvTest::Box& box : std::exchange(f.boxes.shown, {}))
            asked += box.kind == OrvTest::BoxKind::Ask;
        for (; answered < asked + 64; ++answered)
            f.boxes.Answer(static_cast<MessageBoxes::Answer>(Between(0, 2)));
        Act();
        if (actions % 8 == 0) QCoreApplication::processEvents();
        // Lines are taken away only by the clear button, which forgets them first.
        const auto lines = static_cast<std::size_t>(output->document()->blockCount() - 1);
        if (lines < language.size()) QFAIL("lines vanished from the output window");
        language.resize(lines, GEN_TEXT::currentLanguage);
        if (actions % 500 == 0) Check();
    }

    void Check() {
        for (QTextBlock b = output->document()->begin(); b.isValid(); b = b.next()) {
            const QString line = b.text();
            const auto i = static_cast<std::size_t>(b.blockNumber());
            if (line.isEmpty() && !b.next().isValid()) break; // the open last line
            const int16_t lang = i < language.size() ? language[i] : GEN_TEXT::currentLanguage;
            if (typed.contains(line))
                ++typedChecked;
            else if (++resultChecked; !ResultLine(lang).match(line).hasMatch())
                QFAIL(qPrintable(
                    QString::asprintf("action %d, line %zu (language %d): ", actions, i + 1, lang) +
                    line.left(300)));
        }
    }

    OrvTest::WindowFixture f;
    frmMain& window = f.Start();
    QPlainTextEdit* output = f.Find<QPlainTextEdit>("txbOutput");
    std::mt19937 random;
    QStringList options, buttons;
    QSet<QString> typed;
    std::vector<int16_t> language; // of every complete line of the output window
    int actions = 0, asked = 0, answered = 0, typedChecked = 0, resultChecked = 0;

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    QString Any(const QStringList& items) { return items[Between(0, int(items.size()) - 1)]; }

    // Any text: dates, line ends, control characters, Latin-1, characters beyond the basic
    // plane, marks, format characters and separators.
    QString OddText(int length) {
        static const QString odd = QStringLiteral(
            "0123456789-/., ()+-aZ\u00e9\u00df\u00a0\u0416\u4e2d\u0301\u200b\u202e\ufeff\ufffd"
            "\u2028\u2029\u0660\uff11");
        QString text;
        while (text.size() < length) {
            const int pick = Between(0, 11);
            text += pick == 0   ? Input(Between(1, 3))
                    : pick == 1 ? QString("\r\n")
                    : pick == 2 ? QString::fromUcs4(U"\U0001F600\U00010348")
                    : pick == 3 ? QString(QChar(static_cast<char16_t>(Between(0, 0x1F))))
                    : pick == 4 ? QString(QChar(static_cast<char16_t>(Between(0x20, 0xFF))))
                                : QString(odd.at(Between(0, static_cast<int>(odd.size()) - 1)));
        }
        return text;
    }

    // What a user types into input window `which` (1 first date, 2 day count, 3 second
    // date): mostly a day count or a date of the window's calendar in the settings in force.
    QString Input(int which) {
        if (Chance(15)) return OddText(3);
        if (which == 2 || Chance(10))
            return QString::number(Chance(80) ? Between(-40000, 40000)
                                              : Between(-2147483647, 2147483647));
        DateRecord rec{};
        rec.jdn = Chance(85) ? Between(DatePr2::firstYyyydddDay, DatePr2::lastYyyydddDay)
                             : Between(DatePr2::smallestDayNumber, DatePr2::largestDayNumber);
        std::string text;
        DateWindowOps::ResultDateText(
            rec, window.CalendarOfDate(which == 1 ? 1 : 2),
            {window.SelectedDateOrder(), DatePr2::dateSeparator, DatePr2::thousandsSeparator},
            text);
        return QString::fromStdString(text);
    }

    // One character as a key: control characters as the keys and shortcuts they stand for.
    static void Key(QWidget* control, QChar c) {
        static const QString codes("\x01\x03\x05\b\t\n\r\x11\x12\x13\x14\x16\x18\x1b\x7f");
        static const QKeyCombination keys[] = {
            Qt::Key_Home,         Qt::CTRL | Qt::Key_C, Qt::Key_End,    Qt::Key_Backspace,
            Qt::Key_Tab,          Qt::Key_Enter,        Qt::Key_Return, Qt::Key_Up,
            Qt::Key_Down,         Qt::Key_Left,         Qt::Key_Right,  Qt::CTRL | Qt::Key_V,
            Qt::CTRL | Qt::Key_X, Qt::Key_Escape,       Qt::Key_Delete};
        if (const auto k = codes.indexOf(c); k >= 0)
            QTest::keyClick(control, keys[k].key(), keys[k].keyboardModifiers());
        else
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    void Act() {
        const int which = Between(1, 3), pick = Between(0, 99);
        auto* input = f.Find<QLineEdit>(kInputs[which - 1]);
        if (pick < 30) { // over the window's text or at the caret
            input->setFocus(Qt::MouseFocusReason);
            if (Chance(70)) QTest::keyClick(input, Qt::Key_Home, Qt::ShiftModifier);
            for (const QChar c :
                 Chance(75) ? Input(which) + (Chance(50) ? "\r" : "") : OddText(Between(1, 25)))
                Key(input, c);
        } else if (pick < 36) { // pasted text passes no key filter
            if (Chance(50)) QTest::keyClick(input, Qt::Key_Home, Qt::ShiftModifier);
            f.Paste(kInputs[which - 1],
                    Chance(40) ? OddText(Between(0, 3)) + Input(which)
                               : OddText(Chance(15) ? Between(2000, 6000) : Between(1, 60)));
        } else if (pick < 42) {
            f.Enter(kInputs[which - 1]);
        } else if (pick < 60) {
            f.Choose(Any(options));
        } else if (pick < 62) {
            f.ChooseLanguage(Between(0, f.Find<QComboBox>("cboLanguage")->count() - 1));
        } else if (pick < 72) {
            f.Click(Any(buttons));
        } else if (pick < 78) { // the upper or lower arrow of an up-down control
            auto* bar = f.Find<QScrollBar>(QString("VScroll(%1)").arg(Between(0, 1)));
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              QPoint(bar->width() / 2, Chance(50) ? 2 : bar->height() - 3));
        } else if (pick < 81) {
            f.Click(Chance(50) ? "lblTodaysDate" : "lblWeekFromToday",
                    Chance(70) ? Qt::LeftButton : Qt::RightButton);
        } else if (pick < 90) { // typed or pasted behind the last line, closed by a line end
            static const QRegularExpression ends(R"(\r\n|[\r\n\x{2029}])");
            const bool paste = Chance(40);
            QString text = OddText(paste && Chance(25) ? Between(1000, 4000) : Between(0, 40));
            QTest::keyClick(output, Qt::Key_End, Qt::ControlModifier);
            if (paste) {
                f.Paste("txbOutput", text += Any({"\r\n", "\n", "\r", QStringLiteral("\u2029")}));
            } else {
                for (QChar& c : text)
                    if (!c.isPrint()) c = 'x'; // keys that would not type
                f.Type("txbOutput", text);
                QTest::keyClick(output, Qt::Key_Return);
            }
            for (const QString& line : text.split(ends))
                typed.insert(line);
        } else if (pick < 97) { // a selection by mouse, for the copy button
            QTest::mouseClick(output->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                              {Between(0, 400), Between(0, 200)});
        } else {
            Check();
            f.Click("cmdClearOutputWindow");
            language.clear();
        }
    }
};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

  private slots:
    // The soak's checker on lines known to be right or wrong: a checker that passed
    // everything would make the soak prove nothing.
    void checkerOfResultLines() {
        GEN_TEXT::InitMessages();
        const std::tuple<int, const char*, bool> rows[] = {
            {0, "2000-01-01 CE = 2,451,545 JDN, Saturday", true},
            {0, "2000-03-15 CE minus 2000-01-01 CE = 74 days (2 months, 14 days)", true},
            {0, "2,050,000,000 JDN plus 60,000,000 days = Out of Range", true},
            {1, "2001-03-15 CE minus 2000-01-01 CE = 439 Tage (1 Jahr, 2 Monate, 14 Tage)", true},
            {0, "2000-01-01 CE = 2,451,545 JDN", false},
            {0, "2000-01-01 CE = 2,451,545 JDN, Samstag", false},
            {1, "2000-01-01 CE plus 10 days = 2000-01-11 CE, Dienstag", false},
            {0, "2000-01-01 CE, Saturday2000-01-01 CE, Saturday", false},
            {0, "2000-01-01 CE plus 1 day = Out of Range, Sunday", false},
        };
        for (const auto& [language, line, wellFormed] : rows)
            QVERIFY2(ResultLine(language).match(QString::fromUtf8(line)).hasMatch() == wellFormed,
                     line);
    }

    void randomActions() {
        const uint32_t seed = qEnvironmentVariable("ORV_SOAK_SEED", "20261207").toUInt();
        const int count = qEnvironmentVariable("ORV_SOAK_ACTIONS", "20000").toInt();
        Soak soak(seed);
        while (soak.actions < count && !QTest::currentTestFailed())
            soak.Step();
        soak.Check();
        qInfo("soak: seed %u, %d actions, %d questions; %d result lines and %d typed lines checked",
              seed, soak.actions, soak.asked, soak.resultChecked, soak.typedChecked);
        QCOMPARE(soak.actions, count);
        // The actions reached Compute, and its lines were looked at.
        QVERIFY(soak.resultChecked > count / 20);
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
