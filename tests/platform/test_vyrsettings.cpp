// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <vyrdesktopentry.h>
#include <vyrinidocument.h>
#include <vyrsettings.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>

class TestVyrSettings : public QObject
{
    Q_OBJECT
private:
    QString path(const QString &name) const { return vyrtest::home() + QStringLiteral("/.vyr/theme/") + name; }

private Q_SLOTS:
    void init() { vyrtest::resetHome(); }

    void missingFileIsNotParsed()
    {
        VyrSettings settings(path(QStringLiteral("none.themerc")));
        QVERIFY(!settings.isParsed());
        QCOMPARE(settings.value(QStringLiteral("Key"), QStringLiteral("dflt")).toString(), QStringLiteral("dflt"));
        settings.setValue(QStringLiteral("Key"), 5);
        QVERIFY(settings.sync(false));
        QCOMPARE(vyrtest::readFile(path(QStringLiteral("none.themerc"))), QByteArray("[Variables]\nKey=5\n"));
    }

    void valuesAndEncodings_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("true") << QVariant(true) << QByteArray("true");
        QTest::newRow("false") << QVariant(false) << QByteArray("false");
        QTest::newRow("int") << QVariant(-42) << QByteArray("-42");
        QTest::newRow("colour") << QVariant(QStringLiteral("#5a91bd")) << QByteArray("#5a91bd");
        QTest::newRow("blanks kept") << QVariant(QStringLiteral("a b  c")) << QByteArray("a b  c");
        QTest::newRow("utf-8") << QVariant(QStringLiteral("Обои — 壁紙")) << QByteArray("Обои — 壁紙");
        QTest::newRow("empty") << QVariant(QString()) << QByteArray("");
    }
    void valuesAndEncodings()
    {
        QFETCH(QVariant, value);
        QFETCH(QByteArray, stored);
        const QString file = path(QStringLiteral("v.themerc"));
        {
            VyrSettings settings(file);
            settings.setValue(QStringLiteral("Key"), value);
            QVERIFY(settings.sync(false));
        }
        QCOMPARE(vyrtest::readFile(file), QByteArray("[Variables]\nKey=") + stored + '\n');
        VyrSettings again(file);
        QVERIFY(again.isParsed());
        QCOMPARE(again.value(QStringLiteral("Key")).toString().toUtf8(), stored);
    }

    void rewriteKeepsCommentsOrderAndUnknownSections()
    {
        const QString file = path(QStringLiteral("current.themerc"));
        const QByteArray original = "# written by hand\n"
                                    "[Variables]\n"
                                    "; the frame\n"
                                    "Zeta=1\n"
                                    "Alpha=2\n"
                                    "Middle=3\n"
                                    "\n"
                                    "[Other]\n"
                                    "# keep me\n"
                                    "Unknown=x y\n";
        QVERIFY(vyrtest::writeFile(file, original));
        VyrSettings settings(file);
        QVERIFY(settings.isParsed());
        QCOMPARE(settings.keys(), QStringList({QStringLiteral("Zeta"), QStringLiteral("Alpha"), QStringLiteral("Middle")}));
        settings.setValue(QStringLiteral("Alpha"), QStringLiteral("changed"));
        settings.setValue(QStringLiteral("New"), QStringLiteral("n"));
        QVERIFY(settings.sync(false));
        const QByteArray text = vyrtest::readFile(file);
        QVERIFY2(text.contains("# written by hand"), text);
        // Blank lines may move; comments, order and content may not.
        const QByteArray dense = QByteArray(text).replace("\n\n", "\n").replace("\n\n", "\n");
        QVERIFY2(dense.contains("[Variables]\n; the frame\nZeta=1\nAlpha=changed\nMiddle=3\nNew=n\n"), text);
        QVERIFY2(dense.contains("[Other]\n# keep me\nUnknown=x y\n"), text);
    }

    void trailingCommentsSurviveRewrite_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("after the last key") << QByteArray("[Variables]\nA=1\n# tail comment\n; and more\n")
                                            << QByteArray("# tail comment\n; and more\n");
        QTest::newRow("section of comments only") << QByteArray("[Variables]\nA=1\n\n[Other]\n; only comment\n")
                                                  << QByteArray("[Other]\n; only comment\n");
        QTest::newRow("CRLF") << QByteArray("[Variables]\r\nA=1\r\n# tail\r\n") << QByteArray("# tail\n");
        QTest::newRow("file of comments only") << QByteArray("# only\n# comments\n")
                                               << QByteArray("# only\n# comments\n");
        QTest::newRow("blank lines between, no final line break")
            << QByteArray("[Variables]\nA=1\n  # one\n\n; two") << QByteArray("# one\n; two\n");
        QTest::newRow("comment blocks only") << QByteArray("# first\n\n# second\n") << QByteArray("# second\n");
        QTest::newRow("CR only") << QByteArray("[Variables]\rA=1\r\t# cr tail \r \r") << QByteArray("# cr tail \n");
        QTest::newRow("before a NUL byte") << QByteArray("[Variables]\nA=1\n# tail\n\0B=2\n", 26)
                                           << QByteArray("# tail\n");
    }
    void trailingCommentsSurviveRewrite()
    {
        QFETCH(QByteArray, original);
        QFETCH(QByteArray, kept);
        const QString file = path(QStringLiteral("tail.themerc"));
        QVERIFY(vyrtest::writeFile(file, original));
        for (int round = 0; round < 2; ++round) {
            VyrSettings settings(file);
            settings.setValue(QStringLiteral("New"), round);
            QVERIFY(settings.sync(false));
        }
        const QByteArray text = vyrtest::readFile(file);
        const QByteArray dense = QByteArray(text).replace("\n\n", "\n").replace("\n\n", "\n");
        QVERIFY2(dense.contains(kept), text);
        // Kept once, not once per rewrite.
        QCOMPARE(text.count(kept.left(kept.indexOf('\n'))), 1);
        QCOMPARE(VyrSettings(file).value(QStringLiteral("New")).toString(), QStringLiteral("1"));
    }

    // Inputs the fuzzer found: what a load reads, a save keeps, and a second
    // load and save change nothing more.
    void iniRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("line opening a section") << QByteArray("[Variables]\nA=1\n[Broken\nB=2\n")
                                                << QByteArray("Variables") << QByteArray("B") << QByteArray("2")
                                                << QByteArray("[Broken");
        QTest::newRow("open section after a byte order mark")
            << QByteArray("\xef\xbb\xbf[Broken\nA=1\n") << QByteArray() << QByteArray("A") << QByteArray("1")
            << QByteArray("[Broken");
        QTest::newRow("key starting with a byte order mark")
            << QByteArray("\n\xef\xbb\xbfkey=1\n") << QByteArray() << QByteArray("\xef\xbb\xbfkey") << QByteArray("1")
            << QByteArray("key=1");
        QTest::newRow("comment holding a NUL byte") << QByteArray("[V]\nA=1\n# a\0b\n", 15) << QByteArray("V")
                                                  << QByteArray("A") << QByteArray("1") << QByteArray("A=1");
        QTest::newRow("second block of a comment file") << QByteArray("# first\n\n# second\n") << QByteArray()
                                                        << QByteArray() << QByteArray() << QByteArray("# second");
        QTest::newRow("comment after a stray line") << QByteArray("# head\n#\n\f\n# tail\n") << QByteArray()
                                                    << QByteArray() << QByteArray() << QByteArray("# tail");
    }
    void iniRoundTrip()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, kept);
        VyrIniDocument doc;
        QVERIFY(doc.loadData(content));
        QByteArray text = doc.saveData();
        QVERIFY2(text.contains(kept), text.constData());
        // What follows a NUL byte is not read, so it is not written either.
        QVERIFY(!text.contains('\0'));
        for (int round = 0; round < 2; ++round) {
            VyrIniDocument again;
            QVERIFY(again.loadData(text));
            if (!key.isEmpty()) {
                QCOMPARE(doc.value(section, key), value);
                QCOMPARE(again.value(section, key), value);
            }
            QCOMPARE(again.saveData(), text);
            text = again.saveData();
        }
        QCOMPARE(text.count(kept), 1);
    }

    // A desktop entry's value reads back as it was written, blanks at its
    // ends, line breaks and backslashes included.
    void desktopEntryValueRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("trailing blank") << QStringLiteral("sh -c \"echo $HOME\" ");
        QTest::newRow("leading blank") << QStringLiteral(" x");
        QTest::newRow("one blank") << QStringLiteral(" ");
        QTest::newRow("lines and tabs") << QStringLiteral("a\nb\tc\r");
        QTest::newRow("backslashes") << QStringLiteral("C:\\path\\s");
    }
    void desktopEntryValueRoundTrip()
    {
        QFETCH(QString, value);
        const QString file = vyrtest::home() + QStringLiteral("/x.desktop");
        QVERIFY(vyrtest::writeFile(file, "[Desktop Entry]\nType=Application\n"));
        VyrDesktopEntry entry(file);
        QVERIFY(entry.load());
        entry.setExec(value);
        QVERIFY(entry.save());
        VyrDesktopEntry again(file);
        QVERIFY(again.load());
        QCOMPARE(again.exec(), value);
    }

    void fileWithoutChangesIsNotRewritten()
    {
        const QString file = path(QStringLiteral("same.themerc"));
        QVERIFY(vyrtest::writeFile(file, "[Variables]\nA=1\n"));
        const vyrtest::FileState before = vyrtest::fileState(file);
        VyrSettings settings(file);
        QVERIFY(settings.sync(true));
        QCOMPARE(vyrtest::fileState(file), before);
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("backedUp");
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 7919 + 13) % 256));
        QTest::newRow("binary garbage") << garbage << QStringLiteral("Nothing") << QString() << true;
        QTest::newRow("no Variables section") << QByteArray("[Other]\nA=1\n") << QStringLiteral("A") << QString()
                                            << false;
        QTest::newRow("duplicate keys: last wins") << QByteArray("[Variables]\nA=1\nA=2\n") << QStringLiteral("A")
                                                   << QStringLiteral("2") << false;
        QTest::newRow("CRLF") << QByteArray("[Variables]\r\nA=crlf\r\nB=2\r\n") << QStringLiteral("A")
                              << QStringLiteral("crlf") << false;
        QTest::newRow("non-UTF-8 bytes") << QByteArray("[Variables]\nLatin=\xe9t\xe9\nA=ok\n") << QStringLiteral("A")
                                         << QStringLiteral("ok") << false;
        QTest::newRow("10 MB value") << (QByteArray("[Variables]\nBig=") + QByteArray(10 * 1024 * 1024, 'x')
                                         + "\nA=after\n")
                                     << QStringLiteral("A") << QStringLiteral("after") << false;
        QTest::newRow("NUL byte") << QByteArray("[Variables]\nA=before\n\0tail=x\n", 29) << QStringLiteral("A")
                                  << QStringLiteral("before") << true;
        QTest::newRow("stray lines") << QByteArray("[Variables]\nA=1\nnot a setting\n=x\n[ ]\nB=2\n")
                                     << QStringLiteral("A") << QStringLiteral("1") << true;
        QTest::newRow("unclosed section line") << QByteArray("[Variables]\nA=1\n[Broken\nB=2\n")
                                               << QStringLiteral("B") << QStringLiteral("2") << true;
    }
    void badInput()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QFETCH(bool, backedUp);
        const QString file = path(QStringLiteral("bad.themerc"));
        QVERIFY(vyrtest::writeFile(file, content));
        VyrSettings settings(file);
        QCOMPARE(settings.value(key, QString()).toString(), expected);
        // Reading alone never changes the file.
        QCOMPARE(vyrtest::readFile(file), content);

        settings.setValue(QStringLiteral("Written"), QStringLiteral("yes"));
        QVERIFY(settings.sync(false));
        VyrSettings again(file);
        QCOMPARE(again.value(QStringLiteral("Written")).toString(), QStringLiteral("yes"));
        QCOMPARE(again.value(key, QString()).toString(), expected);
        // What the parser could not hold is kept aside, byte for byte.
        if (backedUp)
            QCOMPARE(vyrtest::readFile(file + QStringLiteral(".bak")), content);
        else
            QVERIFY(!QFile::exists(file + QStringLiteral(".bak")));
    }

    void nonUtf8BytesSurviveRewrite()
    {
        const QString file = path(QStringLiteral("latin.themerc"));
        QVERIFY(vyrtest::writeFile(file, "[Variables]\nLatin=\xe9t\xe9\n"));
        VyrSettings settings(file);
        settings.setValue(QStringLiteral("A"), 1);
        QVERIFY(settings.sync(false));
        QVERIFY(vyrtest::readFile(file).contains("Latin=\xe9t\xe9\n"));
    }

    void visitedEntriesKeepRepeatedKeysInFileOrder()
    {
        VyrIniDocument doc;
        QVERIFY(doc.loadData("[G]\nSize=16\nType=Fixed\nSize=32\n[H]\nSize=8\n"));
        QByteArrayList sizes;
        int others = 0;
        doc.visitEntries("G", [&](const char *key, const char *value) {
            if (qstrcmp(key, "Size") == 0)
                sizes << value;
            else
                ++others;
        });
        QCOMPARE(sizes, QByteArrayList({"16", "32"}));
        QCOMPARE(others, 1);
        doc.visitEntries("missing", [](const char *, const char *) { QFAIL("no group, no entries"); });
    }

    void duplicateKeyWriteLeavesOneLine()
    {
        const QString file = path(QStringLiteral("dup.themerc"));
        QVERIFY(vyrtest::writeFile(file, "[Variables]\nA=1\nB=x\nA=2\n"));
        VyrSettings settings(file);
        settings.setValue(QStringLiteral("A"), 3);
        QVERIFY(settings.sync(false));
        QCOMPARE(vyrtest::readFile(file), QByteArray("[Variables]\nA=3\nB=x\n"));
    }

    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("read-only directory") << QStringLiteral("readonly");
        QTest::newRow("full disk") << QStringLiteral("full");
        QTest::newRow("parent is a file") << QStringLiteral("notdir");
    }
    void failedWriteKeepsOldFile()
    {
        QFETCH(QString, how);
        const QString dir = vyrtest::home() + QStringLiteral("/.vyr/theme");
        QString file = dir + QStringLiteral("/current.themerc");
        const QByteArray original = "[Variables]\nA=1\n# tail comment\n";
        QVERIFY(vyrtest::writeFile(file, original));
        if (how == QLatin1String("notdir")) {
            QVERIFY(vyrtest::writeFile(dir + QStringLiteral("/plain"), "x"));
            file = dir + QStringLiteral("/plain/current.themerc");
        }
        ::chmod(QFile::encodeName(vyrtest::home()).constData(), 0755);
        ::chmod(QFile::encodeName(vyrtest::home() + QStringLiteral("/.vyr")).constData(), 0755);
        ::chmod(QFile::encodeName(dir).constData(), how == QLatin1String("readonly") ? 0555 : 0777);
        ::chmod(QFile::encodeName(file).constData(), 0666);

        VyrSettings settings(file);
        settings.setValue(QStringLiteral("A"), QString(how == QLatin1String("full") ? 1 << 20 : 10, QLatin1Char('y')));
        bool ok = true;
        {
            vyrtest::AsOrdinaryUser user;
            if (how == QLatin1String("full")) {
                // A file size limit makes writes fail as on a full disk.
                std::signal(SIGXFSZ, SIG_IGN);
                rlimit old{};
                getrlimit(RLIMIT_FSIZE, &old);
                rlimit small = old;
                small.rlim_cur = 4096;
                setrlimit(RLIMIT_FSIZE, &small);
                ok = settings.sync(false);
                setrlimit(RLIMIT_FSIZE, &old);
            } else {
                ok = settings.sync(false);
            }
        }
        ::chmod(QFile::encodeName(dir).constData(), 0755);
        QVERIFY(!ok);
        QVERIFY(!settings.errorString().isEmpty());
        QCOMPARE(vyrtest::readFile(dir + QStringLiteral("/current.themerc")), original);
        // No temporary file is left behind.
        QCOMPARE(QDir(dir).entryList(QDir::Files).filter(QStringLiteral("current.themerc")),
                 QStringList{QStringLiteral("current.themerc")});
    }

    void unreadableFileIsNotReplaced()
    {
        const QString file = path(QStringLiteral("unreadable.themerc"));
        const QByteArray original = "[Variables]\nA=1\nB=2\n";
        QVERIFY(vyrtest::writeFile(file, original));
        const QByteArray name = QFile::encodeName(file);
        // Writable, not readable, by whoever runs the write below.
        QCOMPARE(::chown(name.constData(), ::geteuid() == 0 ? 65534 : ::geteuid(), ::getegid()), 0);
        QCOMPARE(::chmod(name.constData(), 0200), 0);
        ::chmod(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), 0777);
        bool ok = true;
        QString error;
        {
            vyrtest::AsOrdinaryUser user;
            VyrSettings settings(file);
            QVERIFY(!settings.isParsed());
            settings.setValue(QStringLiteral("C"), 3);
            ok = settings.sync(false);
            error = settings.errorString();
        }
        ::chmod(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), 0755);
        ::chmod(name.constData(), 0644);
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        QCOMPARE(vyrtest::readFile(file), original);
    }

    // A failed write is reported on one line under the running program's
    // name (this test's), not under the library's.
    void failureNamesTheProgram_data()
    {
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("parent is a file") << false;
        QTest::newRow("existing file unreadable") << true;
    }
    void failureNamesTheProgram()
    {
        QFETCH(bool, unreadable);
        QString file = path(QStringLiteral("plain"));
        QVERIFY(vyrtest::writeFile(file, "x"));
        if (unreadable) {
            QCOMPARE(::chown(QFile::encodeName(file).constData(), ::geteuid() == 0 ? 65534 : ::geteuid(), ::getegid()), 0);
            QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0200), 0);
            ::chmod(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), 0777);
        } else {
            file += QStringLiteral("/current.themerc");
        }
        vyrtest::StderrCapture captured;
        bool ok = true;
        {
            vyrtest::AsOrdinaryUser user;
            VyrSettings settings(file);
            settings.setValue(QStringLiteral("C"), 3);
            ok = settings.sync(false);
        }
        const QByteArray err = captured.take();
        ::chmod(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), 0755);
        QVERIFY(!ok);
        QVERIFY2(err.endsWith('\n'), err.constData());
        for (const QByteArray &line : err.trimmed().split('\n'))
            QVERIFY2(line.startsWith("test_vyrsettings: can't write " + QFile::encodeName(file) + ": "), err.constData());
    }

    void killedWriterNeverLeavesTruncatedFile()
    {
        // A child rewrites the file with a large value in a loop and is
        // killed at some point; the file must always be one of the two
        // complete versions.
        const QString file = path(QStringLiteral("kill.themerc"));
        const QByteArray small = "[Variables]\nA=small\n";
        QVERIFY(vyrtest::writeFile(file, small));
        for (int round = 0; round < 5; ++round) {
            QProcess child;
            child.setProgram(QCoreApplication::applicationFilePath());
            child.setArguments({QStringLiteral("writer-child")});
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("VYR_WRITER_FILE"), file);
            child.setProcessEnvironment(env);
            const quint64 inode = vyrtest::fileState(file).inode;
            child.start();
            QVERIFY(child.waitForStarted());
            // Once the child has replaced the file, it is writing the next
            // version: the kill falls into a write.
            QVERIFY(QTest::qWaitFor([&] { return vyrtest::fileState(file).inode != inode; }, 30000));
            child.kill();
            child.waitForFinished();
            const QByteArray text = vyrtest::readFile(file);
            QVERIFY2(text == small || (text.startsWith("[Variables]\nA=") && text.endsWith("z\n")),
                     text.left(60).constData());
        }
    }
};

static int writerChild()
{
    const QString file = qEnvironmentVariable("VYR_WRITER_FILE");
    for (int i = 0;; ++i) {
        VyrSettings settings(file);
        settings.setValue(QStringLiteral("A"), QString(4 * 1024 * 1024 + i, QLatin1Char('z')));
        settings.sync(false);
    }
    return 0;
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "writer-child") == 0) {
        QCoreApplication app(argc, argv);
        return writerChild();
    }
    vyrtest::setupEnvironment();
    QCoreApplication app(argc, argv);
    TestVyrSettings tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "test_vyrsettings.moc"
