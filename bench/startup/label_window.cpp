// A second baseline: the empty window of empty_window.cpp with one line of text in it. Any
// window that shows text pays for the font system (fontconfig, FreeType, HarfBuzz and a font
// file) on its first paint; this program measures that share apart from Orvandel's own work.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(716, 522);
    QLabel label(QStringLiteral("Orvandel"), &window);
    label.move(8, 8);
    window.show();
    if (qEnvironmentVariableIntValue("ORVANDEL_QUIT_WHEN_IDLE") == 1)
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
