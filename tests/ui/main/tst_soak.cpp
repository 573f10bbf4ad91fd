// A randomized soak of the main window: 20,000 actions with a fixed seed, through the real
// widgets as a user would do them (typing any characters, pasting long and odd texts,
// choosing calendars, settings and languages, clicking every button, Enter, the up-down
// controls and the today labels; every question answered at random). It must neither crash,
// nor hang, nor upset a sanitizer, and the output window must hold nothing but well-formed
// result lines and the lines the soak typed there itself.
//
// Every line that appears in the output window is recorded with the language and the date
// settings in force when it appeared (they cannot change while a line is written); a result
// line must parse under them, and what it says must add up: the weekday belongs to the date,
// "A plus N days = B" has B N days after A, "B minus A = N days" has N the distance between
// them. The whole window is checked against the record every 250 actions and at the end.
//
// ORV_SOAK_SEED and ORV_SOAK_ACTIONS change the seed and the number of actions, to follow up
// a failure or to soak longer.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "WindowFixture.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"
#include "ui/info/weblink.h"
#include "ui/main/WindowTexts.h"

using OrvTest::WindowFixture;

namespace {

// The settings under which a line was written.
struct Style {
    int16_t language = 0;
    int16_t order = DatePr2::YMD;
    std::string separator = "-";
    std::string thousands = ",";

    bool operator<(const Style& other) const {
        return std::tie(language, order, separator, thousands) <
               std::tie(other.language, other.order, other.separator, other.thousands);
    }
};

// One complete line of the output window as the soak expects it.
struct Line {
    bool typed = false; // typed or pasted by the soak: `text` is what it must read
    QString text;
    Style style; // for a result line
};

QString Esc(const std::string& text) {
    return QRegularExpression::escape(QString::fromStdString(text));
}

QString Alternatives(const std::vector<std::string>& words) {
    QStringList escaped;
    for (const std::string& word : words)
        escaped << Esc(word);
    return QStringLiteral("(?:") + escaped.join(QLatin1Char('|')) + QLatin1Char(')');
}

std::string Word(const GEN_TEXT::Entry& entry, int16_t language) {
    const std::string& text = entry[static_cast<std::size_t>(language)];
    return language == GEN_TEXT::langGerman ? text : GEN_TEXT::LowerCase(text);
}

// The shapes of a result line under one style, as regular expressions.
struct Grammar {
    QRegularExpression difference; // "B minus A = N days (breakdown)" or "... = Out of Range"
    QRegularExpression oneDate;    // "A [plus N days] [= B], weekday"
    QRegularExpression outOfRange; // "A [plus N days] = Out of Range", or the word alone
    QString singularDay, pluralDay;

