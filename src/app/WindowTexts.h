// The long texts that the main window owns, by language slot (read with
// GEN_TEXT::currentLanguage): Compute's messages and its question, the special-day notes and
// the intro texts. No Qt.
#pragma once

#include <array>
#include <string>

namespace WindowTexts {

// Compute's messages, the rows of ComputeErrorText. Unscoped with int values, so that a
// message still reads as its number where one is expected.
enum ComputeMessage : int {
    noMessage = -1,
    msgDifferenceWithBothDates = 0, // the start of the question of a run with all three filled
    msgFirstDateInvalid = 1,
    msgFirstDateInvalidAnnusNovus = 2,
    msgFirstDateOutOfRange = 3,
    msgDifferenceInvalid = 4,
    msgDifferenceOutOfRange = 5,
    msgSecondDateInvalid = 6,
    msgSecondDateInvalidAnnusNovus = 7,
    msgSecondDateOutOfRange = 8,
    msgResultOutOfRange = 9
};

// Compute's messages: [message 0..9][language slot 0..5]; the French slot stays empty.
extern std::array<std::array<std::string, 6>, 10> ComputeErrorText;
void LoadComputeErrorTexts(); // fills ComputeErrorText
// The message's text in currentLanguage; "" for noMessage, a number beyond the table or a
// language without a slot.
const std::string& ComputeErrorInCurrentLanguage(int message);
std::string ComputeErrorTitle();       // txtError + "!"
std::string ClearDifferenceQuestion(); // the question of a run with all three windows filled

// Special-day notes: [language slot][entry 0..11].
extern std::array<std::array<std::string, 12>, 6> SpecialDayText;
void LoadSpecialDayTexts(); // refills SpecialDayText
// The note (two lines and a blank line, CR LF) for 1 January, 2 June and 27 November in
// currentLanguage, three bare line ends for a language without notes, otherwise "".
std::string SpecialDayNote(int month, int day);

// Intro texts by language slot.
extern std::array<std::string, 6> txtIntro;
void FillIntroTexts(); // fills txtIntro

// Width in twips of the copy button by language slot (any int) and whether text is selected.
int CopyButtonWidth(int language, bool selection);

} // namespace WindowTexts
