// The output window and the clipboard; today's labels, the clock and the Today buttons.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include "WindowFixture.h"
#include "mibrexw.h"

using OrvTest::At;
using OrvTest::WindowFixture;

namespace {

const QString first = QStringLiteral("txbFirstDate");
const QString output = QStringLiteral("txbOutput");
const QString copy = QStringLiteral("cmdCopyToClipboard");

int Px(double twips) {
    return qRound(twips / 15.0);
}

// Two result lines through the window as the user makes them.
void ComputeTwoLines(const WindowFixture& f) {
    f.Type(first, QStringLiteral("2000-01-01"));
    f.Enter(first);
    f.Click(QStringLiteral("cmdClearInputWindows"));
    f.Type(first, QStringLiteral("2000-01-01"));
    f.Type(QStringLiteral("txbDateDiffDays"), QStringLiteral("10"));
    f.Enter(first);
}

const QString twoLines = QStringLiteral("2000-01-01 CE, Saturday\r\n"
                                        "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday\r\n");

// Drags the mouse over the first line of the output window.
void DragOverFirstLine(const WindowFixture& f) {
    auto* box = f.Find<QPlainTextEdit>(output);
    QTextCursor cursor(box->document());
    const QPoint from = box->cursorRect(cursor).center();
    cursor.movePosition(QTextCursor::EndOfBlock);
    const QPoint to = box->cursorRect(cursor).center();
    QWidget* view = box->viewport();
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, to);
}

// The Gregorian date of an Annus Novus intercalary day, found through the calendar library.
DatePr2::LocalNow IntercalaryDay() {
    for (int32_t year = 10516; year < 10530; ++year) {
        DateRecord rec{year, 11, 1, 'A', 0, 0};
        DateRecord back{0, 0, 0, 'A', annus_novus_date_to_jdn(&rec), 0};
        if (jdn_to_annus_novus_date(&back) == 0 && back.month == 11) {
            DateRecord gregorian{0, 0, 0, 'G', back.jdn, 0};
            jdn_to_euro_date(&gregorian);
            return At(gregorian.year, gregorian.month, gregorian.day);
        }
    }
    return At(0, 0, 0);
}

} // namespace

class OutputTest : public QObject {
    Q_OBJECT

  private slots:
    void copyWholeText();
    void copyEmptyWindow();
    void copySelectionMadeWithTheMouse();
    void copyButtonByLanguage_data();
    void copyButtonByLanguage();
    void typedTextIsCopied();
    void clearOutputWindow();
    void todayLabels_data();
    void todayLabels();
    void annusNovusLabels();
    void germanTodayLabel();
    void clockFollowsNow();
    void todayButtons_data();
    void todayButtons();
};

void OutputTest::copyWholeText() {
    WindowFixture f;
    f.Start();
    ComputeTwoLines(f);
    QCOMPARE(f.Text(output), twoLines);
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    f.Click(copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), twoLines);
    QCOMPARE(f.Text(copy), QStringLiteral("Copy to clipboard"));
    QCOMPARE(f.FocusName(), first);
}

