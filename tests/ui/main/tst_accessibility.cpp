// What a screen reader reads: the controls' names in the language in force, the labels'
// texts, and the result of Compute told without the focus leaving the first date window.
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>

#include "WindowFixture.h"

using OrvTest::first;
using OrvTest::output;
using OrvTest::WindowFixture;

namespace {

constexpr int english = 0;
constexpr int spanish = 4;

QString Read(const WindowFixture& f, const QString& name, QAccessible::Text text) {
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(f.Find(name));
    return control != nullptr ? control->text(text) : QStringLiteral("(none)");
}

// A dark desktop palette as dark themes set it.
QPalette DarkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53), base(42, 42, 42), light(230, 230, 230);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, light);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, light);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, light);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, light);
    return dark;
}

// The darkest and the lightest grey inside the round indicator of an option button.
std::pair<int, int> IndicatorGreys(QRadioButton* option) {
    QStyleOptionButton style;
    style.initFrom(option);
    const QRect indicator =
        option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
    const QImage image = option->grab(indicator).toImage();
    int darkest = 255, lightest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            darkest = std::min(darkest, grey);
            lightest = std::max(lightest, grey);
        }
    return {darkest, lightest};
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void names_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* tag, int language, const char* control, const char* name) {
            QTest::newRow(tag) << language << QString::fromLatin1(control)
                               << QString::fromUtf8(name);
        };
        row("window by its caption", english, "frmMain", "Orvandel 7.6d");
        row("button", english, "cmdCompute", "Compute");
        row("option button", english, "optDateFormatIsYMD", "year month day");
        row("label", english, "lblFirstDate", "First date:");
        row("link", english, "lblTessaline", "Tessaline");
        row("input window by its label", english, "txbDateDiffDays", "Date difference");
        row("output window", english, "txbOutput", "Output window");
        row("Spanish button", spanish, "cmdQuit", "Abandonar");
        row("Spanish option button", spanish, "optFirstDateIsCE", "Fecha de la Era Común (CE)");
        row("Spanish input window", spanish, "txbSecondDate", "Segunda fecha");
        row("Spanish output window", spanish, "txbOutput", "Ventana de salida");
    }

    void names() {
        QFETCH(int, language);
        QFETCH(QString, control);
        QFETCH(QString, name);
        WindowFixture f;
        f.StartIn(language);
        QCOMPARE(Read(f, control, QAccessible::Name), name);
    }

    void namesFollowTheLanguage() {
        WindowFixture f;
        f.Start();
        f.ChooseLanguage(2); // Spanish
        QCOMPARE(Read(f, first, QAccessible::Name), QStringLiteral("Primera fecha"));
        QCOMPARE(Read(f, QStringLiteral("cmdCompute"), QAccessible::Name),
                 QStringLiteral("Calcular"));
    }

    void windowIsAFrame() {
        WindowFixture f;
        f.Start();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(f.Window());
        QVERIFY(window != nullptr);
        QCOMPARE(window->role(), QAccessible::Window);
    }

    void labelsAndOutputReadable() {
        WindowFixture f;
        f.Start();
        f.Type(first, QStringLiteral("2000-01-01"));
        f.Enter(first);
        QCOMPARE(Read(f, QStringLiteral("lblTodaysDate"), QAccessible::Name),
                 QStringLiteral("Today is Monday,\n2026-12-07 CE (14:05)."));
        QVERIFY(Read(f, QStringLiteral("lblIntro"), QAccessible::Name).size() > 80);
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(f.Find(output));
        QVERIFY(box != nullptr && box->textInterface() != nullptr);
        QVERIFY(box->textInterface()
                    ->text(0, box->textInterface()->characterCount())
                    .contains(QStringLiteral("2000-01-01 CE, Saturday")));
    }

    // After Compute: the line (or the message) as the first date window's description, with
    // the focus still there. Qt sends the change event only to an active accessibility
    // bridge, which the offscreen platform lacks: tests/ui/xvfb-check.sh sees it on the bus.
    void resultTold_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("description");
        QTest::newRow("result line")
            << QStringLiteral("2000-01-01||") << QStringLiteral("2000-01-01 CE, Saturday");
        QTest::newRow("message") << QStringLiteral("2000-13-01||") << QStringLiteral("(box)");
    }

    void resultTold() {
        QFETCH(QString, inputs);
        QFETCH(QString, description);
        WindowFixture f;
        f.Start();
        f.Fill(inputs);
        f.Enter(first);
        if (description == QStringLiteral("(box)")) {
            QCOMPARE(f.boxes.shown.size(), 1);
            description = f.boxes.shown.constFirst().text;
            description =
                description.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).trimmed();
        }
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) // later versions announce it instead
        QCOMPARE(Read(f, first, QAccessible::Description), description);
#endif
        QCOMPARE(f.FocusName(), first);
    }

    // Under a dark desktop palette the selected option button keeps a dark mark in a light
    // indicator, as on a light desktop, on the window's own cyan.
    void selectedOptionUnderDarkPalette() {
        const QPalette before = QApplication::palette();
        const QString styleBefore = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
        WindowFixture f;
        f.Start();
        // docs/screenshot-dark.png: this test run under Xvfb with ORV_DARK_SCREENSHOT set.
        if (const QString picture = qEnvironmentVariable("ORV_DARK_SCREENSHOT");
            !picture.isEmpty()) {
            f.Type(first, QStringLiteral("2000-01-01"));
            f.Enter(first);
            QTest::qWait(500); // drawn in the new palette
            f.Window()->grab().save(picture);
        }
        const auto [darkest, lightest] =
            IndicatorGreys(f.Find<QRadioButton>(QStringLiteral("optDateFormatIsYMD")));
        QApplication::setPalette(before);
        QApplication::setStyle(styleBefore);
        QVERIFY2(lightest - darkest > 150,
                 qPrintable(QStringLiteral("greys %1 to %2").arg(darkest).arg(lightest)));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
