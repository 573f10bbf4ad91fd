// The settings file: what is read and refused, the format, and a save that keeps the old file
// whatever goes wrong, touches nothing but a regular file, and leaves no temporary file.
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

#include "support/Table.h"

namespace {

namespace fs = std::filesystem;

// The settings as the file writes them, with "/" for its line ends.
using DatePr2::DateOrder;
using DatePr2::Kind;
const SettingsFile::Settings saved{1, DateOrder::DMY, "/", "", Kind::JDN, Kind::JC, Kind::AN};

std::string Lines(const SettingsFile::Settings& s) {
    std::string text = SettingsFile::Format(s);
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n"))
        text.replace(end, 2, "/");
    return text;
}

TEST(SettingsFile, ParseReadsOrRefuses) {
    for (const Row& r : Table("settings_parse.txt")) {
        const auto read = SettingsFile::Parse(r[0], r[1] == "yes");
        EXPECT_EQ(read ? Lines(*read) : "unreadable", r[2]) << "line " << r.line;
    }
    EXPECT_EQ(SettingsFile::Format({}), "0\r\n2,45,44\r\n0,0,0\r\n");
    EXPECT_EQ(SettingsFile::Format(saved), "1\r\n1,47,0\r\n2,1,3\r\n");
}

// A fresh folder for one test, removed at its end.
struct TemporaryFolder {
    TemporaryFolder() {
        std::string name = (fs::temp_directory_path() / "orv-settings-XXXXXX").string();
        path = ::mkdtemp(name.data()) != nullptr ? name : std::string();
    }
    ~TemporaryFolder() { fs::remove_all(path); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    fs::path path;
};

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// What lies in the file's place: only a regular file is read, and nothing blocks or reads past
// the limit.
TEST(SettingsFile, ReadFileReadsOnlyARegularFile) {
    TemporaryFolder folder;
    const auto path = (folder.path / "orv5.usr").string();
    EXPECT_FALSE(SettingsFile::ReadFile(path)) << "missing";
    std::ofstream(path) << "1\r\n1,47,0\r\n2,1,3\r\n" << std::string(5000, ' ');
    EXPECT_EQ(Lines(SettingsFile::ReadFile(path).value()), "1/1,47,0/2,1,3/");
    fs::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_FALSE(SettingsFile::ReadFile(path)) << "FIFO";
    fs::remove(path);
    fs::create_directory(path);
    EXPECT_FALSE(SettingsFile::ReadFile(path)) << "folder";
}

const SettingsFile::Settings newSettings{4, DateOrder::MDY, ".", "", Kind::AN, Kind::JDN, Kind::JC};
const std::string newText = "4\r\n0,46,0\r\n3,2,1\r\n";
// Not even settings: the old file must come back exactly as it was.
constexpr char oldBytes[] = "old bytes \xff\0 kept as they are";
const std::string oldText(oldBytes, sizeof oldBytes - 1);

// The calls of a full or failing disk.
int writes = 0;
ssize_t OneByteAtATime(int fd, const void* data, std::size_t) {
    return ::write(fd, data, 1);
}

TEST(SettingsFile, FailedSaveLeavesTheOldFileByteForByte) {
    using Calls = SettingsFile::WriteCalls;
    for (const Calls calls :
         {Calls{[](int, const void*, std::size_t) -> ssize_t { return errno = ENOSPC, -1; }},
          Calls{[](int fd, const void*data, std::size_t) -> ssize_t {
              return ++writes > 1 ? (errno = EIO, -1) : ::write(fd, data, 2); // then an error
          }},
          Calls{nullptr, [](int) { return errno = EIO, -1; }},
          Calls{nullptr, nullptr, [](int fd) { return ::close(fd), errno = EIO, -1; }}}) {
        TemporaryFolder folder;
        const auto path = folder.path / "orv5.usr";
        std::ofstream(path, std::ios::binary) << oldText;
        writes = 0;
        SettingsFile::SetWriteCalls(calls);
        EXPECT_FALSE(SettingsFile::WriteFile(path.string(), newSettings));
        SettingsFile::SetWriteCalls({});
        EXPECT_EQ(Contents(path), oldText);
        EXPECT_EQ(Names(folder.path), std::set<std::string>{"orv5.usr"}) << "no temporary file";
    }
}

TEST(SettingsFile, WritesInPiecesMakesTheFolderAndKeepsTheMode) {
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
TEST(SettingsFile, ReplacesOnlyAWritableRegularFile) {
    TemporaryFolder folder;
    const auto link = folder.path / "orv5.usr";
    const auto target = folder.path / "dotfiles" / "settings";
    fs::create_directory(target.parent_path());
    std::ofstream(target) << oldText;
    fs::create_symlink("dotfiles/settings", link);
    EXPECT_TRUE(SettingsFile::WriteFile(link.string(), newSettings));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(target), newText);
    ::chmod(target.c_str(), 0444);
    EXPECT_FALSE(SettingsFile::WriteFile(link.string(), {})) << "read-only, even for root";
    EXPECT_EQ(Contents(target), newText);
    fs::remove(target);
    EXPECT_FALSE(SettingsFile::WriteFile(link.string(), {})) << "a link leading nowhere";
    EXPECT_EQ(Names(folder.path), (std::set<std::string>{"dotfiles", "orv5.usr"}));
    EXPECT_TRUE(Names(target.parent_path()).empty());
}

// A link into another file system (a dotfiles folder on tmpfs): the new file is made beside
// the target, since a rename cannot cross file systems.
TEST(SettingsFile, ReplacesTheTargetOfALinkIntoAnotherFileSystem) {
    TemporaryFolder folder;
    char name[] = "/dev/shm/orv-target-XXXXXX";
    const int fd = ::mkstemp(name);
    ASSERT_GE(fd, 0) << "no tmpfs at /dev/shm";
    ::close(fd);
    struct stat here {
    }, there{};
    ASSERT_EQ(::stat(folder.path.c_str(), &here) + ::stat(name, &there), 0);
    ASSERT_NE(here.st_dev, there.st_dev) << "the temporary folder is on tmpfs too";
    const auto link = folder.path / "orv5.usr";
    fs::create_symlink(name, link);
    EXPECT_TRUE(SettingsFile::WriteFile(link.string(), newSettings));
    EXPECT_EQ(Contents(name), newText);
    EXPECT_TRUE(fs::is_symlink(link));
    ::unlink(name);
}

TEST(SettingsFile, RemoveInterruptedSavesTakesOnlyTemporaryFilesOfASave) {
    TemporaryFolder folder;
    for (const char* name : {"orv5.usr", "orv5.usr.aB3xYz", "orv5.usr.Q0q0Q0", "orv5.usr.aB3xY",
                             "orv5.usr.aB3xYzz", "orv5.usr.aB_xYz", "orv6.usr.aB3xYz", "target"})
        std::ofstream(folder.path / name) << oldText;
    fs::create_symlink("target", folder.path / "orv5.usr.link00");
    fs::create_directory(folder.path / "orv5.usr.fold00");
    SettingsFile::RemoveInterruptedSaves((folder.path / "orv5.usr").string());
    EXPECT_EQ(
        Names(folder.path),
        (std::set<std::string>{"orv5.usr", "orv5.usr.aB3xY", "orv5.usr.aB3xYzz", "orv5.usr.aB_xYz",
                               "orv5.usr.fold00", "orv5.usr.link00", "orv6.usr.aB3xYz", "target"}));
}

TEST(SettingsFile, UserSettingsPathFollowsTheXdgRules) {
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
    ::setenv("HOME", "", 1);
    EXPECT_EQ(SettingsFile::UserSettingsPath(), fromPasswd) << "HOME set but empty";
    ::setenv("HOME", home.c_str(), 1);
    if (xdg != nullptr) ::setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1);
}

} // namespace
