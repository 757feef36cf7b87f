// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"
#include "wmrecorder.h"

#include <settingsarchive.h>
#include <themesettings.h>

#include <vyrpaths.h>
#include <vyrwmcommand.h>
#include <vyrxresources.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

namespace {
QString home()
{
    return vyrtest::home();
}
QString themeFile()
{
    return home() + QStringLiteral("/.vyr/theme/current.themerc");
}
/// A folder of the sandbox outside the home.
QString outside(const QString &name)
{
    return vyrtest::sandboxRoot() + QStringLiteral("/outside/") + name;
}

/// One ustar header and its data, made by hand so that any name, type and
/// link can be stored.
QByteArray tarMember(const QByteArray &name, char type, const QByteArray &link = {}, const QByteArray &data = {})
{
    QByteArray header(512, '\0');
    const auto put = [&header](int offset, const QByteArray &value) { header.replace(offset, value.size(), value); };
    put(0, name.left(100));
    put(100, "0000644");
    put(108, "0000000");
    put(116, "0000000");
    put(124, QByteArray::number(data.size(), 8).rightJustified(11, '0'));
    put(136, "00000000000");
    put(148, "        ");
    header[156] = type;
    put(157, link.left(100));
    put(257, QByteArray("ustar\0" "00", 8));
    if (type == '3' || type == '4') {
        put(329, "0000001");
        put(337, "0000003");
    }
    int sum = 0;
    for (char c : header)
        sum += static_cast<unsigned char>(c);
    put(148, QByteArray::number(sum, 8).rightJustified(6, '0') + QByteArray("\0 ", 2));
    QByteArray padded = data;
    padded.append(QByteArray((512 - data.size() % 512) % 512, '\0'));
    return header + padded;
}

/// Members followed by the end blocks, compressed by gzip itself.
QByteArray gzipTar(const QByteArray &members)
{
    const vyrtest::RunResult result = vyrtest::run(QStandardPaths::findExecutable(QStringLiteral("gzip")), {QStringLiteral("-n"), QStringLiteral("-c")},
                                                   30000, QProcessEnvironment::systemEnvironment(),
                                                   members + QByteArray(1024, '\0'));
    return result.out;
}

/// The command line a shell runs from @p directory; its exit status.
int runShell(const QString &line, const QString &directory)
{
    QProcess shell;
    shell.setWorkingDirectory(directory);
    shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), line});
    if (!shell.waitForFinished(30000))
        return -1;
    return shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1;
}

