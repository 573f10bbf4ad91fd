// The Help, Calendars and Credits windows, opened from a stand-in main window that has the
// two controls they rely on: the output frame "Frame6" and the first date window.
#include "lang/GEN_TEXT.h"
#include "ui/info/InfoTexts.h"
#include "ui/info/InfoWindows.h"
#include "ui/main/MessageBoxes.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

int Px(int twips) { return (twips + 7) / 15; }

// Any message box would be a fault here: the information windows show none.
class ScriptedPresenter : public MessageBoxes::Presenter {
public:
    std::vector<std::string> shown;
    void Inform(const std::string&, const std::string& text) override { shown.push_back(text); }
    MessageBoxes::Answer Ask(const std::string&, const std::string& text) override {
        shown.push_back(text);
        return MessageBoxes::Answer::Cancel;
    }
    void Warn(const std::string& text) override { shown.push_back(text); }
};

struct StandInMain {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QWidget* frame6 = nullptr;
    QLineEdit* txbFirstDate = nullptr;
    QPushButton* probe = nullptr; // counts clicks that reach the main window
    int probeClicks = 0;

    explicit StandInMain(QPoint place) {
        window->setObjectName(QStringLiteral("frmMain"));
        window->setFixedSize(Px(10740), Px(7830));
        txbFirstDate = new QLineEdit(window.get());
        txbFirstDate->setObjectName(QStringLiteral("txbFirstDate"));
        txbFirstDate->setGeometry(Px(1575), Px(2430), Px(2055), Px(330));
        probe = new QPushButton(QStringLiteral("probe"), window.get());
        probe->setGeometry(Px(8925), Px(735), Px(1590), Px(270));
        QObject::connect(probe, &QPushButton::clicked, [this] { ++probeClicks; });
        frame6 = new QWidget(window.get());
        frame6->setObjectName(QStringLiteral("Frame6"));
        frame6->setGeometry(Px(105), Px(5355), Px(10530), Px(2745));
        window->move(place);
        window->show();
    }
};

// Through the window system, where modal windows block input, unlike a click sent to the
// widget itself.
void ClickAsUser(QWidget* button) {
    QTest::mouseClick(button->window()->windowHandle(), Qt::LeftButton, {},
                      button->mapTo(button->window(), button->rect().center()));
}

// What a test sees of a window: read while a modal Credits window is still open.
struct Seen {
    bool opened = false;
    bool modalOverMain = false;
    int probeClicksWhileOpen = 0;
    QRect frame;
    QSize client;
    QRect message;
    QRect close;
    QString caption;
    QString closeCaption;
    QString text;
    int caret = -1;
    int scrolled = -1;
    Qt::ScrollBarPolicy scrollBar = Qt::ScrollBarAsNeeded;
    QColor background;
};

Seen Look(QWidget* window) {
    Seen seen;
    seen.opened = window->isVisible();
    seen.frame = window->frameGeometry();
    seen.client = window->size();
    auto* txbMsg = window->findChild<QPlainTextEdit*>(QStringLiteral("txbMsg"));
    auto* cmdClose = window->findChild<QPushButton*>(QStringLiteral("cmdClose"));
    if (txbMsg == nullptr || cmdClose == nullptr) return seen;
    seen.message = txbMsg->geometry();
    seen.close = cmdClose->geometry();
    seen.caption = window->windowTitle();
    seen.closeCaption = cmdClose->text();
    seen.text = txbMsg->toPlainText();
    seen.caret = txbMsg->textCursor().position();
    seen.scrolled = txbMsg->verticalScrollBar()->value();
    seen.scrollBar = txbMsg->verticalScrollBarPolicy();
    seen.background = txbMsg->palette().color(QPalette::Active, QPalette::Base);
    return seen;
}

