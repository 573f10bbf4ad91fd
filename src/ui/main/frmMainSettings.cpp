// The settings: defaults, the settings option buttons, the calendar option buttons that
// re-express a typed date, and the settings file read at start-up and written at quit.
#include "ui/main/frmMain.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/SettingsFile.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"
#include "ui/AccessibleControls.h"

QString frmMain::SettingsPath() {
    // Not QStandardPaths: Qt 6.4 takes a relative XDG_CONFIG_HOME and, without HOME, the root
    // folder. The command-line program finds the file by the same rules.
    return QFile::decodeName(QByteArray::fromStdString(SettingsFile::UserSettingsPath()));
}

void frmMain::InitialiseWindowState() {
    settingsPath = SettingsPath();
    txbSecondDate->clear();
    txbDateDiffDays->clear();
    txbOutput->clear();
    optFirstDateIsCE->setChecked(true);
    optSecondDateIsCE->setChecked(true);
    maximumInputLength = 18;
}

void frmMain::SetDefaultSettings() {
    GEN_TEXT::currentLanguage = GEN_TEXT::langEnglish;
    optDateFormatIsYMD->setChecked(true);
    optSeparatorIsDash->setChecked(true);
    optThousSepIsComma->setChecked(true);
    TodayKind = DatePr2::Kind::CE;
    optFirstDateIsCE->setChecked(true);
    optSecondDateIsCE->setChecked(true);
}

void frmMain::LoadSettings() {
    const std::string path = QFile::encodeName(settingsPath).toStdString();
    SettingsFile::RemoveInterruptedSaves(path);
    const auto read = SettingsFile::ReadFile(path);
    if (!read) {
        SetDefaultSettings();
        return;
    }
    GEN_TEXT::currentLanguage = read->language;
    TodayKind = read->todayKind;

    using DatePr2::DateOrder;
    if (read->dateOrder == DateOrder::MDY)
        optDateFormatIsMDY->setChecked(true);
    else if (read->dateOrder == DateOrder::DMY)
        optDateFormatIsDMY->setChecked(true);
    else
        optDateFormatIsYMD->setChecked(true);

    if (read->dateSeparator == ".")
        optSeparatorIsDot->setChecked(true);
    else if (read->dateSeparator == "/")
        optSeparatorIsSlash->setChecked(true);
    else
        optSeparatorIsDash->setChecked(true);

    if (read->thousandsSeparator.empty())
        optThousSepNone->setChecked(true);
    else if (read->thousandsSeparator == ".")
        optThousSepIsDot->setChecked(true);
    else
        optThousSepIsComma->setChecked(true);

    const auto selectKind = [](DatePr2::Kind kind, QRadioButton* jc, QRadioButton* an,
                               QRadioButton* jdn, QRadioButton* diy, QRadioButton* ce) {
        using DatePr2::Kind;
        if (kind == Kind::JC)
            jc->setChecked(true);
        else if (kind == Kind::AN)
            an->setChecked(true);
        else if (kind == Kind::JDN)
            jdn->setChecked(true);
        else if (kind == Kind::YYYYDDD)
            diy->setChecked(true);
        else
            ce->setChecked(true);
    };
    selectKind(read->firstKind, optFirstDateIsJC, optFirstDateIsAN, optFirstDateIsJDN,
               optFirstDateIsDIY, optFirstDateIsCE);
    selectKind(read->secondKind, optSecondDateIsJC, optSecondDateIsAN, optSecondDateIsJDN,
               optSecondDateIsDIY, optSecondDateIsCE);
}

void frmMain::SaveSettings() {
    SettingsFile::Settings s;
    s.language = GEN_TEXT::currentLanguage;
    s.dateOrder = SelectedDateOrder();
    s.dateSeparator = dateSeparator;
    s.thousandsSeparator = thousandsSeparator;
    s.todayKind = TodayKind;
    s.firstKind = CalendarOfDate(1);
    s.secondKind = CalendarOfDate(2);
    // A failure leaves the previous file whole and is not reported.
    SettingsFile::WriteFile(QFile::encodeName(settingsPath).toStdString(), s);
}

// The settings option buttons.