    explicit Grammar(const Style& s) {
        const int16_t lang = s.language;
        const QString sep = Esc(s.separator);
        const QString numberU =
            s.thousands.empty()
                ? QStringLiteral("\\d+")
                : QStringLiteral("\\d{1,3}(?:") + Esc(s.thousands) + QStringLiteral("\\d{3})*");
        const QString number = QStringLiteral("-?") + numberU;
        // Years beyond four digits are grouped, unless the mark is the date separator.
        const QString yearU = QStringLiteral("(?:\\d+|") + numberU + QLatin1Char(')');
        const QString dd = QStringLiteral("\\d{2}");
        QString euroDate;
        QString annusNovusDate;
        if (s.order == DatePr2::YMD) {
            euroDate = QStringLiteral("-?") + yearU + sep + dd + sep + dd;
        } else {
            euroDate = dd + sep + dd + sep + QStringLiteral("(?:") + yearU +
                       QStringLiteral("|\\(-") + yearU + QStringLiteral("\\))");
        }
        if (s.order == DatePr2::DMY)
            annusNovusDate = dd + QLatin1Char('-') + dd + QStringLiteral("-(?:\\d+|\\(-\\d+\\))");
        else
            annusNovusDate = QStringLiteral("-?\\d+-") + dd + QLatin1Char('-') + dd;
        const QString echo = QStringLiteral("(?:") + euroDate + QStringLiteral(" (?:CE|JC)|") +
                             annusNovusDate + QStringLiteral(" AN|") + number +
                             QStringLiteral(" JDN|\\+\\d{6}|\\d{7})");

        singularDay = QString::fromStdString(Word(GEN_TEXT::txtDay, lang));
        pluralDay = QString::fromStdString(Word(GEN_TEXT::txtDays, lang));
        const QString days =
            Alternatives({Word(GEN_TEXT::txtDay, lang), Word(GEN_TEXT::txtDays, lang)});
        const auto count = [&](const GEN_TEXT::Entry& one, const GEN_TEXT::Entry& many) {
            return QStringLiteral("\\d+ ") + Alternatives({Word(one, lang), Word(many, lang)});
        };
        const QString y = count(GEN_TEXT::txtYear, GEN_TEXT::txtYears);
        const QString m = count(GEN_TEXT::txtMonth, GEN_TEXT::txtMonths);
        const QString d = count(GEN_TEXT::txtDay, GEN_TEXT::txtDays);
        const QString breakdown = QStringLiteral(" \\((?:") + y + QStringLiteral("(?:, ") + m +
                                  QStringLiteral(")?(?:, ") + d + QStringLiteral(")?|") + m +
                                  QStringLiteral("(?:, ") + d + QStringLiteral(")?)\\)");

        std::vector<std::string> weekdays;
        for (int day = 0; day < 7; ++day)
            weekdays.push_back(GEN_TEXT::txtDayName[static_cast<std::size_t>(lang)]
                                                   [static_cast<std::size_t>(day)]);
        for (const std::string& name : DatePr2::annusNovusDayName)
            weekdays.push_back(name);
        const QString plus = Esc(GEN_TEXT::txtPlus[static_cast<std::size_t>(lang)]);
        const QString minus = Esc(GEN_TEXT::txtMinus[static_cast<std::size_t>(lang)]);
        const QString oor = Esc(GEN_TEXT::txtOutOfRange[static_cast<std::size_t>(lang)]);
        const QString step = QStringLiteral("(?: (?<sign>") + plus + QLatin1Char('|') + minus +
                             QStringLiteral(") (?<step>") + numberU +
                             QStringLiteral(") (?<stepword>") + days + QStringLiteral("))?");

        difference.setPattern(QStringLiteral("^(?<later>") + echo + QStringLiteral(") ") + minus +
                              QStringLiteral(" (?<earlier>") + echo +
                              QStringLiteral(") = (?:(?<n>") + number +
                              QStringLiteral(") (?<word>") + days + QStringLiteral(")(?<bd>") +
                              breakdown + QStringLiteral(")?|") + oor + QStringLiteral(")$"));
        oneDate.setPattern(QStringLiteral("^(?<given>") + echo + QLatin1Char(')') + step +
                           QStringLiteral("(?: = (?<result>") + echo +
                           QStringLiteral("))?, (?<weekday>") + Alternatives(weekdays) +
                           QStringLiteral(")$"));
        outOfRange.setPattern(QStringLiteral("^(?:") + echo + QStringLiteral("(?: (?:") + plus +
                              QLatin1Char('|') + minus + QStringLiteral(") ") + numberU +
                              QLatin1Char(' ') + days + QStringLiteral(")?(?: = )?)?") + oor +
                              QLatin1Char('$'));
    }
};

const Grammar& GrammarOf(const Style& style) {
    static std::map<Style, Grammar> grammars;
    auto found = grammars.find(style);
    if (found == grammars.end()) found = grammars.emplace(style, Grammar(style)).first;
    return found->second;
}

// The JDN of an echo ("2000-01-01 CE", "2,451,545 JDN", "2000001") and its kind.
bool ReadEcho(const QString& echo, const Style& s, int32_t& jdn, int16_t& kind, DateRecord& rec) {
    QString text = echo;
    kind = DatePr2::YYYYDDD;
    static const std::array<std::pair<const char*, int16_t>, 4> codes{
        {{" CE", DatePr2::CE}, {" JC", DatePr2::JC}, {" JDN", DatePr2::JDN}, {" AN", DatePr2::AN}}};
    for (const auto& [code, k] : codes) {
        if (text.endsWith(QLatin1String(code))) {
            kind = k;
            text.chop(static_cast<qsizetype>(std::char_traits<char>::length(code)));
            break;
        }
    }
    rec = DateRecord{};
    if (kind == DatePr2::JDN) {
        // Read independently of the program's parser: the digits and the sign.
        QString digits = text;
        if (!s.thousands.empty()) digits.remove(QString::fromStdString(s.thousands));
        bool ok = false;
        jdn = digits.toInt(&ok);
        rec.jdn = jdn;
        return ok;
    }
    const int16_t status = StrProc::ParseDate(text.toStdString(), s.separator, kind, s.order, rec);
    jdn = rec.jdn;
    return status == StrProc::statusRead;
}

QString WeekdayOf(DateRecord rec, int16_t kind, int16_t language) {
    if (kind == DatePr2::AN) {
        const int16_t weekday = DatePr2::JDNToAnnusNovusDate(rec);
        if (weekday < 0 || weekday >= static_cast<int16_t>(DatePr2::annusNovusDayName.size()))
            return QStringLiteral("(no Annus Novus weekday)");
        return QString::fromStdString(
            DatePr2::annusNovusDayName[static_cast<std::size_t>(weekday)]);
    }
    const int weekday = DatePr2::EuroDayOfWeek(rec.jdn);
    if (weekday < 0 || weekday > 6) return QStringLiteral("(no weekday)");
    return QString::fromStdString(GEN_TEXT::txtDayName[static_cast<std::size_t>(language)]
                                                      [static_cast<std::size_t>(weekday)]);
}

enum class Shape { OutOfRange, Difference, OneDate };

// Empty when the line is a well-formed result line of its style, else why not; `shape`
// tells which kind of line it was.
QString CheckResultLine(const QString& line, const Style& s, Shape& shape) {
    const Grammar& g = GrammarOf(s);
    shape = Shape::OutOfRange;
    if (g.outOfRange.match(line).hasMatch()) return {};
    const auto dayWordFits = [&](int64_t n, const QString& word) {
        return word == ((n == 1 || n == -1) ? g.singularDay : g.pluralDay);
    };

    if (const QRegularExpressionMatch m = g.difference.match(line); m.hasMatch()) {
        shape = Shape::Difference;
        int32_t later = 0, earlier = 0;
        int16_t laterKind = 0, earlierKind = 0;
        DateRecord laterRec{}, earlierRec{};
        if (!ReadEcho(m.captured(u"later"), s, later, laterKind, laterRec) ||
            !ReadEcho(m.captured(u"earlier"), s, earlier, earlierKind, earlierRec))
            return QStringLiteral("a date of the line cannot be read back");
        if (!m.hasCaptured(u"n") || m.captured(u"n").isEmpty()) {
            // Out of range: only a distance beyond the day-number limit is, since the count
            // could not be read back from its window.
            shape = Shape::OutOfRange;
            const int64_t distance = int64_t{later} - int64_t{earlier};
            if (distance >= DatePr2::smallestDayNumber && distance <= DatePr2::largestDayNumber)
                return QStringLiteral(
                    "a distance within the day-number limit reported out of range");
            return {};
        }
        QString n = m.captured(u"n");
        if (!s.thousands.empty()) n.remove(QString::fromStdString(s.thousands));
        const int64_t count = n.toLongLong();
        if (count != int64_t{later} - int64_t{earlier})
            return QStringLiteral("the day count is not the distance of the two dates");
        if (!dayWordFits(count, m.captured(u"word")))
            return QStringLiteral("the day word does not fit the count");
        if (m.hasCaptured(u"bd") && !m.captured(u"bd").isEmpty() &&
            (count <= 0 || laterKind != earlierKind || laterKind == DatePr2::JDN))
            return QStringLiteral("a breakdown where none belongs");
        return {};
    }

    if (const QRegularExpressionMatch m = g.oneDate.match(line); m.hasMatch()) {
        shape = Shape::OneDate;
        shape = Shape::OneDate;
        int32_t given = 0;
        int16_t givenKind = 0;
        DateRecord givenRec{};
        if (!ReadEcho(m.captured(u"given"), s, given, givenKind, givenRec))
            return QStringLiteral("the given date cannot be read back");
        int64_t expected = given;
        if (!m.captured(u"step").isEmpty()) {
            QString step = m.captured(u"step");
            if (!s.thousands.empty()) step.remove(QString::fromStdString(s.thousands));
            const int64_t days = step.toLongLong();
            if (!dayWordFits(days, m.captured(u"stepword")))
                return QStringLiteral("the day word does not fit the count");
            const bool plus =
                m.captured(u"sign") ==
                QString::fromStdString(GEN_TEXT::txtPlus[static_cast<std::size_t>(s.language)]);
            expected += plus ? days : -days;
            if (m.captured(u"result").isEmpty())
                return QStringLiteral("a step with no result date");
        }
        DateRecord shownRec = givenRec;
        int16_t shownKind = givenKind;
        if (!m.captured(u"result").isEmpty()) {
            int32_t result = 0;
            if (!ReadEcho(m.captured(u"result"), s, result, shownKind, shownRec))
                return QStringLiteral("the result date cannot be read back");
            if (result != expected)
                return QStringLiteral("the result date is not the given date moved by the step");
        }
        if (m.captured(u"weekday") != WeekdayOf(shownRec, shownKind, s.language))
            return QStringLiteral("the weekday is not that of the date: it is ") +
                   WeekdayOf(shownRec, shownKind, s.language);
        return {};
    }
    return QStringLiteral("not a result line");
}

// What a text becomes in the lines of the output window: it breaks where QTextCursor breaks
// blocks.
QStringList BlockPieces(const QString& text) {
    QStringList pieces{QString()};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            continue; // the LF closes the block
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::ParagraphSeparator)
            pieces.append(QString());
        else
            pieces.last().append(c);
    }
    return pieces;
}

