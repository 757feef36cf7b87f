// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// What the install hands to a Debian system besides the programs: manual
// pages, shell completion, launchers and the AppStream file, checked on a
// real install of the build into the sandbox, with the tools Debian uses.

#include "testenv.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

namespace {

QString installRoot()
{
    return vyrtest::sandboxRoot() + QStringLiteral("/install/usr");
}

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QLatin1String(name));
}

QString text(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).trimmed();
}

QStringList installedPrograms()
{
    return QDir(installRoot() + QStringLiteral("/bin")).entryList(QDir::Files, QDir::Name);
}

QString completionFile(const QString &program)
{
    return installRoot() + QStringLiteral("/share/bash-completion/completions/") + program;
}

/// What bash offers for the last of @p words, run in @p dir with the
/// completion file sourced and nothing else.
QStringList complete(const QString &file, const QStringList &words, const QString &dir)
{
    static const char script[] = R"(
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMPREPLY=()
        function=$(complete -p "$1" | sed -n 's/.*-F \([^ ]*\).*/\1/p')
        [ -n "$function" ] || exit 3
        "$function" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf '%s\n' "${COMPREPLY[@]}"
    )";
    QProcess bash;
    bash.setWorkingDirectory(dir);
    bash.start(tool("bash"), QStringList{QStringLiteral("--norc"), QStringLiteral("--noprofile"), QStringLiteral("-c"),
                                         QLatin1String(script), QStringLiteral("bash"), file}
                                 + words);
    if (!bash.waitForFinished(20000) || bash.exitCode() != 0)
        return {QStringLiteral("<bash failed: %1>").arg(QString::fromUtf8(bash.readAllStandardError()))};
    QStringList offered = QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    offered.sort();
    return offered;
}

} // namespace

