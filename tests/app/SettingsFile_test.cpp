#include "app/SettingsFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

// The settings as the file writes them, with "/" for its line ends.
std::string Lines(const SettingsFile::Settings& s) {
    std::string text = SettingsFile::Format(s);
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n"))
        text.replace(end, 2, "/");
    return text;
}

struct ReadCase {
    const char* name;
    std::string text;
    bool truncated;
    const char* read; // nullptr: unreadable
};

class SettingsFileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(SettingsFileRead, ReadsOrRefuses) {
    const ReadCase& c = GetParam();
    const auto read = SettingsFile::Parse(c.text, c.truncated);
    EXPECT_EQ(read ? Lines(*read) : "unreadable", c.read != nullptr ? c.read : "unreadable");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, SettingsFileRead, testing::Values(
    ReadCase{"Saved", "1\r\n1,47,0\r\n2,1,3\r\n", false, "1/1,47,0/2,1,3/"},
    ReadCase{"LineFeedsOnly", "4\n0,46,46\n4,4,4\n", false, "4/0,46,46/4,4,4/"},
    ReadCase{"LastLineUnended", "0\r\n2,45,44\r\n0,0,0", false, "0/2,45,44/0,0,0/"},
    ReadCase{"ExtraLinesIgnored", "0\r\n2,45,44\r\n0,0,0\r\nx\r\n", false, "0/2,45,44/0,0,0/"},
    ReadCase{"LanguageFiveKept", "5\r\n2,45,44\r\n0,0,0\r\n", false, "5/2,45,44/0,0,0/"},
    // A language or TodayKind that would index past the tables: English and CE.
    ReadCase{"LanguageSixIsEnglish", "6\r\n2,45,44\r\n0,0,0\r\n", false, "0/2,45,44/0,0,0/"},
    ReadCase{"NegativeLanguageIsEnglish", "-2\r\n2,45,44\r\n0,0,0\r\n", false, "0/2,45,44/0,0,0/"},
    ReadCase{"TodayKindFiveIsCE", "0\r\n2,45,44\r\n5,1,1\r\n", false, "0/2,45,44/0,1,1/"},
    ReadCase{"NegativeTodayKindIsCE", "0\r\n2,45,44\r\n-1,1,1\r\n", false, "0/2,45,44/0,1,1/"},
    ReadCase{"OtherValuesKeptForTheWindow", "0\r\n9,-7,32767\r\n4,-32768,99\r\n", false,
             "0/9,-7,32767/4,-32768,99/"},
    ReadCase{"TruncatedAfterThirdLine", "0\r\n2,45,44\r\n0,0,0\r\n123", true, "0/2,45,44/0,0,0/"},
    // Unreadable: nothing of the file is used.
    ReadCase{"TruncatedInsideThirdLine", "0\r\n2,45,44\r\n0,0,0", true, nullptr},
    ReadCase{"Empty", "", false, nullptr},
    ReadCase{"TwoLines", "0\r\n2,45,44\r\n", false, nullptr},
    ReadCase{"Letter", "0\r\n2,45,4x\r\n0,0,0\r\n", false, nullptr},
    ReadCase{"LoneMinus", "-\r\n2,45,44\r\n0,0,0\r\n", false, nullptr},
    ReadCase{"FourValues", "0\r\n2,45,44\r\n0,0,0,0\r\n", false, nullptr},
    ReadCase{"TwoValues", "0\r\n2,45\r\n0,0,0\r\n", false, nullptr},
    ReadCase{"Above16Bits", "0\r\n2,45,32768\r\n0,0,0\r\n", false, nullptr},
    ReadCase{"Below16Bits", "0\r\n2,45,44\r\n0,-32769,0\r\n", false, nullptr},
    ReadCase{"ManyDigits", "0\r\n2,45,44\r\n0,0," + std::string(5000, '9'), false, nullptr},
    ReadCase{"CarriageReturnsOnly", "0\r2,45,44\r0,0,0\r", false, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(SettingsFileFormat, ThreeCrLfLinesThatReadBack) {
    EXPECT_EQ(SettingsFile::Format({}), "0\r\n2,45,44\r\n0,0,0\r\n");
    const SettingsFile::Settings saved{1, 1, 47, 0, 2, 1, 3};
    EXPECT_EQ(SettingsFile::Format(saved), "1\r\n1,47,0\r\n2,1,3\r\n");
    EXPECT_EQ(Lines(SettingsFile::Parse(SettingsFile::Format(saved)).value()), "1/1,47,0/2,1,3/");
}

// What lies in the file's place: only a regular file is read, and nothing blocks or reads past
// the limit.
TEST(SettingsFileReadFile, OnlyARegularFileIsRead) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("orv-settings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = (folder / "orv5.usr").string();
    EXPECT_FALSE(SettingsFile::ReadFile(path)) << "missing";
    std::ofstream(path) << "1\r\n1,47,0\r\n2,1,3\r\n";
    EXPECT_EQ(Lines(SettingsFile::ReadFile(path).value()), "1/1,47,0/2,1,3/");
    std::ofstream(path) << "1\r\n1,47,0\r\n2,1,3\r\n" << std::string(5000, ' ');
    EXPECT_TRUE(SettingsFile::ReadFile(path)) << "a long file is read only as far as it needs";
    std::filesystem::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_FALSE(SettingsFile::ReadFile(path)) << "FIFO";
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_FALSE(SettingsFile::ReadFile(path)) << "folder";
    std::filesystem::remove_all(folder);
}

// A fresh folder for one test, removed at its end.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string name =
            (std::filesystem::temp_directory_path() / "orv-settings-XXXXXX").string();
        path = ::mkdtemp(name.data()) != nullptr ? name : std::string();
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    std::filesystem::path path;
};

std::string Contents(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::set<std::string> Names(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

const SettingsFile::Settings newSettings{4, 0, 46, 0, 3, 2, 1};
const std::string newText = "4\r\n0,46,0\r\n3,2,1\r\n";
// Not even settings: the old file must come back exactly as it was.
constexpr char oldBytes[] = "old bytes \xff\0 kept as they are";
const std::string oldText(oldBytes, sizeof oldBytes - 1);

// The calls a full or failing disk makes fail.
int writes = 0;
ssize_t NoSpace(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}
ssize_t OneByteAtATime(int fd, const void* data, std::size_t) {
    return ::write(fd, data, 1);
}
ssize_t TwoBytesThenIoError(int fd, const void* data, std::size_t) {
    if (++writes > 1) {
        errno = EIO;
        return -1;
    }
    return ::write(fd, data, 2);
}
int FlushFails(int) {
    errno = EIO;
    return -1;
}
int CloseFails(int fd) {
    ::close(fd);
    errno = EIO;
    return -1;
}

struct FaultCase {
    const char* name;
    SettingsFile::WriteCalls calls;
};

class SettingsFileFailedSave : public testing::TestWithParam<FaultCase> {
  protected:
    void TearDown() override { SettingsFile::SetWriteCalls({}); }
};

TEST_P(SettingsFileFailedSave, LeavesTheOldFileByteForByte) {
    TemporaryFolder folder;
    const auto path = folder.path / "orv5.usr";
    std::ofstream(path, std::ios::binary) << oldText;
    writes = 0;
    SettingsFile::SetWriteCalls(GetParam().calls);
    EXPECT_FALSE(SettingsFile::WriteFile(path.string(), newSettings));
    EXPECT_EQ(Contents(path), oldText);
    EXPECT_EQ(Names(folder.path), std::set<std::string>{"orv5.usr"}) << "no temporary file left";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faults, SettingsFileFailedSave, testing::Values(
    FaultCase{"WriteNoSpace", {NoSpace, nullptr, nullptr}},
    FaultCase{"WritePartlyThenIoError", {TwoBytesThenIoError, nullptr, nullptr}},
    FaultCase{"FlushFails", {nullptr, FlushFails, nullptr}},
    FaultCase{"CloseFails", {nullptr, nullptr, CloseFails}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(SettingsFileWriteFile, WritesInPiecesAndMakesTheFolder) {
    TemporaryFolder folder;
    const auto path = folder.path / "config" / "orvandel" / "orv5.usr";
    SettingsFile::SetWriteCalls({OneByteAtATime, nullptr, nullptr});
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(SettingsFile::WriteFile(path.string(), newSettings));
    SettingsFile::SetWriteCalls({});
    ::umask(mask);
    EXPECT_EQ(Contents(path), newText);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u) << "as the umask gives";
    ASSERT_EQ(::stat(path.parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "a new folder, as the XDG rules ask";

    ::chmod(path.c_str(), 0640);
    EXPECT_TRUE(SettingsFile::WriteFile(path.string(), SettingsFile::Settings{}));
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "a file keeps its mode";
}

// Only a regular file that may be written, reached directly or through a link, is replaced
// (the window's tests try a FIFO, a folder and a link to a device in the file's place).
TEST(SettingsFileWriteFile, ReplacesOnlyAWritableRegularFile) {
    TemporaryFolder folder;
    const auto link = folder.path / "orv5.usr";
    const auto target = folder.path / "dotfiles" / "settings";
    std::filesystem::create_directory(target.parent_path());
    std::ofstream(target) << oldText;
    std::filesystem::create_symlink("dotfiles/settings", link);
    EXPECT_TRUE(SettingsFile::WriteFile(link.string(), newSettings));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(Contents(target), newText);
    ::chmod(target.c_str(), 0444);
    EXPECT_FALSE(SettingsFile::WriteFile(link.string(), {})) << "read-only, even for root";
    EXPECT_EQ(Contents(target), newText);
    std::filesystem::remove(target);
    EXPECT_FALSE(SettingsFile::WriteFile(link.string(), {})) << "a link leading nowhere";
    EXPECT_EQ(Names(folder.path), (std::set<std::string>{"dotfiles", "orv5.usr"}));
    EXPECT_TRUE(Names(target.parent_path()).empty());
}

TEST(SettingsFileRemoveInterruptedSaves, OnlyTemporaryFilesOfASave) {
    TemporaryFolder folder;
    for (const char* name : {"orv5.usr", "orv5.usr.aB3xYz", "orv5.usr.Q0q0Q0", "orv5.usr.aB3xY",
                             "orv5.usr.aB3xYzz", "orv5.usr.aB_xYz", "orv6.usr.aB3xYz", "target"})
        std::ofstream(folder.path / name) << oldText;
    std::filesystem::create_symlink("target", folder.path / "orv5.usr.link00");
    std::filesystem::create_directory(folder.path / "orv5.usr.fold00");
    SettingsFile::RemoveInterruptedSaves((folder.path / "orv5.usr").string());
    EXPECT_EQ(
        Names(folder.path),
        (std::set<std::string>{"orv5.usr", "orv5.usr.aB3xY", "orv5.usr.aB3xYzz", "orv5.usr.aB_xYz",
                               "orv5.usr.fold00", "orv5.usr.link00", "orv6.usr.aB3xYz", "target"}));
}

TEST(SettingsFileUserSettingsPath, FollowsTheXdgRules) {
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string oldXdg = xdg != nullptr ? xdg : "";
    ::setenv("XDG_CONFIG_HOME", "/etc/xdg-test", 1);
    EXPECT_EQ(SettingsFile::UserSettingsPath(), "/etc/xdg-test/orvandel/orv5.usr");
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(SettingsFile::UserSettingsPath(), "/home/someone/.config/orvandel/orv5.usr");
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("HOME");
    const std::string fromPasswd = SettingsFile::UserSettingsPath();
    EXPECT_NE(fromPasswd.rfind("/.config/orvandel/orv5.usr"), std::string::npos);
    EXPECT_NE(fromPasswd, "/.config/orvandel/orv5.usr") << "the home of the password database";
    ::setenv("HOME", home.c_str(), 1);
    if (xdg != nullptr) ::setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1);
}

} // namespace
