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

// The caption of the copy button.
QString CopyButton(const WindowFixture& f) {
    return f.Text(copy);
}
QString Button(const char* caption) {
    return QString::fromUtf8(caption);
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
        QCOMPARE(CopyButton(f), Button("Copy to clipboard"));
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
        QCOMPARE(CopyButton(f), Button("Copy selected text to clipboard"));

        f.Click(copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2000-01-01 CE, Saturday"));
        QCOMPARE(CopyButton(f), Button("Copy to clipboard"));
        QVERIFY(!box->textCursor().hasSelection());
        QCOMPARE(f.FocusName(), first);
        // Nothing selected: the whole text, CR LF and what the user typed included.
        f.Click(copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), twoLines + QStringLiteral("my note"));
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
