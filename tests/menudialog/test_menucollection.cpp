// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include "vyrautostart.h"
#include "vyrdesktopentry.h"
#include "vyrmenucollection.h"
#include "vyrmenudialog.h"
#include "vyrpaths.h"

#include <QDir>
#include <QFile>

class TestMenuCollection : public QObject
{
    Q_OBJECT

private:
    QString m_dir;

    static QByteArray entry(const QByteArray &name, const QByteArray &exec = "prog", const QByteArray &extra = "")
    {
        return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec + "\n" + extra;
    }
    static QByteArray directory(const QByteArray &name, const QByteArray &order = QByteArray())
    {
        QByteArray data = "[Desktop Entry]\nType=Directory\nName=" + name + "\n";
        if (!order.isNull())
            data += "SortOrder=" + order + "\n";
        return data;
    }
    static QStringList names(const VyrMenuItem *level)
    {
        QStringList out;
        for (const auto &child : level->children)
            out << child->fileName;
        return out;
    }
    static QStringList shownNames(const VyrMenuItem *level)
    {
        QStringList out;
        for (const auto &child : level->children)
            out << child->name;
        return out;
    }
    static VyrMenuItem *child(const VyrMenuItem *level, const QString &fileName)
    {
        for (const auto &c : level->children) {
            if (c->fileName == fileName)
                return c.get();
        }
        return nullptr;
    }

private Q_SLOTS:
    void init()
    {
        vyrtest::resetHome();
        QDir(vyrtest::sysroot()).removeRecursively();
        m_dir = vyrtest::home() + QStringLiteral("/menu");
    }

    void order_data()
    {
        QTest::addColumn<QByteArray>("sortOrder");
        QTest::addColumn<QStringList>("expected");
        // Files: b.desktop "Beta", a.desktop "alpha", submenu "Sub".
        QTest::newRow("no record: submenus first, then by name")
            << QByteArray() << QStringList{"Sub", "a.desktop", "b.desktop"};
        QTest::newRow("listed first, rest after")
            << QByteArray("b.desktop") << QStringList{"b.desktop", "Sub", "a.desktop"};
        QTest::newRow("full order") << QByteArray("a.desktop,Sub,b.desktop")
                                    << QStringList{"a.desktop", "Sub", "b.desktop"};
        QTest::newRow("unknown names and trailing slash ignored")
            << QByteArray("gone.desktop, Sub/ ,b.desktop") << QStringList{"Sub", "b.desktop", "a.desktop"};
    }
    void order()
    {
        QFETCH(QByteArray, sortOrder);
        QFETCH(QStringList, expected);
        vyrtest::writeFile(m_dir + "/b.desktop", entry("Beta"));
        vyrtest::writeFile(m_dir + "/a.desktop", entry("alpha"));
        vyrtest::writeFile(m_dir + "/Sub/.directory", directory("Sub"));
        QDir().mkpath(m_dir + "/NoRecord"); // a plain directory is no submenu
        vyrtest::writeFile(m_dir + "/NoRecord/x.desktop", entry("X"));
        if (!sortOrder.isNull())
            vyrtest::writeFile(m_dir + "/.directory", directory("Root", sortOrder));
        VyrMenuCollection collection(m_dir);
        collection.load();
        QCOMPARE(names(collection.root()), expected);
    }

    // Given a collection, when entries are added, renamed and reordered and
    // the collection is saved, then a fresh load shows the same.
    void editingSurvivesReload()
    {
        vyrtest::writeFile(m_dir + "/one.desktop", entry("One", "one", "X-Custom=kept\nName[de]=Eins\n"));
        vyrtest::writeFile(m_dir + "/two.desktop", entry("Two"));
        vyrtest::writeFile(m_dir + "/.directory", directory("Root", "one.desktop,two.desktop"));
        {
            VyrMenuCollection collection(m_dir);
            collection.load();
            QVERIFY(!collection.isModified());
            VyrMenuItem *one = child(collection.root(), "one.desktop");
            one->name = QStringLiteral("First one");
            one->exec = QStringLiteral("one --flag %f");
            one->terminal = true;
            collection.touch(one);
            QVERIFY(collection.moveItem(one, 1));
            QVERIFY(!collection.moveItem(one, 1)); // already last
            VyrMenuItem *added = collection.addItem(collection.root(), VyrMenuItem::Entry, "My Tool!", 0);
            QCOMPARE(added->fileName, QStringLiteral("my-tool.desktop"));
            added->exec = QStringLiteral("mytool");
            VyrMenuItem *sub = collection.addItem(collection.root(), VyrMenuItem::Submenu, "Games");
            VyrMenuItem *inner = collection.addItem(sub, VyrMenuItem::Entry, "Chess");
            inner->exec = QStringLiteral("chess");
            QVERIFY(collection.isModified());
            QString error;
            QVERIFY2(collection.save(&error), qPrintable(error));
            QVERIFY(!collection.isModified());
        }
        VyrMenuCollection again(m_dir);
        again.load();
        QCOMPARE(names(again.root()), (QStringList{"my-tool.desktop", "two.desktop", "one.desktop", "games"}));
        QCOMPARE(shownNames(again.root()), (QStringList{"My Tool!", "Two", "First one", "Games"}));
        const VyrMenuItem *one = child(again.root(), "one.desktop");
        QCOMPARE(one->exec, QStringLiteral("one --flag %f"));
        QVERIFY(one->terminal);
        QCOMPARE(names(child(again.root(), "games")), QStringList{"chess.desktop"});
        // Keys the collection does not edit survive.
        VyrDesktopEntry file(m_dir + "/one.desktop");
        QVERIFY(file.load());
        QCOMPARE(file.value("X-Custom"), QStringLiteral("kept"));
        QCOMPARE(file.value("Name[de]"), QStringLiteral("Eins"));
    }

