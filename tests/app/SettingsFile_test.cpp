// The settings file: what is read and refused, where it lives, and a save that keeps the old
// file whatever goes wrong, touches nothing but a regular file, and leaves no temporary file.
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
using DatePr2::DateOrder;
using DatePr2::Kind;
using Names = std::set<std::string>;

TEST(SettingsFile, ParseReadsOrRefuses) {
    for (const Row& r : Table("settings_parse.txt")) {
        const auto read = SettingsFile::Parse(r[0], r[1] == "yes");
        std::string text = read ? SettingsFile::Format(*read) : "unreadable";
        for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n"))
            text.replace(end, 2, "/");
        EXPECT_EQ(text, r[2]) << "line " << r.line;
    }
}

const SettingsFile::Settings newSettings{4, DateOrder::MDY, ".", "", Kind::AN, Kind::JDN, Kind::JC};
const std::string newText = "4\r\n0,46,0\r\n3,2,1\r\n";
// Not even settings: the old file must come back exactly as it was.
constexpr char oldBytes[] = "old bytes \xff\0 kept as they are";
const std::string oldText(oldBytes, sizeof oldBytes - 1);

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Each test in a fresh folder, removed at its end.
class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "orv-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder = name;
        file = folder / "orv5.usr";
    }
    void TearDown() override {
        SettingsFile::SetWriteCalls({});
        fs::remove_all(folder);
    }
    static Names In(const fs::path& where) {
        Names names;
        for (const auto& entry : fs::directory_iterator(where))
            names.insert(entry.path().filename().string());
        return names;
    }
    fs::path folder, file;
};

// Only a regular file is read, never past the limit, and nothing blocks.
TEST_F(SettingsFileTest, ReadFileReadsOnlyARegularFile) {
    EXPECT_FALSE(SettingsFile::ReadFile(file)) << "missing";
    std::ofstream(file) << newText << std::string(5000, ' ');
    EXPECT_EQ(SettingsFile::Format(SettingsFile::ReadFile(file).value()), newText);
    std::ofstream(file) << "4\r\n0,46,0\r\n3,2," << std::string(5000, '0') << "\r\n";
    EXPECT_FALSE(SettingsFile::ReadFile(file)) << "a third line cut off by the limit";
    fs::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    EXPECT_FALSE(SettingsFile::ReadFile(file)) << "FIFO";
    fs::remove(file);
    fs::create_directory(file);
    EXPECT_FALSE(SettingsFile::ReadFile(file)) << "folder";
}

int writes = 0;

TEST_F(SettingsFileTest, FailedSaveLeavesTheOldFileByteForByte) {
    using Calls = SettingsFile::WriteCalls;
    for (const Calls calls :
         {Calls{[](int, const void*, std::size_t) -> ssize_t { return errno = ENOSPC, -1; }},
          Calls{[](int fd, const void*data, std::size_t) -> ssize_t {
              return ++writes > 1 ? (errno = EIO, -1) : ::write(fd, data, 2); // then an error
          }},
          Calls{nullptr, [](int) { return errno = EIO, -1; }},
          Calls{nullptr, nullptr, [](int fd) { return ::close(fd), errno = EIO, -1; }}}) {
        std::ofstream(file, std::ios::binary) << oldText;
        writes = 0;
        SettingsFile::SetWriteCalls(calls);
        EXPECT_FALSE(SettingsFile::WriteFile(file, newSettings));
        EXPECT_EQ(Contents(file), oldText);
        EXPECT_EQ(In(folder), Names{"orv5.usr"}) << "no temporary file";
    }
}

