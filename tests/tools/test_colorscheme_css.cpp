// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

const char *const kStates[] = {"selected", "default", "disabled", "active", "last"};

QByteArray scheme(const QByteArray &window)
{
    return "[General]\nName=Test\n\n"
           "[Colors:Window]\n"
           "BackgroundNormal=" + window + "\n"
           "ForegroundNormal=10,20,30\n"
           "ForegroundPositive=1,2,3\n"
           "ForegroundNeutral=4,5,6\n"
           "ForegroundNegative=7,8,9\n"
           "ForegroundActive=11,12,13\n\n"
           "[Colors:Selection]\n"
           "BackgroundNormal=61,174,233\n"
           "ForegroundNormal=255,255,255\n";
}

QString schemeDir()
{
    return vyrtest::sandboxRoot() + QStringLiteral("/schemes");
}

QString writeScheme(const QString &fileName, const QByteArray &window = "230,230,230")
{
    const QString path = schemeDir() + QLatin1Char('/') + fileName;
    vyrtest::writeFile(path, scheme(window));
    return path;
}

vyrtest::RunResult runTool(const QStringList &args)
{
    return vyrtest::run(QStringLiteral("vyr-colorscheme-css"), args);
}

QString cssPath(const QString &base, const char *state)
{
    return schemeDir() + QLatin1Char('/') + base + QLatin1Char('-') + QLatin1String(state) + QStringLiteral(".css");
}

/// The value of one ColorScheme class in a style sheet.
QString ruleColour(const QByteArray &css, const QByteArray &klass)
{
    const int at = css.indexOf(".ColorScheme-" + klass);
    if (at < 0)
        return QString();
    const int start = css.indexOf("color:", at) + 6;
    return QString::fromLatin1(css.mid(start, css.indexOf(';', start) - start));
}

} // namespace