void OutputTest::copyEmptyWindow() {
    WindowFixture f;
    f.Start();
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    f.Click(copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void OutputTest::copySelectionMadeWithTheMouse() {
    WindowFixture f;
    f.Start();
    ComputeTwoLines(f);
    auto* button = f.Find<QPushButton>(copy);
    QCOMPARE(button->geometry().x(), Px(4810));
    QCOMPARE(button->width(), Px(2500));

    DragOverFirstLine(f);
    QCOMPARE(f.Text(copy), QStringLiteral("Copy selected text to clipboard"));
    QCOMPARE(button->geometry().x(), Px(4185));
    QCOMPARE(button->width(), Px(3750));

    f.Click(copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2000-01-01 CE, Saturday"));
    QCOMPARE(f.Text(copy), QStringLiteral("Copy to clipboard"));
    QCOMPARE(button->geometry().x(), Px(4810));
    QCOMPARE(button->width(), Px(2500));
    QVERIFY(!f.Find<QPlainTextEdit>(output)->textCursor().hasSelection());
    QCOMPARE(f.FocusName(), first);
}

void OutputTest::copyButtonByLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("selection");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("widthTwips");
    QTest::addColumn<int>("leftTwips");
    QTest::newRow("English") << 0 << false << QStringLiteral("Copy to clipboard") << 2500 << 4810;
    QTest::newRow("English, selection")
        << 0 << true << QStringLiteral("Copy selected text to clipboard") << 3750 << 4185;
    QTest::newRow("German") << 1 << false << QStringLiteral("Kopieren in Zwischenablage") << 3500
                            << 4310;
    QTest::newRow("German, selection")
        << 1 << true << QStringLiteral("Kopieren ausgewählter Text in Zwischenablage") << 5000
        << 3560;
    QTest::newRow("Spanish") << 4 << false << QStringLiteral("Copie al sujetapapeles") << 3000
                             << 4560;
    QTest::newRow("Spanish, selection")
        << 4 << true << QStringLiteral("Copie el texto seleccionado al sujetapapeles") << 5000
        << 3560;
    QTest::newRow("Portuguese, selection") << 3 << true << QString() << 5000 << 3560;
}

void OutputTest::copyButtonByLanguage() {
    QFETCH(int, language);
    QFETCH(bool, selection);
    QFETCH(QString, caption);
    QFETCH(int, widthTwips);
    QFETCH(int, leftTwips);
    WindowFixture f;
    f.WriteSettings(QByteArray::number(language) + "\r\n2,45,44\r\n0,0,0\r\n");
    f.Start();
    ComputeTwoLines(f);
    // A selection made with the keyboard shows when the focus leaves the output window.
    QWidget* box = f.Find(output);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    if (selection) QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
    f.Find(first)->setFocus(Qt::MouseFocusReason);
    auto* button = f.Find<QPushButton>(copy);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->width(), Px(widthTwips));
    QCOMPARE(button->x(), Px(leftTwips));
}

void OutputTest::typedTextIsCopied() {
    WindowFixture f;
    f.Start();
    ComputeTwoLines(f);
    QWidget* box = f.Find(output);
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, QStringLiteral("my note"));
    f.Click(copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), twoLines + QStringLiteral("my note"));
}

void OutputTest::clearOutputWindow() {
    WindowFixture f;
    f.Start();
    ComputeTwoLines(f);
    f.Type(first, QStringLiteral("12"));
    f.Find(output)->setFocus(Qt::MouseFocusReason);
    f.Click(QStringLiteral("cmdClearOutputWindow"));
    QCOMPARE(f.Text(output), QString());
    QVERIFY(f.boxes.shown.isEmpty());
    QCOMPARE(f.FocusName(), first);
    auto* firstBox = f.Find<QLineEdit>(first);
    QCOMPARE(firstBox->cursorPosition(), static_cast<int>(firstBox->text().size()));
}

void OutputTest::todayLabels_data() {
    QTest::addColumn<int>("leftClicks");
    QTest::addColumn<int>("rightClicks");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("today");
    QTest::addColumn<QString>("week");
    const QString todayCe = QStringLiteral("Today is Monday,\r\n2026-12-07 CE (14:05).");
    const QString weekCe = QStringLiteral("A week from today is\r\n2026-12-14 CE.");
    const QString todayDiy = QStringLiteral("Today is Monday,\r\n2026341 (14:05).");
    const QString weekDiy = QStringLiteral("A week from today is\r\n2026348");
    QTest::newRow("CE") << 0 << 0 << QStringLiteral("lblTodaysDate") << todayCe << weekCe;
    QTest::newRow("JC") << 1 << 0 << QStringLiteral("lblTodaysDate")
                        << QStringLiteral("Today is Monday,\r\n2026-11-24 JC (14:05).")
                        << QStringLiteral("A week from today is\r\n2026-12-01 JC.");
    QTest::newRow("JDN") << 3 << 0 << QStringLiteral("lblWeekFromToday")
                         << QStringLiteral("Today is Monday,\r\n2,461,382 JDN (14:05).")
                         << QStringLiteral("A week from today is\r\n2,461,389 JDN");
    QTest::newRow("yyyyddd") << 4 << 0 << QStringLiteral("lblTodaysDate") << todayDiy << weekDiy;
    QTest::newRow("five clicks come back to CE")
        << 5 << 0 << QStringLiteral("lblWeekFromToday") << todayCe << weekCe;
    QTest::newRow("right click goes back to yyyyddd")
        << 0 << 1 << QStringLiteral("lblTodaysDate") << todayDiy << weekDiy;
    QTest::newRow("right click after one left click")
        << 1 << 1 << QStringLiteral("lblWeekFromToday") << todayCe << weekCe;
}

