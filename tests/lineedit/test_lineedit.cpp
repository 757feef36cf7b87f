// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-lineedit from end to end: the real program on the test display, keys
// typed with xdotool, messages caught by a fake vyr-dialog in PATH, and the
// select command read from the window manager's channel.

#include "testenv.h"
#include "wmrecorder.h"
#include "xwindows.h"

#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QWidget>

#include <X11/Xlib.h>

namespace {
const QByteArray s_class = QByteArrayLiteral("vyr-lineedit");
}

class TestLineEdit : public QObject
{
    Q_OBJECT
private:
    Display *m_dpy = nullptr;
    WmRecorder m_recorder;
    QString m_desktop;
    QString m_dialogLog;

    QString itemPath(const QString &name) const { return m_desktop + QLatin1Char('/') + name; }

    /// Every vyr-dialog call so far, each as its argument list.
    QList<QStringList> dialogCalls() const
    {
        QList<QStringList> calls;
        QDirIterator it(m_dialogLog, {QStringLiteral("*.rec")}, QDir::Files);
        while (it.hasNext()) {
            const QByteArray data = vyrtest::readFile(it.next());
            QStringList args;
            for (const QByteArray &arg : data.split('\0'))
                args << QString::fromUtf8(arg);
            args.removeLast(); // after the final NUL
            calls << args;
        }
        return calls;
    }