// Opens Credits modally; while it is open a timer records what it shows, tries a click on
// the main window and presses cmdClose. A watchdog ends a run that never closes, so a fault
// fails the test instead of hanging it. Returns false on the watchdog.
bool RunCredits(StandInMain& main, Seen& seen) {
    seen = Seen();
    bool timedOut = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* credits = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (credits == nullptr || !credits->isVisible() || seen.opened) return;
        seen = Look(credits);
        seen.modalOverMain = credits->parentWidget() == main.window.get();
        const int before = main.probeClicks;
        ClickAsUser(main.probe);
        seen.probeClicksWhileOpen = main.probeClicks - before;
        if (auto* cmdClose = credits->findChild<QPushButton*>(QStringLiteral("cmdClose")))
            QTest::mouseClick(cmdClose, Qt::LeftButton);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) open->reject();
    });
    poll.start();
    watchdog.start(5000);
    InfoWindows::ShowCredits(main.window.get());
    return !timedOut;
}

QWidget* Find(const StandInMain& main, const QString& name) {
    return main.window->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

void Open(const QString& name, StandInMain& main) {
    if (name == QLatin1String("frmHelp"))
        InfoWindows::ShowHelp(main.window.get());
    else
        InfoWindows::ShowCalendars(main.window.get());
}

QString Shown(const std::string& tableText) {
    return QString::fromStdString(tableText).replace(QStringLiteral("\r\n"),
                                                     QStringLiteral("\n"));
}

InfoTexts::Table TableOf(const QString& name) {
    if (name == QLatin1String("frmHelp")) return InfoTexts::HelpTexts();
    if (name == QLatin1String("frmCalendars")) return InfoTexts::CalendarsTexts();
    return InfoTexts::CreditsTexts();
}

} // namespace

class tst_InfoWindows : public QObject {
    Q_OBJECT

    ScriptedPresenter presenter;
    int closeCalls = 0;
    bool windowHiddenAtClose = false;
    std::unique_ptr<StandInMain> main;

private slots:
    void initTestCase() {
        GEN_TEXT::InitMessages();
        MessageBoxes::SetPresenter(&presenter);
    }

    void init() {
        GEN_TEXT::currentLanguage = GEN_TEXT::langEnglish;
        closeCalls = 0;
        windowHiddenAtClose = false;
        main = std::make_unique<StandInMain>(QPoint(240, 160));
        QVERIFY(QTest::qWaitForWindowExposed(main->window.get()));
        InfoWindows::SetOnClose([this] {
            ++closeCalls;
            windowHiddenAtClose = QApplication::activeModalWidget() == nullptr;
            const auto shown = main->window->findChildren<QDialog*>();
            for (const QDialog* info : shown) windowHiddenAtClose &= !info->isVisible();
            main->txbFirstDate->setFocus();
        });
    }

    void cleanup() {
        InfoWindows::SetOnClose({});
        main.reset();
        QVERIFY2(presenter.shown.empty(), "an information window showed a message box");
    }

    void textsByLanguage_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("closeCaption");
        QTest::addColumn<int>("slot"); // the table slot shown; -1 for an empty box
        QTest::addColumn<QString>("opening");