class TestPackaging : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // The install as the package makes it, and the demo's part apart.
        for (const QStringList &extra : {QStringList{}, QStringList{QStringLiteral("--component"), QStringLiteral("demo")}}) {
            const vyrtest::RunResult result =
                vyrtest::run(QStringLiteral(VYR_CMAKE_COMMAND),
                             QStringList{QStringLiteral("--install"), QStringLiteral(VYR_BUILD_DIR),
                                         QStringLiteral("--prefix"), installRoot()}
                                 + extra,
                             120000);
            QVERIFY2(result.exitCode == 0, result.err.constData());
        }
        QVERIFY(installedPrograms().contains(QStringLiteral("vyr-admin-theme")));
    }

    // Every installed program has a manual page that renders without a
    // warning, and, when it takes arguments, a completion that knows it.
    void everyProgram_data()
    {
        QTest::addColumn<QString>("program");
        for (const QString &program : installedPrograms())
            QTest::newRow(qPrintable(program)) << program;
    }

    void everyProgram()
    {
        QFETCH(QString, program);
        const QString page = installRoot() + QStringLiteral("/share/man/man1/") + program + QStringLiteral(".1");
        QVERIFY2(QFileInfo::exists(page), qPrintable(page));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        const vyrtest::RunResult man =
            vyrtest::run(tool("man"), {QStringLiteral("--warnings"), QStringLiteral("-l"), page}, 30000, env);
        QCOMPARE(man.exitCode, 0);
        QCOMPARE(text(man.err), QString());
        QVERIFY(man.out.contains("EXIT STATUS"));
        const vyrtest::RunResult groff = vyrtest::run(
            tool("groff"), {QStringLiteral("-t"), QStringLiteral("-ww"), QStringLiteral("-z"), QStringLiteral("-man"), page});
        QCOMPARE(groff.exitCode, 0);
        QCOMPARE(text(groff.err), QString());

        if (program == QLatin1String("vyr-admin-session") || program == QLatin1String("vyr-wm-recorder"))
            return; // no arguments; a test tool
        const QStringList registered =
            complete(completionFile(program), {program, QString()}, vyrtest::sandboxRoot());
        QVERIFY2(!registered.join(QLatin1Char(' ')).contains(QLatin1String("<bash failed")),
                 qPrintable(registered.join(QLatin1Char(' '))));
    }

    // The options a program's own help lists are all in its manual page.
    void optionsDocumented_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        const QStringList help{QStringLiteral("--help")};
        QTest::newRow("vyr-lineedit") << "vyr-lineedit" << help;
        QTest::newRow("vyr-entry-editor") << "vyr-entry-editor" << help;
        QTest::newRow("vyr-dbus-menu") << "vyr-dbus-menu" << help;
        QTest::newRow("vyr-icon-emblems") << "vyr-icon-emblems" << help;
        QTest::newRow("vyr-dialog") << "vyr-dialog" << help;
        QTest::newRow("vyr-svg2png (help without input)") << "vyr-svg2png" << QStringList{};
        QTest::newRow("vyr-wm-recorder (usage)") << "vyr-wm-recorder" << QStringList{QStringLiteral("--unknown")};
    }

    void optionsDocumented()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        const vyrtest::RunResult result = vyrtest::run(program, args);
        QVERIFY(!result.crashed && !result.timedOut);
        const QString help = QString::fromLocal8Bit(result.out + result.err);
        const QString page =
            QString::fromUtf8(vyrtest::readFile(vyrtest::sourceDir() + QStringLiteral("/docs/man/") + program + QStringLiteral(".1.scd")));
        QVERIFY(!page.isEmpty());

        static const QRegularExpression option(QStringLiteral("(?:^|[\\s\\[|,])(--?[A-Za-z][A-Za-z-]*)"));
        QSet<QString> options;
        for (auto it = option.globalMatch(help); it.hasNext();)
            options.insert(it.next().captured(1));
        QVERIFY2(options.size() >= 2, qPrintable(help));
        for (const QString &name : options)
            QVERIFY2(page.contains(QLatin1Char('*') + name + QLatin1Char('*')), qPrintable(name + QStringLiteral(" is not in the manual page")));
    }

    // vyr-admin-theme's manual page names every page of the page table.
    void pageNamesDocumented()
    {
        const QStringList pages = QString::fromUtf8(vyrtest::readFile(QStringLiteral(VYR_PAGES_FILE)))
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(pages.contains(QStringLiteral("Wallpaper")));
        const QByteArray page = vyrtest::readFile(vyrtest::sourceDir() + QStringLiteral("/docs/man/vyr-admin-theme.1.scd"));
        for (const QString &name : pages)
            QVERIFY2(page.contains('*' + name.toUtf8() + '*'), qPrintable(name));
    }

    void completion_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("offered");
        const auto words = [](const char *line) {
            QStringList list = QString::fromLatin1(line).split(QLatin1Char(' '));
            return list;
        };
        QTest::newRow("page") << words("vyr-admin-theme Wa") << QStringList{"Wallpaper"};
        QTest::newRow("scheme page") << words("vyr-admin-theme Co") << QStringList{"ColorScheme"};
        QTest::newRow("service mode") << words("vyr-admin-theme app") << QStringList{"apply-color-scheme"};
        QTest::newRow("theme file, then a page") << words("vyr-admin-theme notes.txt Fo") << QStringList{"Fonts"};
        QTest::newRow("schemes to apply") << words("vyr-admin-theme apply-color-scheme ") << QStringList{"a.colors", "sub"};
        QTest::newRow("pictures") << words("vyr-admin-theme Wallpaper ") << QStringList{"b.svg", "c.png", "sub"};
        QTest::newRow("nothing after wmcolor") << words("vyr-admin-theme wmcolor ") << QStringList{};
        QTest::newRow("name with a blank") << words("vyr-admin-hotkeys my") << QStringList{"my keys.rc"};
        QTest::newRow("svg input") << words("vyr-svg2png -i ") << QStringList{"b.svg", "sub"};
        QTest::newRow("long option") << words("vyr-svg2png --w") << QStringList{"--width"};
        QTest::newRow("a number") << words("vyr-lineedit -x ") << QStringList{};
        QTest::newRow("entry option") << words("vyr-entry-editor --file") << QStringList{"--filePath"};
        QTest::newRow("scheme argument") << words("vyr-colorscheme-css ") << QStringList{"a.colors", "sub"};
        QTest::newRow("icon theme folder") << words("vyr-icon-emblems -t ") << QStringList{"sub"};
    }

    void completion()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, offered);
        const QString dir = vyrtest::sandboxRoot() + QStringLiteral("/completion");
        for (const char *name : {"a.colors", "b.svg", "c.png", "notes.txt", "my keys.rc", "sub/x"})
            QVERIFY(vyrtest::writeFile(dir + QLatin1Char('/') + QLatin1String(name), "x"));
        QCOMPARE(complete(completionFile(words.constFirst()), words, dir), offered);
    }

    // The launchers and the AppStream file pass Debian's validators, name
    // installed things, and speak Russian too.
    void desktopFiles_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &name : QDir(installRoot() + QStringLiteral("/share/applications")).entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << installRoot() + QStringLiteral("/share/applications/") + name;
        QTest::newRow("metainfo") << installRoot() + QStringLiteral("/share/metainfo/org.example.vyr.settings.metainfo.xml");
    }

    void desktopFiles()
    {
        QFETCH(QString, file);
        const QByteArray content = vyrtest::readFile(file);
        QVERIFY2(!content.isEmpty(), qPrintable(file));
        if (file.endsWith(QLatin1String(".xml"))) {
            const vyrtest::RunResult result = vyrtest::run(tool("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), file});
            QVERIFY2(result.exitCode == 0, result.out.constData());
            static const QRegularExpression launchable(QStringLiteral("<launchable type=\"desktop-id\">([^<]+)<"));
            int count = 0;
            for (auto it = launchable.globalMatch(QString::fromUtf8(content)); it.hasNext(); ++count)
                QVERIFY(QFileInfo::exists(installRoot() + QStringLiteral("/share/applications/") + it.next().captured(1)));
            QCOMPARE(count, 4);
            // The screenshots are the README's, below the project's address.
            const QByteArray readme = vyrtest::readFile(vyrtest::sourceDir() + QStringLiteral("/README.md"));
            static const QRegularExpression image(QStringLiteral("<image>https://vyr\\.example\\.org/([^<]+)<"));
            count = 0;
            for (auto it = image.globalMatch(QString::fromUtf8(content)); it.hasNext(); ++count) {
                const QString path = it.next().captured(1);
                QVERIFY2(QFileInfo::exists(vyrtest::sourceDir() + QLatin1Char('/') + path) && readme.contains(path.toUtf8()),
                         qPrintable(path));
            }
            QVERIFY(count >= 1);
            return;
        }
        const vyrtest::RunResult result = vyrtest::run(tool("desktop-file-validate"), {file});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(text(result.out + result.err), QString());
        static const QRegularExpression exec(QStringLiteral("^Exec=(\\S+)"), QRegularExpression::MultilineOption);
        QVERIFY(installedPrograms().contains(exec.match(QString::fromUtf8(content)).captured(1)));
        for (const char *key : {"\nName[ru]=", "\nComment[ru]=", "\nKeywords[ru]=", "\nIcon="})
            QVERIFY2(content.contains(key), key);
    }

    // One package list: debian/control's Build-Depends are install-deps.sh's.
    void buildDependsAgree()
    {
        const vyrtest::RunResult result = vyrtest::run(vyrtest::sourceDir() + QStringLiteral("/scripts/check-build-depends.sh"), {});
        QVERIFY2(result.exitCode == 0, result.err.constData());
    }

    // One version: the build's, the package's and the AppStream release.
    void versionsAgree()
    {
        const QByteArray changelog = vyrtest::readFile(vyrtest::sourceDir() + QStringLiteral("/debian/changelog"));
        QVERIFY(changelog.startsWith("vyr-settings (" VYR_PROJECT_VERSION ")"));
        const QByteArray metainfo = vyrtest::readFile(vyrtest::sourceDir() + QStringLiteral("/data/metainfo/org.example.vyr.settings.metainfo.xml"));
        QVERIFY(metainfo.contains("<release version=\"" VYR_PROJECT_VERSION "\""));
    }
};

VYR_TEST_GUILESS_MAIN(TestPackaging)
#include "test_packaging.moc"
