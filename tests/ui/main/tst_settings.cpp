// The settings file as the window finds and saves it, against what goes wrong around it: a
// failing disk, leftovers of an interrupted save, the end of a session, and a time zone that
// changes under the running window. Odd files in the file's place are the Qt-free code's
// tests.
#include <unistd.h>

#include <QDateTime>
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
        f.Click("optDateFormatIsYMD");
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

    // A relative XDG_CONFIG_HOME is not the configuration folder: the window saves under
    // HOME/.config, as the command-line program does.
    void relativeConfigHomeFallsBackToHome() {
        WindowFixture f;
        const OrvTest::Env home("HOME", QFile::encodeName(f.ConfigFolder()));
        const OrvTest::Env config("XDG_CONFIG_HOME", "orvandel");
        f.Start();
        f.Click("optFirstDateIsDIY");
        f.Click("cmdQuit");
        QFile file(f.ConfigFolder() + "/.config/orvandel/orv5.usr");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("0\r\n2,45,44\r\n0,4,0\r\n"));
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
    // SIGTERM and SIGHUP end the program itself in session_end.sh.
    void sessionEndSaves() {
        WindowFixture f;
        f.Start();
        SessionEnd::Install(*f.Window());
        f.Click("optDateFormatIsDMY");
        SettingsFile::SetWriteCalls({CountedWrite, nullptr, nullptr});
        writes = 0;
        QCOMPARE(::raise(SIGINT), 0);
        QTRY_VERIFY(!f.Window()->isVisible());
        QCOMPARE(f.ReadSettings(), QByteArray("0\r\n1,45,44\r\n0,0,0\r\n"));
        f.Window()->close();
        QTest::qWait(50);
        QCOMPARE(writes, 1);
    }

    // A zone changed while the program runs: the next tick shows the date there.
    void todayFollowsTheTimeZone() {
        WindowFixture f;
        f.Start();
        DatePr2::SetNow({});
        // The date there, as the user reads it; 26 hours apart, the two dates always differ.
        const auto dateAt = [](int hours) {
            return QDateTime::currentDateTimeUtc().addSecs(hours * 3600).toString("yyyy-MM-dd");
        };
        for (const auto& [zone, offset] : {std::pair{"<+14>-14", 14}, {"<-12>12", -12}}) {
            const OrvTest::Env tz("TZ", zone);
            QTRY_COMPARE(f.Text("lblTodaysDate").section('\n', 1).left(10), dateAt(offset));
        }
        tzset();
    }
};

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
