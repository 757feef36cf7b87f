// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <vyrqtconfigwidget.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleFactory>

class TestQtConfig : public QObject
{
    Q_OBJECT
private:
    QString confPath() const { return vyrtest::home() + QStringLiteral("/.config/Trolltech.conf"); }

private Q_SLOTS:
    void init() { vyrtest::resetHome(); }

    void defaultPathFollowsXdg() { QCOMPARE(VyrQtSettings::defaultPath(), confPath()); }

    void read_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QStringList>("effects");
        QTest::addColumn<int>("doubleClick");
        QTest::addColumn<int>("cursorFlash");
        QTest::addColumn<int>("wheelLines");
        const QStringList general{QStringLiteral("general")};
        QTest::newRow("missing file: defaults") << QByteArray() << QString() << general << 400 << 1000 << 3;
        QTest::newRow("no Qt group: defaults") << QByteArray("[Other]\nstyle=x\n") << QString() << general << 400 << 1000
                                               << 3;
        QTest::newRow("all values") << QByteArray("[Qt]\nstyle=Fusion\nGUIEffects=general, fademenu, animatecombo\n"
                                                  "doubleClickInterval=250\ncursorFlashTime=0\nwheelScrollLines=7\n")
                                    << QStringLiteral("Fusion")
                                    << QStringList{QStringLiteral("general"), QStringLiteral("fademenu"),
                                                   QStringLiteral("animatecombo")}
                                    << 250 << 0 << 7;
        QTest::newRow("effects none") << QByteArray("[Qt]\nGUIEffects=none\n") << QString() << QStringList() << 400
                                      << 1000 << 3;
        QTest::newRow("quoted values, odd case") << QByteArray("[Qt]\nstyle=\"Windows\"\nGUIEffects=General,FadeToolTip\n")
                                                 << QStringLiteral("Windows")
                                                 << QStringList{QStringLiteral("general"), QStringLiteral("fadetooltip")}
                                                 << 400 << 1000 << 3;
        QTest::newRow("garbage numbers: defaults")
            << QByteArray("[Qt]\ndoubleClickInterval=fast\ncursorFlashTime=-5\nwheelScrollLines=100000\n") << QString()
            << general << 400 << 1000 << 3;
        QTest::newRow("unknown effect words dropped") << QByteArray("[Qt]\nGUIEffects=general, sparkle, general\n")
                                                      << QString() << general << 400 << 1000 << 3;
        QTest::newRow("binary junk") << QByteArray("\x01\x02[Qt\n=\xff\xfe\n", 10) << QString() << general << 400
                                     << 1000 << 3;
    }
    void read()
    {
        QFETCH(QByteArray, file);
        if (!file.isNull())
            QVERIFY(vyrtest::writeFile(confPath(), file));
        VyrQtSettings values;
        QVERIFY(values.read(confPath()));
        QTEST(values.style, "style");
        QTEST(values.guiEffects, "effects");
        QTEST(values.doubleClickInterval, "doubleClick");
        QTEST(values.cursorFlashTime, "cursorFlash");
        QTEST(values.wheelScrollLines, "wheelLines");
    }

    void writeKeepsTheRestOfTheFile()
    {
        // The Theme page writes the palette into the same group.
        const QByteArray before = "# kept comment\n[General]\nfoo=bar\n\n[Qt]\nPalette\\active=#000000, #ffffff\n"
                                  "style=Windows\nfont=\"Sans,10\"\n";
        QVERIFY(vyrtest::writeFile(confPath(), before));
        VyrQtSettings values;
        QVERIFY(values.read(confPath()));
        values.style.clear();
        values.guiEffects = QStringList{QStringLiteral("general"), QStringLiteral("animatemenu")};
        values.wheelScrollLines = 5;
        QVERIFY(values.write(confPath()));
        const QByteArray after = vyrtest::readFile(confPath());
        QVERIFY(after.contains("# kept comment"));
        QVERIFY(after.contains("foo=bar"));
        QVERIFY(after.contains("Palette\\active=#000000, #ffffff"));
        QVERIFY(after.contains("font=\"Sans,10\""));
        QVERIFY2(!after.contains("style="), after.constData());
        QVERIFY(after.contains("GUIEffects=general, animatemenu\n"));
        QVERIFY(after.contains("wheelScrollLines=5\n"));
        VyrQtSettings again;
        QVERIFY(again.read(confPath()));
        QCOMPARE(again, values);

        values.guiEffects.clear();
        QVERIFY(values.write(confPath()));
        QVERIFY(vyrtest::readFile(confPath()).contains("GUIEffects=none\n"));
    }

    void writeFailureLeavesTheFile()
    {
        const QByteArray before = "[Qt]\nstyle=Windows\n";
        QVERIFY(vyrtest::writeFile(confPath(), before));
        const QString dir = vyrtest::home() + QStringLiteral("/.config");
        QFile(dir).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                  | QFileDevice::ExeOther);
        {
            vyrtest::AsOrdinaryUser user;
            VyrQtSettings values;
            values.style = QStringLiteral("Fusion");
            QString error;
            QVERIFY(!values.write(confPath(), &error));
            QVERIFY(!error.isEmpty());
        }
        QFile(dir).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(vyrtest::readFile(confPath()), before);
    }

    void widgetShowsTheFileAndSignalsEveryEdit()
    {
        QVERIFY(vyrtest::writeFile(confPath(), "[Qt]\nstyle=NoSuchStyle\nGUIEffects=general, fademenu\n"
                                               "doubleClickInterval=300\n"));
        VyrQtConfigWidget widget;
        QCOMPARE(widget.configPath(), confPath());
        auto *style = widget.findChild<QComboBox *>(QStringLiteral("style"));
        QVERIFY(style);
        // Every installed style is offered, and a style that is not installed is kept.
        for (const QString &key : QStyleFactory::keys())
            QVERIFY(style->findData(key) >= 0);
        QCOMPARE(style->currentData().toString(), QStringLiteral("NoSuchStyle"));
        QCOMPARE(widget.findChild<QSpinBox *>(QStringLiteral("doubleClickInterval"))->value(), 300);
        QVERIFY(widget.findChild<QCheckBox *>(QStringLiteral("fademenu"))->isChecked());
        QVERIFY(!widget.findChild<QCheckBox *>(QStringLiteral("animatemenu"))->isChecked());

        QSignalSpy changed(&widget, &VyrQtConfigWidget::changed);
        widget.load();
        QCOMPARE(changed.count(), 0);

        style->setCurrentIndex(0);
        QCOMPARE(changed.count(), 1);
        QTest::keyClick(widget.findChild<QSpinBox *>(QStringLiteral("wheelScrollLines")), Qt::Key_Up);
        QCOMPARE(changed.count(), 2);
        widget.findChild<QSpinBox *>(QStringLiteral("cursorFlashTime"))->setValue(0);
        QCOMPARE(changed.count(), 3);
        widget.findChild<QCheckBox *>(QStringLiteral("animatetooltip"))->setChecked(true);
        QCOMPARE(changed.count(), 4);
        widget.findChild<QGroupBox *>(QStringLiteral("general"))->setChecked(false);
        QCOMPARE(changed.count(), 5);

        // Nothing reaches the file before save.
        QVERIFY(vyrtest::readFile(confPath()).contains("style=NoSuchStyle"));
        QVERIFY(widget.save());
        VyrQtSettings saved;
        QVERIFY(saved.read(confPath()));
        QCOMPARE(saved.style, QString());
        QCOMPARE(saved.guiEffects, QStringList());
        QCOMPARE(saved.wheelScrollLines, 4);
        QCOMPARE(saved.cursorFlashTime, 0);
        QCOMPARE(saved.doubleClickInterval, 300);
    }
};

VYR_TEST_MAIN(TestQtConfig)
#include "test_qtconfig.moc"
