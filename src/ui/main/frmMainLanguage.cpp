// Texts by language: the language box, the captions of every control, the day word beside
// the date difference; and what hangs on those texts: the special-day greeting, the two web
// links and the information windows.
#include "ui/main/frmMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>

#include "app/InfoTexts.h"
#include "app/WindowTexts.h"
#include "calendar/DatePr2.h"
#include "lang/GEN_TEXT.h"
#include "text/StrProc.h"
#include "ui/WindowUnits.h"
#include "ui/info/InfoWindows.h"
#include "ui/info/weblink.h"

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString T(const GEN_TEXT::Entry& entry) {
    return Q(GEN_TEXT::Text(entry));
}

std::string DateOrderCaption(const GEN_TEXT::Entry& a, const GEN_TEXT::Entry& b,
                             const GEN_TEXT::Entry& c) {
    return GEN_TEXT::LowerUnlessGerman(GEN_TEXT::Text(a) + " " + GEN_TEXT::Text(b) + " " +
                                       GEN_TEXT::Text(c));
}

} // namespace

void frmMain::FillLanguageBox() {
    // Refilling is not a choice of the user's: the handler must not see it.
    const QSignalBlocker quiet(cboLanguage);
    cboLanguage->clear();
    cboLanguage->addItem(T(GEN_TEXT::txtEnglish), int{GEN_TEXT::langEnglish});
    cboLanguage->addItem(T(GEN_TEXT::txtGerman), int{GEN_TEXT::langGerman});
    cboLanguage->addItem(T(GEN_TEXT::txtSpanish), int{GEN_TEXT::langSpanish});
}

int16_t frmMain::FindLanguagePosition(int16_t language) const {
    for (int position = 0; position < cboLanguage->count(); ++position) {
        if (cboLanguage->itemData(position).toInt() == language)
            return static_cast<int16_t>(position);
    }
    return 0;
}

// Setting the box to another position runs its handler, as a user's choice does; setting
// it to the position it has runs nothing, so a language that no entry carries (French or
// Portuguese from the settings file) stays in force.
void frmMain::SetLanguageBoxPosition(int position) {
    if (position == cboLanguage->currentIndex()) return;
    {
        const QSignalBlocker quiet(cboLanguage);
        cboLanguage->setCurrentIndex(position);
    }
    cboLanguage_Click();
}

void frmMain::cboLanguage_Click() {
    const auto chosen = static_cast<int16_t>(cboLanguage->currentData().toInt());
    if (chosen != GEN_TEXT::currentLanguage) {
        const int position = cboLanguage->currentIndex();
        GEN_TEXT::currentLanguage = chosen;
        FillLanguageBox();
        SetLanguageBoxPosition(position);
        ApplyLanguageCaptions();
        ShowTodayLabels();
    }
    PlaceOutputCaret(txbOutput->document()->characterCount() - 1);
    UpdateCopyButton();
    txbOutput->setFocus(Qt::OtherFocusReason);
}

// The count in the date-difference window, with its thousands separators skipped; one
// that does not fit 32 bits, like an empty window, takes the plural.
QString frmMain::DayWordOfDifferenceWindow() const {
    int16_t status = 0;
    const int32_t count = StrProc::ParseWholeNumber(txbDateDiffDays->text().toStdString(), status);
    return Q(GEN_TEXT::DayWord(status == StrProc::statusRead ? count : 0));
}

void frmMain::ApplyLanguageCaptions() {
    using namespace GEN_TEXT;
    const auto language = static_cast<std::size_t>(currentLanguage);
    lblIntro->setText(language < WindowTexts::txtIntro.size()
                          ? WindowUnits::LfText(WindowTexts::txtIntro[language])
                          : QString());
    CaptionControls();
    lblDayOrDays->setText(DayWordOfDifferenceWindow());
    optDateFormatIsYMD->setText(Q(DateOrderCaption(txtYear, txtMonth, txtDay)));
    optDateFormatIsDMY->setText(Q(DateOrderCaption(txtDay, txtMonth, txtYear)));
    optDateFormatIsMDY->setText(Q(DateOrderCaption(txtMonth, txtDay, txtYear)));
    lblTodaysDate->setToolTip(T(txtClickToChangeCalendar));
    lblWeekFromToday->setToolTip(T(txtClickToChangeCalendar));
    NameForScreenReaders();
}

// The greeting replaces the whole output text once, at start-up.
void frmMain::ShowSpecialDay() {
    const DatePr2::LocalNow now = DatePr2::Now();
    txbOutput->setPlainText(Q(WindowTexts::SpecialDayNote(now.month, now.day)));
}

void frmMain::lblTessaline_Click() {
    weblink::OpenWebPage(InfoTexts::HomePageAddress());
}

void frmMain::lblOnlineDocumentation_Click() {
    weblink::OpenWebPage(InfoTexts::DocumentationAddress());
}

void frmMain::cmdHelp_Click() {
    InfoWindows::ShowHelp(this);
}
void frmMain::cmdCalendars_Click() {
    InfoWindows::ShowCalendars(this);
}
void frmMain::cmdCredits_Click() {
    InfoWindows::ShowCredits(this);
}
