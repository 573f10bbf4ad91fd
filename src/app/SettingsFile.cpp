#include "app/SettingsFile.h"

#include <dirent.h>
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

std::string DateSeparatorOf(int16_t code) {
    return code == '.' ? "." : code == '/' ? "/" : "-";
}

std::string ThousandsSeparatorOf(int16_t code) {
    return code == 0 ? "" : code == '.' ? "." : ",";
}

int16_t CodeOf(const std::string& separator) {
    return separator.empty() ? int16_t{0}
                             : static_cast<int16_t>(static_cast<unsigned char>(separator[0]));
}

DatePr2::Kind WindowKind(int16_t number) {
    return DatePr2::KindOfNumber(number).value_or(DatePr2::Kind::CE);
}

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

WriteCalls& Calls() {
    static WriteCalls calls;
    return calls;
}

// The folder part of a path: "." for a bare name, "/" for a name in the root.
std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The folder and any missing parents, made 0700 as the XDG rules ask of new ones.
bool MakeFolders(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
    if (errno != ENOENT) return false;
    const std::string parent = FolderOf(folder);
    if (parent != folder && !MakeFolders(parent)) return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool WriteAll(int fd, std::string_view text) {
    const auto write = Calls().write != nullptr ? Calls().write : ::write;
    while (!text.empty()) {
        const ssize_t n = write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false; // 0 for bytes offered would loop for ever
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Where the new file goes: `path`, or the file a symbolic link there leads to. Nothing when
// what is there, or at the link's end, is not a regular file. `existing` is false when there
// is no file yet, otherwise `info` describes it.
std::optional<std::string> Destination(const std::string& path, bool& existing, struct stat& info) {
    existing = ::lstat(path.c_str(), &info) == 0;
    if (!existing) return errno == ENOENT ? std::optional(path) : std::nullopt;
    std::string target = path;
    if (S_ISLNK(info.st_mode)) {
        // A link that leads nowhere, or round in a loop, is left alone.
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (resolved == nullptr) return std::nullopt;
        target = resolved;
        std::free(resolved);
        if (::stat(target.c_str(), &info) != 0) return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) return std::nullopt;
    // A file made read-only keeps its settings, even for root, who may write it regardless.
    if ((info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return std::nullopt;
    return target;
}

mode_t NewFileMode() {
    // umask can only be read by setting it; the save runs once, at quit.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Flushes a rename to the disk; the file is whole either way, so a failure changes nothing.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A name WriteFile gives its temporary files: the file's name, ".", and six characters of
// mkstemp's alphabet.
bool IsTemporaryName(std::string_view name) {
    const std::string_view prefix = fileName;
    if (name.size() != prefix.size() + 7 || name.substr(0, prefix.size()) != prefix ||
        name[prefix.size()] != '.')
        return false;
    for (const char c : name.substr(prefix.size() + 1)) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
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
    s.dateOrder = DatePr2::DateOrderOfNumber((*separators)[0]).value_or(DatePr2::DateOrder::YMD);
    s.dateSeparator = DateSeparatorOf((*separators)[1]);
    s.thousandsSeparator = ThousandsSeparatorOf((*separators)[2]);
    s.todayKind = WindowKind((*kinds)[0]);
    s.firstKind = WindowKind((*kinds)[1]);
    s.secondKind = WindowKind((*kinds)[2]);
    return s;
}

std::string Format(const Settings& s) {
    const auto n = [](auto value) { return std::to_string(static_cast<int>(value)); };
    return n(s.language) + "\r\n" + n(s.dateOrder) + "," + n(CodeOf(s.dateSeparator)) + "," +
           n(CodeOf(s.thousandsSeparator)) + "\r\n" + n(s.todayKind) + "," + n(s.firstKind) + "," +
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

bool WriteFile(const std::string& path, const Settings& settings) {
    if (path.empty()) return false;
    bool existing = false;
    struct stat info {};
    const auto target = Destination(path, existing, info);
    if (!target) return false;
    const std::string folder = FolderOf(*target);
    if (!existing && !MakeFolders(folder)) return false;

    std::string temporary = folder + "/" + fileName + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;
    // mkstemp makes the file 0600; the settings keep the mode the file had, or a new file
    // gets the one the user's umask gives.
    ::fchmod(fd, existing ? (info.st_mode & 0777) : NewFileMode());
    const auto fsync = Calls().fsync != nullptr ? Calls().fsync : ::fsync;
    const auto close = Calls().close != nullptr ? Calls().close : ::close;
    bool saved = WriteAll(fd, Format(settings)) && fsync(fd) == 0;
    // A failed close may mean a write that never reached the disk (NFS, quotas).
    saved = close(fd) == 0 && saved;
    if (saved && ::rename(temporary.c_str(), target->c_str()) == 0) {
        SyncFolder(folder);
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}

void SetWriteCalls(const WriteCalls& calls) {
    Calls() = calls;
}

void RemoveInterruptedSaves(const std::string& path) {
    if (path.empty()) return;
    DIR* folder = ::opendir(FolderOf(path).c_str());
    if (folder == nullptr) return;
    while (const dirent* entry = ::readdir(folder)) {
        if (!IsTemporaryName(entry->d_name)) continue;
        struct stat info {};
        if (::fstatat(::dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
    ::closedir(folder);
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
