// The information windows as the user reaches them from the real main window: the Help,
// Calendars and Credits windows, and the desktop's browser behind the link labels.
#include "WindowFixture.h"

#include "app/InfoTexts.h"
#include "lang/GEN_TEXT.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

namespace {

// Through the window system, where a modal window blocks input, unlike a click sent to the
// widget itself.
void ClickAsUser(QWidget* button) {
    QTest::mouseClick(button->window()->windowHandle(), Qt::LeftButton, {},
                      button->mapTo(button->window(), button->rect().center()));
}

QString Shown(const std::string& t) {
    return QString::fromStdString(t).replace("\r\n", "\n");
}

} // namespace

class tst_InfoWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<OrvTest::WindowFixture> f;
    QList<QUrl> browsed;

    // Clicks the window's button. Credits is modal: from inside its own event loop, a click on
    // the main window's button that clears the second date is tried before Close is pressed.
    QWidget* Open(const QString& name) {
        if (name == "Credits") {
            QTimer::singleShot(0, this, [this] {
                QWidget* credits = QApplication::activeModalWidget();
                QVERIFY(credits != nullptr && credits->parentWidget() == f->Window());
                ClickAsUser(f->Find("cmdClearSecondDate"));
                QTest::mouseClick(credits->findChild<QWidget*>("cmdClose"), Qt::LeftButton);
            });
        }
        f->Click("cmd" + name); // returns once a modal window has closed
        return f->Window()->findChild<QWidget*>("frm" + name);
    }

    // Close hides the window and puts the caret at the end of the first date window.
    void ExpectBackInTheFirstDate(QWidget* info) {
        QVERIFY(!info->isVisible());
        QTRY_COMPARE(f->FocusName(), "txbFirstDate");
        QCOMPARE(f->Find<QLineEdit>("txbFirstDate")->cursorPosition(), 10);
    }

  public:
    Q_INVOKABLE void Browse(const QUrl& url) { browsed.append(url); } // the desktop's browser

  private slots:
    void init() {
        f = std::make_unique<OrvTest::WindowFixture>();
        f->Start();
        f->Fill("2000-01-01||2000-01-02");
        f->Find<QLineEdit>("txbFirstDate")->setCursorPosition(0);
    }
    void cleanup() { f.reset(); }

    // By language: the captions of Help, Calendars, Credits and Close, and the table slot
    // shown by each (-1: an empty box). Each window is built by the first click on its
    // button, not at start-up. German is the activation test's.
    void textsByLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("fr") << 2 << "ORV ???|ORV |???|???" << QList{-1, -1, 0};
        QTest::newRow("es") << 4 << "ORV Ayuda|ORV Calendarios|Créditos|Cerrar" << QList{4, 4, 4};
    }
    void textsByLanguage() {
        QFETCH(int, language);
        QFETCH(QList<int>, shown);
        GEN_TEXT::currentLanguage = static_cast<int16_t>(language);
        const InfoTexts::Table tables[] = {InfoTexts::HelpTexts(), InfoTexts::CalendarsTexts(),
                                           InfoTexts::CreditsTexts()};
        QStringList captions;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f->Window()->findChildren<QDialog*>().size(), i);
            QWidget* info = Open(QStringList{"Help", "Calendars", "Credits"}[i]);
            captions << info->windowTitle();
            QCOMPARE(info->findChild<QPlainTextEdit*>("txbMsg")->toPlainText(),
                     shown[i] < 0 ? QString() : Shown(tables[i][size_t(shown[i])]));
        }
        captions << f->Window()->findChild<QPushButton*>("cmdClose")->text();
        QTEST(captions.join('|'), "captions");
        // Credits was modal over the main window: the click there did nothing.
        QCOMPARE(f->Text("txbSecondDate"), "2000-01-02");
        ExpectBackInTheFirstDate(f->Window()->findChild<QWidget*>("frmCredits"));
    }

    // Caption and text follow the language whenever the window becomes active, with the caret
    // and the view back at the start, and the line there is read out.
    void refreshedOnActivation() {
        QWidget* help = Open("Help");
        QTRY_COMPARE(QApplication::activeWindow(), help);
        auto* text = help->findChild<QPlainTextEdit*>("txbMsg");
        text->moveCursor(QTextCursor::End);
        QVERIFY(text->verticalScrollBar()->value() > 0);
        f->Window()->windowHandle()->requestActivate();
        QTRY_COMPARE(QApplication::activeWindow(), f->Window());
        GEN_TEXT::currentLanguage = GEN_TEXT::langGerman;
        help->windowHandle()->requestActivate(); // as a click on its title bar does
        QTRY_COMPARE(help->windowTitle(), "ORV Hilfe");
        QCOMPARE(text->toPlainText(), Shown(InfoTexts::HelpTexts()[GEN_TEXT::langGerman]));
        QCOMPARE(text->textCursor().position(), 0);
        QCOMPARE(text->verticalScrollBar()->value(), 0);
        QCOMPARE(QAccessible::queryAccessibleInterface(help->findChild<QWidget*>("notifier"))
                     ->text(QAccessible::Name),
                 text->document()->firstBlock().text().simplified());
    }

    // Non-modal: the main window takes clicks while it is open. The button brings a minimised
    // window back; each way of closing (Close, Escape, the title bar) puts the caret back in
    // the first date window.
    void besideMainWindow() {
        QWidget* help = Open("Help");
        QVERIFY(QTest::qWaitForWindowExposed(help));
        ClickAsUser(f->Find("cmdClearSecondDate"));
        QCOMPARE(f->Text("txbSecondDate"), "");
        help->setWindowState(help->windowState() | Qt::WindowMinimized);
        QTRY_VERIFY(help->isMinimized());
        QCOMPARE(Open("Help"), help);
        QTRY_VERIFY(!help->isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), help);
        QTest::mouseClick(help->findChild<QWidget*>("cmdClose"), Qt::LeftButton);
        ExpectBackInTheFirstDate(help);
        QWidget* calendars = Open("Calendars");
        QTRY_COMPARE(QApplication::activeWindow(), calendars);
        QTest::keyClick(calendars, Qt::Key_Escape);
        ExpectBackInTheFirstDate(calendars);
        QVERIFY(Open("Help")->close());
        ExpectBackInTheFirstDate(help);
    }

    // Without an opener of the program's own, the address goes to the desktop's browser.
    void linkThroughTheDesktop() {
        QDesktopServices::setUrlHandler("https", this, "Browse");
        f->Click("lblTessaline");
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(browsed, QList{QUrl("https://tessaline.example/")});
        QVERIFY(f->boxes.shown.isEmpty());
    }
};

QTEST_MAIN(tst_InfoWindows)
#include "tst_infowindows.moc"