    /// Starts the program and waits until its editor has the keyboard focus.
    bool startEditor(QProcess &process, const QStringList &args, unsigned long *window = nullptr)
    {
        process.start(vyrtest::programPath(QStringLiteral("vyr-lineedit")), args);
        if (!process.waitForStarted(5000))
            return false;
        QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired() && process.state() == QProcess::Running) {
            const unsigned long found = xwin::findViewable(m_dpy, s_class);
            if (found && xwin::inputFocus(m_dpy) == found) {
                if (window)
                    *window = found;
                return true;
            }
            QTest::qWait(20);
        }
        return false;
    }

    int finish(QProcess &process) { return xwin::waitServing(process); }

    /// Enters @p text into the focused window: typed when it is ASCII,
    /// pasted otherwise (xdotool's remapping of keys for other scripts
    /// races with the client's keymap and drops letters).
    void enterText(const QString &text)
    {
        bool ascii = true;
        for (const QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (ascii) {
            xwin::xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("15"),
                           QStringLiteral("--"), text});
            return;
        }
        // The editor fetches the text from this process, whose event loop
        // keeps serving it while the next keys go out and until the editor
        // ends (xdotool() and finish() both serve), and the editor handles
        // those keys only after the paste.
        QGuiApplication::clipboard()->setText(text);
        xwin::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+v")});
    }

    /// Runs the editor on @p path and plays @p actions ("type:text", "key:name").
    int edit(const QString &path, const QStringList &actions, QByteArray *err = nullptr)
    {
        QProcess process;
        if (!startEditor(process, {QStringLiteral("-x"), QStringLiteral("300"), QStringLiteral("-y"),
                                   QStringLiteral("200"), QStringLiteral("-w"), QStringLiteral("120"),
                                   QStringLiteral("-h"), QStringLiteral("20"), path})) {
            qWarning() << process.readAllStandardError();
            return -3;
        }
        for (const QString &action : actions) {
            const QString value = action.section(QLatin1Char(':'), 1);
            if (action.startsWith(QLatin1String("type:")))
                enterText(value);
            else
                xwin::xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("15"), value});
        }
        const int status = finish(process);
        if (err)
            *err = process.readAllStandardError();
        return status;
    }

    QStringList selectLines(const QString &path) const
    {
        return {QStringLiteral("VYRWM_ICON_SELECT ") + path};
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X display (run under Xvfb)");
        m_dpy = XOpenDisplay(nullptr);
        QVERIFY(m_dpy);
        QVERIFY2(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("version")}) == 0, "needs xdotool");
        QDir().mkpath(vyrtest::sysPath(QStringLiteral("/usr/share")));
        QFile::link(QStringLiteral("/usr/share/mime"), vyrtest::sysPath(QStringLiteral("/usr/share/mime")));
        m_desktop = vyrtest::home() + QStringLiteral("/Desktops/Desktop1");
        m_dialogLog = vyrtest::sandboxRoot() + QStringLiteral("/dialog-calls");
        // Records its arguments NUL-separated, one file per call, renamed
        // into place so that a reader never sees half a record.
        QVERIFY(vyrtest::writeScript(QStringLiteral("vyr-dialog"),
                                     "log='" + m_dialogLog.toUtf8()
                                         + "'\nprintf '%s\\0' \"$@\" > \"$log/$$.tmp\" && mv \"$log/$$.tmp\" "
                                           "\"$log/$$.rec\"\n"));
        QVERIFY(m_recorder.start());
    }
    void cleanupTestCase()
    {
        m_recorder.stop();
        if (m_dpy)
            XCloseDisplay(m_dpy);
    }
    void init()
    {
        QDir(m_desktop).removeRecursively();
        QDir().mkpath(m_desktop);
        QDir(m_dialogLog).removeRecursively();
        QDir().mkpath(m_dialogLog);
        m_recorder.takeCommands();
    }

    void renamePlain_data()
    {
        QTest::addColumn<QString>("original");
        QTest::addColumn<bool>("directory");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("expected"); // name on disk afterwards
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // of vyr-dialog, empty for none

        const QStringList enter{QStringLiteral("key:Return")};
        const auto typed = [&enter](const QString &text) { return QStringList{QStringLiteral("type:") + text} + enter; };
        const auto appended = [&enter](const QString &text) {
            return QStringList{QStringLiteral("key:End"), QStringLiteral("type:") + text} + enter;
        };
        const QString report = QStringLiteral("report.pdf");
        const QString tooLong = QStringLiteral("Can't rename '%1'.\nNew name/path is too long.");

        QTest::newRow("base name selected") << report << false << typed(QStringLiteral("summary"))
                                            << "summary.pdf" << 0 << QString();
        QTest::newRow("unknown suffix fully selected")
            << "notes.qqqzz" << false << typed(QStringLiteral("memo")) << "memo" << 0 << QString();
        QTest::newRow("dot file fully selected")
            << ".profile" << false << typed(QStringLiteral("profile")) << "profile" << 0 << QString();
        QTest::newRow("Cyrillic with blanks") << report << false << typed(QStringLiteral("Отчёт за год"))
                                              << QStringLiteral("Отчёт за год.pdf") << 0 << QString();
        QTest::newRow("CJK to CJK") << QStringLiteral("日記.txt") << false << typed(QStringLiteral("報告 書"))
                                    << QStringLiteral("報告 書.txt") << 0 << QString();
        QTest::newRow("directory") << "Photos" << true << typed(QStringLiteral("Фото 2020"))
                                   << QStringLiteral("Фото 2020") << 0 << QString();
        QTest::newRow("Escape") << report << false
                                << QStringList{QStringLiteral("type:x"), QStringLiteral("key:Escape")} << report
                                << 255 << QString();
        QTest::newRow("unchanged") << report << false << enter << report << 255 << QString();
        QTest::newRow("emptied") << report << false
                                 << QStringList{QStringLiteral("key:ctrl+a"), QStringLiteral("key:BackSpace")} + enter
                                 << report << 255 << QString();
        QTest::newRow("leading dot refused")
            << report << false << QStringList{QStringLiteral("key:ctrl+a")} + typed(QStringLiteral(".hidden"))
            << report << 255 << "Can't rename 'report.pdf'.\nDont use symbol '.' as first symbol in file name";
        QTest::newRow("colon refused") << report << false << typed(QStringLiteral("a:b")) << report << 255
                                       << "Can't rename 'report.pdf'.\nDont use symbols \\n \\ / : | < >. \"";
        const QString a252(252, QLatin1Char('a'));
        QTest::newRow("253 bytes accepted") << a252 << false << appended(QStringLiteral("b")) << a252 + "b" << 0
                                            << QString();
        QTest::newRow("254 bytes refused") << a252 << false << appended(QStringLiteral("bc")) << a252 << 255
                                           << tooLong.arg(a252);
        const QString cyrillic252(126, QChar(0x0436));
        QTest::newRow("Cyrillic 253 bytes accepted") << cyrillic252 << false << appended(QStringLiteral("a"))
                                                     << cyrillic252 + "a" << 0 << QString();
        QTest::newRow("Cyrillic 254 bytes refused") << cyrillic252 << false << appended(QStringLiteral("ж"))
                                                    << cyrillic252 << 255 << tooLong.arg(cyrillic252);
    }
    void renamePlain()
    {
        QFETCH(QString, original);
        QFETCH(bool, directory);
        QFETCH(QStringList, actions);
        QFETCH(QString, expected);
        QFETCH(int, exitCode);
        QFETCH(QString, message);

        if (directory) {
            QVERIFY(QDir().mkpath(itemPath(original)));
            QVERIFY(vyrtest::writeFile(itemPath(original) + QStringLiteral("/photo.jpg"), "jpeg"));
        } else {
            QVERIFY(vyrtest::writeFile(itemPath(original), "content"));
        }

        QCOMPARE(edit(itemPath(original), actions), exitCode);

        const QStringList entries = QDir(m_desktop).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(entries, QStringList{expected});
        if (directory)
            QCOMPARE(vyrtest::readFile(itemPath(expected) + QStringLiteral("/photo.jpg")), QByteArray("jpeg"));
        else
            QCOMPARE(vyrtest::readFile(itemPath(expected)), QByteArray("content"));
        QCOMPARE(m_recorder.takeCommands(), selectLines(itemPath(expected)));
        if (message.isEmpty()) {
            QCOMPARE(dialogCalls().size(), 0);
        } else {
            QTRY_COMPARE(dialogCalls().size(), 1);
            const QStringList args = dialogCalls().constFirst();
            QCOMPARE(args.mid(2), (QStringList{QStringLiteral("--title"), QStringLiteral("Renaming"),
                                               QStringLiteral("--icon"), QStringLiteral("system-file-manager"),
                                               QStringLiteral("--sorry"), message}));
            QCOMPARE(args.at(1), QStringLiteral("100x100+300+200"));
        }
    }

    void existingTargetIsKept()
    {
        QVERIFY(vyrtest::writeFile(itemPath(QStringLiteral("aa.txt")), "precious"));
        QVERIFY(vyrtest::writeFile(itemPath(QStringLiteral("bb.txt")), "bee"));
        QCOMPARE(edit(itemPath(QStringLiteral("bb.txt")), {QStringLiteral("type:aa"), QStringLiteral("key:Return")}), 0);
        QCOMPARE(vyrtest::readFile(itemPath(QStringLiteral("aa.txt"))), QByteArray("precious"));
        QCOMPARE(vyrtest::readFile(itemPath(QStringLiteral("bb.txt"))), QByteArray("bee"));
        QTRY_COMPARE(dialogCalls().size(), 1);
        QCOMPARE(dialogCalls().constFirst().mid(4),
                 (QStringList{QStringLiteral("--icon"), QStringLiteral("system-file-manager"), QStringLiteral("--sorry"),
                              QStringLiteral("Can't rename\n '%1'\n with '%2'.\nObject exists.")
                                  .arg(itemPath(QStringLiteral("bb.txt")), itemPath(QStringLiteral("aa.txt")))}));
        // The item keeps its name, so that is what the desktop selects.
        QCOMPARE(m_recorder.takeCommands(), selectLines(itemPath(QStringLiteral("bb.txt"))));
    }

    void focusLoss_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("nothing typed leaves the item") << QString() << "report.pdf" << 255;
        QTest::newRow("typed name is taken") << "kept" << "kept.pdf" << 0;
    }
    void focusLoss()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, exitCode);
        QVERIFY(vyrtest::writeFile(itemPath(QStringLiteral("report.pdf")), "content"));
        QProcess process;
        QVERIFY(startEditor(process, {QStringLiteral("-x"), QStringLiteral("10"), QStringLiteral("-y"),
                                      QStringLiteral("10"), QStringLiteral("-w"), QStringLiteral("100"),
                                      itemPath(QStringLiteral("report.pdf"))}));
        if (!typed.isEmpty())
            QVERIFY(xwin::xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("15"), typed}));
        // Given the editor has the focus, when another window takes it...
        QWidget other;
        other.setGeometry(600, 600, 100, 100);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        // (set at once, not after a time stamp that the server may refuse)
        QVERIFY(xwin::xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(other.winId())}));
        // ...then editing ends as if confirmed.
        QCOMPARE(finish(process), exitCode);
        QCOMPARE(QDir(m_desktop).entryList(QDir::Files), QStringList{expected});
        QCOMPARE(m_recorder.takeCommands(), selectLines(itemPath(expected)));
    }

    void desktopEntries_data()
    {
        QTest::addColumn<bool>("directory");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expectedItem");
        QTest::newRow("entry name with slash") << false << "AC/DC" << "app.desktop";
        QTest::newRow("entry name in Cyrillic") << false << "Редактор" << "app.desktop";
        QTest::newRow("directory entry renames directory") << true << "Work Stuff" << "Work Stuff";
        QTest::newRow("directory entry with slash keeps directory") << true << "In/Out" << "Projects";
    }
    void desktopEntries()
    {
        QFETCH(bool, directory);
        QFETCH(QString, typed);
        QFETCH(QString, expectedItem);
        const QString original = directory ? QStringLiteral("Projects") : QStringLiteral("app.desktop");
        const QString entryName = directory ? QStringLiteral("/.directory") : QString();
        QVERIFY(vyrtest::writeFile(itemPath(original) + entryName,
                                   "[Desktop Entry]\nType=Application\nName=Old Name\nExec=true\n"));

        QCOMPARE(edit(itemPath(original), {QStringLiteral("type:") + typed, QStringLiteral("key:Return")}), 0);

        QCOMPARE(QDir(m_desktop).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{expectedItem});
        const QByteArray content = vyrtest::readFile(itemPath(expectedItem) + entryName);
        QVERIFY2(content.contains("\nName=" + typed.toUtf8() + "\n"), content.constData());
        QVERIFY(content.contains("Exec=true"));
        QCOMPARE(m_recorder.takeCommands(), selectLines(itemPath(expectedItem)));
        QCOMPARE(dialogCalls().size(), 0);
    }

    void messagesAndStatus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrText");
        QTest::addColumn<QString>("geometry"); // of the dialog, empty for none
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QString centred = QStringLiteral("100x100+%1+%2").arg(screen.width() / 2 - 50).arg(screen.height() / 2 - 50);
        const QString screenMessage =
            QStringLiteral("vyr-lineedit: screen by coordinates -99999999 -99999999 not fouind, primary in use");
        QTest::newRow("no file") << QStringList() << 1 << QString() << QString();
        QTest::newRow("missing item, default coordinates centre")
            << QStringList{QStringLiteral("missing.txt")} << 2 << screenMessage << centred;
        QTest::newRow("missing item at corner pulls back")
            << QStringList{QStringLiteral("-x"), QString::number(screen.right()), QStringLiteral("-y"),
                           QString::number(screen.bottom()), QStringLiteral("missing.txt")}
            << 2 << QString()
            << QStringLiteral("100x100+%1+%2").arg(screen.right() - 399).arg(screen.bottom() - 299);
        QTest::newRow("minus one counts as zero")
            << QStringList{QStringLiteral("-x"), QStringLiteral("-1"), QStringLiteral("-y"), QStringLiteral("-1"),
                           QStringLiteral("missing.txt")}
            << 2 << QString() << QStringLiteral("100x100+0+0");
        QTest::newRow("point off every screen")
            << QStringList{QStringLiteral("-x"), QStringLiteral("100000"), QStringLiteral("-y"), QStringLiteral("5"),
                           QStringLiteral("missing.txt")}
            << 2 << QStringLiteral("vyr-lineedit: screen by coordinates 100000 5 not fouind, primary in use")
            << QStringLiteral("100x100+%1+5").arg(screen.right() - 399);
    }
    void messagesAndStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, stderrText);
        QFETCH(QString, geometry);
        const vyrtest::RunResult result = vyrtest::run(QStringLiteral("vyr-lineedit"), args);
        QCOMPARE(result.exitCode, exitCode);
        if (!stderrText.isEmpty())
            QVERIFY2(result.err.contains(stderrText.toUtf8() + '\n'), result.err.constData());
        if (geometry.isEmpty()) {
            QVERIFY(result.out.contains("File Path (required)"));
            QCOMPARE(dialogCalls().size(), 0);
            return;
        }
        QTRY_COMPARE(dialogCalls().size(), 1);
        QCOMPARE(dialogCalls().constFirst(),
                 (QStringList{QStringLiteral("--geometry"), geometry, QStringLiteral("--title"),
                              QStringLiteral("Renaming"), QStringLiteral("--icon"),
                              QStringLiteral("system-file-manager"), QStringLiteral("--sorry"),
                              QStringLiteral("Can't rename '%1'.\nObject doesn't exists.")
                                  .arg(itemPath(QStringLiteral("missing.txt")))}));
        // Nothing reached the editor, so nothing is selected.
        QCOMPARE(m_recorder.takeCommands(), QStringList());
    }

    void placement_data()
    {
        QTest::addColumn<QByteArray>("scale");
        QTest::addColumn<int>("width");
        QTest::newRow("ratio 1, label width") << QByteArray("1") << 120;
        QTest::newRow("ratio 1, no width") << QByteArray("1") << 0;
        QTest::newRow("ratio 2, no width recentres") << QByteArray("2") << 0;
    }
    void placement()
    {
        QFETCH(QByteArray, scale);
        QFETCH(int, width);
        QVERIFY(vyrtest::writeFile(itemPath(QStringLiteral("report.pdf")), "content"));
        const int x = 600, y = 400;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(scale));
        process.setProcessEnvironment(env);
        unsigned long window = 0;
        QVERIFY(startEditor(process, {QStringLiteral("-x"), QString::number(x), QStringLiteral("-y"),
                                      QString::number(y), QStringLiteral("-w"), QString::number(width),
                                      QStringLiteral("-h"), QStringLiteral("20"),
                                      itemPath(QStringLiteral("report.pdf"))},
                            &window));
        QCOMPARE(xwin::cardinals(m_dpy, window, "_VYR_WM_WINDOW_ANIMATION_BLACKLIST"), QList<long>{1});
        const QRect geometry = xwin::geometry(m_dpy, window);
        QCOMPARE(geometry.top(), y);
        QVERIFY(geometry.height() >= 20);
        if (scale == "1") {
            QCOMPARE(geometry.left(), x);
            QVERIFY(geometry.width() >= width);
        } else {
            // Grown to the text, centred on the requested point.
            QVERIFY2(qAbs(geometry.center().x() - x) <= 2, qPrintable(QStringLiteral("%1").arg(geometry.left())));
        }
        QVERIFY(xwin::xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
        QCOMPARE(finish(process), 255);
    }
};

VYR_TEST_MAIN_OWN_DISPLAY(TestLineEdit)
#include "test_lineedit.moc"
