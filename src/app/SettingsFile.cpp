#include "app/SettingsFile.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <limits>
#include <vector>

namespace SettingsFile {

namespace {

constexpr int16_t lastLanguageSlot = 5;
constexpr int16_t lastCalendarKind = 4;

// One line of the file without its line end, or nothing when the text has no such line.
// `rest` moves past the line.
std::optional<std::string_view> NextLine(std::string_view& rest, bool lastMustEnd) {
    if (rest.empty()) return std::nullopt;
    const auto end = rest.find('\n');
    if (end == std::string_view::npos && lastMustEnd) return std::nullopt;
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// A decimal whole number of 16 bits with an optional leading "-", nothing else.
std::optional<int16_t> ReadNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    int32_t value = 0; // stays within [0, 32769): checked before every step
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int16_t>::max() + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int16_t>::max()) return std::nullopt;
    return static_cast<int16_t>(value);
}

// Exactly N numbers separated by commas.
template <std::size_t N> std::optional<std::array<int16_t, N>> ReadNumbers(std::string_view line) {
    std::array<int16_t, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto comma = line.find(',');
        const bool last = i + 1 == N;
        if (last != (comma == std::string_view::npos)) return std::nullopt;
        const auto value = ReadNumber(line.substr(0, comma));
        if (!value) return std::nullopt;
        values[i] = *value;
        line = last ? std::string_view{} : line.substr(comma + 1);
    }
    return values;
}

} // namespace

std::optional<Settings> Parse(std::string_view text, bool truncated) {
    std::string_view rest = text;
    const auto line1 = NextLine(rest, truncated);
    const auto line2 = NextLine(rest, truncated);
    const auto line3 = NextLine(rest, truncated);
    if (!line1 || !line2 || !line3) return std::nullopt;
    const auto language = ReadNumbers<1>(*line1);
    const auto separators = ReadNumbers<3>(*line2);
    const auto kinds = ReadNumbers<3>(*line3);
    if (!language || !separators || !kinds) return std::nullopt;

    Settings s;
    s.language = (*language)[0];
    if (s.language < 0 || s.language > lastLanguageSlot) s.language = 0;
    s.dateOrder = (*separators)[0];
    s.dateSeparatorCode = (*separators)[1];
    s.thousandsSeparatorCode = (*separators)[2];
    s.todayKind = (*kinds)[0];
    if (s.todayKind < 0 || s.todayKind > lastCalendarKind) s.todayKind = 0;
    s.firstKind = (*kinds)[1];
    s.secondKind = (*kinds)[2];
    return s;
}

std::string Format(const Settings& s) {
    const auto n = [](int16_t value) { return std::to_string(value); };
    return n(s.language) + "\r\n" + n(s.dateOrder) + "," + n(s.dateSeparatorCode) + "," +
           n(s.thousandsSeparatorCode) + "\r\n" + n(s.todayKind) + "," + n(s.firstKind) + "," +
           n(s.secondKind) + "\r\n";
}

std::optional<Settings> ReadFile(const std::string& path) {
    // O_NONBLOCK keeps a FIFO from waiting for a writer; only a regular file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::string text;
    bool readable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // One byte past the limit tells whether the file goes on beyond what is read.
    text.resize(readLimit + 1);
    std::size_t got = 0;
    while (readable && got < text.size()) {
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n > 0)
            got += static_cast<std::size_t>(n);
        else if (n == 0)
            break;
        else if (errno != EINTR)
            readable = false;
    }
    ::close(fd);
    if (!readable) return std::nullopt;
    const bool truncated = got > readLimit;
    text.resize(truncated ? readLimit : got);
    return Parse(text, truncated);
}

std::string UserSettingsPath() {
    std::string configHome;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        configHome = xdg;
    } else {
        std::string home;
        if (const char* env = std::getenv("HOME"); env != nullptr && env[0] != '\0') {
            home = env;
        } else {
            const long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
            std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
            struct passwd entry {};
            struct passwd* found = nullptr;
            if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
                found != nullptr && found->pw_dir != nullptr)
                home = found->pw_dir;
        }
        if (home.empty()) return {};
        configHome = home + "/.config";
    }
    return configHome + "/orvandel/" + fileName;
}

} // namespace SettingsFile