QString Shown(const QString& text) {
    QString shown;
    for (const QChar c : text.left(200)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.unicode() > 0x7E)
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return text.size() > 200 ? shown + QStringLiteral("...") : shown;
}

const char* const kCalendarOptions[] = {
    "optFirstDateIsCE",   "optFirstDateIsJC",  "optFirstDateIsAN",  "optFirstDateIsJDN",
    "optFirstDateIsDIY",  "optSecondDateIsCE", "optSecondDateIsJC", "optSecondDateIsAN",
    "optSecondDateIsJDN", "optSecondDateIsDIY"};
const char* const kSettingsOptions[] = {
    "optDateFormatIsYMD", "optDateFormatIsDMY",  "optDateFormatIsMDY",
    "optSeparatorIsDash", "optSeparatorIsSlash", "optSeparatorIsDot",
    "optThousSepIsComma", "optThousSepIsDot",    "optThousSepNone"};
const char* const kInputWindows[] = {"txbFirstDate", "txbSecondDate", "txbDateDiffDays"};
const char* const kPlainButtons[] = {"cmdCompute",           "cmdToday(0)",
                                     "cmdToday(1)",          "cmdClearFirstDate",
                                     "cmdClearSecondDate",   "cmdClearDateDiffDays",
                                     "cmdClearInputWindows", "cmdMoveSecondDateToFirst",
                                     "cmdCopyToClipboard",   "cmdHelp",
                                     "cmdCalendars"};

class Soak {
  public:
    Soak(WindowFixture& fixture, uint32_t seed) : f(fixture), random(seed) {
        output = f.Find<QPlainTextEdit>(QStringLiteral("txbOutput"));
        weblink::SetOpener([this](const std::string&) {
            ++linksOpened;
            const bool opened = Chance(0.5);
            if (!opened) ++warningsExpected;
            return opened;
        });
        // A start-up greeting is no result line; it must only stay as it is.
        for (QTextBlock block = output->document()->begin();
             block.isValid() && block.next().isValid(); block = block.next())
            expected.push_back({true, block.text(), {}});
        CheckBoxes();
    }

