// What a screen reader is told beyond the captions a sighted user reads: the kinds of the
// labels that act as links and buttons, the label of each row of option buttons, names that
// tell apart controls whose captions sound alike, and the notifier that speaks results.
#include "ui/main/frmMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <array>

#include "lang/GEN_TEXT.h"
#include "ui/AccessibleControls.h"

namespace {

// What the language box chooses, by language slot. The box has no label on the window; a
// screen reader reads this as its description.
QString LanguageBoxDescription(int language) {
    static const std::array<const char*, 5> words{"Language", "Sprache", "Langue", "Idioma",
                                                  "Idioma"};
    return language >= 0 && static_cast<std::size_t>(language) < words.size()
               ? QString::fromUtf8(words[static_cast<std::size_t>(language)])
               : QString();
}

} // namespace

void frmMain::DescribeForScreenReaders() {
    using AccessibleControls::Kind;
    AccessibleControls::SetKind(this, Kind::Window);
    for (QLabel* link : {lblTessaline, lblOnlineDocumentation})
        AccessibleControls::SetKind(link, Kind::Link);
    for (QLabel* today : {lblTodaysDate, lblWeekFromToday})
        AccessibleControls::SetKind(today, Kind::Switch);
    for (QLineEdit* window : {txbFirstDate, txbSecondDate, txbDateDiffDays}) {
        AccessibleControls::SetKind(window, Kind::TextWindow);
        // A line spoken for the windows as they were is stale once they change.
        connect(window, &QLineEdit::textEdited, this, [this] { notifier->Clear(); });
    }
    const auto rows = {
        std::pair{lblDateFormat,
                  QList<QRadioButton*>{optDateFormatIsYMD, optDateFormatIsDMY, optDateFormatIsMDY}},
        std::pair{lblDateSeparator,
                  QList<QRadioButton*>{optSeparatorIsDash, optSeparatorIsDot, optSeparatorIsSlash}},
        std::pair{lblThousandsSeparator,
                  QList<QRadioButton*>{optThousSepIsComma, optThousSepIsDot, optThousSepNone}},
        std::pair{lblFirstDate,
                  QList<QRadioButton*>{optFirstDateIsCE, optFirstDateIsJC, optFirstDateIsAN,
                                       optFirstDateIsJDN, optFirstDateIsDIY}},
        std::pair{lblSecondDate,
                  QList<QRadioButton*>{optSecondDateIsCE, optSecondDateIsJC, optSecondDateIsAN,
                                       optSecondDateIsJDN, optSecondDateIsDIY}},
    };
    for (const auto& [label, options] : rows) {
        for (QRadioButton* option : options)
            AccessibleControls::SetGroupLabel(option, label);
    }
    notifier = new AccessibleControls::Notifier(this, txbFirstDate);
}

// The controls' names by language are in the design table (see CaptionControls).
void frmMain::NameForScreenReaders() {
    cboLanguage->setAccessibleDescription(LanguageBoxDescription(GEN_TEXT::currentLanguage));
}

// Emptied before it takes the focus, the window's caret moves first and Orca follows it
// there silently, so it never says where the focus went.
void frmMain::TellClearedWindow(const QLineEdit* window) {
    notifier->Say(window->accessibleName());
}