TEST_F(SettingsFileTest, WritesInPiecesMakesTheFolderAndKeepsTheMode) {
    const auto path = folder / "config" / "orvandel" / "orv5.usr";
    SettingsFile::SetWriteCalls(
        {[](int fd, const void* data, std::size_t) { return ::write(fd, data, 1); }});
    const mode_t mask = ::umask(022);
    EXPECT_TRUE(SettingsFile::WriteFile(path, newSettings));
    ::umask(mask);
    EXPECT_EQ(Contents(path), newText);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u) << "as the umask gives";
    ASSERT_EQ(::stat(path.parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "a new folder, as the XDG rules ask";
    ::chmod(path.c_str(), 0640);
    EXPECT_TRUE(SettingsFile::WriteFile(path, SettingsFile::Settings{}));
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "a file keeps its mode";
}

// Only a regular file that may be written, reached directly or through a link, is replaced
// (the window's tests try a FIFO, a folder and a link to a device in the file's place).
TEST_F(SettingsFileTest, ReplacesOnlyAWritableRegularFile) {
    const auto target = folder / "dotfiles" / "settings";
    fs::create_directory(target.parent_path());
    std::ofstream(target) << oldText;
    fs::create_symlink("dotfiles/settings", file);
    EXPECT_TRUE(SettingsFile::WriteFile(file, newSettings));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(Contents(target), newText);
    ::chmod(target.c_str(), 0444);
    EXPECT_FALSE(SettingsFile::WriteFile(file, {})) << "read-only, even for root";
    EXPECT_EQ(Contents(target), newText);
    fs::remove(target);
    EXPECT_FALSE(SettingsFile::WriteFile(file, {})) << "a link leading nowhere";
    EXPECT_EQ(In(folder), (Names{"dotfiles", "orv5.usr"}));
    EXPECT_TRUE(In(target.parent_path()).empty());
}

// A link into another file system (a dotfiles folder on tmpfs): the new file is made beside
// the target, since a rename cannot cross file systems.
TEST_F(SettingsFileTest, ReplacesTheTargetOfALinkIntoAnotherFileSystem) {
    char name[] = "/dev/shm/orv-target-XXXXXX";
    const int fd = ::mkstemp(name);
    ASSERT_GE(fd, 0) << "no tmpfs at /dev/shm";
    ::close(fd);
    struct stat here {
    }, there{};
    ASSERT_EQ(::stat(folder.c_str(), &here) + ::stat(name, &there), 0);
    ASSERT_NE(here.st_dev, there.st_dev) << "the temporary folder is on tmpfs too";
    fs::create_symlink(name, file);
    EXPECT_TRUE(SettingsFile::WriteFile(file, newSettings));
    EXPECT_EQ(Contents(name), newText);
    ::unlink(name);
}

TEST_F(SettingsFileTest, RemoveInterruptedSavesTakesOnlyTemporaryFilesOfASave) {
    for (const char* name : {"orv5.usr", "orv5.usr.aB3xYz", "orv5.usr.aB3xY", "orv5.usr.aB3xYzz",
                             "orv5.usr.aB_xYz", "orv6.usr.aB3xYz"})
        std::ofstream(folder / name) << oldText;
    fs::create_symlink("orv5.usr", folder / "orv5.usr.link00");
    fs::create_directory(folder / "orv5.usr.fold00");
    SettingsFile::RemoveInterruptedSaves(file);
    EXPECT_EQ(In(folder),
              (Names{"orv5.usr", "orv5.usr.aB3xY", "orv5.usr.aB3xYzz", "orv5.usr.aB_xYz",
                     "orv5.usr.fold00", "orv5.usr.link00", "orv6.usr.aB3xYz"}));
}

// $XDG_CONFIG_HOME when absolute, else ~/.config with ~ from $HOME when it is not empty, else
// from the password database.
TEST(SettingsFile, UserSettingsPathFollowsTheXdgRules) {
    const char* home = std::getenv("HOME");
    const std::string oldHome = home != nullptr ? home : "";
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("HOME");
    const std::string fromPasswd = SettingsFile::UserSettingsPath();
    EXPECT_TRUE(fromPasswd.ends_with("/.config/orvandel/orv5.usr") &&
                fromPasswd != "/.config/orvandel/orv5.usr")
        << fromPasswd;
    ::setenv("HOME", "", 1);
    EXPECT_EQ(SettingsFile::UserSettingsPath(), fromPasswd) << "HOME set but empty";
    ::setenv("HOME", "/home/someone", 1);
    for (const char* ignored : {"", "relative/config"}) {
        ::setenv("XDG_CONFIG_HOME", ignored, 1);
        EXPECT_EQ(SettingsFile::UserSettingsPath(), "/home/someone/.config/orvandel/orv5.usr");
    }
    ::setenv("XDG_CONFIG_HOME", "/etc/xdg-test", 1);
    EXPECT_EQ(SettingsFile::UserSettingsPath(), "/etc/xdg-test/orvandel/orv5.usr");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", oldHome.c_str(), 1);
}

} // namespace
