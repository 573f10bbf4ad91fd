#include "ui/main/ModalMessageBoxes.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include "ui/WindowUnits.h"

namespace MessageBoxes {

namespace {

using WindowUnits::LfText;

class ModalBoxes final : public Presenter {
  public:
    void Inform(const std::string& title, const std::string& text) override {
        QMessageBox box(QMessageBox::NoIcon, LfText(title), LfText(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    Answer Ask(const std::string& title, const std::string& text) override {
        QMessageBox box(QMessageBox::NoIcon, LfText(title), LfText(text),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                        QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::Yes);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }

    void Warn(const std::string& text) override {
        QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                        LfText(text), QMessageBox::Ok, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
};

} // namespace

Presenter& ModalPresenter() {
    static ModalBoxes boxes;
    return boxes;
}

} // namespace MessageBoxes
