// The settings file orv5.usr without Qt: three lines of comma-separated decimal numbers,
// each ended by CR LF (read leniently: LF alone is taken too).
//   line 1: language index
//   line 2: date order, character code of the date separator, character code of the
//           thousands separator (0 for none)
//   line 3: TodayKind, calendar kind of the first date, calendar kind of the second date
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/Kinds.h"

namespace SettingsFile {

inline constexpr const char* fileName = "orv5.usr";

// The window never needs more of the file than this; a longer file is read only this far.
inline constexpr std::size_t readLimit = 4096;

// What the window keeps between runs, each value one the window offers.
struct Settings {
    int16_t language = 0;
    DatePr2::DateOrder dateOrder = DatePr2::DateOrder::YMD;
    std::string dateSeparator = "-";      // "-", "/" or "."
    std::string thousandsSeparator = ","; // ",", "." or "" for none
    DatePr2::Kind todayKind = DatePr2::Kind::CE;
    DatePr2::Kind firstKind = DatePr2::Kind::CE;
    DatePr2::Kind secondKind = DatePr2::Kind::CE;
};

// The settings in the file's text, or nothing when the file is unreadable: fewer than three
// lines, or a line that does not hold exactly its count of decimal whole numbers of 16 bits.
// `truncated` says the text is only the first part of a longer file, so an unfinished third
// line cannot be trusted. Each value the window does not offer reads as its default: a
// language outside 0..5 as English, a date order outside 0..2 as YMD, a date separator
// other than "." and "/" as "-", a thousands separator other than 0 and "." as ",", a kind
// outside the window's as CE.
std::optional<Settings> Parse(std::string_view text, bool truncated = false);

// The file's text for the settings: separators as their character codes, 0 for none.
std::string Format(const Settings& settings);

// The settings in the file at `path`, or nothing when there is no regular file there or it is
// unreadable. Reads at most `readLimit` bytes and never blocks: a FIFO, a device or a folder in
// the file's place reads as no settings.
std::optional<Settings> ReadFile(const std::string& path);

// Writes the settings to `path` so that the file at `path` is either the previous one, byte
// for byte, or the new one whole: a temporary file beside it is written, flushed to the disk
// and renamed over it. False, with the previous file left as it was, when any step fails (a
// full disk, a failed write, flush or close), when something other than a regular file is in
// the file's place, or when the file is read-only. A symbolic link to a regular file stays; its
// target is replaced. The folder is made when it is missing.
bool WriteFile(const std::string& path, const Settings& settings);

// The system calls of WriteFile that can fail on a full or broken disk, replaceable so that
// tests can make each of them fail. SetWriteCalls({}) restores the system's.
struct WriteCalls {
    ssize_t (*write)(int fd, const void* data, std::size_t size) = nullptr;
    int (*fsync)(int fd) = nullptr;
    int (*close)(int fd) = nullptr;
};
void SetWriteCalls(const WriteCalls& calls);

// Removes what an interrupted WriteFile left in the folder of the settings file at `path`:
// regular files named "orv5.usr." and six more characters, the way WriteFile names its
// temporary files. Nothing else is touched, links to such files included.
void RemoveInterruptedSaves(const std::string& path);

// The user's settings file under the XDG base directory rules: $XDG_CONFIG_HOME when it is an
// absolute path, otherwise ~/.config, where ~ is $HOME or, without it, the home folder of the
// password database; then "orvandel/orv5.usr". Empty when no home folder can be found.
std::string UserSettingsPath();

} // namespace SettingsFile