void OutputTest::todayLabels() {
    QFETCH(int, leftClicks);
    QFETCH(int, rightClicks);
    QFETCH(QString, label);
    QFETCH(QString, today);
    QFETCH(QString, week);
    WindowFixture f;
    f.Start();
    for (int i = 0; i < leftClicks; ++i)
        f.Click(label);
    for (int i = 0; i < rightClicks; ++i)
        f.Click(label, Qt::RightButton);
    QCOMPARE(f.Text(QStringLiteral("lblTodaysDate")), today);
    QCOMPARE(f.Text(QStringLiteral("lblWeekFromToday")), week);
}

void OutputTest::annusNovusLabels() {
    const DatePr2::LocalNow day = IntercalaryDay();
    QVERIFY(day.year > 0);
    WindowFixture f(day);
    f.Start();
    f.Click(QStringLiteral("lblTodaysDate"));
    f.Click(QStringLiteral("lblTodaysDate"));
    QVERIFY(f.Text(QStringLiteral("lblTodaysDate"))
                .startsWith(QStringLiteral("Today is Intercalarius,\r\n")));
    QVERIFY(f.Text(QStringLiteral("lblTodaysDate")).endsWith(QStringLiteral("-11-01 AN (14:05).")));
    // Five days on: the fifth day of Primus of the next year.
    QVERIFY(f.Text(QStringLiteral("lblWeekFromToday"))
                .startsWith(QStringLiteral("A (5-day) week from today is\r\n")));
    QVERIFY(f.Text(QStringLiteral("lblWeekFromToday")).endsWith(QStringLiteral("-01-05 AN.")));
}

void OutputTest::germanTodayLabel() {
    WindowFixture f;
    f.WriteSettings("1\r\n1,46,44\r\n0,0,0\r\n");
    f.Start();
    QCOMPARE(f.Text(QStringLiteral("lblTodaysDate")),
             QStringLiteral("Heute ist Montag,\r\nder 07.12.2026 CE (14:05)."));
    QCOMPARE(f.Text(QStringLiteral("lblWeekFromToday")),
             QStringLiteral("Eine Woche weiter als heute ist\r\nder 14.12.2026 CE."));
}

void OutputTest::clockFollowsNow() {
    WindowFixture f;
    f.Start();
    f.SetNow(At(2026, 12, 7, 23, 59));
    QTRY_COMPARE_WITH_TIMEOUT(f.Text(QStringLiteral("lblTodaysDate")),
                              QStringLiteral("Today is Monday,\r\n2026-12-07 CE (23:59)."), 3000);
}

void OutputTest::todayButtons_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("thousands");
    QTest::addColumn<QString>("text");
    QTest::newRow("first, CE") << 0 << QStringLiteral("CE") << 44 << QStringLiteral("2026-12-07");
    QTest::newRow("second, JC") << 1 << QStringLiteral("JC") << 44 << QStringLiteral("2026-11-24");
    QTest::newRow("second, JDN without separator")
        << 1 << QStringLiteral("JDN") << 0 << QStringLiteral("2461382");
    QTest::newRow("first, JDN with dots")
        << 0 << QStringLiteral("JDN") << 46 << QStringLiteral("2.461.382");
    QTest::newRow("first, yyyyddd")
        << 0 << QStringLiteral("DIY") << 44 << QStringLiteral("2026341");
}

void OutputTest::todayButtons() {
    QFETCH(int, index);
    QFETCH(QString, kind);
    QFETCH(int, thousands);
    QFETCH(QString, text);
    WindowFixture f;
    f.WriteSettings("0\r\n2,45," + QByteArray::number(thousands) + "\r\n0,0,0\r\n");
    f.Start();
    const QString window = index == 0 ? first : QStringLiteral("txbSecondDate");
    f.Choose((index == 0 ? QStringLiteral("optFirstDateIs") : QStringLiteral("optSecondDateIs")) +
             kind);
    f.Type(window, QStringLiteral("1"));
    f.Type(QStringLiteral("txbDateDiffDays"), QStringLiteral("7"));
    f.Click(QStringLiteral("cmdToday(%1)").arg(index));
    QCOMPARE(f.Text(window), text);
    QCOMPARE(f.Text(QStringLiteral("txbDateDiffDays")), QString());
    QCOMPARE(f.FocusName(), window);
}

QTEST_MAIN(OutputTest)
#include "tst_frmMain_output.moc"
