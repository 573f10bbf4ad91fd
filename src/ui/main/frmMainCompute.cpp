// Compute and the input aids: the key filters of the three input windows, the clear
// buttons, "Second -> First" and the up-down controls.
#include "ui/main/frmMain.h"

#include <QAccessible>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "app/Compute.h"
#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"
#include "ui/AccessibleControls.h"

void frmMain::cmdCompute_Click() {
    Compute::Input in;
    in.firstDate = txbFirstDate->text().toStdString();
    in.secondDate = txbSecondDate->text().toStdString();
    in.dateDiff = txbDateDiffDays->text().toStdString();
    in.firstKind = CalendarOfDate(1);
    in.secondKind = CalendarOfDate(2);
    in.order = SelectedDateOrder();
    in.separator = dateSeparator;
    in.thousands = thousandsSeparator;

    const Compute::Output out = Compute::Run(in, [] {
        MessageBoxes::Presenter* boxes = MessageBoxes::CurrentPresenter();
        if (boxes == nullptr) return MessageBoxes::Answer::Cancel;
        return boxes->Ask(WindowTexts::ComputeErrorTitle(), WindowTexts::ClearDifferenceQuestion());
    });

    txbFirstDate->setText(QString::fromStdString(out.firstDate));
    txbSecondDate->setText(QString::fromStdString(out.secondDate));
    txbDateDiffDays->setText(QString::fromStdString(out.dateDiff));
    if (!out.appended.empty()) AppendToOutputWindow(out.appended);
    const int end = txbOutput->document()->characterCount() - 1;
    if (out.caret == Compute::Caret::EndMinusOne && end > 0)
        PlaceOutputCaret(end - 1);
    else if (out.caret == Compute::Caret::End)
        PlaceOutputCaret(end);
    if (out.dayWord) lblDayOrDays->setText(QString::fromStdString(*out.dayWord));
    if (out.message >= 0) ShowMessage(out.message);
    FocusDateWindow(1);
    if (out.message >= 0)
        AnnounceResult(WindowTexts::ComputeErrorInCurrentLanguage(out.message));
    else
        AnnounceResult(out.appended);
}

// The focus stays in the first date window, so a screen reader would not notice the line
// appended to the output window: it is spoken on its own.
void frmMain::AnnounceResult(const std::string& text) {
    notifier->Say(QString::fromStdString(text));
}

// The KeyPress handlers of the three input windows. Enter runs Compute and inserts nothing;
// a typed character passes the window's filter; keys that type nothing (moving, deleting)
// and the clipboard shortcuts always pass, so that a pasted text of any length and content
// reaches Compute.
bool frmMain::DateWindowKeyPress(QLineEdit* window, QEvent* event) {
    const bool dayCount = window == txbDateDiffDays;
    const auto allowed = [&](QChar character, qsizetype length) {
        if (character.unicode() > 0xFF) return false;
        const int code = character.unicode();
        const int present = static_cast<int>(qMin<qsizetype>(length, 0x7FFFFFFF));
        return dayCount ? StrProc::DayCountKeyAllowed(code, present, maximumInputLength,
                                                      thousandsSeparator)
                        : StrProc::DateKeyAllowed(code, present, maximumInputLength, dateSeparator);
    };

    if (event->type() == QEvent::InputMethod) {
        const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
        qsizetype length = window->text().size();
        for (const QChar character : commit) {
            if (!allowed(character, length++)) return true;
        }
        return false;
    }

    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        cmdCompute_Click();
        return true;
    }
    // Up and Down in a date window step its date as the arrows of its up-down control do.
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!dayCount && plain && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        VScroll[window == txbFirstDate ? 0 : 1]->triggerAction(
            key->key() == Qt::Key_Up ? QAbstractSlider::SliderSingleStepSub
                                     : QAbstractSlider::SliderSingleStepAdd);
        return true;
    }
    // Besides copy, paste and cut, the editing shortcuts users expect of any text box.
    for (const auto shortcut : {QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut,
                                QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
        if (key->matches(shortcut)) return false;
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty()) return false;
    if (text.size() != 1) return true;
    return !allowed(text.at(0), window->text().size());
}

void frmMain::cmdClearFirstDate_Click() {
    txbFirstDate->clear();
    txbFirstDate->setFocus(Qt::OtherFocusReason);
    TellClearedWindow(txbFirstDate);
}

void frmMain::cmdClearSecondDate_Click() {
    txbSecondDate->clear();
    txbSecondDate->setFocus(Qt::OtherFocusReason);
    TellClearedWindow(txbSecondDate);
}

void frmMain::cmdClearDateDiffDays_Click() {
    txbDateDiffDays->clear();
    txbDateDiffDays->setFocus(Qt::OtherFocusReason);
    TellClearedWindow(txbDateDiffDays);
}

void frmMain::cmdClearInputWindows_Click() {
    txbFirstDate->clear();
    txbSecondDate->clear();
    txbDateDiffDays->clear();
    FocusDateWindow(1);
    TellClearedWindow(txbFirstDate);
}

void frmMain::cmdMoveSecondDateToFirst_Click() {
    if (txbSecondDate->text().isEmpty()) {
        FocusDateWindow(1);
        return;
    }
    const DateWindowOps::MoveResult moved = DateWindowOps::MoveSecondToFirst(
        txbSecondDate->text().toStdString(), CalendarOfDate(2), CalendarOfDate(1), CurrentFormat());
    if (moved.moved) {
        txbFirstDate->setText(QString::fromStdString(moved.firstText));
        txbSecondDate->clear();
        txbDateDiffDays->setCursorPosition(static_cast<int>(txbDateDiffDays->text().size()));
        txbDateDiffDays->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (moved.message >= 0) ShowMessage(moved.message);
    // A refused second date keeps the focus, so the user can mend it; a yyyyddd day out of
    // range is not the second date's fault, but the user still looks at it.
    FocusDateWindow(2);
}

void frmMain::VScroll_Change(int index) {
    QScrollBar* upDown = VScroll[static_cast<std::size_t>(index)];
    const int value = upDown->value();
    if (value == 0) return;
    QLineEdit* window = DateWindow(index + 1);
    const std::string text = window->text().toStdString();
    if (!window->text().trimmed().isEmpty()) {
        const DateWindowOps::StepResult step = DateWindowOps::StepDateText(
            index == 0 ? DateWindowOps::Side::First : DateWindowOps::Side::Second, text, value,
            CalendarOfDate(index + 1), CurrentFormat());
        if (step.outOfRange) {
            AppendToOutputWindow(GEN_TEXT::Text(GEN_TEXT::txtOutOfRange) + "\r\n");
            PlaceOutputCaret(txbOutput->document()->characterCount() - 1);
        }
        if (step.message >= 0) ShowMessage(step.message);
        if (!step.text.empty()) {
            window->setText(QString::fromStdString(step.text));
            notifier->Say(window->text());
        }
    }
    upDown->setValue(0);
    txbDateDiffDays->clear();
    FocusDateWindow(index + 1);
}
