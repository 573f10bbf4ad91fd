// weblink::OpenWebPage with a scripted opener and message presenter: the address reaches the
// opener unchanged, a refusal gives exactly one warning, and the window stays usable.
#include "ui/info/InfoTexts.h"
#include "ui/info/weblink.h"
#include "lang/GEN_TEXT.h"
#include "ui/main/MessageBoxes.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QUrl>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const launchFailure = "Error launching web browser. Please make sure that your web "
                                  "browser is correctly installed and configured";

class ScriptedPresenter : public MessageBoxes::Presenter {
public:
    std::vector<std::string> informed;
    std::vector<std::string> asked;
    std::vector<std::string> warned;
    void Inform(const std::string&, const std::string& text) override { informed.push_back(text); }
    MessageBoxes::Answer Ask(const std::string&, const std::string& text) override {
        asked.push_back(text);
        return MessageBoxes::Answer::Cancel;
    }
    void Warn(const std::string& text) override { warned.push_back(text); }
};

} // namespace

// Stands in for the browser behind QDesktopServices.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

class tst_WebLink : public QObject {
    Q_OBJECT

    ScriptedPresenter presenter;
    std::vector<std::string> offered; // what the opener was given
    std::unique_ptr<QWidget> mainWindow;
    QLineEdit* txbFirstDate = nullptr;

private slots:
    void initTestCase() {
        GEN_TEXT::InitMessages();
        MessageBoxes::SetPresenter(&presenter);
    }

    void init() {
        presenter = ScriptedPresenter();
        offered.clear();
        mainWindow = std::make_unique<QWidget>();
        txbFirstDate = new QLineEdit(mainWindow.get());
        txbFirstDate->setObjectName(QStringLiteral("txbFirstDate"));
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
    }

    void cleanup() {
        weblink::SetOpener({});
        mainWindow.reset();
    }

    void opensTheAddress_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("clicks");
        const QString home = QString::fromStdString(InfoTexts::HomePageAddress());
        const QString documentation = QString::fromStdString(InfoTexts::DocumentationAddress());
        const QString odd = QStringLiteral("https://tessaline.example/a b?x=1&y=Übersicht#top");
        QTest::newRow("home page opens") << home << true << 1;
        QTest::newRow("documentation opens") << documentation << true << 1;
        QTest::newRow("odd characters open") << odd << true << 1;
        QTest::newRow("home page refused") << home << false << 1;
        QTest::newRow("documentation refused") << documentation << false << 1;
        QTest::newRow("empty address refused") << QString() << false << 1;
        QTest::newRow("refused twice") << home << false << 2;
        QTest::newRow("opens twice") << documentation << true << 2;
    }

    void opensTheAddress() {
        QFETCH(QString, address);
        QFETCH(bool, opens);
        QFETCH(int, clicks);
        weblink::SetOpener([this, opens](const std::string& given) {
            offered.push_back(given);
            return opens;
        });

        const std::string text = address.toStdString();
        for (int click = 0; click < clicks; ++click) weblink::OpenWebPage(text);

        QCOMPARE(offered.size(), static_cast<size_t>(clicks));
        for (const std::string& given : offered) QCOMPARE(given, text);
        // One warning per refused click, never a retry, never another kind of box.
        const std::vector<std::string> expected(opens ? 0 : static_cast<size_t>(clicks),
                                                launchFailure);
        QCOMPARE(presenter.warned, expected);
        QVERIFY(presenter.informed.empty());
        QVERIFY(presenter.asked.empty());
    }

    void windowUsableAfterRefusal() {
        weblink::SetOpener([](const std::string&) { return false; });
        txbFirstDate->setFocus();
        weblink::OpenWebPage(InfoTexts::DocumentationAddress());
        QCOMPARE(presenter.warned.size(), size_t{1});

        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(mainWindow->isVisible());
        QVERIFY(mainWindow->isEnabled());
        QTest::keyClicks(txbFirstDate, QStringLiteral("2000-01-01"));
        QCOMPARE(txbFirstDate->text(), QStringLiteral("2000-01-01"));
    }

    // Without a test's opener the address goes to the desktop's URL handling.
    void emptyOpenerRestoresDesktopServices_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("home page") << QString::fromStdString(InfoTexts::HomePageAddress());
        QTest::newRow("documentation")
            << QString::fromStdString(InfoTexts::DocumentationAddress());
    }

    void emptyOpenerRestoresDesktopServices() {
        QFETCH(QString, address);
        const QString scheme = QUrl(address).scheme();
        QVERIFY(!scheme.isEmpty());
        UrlCatcher browser;
        QDesktopServices::setUrlHandler(scheme, &browser, "Open");

        weblink::SetOpener([this](const std::string& given) {
            offered.push_back(given);
            return true;
        });
        weblink::SetOpener({});
        weblink::OpenWebPage(address.toStdString());
        QDesktopServices::unsetUrlHandler(scheme);

        QVERIFY(offered.empty());
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(address)});
        QVERIFY(presenter.warned.empty());
    }
};

QTEST_MAIN(tst_WebLink)
#include "tst_weblink.moc"