    // One random action; false (and `failure` set) when it broke a rule.
    bool Step() {
        ++actions;
        TopUpAnswers();
        Action();
        if (!failure.isEmpty()) return false;
        if (actions % 8 == 0) QApplication::processEvents();
        Record();
        CheckBoxes();
        if (failure.isEmpty() && actions % 250 == 0) CheckWholeWindow();
        return failure.isEmpty();
    }

    void CheckWholeWindow() {
        const QTextDocument* document = output->document();
        if (document->blockCount() - 1 != static_cast<int>(expected.size())) {
            Fail(QStringLiteral("the output window holds %1 lines, %2 were written")
                     .arg(document->blockCount() - 1)
                     .arg(expected.size()));
            return;
        }
        QTextBlock block = document->begin();
        for (std::size_t i = 0; i < expected.size(); ++i, block = block.next()) {
            ++linesChecked;
            const QString text = block.text();
            Shape shape{};
            const QString why = expected[i].typed ? (text == expected[i].text
                                                         ? QString()
                                                         : QStringLiteral("a typed line changed"))
                                                  : CheckResultLine(text, expected[i].style, shape);
            if (!why.isEmpty()) {
                Fail(QStringLiteral("line %1 of the output window: %2: \"%3\"")
                         .arg(i + 1)
                         .arg(why, Shown(text)));
                return;
            }
        }
    }

    QString failure;
    QString lastAction;
    int actions = 0;
    int resultLines = 0;
    int typedLines = 0;
    int linesChecked = 0;
    int computes = 0;
    int questions = 0;
    int messages = 0;
    int linksOpened = 0;
    int credits = 0;
    std::array<int, 3> shapes{}; // result lines by Shape
    std::array<int, 10> messagesByNumber{};

  private:
    // ---- chance -------------------------------------------------------------------------

    bool Chance(double p) { return std::bernoulli_distribution(p)(random); }
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    template <class T, std::size_t N> const T& Any(const T (&items)[N]) {
        return items[Below(static_cast<int>(N))];
    }

    QChar AnyCharacter() {
        static const QString dateLike = QStringLiteral("0123456789-/., ()+");
        static const QString odd = QStringLiteral(
            "aZ\u00e9\u00df\u00d7\u00a0\u00ff\u0416\u4e2d\u0301\u200b\u200f\u202e\ufeff\ufffd"
            "\u2028\u2029\u00ad\u0660\u0669\uff11");
        switch (Below(10)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
            return dateLike.at(Below(static_cast<int>(dateLike.size())));
        case 5:
            return QChar(static_cast<char16_t>(Between(0x20, 0x7E)));
        case 6:
            return QChar(static_cast<char16_t>(Between(0xA0, 0xFF)));
        case 7:
            return QChar(static_cast<char16_t>(Between(0, 0x1F)));
        default:
            return odd.at(Below(static_cast<int>(odd.size())));
        }
    }

    // A date that the window of calendar `kind` reads, written as the program writes it.
    QString ValidDate(int16_t kind) {
        DateRecord rec{};
        rec.jdn = Chance(0.8) ? Between(DatePr2::firstYyyydddDay, DatePr2::lastYyyydddDay)
                              : Between(DatePr2::smallestDayNumber, DatePr2::largestDayNumber);
        const DateWindowOps::Format format{CurrentStyle().order, DatePr2::dateSeparator,
                                           DatePr2::thousandsSeparator};
        std::string text;
        if (!DateWindowOps::ResultDateText(rec, kind, format, text)) return PlausibleInput();
        return QString::fromStdString(text);
    }

    // What a user types into an input window: mostly a date of its calendar or a day count.
    QString InputFor(const char* name) {
        const std::string window = name;
        if (Chance(0.4)) return PlausibleInput();
        if (window == "txbDateDiffDays")
            return QString::number(Chance(0.8) ? Between(-40000, 40000)
                                               : Between(-2147483647, 2147483647));
        return ValidDate(CalendarOf(window == "txbFirstDate" ? 1 : 2));
    }

    int16_t CalendarOf(int which) const {
        const QString prefix =
            which == 1 ? QStringLiteral("optFirstDateIs") : QStringLiteral("optSecondDateIs");
        static const std::array<std::pair<const char*, int16_t>, 5> kinds{
            {{"CE", DatePr2::CE},
             {"JC", DatePr2::JC},
             {"AN", DatePr2::AN},
             {"JDN", DatePr2::JDN},
             {"DIY", DatePr2::YYYYDDD}}};
        for (const auto& [suffix, kind] : kinds) {
            if (f.Find<QRadioButton>(prefix + QLatin1String(suffix))->isChecked()) return kind;
        }
        return DatePr2::CE;
    }

    // A date, a number or a day count as a user would type it, often valid.
    QString PlausibleInput() {
        const QString sep = QString::fromStdString(DatePr2::dateSeparator);
        switch (Below(6)) {
        case 0:
        case 1: {
            const int year = Chance(0.8) ? Between(-2000, 12000) : Between(-6000000, 6000000);
            const QString y =
                year < 0 && Chance(0.5) ? QStringLiteral("(%1)").arg(year) : QString::number(year);
            const QString m = QString::number(Between(0, 13))
                                  .rightJustified(Chance(0.5) ? 2 : 1, QLatin1Char('0'));
            const QString d = QString::number(Between(0, 38))
                                  .rightJustified(Chance(0.5) ? 2 : 1, QLatin1Char('0'));
            return Chance(0.5) ? y + sep + m + sep + d : d + sep + m + sep + y;
        }
        case 2:
            return QString::number(Chance(0.7) ? Between(-100000, 6000000)
                                               : Between(-2147483647, 2147483647));
        case 3:
            return QStringLiteral("%1%2")
                .arg(Between(0, 10000), 4, 10, QLatin1Char('0'))
                .arg(Between(0, 367), 3, 10, QLatin1Char('0'));
        case 4:
            return QString::number(Chance(0.8) ? Between(-5000, 5000)
                                               : Between(-2147483647, 2147483647));
        default: {
            QString text;
            for (int i = Between(1, 12); i > 0; --i)
                text += AnyCharacter();
            return text;
        }
        }
    }