class TestColorSchemeCss : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QDir(schemeDir()).removeRecursively();
        QDir().mkpath(schemeDir());
    }

    void writesTemplate_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QByteArray>("css");
        const QByteArray plain = ".ColorScheme-Text { color:#0a141e; }.ColorScheme-Background{ color:#e6e6e6; }"
                                 ".ColorScheme-Highlight{ color:#3daee9; }.ColorScheme-HighlightedText{ color:#ffffff; }"
                                 ".ColorScheme-PositiveText{ color:#010203; }.ColorScheme-NeutralText{ color:#040506; }"
                                 ".ColorScheme-NegativeText{ color:#070809; }.ColorScheme-ActiveText{ color:#0b0c0d; }"
                                 ".ColorScheme-Complement{ color:#ffffff; }.ColorScheme-Contrast{ color:#000000; }"
                                 ".ColorScheme-Accent{ color:#3daee9; }\n";
        QTest::newRow("selected")
            << QStringLiteral("selected")
            << QByteArray(".ColorScheme-Text { color:#ffffff; }.ColorScheme-Background{ color:#3daee9; }"
                          ".ColorScheme-Highlight{ color:#ffffff; }.ColorScheme-HighlightedText{ color:#3daee9; }"
                          ".ColorScheme-PositiveText{ color:#ffffff; }.ColorScheme-NeutralText{ color:#ffffff; }"
                          ".ColorScheme-NegativeText{ color:#ffffff; }.ColorScheme-ActiveText{ color:#ffffff; }"
                          ".ColorScheme-Complement{ color:#ffffff; }.ColorScheme-Contrast{ color:#000000; }"
                          ".ColorScheme-Accent{ color:#5abaec; }\n");
        for (const char *state : {"default", "disabled", "active", "last"})
            QTest::newRow(state) << QString::fromLatin1(state) << plain;
    }
    void writesTemplate()
    {
        QFETCH(QString, state);
        QFETCH(QByteArray, css);
        const auto result = runTool({writeScheme(QStringLiteral("SolvaTest.colors"))});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(vyrtest::readFile(cssPath(QStringLiteral("SolvaTest"), qPrintable(state))), css);
        // Five style sheets beside the scheme, nothing else.
        QCOMPARE(QDir(schemeDir()).entryList(QDir::Files | QDir::Hidden).size(), 6);
    }

    void complementAndContrast_data()
    {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QString>("complement");
        QTest::addColumn<QString>("contrast");
        const QString white = QStringLiteral("#ffffff");
        const QString black = QStringLiteral("#000000");
        QTest::newRow("light, luma 0.9") << QByteArray("230,230,230") << white << black;
        QTest::newRow("white") << QByteArray("255,255,255") << white << black;
        QTest::newRow("black") << QByteArray("0,0,0") << black << white;
        // 299 R + 587 G + 114 B = 127500: a luma of exactly one half is dark.
        QTest::newRow("luma exactly 0.5, green") << QByteArray("22,206,0") << black << white;
        QTest::newRow("luma exactly 0.5, teal") << QByteArray("0,204,68") << black << white;
        QTest::newRow("luma exactly 0.5, blue-green") << QByteArray("1,173,225") << black << white;
        QTest::newRow("just above 0.5") << QByteArray("128,128,128") << white << black;
        QTest::newRow("just below 0.5") << QByteArray("127,127,127") << black << white;
    }
    void complementAndContrast()
    {
        QFETCH(QByteArray, window);
        QFETCH(QString, complement);
        QFETCH(QString, contrast);
        QCOMPARE(runTool({writeScheme(QStringLiteral("Luma.colors"), window)}).exitCode, 0);
        for (const char *state : kStates) {
            const QByteArray css = vyrtest::readFile(cssPath(QStringLiteral("Luma"), state));
            QCOMPARE(ruleColour(css, "Complement"), complement);
            QCOMPARE(ruleColour(css, "Contrast"), contrast);
        }
    }

    void neverOverwrites()
    {
        const QString path = writeScheme(QStringLiteral("Keep.colors"));
        QCOMPARE(runTool({path}).exitCode, 0);
        // Given a hand-edited sheet and a deleted one, and a changed scheme,
        const QString edited = cssPath(QStringLiteral("Keep"), "default");
        QVERIFY(vyrtest::writeFile(edited, "hand made\n"));
        const QString removed = cssPath(QStringLiteral("Keep"), "active");
        const QByteArray before = vyrtest::readFile(removed);
        QVERIFY(QFile::remove(removed));
        const QByteArray lastBefore = vyrtest::readFile(cssPath(QStringLiteral("Keep"), "last"));
        writeScheme(QStringLiteral("Keep.colors"), "0,0,0");
        // when run again, only the missing sheet is written.
        QCOMPARE(runTool({path}).exitCode, 0);
        QCOMPARE(vyrtest::readFile(edited), QByteArray("hand made\n"));
        QCOMPARE(vyrtest::readFile(cssPath(QStringLiteral("Keep"), "last")), lastBefore);
        const QByteArray recreated = vyrtest::readFile(removed);
        QVERIFY(!recreated.isEmpty());
        QCOMPARE(ruleColour(recreated, "Background"), QStringLiteral("#000000"));
        QVERIFY(recreated != before);
    }

    void outputNamesAndPlace_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("base");
        QTest::newRow("dotted name") << QStringLiteral("My.Scheme.colors") << QStringLiteral("My.Scheme");
        QTest::newRow("relative path") << QStringLiteral("Rel.colors") << QStringLiteral("Rel");
        QTest::newRow("through dot-dot") << QStringLiteral("sub/../Up.colors") << QStringLiteral("Up");
        QTest::newRow("only first argument") << QStringLiteral("First.colors|Second.colors") << QStringLiteral("First");
    }
    void outputNamesAndPlace()
    {
        QFETCH(QString, argument);
        QFETCH(QString, base);
        QStringList args = argument.split(QLatin1Char('|'));
        for (const QString &arg : args)
            writeScheme(QFileInfo(arg).fileName());
        QDir().mkpath(schemeDir() + QStringLiteral("/sub"));
        QProcess process;
        process.setWorkingDirectory(schemeDir());
        process.start(vyrtest::programPath(QStringLiteral("vyr-colorscheme-css")), args);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        for (const char *state : kStates)
            QVERIFY2(QFileInfo::exists(cssPath(base, state)), qPrintable(cssPath(base, state)));
        // Only the first argument's sheets were written.
        QCOMPARE(QDir(schemeDir()).entryList({QStringLiteral("*.css")}, QDir::Files).size(), 5);
    }

    void refuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        const QString missing = schemeDir() + QStringLiteral("/Missing.colors");
        const QString upper = schemeDir() + QStringLiteral("/Upper.COLORS");
        const QString singular = schemeDir() + QStringLiteral("/Single.color");
        const QString directory = schemeDir() + QStringLiteral("/Folder.colors");
        QTest::newRow("no argument") << QStringList() << 1 << QByteArray("vyr-colorscheme-css: no color scheme path\n");
        QTest::newRow("upper-case suffix")
            << QStringList{upper} << 2
            << "vyr-colorscheme-css: file " + QFile::encodeName(upper) + " is not color scheme name, no .color extension\n";
        QTest::newRow("singular suffix")
            << QStringList{singular} << 2
            << "vyr-colorscheme-css: file " + QFile::encodeName(singular) + " is not color scheme name, no .color extension\n";
        QTest::newRow("missing file") << QStringList{missing} << 2
                                      << "vyr-colorscheme-css: file " + QFile::encodeName(missing) + " not exists\n";
        QTest::newRow("a directory") << QStringList{directory} << 2
                                     << "vyr-colorscheme-css: file " + QFile::encodeName(directory) + " not exists\n";
    }
    void refuses()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        // Files of those names exist, except where the row wants them missing.
        writeScheme(QStringLiteral("Upper.COLORS"));
        writeScheme(QStringLiteral("Single.color"));
        QDir().mkpath(schemeDir() + QStringLiteral("/Folder.colors"));
        const auto result = runTool(args);
        QCOMPARE(result.exitCode, status);
        QCOMPARE(result.err, message);
        QVERIFY(QDir(schemeDir()).entryList({QStringLiteral("*.css")}, QDir::Files).isEmpty());
    }

    void readOnlyDirectory()
    {
        const QString path = writeScheme(QStringLiteral("Locked.colors"));
        if (!vyrtest::canRunAsOrdinaryUser())
            QSKIP("needs root to run as an ordinary user");
        QVERIFY(::chmod(QFile::encodeName(schemeDir()).constData(), 0555) == 0);
        const auto result = vyrtest::runAsOrdinaryUser(QStringLiteral("vyr-colorscheme-css"), {path});
        ::chmod(QFile::encodeName(schemeDir()).constData(), 0755);
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.err.endsWith("vyr-colorscheme-css: can't write to the dir of color scheme "
                                     + QFile::encodeName(path) + '\n'),
                 result.err.constData());
        QCOMPARE(QDir(schemeDir()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Locked.colors")});
    }
};

VYR_TEST_MAIN(TestColorSchemeCss)
#include "test_colorscheme_css.moc"
