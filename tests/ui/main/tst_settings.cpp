// The settings file against what goes wrong around it: a failing disk, odd files in its
// place, leftovers of an interrupted save, the end of a session, and a time zone that changes
// under the running window.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <ctime>

#include "WindowFixture.h"
#include "app/SettingsFile.h"
#include "ui/main/SessionEnd.h"

using OrvTest::WindowFixture;

namespace {

const QByteArray saved("1\r\n1,47,0\r\n2,1,3\r\n");

int writes = 0;
ssize_t NoSpace(int, const void*, std::size_t) {
    ++writes;
    errno = ENOSPC;
    return -1;
}
ssize_t CountedWrite(int fd, const void* data, std::size_t size) {
    ++writes;
    return ::write(fd, data, size);
}

// What is at `path`, not following a link: what the save must leave alone.
std::pair<ino_t, mode_t> Node(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 ? std::pair(info.st_ino, info.st_mode)
                                                 : std::pair(ino_t{0}, mode_t{0});
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { SettingsFile::SetWriteCalls({}); }

    // A save that fails, or a folder that cannot be made, is silent and keeps what was there.
    void failedSaveIsSilent() {
        WindowFixture f;
        f.WriteSettings(saved);
        f.Start();
        f.Choose("optDateFormatIsYMD");
        SettingsFile::SetWriteCalls({NoSpace, nullptr, nullptr});
        writes = 0;
        f.Click("cmdQuit");
        QCOMPARE(writes, 1);
        QVERIFY(!f.Window()->isVisible());
        QCOMPARE(f.ReadSettings(), saved);
        WindowFixture g; // a file where the settings folder belongs
        QVERIFY(QFile(g.ConfigFolder() + "/orvandel").open(QIODevice::WriteOnly));
        g.Start();
        g.Click("cmdQuit");
        QVERIFY(!g.Window()->isVisible() && !QFile::exists(g.SettingsPath()));
        QVERIFY(f.boxes.shown.isEmpty() && g.boxes.shown.isEmpty());
    }

    // Starts without hanging, then quits without replacing what is there.
    void oddFileLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"FIFO", "folder", "link to device"})
            QTest::newRow(kind) << kind;
    }
    void oddFileLeftAlone() {
        QFETCH(QString, kind);
        WindowFixture f;
        QDir().mkpath(f.ConfigFolder() + "/orvandel");
        const QByteArray path = QFile::encodeName(f.SettingsPath());
        const QByteArray device = QFile::encodeName(f.ConfigFolder() + "/device");
        if (kind == "FIFO") QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        if (kind == "folder") QVERIFY(QDir().mkpath(f.SettingsPath()));
        if (kind == "link to device") {
            // A device node of the test's own, never one of the system's.
            if (::mknod(device.constData(), S_IFCHR | 0600, ::makedev(1, 3)) != 0)
                QSKIP("making a device node is not permitted here");
            QCOMPARE(::symlink(device.constData(), path.constData()), 0);
        }
        const auto before = Node(path);
        QVERIFY(before.second != 0);
        f.Start();
        f.Choose("optDateFormatIsDMY");
        f.Click("cmdQuit");
        QVERIFY(Node(path) == before);
        QVERIFY(f.boxes.shown.isEmpty());
    }

    // Which names count is the Qt-free code's test; here, that the start removes them.
    void leftoversOfASaveRemovedAtStart() {
        WindowFixture f;
        f.WriteSettings(saved);
        const QString folder = f.ConfigFolder() + "/orvandel/";
        for (const char* name : {"orv5.usr.x7Rq2Z", "orv5.usr.bak"})
            QVERIFY(QFile(folder + name).open(QIODevice::WriteOnly));
        f.Start();
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"orv5.usr", "orv5.usr.bak"}));
    }

    // The signal closes the window the way its close box does: one save, with the change.
    void sessionEndSaves_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void sessionEndSaves() {
        QFETCH(int, signal);
        WindowFixture f;
        f.Start();
        SessionEnd::Install(*f.Window());
        f.Choose("optDateFormatIsDMY");
        SettingsFile::SetWriteCalls({CountedWrite, nullptr, nullptr});
        writes = 0;
        QCOMPARE(::raise(signal), 0);
        QTRY_VERIFY(!f.Window()->isVisible());
        QCOMPARE(f.ReadSettings(), QByteArray("0\r\n1,45,44\r\n0,0,0\r\n"));
        f.Window()->close();
        QTest::qWait(50);
        QCOMPARE(writes, 1);
    }

    // A zone changed while the program runs: the next tick shows the date there.
    void todayFollowsTheTimeZone() {
        const QByteArray zone = qgetenv("TZ");
        const bool hadZone = qEnvironmentVariableIsSet("TZ");
        WindowFixture f;
        f.Start();
        DatePr2::SetNow({});
        const auto date = [&f] { return f.Text("lblTodaysDate").section('\n', 1).left(10); };
        // The date there, as the user reads it; 26 hours apart, the two dates always differ.
        const auto dateAt = [](int offsetHours) {
            const std::time_t shifted = std::time(nullptr) + offsetHours * 3600;
            std::tm utc{};
            gmtime_r(&shifted, &utc);
            char text[16];
            std::strftime(text, sizeof text, "%Y-%m-%d", &utc);
            return QString::fromLatin1(text);
        };
        qputenv("TZ", "<+14>-14");
        QTRY_COMPARE(date(), dateAt(14));
        qputenv("TZ", "<-12>12");
        QTRY_COMPARE(date(), dateAt(-12));
        if (hadZone)
            qputenv("TZ", zone);
        else
            qunsetenv("TZ");
        tzset();
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