    QString OddText(int length) {
        QString text;
        while (text.size() < length) {
            switch (Below(8)) {
            case 0:
                text += PlausibleInput();
                break;
            case 1:
                text += QStringLiteral("\r\n");
                break;
            case 2:
                text += QString::fromUcs4(U"\U0001F600\U00010348");
                break;
            case 3:
                text += QChar(u'\0');
                break;
            default:
                text += AnyCharacter();
            }
        }
        return text;
    }

    // ---- actions ------------------------------------------------------------------------

    void Action() {
        // Weights per thousand.
        static const std::array<std::pair<int, void (Soak::*)()>, 17> actions{{
            {80, &Soak::TypeIntoInput},
            {220, &Soak::ReplaceInput},
            {50, &Soak::PasteIntoInput},
            {120, &Soak::RunCompute},
            {90, &Soak::ChooseCalendar},
            {30, &Soak::ChooseSetting},
            {10, &Soak::ChooseLanguage},
            {130, &Soak::ClickButton},
            {70, &Soak::UpDown},
            {30, &Soak::ArrowKey},
            {30, &Soak::TodayLabel},
            {40, &Soak::TypeIntoOutput},
            {20, &Soak::PasteIntoOutput},
            {40, &Soak::SelectInOutput},
            {28, &Soak::ClearOutput},
            {10, &Soak::ClickLink},
            {2, &Soak::OpenCredits},
        }};
        int pick = Below(1000);
        for (const auto& [weight, action] : actions) {
            if (pick < weight) {
                (this->*action)();
                return;
            }
            pick -= weight;
        }
    }

    void ChooseCalendar() { ChooseOption(Any(kCalendarOptions)); }
    void ChooseSetting() { ChooseOption(Any(kSettingsOptions)); }

    QLineEdit* Input(const char* name) { return f.Find<QLineEdit>(QString::fromLatin1(name)); }

    void SendCharacter(QWidget* w, QChar c) {
        switch (c.unicode()) {
        case 0x03:
            QTest::keySequence(w, QKeySequence::Copy);
            return;
        case 0x16:
            QTest::keySequence(w, QKeySequence::Paste);
            return;
        case 0x18:
            QTest::keySequence(w, QKeySequence::Cut);
            return;
        case 0x08:
            QTest::keyClick(w, Qt::Key_Backspace);
            return;
        case 0x09:
            QTest::keyClick(w, Qt::Key_Tab);
            return;
        case 0x0D:
        case 0x0A:
            QTest::keyClick(w, Qt::Key_Return);
            ++computes;
            return;
        case 0x1B:
            QTest::keyClick(w, Qt::Key_Escape);
            return;
        case 0x7F:
            QTest::keyClick(w, Qt::Key_Delete);
            return;
        default:
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    void TypeIntoInput() {
        const char* name = Any(kInputWindows);
        lastAction = QStringLiteral("type into ") + QLatin1String(name);
        QLineEdit* w = Input(name);
        w->setFocus(Qt::MouseFocusReason);
        const QString text = Chance(0.7) ? InputFor(name) : OddText(Between(1, 24));
        lastAction += QStringLiteral(": ") + Shown(text);
        for (const QChar c : text)
            SendCharacter(w, c);
    }

    // Select everything with the keyboard and type over it, as a user changes a window.
    void ReplaceInput() {
        const char* name = Any(kInputWindows);
        QLineEdit* w = Input(name);
        const QString text = InputFor(name);
        lastAction = QStringLiteral("replace the text of ") + QLatin1String(name) +
                     QStringLiteral(" by ") + Shown(text);
        w->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w, Qt::Key_Home);
        QTest::keyClick(w, Qt::Key_End, Qt::ShiftModifier);
        for (const QChar c : text)
            SendCharacter(w, c);
        if (Chance(0.5)) {
            QTest::keyClick(w, Chance(0.5) ? Qt::Key_Return : Qt::Key_Enter);
            ++computes;
        }
    }

    // Pasted text skips the key filters: a date among odd characters, or any text at all,
    // at the caret or over the whole window.
    void PasteIntoInput() {
        const char* name = Any(kInputWindows);
        QString text;
        if (Chance(0.4))
            text = OddText(Between(0, 3)) + InputFor(name) + OddText(Between(0, 3));
        else
            text = Chance(0.15) ? OddText(Between(2000, 6000)) : OddText(Between(1, 60));
        const bool over = Chance(0.5);
        lastAction = QStringLiteral("paste into ") + QLatin1String(name) +
                     (over ? QStringLiteral(" over its text: ") : QStringLiteral(": ")) +
                     Shown(text);
        if (over) {
            QLineEdit* w = Input(name);
            w->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(w, Qt::Key_Home);
            QTest::keyClick(w, Qt::Key_End, Qt::ShiftModifier);
        }
        f.Paste(QString::fromLatin1(name), text);
    }

    void RunCompute() {
        ++computes;
        if (Chance(0.6)) {
            lastAction = QStringLiteral("click cmdCompute");
            f.Click(QStringLiteral("cmdCompute"));
        } else {
            const char* name = Any(kInputWindows);
            lastAction = QStringLiteral("Enter in ") + QLatin1String(name);
            QLineEdit* w = Input(name);
            w->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(w, Chance(0.7) ? Qt::Key_Return : Qt::Key_Enter);
        }
    }

    void ChooseOption(const char* name) {
        lastAction = QStringLiteral("choose ") + QLatin1String(name);
        f.Choose(QString::fromLatin1(name));
    }

    void ChooseLanguage() {
        const int position = Below(3);
        lastAction = QStringLiteral("choose language %1").arg(position);
        f.ChooseLanguage(position);
    }

    void ClickButton() {
        const char* name = Any(kPlainButtons);
        lastAction = QStringLiteral("click ") + QLatin1String(name);
        f.Click(QString::fromLatin1(name));
        if (std::string(name) == "cmdHelp" || std::string(name) == "cmdCalendars")
            f.Window()->activateWindow(); // back to the main window, as the user clicks it
    }

    // A click on the upper or the lower arrow of an up-down control.
    void UpDown() {
        const int index = Below(2);
        const bool up = Chance(0.5);
        lastAction = QStringLiteral("click the %1 arrow of VScroll(%2)")
                         .arg(up ? QStringLiteral("upper") : QStringLiteral("lower"))
                         .arg(index);
        auto* bar = f.Find<QScrollBar>(QStringLiteral("VScroll(%1)").arg(index));
        const QPoint at(bar->width() / 2, up ? 2 : bar->height() - 3);
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at);
    }

