// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <desktopscreen.h>
#include <itemeditor.h>
#include <itemrename.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTextCodec>
#include <QToolTip>

using ItemRename::Refusal;
using ItemRename::Result;

Q_DECLARE_METATYPE(ItemRename::Refusal)
Q_DECLARE_METATYPE(ItemRename::Result)

class TestItemRename : public QObject
{
    Q_OBJECT
private:
    QString m_dir;

    QString makeFile(const QString &name, const QByteArray &data = QByteArrayLiteral("data"))
    {
        const QString path = m_dir + QLatin1Char('/') + name;
        vyrtest::writeFile(path, data);
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The MIME database is system data the sandbox hides; the suffixes
        // come from the one installed with Qt's dependencies.
        QDir().mkpath(vyrtest::sysPath(QStringLiteral("/usr/share")));
        QFile::link(QStringLiteral("/usr/share/mime"), vyrtest::sysPath(QStringLiteral("/usr/share/mime")));
    }

    void init()
    {
        m_dir = vyrtest::home() + QStringLiteral("/Desktops/Desktop1");
        QDir(m_dir).removeRecursively();
        QDir().mkpath(m_dir);
    }

    void dialogGeometry_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QString>("geometry");
        const QRect primary(0, 0, 1280, 1024);
        const QRect second(1280, 0, 1920, 1080);
        const int unset = ItemRename::unsetCoordinate;
        QTest::newRow("default coordinates centre") << unset << unset << primary << "100x100+590+462";
        QTest::newRow("only x unset centres") << unset << 10 << primary << "100x100+590+462";
        QTest::newRow("centre of second screen") << unset << unset << second << "100x100+2190+490";
        QTest::newRow("inside") << 100 << 200 << primary << "100x100+100+200";
        QTest::newRow("right edge pulls back") << 1200 << 200 << primary << "100x100+880+200";
        QTest::newRow("bottom-right corner") << 1279 << 1023 << primary << "100x100+880+724";
        QTest::newRow("exactly fits") << 880 << 724 << primary << "100x100+880+724";
        QTest::newRow("one past") << 881 << 725 << primary << "100x100+880+724";
        QTest::newRow("second screen right edge") << 3100 << 50 << second << "100x100+2800+50";
    }
    void dialogGeometry()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QRect, screen);
        QFETCH(QString, geometry);
        QCOMPARE(ItemRename::dialogGeometry(x, y, screen), geometry);
    }

    void deviceRect_data()
    {
        QTest::addColumn<QRect>("logical");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QRect>("device");
        QTest::newRow("ratio 1") << QRect(0, 0, 1280, 1024) << 1.0 << QRect(0, 0, 1280, 1024);
        QTest::newRow("ratio 2") << QRect(640, 0, 640, 512) << 2.0 << QRect(1280, 0, 1280, 1024);
        QTest::newRow("half rounds away from zero") << QRect(1, 1, 5, 3) << 1.5 << QRect(2, 2, 8, 5);
        QTest::newRow("negative half") << QRect(-1, 0, 100, 100) << 1.5 << QRect(-2, 0, 150, 150);
    }
    void deviceRect()
    {
        QFETCH(QRect, logical);
        QFETCH(double, ratio);
        QFETCH(QRect, device);
        QCOMPARE(deviceRectFor(logical, ratio), device);
    }

    void initialSelection_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("length");
        QTest::newRow("pdf selects base name") << "report.pdf" << 6;
        QTest::newRow("double suffix") << "archive.tar.gz" << 7;
        QTest::newRow("unknown suffix selects all") << "notes.qqqzz" << 11;
        QTest::newRow("dot first selects all") << ".profile" << 8;
        QTest::newRow("dot at 1 selects all") << "a.pdf" << 5;
        QTest::newRow("dot at 2") << "ab.pdf" << 2;
        QTest::newRow("no dot") << "README" << 6;
        QTest::newRow("Cyrillic base") << QStringLiteral("Отчёт за год.pdf") << 12;
    }
    void initialSelection()
    {
        QFETCH(QString, name);
        QFETCH(int, length);
        QCOMPARE(ItemRename::initialSelectionLength(name), length);
    }

    void liveCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString symbols = QStringLiteral("Dont use symbols \\n \\ / : | < >.\"");
        const QString discouraged = QStringLiteral("Not recommended symbols []{}!@#$%^&*()|:<>");
        QTest::newRow("fine") << "report" << QString();
        QTest::newRow("blanks inside fine") << "my report 2" << QString();
        QTest::newRow("empty") << "" << "File name must not be empty or spaces only filled";
        QTest::newRow("spaces only") << "   " << "File name must not be empty or spaces only filled";
        QTest::newRow("leading dot after blanks") << "  .x" << "Dont use symbol '.' as first symbol in file name";
        QTest::newRow("slash") << "a/b" << symbols;
        QTest::newRow("colon") << "a:b" << symbols;
        QTest::newRow("quote") << "a\"b" << symbols;
        QTest::newRow("line feed") << "a\nb" << symbols;
        QTest::newRow("star is forbidden first") << "a*b" << symbols;
        QTest::newRow("hash warns") << "a#b" << discouraged;
        QTest::newRow("plus warns") << "a+b" << discouraged;
        QTest::newRow("apostrophe warns") << "it's" << discouraged;
    }
    void liveCheck()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QCOMPARE(ItemRename::liveCheckMessage(text), message);
    }

    void checkNewName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("directoryBytes");
        QTest::addColumn<bool>("checkSymbols");
        QTest::addColumn<Refusal>("refusal");
        QTest::newRow("plain") << "report" << 20 << true << Refusal::Ok;
        QTest::newRow("leading dot") << ".hidden" << 20 << true << Refusal::LeadingDot;
        QTest::newRow("slash") << "a/b" << 20 << true << Refusal::BadSymbols;
        QTest::newRow("backslash") << "a\\b" << 20 << true << Refusal::BadSymbols;
        QTest::newRow("253 bytes") << QString(253, QLatin1Char('a')) << 20 << true << Refusal::Ok;
        QTest::newRow("254 bytes") << QString(254, QLatin1Char('a')) << 20 << true << Refusal::TooLong;
        // Two bytes per letter in UTF-8: the limit is in bytes, not letters.
        QTest::newRow("Cyrillic 252 bytes") << QString(126, QChar(0x0436)) << 20 << true << Refusal::Ok;
        QTest::newRow("Cyrillic 254 bytes") << QString(127, QChar(0x0436)) << 20 << true << Refusal::TooLong;
        QTest::newRow("CJK 252 bytes") << QString(84, QChar(0x4E16)) << 20 << true << Refusal::Ok;
        QTest::newRow("CJK 255 bytes") << QString(85, QChar(0x4E16)) << 20 << true << Refusal::TooLong;
        QTest::newRow("path at limit") << QString(100, QLatin1Char('a')) << 3993 << true << Refusal::Ok;
        QTest::newRow("path over limit") << QString(100, QLatin1Char('a')) << 3994 << true << Refusal::TooLong;
        QTest::newRow("entry name may hold a slash") << "AC/DC" << 20 << false << Refusal::Ok;
        QTest::newRow("entry name still limited") << QString(254, QLatin1Char('a')) << 20 << false
                                                  << Refusal::TooLong;
    }
    void checkNewName()
    {
        QFETCH(QString, name);
        QFETCH(int, directoryBytes);
        QFETCH(bool, checkSymbols);
        QFETCH(Refusal, refusal);
        QCOMPARE(ItemRename::checkNewName(name, QString(directoryBytes, QLatin1Char('d')), checkSymbols), refusal);
    }

    void nameOutsideLocalEncoding()
    {
        // Given a legacy single-byte locale...
        QTextCodec *const saved = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        const Refusal cyrillic = ItemRename::checkNewName(QStringLiteral("Отчёт"), m_dir);
        const Refusal latin = ItemRename::checkNewName(QStringLiteral("Übersicht"), m_dir);
        const Refusal latinLong = ItemRename::checkNewName(QString(253, QChar(0xFC)), m_dir);
        QTextCodec::setCodecForLocale(saved);
        // ...letters it lacks are refused, and its letters count one byte.
        QCOMPARE(cyrillic, Refusal::Unencodable);
        QCOMPARE(latin, Refusal::Ok);
        QCOMPARE(latinLong, Refusal::Ok);
    }

    void renameNoReplace_data()
    {
        QTest::addColumn<bool>("directory");
        QTest::addColumn<bool>("native");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<bool>("targetExists");
        QTest::addColumn<Result>("result");
        for (const bool native : {true, false}) {
            const char *how = native ? "renameat2" : "fallback";
            QTest::addRow("%s file", how) << false << native << "new name.txt" << false << Result::Renamed;
            QTest::addRow("%s directory", how) << true << native << "Новая папка" << false << Result::Renamed;
            QTest::addRow("%s CJK file", how) << false << native << QStringLiteral("報告 書.txt") << false
                                             << Result::Renamed;
            QTest::addRow("%s file onto file", how) << false << native << "taken" << true << Result::Exists;
            QTest::addRow("%s directory onto file", how) << true << native << "taken" << true << Result::Exists;
        }
    }
    // The target may appear after any check the caller made: the rename
    // itself must refuse rather than replace it.
    void renameNoReplace()
    {
        QFETCH(bool, directory);
        QFETCH(bool, native);
        QFETCH(QString, newName);
        QFETCH(bool, targetExists);
        QFETCH(Result, result);
        QString from = m_dir + QStringLiteral("/old");
        if (directory) {
            QDir().mkpath(from);
            vyrtest::writeFile(from + QStringLiteral("/inside"), "inside");
        } else {
            makeFile(QStringLiteral("old"), "old content");
        }
        const QString to = m_dir + QLatin1Char('/') + newName;
        if (targetExists)
            makeFile(newName, "precious");

        int error = 0;
        QCOMPARE(ItemRename::renameNoReplace(from, to, &error, native), result);
        if (result == Result::Renamed) {
            QVERIFY(!QFileInfo::exists(from));
            if (directory)
                QCOMPARE(vyrtest::readFile(to + QStringLiteral("/inside")), QByteArray("inside"));
            else
                QCOMPARE(vyrtest::readFile(to), QByteArray("old content"));
        } else {
            QCOMPARE(vyrtest::readFile(to), QByteArray("precious"));
            QVERIFY(QFileInfo::exists(from));
            QCOMPARE(error, EEXIST);
        }
        // No placeholder or link is left behind.
        QCOMPARE(QDir(m_dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1 + int(targetExists && result != Result::Renamed));
    }

    void renameOntoEmptyDirectoryRefused()
    {
        // rename(2) would silently replace an empty directory.
        QDir().mkpath(m_dir + QStringLiteral("/src/sub"));
        QDir().mkpath(m_dir + QStringLiteral("/dst"));
        QCOMPARE(ItemRename::renameNoReplace(m_dir + QStringLiteral("/src"), m_dir + QStringLiteral("/dst")),
                 Result::Exists);
        QVERIFY(QFileInfo(m_dir + QStringLiteral("/src/sub")).isDir());
    }

    void renameItemResults()
    {
        const QString a = makeFile(QStringLiteral("a"));
        const QString b = makeFile(QStringLiteral("b"), "bee");
        QCOMPARE(ItemRename::renameItem(a, a), Result::Unchanged);
        QCOMPARE(ItemRename::renameItem(a, b), Result::Exists);
        QCOMPARE(vyrtest::readFile(b), QByteArray("bee"));
        int error = 0;
        QCOMPARE(ItemRename::renameItem(a, m_dir + QStringLiteral("/missing/c"), &error), Result::Failed);
        QCOMPARE(error, ENOENT);
        QCOMPARE(ItemRename::renameMessage(Result::Exists, a, b),
                 QStringLiteral("Can't rename\n '%1'\n with '%2'.\nObject exists.").arg(a, b));
        QCOMPARE(ItemRename::renameMessage(Result::Failed, a, b),
                 QStringLiteral("Error when renaming '%1'\n with '%2'.").arg(a, b));
        QCOMPARE(ItemRename::renameIcon(Result::Failed), QStringLiteral("dialog-error"));
        QCOMPARE(ItemRename::renameIcon(Result::Exists), QStringLiteral("system-file-manager"));
    }

    void kinds()
    {
        const QString file = makeFile(QStringLiteral("x.desktop"), "[Desktop Entry]\nName=X\n");
        QDir().mkpath(m_dir + QStringLiteral("/Described"));
        vyrtest::writeFile(m_dir + QStringLiteral("/Described/.directory"), "[Desktop Entry]\nName=D\n");
        QDir().mkpath(m_dir + QStringLiteral("/Plain"));
        QDir().mkpath(m_dir + QStringLiteral("/folder.desktop"));
        QCOMPARE(ItemRename::kindOf(file), ItemRename::Kind::DesktopEntry);
        QCOMPARE(ItemRename::kindOf(m_dir + QStringLiteral("/Described")), ItemRename::Kind::DirectoryEntry);
        QCOMPARE(ItemRename::kindOf(m_dir + QStringLiteral("/Plain")), ItemRename::Kind::Plain);
        QCOMPARE(ItemRename::kindOf(m_dir + QStringLiteral("/folder.desktop")), ItemRename::Kind::Plain);
    }

    void editorKeys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("result");
        QTest::newRow("Return accepts") << QList<int>{Qt::Key_A, Qt::Key_Return} << int(ItemEditor::Accepted);
        QTest::newRow("Enter accepts") << QList<int>{Qt::Key_Enter} << int(ItemEditor::Accepted);
        QTest::newRow("Escape cancels") << QList<int>{Qt::Key_A, Qt::Key_Escape} << int(ItemEditor::Cancelled);
    }
    void editorKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, result);
        ItemEditor editor;
        editor.setStartText(QStringLiteral("report.pdf"), 6);
        QSignalSpy finished(&editor, &ItemEditor::finished);
        for (const int key : keys)
            QTest::keyClick(&editor, Qt::Key(key));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(int(editor.result()), result);
    }

    void editorSelectionIsReplacedByTyping()
    {
        ItemEditor editor;
        editor.setStartText(QStringLiteral("report.pdf"), 6);
        QTest::keyClicks(&editor, QStringLiteral("summary"));
        QCOMPARE(editor.trimmedText(), QStringLiteral("summary.pdf"));
    }

    void editorFocusLoss_data()
    {
        QTest::addColumn<bool>("escapeFirst");
        QTest::addColumn<int>("reason");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("finishedCount");
        QTest::newRow("click elsewhere accepts") << false << int(Qt::MouseFocusReason) << int(ItemEditor::Accepted) << 1;
        QTest::newRow("other window accepts") << false << int(Qt::ActiveWindowFocusReason)
                                              << int(ItemEditor::Accepted) << 1;
        QTest::newRow("context menu keeps editing") << false << int(Qt::PopupFocusReason) << int(ItemEditor::Editing)
                                                    << 0;
        QTest::newRow("after Escape stays cancelled") << true << int(Qt::ActiveWindowFocusReason)
                                                      << int(ItemEditor::Cancelled) << 1;
    }
    void editorFocusLoss()
    {
        QFETCH(bool, escapeFirst);
        QFETCH(int, reason);
        QFETCH(int, result);
        QFETCH(int, finishedCount);
        ItemEditor editor;
        QSignalSpy finished(&editor, &ItemEditor::finished);
        if (escapeFirst)
            QTest::keyClick(&editor, Qt::Key_Escape);
        QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
        QCoreApplication::sendEvent(&editor, &out);
        QCOMPARE(finished.count(), finishedCount);
        QCOMPARE(int(editor.result()), result);
    }

    void editorLiveCheckToolTip()
    {
        ItemEditor editor;
        editor.setStartText(QStringLiteral("report.pdf"), 6);
        editor.enableLiveCheck();
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QTest::keyClicks(&editor, QStringLiteral("a:b"));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), ItemRename::liveCheckMessage(QStringLiteral("a:b")));
        // Fixed again, the tip goes away.
        QTest::keyClick(&editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&editor, QStringLiteral("fine"));
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void editorIdleTimeout()
    {
        ItemEditor editor;
        QSignalSpy finished(&editor, &ItemEditor::finished);
        editor.setIdleTimeout(500);
        // Time passes with the event loop stopped, so the first wait cannot
        // end before the key press, however late the sleep returns.
        QTest::qSleep(400);
        QElapsedTimer sinceKey;
        sinceKey.start();
        QTest::keyClick(&editor, Qt::Key_B);
        QVERIFY(finished.wait(5000));
        // A key press restarts the wait: the first one would have ended
        // about 100 ms after the key (coarse timers may fire 5 % early).
        QVERIFY2(sinceKey.elapsed() >= 450, qPrintable(QString::number(sinceKey.elapsed())));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(int(editor.result()), int(ItemEditor::Editing));
    }

    void editorGrowsForLongText()
    {
        ItemEditor editor;
        editor.setFixedWidth(80);
        editor.setStartText(QString(60, QLatin1Char('w')) + QStringLiteral(" ") + QString(60, QLatin1Char('w')), 0);
        editor.show();
        const QSize fitted = editor.fittedSize(80, 10);
        QVERIFY(fitted.width() >= 80);
        QVERIFY2(fitted.height() > editor.fontMetrics().height() * 2, qPrintable(QString::number(fitted.height())));
        QCOMPARE(editor.fittedSize(80, 1000).height(), 1000);
    }
};

VYR_TEST_MAIN(TestItemRename)
#include "test_itemrename.moc"
