// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <cstdio>

/**
 * Hermetic test environment. setupEnvironment() runs before the application
 * object exists (see VYR_TEST_MAIN) and points HOME, the XDG directories,
 * XDG_RUNTIME_DIR and VYR_SYSROOT (the prefix of every system path) at a
 * fresh temporary tree; nothing a test does reaches the real home, /usr/share
 * or /etc. PATH gets a private "bin" folder first, for fake tools.
 */
namespace vyrtest {
void setupEnvironment();
/// See modalanswerer.h: modal windows nobody answers fail the test.
void watchModalDialogs();
/// The sandbox: <root>/home is HOME, <root>/sysroot is VYR_SYSROOT.
QString sandboxRoot();
QString home();
QString sysroot();
/// The private folder at the front of PATH.
QString fakeBinDir();
/// A path below the sandbox's system root: sysPath("/usr/share/x").
QString sysPath(const QString &absolute);
/// Copies the project's shipped data (data/share) into <sysroot>/usr/share.
void installShippedData();
/// The project's source tree and the directory of the built programs.
QString sourceDir();
QString programPath(const QString &name);
/// Writes a file (creating parents); returns false on failure.
bool writeFile(const QString &path, const QByteArray &data);
QByteArray readFile(const QString &path);
/// Puts an executable shell script named @p name into fakeBinDir() (or the
/// given absolute path).
bool writeScript(const QString &nameOrPath, const QByteArray &body);
/// Removes everything below HOME and recreates the XDG directories.
void resetHome();

/**
 * Starts an X server for this test process alone (Xvfb, 1280x1024, ended
 * with the process) and points DISPLAY at it, for children too. Call it
 * before the application object exists. False when no server started.
 */
bool startPrivateDisplay();

/**
 * A file as a check for "left alone" sees it. A file nobody touched keeps
 * its content, inode and modification time; an atomic replacement shows in
 * the inode and a new content in the bytes at once, with no need to wait for
 * the clock to move on before the action.
 */
struct FileState {
    bool exists = false;
    quint64 inode = 0;
    qint64 modifiedNs = 0;
    QByteArray data;
    bool operator==(const FileState &other) const;
    bool operator!=(const FileState &other) const { return !(*this == other); }
};
FileState fileState(const QString &path);
/// fileState() of every file below @p dir, by path.
QMap<QString, FileState> treeState(const QString &dir);
/// The paths below @p dir added, removed or changed since @p before.
QStringList changedFiles(const QMap<QString, FileState> &before, const QString &dir);
/// For QCOMPARE.
char *toString(const FileState &state);

/**
 * While alive, what this process writes to standard error (file descriptor
 * 2, so the C library's and Qt's messages too) goes to a temporary file
 * instead; take() ends the capture and returns it.
 */
class StderrCapture
{
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture &) = delete;
    StderrCapture &operator=(const StderrCapture &) = delete;
    /// Everything written since the capture began; later calls return the same.
    QByteArray take();

private:
    std::FILE *m_file = nullptr;
    int m_saved = -1;
    QByteArray m_text;
};

struct RunResult {
    int exitCode = -1;
    bool crashed = false;
    bool timedOut = false;
    QByteArray out;
    QByteArray err;
};
/// Runs a built program (or absolute path) with @p args and waits.
RunResult run(const QString &program, const QStringList &args, int timeoutMs = 30000,
              const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
              const QByteArray &input = QByteArray());

/// True when the tests can run a program as the user "nobody".
bool canRunAsOrdinaryUser();

/**
 * Runs a built program wholly as "nobody" (real and effective ids), as an
 * ordinary user runs it. Qt refuses to start a GUI application whose real
 * and effective ids differ, and the kernel makes such a process one that
 * nothing may trace, so the leak checker of a sanitizer build cannot stop
 * it either: start programs this way, not under AsOrdinaryUser.
 */
RunResult runAsOrdinaryUser(const QString &program, const QStringList &args,
                            const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());

/**
 * While alive, the effective uid is "nobody" (when running as root), so that
 * permission checks apply as for an ordinary user. Directories the test
 * wants reachable must be world-searchable.
 */
class AsOrdinaryUser
{
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    bool active() const { return m_active; }

private:
    bool m_active = false;
};
}

/// Like QTEST_MAIN, with the sandbox set up before the application exists.
#define VYR_TEST_MAIN(TestObject)                                                                                     \
    int main(int argc, char *argv[])                                                                                 \
    {                                                                                                                 \
        vyrtest::setupEnvironment();                                                                                  \
        QApplication app(argc, argv);                                                                                 \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                      \
        vyrtest::watchModalDialogs();                                                                                 \
        TestObject tc;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                    \
        return QTest::qExec(&tc, argc, argv);                                                                         \
    }

/**
 * Like VYR_TEST_MAIN, on an X server of the test's own (startPrivateDisplay()):
 * for tests that type with xdotool or move the keyboard focus, which windows
 * of tests running beside them on a shared display would disturb.
 */
#define VYR_TEST_MAIN_OWN_DISPLAY(TestObject)                                                                         \
    int main(int argc, char *argv[])                                                                                 \
    {                                                                                                                 \
        vyrtest::setupEnvironment();                                                                                  \
        if (!vyrtest::startPrivateDisplay()) {                                                                        \
            qCritical("no X server of the test's own (Xvfb)");                                                       \
            return 1;                                                                                                 \
        }                                                                                                             \
        QApplication app(argc, argv);                                                                                 \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                      \
        vyrtest::watchModalDialogs();                                                                                 \
        TestObject tc;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                    \
        return QTest::qExec(&tc, argc, argv);                                                                         \
    }

/// For tests that need no widgets.
#define VYR_TEST_GUILESS_MAIN(TestObject)                                                                             \
    int main(int argc, char *argv[])                                                                                 \
    {                                                                                                                 \
        vyrtest::setupEnvironment();                                                                                  \
        QCoreApplication app(argc, argv);                                                                             \
        TestObject tc;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                    \
        return QTest::qExec(&tc, argc, argv);                                                                         \
    }
