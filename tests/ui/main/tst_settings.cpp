// The settings file against what goes wrong around it: a failing disk, odd files in its
// place, leftovers of an interrupted save, the end of a session, unusual environments and a
// time zone that changes under the running window.
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// The kind of file at `path`, not following a link: what the save must leave alone.
QString Kind(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return QStringLiteral("none");
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("link to ") + Kind(QFileInfo(path).symLinkTarget());
    if (S_ISFIFO(info.st_mode)) return QStringLiteral("FIFO");
    if (S_ISDIR(info.st_mode)) return QStringLiteral("folder");
    if (S_ISCHR(info.st_mode)) return QStringLiteral("device");
    return QStringLiteral("file");
}

// The date of today's label as the user reads it, for the zone `offsetHours` east of UTC.
QString DateAt(int offsetHours) {
    const std::time_t shifted = std::time(nullptr) + offsetHours * 3600;
    std::tm utc{};
    gmtime_r(&shifted, &utc);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &utc);
    return QString::fromLatin1(text);
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { SettingsFile::SetWriteCalls({}); }

    void failedSaveKeepsTheOldFile() {
        WindowFixture f;
        f.WriteSettings(saved);
        f.Start();
        f.Choose(QStringLiteral("optDateFormatIsYMD"));
        SettingsFile::SetWriteCalls({NoSpace, nullptr, nullptr});
        writes = 0;
        f.Click(QStringLiteral("cmdQuit"));
        QCOMPARE(writes, 1);
        QVERIFY(!f.Window()->isVisible());
        QCOMPARE(f.ReadSettings(), saved);
        QVERIFY(f.boxes.shown.isEmpty());
    }

    void oddFileLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << QStringLiteral("FIFO");
        QTest::newRow("folder") << QStringLiteral("folder");
        QTest::newRow("link to a device") << QStringLiteral("link to device");
    }

    // Starts without hanging, then quits without replacing what is there.
    void oddFileLeftAlone() {
        QFETCH(QString, kind);
        WindowFixture f;
        QDir().mkpath(f.ConfigFolder() + QStringLiteral("/orvandel"));
        const QByteArray path = QFile::encodeName(f.SettingsPath());
        const QByteArray device = QFile::encodeName(f.ConfigFolder() + QStringLiteral("/device"));
        if (kind == QLatin1String("FIFO")) QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        if (kind == QLatin1String("folder")) QVERIFY(QDir().mkpath(f.SettingsPath()));
        if (kind == QLatin1String("link to device")) {
            // A device node of the test's own, never one of the system's.
            if (::mknod(device.constData(), S_IFCHR | 0600, ::makedev(1, 3)) != 0)
                QSKIP("making a device node is not permitted here");
            QCOMPARE(::symlink(device.constData(), path.constData()), 0);
        }
        f.Start();
        f.Choose(QStringLiteral("optDateFormatIsDMY"));
        f.Click(QStringLiteral("cmdQuit"));
        QCOMPARE(Kind(f.SettingsPath()), kind);
        QVERIFY(f.boxes.shown.isEmpty());
    }

    // Which names count is the Qt-free code's test; here, that the start removes them.
    void leftoversOfASaveRemovedAtStart() {
        WindowFixture f;
        f.WriteSettings(saved);
        const QString folder = f.ConfigFolder() + QStringLiteral("/orvandel/");
        for (const char* name : {"orv5.usr.x7Rq2Z", "orv5.usr.bak"}) {
            QFile file(folder + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        f.Start();
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"orv5.usr", "orv5.usr.bak"}));
    }

    void sessionEndSaves_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }

    // The signal closes the window the way its close box does: one save, with the change.
    void sessionEndSaves() {
        QFETCH(int, signal);
        WindowFixture f;
        f.Start();
        SessionEnd::Install(*f.Window());
        f.Choose(QStringLiteral("optDateFormatIsDMY"));
        SettingsFile::SetWriteCalls({CountedWrite, nullptr, nullptr});
        writes = 0;
        QCOMPARE(::raise(signal), 0);
        QTRY_VERIFY(!f.Window()->isVisible());
        QCOMPARE(f.ReadSettings(), QByteArray("0\r\n1,45,44\r\n0,0,0\r\n"));
        f.Window()->close();
        QTest::qWait(50);
        QCOMPARE(writes, 1);
    }

    // A relative XDG_CONFIG_HOME is ignored and, without HOME, the password database's home
    // is used.
    void xdgRules() {
        WindowFixture f; // puts XDG_CONFIG_HOME back
        const QByteArray home = qgetenv("HOME");
        qputenv("XDG_CONFIG_HOME", "relative");
        qunsetenv("HOME");
        const QString path = frmMain::SettingsPath();
        qputenv("HOME", home);
        const passwd* user = ::getpwuid(::getuid());
        QVERIFY(user != nullptr);
        QCOMPARE(path,
                 QFile::decodeName(user->pw_dir) + QStringLiteral("/.config/orvandel/orv5.usr"));
    }

    // A zone changed while the program runs: the next tick shows the date there.
    void todayFollowsTheTimeZone() {
        const QByteArray zone = qgetenv("TZ");
        const bool hadZone = qEnvironmentVariableIsSet("TZ");
        WindowFixture f;
        f.Start();
        DatePr2::SetNow({});
        const auto date = [&f] {
            const QString today = f.Text(QStringLiteral("lblTodaysDate"));
            return today.mid(today.indexOf(QLatin1Char('\n')) + 1).left(10);
        };
        // 26 hours apart: the two dates always differ.
        qputenv("TZ", "<+14>-14");
        QTRY_COMPARE(date(), DateAt(14));
        qputenv("TZ", "<-12>12");
        QTRY_COMPARE(date(), DateAt(-12));
        if (hadZone)
            qputenv("TZ", zone);
        else
            qunsetenv("TZ");
        tzset();
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
