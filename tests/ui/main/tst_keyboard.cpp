// The window from the keyboard alone: leaving the output window, undoing an edit there,
// buttons on Enter, the dates stepped with Up and Down, the labels that act as buttons.
#include <QPlainTextEdit>
#include <QTest>

#include "WindowFixture.h"
#include "ui/info/weblink.h"

using OrvTest::first;
using OrvTest::output;
using OrvTest::WindowFixture;

namespace {

// A key as QTest sends it: the key and its modifiers.
struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
using Keys = QList<Key>;

void Press(const WindowFixture& f, const QString& name, const Keys& keys) {
    QWidget* control = f.Find(name);
    if (control == nullptr) return;
    control->setFocus(Qt::TabFocusReason);
    for (const Key& key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.key, key.modifiers);
}

const QString twoLines = QStringLiteral("2000-01-01 CE, Saturday\r\n"
                                        "2000-01-01 CE plus 10 days = 2000-01-11 CE, Tuesday\r\n");

void ComputeTwoLines(const WindowFixture& f) {
    f.Click(QStringLiteral("cmdClearOutputWindow"));
    for (const char* inputs : {"2000-01-01||", "2000-01-01|10|"}) {
        f.Click(QStringLiteral("cmdClearInputWindows"));
        f.Fill(QString::fromLatin1(inputs));
        f.Enter(first);
    }
}

} // namespace

Q_DECLARE_METATYPE(Keys)

class KeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    // Where the focus goes from a control on some keys, and what the keys leave in the
    // output window.
    void focusMoves_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Tab leaves the output window")
            << output << Keys{{Qt::Key_Tab}} << QStringLiteral("lblTessaline");
        QTest::newRow("Shift+Tab leaves it backwards")
            << output << Keys{{Qt::Key_Backtab, Qt::ShiftModifier}} << QStringLiteral("cmdCompute");
        QTest::newRow("Ctrl+Tab too")
            << output << Keys{{Qt::Key_Tab, Qt::ControlModifier}} << QStringLiteral("lblTessaline");
        QTest::newRow("the today labels are on the way")
            << QStringLiteral("optSecondDateIsDIY") << Keys{{Qt::Key_Tab}, {Qt::Key_Tab}}
            << QStringLiteral("lblWeekFromToday");
    }

    void focusMoves() {
        QFETCH(QString, from);
        QFETCH(Keys, keys);
        QFETCH(QString, focus);
        WindowFixture f;
        f.Start();
        ComputeTwoLines(f);
        Press(f, from, keys);
        QCOMPARE(f.FocusName(), focus);
        QCOMPARE(f.Text(output), twoLines); // no tab typed
    }

    // Edits of the output window are undone; a result line is not an edit.
    void outputUndo_data() {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("text");
        const Key selectAll{Qt::Key_A, Qt::ControlModifier};
        const Key undo{Qt::Key_Z, Qt::ControlModifier};
        QTest::newRow("Ctrl+A, Delete, Ctrl+Z brings the lines back")
            << Keys{selectAll, {Qt::Key_Delete}, undo} << twoLines;
        QTest::newRow("Ctrl+A, Delete empties it")
            << Keys{selectAll, {Qt::Key_Delete}} << QString();
        QTest::newRow("Ctrl+Z keeps the result lines") << Keys{undo, undo} << twoLines;
    }

    void outputUndo() {
        QFETCH(Keys, keys);
        QFETCH(QString, text);
        WindowFixture f;
        f.Start();
        ComputeTwoLines(f);
        Press(f, output, keys);
        QCOMPARE(f.Text(output), text);
    }

    // Enter presses a focused button; the output window it empties can be undone.
    void enterPressesFocusedButton() {
        WindowFixture f;
        f.Start();
        ComputeTwoLines(f);
        Press(f, QStringLiteral("cmdClearOutputWindow"), {{Qt::Key_Return}});
        QCOMPARE(f.Text(output), QString());
        Press(f, output, {{Qt::Key_Z, Qt::ControlModifier}});
        QCOMPARE(f.Text(output), twoLines); // one key cannot lose every line
    }

    // Up and Down as the arrows of the date window's up-down control.
    void upDownStepDates_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("Up in the first date") << first << int{Qt::Key_Up} << "2000-01-02";
        QTest::newRow("Down in the second date")
            << OrvTest::second << int{Qt::Key_Down} << "1999-12-31";
    }

    void upDownStepDates() {
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(QString, text);
        WindowFixture f;
        f.Start();
        f.Type(window, QStringLiteral("2000-01-01"));
        Press(f, window, {{static_cast<Qt::Key>(key)}});
        QCOMPARE(f.Text(window), text);
        QCOMPARE(f.FocusName(), window);
    }

    // Keys on today's label click it as the mouse buttons do.
    void todayLabelKeys_data() {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("today");
        QTest::newRow("Space, a left click")
            << Keys{{Qt::Key_Space}} << "Today is Monday,\r\n2026-11-24 JC (14:05).";
        QTest::newRow("context-menu key, a right click")
            << Keys{{Qt::Key_Menu}} << "Today is Monday,\r\n2026341 (14:05).";
        QTest::newRow("Shift+F10, a right click")
            << Keys{{Qt::Key_F10, Qt::ShiftModifier}} << "Today is Monday,\r\n2026341 (14:05).";
    }

    void todayLabelKeys() {
        QFETCH(Keys, keys);
        QFETCH(QString, today);
        WindowFixture f;
        f.Start();
        Press(f, QStringLiteral("lblTodaysDate"), keys);
        QCOMPARE(f.Text(QStringLiteral("lblTodaysDate")), today);
    }

    void enterOpensLink() {
        WindowFixture f;
        f.Start();
        QString opened;
        weblink::SetOpener([&opened](const std::string& address) {
            opened = QString::fromStdString(address);
            return true;
        });
        Press(f, QStringLiteral("lblOnlineDocumentation"), {{Qt::Key_Return}});
        QVERIFY2(opened.startsWith(QStringLiteral("http")), qPrintable(opened));
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
