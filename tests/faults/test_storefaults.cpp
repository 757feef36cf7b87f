// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// The files the window manager reads are written by the suite's own save
// code while the window manager may read them, and the writer may be
// killed or run out of space at any moment. Each store here is saved
// through the code the programs use, alternating between two versions; a
// reader (the check) must only ever find one of the two complete versions.
#include "testenv.h"

#include <hotkeyfile.h>
#include <hotkeyfunctions.h>
#include <sessionfile.h>
#include <themepaths.h>
#include <themesettings.h>
#include <vyrpaths.h>
#include <vyrqtconfigwidget.h>
#include <wallpaperrecords.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <functional>

namespace {

// One store: where it lives and how the suite saves version 0 or 1 of it.
struct Store {
    std::function<QString()> path;
    std::function<bool(int version)> save;
};

const QString s_longValue = QString(600, QLatin1Char('v')); // a version clearly longer than the other

Store storeNamed(const QString &name)
{
    if (name == QLatin1String("theme file")) {
        return {userThemeFilePath, [](int version) {
                    ThemeSettings theme(userThemeFilePath());
                    theme.setValue(QStringLiteral("WallPaper"), version ? s_longValue : QStringLiteral("a.jpg"));
                    return theme.sync(false);
                }};
    }
    if (name == QLatin1String("palette file")) {
        return {paletteFilePath, [](int version) {
                    PaletteValues values;
                    values.primaryColor = version ? QStringLiteral("#112233") : QStringLiteral("#445566");
                    values.backgroundColor = QStringLiteral("#ffffff");
                    values.colorScheme = version ? s_longValue : QStringLiteral("/usr/share/color-schemes/A.colors");
                    return writePaletteFile(paletteFilePath(), values);
                }};
    }
    if (name == QLatin1String("hot-key file")) {
        return {userKeyFilePath, [](int version) {
                    HotkeyBindings bindings;
                    HotkeyRow row;
                    row.key = QStringLiteral("Ctrl+Alt+T");
                    row.action = version ? s_longValue : QStringLiteral("xterm");
                    row.function = execCommandId();
                    row.source = HotkeySource::User;
                    bindings.commandGroup().rows.append(row);
                    return bindings.save(userKeyFilePath(), false);
                }};
    }
    if (name == QLatin1String("sessrc")) {
        return {sessionFilePath, [](int version) {
                    SessionValues values;
                    values.remoteUserName = version ? s_longValue : QStringLiteral("bob");
                    QList<SessionChange> changes;
                    return saveSessionFile(sessionFilePath(), values, &changes);
                }};
    }
    if (name == QLatin1String(".directory record")) {
        return {[] { return GetVyrDir(VyrDirCurrentDesktop) + QStringLiteral("/.directory"); },
                [](int version) {
                    return writeWallpaperRecords(version ? QLatin1Char('/') + s_longValue : QStringLiteral("#112233"),
                                                 true, false, QString());
                }};
    }
    // Trolltech.conf
    return {VyrQtSettings::defaultPath, [](int version) {
                VyrQtSettings settings;
                settings.style = version ? s_longValue : QStringLiteral("Fusion");
                return settings.write(VyrQtSettings::defaultPath());
            }};
}

void makeReachable(const QString &dir)
{
    // Up to the sandbox, so that "nobody" can reach the store's folder.
    QString path = dir;
    while (path.startsWith(vyrtest::sandboxRoot()) && path.size() >= vyrtest::sandboxRoot().size()) {
        ::chmod(QFile::encodeName(path).constData(), 0755);
        path = QFileInfo(path).absolutePath();
        if (path == QFileInfo(path).absolutePath() && path.size() <= 1)
            break;
        if (path.size() < vyrtest::sandboxRoot().size())
            break;
    }
}

// Runs @p job in a child process and returns its exit status (-1: killed or crashed).
int inChild(const std::function<int()> &job)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(job());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

class TestStoreFaults : public QObject
{
    Q_OBJECT
private:
    QByteArray m_versions[2];
    Store m_store;

    // Saves both versions once and checks that alternating saves alternate
    // between exactly two texts.
    bool prepare(const QString &name)
    {
        vyrtest::resetHome();
        QDir().mkpath(vyrtest::home() + QStringLiteral("/Desktops/Desktop1"));
        vyrtest::writeFile(vyrtest::home() + QStringLiteral("/Desktops/Desktop1/.directory"),
                           "[Desktop Entry]\nName=Desk\n");
        vyrtest::writeFile(userThemeFilePath(), "[Variables]\nDecorTheme=Slate\n");
        m_store = storeNamed(name);
        for (int round = 0; round < 2; ++round) {
            for (int version = 0; version < 2; ++version) {
                if (!m_store.save(version))
                    return false;
                const QByteArray text = vyrtest::readFile(m_store.path());
                if (round == 1 && text != m_versions[version])
                    return false;
                m_versions[version] = text;
            }
        }
        return m_versions[0] != m_versions[1] && !m_versions[0].isEmpty();
    }

