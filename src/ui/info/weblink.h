// Opening web pages in the user's browser.
#pragma once

#include <functional>
#include <string>

namespace weblink {

// Opens the address in the default browser; on failure shows the exclamation message box.
void OpenWebPage(const std::string& address);

// What opens an address (QDesktopServices::openUrl unless a test replaces it); true on
// success. An empty function restores the default.
using Opener = std::function<bool(const std::string& address)>;
void SetOpener(Opener opener);

} // namespace weblink
