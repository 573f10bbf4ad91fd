// The baseline of Orvandel's start-up and memory figures: the least a Qt Widgets program does
// to show one window, an empty QWidget of Orvandel's size. With ORVANDEL_QUIT_WHEN_IDLE=1 it
// ends when its event loop first goes idle with the window shown, exactly as Orvandel does.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(716, 522);
    window.show();
    if (qEnvironmentVariableIntValue("ORVANDEL_QUIT_WHEN_IDLE") == 1)
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