    bool isComplete(const QByteArray &text) const { return text == m_versions[0] || text == m_versions[1]; }

    static void addStores()
    {
        QTest::addColumn<QString>("store");
        for (const char *name :
             {"theme file", "palette file", "hot-key file", "sessrc", ".directory record", "Trolltech.conf"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The writers announce values to the window manager; a child must
        // not share the parent's X connection, so there is none.
        qunsetenv("DISPLAY");
    }

    void killedWriterLeavesCompleteFile_data() { addStores(); }
    void killedWriterLeavesCompleteFile()
    {
        QFETCH(QString, store);
        QVERIFY(prepare(store));
        // How long one save takes here, so that the kills fall anywhere in one.
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 20; ++i)
            QVERIFY(m_store.save(i % 2));
        const qint64 saveNs = std::max<qint64>(timer.nsecsElapsed() / 20, 1000);
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        int saves = 0;
        for (int kill = 0; kill < 1000; ++kill) {
            int pipeFds[2];
            QCOMPARE(::pipe(pipeFds), 0);
            const pid_t pid = fork();
            if (pid == 0) {
                ::close(pipeFds[0]);
                for (int i = 0;; ++i) {
                    m_store.save((i + 1) % 2);
                    const char done = 1;
                    if (::write(pipeFds[1], &done, 1) != 1)
                        _exit(1);
                }
            }
            ::close(pipeFds[1]);
            const qint64 delayNs = qint64(random.bounded(quint32(std::min<qint64>(3 * saveNs, 50000000))));
            timespec delay{time_t(delayNs / 1000000000), long(delayNs % 1000000000)};
            nanosleep(&delay, nullptr);
            ::kill(pid, SIGKILL);
            int status = 0;
            waitpid(pid, &status, 0);
            char buffer[256];
            for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
                saves += int(got);
            ::close(pipeFds[0]);
            const QByteArray text = vyrtest::readFile(m_store.path());
            QVERIFY2(isComplete(text), qPrintable(QStringLiteral("kill %1 (seed %2) left:\n%3")
                                                      .arg(kill)
                                                      .arg(seed)
                                                      .arg(QString::fromUtf8(text.left(300)))));
        }
        qInfo("%d completed saves around 1000 kills", saves);
    }

    void writeFailureKeepsOldFile_data()
    {
        QTest::addColumn<QString>("store");
        QTest::addColumn<QString>("how");
        for (const char *name :
             {"theme file", "palette file", "hot-key file", "sessrc", ".directory record", "Trolltech.conf"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, full disk").arg(QLatin1String(name))))
                << QString::fromLatin1(name) << QStringLiteral("full");
            QTest::newRow(qPrintable(QStringLiteral("%1, read-only folder").arg(QLatin1String(name))))
                << QString::fromLatin1(name) << QStringLiteral("readonly");
        }
    }
    void writeFailureKeepsOldFile()
    {
        QFETCH(QString, store);
        QFETCH(QString, how);
        QVERIFY(prepare(store));
        QVERIFY(m_store.save(0));
        const QString dir = QFileInfo(m_store.path()).absolutePath();
        const QStringList filesBefore = QDir(dir).entryList(QDir::Files | QDir::Hidden);
        makeReachable(dir);
        ::chmod(QFile::encodeName(m_store.path()).constData(), 0644);
        if (how == QLatin1String("readonly"))
            ::chmod(QFile::encodeName(dir).constData(), 0555);
        const int status = inChild([&] {
            if (how == QLatin1String("full")) {
                // A file size limit makes writes fail as on a full disk.
                std::signal(SIGXFSZ, SIG_IGN);
                rlimit small{16, 16};
                setrlimit(RLIMIT_FSIZE, &small);
            } else if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                return 3;
            }
            return m_store.save(1) ? 0 : 1;
        });
        ::chmod(QFile::encodeName(dir).constData(), 0755);
        QCOMPARE(status, 1); // the failure is reported, not a success
        QCOMPARE(vyrtest::readFile(m_store.path()), m_versions[0]);
        // Nothing is left beside it.
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), filesBefore);
    }

    void concurrentReaderSeesWholeFiles_data() { addStores(); }
    void concurrentReaderSeesWholeFiles()
    {
        QFETCH(QString, store);
        QVERIFY(prepare(store));
        int pipeFds[2];
        QCOMPARE(::pipe(pipeFds), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            ::close(pipeFds[0]);
            for (int i = 0; i < 300; ++i)
                m_store.save((i + 1) % 2);
            _exit(0);
        }
        ::close(pipeFds[1]);
        int reads = 0;
        for (;;) {
            int status = 0;
            const bool ended = waitpid(pid, &status, WNOHANG) == pid;
            const QByteArray text = vyrtest::readFile(m_store.path());
            ++reads;
            QVERIFY2(isComplete(text), text.left(300).constData());
            if (ended) {
                QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                break;
            }
        }
        ::close(pipeFds[0]);
        QVERIFY(reads > 1);
    }
};

VYR_TEST_GUILESS_MAIN(TestStoreFaults)
#include "test_storefaults.moc"