/// The names `tar tzf` lists.
QStringList tarListing(const QString &archive)
{
    const vyrtest::RunResult result = vyrtest::run(QStandardPaths::findExecutable(QStringLiteral("tar")), {QStringLiteral("tzf"), archive});
    if (result.exitCode != 0)
        return {QStringLiteral("(tar failed) ") + QString::fromLocal8Bit(result.err)};
    return QString::fromLocal8Bit(result.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

/// A sandbox home with settings in every exported place and some that are not.
void fillHome()
{
    const QMap<QString, QByteArray> files{
        {QStringLiteral(".vyr/paletterc"), "[Variables]\nColorScheme=x\n"},
        {QStringLiteral(".Xresources"), "Xcursor.theme: a\n"},
        {QStringLiteral(".bashrc"), "echo hi\n"},
        {QStringLiteral(".config/Trolltech.conf"), "[Qt]\nstyle=Fusion\n"},
        {QStringLiteral(".config/breezerc"), "[Common]\n"},
        {QStringLiteral(".config/.hiddenrc"), "x\n"},
        {QStringLiteral(".config/notes.txt"), "x\n"},
        {QStringLiteral(".config/autostart/x.desktop"), "[Desktop Entry]\nExec=x\n"},
        {QStringLiteral(".config/orlenvask/vyr-admin-theme.conf"), "[General]\nwidth=10\n"},
        {QStringLiteral(".config/fontconfig/fonts.conf"), "<fontconfig/>\n"},
        {QStringLiteral("Desktops/Desktop1/.directory"), "[Desktop Entry]\n"},
        {QStringLiteral("Desktops/Desktop2/.directory"), "[Desktop Entry]\nX-VYR-WallPaper=/b.png\n"},
        {QStringLiteral("Desktops/Desktop1/mycomp.desktop"), "[Desktop Entry]\nType=Link\n"},
        {QStringLiteral("Desktops/Desktop1/other.desktop"), "[Desktop Entry]\n"},
    };
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        QVERIFY(vyrtest::writeFile(home() + QLatin1Char('/') + it.key(), it.value()));
    QVERIFY(vyrtest::writeFile(outside(QStringLiteral("linked.txt")), "linked from the home\n"));
    QVERIFY(QFile::link(outside(QStringLiteral("linked.txt")), home() + QStringLiteral("/.vyr/out-link")));
    QVERIFY(QFile::link(QStringLiteral("paletterc"), home() + QStringLiteral("/.vyr/in-link")));
}
}

class TestSettingsArchive : public QObject
{
    Q_OBJECT
    WmRecorder m_recorder;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_recorder.start());
        QVERIFY(vyrtest::writeFile(vyrtest::sysPath(QStringLiteral("/usr/share/vyr/Desktops/Desktop1/.directory")),
                                   "[Desktop Entry]\nIcon=default1\n"));
        QVERIFY(vyrtest::writeFile(vyrtest::sysPath(QStringLiteral("/usr/share/vyr/Desktops/Desktop2/.directory")),
                                   "[Desktop Entry]\nIcon=default2\n"));
        QVERIFY(vyrtest::writeFile(vyrtest::sysPath(QStringLiteral("/usr/share/vyr/Desktops/Desktop1/mycomp.desktop")),
                                   "[Desktop Entry]\nType=Link\nName=My computer\n"));
    }

    void init()
    {
        vyrtest::resetHome();
        QDir(vyrtest::sandboxRoot() + QStringLiteral("/outside")).removeRecursively();
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\n"));
        m_recorder.takeCommands();
    }

    void exportCopiesWallpaperAndLogo()
    {
        // Given a wallpaper whose name a shell would run and a logo elsewhere.
        const QString wallpaper = outside(QStringLiteral("My Walls/a \"b\" $(touch x).jpg"));
        const QString logo = outside(QStringLiteral("logos/l.svg"));
        QVERIFY(vyrtest::writeFile(wallpaper, "JPEG data"));
        QVERIFY(vyrtest::writeFile(logo, "<svg/>"));
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\nWallPaper=" + wallpaper.toUtf8() + "\nLogoPixmap="
                                                    + logo.toUtf8() + "\n"));
        fillHome();
        const QString archive = outside(QStringLiteral("settings.tgz"));

        // When exporting.
        ThemeSettings theme(themeFile());
        QCOMPARE(SettingsArchive::copyWallpaperAndLogo(&theme, home()), QStringList());
        QString error;
        QVERIFY2(SettingsArchive::writeArchive(archive, home(), &error), qPrintable(error));

        // Then the copies are inside ~/.vyr, named by the keys, and announced.
        const QString wallCopy = home() + QStringLiteral("/.vyr/a \"b\" $(touch x).jpg");
        const QString logoCopy = home() + QStringLiteral("/.vyr/l.svg");
        QCOMPARE(vyrtest::readFile(wallCopy), QByteArray("JPEG data"));
        QCOMPARE(vyrtest::readFile(logoCopy), QByteArray("<svg/>"));
        ThemeSettings reread(themeFile());
        QCOMPARE(reread.value(QStringLiteral("WallPaper")).toString(), wallCopy);
        QCOMPARE(reread.value(QStringLiteral("LogoPixmap")).toString(), logoCopy);
        QCOMPARE(m_recorder.takeCommands(),
                 QStringList({QStringLiteral("VYRWM_UPDATE_VAL LogoPixmap ") + logoCopy,
                              QStringLiteral("VYRWM_UPDATE_VAL WallPaper ") + wallCopy}));

        const QStringList expected{
            QStringLiteral(".vyr/"),
            QStringLiteral(".vyr/a \"b\" $(touch x).jpg"),
            QStringLiteral(".vyr/in-link"),
            QStringLiteral(".vyr/l.svg"),
            QStringLiteral(".vyr/out-link"),
            QStringLiteral(".vyr/paletterc"),
            QStringLiteral(".vyr/theme/"),
            QStringLiteral(".vyr/theme/current.themerc"),
            QStringLiteral(".Xresources"),
            QStringLiteral(".config/breezerc"),
            QStringLiteral(".config/Trolltech.conf"),
            QStringLiteral(".config/orlenvask/"),
            QStringLiteral(".config/orlenvask/vyr-admin-theme.conf"),
            QStringLiteral(".config/fontconfig/"),
            QStringLiteral(".config/fontconfig/fonts.conf"),
            QStringLiteral("Desktops/Desktop1/.directory"),
            QStringLiteral("Desktops/Desktop2/.directory"),
            QStringLiteral("Desktops/Desktop1/mycomp.desktop"),
        };
        QStringList listing = tarListing(archive);
        QStringList sortedExpected = expected;
        listing.sort();
        sortedExpected.sort();
        QCOMPARE(listing, sortedExpected);
        const SettingsArchive::CheckResult check = SettingsArchive::checkArchive(archive, home());
        QVERIFY2(check.ok, qPrintable(check.member + QStringLiteral(": ") + check.reason));

        // The link out of the home holds its file; the one inside stays a link.
        const QString unpacked = outside(QStringLiteral("unpacked"));
        QVERIFY(QDir().mkpath(unpacked));
        QCOMPARE(vyrtest::run(QStandardPaths::findExecutable(QStringLiteral("tar")), {QStringLiteral("xfz"), archive, QStringLiteral("-C"), unpacked})
                     .exitCode,
                 0);
        QVERIFY(!QFileInfo(unpacked + QStringLiteral("/.vyr/out-link")).isSymLink());
        QCOMPARE(vyrtest::readFile(unpacked + QStringLiteral("/.vyr/out-link")), QByteArray("linked from the home\n"));
        QCOMPARE(QFileInfo(unpacked + QStringLiteral("/.vyr/in-link")).symLinkTarget(),
                 unpacked + QStringLiteral("/.vyr/paletterc"));

        // Nothing ran the "$(touch x)" text.
        QDirIterator it(vyrtest::sandboxRoot(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            QVERIFY2(QFileInfo(it.next()).fileName() != QLatin1String("x"), qPrintable(it.filePath()));
        QVERIFY(!QFileInfo::exists(QDir::currentPath() + QStringLiteral("/x")));
    }

    void exportCopiesNothing_data()
    {
        QTest::addColumn<QString>("wallpaper");
        QTest::newRow("default name") << "vyr-default";
        QTest::newRow("light default") << "/usr/share/wallpapers/vyr-default-light.jpg";
        QTest::newRow("inside ~/.vyr") << "HOME/.vyr/mine.jpg";
        QTest::newRow("colour") << "#5a91bd";
    }
    void exportCopiesNothing()
    {
        QFETCH(QString, wallpaper);
        wallpaper.replace(QLatin1String("HOME"), home());
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.vyr/mine.jpg"), "JPEG"));
        const QByteArray text = "[Variables]\nWallPaper=" + wallpaper.toUtf8() + "\n";
        QVERIFY(vyrtest::writeFile(themeFile(), text));
        const auto before = vyrtest::treeState(home());

        ThemeSettings theme(themeFile());
        QCOMPARE(SettingsArchive::copyWallpaperAndLogo(&theme, home()), QStringList());

        QCOMPARE(vyrtest::changedFiles(before, home()), QStringList());
        QCOMPARE(m_recorder.takeCommands(), QStringList());
    }

    void exportReportsMissingWallpaper()
    {
        const QString missing = outside(QStringLiteral("gone.jpg"));
        QVERIFY(vyrtest::writeFile(themeFile(), "[Variables]\nWallPaper=" + missing.toUtf8() + "\n"));
        ThemeSettings theme(themeFile());
        const QStringList errors = SettingsArchive::copyWallpaperAndLogo(&theme, home());
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().contains(missing), qPrintable(errors.first()));
        QCOMPARE(ThemeSettings(themeFile()).value(QStringLiteral("WallPaper")).toString(), missing);
        QCOMPARE(m_recorder.takeCommands(), QStringList());
    }

    void exportToUnwritableFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("missing folder") << outside(QStringLiteral("no/such")) << false;
        QTest::newRow("read-only folder") << outside(QStringLiteral("locked")) << true;
    }
    void exportToUnwritableFolder()
    {
        QFETCH(QString, folder);
        QFETCH(bool, readOnly);
        fillHome();
        if (readOnly) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                      | QFile::ExeOther));
        }
        const QString archive = folder + QStringLiteral("/settings.tgz");
        QString error;
        bool written = true;
        {
            vyrtest::AsOrdinaryUser user;
            written = SettingsArchive::writeArchive(archive, home(), &error);
        }
        QVERIFY(!written);
        QVERIFY2(error.contains(archive), qPrintable(error));
        if (readOnly)
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QString>("member");
        const QByteArray good = tarMember(".vyr/paletterc", '0', {}, "x\n");
        QTest::newRow("absolute name") << gzipTar(good + tarMember("/etc/evil", '0', {}, "x")) << "/etc/evil";
        QTest::newRow("dot-dot") << gzipTar(good + tarMember(".vyr/../../evil", '0', {}, "x")) << ".vyr/../../evil";
        QTest::newRow("symlink out of the home")
            << gzipTar(good + tarMember(".vyr/l", '2', "/etc")) << ".vyr/l";
        QTest::newRow("relative symlink out of the home")
            << gzipTar(tarMember(".vyr/theme/l", '2', "../../../x")) << ".vyr/theme/l";
        QTest::newRow("written through a link")
            << gzipTar(tarMember(".vyr/l", '2', "../.ssh") + tarMember(".vyr/l/authorized_keys", '0', {}, "k"))
            << ".vyr/l/authorized_keys";
        QTest::newRow("hard link outside")
            << gzipTar(good + tarMember(".vyr/h", '1', "../../etc/passwd")) << ".vyr/h";
        QTest::newRow("hard link to a file outside the settings")
            << gzipTar(good + tarMember(".vyr/h", '1', ".bashrc")) << ".vyr/h";
        QTest::newRow("character device") << gzipTar(good + tarMember(".vyr/dev", '3')) << ".vyr/dev";
        QTest::newRow("block device") << gzipTar(good + tarMember(".vyr/blk", '4')) << ".vyr/blk";
        QTest::newRow("FIFO") << gzipTar(good + tarMember(".vyr/fifo", '6')) << ".vyr/fifo";
        QTest::newRow(".bashrc") << gzipTar(good + tarMember(".bashrc", '0', {}, "evil")) << ".bashrc";
        QTest::newRow("autostart entry")
            << gzipTar(good + tarMember(".config/autostart/x.desktop", '0', {}, "evil"))
            << ".config/autostart/x.desktop";
        QTest::newRow("fifth desktop record")
            << gzipTar(tarMember("Desktops/Desktop5/.directory", '0', {}, "x")) << "Desktops/Desktop5/.directory";
        QTest::newRow("not gzip") << (good + QByteArray(1024, '\0')) << "";
        QTest::newRow("gzip of text") << gzipTar("hello\n") << "";
        QTest::newRow("empty file") << QByteArray() << "";
    }
    void refused()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QString, member);
        const QString path = outside(QStringLiteral("bad.tgz"));
        QVERIFY(vyrtest::writeFile(path, archive));
        const SettingsArchive::CheckResult result = SettingsArchive::checkArchive(path, home());
        QVERIFY(!result.ok);
        QCOMPARE(result.member, member);
        QVERIFY(!result.reason.isEmpty());
    }

    void accepted()
    {
        const QByteArray members = tarMember(".vyr/", '5') + tarMember(".vyr/paletterc", '0', {}, "x\n")
            + tarMember(".vyr/l", '2', "paletterc") + tarMember(".vyr/h", '1', ".vyr/paletterc")
            + tarMember("./.config/breezerc", '0', {}, "y") + tarMember("Desktops/Desktop4/.directory", '0', {}, "z");
        const QString path = outside(QStringLiteral("good.tgz"));
        QVERIFY(vyrtest::writeFile(path, gzipTar(members)));
        const SettingsArchive::CheckResult result = SettingsArchive::checkArchive(path, home());
        QVERIFY2(result.ok, qPrintable(result.member + QStringLiteral(": ") + result.reason));
    }

    void commandText_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("command");
        QTest::newRow("plain") << "/h/vyr-settings.tgz" << "/h"
                               << "tar --no-unquote -xzf '/h/vyr-settings.tgz' --directory '/h'";
        QTest::newRow("quote and dollar") << "/a b/it's $x.tgz" << "/h"
                                          << "tar --no-unquote -xzf '/a b/it'\\''s $x.tgz' --directory '/h'";
        QTest::newRow("line break") << "/a\nb%\\.tgz" << "/h"
                                    << "vyr_archive=$(printf '/a\\012b%%\\\\.tgzx'); vyr_home=$(printf '/hx'); "
                                       "tar --no-unquote -xzf \"${vyr_archive%x}\" --directory \"${vyr_home%x}\"";
    }
    void commandText()
    {
        QFETCH(QString, archive);
        QFETCH(QString, target);
        QFETCH(QString, command);
        QCOMPARE(SettingsArchive::logoutCommand(archive, target), command);
        QCOMPARE(SettingsArchive::importCommand(archive, target),
                 QStringLiteral("VYRWM_UPDATE_VAL KillAtExitCmd ") + command);
    }

    void logoutCommandUnpacks_data()
    {
        QTest::addColumn<QString>("archiveName");
        QTest::addColumn<QString>("homeName");
        QTest::newRow("blanks") << "my settings.tgz" << "my home";
        QTest::newRow("quotes") << "it's \"mine\".tgz" << "o'neil \"h\"";
        QTest::newRow("dollar and backquotes") << "$HOME `touch y` $(touch y).tgz" << "$PWD `id`";
        QTest::newRow("line breaks") << "two\nlines\n" << "\nhome\n";
        QTest::newRow("backslash and percent") << "a\\nb %s %%.tgz" << "h\\t%d";
    }
    void logoutCommandUnpacks()
    {
        QFETCH(QString, archiveName);
        QFETCH(QString, homeName);
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.vyr/paletterc"), "palette\n"));
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.config/breezerc"), "breeze\n"));
        const QString archive = outside(QStringLiteral("archives/") + archiveName);
        QVERIFY(QDir().mkpath(outside(QStringLiteral("archives"))));
        QString error;
        QVERIFY2(SettingsArchive::writeArchive(archive, home(), &error), qPrintable(error));
        const QString target = outside(homeName);
        QVERIFY(QDir().mkpath(target));
        const QString elsewhere = outside(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere));
        const auto before = vyrtest::treeState(vyrtest::sandboxRoot());

        const QString line = SettingsArchive::importCommand(archive, target);
        QVERIFY(!line.contains(QLatin1Char('\n')));
        const QString prefix = QStringLiteral("VYRWM_UPDATE_VAL KillAtExitCmd ");
        QVERIFY(line.startsWith(prefix));
        QCOMPARE(runShell(line.mid(prefix.size()), elsewhere), 0);

        QCOMPARE(vyrtest::readFile(target + QStringLiteral("/.vyr/paletterc")), QByteArray("palette\n"));
        QCOMPARE(vyrtest::readFile(target + QStringLiteral("/.config/breezerc")), QByteArray("breeze\n"));
        QStringList changed = vyrtest::changedFiles(before, vyrtest::sandboxRoot());
        changed.sort();
        QCOMPARE(changed, QStringList({target + QStringLiteral("/.config/breezerc"),
                                       target + QStringLiteral("/.vyr/paletterc"),
                                       target + QStringLiteral("/.vyr/theme/current.themerc")}));
    }

    void roundTrip()
    {
        fillHome();
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.vyr/binary"), QByteArray("\0\x01\xff\n\r", 5)));
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.vyr/big"), QByteArray(300000, 'b')));
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.vyr/") + QString(120, QLatin1Char('n')), "long name\n"));
        const QString archive = outside(QStringLiteral("round trip.tgz"));
        QString error;
        QVERIFY2(SettingsArchive::writeArchive(archive, home(), &error), qPrintable(error));
        QMap<QString, QByteArray> exported;
        for (const QString &entry : SettingsArchive::exportEntries(home())) {
            const QString path = home() + QLatin1Char('/') + entry;
            if (QFileInfo(path).isFile()) {
                exported.insert(entry, vyrtest::readFile(path));
                continue;
            }
            QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                exported.insert(file.mid(home().size() + 1), vyrtest::readFile(file));
            }
        }
        QVERIFY(exported.size() >= 14);
        const SettingsArchive::CheckResult check = SettingsArchive::checkArchive(archive, home());
        QVERIFY2(check.ok, qPrintable(check.member + QStringLiteral(": ") + check.reason));

        vyrtest::resetHome();
        const QString line = SettingsArchive::logoutCommand(archive, home());
        QCOMPARE(runShell(line, vyrtest::sandboxRoot()), 0);
        for (auto it = exported.cbegin(); it != exported.cend(); ++it)
            QVERIFY2(vyrtest::readFile(home() + QLatin1Char('/') + it.key()) == it.value(), qPrintable(it.key()));
        QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/.bashrc")));
        QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/.config/autostart")));
    }

    void restore_data()
    {
        QTest::addColumn<bool>("themeOnly");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QStringList>("gone");
        const QStringList always{QStringLiteral(".config/Trolltech.conf"), QStringLiteral(".config/breezerc"),
                                 QStringLiteral(".config/orlenvask/vyr-admin-theme.conf"),
                                 QStringLiteral(".config/picom.conf"), QStringLiteral(".config/compton.conf")};
        const QStringList look{QStringLiteral(".vyr/paletterc"), QStringLiteral(".vyr/theme/current.themerc"),
                               QStringLiteral(".Xresources"), QStringLiteral(".config/fontconfig/fonts.conf"),
                               QStringLiteral(".fonts.conf"), QStringLiteral("Pictures/Wallpapers/vyr-default-1.jpg"),
                               QStringLiteral("Pictures/Wallpapers/sub/vyr-default 2.png")};
        const QStringList unrelated{QStringLiteral(".bashrc"), QStringLiteral("Pictures/Wallpapers/mine.jpg")};
        QTest::newRow("theme only") << true << (look + unrelated) << always;
        QTest::newRow("all settings") << false << unrelated << (always + look + QStringList{QStringLiteral(".vyr")});
    }
    void restore()
    {
        QFETCH(bool, themeOnly);
        QFETCH(QStringList, kept);
        QFETCH(QStringList, gone);
        for (const QString &file : kept + gone) {
            if (file != QLatin1String(".vyr"))
                QVERIFY(vyrtest::writeFile(home() + QLatin1Char('/') + file, "user\n"));
        }
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/Desktops/Desktop1/.directory"), "[Desktop Entry]\nX=1\n"));
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/Desktops/Desktop2/.directory"), "[Desktop Entry]\nX=2\n"));
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/Desktops/Desktop3/.directory"), "[Desktop Entry]\nX=3\n"));
        QStringList failures;
        SettingsArchive::restoreFiles(themeOnly ? SettingsArchive::RestoreType::ThemeOnly
                                                : SettingsArchive::RestoreType::AllSettings,
                                      themeFile(), home() + QStringLiteral("/.vyr/paletterc"),
                                      [&failures](const QString &path) { failures << path; });
        QCOMPARE(failures, QStringList());
        for (const QString &file : kept)
            QVERIFY2(QFileInfo::exists(home() + QLatin1Char('/') + file), qPrintable(file));
        for (const QString &file : gone)
            QVERIFY2(!QFileInfo::exists(home() + QLatin1Char('/') + file), qPrintable(file));
        // The records come from the shipped defaults; one without a default is gone.
        QCOMPARE(vyrtest::readFile(home() + QStringLiteral("/Desktops/Desktop1/.directory")),
                 QByteArray("[Desktop Entry]\nIcon=default1\n"));
        QCOMPARE(vyrtest::readFile(home() + QStringLiteral("/Desktops/Desktop2/.directory")),
                 QByteArray("[Desktop Entry]\nIcon=default2\n"));
        QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/Desktops/Desktop3/.directory")));
        const QByteArray item = vyrtest::readFile(home() + QStringLiteral("/Desktops/Desktop1/mycomp.desktop"));
        QVERIFY2(item.contains("Name=My computer") && !item.contains("Hidden=true"), item.constData());
    }

    void restoreReportsAndGoesOn()
    {
        // A file in a folder the user cannot write cannot be removed.
        const QString locked = home() + QStringLiteral("/.config/orlenvask");
        QVERIFY(vyrtest::writeFile(locked + QStringLiteral("/vyr-admin-theme.conf"), "x\n"));
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.config/breezerc"), "x\n"));
        QVERIFY(vyrtest::writeFile(home() + QStringLiteral("/.config/picom.conf"), "x\n"));
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                  | QFile::ExeOther));
        for (const QString &dir : {vyrtest::sandboxRoot(), home(), home() + QStringLiteral("/.config")})
            QVERIFY(QFile::setPermissions(dir, QFile::permissions(dir) | QFile::ReadOther | QFile::WriteOther
                                                   | QFile::ExeOther));
        QStringList failures;
        {
            vyrtest::AsOrdinaryUser user;
            QVERIFY(user.active());
            SettingsArchive::restoreFiles(SettingsArchive::RestoreType::ThemeOnly, themeFile(), QString(),
                                          [&failures](const QString &path) { failures << path; });
        }
        QFile::setPermissions(locked, QFile::permissions(locked) | QFile::WriteOwner);
        QCOMPARE(failures, QStringList{locked + QStringLiteral("/vyr-admin-theme.conf")});
        QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/.config/breezerc")));
        QVERIFY(!QFileInfo::exists(home() + QStringLiteral("/.config/picom.conf")));
    }

    void cursorResourcesDropped()
    {
        QVERIFY(vyrXrdbMerge("Xcursor.theme: redglass\nXcursor.size: 48\nXft.dpi: 96\n"));
        QString error;
        QVERIFY2(SettingsArchive::dropCursorResources(&error), qPrintable(error));
        const QByteArray resources = vyrXrdbQuery();
        QVERIFY2(!resources.contains("Xcursor.theme") && !resources.contains("Xcursor.size"), resources.constData());
        QVERIFY(resources.contains("Xft.dpi"));
    }
};

int main(int argc, char *argv[])
{
    vyrtest::setupEnvironment();
    // The test changes the X server's resources: a server of its own.
    if (!vyrtest::startPrivateDisplay()) {
        qCritical("no X server of the test's own (Xvfb)");
        return 1;
    }
    QCoreApplication app(argc, argv);
    TestSettingsArchive tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "test_settingsarchive.moc"
