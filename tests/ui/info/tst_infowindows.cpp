// The information windows and the web links as the user reaches them: the Help, Calendars
// and Credits windows and the two link labels of the real main window.
#include "WindowFixture.h"

#include "app/InfoTexts.h"
#include "lang/GEN_TEXT.h"
#include "ui/info/weblink.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>
#include <string>
#include <vector>

// Through the window system, where a modal window blocks input, unlike a click sent to the
// widget itself.
void ClickAsUser(QWidget* button) {
    QTest::mouseClick(button->window()->windowHandle(), Qt::LeftButton, {},
                      button->mapTo(button->window(), button->rect().center()));
}
QPlainTextEdit* Msg(QWidget* info) {
    return info->findChild<QPlainTextEdit*>("txbMsg");
}
QPushButton* CloseButton(QWidget* info) {
    return info->findChild<QPushButton*>("cmdClose");
}
QString Shown(const std::string& t) {
    return QString::fromStdString(t).replace("\r\n", "\n");
}

class tst_InfoWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<OrvTest::WindowFixture> f;
    bool creditsModalOverMain = false;
    QList<QUrl> browsed;

    // Clicks the window's button. While Credits is open, a click on the main window's button
    // that clears the second date is tried before Close is pressed.
    QWidget* Open(const QString& name) {
        if (name == "Credits") {
            f->ExpectModal([this](QWidget* credits) {
                creditsModalOverMain = credits->parentWidget() == f->Window();
                ClickAsUser(f->Find("cmdClearSecondDate"));
                QTest::mouseClick(CloseButton(credits), Qt::LeftButton);
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
        f->Replace("txbSecondDate", "2000-01-02");
        f->Replace("txbFirstDate", "2000-01-01");
        f->Find<QLineEdit>("txbFirstDate")->setCursorPosition(0);
    }
    void cleanup() { f.reset(); }

    // By language: the captions of Help, Calendars, Credits and Close, and the table slot
    // shown by Help and Calendars and by Credits (-1: an empty box).
    void textsByLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("de") << 1
                            << QStringList{"ORV Hilfe", "ORV Kalender", "Anerkennung", "Schliessen"}
                            << QList<int>{1, 1, 1};
        QTest::newRow("fr") << 2 << QStringList{"ORV ???", "ORV ", "???", "???"}
                            << QList<int>{-1, -1, 0};
        QTest::newRow("es") << 4
                            << QStringList{"ORV Ayuda", "ORV Calendarios", "Créditos", "Cerrar"}
                            << QList<int>{4, 4, 4};
    }
    // Each window is built by the first click on its button, not at start-up.
    void textsByLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, shown);
        GEN_TEXT::currentLanguage = static_cast<int16_t>(language);
        const QString names[] = {"Help", "Calendars", "Credits"};
        const InfoTexts::Table tables[] = {InfoTexts::HelpTexts(), InfoTexts::CalendarsTexts(),
                                           InfoTexts::CreditsTexts()};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f->Window()->findChildren<QDialog*>().size(), i);
            QWidget* info = Open(names[i]);
            QCOMPARE(info->windowTitle() + '|' + CloseButton(info)->text(),
                     captions[i] + '|' + captions[3]);
            QCOMPARE(Msg(info)->toPlainText(),
                     shown[i] < 0 ? QString() : Shown(tables[i][size_t(shown[i])]));
        }
    }

    // Caption and text follow the language whenever the window becomes active, with the caret
    // and the view back at the start.
    void refreshedOnActivation() {
        QWidget* help = Open("Help");
        QTRY_COMPARE(QApplication::activeWindow(), help);
        QPlainTextEdit* txbMsg = Msg(help);
        txbMsg->moveCursor(QTextCursor::End);
        txbMsg->verticalScrollBar()->setValue(txbMsg->verticalScrollBar()->maximum());
        QVERIFY(txbMsg->verticalScrollBar()->value() > 0);
        f->Window()->windowHandle()->requestActivate();
        QTRY_COMPARE(QApplication::activeWindow(), f->Window());
        GEN_TEXT::currentLanguage = GEN_TEXT::langGerman;
        help->windowHandle()->requestActivate(); // as a click on its title bar does
        QTRY_COMPARE(help->windowTitle(), "ORV Hilfe");
        QCOMPARE(txbMsg->toPlainText(), Shown(InfoTexts::HelpTexts()[GEN_TEXT::langGerman]));
        QCOMPARE(txbMsg->textCursor().position(), 0);
        QCOMPARE(txbMsg->verticalScrollBar()->value(), 0);
    }

    void besideMainWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("closedBy");
        QTest::newRow("help closed by cmdClose") << "Help"
                                                 << "cmdClose";
        QTest::newRow("calendars closed by Escape") << "Calendars"
                                                    << "Escape";
        QTest::newRow("help closed by the title bar") << "Help"
                                                      << "title bar";
    }
    // Non-modal: the main window takes clicks while it is open. The button brings a minimised
    // window back; each way of closing puts the caret back in the first date window.
    void besideMainWindow() {
        QFETCH(QString, window);
        QFETCH(QString, closedBy);
        QWidget* info = Open(window);
        QVERIFY(QTest::qWaitForWindowExposed(info));
        ClickAsUser(f->Find("cmdClearSecondDate"));
        QCOMPARE(f->Text("txbSecondDate"), "");
        info->setWindowState(info->windowState() | Qt::WindowMinimized);
        QTRY_VERIFY(info->isMinimized());
        QCOMPARE(Open(window), info);
        QTRY_VERIFY(!info->isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), info);
        if (closedBy == "cmdClose") QTest::mouseClick(CloseButton(info), Qt::LeftButton);
        if (closedBy == "Escape") QTest::keyClick(info, Qt::Key_Escape);
        if (closedBy == "title bar") QVERIFY(info->close());
        ExpectBackInTheFirstDate(info);
    }

    // Modal over the main window: a click on the main window does nothing while it is open.
    void creditsModal() {
        QWidget* credits = Open("Credits");
        QVERIFY(creditsModalOverMain);
        QCOMPARE(f->Text("txbSecondDate"), "2000-01-02");
        ExpectBackInTheFirstDate(credits);
    }

    // A link label clicked after choosing an entry of cboLanguage, the opener (0: the
    // desktop's, 1: a test's that opens, 2: one that refuses) and the number of clicks.
    void linkLabels_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("opener");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Tessaline through the desktop") << "lblTessaline" << 0 << 0 << 1;
        QTest::newRow("documentation refused twice") << "lblOnlineDocumentation" << 0 << 2 << 2;
        QTest::newRow("documentation in German") << "lblOnlineDocumentation" << 1 << 1 << 1;
    }
    // The label's address reaches the opener unchanged, in any language. Each refusal shows
    // exactly one warning (no retry, no other box), nothing else happens, and the main window
    // goes on working.
    void linkLabels() {
        QFETCH(QString, label);
        QFETCH(int, language);
        QFETCH(int, opener);
        QFETCH(int, clicks);
        if (language != 0) f->ChooseLanguage(language);
        const std::string address = label == "lblTessaline" ? InfoTexts::HomePageAddress()
                                                            : InfoTexts::DocumentationAddress();
        const QUrl url(QString::fromStdString(address));
        std::vector<std::string> offered;
        weblink::SetOpener([&](const std::string& given) {
            offered.push_back(given);
            return opener == 1;
        });
        if (opener == 0) weblink::SetOpener({});
        browsed.clear();
        QDesktopServices::setUrlHandler(url.scheme(), this, "Browse");
        const QString output = f->Text("txbOutput");
        for (int click = 0; click < clicks; ++click)
            f->Click(label);
        QDesktopServices::unsetUrlHandler(url.scheme());
        weblink::SetOpener({});
        QCOMPARE(offered, std::vector<std::string>(opener == 0 ? 0 : size_t(clicks), address));
        QCOMPARE(browsed, opener == 0 ? QList<QUrl>{url} : QList<QUrl>{});
        QCOMPARE(f->boxes.shown.size(), opener == 2 ? clicks : 0);
        for (const OrvTest::Box& box : f->boxes.shown) {
            QVERIFY(box.kind == OrvTest::BoxKind::Warn);
            QCOMPARE(box.text, "Error launching web browser. Please make sure that your web "
                               "browser is correctly installed and configured");
        }
        QCOMPARE(f->Text("txbOutput"), output);
        f->Replace("txbFirstDate", "2000-01-03");
        QCOMPARE(f->Text("txbFirstDate"), "2000-01-03");
    }
};

QTEST_MAIN(tst_InfoWindows)
#include "tst_infowindows.moc"
