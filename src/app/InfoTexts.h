// The texts of the Help, Calendars and Credits windows by language slot, and the web
// addresses the program names or opens. No Qt.
#pragma once

#include <array>
#include <string>

namespace InfoTexts {

using Table = std::array<std::string, 6>; // by language slot; paragraphs joined by CR LF CR LF

Table HelpTexts();
Table CalendarsTexts();
Table CreditsTexts();

std::string HomePageAddress();      // the maker's home page (root of the maker's site)
std::string DocumentationAddress(); // the online documentation page on the maker's site

} // namespace InfoTexts