    // A shipped entry hidden by the user is hidden through a user copy; the
    // shipped file stays as it was, for every other user.
    void hiddenShippedEntryStaysHiddenForUserOnly()
    {
        const QString shipped = GetVyrDir(VyrDirSharedData) + "/startmenu";
        const QString user = GetVyrDir(VyrDirStartMenu);
        QCOMPARE(VyrMenuCollection::shippedDirFor(user), shipped);
        QVERIFY(VyrMenuCollection::shippedDirFor(m_dir).isEmpty());
        const QByteArray original = entry("Editor", "editor %F");
        vyrtest::writeFile(shipped + "/editor.desktop", original);
        vyrtest::writeFile(shipped + "/Sub/.directory", directory("Sub"));
        vyrtest::writeFile(shipped + "/Sub/inner.desktop", entry("Inner"));
        {
            VyrMenuCollection collection(user, shipped);
            collection.load();
            VyrMenuItem *editor = child(collection.root(), "editor.desktop");
            QVERIFY(editor && editor->shipped);
            QVERIFY(!collection.removeItem(editor));
            QVERIFY(!collection.removeItem(child(collection.root(), "Sub")));
            editor->hidden = true;
            collection.touch(editor);
            QVERIFY(collection.save());
        }
        QCOMPARE(vyrtest::readFile(shipped + "/editor.desktop"), original);
        VyrMenuCollection again(user, shipped);
        again.load();
        const VyrMenuItem *editor = child(again.root(), "editor.desktop");
        QVERIFY(editor->hidden);
        QVERIFY(editor->shipped);
        QCOMPARE(editor->exec, QStringLiteral("editor %F"));
        QCOMPARE(names(child(again.root(), "Sub")), QStringList{"inner.desktop"});
    }

    // Files that cannot be used are left out, never rewritten, and a new
    // entry does not take their names.
    void unusableFilesAreLeftAlone()
    {
        const QByteArray garbage("\x01\x02not an entry\x00\xff", 17);
        vyrtest::writeFile(m_dir + "/broken.desktop", garbage);
        vyrtest::writeFile(m_dir + "/nogroup.desktop", "Name=No group\n");
        vyrtest::writeFile(m_dir + "/locked.desktop", entry("Locked"));
        vyrtest::writeFile(m_dir + "/good.desktop", entry("Good"));
        QFile::setPermissions(m_dir + "/locked.desktop", QFileDevice::WriteOwner);
        QFile::setPermissions(m_dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                         | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
        vyrtest::AsOrdinaryUser nobody;
        if (!nobody.active())
            QSKIP("permission checks need root to drop privileges");
        VyrMenuCollection collection(m_dir);
        collection.load();
        QCOMPARE(names(collection.root()), QStringList{"good.desktop"});
        VyrMenuItem *added = collection.addItem(collection.root(), VyrMenuItem::Entry, "Broken");
        QCOMPARE(added->fileName, QStringLiteral("broken-2.desktop"));
        QVERIFY(collection.save());
        QCOMPARE(vyrtest::readFile(m_dir + "/broken.desktop"), garbage);
        QCOMPARE(vyrtest::readFile(m_dir + "/nogroup.desktop"), QByteArray("Name=No group\n"));
    }

    void removeUserItems()
    {
        vyrtest::writeFile(m_dir + "/a.desktop", entry("A"));
        vyrtest::writeFile(m_dir + "/Sub/.directory", directory("Sub"));
        vyrtest::writeFile(m_dir + "/Sub/inner.desktop", entry("Inner"));
        vyrtest::writeFile(m_dir + "/Sub/notes.txt", "the user's own file");
        VyrMenuCollection collection(m_dir);
        collection.load();
        QVERIFY(collection.removeItem(child(collection.root(), "a.desktop")));
        QVERIFY(collection.removeItem(child(collection.root(), "Sub")));
        QVERIFY(QFile::exists(m_dir + "/a.desktop")); // nothing before save
        QVERIFY(collection.save());
        QVERIFY(!QFile::exists(m_dir + "/a.desktop"));
        QVERIFY(!QFile::exists(m_dir + "/Sub/inner.desktop"));
        QVERIFY(!QFile::exists(m_dir + "/Sub/.directory"));
        QVERIFY(QFile::exists(m_dir + "/Sub/notes.txt"));
        VyrMenuCollection again(m_dir);
        again.load();
        QVERIFY(again.root()->children.empty());
    }

    void findByPath()
    {
        vyrtest::writeFile(m_dir + "/Sub/.directory", directory("Sub"));
        vyrtest::writeFile(m_dir + "/Sub/inner.desktop", entry("Inner"));
        VyrMenuCollection collection(m_dir);
        collection.load();
        const VyrMenuItem *inner = collection.findByPath(m_dir + "/Sub/../Sub/inner.desktop");
        QVERIFY(inner);
        QCOMPARE(inner->relativePath(), QStringLiteral("Sub/inner.desktop"));
        QCOMPARE(collection.findByPath(m_dir + "/Sub/.directory")->fileName, QStringLiteral("Sub"));
        QVERIFY(!collection.findByPath(m_dir + "/missing.desktop"));
    }

    void stripFieldCodes_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("expected");
        QTest::newRow("trailing file") << "editor %F" << "editor";
        QTest::newRow("middle url") << "browser %u --new" << "browser --new";
        QTest::newRow("icon and caption") << "app %i %c %k" << "app";
        QTest::newRow("percent sign") << "printf 100%%" << "printf 100%";
        QTest::newRow("inside an argument") << "app --file=%f" << "app --file=";
        QTest::newRow("unknown code kept") << "date +%Y" << "date +%Y";
        QTest::newRow("nothing to strip") << "bc -l" << "bc -l";
    }
    void stripFieldCodes()
    {
        QFETCH(QString, exec);
        QFETCH(QString, expected);
        QCOMPARE(vyrStripFieldCodes(exec), expected);
    }