        const QString help = QStringLiteral("frmHelp");
        const QString cal = QStringLiteral("frmCalendars");
        const QString credits = QStringLiteral("frmCredits");
        QTest::newRow("help English") << help << 0 << "ORV Help" << "Close" << 0
                                      << "A Common Era (CE) date is a date in the Gregorian";
        QTest::newRow("help German") << help << 1 << "ORV Hilfe" << "Schliessen" << 1
                                     << "Ein Datum im (engl.) \"Common Era\" Kalender";
        QTest::newRow("help French") << help << 2 << "ORV ???" << "???" << -1 << "";
        QTest::newRow("help Portuguese") << help << 3 << "ORV Ajuda" << "Fechar" << -1 << "";
        QTest::newRow("help Spanish") << help << 4 << "ORV Ayuda" << "Cerrar" << 4
                                      << "Una fecha de la Era Común (CE) es una fecha";
        QTest::newRow("help slot 5") << help << 5 << "ORV " << "" << -1 << "";
        QTest::newRow("help beyond the slots") << help << 6 << "ORV " << "" << -1 << "";
        QTest::newRow("help negative language") << help << -1 << "ORV " << "" << -1 << "";
        QTest::newRow("calendars English") << cal << 0 << "ORV Calendars" << "Close" << 0
                                           << "This software implements three calendars:";
        QTest::newRow("calendars German") << cal << 1 << "ORV Kalender" << "Schliessen" << 1
                                          << "Diese Software implementiert drei";
        QTest::newRow("calendars French") << cal << 2 << "ORV " << "???" << -1 << "";
        QTest::newRow("calendars Portuguese") << cal << 3 << "ORV " << "Fechar" << -1 << "";
        QTest::newRow("calendars Spanish") << cal << 4 << "ORV Calendarios" << "Cerrar" << 4
                                           << "Este software instrumenta tres calendarios";
        QTest::newRow("credits English") << credits << 0 << "Credits" << "Close" << 0
                                         << "Design and programming (";
        QTest::newRow("credits German") << credits << 1 << "Anerkennung" << "Schliessen" << 1
                                        << "Entwicklung und Programmierung (";
        QTest::newRow("credits French") << credits << 2 << "???" << "???" << 0
                                        << "Design and programming (";
        QTest::newRow("credits Portuguese") << credits << 3 << "???" << "Fechar" << 0
                                            << "Design and programming (";
        QTest::newRow("credits Spanish") << credits << 4 << "Créditos" << "Cerrar" << 4
                                         << "Diseño y programación (";
        QTest::newRow("credits slot 5") << credits << 5 << "" << "" << -1 << "";
    }

    void textsByLanguage() {
        QFETCH(QString, window);
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, closeCaption);
        QFETCH(int, slot);
        QFETCH(QString, opening);

        GEN_TEXT::currentLanguage = static_cast<int16_t>(language);
        Seen seen;
        if (window == QLatin1String("frmCredits")) {
            QVERIFY2(RunCredits(*main, seen), "the Credits window did not close");
        } else {
            Open(window, *main);
            seen = Look(Find(*main, window));
        }
        QVERIFY(seen.opened);
        QCOMPARE(seen.caption, caption);
        QCOMPARE(seen.closeCaption, closeCaption);
        const QString expected =
            slot < 0 ? QString() : Shown(TableOf(window)[static_cast<size_t>(slot)]);
        QCOMPARE(seen.text, expected);
        QVERIFY(seen.text.startsWith(opening));
        QVERIFY2(!seen.text.contains(QLatin1Char('\r')), "a CR shows in the text");
        QCOMPARE(seen.caret, 0);
        QCOMPARE(seen.scrolled, 0);
    }

    void builtOnFirstUseAndKept() {
        const QString names[] = {QStringLiteral("frmHelp"), QStringLiteral("frmCalendars"),
                                 QStringLiteral("frmCredits")};
        for (const QString& name : names) QVERIFY(Find(*main, name) == nullptr);

        InfoWindows::ShowHelp(main->window.get());
        QWidget* help = Find(*main, names[0]);
        QVERIFY(help != nullptr);
        QVERIFY(Find(*main, names[1]) == nullptr);
        QVERIFY(Find(*main, names[2]) == nullptr);

        InfoWindows::ShowCalendars(main->window.get());
        QWidget* calendars = Find(*main, names[1]);
        QVERIFY(calendars != nullptr);
        QVERIFY(Find(*main, names[2]) == nullptr);

        Seen seen;
        QVERIFY(RunCredits(*main, seen));
        QWidget* credits = Find(*main, names[2]);
        QVERIFY(credits != nullptr);

        // Closed windows are hidden, not destroyed, and reused by the next opening, which
        // shows the language in force then.
        QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("cmdClose")),
                          Qt::LeftButton);
        QVERIFY(!help->isVisible());
        GEN_TEXT::currentLanguage = GEN_TEXT::langSpanish;
        InfoWindows::ShowHelp(main->window.get());
        InfoWindows::ShowCalendars(main->window.get());
        QVERIFY(RunCredits(*main, seen));
        QCOMPARE(help->windowTitle(), QStringLiteral("ORV Ayuda"));
        QCOMPARE(seen.caption, QStringLiteral("Créditos"));
        QCOMPARE(seen.text, Shown(InfoTexts::CreditsTexts()[GEN_TEXT::langSpanish]));
        QCOMPARE(Find(*main, names[0]), help);
        QCOMPARE(Find(*main, names[1]), calendars);
        QCOMPARE(Find(*main, names[2]), credits);
        QCOMPARE(main->window->findChildren<QDialog*>().size(), 3);
        QVERIFY(help->isVisible());
    }

    void refreshedOnActivation_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("germanCaption");
        QTest::addColumn<QString>("spanishCaption");
        QTest::newRow("help") << "frmHelp" << "ORV Hilfe" << "ORV Ayuda";
        QTest::newRow("calendars") << "frmCalendars" << "ORV Kalender" << "ORV Calendarios";
    }

    void refreshedOnActivation() {
        QFETCH(QString, window);
        QFETCH(QString, germanCaption);
        QFETCH(QString, spanishCaption);
        Open(window, *main);
        QWidget* info = Find(*main, window);
        QTRY_COMPARE(QApplication::activeWindow(), info);
        auto* txbMsg = info->findChild<QPlainTextEdit*>(QStringLiteral("txbMsg"));

        const std::pair<int16_t, QString> steps[] = {{GEN_TEXT::langGerman, germanCaption},
                                                     {GEN_TEXT::langSpanish, spanishCaption}};
        for (const auto& [language, caption] : steps) {
            // The user reads on to the end, then changes the language in the main window.
            txbMsg->moveCursor(QTextCursor::End);
            txbMsg->verticalScrollBar()->setValue(txbMsg->verticalScrollBar()->maximum());
            QVERIFY(txbMsg->verticalScrollBar()->value() > 0);
            main->window->windowHandle()->requestActivate();
            QTRY_COMPARE(QApplication::activeWindow(), main->window.get());
            GEN_TEXT::currentLanguage = language;
            QVERIFY(info->windowTitle() != caption);

            // As a click on its title bar does.
            info->windowHandle()->requestActivate();
            QTRY_COMPARE(QApplication::activeWindow(), info);
            const Seen seen = Look(info);
            QCOMPARE(seen.caption, caption);
            QCOMPARE(seen.text, Shown(TableOf(window)[static_cast<size_t>(language)]));
            QCOMPARE(seen.caret, 0);
            QCOMPARE(seen.scrolled, 0);
        }
    }

    void closeHidesAndCallsBack_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how");
        for (const char* window : {"frmHelp", "frmCalendars"}) {
            for (const char* how : {"cmdClose", "Escape", "title bar"})
                QTest::addRow("%s by %s", window, how) << window << how;
        }
    }

    void closeHidesAndCallsBack() {
        QFETCH(QString, window);
        QFETCH(QString, how);
        Open(window, *main);
        QWidget* info = Find(*main, window);
        QTRY_COMPARE(QApplication::activeWindow(), info);
        QCOMPARE(closeCalls, 0);

        if (how == QLatin1String("cmdClose"))
            QTest::mouseClick(info->findChild<QPushButton*>(QStringLiteral("cmdClose")),
                              Qt::LeftButton);
        else if (how == QLatin1String("Escape"))
            QTest::keyClick(info, Qt::Key_Escape);
        else
            QVERIFY(info->close());

        QVERIFY(!info->isVisible());
        QCOMPARE(closeCalls, 1);
        QVERIFY(windowHiddenAtClose);
        QCOMPARE(Find(*main, window), info);
    }

    void placedBesideMainWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("message");
        QTest::addColumn<QRect>("close");
        // Twips at 15 a pixel.
        QTest::newRow("help") << "frmHelp" << QSize(568, 353) << QRect(7, 8, 547, 303)
                              << QRect(238, 322, 81, 25);
        QTest::newRow("calendars") << "frmCalendars" << QSize(580, 387) << QRect(8, 7, 562, 339)
                                   << QRect(245, 357, 81, 25);
    }

    void placedBesideMainWindow() {
        QFETCH(QString, window);
        QFETCH(QSize, client);
        QFETCH(QRect, message);
        QFETCH(QRect, close);
        Open(window, *main);
        QWidget* info = Find(*main, window);
        QVERIFY(QTest::qWaitForWindowExposed(info));

        // 2900 twips right of and 3100 twips below the main window's corner.
        const QPoint corner = main->window->frameGeometry().topLeft();
        QCOMPARE(info->frameGeometry().topLeft(), corner + QPoint(193, 207));
        QCOMPARE(info->size(), client);
        const Seen seen = Look(info);
        QCOMPARE(seen.message, message);
        QCOMPARE(seen.close, close);
        QCOMPARE(seen.scrollBar, Qt::ScrollBarAlwaysOn);
        QCOMPARE(seen.background, QColor(Qt::white));
        QVERIFY(info->windowFlags() & Qt::WindowMinimizeButtonHint);

        // Non-modal: the main window goes on taking clicks.
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        ClickAsUser(main->probe);
        QCOMPARE(main->probeClicks, 1);
    }

    void minimisedRestoredInPlaceOpenMovedBack_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("help") << "frmHelp";
        QTest::newRow("calendars") << "frmCalendars";
    }

    void minimisedRestoredInPlaceOpenMovedBack() {
        QFETCH(QString, window);
        Open(window, *main);
        QWidget* info = Find(*main, window);
        QVERIFY(QTest::qWaitForWindowExposed(info));
        const QPoint home = main->window->frameGeometry().topLeft() + QPoint(193, 207);
        QCOMPARE(info->frameGeometry().topLeft(), home);

        // The user drags it elsewhere and minimises it.
        const QPoint dragged = home + QPoint(61, 37);
        info->move(dragged);
        QTRY_COMPARE(info->frameGeometry().topLeft(), dragged);
        info->setWindowState(info->windowState() | Qt::WindowMinimized);
        QTRY_VERIFY(info->isMinimized());

        Open(window, *main);
        QTRY_VERIFY(!info->isMinimized());
        QVERIFY(info->isVisible());
        QCOMPARE(info->frameGeometry().topLeft(), dragged);

        // Open and not minimised: back to its place beside the main window.
        Open(window, *main);
        QTRY_COMPARE(info->frameGeometry().topLeft(), home);
        QVERIFY(info->isVisible());

        // It follows the main window to where that is now.
        main->window->move(main->window->pos() + QPoint(-40, 25));
        QTRY_COMPARE(main->window->frameGeometry().topLeft(), QPoint(200, 185));
        Open(window, *main);
        QTRY_COMPARE(info->frameGeometry().topLeft(), QPoint(200 + 193, 185 + 207));
    }

    void creditsPlaceAndSizes_data() {
        QTest::addColumn<QPoint>("mainPlace");
        QTest::newRow("main near the corner") << QPoint(10, 20);
        QTest::newRow("main further down") << QPoint(330, 290);
    }

    void creditsPlaceAndSizes() {
        QFETCH(QPoint, mainPlace);
        main->window->move(mainPlace);
        QTRY_COMPARE(main->window->frameGeometry().topLeft(), mainPlace);

        Seen seen;
        QVERIFY2(RunCredits(*main, seen), "the Credits window did not close");
        QVERIFY(seen.opened);
        QVERIFY(seen.modalOverMain);
        QCOMPARE(seen.probeClicksWhileOpen, 0);

        // 360 twips below the top of the output area, as the user sees it on the screen.
        const int outputTop = main->frame6->mapToGlobal(QPoint(0, 0)).y();
        QCOMPARE(seen.frame.top(), outputTop + 24);
        const QRect mainFrame = main->window->frameGeometry();
        QCOMPARE(seen.frame.left(), mainFrame.left() + (mainFrame.width() - seen.frame.width()) / 2);
        QCOMPARE(seen.client.width(), 485); // 7275 twips
        QCOMPARE(seen.frame.height(), 147); // 2200 twips, title bar and borders included
        QCOMPARE(seen.message, QRect(8, 8, 463, 80));
        QCOMPARE(seen.close, QRect(196, 91, 81, 25)); // 50 twips below txbMsg
        QCOMPARE(seen.scrollBar, Qt::ScrollBarAlwaysOff);
        QCOMPARE(seen.background, QColor(192, 192, 192));

        // Told once that it closed, when it was already hidden.
        QCOMPARE(closeCalls, 1);
        QVERIFY(windowHiddenAtClose);
    }
};

QTEST_MAIN(tst_InfoWindows)
#include "tst_infowindows.moc"
