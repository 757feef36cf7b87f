// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fcsandbox.h"
#include "testenv.h"

#include <fontsettings.h>
#include <kxftconfig.h>

#include <QDir>
#include <QFile>
#include <QSettings>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

Q_DECLARE_METATYPE(KXftConfig::SubPixel)
Q_DECLARE_METATYPE(KXftConfig::Hint)
Q_DECLARE_METATYPE(KXftConfig::Mode)

namespace {
// What this process writes to standard error while the object lives.

const QByteArray s_emptyConfig = QByteArrayLiteral("<?xml version=\"1.0\"?>\n<fontconfig/>\n");

// An alias only fontconfig can resolve, to see that rules we do not own
// still work after a rewrite.
const QByteArray s_alias = QByteArrayLiteral(
    " <alias><family>mysans</family><prefer><family>DejaVu Serif</family></prefer></alias>\n");

QString antialiasAt(const QString &size)
{
    return fcsandbox::fcMatch(QStringLiteral("sans:") + size, QStringLiteral("antialias"));
}

QString expand(QString path)
{
    path.replace(QStringLiteral("home:"), vyrtest::home());
    path.replace(QStringLiteral("confd:"), fcsandbox::confD());
    path.replace(QStringLiteral("sys:"), vyrtest::sysroot());
    return path;
}
}

