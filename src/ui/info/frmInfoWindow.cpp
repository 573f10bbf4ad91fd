#include "ui/info/frmInfoWindow.h"

#include "lang/GEN_TEXT.h"
#include "ui/AccessibleControls.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QString>
#include <QTextBlock>
#include <algorithm>
#include <cmath>

namespace InfoWindows {

namespace {

QRect PxRect(const TwipsRect& r) {
    return QRect(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
}

} // namespace

frmInfoWindow::frmInfoWindow(const WindowDesign& windowDesign, QWidget* mainWindow)
    : QDialog(mainWindow), design(windowDesign), texts(windowDesign.LoadTexts()),
      txbMsg(new QPlainTextEdit(this)), cmdClose(new QPushButton(this)),
      notifier(new AccessibleControls::Notifier(this, txbMsg)) {
    setObjectName(QString::fromLatin1(design.objectName));
    if (design.modalDialog) {
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    } else {
        // A window of its own beside the main window, which the user can minimise.
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    }
    setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    setFixedSize(Px(design.clientWidth), Px(design.clientHeight));

    txbMsg->setObjectName(QStringLiteral("txbMsg"));
    txbMsg->setGeometry(PxRect(design.txbMsg));
    // Read-only, yet the user can select and copy (the texts invite copying their web
    // addresses) through the box's own context menu.
    txbMsg->setReadOnly(true);
    txbMsg->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txbMsg->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txbMsg->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txbMsg->setVerticalScrollBarPolicy(design.modalDialog ? Qt::ScrollBarAlwaysOff
                                                          : Qt::ScrollBarAlwaysOn);
    QPalette palette = txbMsg->palette();
    const QColor background = design.modalDialog ? QColor(192, 192, 192) : QColor(Qt::white);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    txbMsg->setPalette(palette);

    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(PxRect(design.cmdClose));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void frmInfoWindow::ApplyLanguage() {
    const QString caption = QString::fromStdString(design.Caption());
    setWindowTitle(caption);
    txbMsg->setAccessibleName(caption);
    cmdClose->setText(QString::fromStdString(GEN_TEXT::Text(GEN_TEXT::txtClose)));

    const int language = GEN_TEXT::currentLanguage;
    const bool inTable = language >= 0 && static_cast<size_t>(language) < texts.size();
    txbMsg->setPlainText(inTable ? WindowUnits::LfText(texts[static_cast<size_t>(language)])
                                 : QString());
    txbMsg->moveCursor(QTextCursor::Start);
    txbMsg->verticalScrollBar()->setValue(0);
}

void frmInfoWindow::FitHeights(int heightTwips, int gapTwips, int windowTwips) {
    QRect message = PxRect(design.txbMsg);
    message.setHeight(Px(heightTwips));
    txbMsg->setGeometry(message);
    QRect close = PxRect(design.cmdClose);
    close.moveTop(Px(design.txbMsg.top + heightTwips + gapTwips));
    cmdClose->setGeometry(close);

    // Unknown until the window was first shown; then the title bar and borders.
    const int decoration = frameGeometry().height() - geometry().height();
    const int lowest = close.bottom() + 1 + Px(gapTwips);
    setFixedSize(width(), std::max(Px(windowTwips) - decoration, lowest));
}

void frmInfoWindow::done(int result) {
    QDialog::done(result);
    emit closedByUser();
}

bool frmInfoWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        ApplyLanguage();
        // The text is put back with the caret on its first line, but Orca follows the caret
        // there silently: the line the user is on is read out.
        notifier->Say(txbMsg->document()->firstBlock().text());
    }
    return QDialog::event(event);
}

void frmInfoWindow::showEvent(QShowEvent* event) {
    // Also when shown without becoming active (the platform may refuse activation).
    ApplyLanguage();
    QDialog::showEvent(event);
}

} // namespace InfoWindows