    void ArrowKey() {
        const char* name = Any(kInputWindows);
        const Qt::Key key = AnyKey(
            {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End});
        lastAction = QStringLiteral("arrow key in ") + QLatin1String(name);
        QLineEdit* w = Input(name);
        w->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w, key);
    }

    void TodayLabel() {
        const QString name =
            Chance(0.5) ? QStringLiteral("lblTodaysDate") : QStringLiteral("lblWeekFromToday");
        const Qt::MouseButton button = Chance(0.7) ? Qt::LeftButton : Qt::RightButton;
        lastAction = QStringLiteral("click ") + name;
        f.Click(name, button);
    }

    // Typed and pasted text goes behind the last line and is closed by a line end, so that
    // the lines of results and of the user's own text stay apart.
    void CaretToOutputEnd() {
        output->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(output, Qt::Key_End, Qt::ControlModifier);
    }

    void TypeIntoOutput() {
        QString text;
        for (int i = Between(0, 30); i > 0; --i) {
            QChar c = AnyCharacter();
            // Keys that would edit what is already there, or do nothing, are not typed here.
            if (c.unicode() < 0x20 && c != QLatin1Char('\t')) c = QLatin1Char('x');
            if (c.category() == QChar::Other_Format) c = QLatin1Char('y');
            text += c;
        }
        lastAction = QStringLiteral("type into txbOutput: ") + Shown(text);
        CaretToOutputEnd();
        for (const QChar c : text) {
            if (c == QLatin1Char('\t'))
                QTest::keyClick(output, Qt::Key_Tab);
            else
                QTest::sendKeyEvent(QTest::Click, output, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
        QTest::keyClick(output, Qt::Key_Return);
        Expect(text + QLatin1Char('\n'));
    }

    void PasteIntoOutput() {
        static const QString ends[] = {QStringLiteral("\r\n"), QStringLiteral("\n"),
                                       QStringLiteral("\r"), QString(QChar::ParagraphSeparator)};
        QString text = Chance(0.1) ? OddText(Between(1000, 4000)) : OddText(Between(0, 80));
        // Frame marks are the document's own structure, never text.
        text.remove(QChar(0xFDD0));
        text.remove(QChar(0xFDD1));
        text += Any(ends);
        lastAction = QStringLiteral("paste into txbOutput: ") + Shown(text);
        CaretToOutputEnd();
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(output, QKeySequence::Paste);
        Expect(text);
    }

    void SelectInOutput() {
        lastAction = QStringLiteral("select in txbOutput");
        QWidget* viewport = output->viewport();
        const QPoint from(Below(viewport->width()), Below(viewport->height()));
        const QPoint to(Below(viewport->width()), Below(viewport->height()));
        if (Chance(0.5)) {
            QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
            QTest::mouseMove(viewport, to);
            QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
        } else {
            output->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(output, Qt::Key_Home, Qt::ControlModifier);
            for (int i = Between(1, 40); i > 0; --i)
                QTest::keyClick(output, Qt::Key_Right, Qt::ShiftModifier);
        }
        if (Chance(0.5)) f.Click(QStringLiteral("cmdCopyToClipboard"));
    }

    void ClearOutput() {
        lastAction = QStringLiteral("click cmdClearOutputWindow");
        f.Click(QStringLiteral("cmdClearOutputWindow"));
        expected.clear();
    }

    void ClickLink() {
        const QString name =
            Chance(0.5) ? QStringLiteral("lblTessaline") : QStringLiteral("lblOnlineDocumentation");
        lastAction = QStringLiteral("click ") + name;
        f.Click(name);
    }

    // Credits is modal: the fixture's watchdog closes it as a user would.
    void OpenCredits() {
        lastAction = QStringLiteral("click cmdCredits");
        ++credits;
        f.ExpectModal([](QWidget* modal) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        f.Click(QStringLiteral("cmdCredits"));
        f.Window()->activateWindow();
    }

    // ---- bookkeeping --------------------------------------------------------------------

    Qt::Key AnyKey(std::initializer_list<Qt::Key> keys) {
        return *(keys.begin() + Below(static_cast<int>(keys.size())));
    }

    int Lines() const { return output->document()->blockCount() - 1; }

    void Fail(const QString& why) {
        if (failure.isEmpty())
            failure = why + QStringLiteral(" (action %1: %2)").arg(actions).arg(lastAction);
    }

    // The lines the soak typed or pasted, which must be in the window as they are.
    std::vector<QString> pending;

    void Expect(const QString& typed) {
        QStringList pieces = BlockPieces(typed);
        pieces.removeLast(); // the text ends with a line end
        for (const QString& piece : pieces)
            pending.push_back(piece);
    }

    // The lines that the last action added: what the soak typed, or result lines, recorded
    // with the style in force and checked at once.
    void Record() {
        const QTextDocument* document = output->document();
        if (!document->lastBlock().text().isEmpty()) {
            Fail(QStringLiteral("the last line of the output window is left open: \"%1\"")
                     .arg(Shown(document->lastBlock().text())));
            return;
        }
        const int lines = Lines();
        // Only cmdClearOutputWindow takes lines away (and forgets them first).
        if (lines < static_cast<int>(expected.size())) {
            Fail(QStringLiteral("lines vanished from the output window"));
            return;
        }
        QTextBlock block = document->findBlockByNumber(static_cast<int>(expected.size()));
        if (!pending.empty()) {
            if (lines - static_cast<int>(expected.size()) != static_cast<int>(pending.size())) {
                Fail(QStringLiteral("%1 lines were typed, the output window took %2")
                         .arg(pending.size())
                         .arg(lines - static_cast<int>(expected.size())));
                return;
            }
            for (const QString& text : pending) {
                if (block.text() != text) {
                    Fail(QStringLiteral("typed \"%1\", the output window shows \"%2\"")
                             .arg(Shown(text), Shown(block.text())));
                    return;
                }
                expected.push_back({true, text, {}});
                ++typedLines;
                block = block.next();
            }
            pending.clear();
            return;
        }
        const Style style = CurrentStyle();
        for (int i = static_cast<int>(expected.size()); i < lines; ++i, block = block.next()) {
            const QString text = block.text();
            Shape shape{};
            const QString why = CheckResultLine(text, style, shape);
            ++linesChecked;
            ++shapes[static_cast<std::size_t>(shape)];
            if (!why.isEmpty()) {
                Fail(QStringLiteral("%1: \"%2\"").arg(why, Shown(text)));
                return;
            }
            expected.push_back({false, QString(), style});
            ++resultLines;
        }
    }

    Style CurrentStyle() const {
        Style s;
        s.language = GEN_TEXT::currentLanguage;
        s.order = f.Find<QRadioButton>(QStringLiteral("optDateFormatIsYMD"))->isChecked()
                      ? DatePr2::YMD
                  : f.Find<QRadioButton>(QStringLiteral("optDateFormatIsDMY"))->isChecked()
                      ? DatePr2::DMY
                      : DatePr2::MDY;
        s.separator = DatePr2::dateSeparator;
        s.thousands = DatePr2::thousandsSeparator;
        return s;
    }

    // Every question is answered at random; scripted answers are kept well ahead, since one
    // typed text can hold many Enters.
    int answersGiven = 0;
    void TopUpAnswers() {
        while (answersGiven - questions < 64) {
            const int pick = Below(3);
            f.boxes.Answer(pick == 0   ? MessageBoxes::Answer::Yes
                           : pick == 1 ? MessageBoxes::Answer::No
                                       : MessageBoxes::Answer::Cancel);
            ++answersGiven;
        }
    }

    int warningsExpected = 0;

    // Every box shown is one of Compute's messages or its question, in the language in
    // force, or the one warning of a web link that did not open.
    void CheckBoxes() {
        const std::string title = WindowTexts::ComputeErrorTitle();
        for (const OrvTest::Box& box : f.boxes.shown) {
            switch (box.kind) {
            case OrvTest::BoxKind::Ask:
                ++questions;
                if (box.text.toStdString() != WindowTexts::ClearDifferenceQuestion())
                    Fail(QStringLiteral("an unknown question: ") + Shown(box.text));
                break;
            case OrvTest::BoxKind::Inform: {
                ++messages;
                bool known = false;
                for (int message = 1; message <= 9 && !known; ++message) {
                    known = box.text.toStdString() ==
                            WindowTexts::ComputeErrorInCurrentLanguage(message);
                    if (known) ++messagesByNumber[static_cast<std::size_t>(message)];
                }
                if (!known || box.title.toStdString() != title)
                    Fail(QStringLiteral("an unknown message: ") + Shown(box.title) +
                         QStringLiteral(" / ") + Shown(box.text));
                break;
            }
            case OrvTest::BoxKind::Warn:
                if (--warningsExpected < 0)
                    Fail(QStringLiteral("an unexpected warning: ") + Shown(box.text));
                break;
            }
        }
        f.boxes.shown.clear();
    }

    WindowFixture& f;
    std::mt19937 random;
    QPlainTextEdit* output = nullptr;
    std::vector<Line> expected;
};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

  private slots:
    // The soak's judge of result lines, on lines known to be right or wrong: a judge that
    // passed everything would make the soak prove nothing.
    void judgeOfResultLines_data();
    void judgeOfResultLines();
    void randomActions();
};

void SoakTest::judgeOfResultLines_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("wellFormed");
    const auto row = [](const char* name, int language, const char* line, bool good) {
        QTest::newRow(name) << language << QString::fromUtf8(line) << good;
    };
    row("difference with breakdown", 0,
        "2000-03-15 CE minus 2000-01-01 CE = 74 days (2 months, 14 days)", true);
    row("a year", 0, "2001-01-01 CE minus 2000-01-01 CE = 366 days (1 year)", true);
    row("negative difference", 0, "2000-01-01 CE minus 2000-01-05 CE = -4 days", true);
    row("sum", 0, "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday", true);
    row("second date alone", 0, "2000-01-11 CE minus 10 days = 2000-01-01 CE, Saturday", true);
    row("conversion", 0, "2000-01-01 CE = 2,451,545 JDN, Saturday", true);
    row("same calendar", 0, "2000-01-01 CE, Saturday", true);
    row("yyyyddd", 0, "2000001, Saturday", true);
    row("out of range", 0, "2,050,000,000 JDN plus 60,000,000 days = Out of Range", true);
    row("out of range alone", 0, "Out of Range", true);
    row("German breakdown", 1,
        "2001-03-15 CE minus 2000-01-01 CE = 439 Tage (1 Jahr, 2 Monate, 14 Tage)", true);
    row("wrong conversion", 0, "2000-01-01 CE = 2,451,546 JDN, Saturday", false);
    row("wrong weekday", 0, "2000-01-01 CE plus 10 days = 2000-01-11 CE, Monday", false);
    row("wrong sum", 0, "2000-01-01 CE plus 10 days = 2000-01-12 CE, Wednesday", false);
    row("wrong count", 0, "2000-03-15 CE minus 2000-01-01 CE = 75 days (2 months, 14 days)", false);
    row("plural of one", 0, "2000-01-01 CE minus 2000-01-02 CE = -1 days", false);
    row("breakdown of a negative count", 0,
        "2000-01-01 CE minus 2001-01-01 CE = -366 days (1 year)", false);
    row("no equals sign", 0, "2000-01-01 CE 2,451,545 JDN, Saturday", false);
    row("not canonical", 0, "2000-1-01 CE, Saturday", false);
    row("two lines run together", 0,
        "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday2000-01-01 CE, Saturday", false);
    row("weekday of another language", 0, "2000-01-01 CE = 2,451,545 JDN, Samstag", false);
    row("distance beyond the day-number limit", 0,
        "2,100,000,000 JDN minus -10,000,000 JDN = Out of Range", true);
    row("distance within the limit reported out of range", 0,
        "2000-01-01 CE minus 1999-12-31 CE = Out of Range", false);
    row("empty", 0, "", false);
}