    void autostart_data()
    {
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<bool>("enable");
        QTest::addColumn<bool>("enabledBefore");
        QTest::addColumn<bool>("userFileAfter");
        const QByteArray visible = entry("Menu", "vyr-start-menu");
        const QByteArray hidden = entry("Menu", "vyr-start-menu", "Hidden=true\n");
        QTest::newRow("nothing, enable") << QByteArray() << QByteArray() << true << false << true;
        QTest::newRow("nothing, disable") << QByteArray() << QByteArray() << false << false << false;
        QTest::newRow("user visible, disable") << QByteArray() << visible << false << true << false;
        QTest::newRow("user hidden, enable") << QByteArray() << hidden << true << false << true;
        QTest::newRow("system visible, enable") << visible << QByteArray() << true << true << false;
        QTest::newRow("system visible, disable") << visible << QByteArray() << false << true << true;
        QTest::newRow("system hidden by user, enable") << visible << hidden << true << false << true;
        QTest::newRow("system hidden itself, enable") << hidden << QByteArray() << true << false << true;
    }
    // Turning autostart on or off always ends in the wanted state, and the
    // system record is never changed.
    void autostart()
    {
        QFETCH(QByteArray, system);
        QFETCH(QByteArray, user);
        QFETCH(bool, enable);
        QFETCH(bool, enabledBefore);
        QFETCH(bool, userFileAfter);
        const QString systemPath = vyrtest::sysPath("/etc/xdg/autostart/vyr-start-menu.desktop");
        const QString userPath = vyrtest::home() + "/.config/autostart/vyr-start-menu.desktop";
        QCOMPARE(vyrAutostartPath("vyr-start-menu"), userPath);
        if (!system.isEmpty())
            vyrtest::writeFile(systemPath, system);
        if (!user.isEmpty())
            vyrtest::writeFile(userPath, user);
        QCOMPARE(vyrIsAutostartEnabled("vyr-start-menu"), enabledBefore);
        QVERIFY(vyrEnableAutostart("vyr-start-menu", enable, QString(), true));
        QCOMPARE(vyrIsAutostartEnabled("vyr-start-menu"), enable);
        QCOMPARE(QFile::exists(userPath), userFileAfter);
        if (!system.isEmpty())
            QCOMPARE(vyrtest::readFile(systemPath), system);
        QFile::remove(systemPath);
    }

    void autostartHonoursXdgConfigHome()
    {
        const QByteArray old = qgetenv("XDG_CONFIG_HOME");
        const QString other = vyrtest::home() + "/otherconfig";
        qputenv("XDG_CONFIG_HOME", other.toUtf8());
        QVERIFY(vyrEnableAutostart("vyr-start-panel", true));
        qputenv("XDG_CONFIG_HOME", old);
        VyrDesktopEntry written(other + "/autostart/vyr-start-panel.desktop");
        QVERIFY(written.load());
        QCOMPARE(written.exec(), QStringLiteral("vyr-start-panel"));
        QVERIFY(!vyrIsAutostartEnabled("../vyr-start-panel"));
    }
};

VYR_TEST_GUILESS_MAIN(TestMenuCollection)
#include "test_menucollection.moc"
