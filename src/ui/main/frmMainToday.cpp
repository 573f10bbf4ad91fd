// Today's labels, the one-second clock and the two Today buttons.
#include "ui/main/frmMain.h"

#include <QLabel>
#include <QLineEdit>

#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "ui/WindowUnits.h"

namespace {

using WindowUnits::LfText;

} // namespace

void frmMain::ShowTodayLabels() {
    const DateWindowOps::TodayLabels labels =
        DateWindowOps::TodayLabelTexts(TodayKind, CurrentFormat());
    lblTodaysDate->setText(LfText(labels.today));
    lblWeekFromToday->setText(LfText(labels.week));
}

void frmMain::lblTodaysDate_MouseUp(Qt::MouseButton button) {
    TodayKind = button == Qt::RightButton ? DateWindowOps::PreviousTodayKind(TodayKind)
                                          : DateWindowOps::NextTodayKind(TodayKind);
    ShowTodayLabels();
}

void frmMain::lblWeekFromToday_MouseUp(Qt::MouseButton button) {
    lblTodaysDate_MouseUp(button);
}

void frmMain::Clock_Timer() {
    ShowTodayLabels();
}

void frmMain::cmdToday_Click(int index) {
    QLineEdit* window = DateWindow(index + 1);
    window->setText(QString::fromStdString(
        DateWindowOps::DateTextFromToday(0, CalendarOfDate(index + 1), CurrentFormat())));
    txbDateDiffDays->clear();
    FocusDateWindow(index + 1);
}
