// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// "vyr-admin-theme Wallpaper <path>" as a user starts it, alone and with a
// window already open, observed through the saved theme file and the
// window manager's commands.
#include "testenv.h"
#include "wmrecorder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

namespace {
const QString s_title = QStringLiteral("^Vyr Theme Editor - current.themerc");

QString themeFile()
{
    return vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc");
}

/// The window's id once it is mapped, else an empty string after 20 s.
QString waitForWindow()
{
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        QProcess search;
        search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                 QStringLiteral("--name"), s_title});
        if (search.waitForFinished(5000)) {
            const QByteArray id = search.readAllStandardOutput().trimmed();
            if (!id.isEmpty())
                return QString::fromLatin1(id.split('\n').constFirst());
        }
        QTest::qWait(50);
    }
    return QString();
}

/// OK is the dialog's default button: Return in its window presses it.
bool pressOk(const QString &window)
{
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window})
            == 0
        && QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")}) == 0;
}

QString savedWallpaper()
{
    const QByteArray text = vyrtest::readFile(themeFile());
    for (const QByteArray &line : text.split('\n')) {
        if (line.startsWith("WallPaper="))
            return QString::fromUtf8(line.mid(10));
    }
    return QString();
}
}

class TestWallpaperRun : public QObject
{
    Q_OBJECT
    WmRecorder m_recorder;

    QString picture(const QString &name)
    {
        const QString path = vyrtest::home() + QStringLiteral("/real/") + name;
        QImage image(16, 9, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path))
            return QString();
        return path;
    }

    void start(QProcess &program, const QStringList &args)
    {
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(vyrtest::programPath(QStringLiteral("vyr-admin-theme")), args);
        QVERIFY(program.waitForStarted());
    }

private Q_SLOTS:
    void initTestCase()
    {
        vyrtest::installShippedData();
        QVERIFY(m_recorder.start());
    }

    void init()
    {
        vyrtest::resetHome();
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\n"));
        m_recorder.clear();
    }

    void startsWithThePicture()
    {
        // Given a picture reached through a link to its folder,
        const QString real = picture(QStringLiteral("pic.jpg"));
        QVERIFY(!real.isEmpty());
        QVERIFY(QFile::link(vyrtest::home() + QStringLiteral("/real"), vyrtest::home() + QStringLiteral("/link")));
        QProcess program;
        start(program, {QStringLiteral("Wallpaper"), vyrtest::home() + QStringLiteral("/link/pic.jpg")});
        const QString window = waitForWindow();
        QVERIFY(!window.isEmpty());
        // OK saves the picture's canonical path and tells the window manager.
        QVERIFY(pressOk(window));
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(savedWallpaper(), real);
        QVERIFY(m_recorder.waitForLines(1));
        QTRY_VERIFY(m_recorder.lines().contains(QStringLiteral("VYRWM_UPDATE_VAL WallPaper ") + real));
    }

    void secondStartForwardsThePicture()
    {
        const QString real = picture(QStringLiteral("sea view.png"));
        QVERIFY(!real.isEmpty());
        QProcess first;
        start(first, {});
        const QString window = waitForWindow();
        QVERIFY(!window.isEmpty());
        const auto second = vyrtest::run(QStringLiteral("vyr-admin-theme"), {QStringLiteral("Wallpaper"), real});
        QCOMPARE(second.exitCode, 0);
        // The running window took the picture: OK saves it.
        QVERIFY(pressOk(window));
        QVERIFY(first.waitForFinished(20000));
        QCOMPARE(savedWallpaper(), real);
        QTRY_VERIFY(m_recorder.lines().contains(QStringLiteral("VYRWM_UPDATE_VAL WallPaper ") + real));
    }
};

VYR_TEST_GUILESS_MAIN(TestWallpaperRun)
#include "test_wallpaper_run.moc"
