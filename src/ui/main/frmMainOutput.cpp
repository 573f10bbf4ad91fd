// The output window and the clipboard. The window's text is a sequence of lines ended by
// CR LF; the text box keeps line ends as paragraph breaks, so CR LF is put back whenever the
// text leaves the window.
#include "ui/main/frmMain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "app/WindowTexts.h"
#include "lang/GEN_TEXT.h"
#include "ui/WindowUnits.h"

namespace {

using WindowUnits::twipsPerPixel;

QString WithCrLf(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

// Appends at the end of the document, so one append costs the same however long the window
// is; the user's caret, selection and scroll position stay where they were.
void frmMain::AppendToOutputWindow(const std::string& text) {
    const QTextCursor before = txbOutput->textCursor();
    const int anchor = before.anchor();
    const int position = before.position();

    QTextCursor end(txbOutput->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QString::fromStdString(text));
    // The user's edits before this line can no longer be undone, but the history never holds
    // the appended lines, so it stays small however long the window grows.
    txbOutput->document()->clearUndoRedoStacks();

    const QTextCursor after = txbOutput->textCursor();
    if (after.anchor() == anchor && after.position() == position) return;
    // A caret at the very end is carried along by the insertion; put it back without
    // letting the text box scroll to it.
    QScrollBar* bar = txbOutput->verticalScrollBar();
    const int scrolled = bar->value();
    QTextCursor restored(txbOutput->document());
    restored.setPosition(anchor);
    restored.setPosition(position, QTextCursor::KeepAnchor);
    txbOutput->setTextCursor(restored);
    bar->setValue(scrolled);
}

// Moves the caret (removing any selection) and brings it into view.
void frmMain::PlaceOutputCaret(int position) {
    QTextCursor caret(txbOutput->document());
    caret.setPosition(qBound(0, position, txbOutput->document()->characterCount() - 1));
    txbOutput->setTextCursor(caret);
    txbOutput->ensureCursorVisible();
}

QString frmMain::OutputSelectedText() const {
    return WithCrLf(txbOutput->textCursor().selectedText());
}

QString frmMain::OutputText() const {
    return WithCrLf(txbOutput->toPlainText());
}

void frmMain::UpdateCopyButton() {
    const bool selection = txbOutput->textCursor().hasSelection();
    const auto& caption = selection ? GEN_TEXT::txtCopySelectedText : GEN_TEXT::txtCopyToClipboard;
    cmdCopyToClipboard->setText(QString::fromStdString(GEN_TEXT::Text(caption)));

    // Centred in the gap between the maker's link and Quit, on the twip values of the
    // controls as they stand.
    const double width = WindowTexts::CopyButtonWidth(GEN_TEXT::currentLanguage, selection);
    const double gapStart = (lblTessaline->x() + lblTessaline->width()) * twipsPerPixel;
    const double quitLeft = cmdQuit->x() * twipsPerPixel;
    const double left = gapStart + (quitLeft - gapStart - width) / 2.0;
    cmdCopyToClipboard->setGeometry(qRound(left / twipsPerPixel), cmdCopyToClipboard->y(),
                                    qRound(width / twipsPerPixel), cmdCopyToClipboard->height());
}

void frmMain::cmdCopyToClipboard_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    QTextCursor cursor = txbOutput->textCursor();
    clipboard->setText(cursor.hasSelection() ? OutputSelectedText() : OutputText());
    cmdCopyToClipboard->setText(
        QString::fromStdString(GEN_TEXT::Text(GEN_TEXT::txtCopyToClipboard)));
    cursor.setPosition(cursor.selectionStart());
    txbOutput->setTextCursor(cursor);
    UpdateCopyButton();
    FocusDateWindow(1);
}

void frmMain::cmdClearOutputWindow_Click() {
    // As an edit, so that Ctrl+Z in the output window brings the lines back.
    QTextCursor all(txbOutput->document());
    all.select(QTextCursor::Document);
    all.removeSelectedText();
    FocusDateWindow(1);
}

void frmMain::txbOutput_MouseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton && !txbOutput->document()->isEmpty()) UpdateCopyButton();
}

void frmMain::txbOutput_LostFocus() {
    UpdateCopyButton();
}
