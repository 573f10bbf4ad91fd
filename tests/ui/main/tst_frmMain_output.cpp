// The output window and the clipboard; today's labels and the clock.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>

#include "WindowFixture.h"

using OrvTest::At;
using OrvTest::first;
using OrvTest::output;
using OrvTest::WindowFixture;

namespace {

const QString copy = QStringLiteral("cmdCopyToClipboard");
const QString twoLines = QStringLiteral("2000-01-01 CE, Saturday\r\n"
                                        "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday\r\n");

// Two result lines through the window as the user makes them.
void ComputeTwoLines(const WindowFixture& f) {
    for (const char* inputs : {"2000-01-01||", "2000-01-01|10|"}) {
        f.Click(QStringLiteral("cmdClearInputWindows"));
        f.Fill(QString::fromLatin1(inputs));
        f.Enter(first);
    }
}

// The caption, width and left edge of the copy button, and the expected ones from twips.
QString CopyButton(const WindowFixture& f) {
    const QWidget* button = f.Find(copy);
    return QStringLiteral("%1|%2|%3").arg(f.Text(copy)).arg(button->width()).arg(button->x());
}
QString Button(const char* caption, int widthTwips, int leftTwips) {
    return QStringLiteral("%1|%2|%3")
        .arg(QString::fromUtf8(caption))
        .arg(qRound(widthTwips / 15.0))
        .arg(qRound(leftTwips / 15.0));
}

} // namespace

// The today labels after left and right clicks on a label, for a "now".
struct Labels {
    DatePr2::LocalNow now;
    const char* label;
    int left, right;
    const char *today, *week;
};
Q_DECLARE_METATYPE(Labels)

class OutputTest : public QObject {
    Q_OBJECT

  private slots:
    void copySelectionThenWholeText() {
        WindowFixture f;
        f.Start();
        ComputeTwoLines(f);
        auto* box = f.Find<QPlainTextEdit>(output);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("my note"));
        QCOMPARE(CopyButton(f), Button("Copy to clipboard", 2500, 4810));
        // Drag over the first line: the button changes when the mouse button is released.
        QTextCursor cursor(box->document());
        const QPoint from = box->cursorRect(cursor).center();
        cursor.movePosition(QTextCursor::EndOfBlock);
        const QPoint to = box->cursorRect(cursor).center();
        QTest::mousePress(box->viewport(), Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, box->viewport()->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box->viewport(), &move);
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(CopyButton(f), Button("Copy selected text to clipboard", 3750, 4185));

        f.Click(copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2000-01-01 CE, Saturday"));
        QCOMPARE(CopyButton(f), Button("Copy to clipboard", 2500, 4810));
        QVERIFY(!box->textCursor().hasSelection());
        QCOMPARE(f.FocusName(), first);
        // Nothing selected: the whole text, CR LF and what the user typed included.
        f.Click(copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), twoLines + QStringLiteral("my note"));
    }

    void copyButtonByLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("selection");
        QTest::addColumn<QString>("button");
        QTest::newRow("German") << 1 << false << Button("Kopieren in Zwischenablage", 3500, 4310);
        QTest::newRow("German, selection")
            << 1 << true << Button("Kopieren ausgewählter Text in Zwischenablage", 5000, 3560);
        QTest::newRow("Spanish") << 4 << false << Button("Copie al sujetapapeles", 3000, 4560);
        QTest::newRow("Portuguese, selection") << 3 << true << Button("", 5000, 3560);
    }
    void copyButtonByLanguage() {
        QFETCH(int, language);
        QFETCH(bool, selection);
        QFETCH(QString, button);
        WindowFixture f;
        f.StartIn(language);
        ComputeTwoLines(f);
        // A selection made with the keyboard shows when the focus leaves the output window.
        QWidget* box = f.Find(output);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
        if (selection) QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        f.Find(first)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(CopyButton(f), button);
    }

    void clearOutputWindow() {
        WindowFixture f;
        f.Start();
        ComputeTwoLines(f);
        f.Type(first, QStringLiteral("12"));
        f.Find(output)->setFocus(Qt::MouseFocusReason);
        f.Click(QStringLiteral("cmdClearOutputWindow"));
        QCOMPARE(f.Text(output), QString());
        QVERIFY(f.boxes.shown.isEmpty());
        QCOMPARE(f.FocusName(), first);
        QCOMPARE(f.Find<QLineEdit>(first)->cursorPosition(), 12);
        // An empty output window copies an empty text.
        QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
        f.Click(copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    // clang-format off
    void todayLabels_data() {
        QTest::addColumn<Labels>("l");
        const DatePr2::LocalNow monday = At(2026, 12, 7);
        QTest::newRow("JDN, three clicks") << Labels{monday, "lblWeekFromToday", 3, 0,
            "Today is Monday,\r\n2,461,382 JDN (14:05).", "A week from today is\r\n2,461,389 JDN"};
        QTest::newRow("yyyyddd, one right click") << Labels{monday, "lblTodaysDate", 0, 1,
            "Today is Monday,\r\n2026341 (14:05).", "A week from today is\r\n2026348"};
        QTest::newRow("five clicks come back to CE") << Labels{monday, "lblWeekFromToday", 5, 0,
            "Today is Monday,\r\n2026-12-07 CE (14:05).", "A week from today is\r\n2026-12-14 CE."};
        QTest::newRow("AN on Intercalarius") << Labels{At(2024, 12, 31), "lblTodaysDate", 2, 0,
            "Today is Intercalarius,\r\n10543-11-01 AN (14:05).",
            "A (5-day) week from today is\r\n10544-01-05 AN."};
    }
    // clang-format on
    void todayLabels() {
        QFETCH(Labels, l);
        WindowFixture f(l.now);
        f.Start();
        for (int i = 0; i < l.left + l.right; ++i)
            f.Click(QString::fromLatin1(l.label), i < l.left ? Qt::LeftButton : Qt::RightButton);
        QCOMPARE(f.Text(QStringLiteral("lblTodaysDate")), QString::fromUtf8(l.today));
        QCOMPARE(f.Text(QStringLiteral("lblWeekFromToday")), QString::fromUtf8(l.week));
    }

    void clockFollowsNow() {
        WindowFixture f;
        f.Start();
        f.SetNow(At(2026, 12, 7, 23, 59));
        QTRY_COMPARE_WITH_TIMEOUT(f.Text(QStringLiteral("lblTodaysDate")),
                                  QStringLiteral("Today is Monday,\r\n2026-12-07 CE (23:59)."),
                                  3000);
    }
};

QTEST_MAIN(OutputTest)
#include "tst_frmMain_output.moc"
