// The long texts that the main window owns, by language slot (read with
// GEN_TEXT::currentLanguage): Compute's messages and its question, the special-day notes and
// the intro texts. No Qt.
#pragma once

#include <array>
#include <string>

namespace WindowTexts {

// Compute's messages: [message 0..9][language slot 0..5]; the French slot stays empty.
extern std::array<std::array<std::string, 6>, 10> ComputeErrorText;
void LoadComputeErrorTexts();
const std::string& ComputeErrorInCurrentLanguage(int message);
std::string ComputeErrorTitle();       // txtError + "!"
std::string ClearDifferenceQuestion(); // the question of a run with all three windows filled

// Special-day notes: [language slot][entry 0..11].
extern std::array<std::array<std::string, 12>, 6> SpecialDayText;
void LoadSpecialDayTexts();
// The note for a Gregorian month and day in currentLanguage, or the empty text.
std::string SpecialDayNote(int month, int day);

// Intro texts by language slot.
extern std::array<std::string, 6> txtIntro;
void FillIntroTexts();

// Width in twips of the copy button by language and whether text is selected.
int CopyButtonWidth(int language, bool selection);

} // namespace WindowTexts
