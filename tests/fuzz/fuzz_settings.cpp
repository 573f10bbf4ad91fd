// The settings reader on any bytes: the first byte says whether the text is the first part of
// a longer file. A result or "unreadable", never a crash or a hang, and what is read writes out
// and reads back the same.
#include "app/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool Same(const SettingsFile::Settings& a, const SettingsFile::Settings& b) {
    return a.language == b.language && a.dateOrder == b.dateOrder &&
           a.dateSeparator == b.dateSeparator && a.thousandsSeparator == b.thousandsSeparator &&
           a.todayKind == b.todayKind && a.firstKind == b.firstKind && a.secondKind == b.secondKind;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    const bool truncated = (data[0] & 1) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const auto read = SettingsFile::Parse(text, truncated);
    if (!read) {
        return 0;
    }
    // Every value is one the window offers.
    Require(read->language >= 0 && read->language <= 5);
    for (const DatePr2::Kind kind : {read->todayKind, read->firstKind, read->secondKind})
        Require(DatePr2::FactsOf(kind).inWindow);
    // Knowing the file goes on only makes the reader stricter.
    const auto whole = SettingsFile::Parse(text, false);
    Require(whole && Same(*whole, *read));

    const std::string written = SettingsFile::Format(*read);
    Require(written.size() <= SettingsFile::readLimit);
    const auto again = SettingsFile::Parse(written, true);
    Require(again && Same(*again, *read));
    return 0;
}
