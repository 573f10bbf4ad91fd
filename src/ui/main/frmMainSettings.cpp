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

namespace {

int16_t CharacterCode(const std::string& separator) {
    return separator.empty() ? int16_t{0}
                             : static_cast<int16_t>(static_cast<unsigned char>(separator[0]));
}

} // namespace

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
    TodayKind = DatePr2::CE;
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
    savedDateOrder = read->dateOrder;
    savedDateSeparatorCode = read->dateSeparatorCode;
    savedThousandsSeparatorCode = read->thousandsSeparatorCode;
    TodayKind = read->todayKind;

    if (savedDateOrder == DatePr2::MDY)
        optDateFormatIsMDY->setChecked(true);
    else if (savedDateOrder == DatePr2::DMY)
        optDateFormatIsDMY->setChecked(true);
    else
        optDateFormatIsYMD->setChecked(true);

    if (savedDateSeparatorCode == '.')
        optSeparatorIsDot->setChecked(true);
    else if (savedDateSeparatorCode == '/')
        optSeparatorIsSlash->setChecked(true);
    else
        optSeparatorIsDash->setChecked(true);

    if (savedThousandsSeparatorCode == 0)
        optThousSepNone->setChecked(true);
    else if (savedThousandsSeparatorCode == '.')
        optThousSepIsDot->setChecked(true);
    else
        optThousSepIsComma->setChecked(true);

    const auto selectKind = [](int16_t kind, QRadioButton* jc, QRadioButton* an, QRadioButton* jdn,
                               QRadioButton* diy, QRadioButton* ce) {
        if (kind == DatePr2::JC)
            jc->setChecked(true);
        else if (kind == DatePr2::AN)
            an->setChecked(true);
        else if (kind == DatePr2::JDN)
            jdn->setChecked(true);
        else if (kind == DatePr2::YYYYDDD)
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
    savedDateOrder = SelectedDateOrder();
    savedDateSeparatorCode = CharacterCode(DatePr2::dateSeparator);
    savedThousandsSeparatorCode = CharacterCode(DatePr2::thousandsSeparator);
    SettingsFile::Settings s;
    s.language = GEN_TEXT::currentLanguage;
    s.dateOrder = savedDateOrder;
    s.dateSeparatorCode = savedDateSeparatorCode;
    s.thousandsSeparatorCode = savedThousandsSeparatorCode;
    s.todayKind = TodayKind;
    s.firstKind = CalendarOfDate(1);
    s.secondKind = CalendarOfDate(2);
    // A failure leaves the previous file whole and is not reported.
    SettingsFile::WriteFile(QFile::encodeName(settingsPath).toStdString(), s);
}

// The settings option buttons.

void frmMain::DateOrderSelected(int16_t order) {
    const auto caption = [order](const char* separator) {
        const QString s = QString::fromLatin1(separator);
        if (order == DatePr2::YMD)
            return QStringLiteral("2012") + s + QStringLiteral("12") + s + QStringLiteral("31");
        if (order == DatePr2::DMY)
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
    DatePr2::dateSeparator = separator;
    cmdClearInputWindows_Click();
    ShowTodayLabels();
}

void frmMain::ThousandsSeparatorSelected(const char* separator) {
    DatePr2::thousandsSeparator = separator;
    FocusDateWindow(1);
}

void frmMain::optDateFormatIsYMD_Click() {
    DateOrderSelected(DatePr2::YMD);
}
void frmMain::optDateFormatIsDMY_Click() {
    DateOrderSelected(DatePr2::DMY);
}
void frmMain::optDateFormatIsMDY_Click() {
    DateOrderSelected(DatePr2::MDY);
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

void frmMain::CalendarSelected(int which, int16_t kind) {
    QLineEdit* window = DateWindow(which);
    int16_t& lastKind = which == 1 ? lastFirstKind : lastSecondKind;
    const std::string typed = window->text().toStdString();
    window->setText(QString::fromStdString(std::string(StrProc::TrimBlanks(typed))));
    convertFromKind = lastKind;
    convertSourceText = window->text().toStdString();
    convertToKind = kind;
    bool ok = false;
    ConvertDateText(ok);
    if (ok) {
        window->setText(QString::fromStdString(convertedText));
        notifier->Say(window->accessibleName() + QStringLiteral(": ") + window->text());
    }
    lastKind = kind;
}

void frmMain::ConvertDateText(bool& ok) {
    ShowTodayLabels();
    ok = false;
    std::string converted;
    if (!DateWindowOps::ConvertDateText(convertSourceText, convertFromKind, convertToKind,
                                        CurrentFormat(), converted))
        return;
    convertedText = converted;
    txbDateDiffDays->setCursorPosition(static_cast<int>(txbDateDiffDays->text().size()));
    txbDateDiffDays->setFocus(Qt::OtherFocusReason);
    ok = true;
}

void frmMain::optFirstDateIsCE_Click() {
    CalendarSelected(1, DatePr2::CE);
}
void frmMain::optFirstDateIsJC_Click() {
    CalendarSelected(1, DatePr2::JC);
}
void frmMain::optFirstDateIsAN_Click() {
    CalendarSelected(1, DatePr2::AN);
}
void frmMain::optFirstDateIsJDN_Click() {
    CalendarSelected(1, DatePr2::JDN);
}
void frmMain::optFirstDateIsDIY_Click() {
    CalendarSelected(1, DatePr2::YYYYDDD);
}
void frmMain::optSecondDateIsCE_Click() {
    CalendarSelected(2, DatePr2::CE);
}
void frmMain::optSecondDateIsJC_Click() {
    CalendarSelected(2, DatePr2::JC);
}
void frmMain::optSecondDateIsAN_Click() {
    CalendarSelected(2, DatePr2::AN);
}
void frmMain::optSecondDateIsJDN_Click() {
    CalendarSelected(2, DatePr2::JDN);
}
void frmMain::optSecondDateIsDIY_Click() {
    CalendarSelected(2, DatePr2::YYYYDDD);
}