void frmMain::DateOrderSelected(DatePr2::DateOrder order) {
    const auto caption = [order](const char* separator) {
        const QString s = QString::fromLatin1(separator);
        if (order == DatePr2::DateOrder::YMD)
            return QStringLiteral("2012") + s + QStringLiteral("12") + s + QStringLiteral("31");
        if (order == DatePr2::DateOrder::DMY)
            return QStringLiteral("31") + s + QStringLiteral("12") + s + QStringLiteral("2012");
        return QStringLiteral("12") + s + QStringLiteral("31") + s + QStringLiteral("2012");
    };
    optSeparatorIsDash->setText(caption("-"));
    optSeparatorIsSlash->setText(caption("/"));
    optSeparatorIsDot->setText(caption("."));
    cmdClearInputWindows_Click();
    ShowTodayLabels();
}

void frmMain::DateSeparatorSelected(const char* separator) {
    dateSeparator = separator;
    cmdClearInputWindows_Click();
    ShowTodayLabels();
}

void frmMain::ThousandsSeparatorSelected(const char* separator) {
    thousandsSeparator = separator;
    FocusDateWindow(1);
}

void frmMain::optDateFormatIsYMD_Click() {
    DateOrderSelected(DatePr2::DateOrder::YMD);
}
void frmMain::optDateFormatIsDMY_Click() {
    DateOrderSelected(DatePr2::DateOrder::DMY);
}
void frmMain::optDateFormatIsMDY_Click() {
    DateOrderSelected(DatePr2::DateOrder::MDY);
}
void frmMain::optSeparatorIsDash_Click() {
    DateSeparatorSelected("-");
}
void frmMain::optSeparatorIsSlash_Click() {
    DateSeparatorSelected("/");
}
void frmMain::optSeparatorIsDot_Click() {
    DateSeparatorSelected(".");
}
void frmMain::optThousSepIsComma_Click() {
    ThousandsSeparatorSelected(",");
}
void frmMain::optThousSepIsDot_Click() {
    ThousandsSeparatorSelected(".");
}
void frmMain::optThousSepNone_Click() {
    ThousandsSeparatorSelected("");
}

// The calendar option buttons: a date already typed is rewritten in the newly chosen
// calendar; one that cannot be read stays and is from now on read in the new one.

void frmMain::CalendarSelected(int which, DatePr2::Kind kind) {
    QLineEdit* window = DateWindow(which);
    DatePr2::Kind& lastKind = which == 1 ? lastFirstKind : lastSecondKind;
    const std::string source(StrProc::TrimBlanks(window->text().toStdString()));
    window->setText(QString::fromStdString(source));
    // As the order and separator buttons do, a calendar button redraws the today labels:
    // nothing in them depends on the calendars of the date windows, so this only brings the
    // clock's minute up to date before the next tick.
    ShowTodayLabels();
    std::string converted;
    if (DateWindowOps::ConvertDateText(source, lastKind, kind, CurrentFormat(), converted)) {
        txbDateDiffDays->setCursorPosition(static_cast<int>(txbDateDiffDays->text().size()));
        txbDateDiffDays->setFocus(Qt::OtherFocusReason);
        window->setText(QString::fromStdString(converted));
        notifier->Say(window->accessibleName() + QStringLiteral(": ") + window->text());
    }
    lastKind = kind;
}

void frmMain::optFirstDateIsCE_Click() {
    CalendarSelected(1, DatePr2::Kind::CE);
}
void frmMain::optFirstDateIsJC_Click() {
    CalendarSelected(1, DatePr2::Kind::JC);
}
void frmMain::optFirstDateIsAN_Click() {
    CalendarSelected(1, DatePr2::Kind::AN);
}
void frmMain::optFirstDateIsJDN_Click() {
    CalendarSelected(1, DatePr2::Kind::JDN);
}
void frmMain::optFirstDateIsDIY_Click() {
    CalendarSelected(1, DatePr2::Kind::YYYYDDD);
}
void frmMain::optSecondDateIsCE_Click() {
    CalendarSelected(2, DatePr2::Kind::CE);
}
void frmMain::optSecondDateIsJC_Click() {
    CalendarSelected(2, DatePr2::Kind::JC);
}
void frmMain::optSecondDateIsAN_Click() {
    CalendarSelected(2, DatePr2::Kind::AN);
}
void frmMain::optSecondDateIsJDN_Click() {
    CalendarSelected(2, DatePr2::Kind::JDN);
}
void frmMain::optSecondDateIsDIY_Click() {
    CalendarSelected(2, DatePr2::Kind::YYYYDDD);
}