class TestKXftConfig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(fcsandbox::setUp(), "needs fonts-dejavu-core and fonts-inconsolata (scripts/install-deps.sh)");
    }
    void init()
    {
        vyrtest::resetHome();
        QDir(fcsandbox::confD()).removeRecursively();
    }

    void fileChoice_data()
    {
        QTest::addColumn<KXftConfig::Mode>("mode");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("user, no file") << KXftConfig::Mode::User << QStringList()
                                       << "home:/.config/fontconfig/fonts.conf";
        QTest::newRow("user, dot file") << KXftConfig::Mode::User << QStringList{"home:/.fonts.conf"}
                                        << "home:/.fonts.conf";
        QTest::newRow("user, both: first read wins")
            << KXftConfig::Mode::User << QStringList{"home:/.fonts.conf", "home:/.config/fontconfig/fonts.conf"}
            << "home:/.config/fontconfig/fonts.conf";
        QTest::newRow("system, conf.d") << KXftConfig::Mode::System << QStringList{"confd:/10-other.conf"}
                                        << "confd:/29-vyr-rendering.conf";
        QTest::newRow("system, nothing") << KXftConfig::Mode::System << QStringList() << "sys:/etc/fonts/local.conf";
    }
    void fileChoice()
    {
        QFETCH(KXftConfig::Mode, mode);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        for (const QString &file : existing)
            QVERIFY(vyrtest::writeFile(expand(file), s_emptyConfig));
        QCOMPARE(KXftConfig::fileFor(mode), expand(expected));
    }

    void renderingReachesFontconfig_data()
    {
        QTest::addColumn<bool>("antiAliasing");
        QTest::addColumn<KXftConfig::SubPixel>("subPixel");
        QTest::addColumn<KXftConfig::Hint>("hint");
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("reported"); // antialias, rgba, hintstyle, hinting
        QTest::newRow("Enabled + RGB + slight") << true << KXftConfig::SubPixel::Rgb << KXftConfig::Hint::Slight
                                                << "enabled-rgb-slight.conf"
                                                << QStringList{"True", "1", "1", "True"};
        QTest::newRow("Disabled, no sub-pixel, full") << false << KXftConfig::SubPixel::None << KXftConfig::Hint::Full
                                                      << "" << QStringList{"False", "5", "3", "True"};
        QTest::newRow("vertical BGR, no hinting") << true << KXftConfig::SubPixel::Vbgr << KXftConfig::Hint::None
                                                  << "" << QStringList{"True", "4", "0", "False"};
    }
    void renderingReachesFontconfig()
    {
        QFETCH(bool, antiAliasing);
        QFETCH(KXftConfig::SubPixel, subPixel);
        QFETCH(KXftConfig::Hint, hint);
        QFETCH(QString, fixture);
        QFETCH(QStringList, reported);

        FontSettings::AAOptions options;
        options.useSubPixel = subPixel != KXftConfig::SubPixel::None;
        options.subPixel = subPixel;
        options.hintStyle = hint;
        QSettings settings(vyrtest::home() + QStringLiteral("/app.conf"), QSettings::IniFormat);
        {
            KXftConfig config;
            FontSettings::storeAAOptions(options, antiAliasing, 96, config, settings);
            QVERIFY2(config.apply(), qPrintable(config.errorString()));
            QCOMPARE(config.fileName(), fcsandbox::userFile());
        }
        struct stat dir;
        QCOMPARE(::stat(QFile::encodeName(vyrtest::home() + QStringLiteral("/.config/fontconfig")).constData(), &dir),
                 0);
        QCOMPARE(dir.st_mode & 0777, 0700u);
        if (!fixture.isEmpty())
            QCOMPARE(vyrtest::readFile(fcsandbox::userFile()),
                     vyrtest::readFile(QFINDTESTDATA(QStringLiteral("data/") + fixture)));

        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("antialias")), reported.at(0));
        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("rgba")), reported.at(1));
        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("hintstyle")), reported.at(2));
        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("hinting")), reported.at(3));

        // The dialog reads back what it wrote.
        KXftConfig again;
        const FontSettings::AAOptions read = FontSettings::loadAAOptions(again);
        QCOMPARE(read.useSubPixel, options.useSubPixel);
        QCOMPARE(read.hintStyle, hint);
        if (options.useSubPixel)
            QCOMPARE(read.subPixel, subPixel);
    }

    void unrelatedRulesKept()
    {
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile(),
                                   "<?xml version=\"1.0\"?>\n"
                                   "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                                   "<fontconfig>\n"
                                   " <!-- my aliases -->\n"
                                   + s_alias
                                   + " <match target=\"font\"><edit name=\"antialias\" mode=\"assign\">"
                                     "<bool>false</bool></edit></match>\n"
                                     " <match target=\"pattern\"><test name=\"family\"><string>Odd  Name</string>"
                                     "</test><edit name=\"antialias\" mode=\"assign\"><bool>false</bool></edit>"
                                     "</match>\n"
                                     " <dir>~/myfonts</dir>\n"
                                     "</fontconfig>\n"));
        KXftConfig config;
        QCOMPARE(config.antiAliasing(), KXftConfig::Toggle::Off);
        config.setAntiAliasing(KXftConfig::Toggle::On);
        QVERIFY2(config.apply(), qPrintable(config.errorString()));

        const QByteArray saved = vyrtest::readFile(fcsandbox::userFile());
        QVERIFY(saved.contains("<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">"));
        QVERIFY(saved.contains("<!-- my aliases -->"));
        QVERIFY(saved.contains("<dir>~/myfonts</dir>"));
        QVERIFY(saved.contains("<string>Odd  Name</string>"));
        QCOMPARE(saved.count("<bool>false</bool>"), 1); // the pattern rule's
        QCOMPARE(saved.count("<bool>true</bool>"), 1);
        // Replaced where it was, ahead of the pattern rule.
        QVERIFY(saved.indexOf("<bool>true</bool>") < saved.indexOf("target=\"pattern\""));
        QCOMPARE(fcsandbox::fcFamily(QStringLiteral("mysans")), QStringLiteral("DejaVu Serif"));
        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("antialias")), QStringLiteral("True"));
    }

    void exclusionRange()
    {
        // Given a range in points ahead of where the general rule will go.
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile(),
                                   "<?xml version=\"1.0\"?>\n<fontconfig>\n <match target=\"font\">\n"
                                   "  <test qual=\"any\" name=\"size\" compare=\"more_eq\"><double>6</double></test>\n"
                                   "  <test qual=\"any\" name=\"size\" compare=\"less_eq\"><double>11</double></test>\n"
                                   "  <edit name=\"antialias\" mode=\"assign\"><bool>false</bool></edit>\n"
                                   " </match>\n</fontconfig>\n"));
        KXftConfig config;
        QCOMPARE(config.excludeRange(), (KXftConfig::Range{true, 6, 11}));
        QCOMPARE(config.excludePixelRange().enabled, false);

        // When anti-aliasing is switched on, the range still wins inside it.
        config.setAntiAliasing(KXftConfig::Toggle::On);
        QVERIFY(config.apply());
        QCOMPARE(antialiasAt(QStringLiteral("size=10")), QStringLiteral("False"));
        QCOMPARE(antialiasAt(QStringLiteral("size=14")), QStringLiteral("True"));

        config.setExcludePixelRange({true, 8, 15});
        QVERIFY(config.apply());
        QCOMPARE(antialiasAt(QStringLiteral("pixelsize=13")), QStringLiteral("False"));
        QCOMPARE(antialiasAt(QStringLiteral("pixelsize=20")), QStringLiteral("True"));

        // Switched off, both elements go.
        config.setExcludeRange({});
        config.setExcludePixelRange({});
        QVERIFY(config.apply());
        const QByteArray saved = vyrtest::readFile(fcsandbox::userFile());
        QVERIFY2(!saved.contains("<test"), saved.constData());
        QCOMPARE(antialiasAt(QStringLiteral("size=10")), QStringLiteral("True"));
        QCOMPARE(KXftConfig().excludeRange().enabled, false);
    }

    void declaration_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("head");
        const QByteArray standard =
            "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n";
        QTest::newRow("single-quoted declaration, bare type")
            << QByteArray("<?xml version = '1.0'?>\n<!DOCTYPE fontconfig>\n<fontconfig/>\n") << standard;
        QTest::newRow("neither") << QByteArray("<fontconfig></fontconfig>") << standard;
        QTest::newRow("own system identifier kept")
            << QByteArray("<?xml version='1.0'?>\n"
                          "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n<fontconfig/>")
            << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                          "<fontconfig>\n");
    }
    void declaration()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, head);
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile(), before));
        KXftConfig config;
        config.setHintStyle(KXftConfig::Hint::Full);
        QVERIFY(config.apply());
        const QByteArray saved = vyrtest::readFile(fcsandbox::userFile());
        QVERIFY2(saved.startsWith(head), saved.constData());
        QCOMPARE(saved.count("<?xml"), 1);
        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("hintstyle")), QStringLiteral("3"));
    }

    void unparsableFileUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not well-formed") << QByteArray("<fontconfig><match target=\"font\">\n");
        QTest::newRow("not fontconfig") << QByteArray("<?xml version=\"1.0\"?>\n<html><b>antialias</b></html>\n");
    }
    void unparsableFileUntouched()
    {
        QFETCH(QByteArray, content);
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile(), content));
        KXftConfig config;
        QVERIFY(config.isBroken());
        QCOMPARE(config.antiAliasing(), KXftConfig::Toggle::NotSet);
        QCOMPARE(config.subPixelType(), KXftConfig::SubPixel::NotSet);
        config.setAntiAliasing(KXftConfig::Toggle::On);
        QVERIFY(!config.apply());
        QVERIFY2(config.errorString().contains(fcsandbox::userFile()), qPrintable(config.errorString()));
        QCOMPARE(vyrtest::readFile(fcsandbox::userFile()), content);
    }

    void concurrentChangeMerged()
    {
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile(),
                                   "<?xml version=\"1.0\"?>\n<fontconfig>\n <match target=\"font\">"
                                   "<edit name=\"antialias\" mode=\"assign\"><bool>false</bool></edit></match>\n"
                                   "</fontconfig>\n"));
        KXftConfig config;
        config.setHintStyle(KXftConfig::Hint::Slight);

        // Another program rewrites the file: an alias and anti-aliasing on.
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile(),
                                   "<?xml version=\"1.0\"?>\n<fontconfig>\n" + s_alias
                                       + " <match target=\"font\"><edit name=\"antialias\" mode=\"assign\">"
                                         "<bool>true</bool></edit></match>\n</fontconfig>\n"));
        vyrtest::StderrCapture err;
        QVERIFY(config.apply());
        QCOMPARE(err.take(), QByteArray("vyr-admin-theme: font config file was rewritten since we last read!\n"));

        QCOMPARE(fcsandbox::fcFamily(QStringLiteral("mysans")), QStringLiteral("DejaVu Serif"));
        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("antialias")), QStringLiteral("True"));
        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("hintstyle")), QStringLiteral("1"));
        QCOMPARE(config.antiAliasing(), KXftConfig::Toggle::On);

        // Our own write is no outside change.
        config.setHintStyle(KXftConfig::Hint::Full);
        vyrtest::StderrCapture quiet;
        QVERIFY(config.apply());
        QCOMPARE(quiet.take(), QByteArray());
    }

    void lockedFileNotReplaced()
    {
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile(), s_emptyConfig));
        KXftConfig config;
        config.setAntiAliasing(KXftConfig::Toggle::On);
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile() + QStringLiteral(".LCK"), "another writer"));
        QVERIFY(!config.apply());
        QVERIFY(config.errorString().contains(fcsandbox::userFile()));
        QCOMPARE(vyrtest::readFile(fcsandbox::userFile()), s_emptyConfig);
        QVERIFY(config.changed());

        QVERIFY(QFile::remove(fcsandbox::userFile() + QStringLiteral(".LCK")));
        QVERIFY(config.apply());
        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("antialias")), QStringLiteral("True"));
        QCOMPARE(QDir(vyrtest::home() + QStringLiteral("/.config/fontconfig")).entryList(QDir::Files),
                 QStringList{"fonts.conf"});
    }
};

VYR_TEST_GUILESS_MAIN(TestKXftConfig)
#include "test_kxftconfig.moc"
