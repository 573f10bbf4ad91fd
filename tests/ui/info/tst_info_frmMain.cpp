// The information windows and the link labels as the user reaches them: through the buttons
// and labels of the real main window.
#include "WindowFixture.h"

#include "ui/info/InfoTexts.h"
#include "ui/info/weblink.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

using OrvTest::BoxKind;
using OrvTest::WindowFixture;

namespace {

const char* const launchFailure = "Error launching web browser. Please make sure that your web "
                                  "browser is correctly installed and configured";

QWidget* InfoWindow(const WindowFixture& f, const char* name) {
    return f.Window()->findChild<QWidget*>(QString::fromLatin1(name));
}

} // namespace

class InfoFromMainTest : public QObject {
    Q_OBJECT

private slots:
    void builtOnFirstClickOnly() {
        WindowFixture f;
        f.Start();
        for (const char* name : {"frmHelp", "frmCalendars", "frmCredits"})
            QVERIFY2(InfoWindow(f, name) == nullptr, name);

        f.Click(QStringLiteral("cmdCalendars"));
        QVERIFY(InfoWindow(f, "frmCalendars") != nullptr);
        QVERIFY(InfoWindow(f, "frmHelp") == nullptr);
        f.Click(QStringLiteral("cmdHelp"));
        QVERIFY(InfoWindow(f, "frmHelp") != nullptr);
        QVERIFY(InfoWindow(f, "frmCredits") == nullptr);
        // The main window stays usable beside them.
        f.Replace(QStringLiteral("txbFirstDate"), QStringLiteral("2000-01-01"));
        QCOMPARE(f.Text(QStringLiteral("txbFirstDate")), QStringLiteral("2000-01-01"));
    }

    void closeReturnsToTheFirstDate_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("help") << "cmdHelp" << "frmHelp";
        QTest::newRow("calendars") << "cmdCalendars" << "frmCalendars";
        QTest::newRow("credits") << "cmdCredits" << "frmCredits";
    }

    void closeReturnsToTheFirstDate() {
        QFETCH(QString, button);
        QFETCH(QString, window);
        WindowFixture f;
        f.Start();
        f.Replace(QStringLiteral("txbFirstDate"), QStringLiteral("2000-01-01"));
        auto* first = f.Find<QLineEdit>(QStringLiteral("txbFirstDate"));
        first->setCursorPosition(0);

        bool closedModal = false;
        if (window == QLatin1String("frmCredits")) {
            f.ExpectModal([&closedModal](QWidget* modal) {
                closedModal = modal->objectName() == QLatin1String("frmCredits");
                QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdClose")),
                                  Qt::LeftButton);
            });
            f.Click(button); // returns when the modal window has closed
            QVERIFY(closedModal);
        } else {
            f.Click(button);
            QWidget* info = InfoWindow(f, qPrintable(window));
            QTRY_COMPARE(QApplication::activeWindow(), info);
            QTest::mouseClick(info->findChild<QPushButton*>(QStringLiteral("cmdClose")),
                              Qt::LeftButton);
        }

        QVERIFY(!InfoWindow(f, qPrintable(window))->isVisible());
        QTRY_COMPARE(f.FocusName(), QStringLiteral("txbFirstDate"));
        QCOMPARE(first->cursorPosition(), 10);
    }

    void linkLabels_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("opens");
        const QString home = QString::fromStdString(InfoTexts::HomePageAddress());
        const QString documentation = QString::fromStdString(InfoTexts::DocumentationAddress());
        QTest::newRow("Tessaline opens") << "lblTessaline" << home << true;
        QTest::newRow("documentation refused")
            << "lblOnlineDocumentation" << documentation << false;
    }

    void linkLabels() {
        QFETCH(QString, label);
        QFETCH(QString, address);
        QFETCH(bool, opens);
        WindowFixture f;
        f.Start();
        std::vector<std::string> offered;
        weblink::SetOpener([&offered, opens](const std::string& given) {
            offered.push_back(given);
            return opens;
        });

        const QString output = f.Text(QStringLiteral("txbOutput"));
        f.Click(label);

        QCOMPARE(offered, std::vector<std::string>{address.toStdString()});
        QCOMPARE(f.boxes.shown.size(), opens ? 0 : 1);
        if (!opens) {
            QVERIFY(f.boxes.shown[0].kind == BoxKind::Warn);
            QCOMPARE(f.boxes.shown[0].text, QString::fromLatin1(launchFailure));
        }
        // Nothing else happened, and the window goes on working.
        QCOMPARE(f.Text(QStringLiteral("txbOutput")), output);
        f.Replace(QStringLiteral("txbFirstDate"), QStringLiteral("2000-01-01"));
        QCOMPARE(f.Text(QStringLiteral("txbFirstDate")), QStringLiteral("2000-01-01"));
    }
};

QTEST_MAIN(InfoFromMainTest)
#include "tst_info_frmMain.moc"
