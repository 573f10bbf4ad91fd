// The texts of the Help, Calendars and Credits windows by language slot, and the web
// addresses the program names or opens. No Qt.
#pragma once

#include <array>
#include <string>

namespace InfoTexts {

using Table = std::array<std::string, 6>; // by language slot; paragraphs joined by CR LF CR LF

// Each built anew from the site settings on every call; French and Portuguese slots are
// empty or English where no translation exists, slot 5 always empty.
Table HelpTexts();      // the Help window's text
Table CalendarsTexts(); // the Calendars window's text, with the pages it names
Table CreditsTexts();   // the Credits window's text

std::string HomePageAddress();      // the maker's home page (root of the maker's site)
std::string DocumentationAddress(); // the online documentation page on the maker's site

} // namespace InfoTexts