void SoakTest::judgeOfResultLines() {
    QFETCH(int, language);
    QFETCH(QString, line);
    QFETCH(bool, wellFormed);
    GEN_TEXT::InitMessages();
    DatePr2::InitializeGlobals();
    Style style;
    style.language = static_cast<int16_t>(language);
    Shape shape{};
    const QString why = CheckResultLine(line, style, shape);
    QVERIFY2(why.isEmpty() == wellFormed,
             qPrintable(why.isEmpty() ? QStringLiteral("passed") : why));
}

void SoakTest::randomActions() {
    const uint32_t seed = qEnvironmentVariableIsSet("ORV_SOAK_SEED")
                              ? static_cast<uint32_t>(qEnvironmentVariableIntValue("ORV_SOAK_SEED"))
                              : 20261207u;
    const int count = qEnvironmentVariableIsSet("ORV_SOAK_ACTIONS")
                          ? qEnvironmentVariableIntValue("ORV_SOAK_ACTIONS")
                          : 20000;
    QElapsedTimer clock;
    clock.start();

    WindowFixture f;
    f.Start();
    Soak soak(f, seed);
    QVERIFY2(soak.failure.isEmpty(), qPrintable(soak.failure));
    for (int i = 0; i < count; ++i) {
        const bool ok = soak.Step();
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("the fixture failed at action %1: %2")
                                 .arg(soak.actions)
                                 .arg(soak.lastAction)));
        QVERIFY2(ok, qPrintable(soak.failure));
    }
    soak.CheckWholeWindow();
    QVERIFY2(soak.failure.isEmpty(), qPrintable(soak.failure));

    QCOMPARE(soak.actions, count);
    QString byNumber;
    for (std::size_t m = 1; m < soak.messagesByNumber.size(); ++m)
        byNumber += QStringLiteral(" %1:%2").arg(m).arg(soak.messagesByNumber[m]);
    qInfo("soak: messages by number%s", qPrintable(byNumber));
    // A soak whose actions never reached Compute, or whose lines were never looked at, has
    // proved nothing.
    QVERIFY(soak.resultLines > count / 50);
    QVERIFY(soak.linesChecked >= soak.resultLines);
    qInfo(
        "soak: seed %u, %d actions (%d Computes, %d questions, %d messages, %d links, %d Credits) "
        "in %.1f s; %d result lines (%d differences, %d conversions and sums, %d out of range) "
        "and %d typed lines written, %d line checks",
        seed, soak.actions, soak.computes, soak.questions, soak.messages, soak.linksOpened,
        soak.credits, static_cast<double>(clock.elapsed()) / 1000.0, soak.resultLines,
        soak.shapes[1], soak.shapes[2], soak.shapes[0], soak.typedLines, soak.linesChecked);
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
