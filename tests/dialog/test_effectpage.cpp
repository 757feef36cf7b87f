// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "privatexserver.h"
#include "modalanswerer.h"
#include "testenv.h"
#include "wmrecorder.h"

#include <effectpage.h>
#include <themesettings.h>

#include <vyrpaths.h>
#include <vyrprocess.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>

#include <memory>

namespace {
// Every variable the page saves, so that a save sends only what a row changes.
const QByteArray s_theme = "[Variables]\nSmartPlacement=true\nDefaultPlacement=NorthWest\nOpaqueMove=true\n"
                           "OpaqueResize=true\nFullOpaque=true\nSnappingMoving=true\nSnappingResize=true\n"
                           "SnapTopMaximize=true\nRestoreSizeAfterSnap=true\nResizeAllSnap=true\n"
                           "SwitcherAllPages=true\nDnDIndicationOnDesktop=false\nStartMenuMapSpeed=0\n"
                           "ArrangeWindowSpeed=10\nGradWindowMapSpeed=15\nGradWindowMapStyle=TopToBottom\n"
                           "MenuDelayTime=300\nMenuDelayTime2=300\nGradMenuMapSpeed=0\nGradTaskbarMotionSpeed=10\n"
                           "TaskbarShowDelay=500\nTaskbarHideDelay=0\nPagingBeltSize=5\nPagingResistance=1500\n"
                           "PagingSpeed=30\nPagingShiftCursor=200\nMenuTransparency=0\nMenuTransparency2=0\n"
                           "ThumbSize=-1\nFocusShadow=-1\nCompositeManager=/usr/bin/picom\n";

const QByteArray s_picomConf = "# my compositor\nbackend = \"xrender\"; # keep this\nshadow = false;\n"
                               "corner-radius = 0; // square\nfading = true;\nanimations = false;\n"
                               "enable-transparency = false;\nvsync = false;\n"
                               "wintypes: { tooltip = { fade = true; shadow = false; }; };\n";

QString themePath()
{
    return GetVyrDir(VyrDirUserTheme) + QStringLiteral("/current.themerc");
}
QString userConf()
{
    return vyrtest::home() + QStringLiteral("/.config/picom.conf");
}

/// "title: text" of every message box @p boxes answered.
QStringList seen(const ModalAnswerer &boxes)
{
    QStringList lines;
    for (int i = 0; i < boxes.count(); ++i)
        lines << boxes.titles().at(i) + QStringLiteral(": ") + boxes.texts().at(i);
    return lines;
}

/// A real picom on the test's own X server, stopped with the object.
class Picom
{
public:
    bool start(const QByteArray &display)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        m_process.setProcessEnvironment(env);
        m_process.start(QStringLiteral("picom"),
                        {QStringLiteral("--backend"), QStringLiteral("xrender"), QStringLiteral("--config"),
                         QStringLiteral("/dev/null")});
        return m_process.waitForStarted(10000)
            && QTest::qWaitFor([] { return findInPS(QStringLiteral("/usr/bin/picom")); }, 10000);
    }
    ~Picom()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
};
}

class TestEffectPage : public QObject
{
    Q_OBJECT
    WmRecorder m_recorder;
    std::unique_ptr<PrivateXServer> m_server;

    /// The commands sent since the last call, up to a marker.
    QStringList commands() { return m_recorder.takeCommands(); }

    /// "name:checked", "name:!enabled", "name=3" (spin value or combo index).
    static QString failedState(const QWidget *page, const QString &expectation)
    {
        QString spec = expectation;
        const bool negated = spec.contains(QLatin1String(":!"));
        spec.remove(QLatin1Char('!'));
        const QString name = spec.section(QRegularExpression(QStringLiteral("[:=]")), 0, 0);
        auto *widget = page->findChild<QWidget *>(name);
        if (!widget)
            return QStringLiteral("no widget ") + name;
        bool holds = false;
        if (spec.endsWith(QLatin1String(":checked"))) {
            if (auto *box = qobject_cast<QAbstractButton *>(widget))
                holds = box->isChecked();
            else if (auto *group = qobject_cast<QGroupBox *>(widget))
                holds = group->isChecked();
        } else if (spec.endsWith(QLatin1String(":enabled"))) {
            holds = widget->isEnabledTo(const_cast<QWidget *>(page));
        } else {
            const int wanted = spec.section(QLatin1Char('='), 1).toInt();
            if (auto *spin = qobject_cast<QSpinBox *>(widget))
                return spin->value() == wanted ? QString() : expectation + QStringLiteral(" is ") + QString::number(spin->value());
            if (auto *combo = qobject_cast<QComboBox *>(widget))
                return combo->currentIndex() == wanted ? QString() : expectation + QStringLiteral(" is ") + QString::number(combo->currentIndex());
        }
        return holds != negated ? QString() : expectation + QStringLiteral(" fails");
    }

    /// "check:name", "uncheck:name", "choose:name=index".
    static void act(QWidget *page, const QString &action)
    {
        const QString verb = action.section(QLatin1Char(':'), 0, 0);
        const QString target = action.section(QLatin1Char(':'), 1);
        if (verb == QLatin1String("choose")) {
            auto *combo = page->findChild<QComboBox *>(target.section(QLatin1Char('='), 0, 0));
            const int index = target.section(QLatin1Char('='), 1).toInt();
            combo->setCurrentIndex(index);
            Q_EMIT combo->activated(index);
            return;
        }
        auto *widget = page->findChild<QWidget *>(target);
        if (auto *box = qobject_cast<QAbstractButton *>(widget))
            box->setChecked(verb == QLatin1String("check"));
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            group->setChecked(verb == QLatin1String("check"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_recorder.start());
        // picom runs on a server of its own, never on the shared display.
        m_server = std::make_unique<PrivateXServer>();
        QVERIFY(m_server->start());
        QVERIFY2(!findInPS(QStringLiteral("picom")), "a compositor already runs on this machine");
    }
    void cleanupTestCase()
    {
        m_server.reset();
        QFile::remove(ThemeSettings::masterFilePath());
    }

    void init()
    {
        vyrtest::resetHome();
        QDir(vyrtest::sysPath(QStringLiteral("/etc/xdg"))).removeRecursively();
        QFile::remove(ThemeSettings::masterFilePath());
        qunsetenv("VYR_NO_REAL_COMPOSITE");
        commands();
    }

    void page_data()
    {
        QTest::addColumn<QByteArray>("variables"); // after the base theme; later lines win
        QTest::addColumn<QByteArray>("master");
        QTest::addColumn<QByteArray>("systemConf"); // /etc/xdg/picom.conf; null: none
        QTest::addColumn<QByteArray>("conf");       // ~/.config/picom.conf; null: none
        QTest::addColumn<bool>("picomRuns");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("states"); // after load and actions
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("sent");     // by the save
        QTest::addColumn<QStringList>("stored");   // theme lines after the save
        QTest::addColumn<QByteArray>("confAfter"); // null: not compared
        const QByteArray none;
        const QString attention = QStringLiteral("Attention: ");

        QTest::newRow("unknown map style shows None, saves Normal")
            << QByteArray("GradWindowMapStyle=Sparkle\nUseComposite=false\n") << none << none << s_picomConf << false
            << QStringList{} << QStringList{"mapStyleCombo=0", "mapSpeedSpin:!enabled", "mapSpeedSpin=15"}
            << QStringList{} << QStringList{"VYRWM_UPDATE_VAL GradWindowMapStyle Normal"}
            << QStringList{"GradWindowMapStyle=Normal"} << s_picomConf;
        QTest::newRow("choosing None stops the map animation, another style sets 15")
            << QByteArray("UseComposite=false\n") << none << none << s_picomConf << false
            << QStringList{"choose:mapStyleCombo=0"} << QStringList{"mapSpeedSpin=0", "mapSpeedSpin:!enabled"}
            << QStringList{}
            << QStringList{"VYRWM_UPDATE_VAL GradWindowMapSpeed 0", "VYRWM_UPDATE_VAL GradWindowMapStyle Normal"}
            << QStringList{} << none;
        QTest::newRow("belt 0: autopaging off, switching it on sets 2")
            << QByteArray("PagingBeltSize=0\nPagingSpeed=40\nUseComposite=false\n") << none << none << s_picomConf
            << false << QStringList{} << QStringList{"autopagingGroup:!checked", "beltSizeSpin:!enabled",
                                                    "resistanceSpin:!enabled", "shiftCursorSpin:!enabled",
                                                    "pagingSpeedSpin:!enabled", "pagingSpeedSpin=40"}
            << QStringList{} << QStringList{} << QStringList{"PagingBeltSize=0"} << none;
        QTest::newRow("autopaging switched on")
            << QByteArray("PagingBeltSize=0\nUseComposite=false\n") << none << none << s_picomConf << false
            << QStringList{"check:autopagingGroup"}
            << QStringList{"beltSizeSpin=2", "beltSizeSpin:enabled", "pagingSpeedSpin:enabled"} << QStringList{}
            << QStringList{"VYRWM_UPDATE_VAL PagingBeltSize 2"} << QStringList{"PagingBeltSize=2"} << none;
        QTest::newRow("opaque move off: no snapping, no compositing")
            << QByteArray("UseComposite=false\n") << none << none << s_picomConf << false
            << QStringList{"uncheck:opaqueMoveBox"}
            << QStringList{"snapMoveBox:!checked", "snapMoveBox:!enabled", "compositorGroup:!checked",
                           "compositorGroup:!enabled", "snapResizeBox:checked", "snapResizeBox:enabled"}
            << QStringList{}
            << QStringList{"VYRWM_UPDATE_VAL OpaqueMove false", "VYRWM_UPDATE_VAL SnappingMoving false",
                           "VYRWM_UPDATE_VAL UseComposite false"}
            << QStringList{"SnappingMoving=false", "UseComposite=false"} << s_picomConf;
        QTest::newRow("first use copies the system file")
            << QByteArray("UseComposite=false\n") << none << QByteArray("# system\nshadow = true;\nvsync = true;\n")
            << none << false << QStringList{}
            << QStringList{"shadowBox:checked", "vsyncBox:checked", "fadingBox:!checked", "compositorGroup:enabled"}
            << QStringList{} << QStringList{} << QStringList{} << none;
        QTest::newRow("first use without a system file: empty file, all off")
            << QByteArray("UseComposite=false\n") << none << none << none << false << QStringList{}
            << QStringList{"shadowBox:!checked", "vsyncBox:!checked", "fadingBox:!checked", "animationsBox:!checked",
                           "roundCornersBox:!checked", "transparencyBox:!checked"}
            << QStringList{} << QStringList{} << QStringList{}
            << QByteArray("enable-transparency = false;\nvsync = false;\nshadow = false;\ncorner-radius = 0;\n"
                          "fading = false;\nanimations = false;\n");
        QTest::newRow("compositor on: changed options restart it")
            << QByteArray("UseComposite=true\n") << none << none << s_picomConf << true
            << QStringList{"check:shadowBox", "check:roundCornersBox", "check:animationsBox"}
            << QStringList{"compositorGroup:checked", "opaqueMoveBox:!enabled", "opaqueResizeBox:!enabled",
                           "animationGroup:!enabled", "fadingBox:!checked", "focusShadowBox:enabled"}
            << QStringList{} << QStringList{"VYRWM_UPDATE_VAL UseComposite false", "VYRWM_UPDATE_VAL UseComposite true"}
            << QStringList{"UseComposite=true"}
            << QByteArray("# my compositor\nbackend = \"xrender\"; # keep this\nshadow = true;\n"
                          "corner-radius = 7; // square\nfading = false;\nanimations = true;\n"
                          "enable-transparency = false;\nvsync = false;\n"
                          "wintypes: { tooltip = { fade = true; shadow = false; }; };\n");
        QTest::newRow("compositor on, options unchanged: no restart")
            << QByteArray("UseComposite=true\n") << none << none << s_picomConf << true << QStringList{}
            << QStringList{"compositorGroup:checked", "fadingBox:checked", "focusShadowBox:!enabled"} << QStringList{}
            << QStringList{} << QStringList{} << s_picomConf;
        QTest::newRow("manager not in PATH")
            << QByteArray("UseComposite=true\nCompositeManager=vyr-no-such-compositor\n") << none << none
            << s_picomConf << false << QStringList{}
            << QStringList{"compositorGroup:!checked", "compositorGroup:!enabled"}
            << QStringList{attention + "Can't find composite manager vyr-no-such-compositor."}
            << QStringList{"VYRWM_UPDATE_VAL UseComposite false"} << QStringList{"UseComposite=false"}
            << s_picomConf;
        QTest::newRow("compositor started outside")
            << QByteArray("UseComposite=false\n") << none << none << s_picomConf << true << QStringList{}
            << QStringList{"compositorGroup:checked", "compositorGroup:enabled"}
            << QStringList{attention + "Composite manager started manually or from autostart.\n"
                                       "We don't recommend manage it here in that case."}
            << QStringList{} << QStringList{"UseComposite=true"} << s_picomConf;
        QTest::newRow("compositing on but nothing runs")
            << QByteArray("UseComposite=true\n") << none << none << s_picomConf << false << QStringList{}
            << QStringList{"compositorGroup:!checked", "compositorGroup:enabled", "animationGroup:enabled"}
            << QStringList{attention + "Compositing is enabed, but composite manager isn't started now.\n"
                                       "Exit and enter in session again to start compositor with vyr."}
            << QStringList{} << QStringList{"UseComposite=false"} << s_picomConf;
        QTest::newRow("unreadable compositor file is left alone")
            << QByteArray("UseComposite=false\n") << none << none << QByteArray("shadow = = 1;\n") << false
            << QStringList{"check:shadowBox"} << QStringList{}
            << QStringList{attention + "Can't read from file " + userConf(), attention + "Can't read from file " + userConf()}
            << QStringList{} << QStringList{} << QByteArray("shadow = = 1;\n");
        QTest::newRow("locked SnappingMoving disables only its box")
            << QByteArray("UseComposite=false\n") << QByteArray("[Variables]\nSnappingMoving=false\n") << none
            << s_picomConf << false << QStringList{}
            << QStringList{"snapMoveBox:!enabled", "snapMoveBox:!checked", "snapResizeBox:enabled",
                           "mapStyleCombo:enabled", "opaqueMoveBox:enabled", "compositorGroup:enabled"}
            << QStringList{} << QStringList{} << QStringList{"SnappingMoving=true"} << none;
        QTest::newRow("locked GradWindowMapStyle disables only its combo")
            << QByteArray("UseComposite=false\n") << QByteArray("[Variables]\nGradWindowMapStyle=LeftToRight\n")
            << none << s_picomConf << false << QStringList{}
            << QStringList{"mapStyleCombo:!enabled", "mapStyleCombo=2", "mapSpeedSpin:enabled", "snapMoveBox:enabled",
                           "placementCombo:enabled"}
            << QStringList{} << QStringList{} << QStringList{"GradWindowMapStyle=TopToBottom"} << none;
        QTest::newRow("locked compositing: the group saves nothing")
            << QByteArray("UseComposite=true\nFocusShadow=-1\n") << QByteArray("[Variables]\nUseComposite=false\n")
            << none << s_picomConf << false << QStringList{"check:focusShadowBox"}
            << QStringList{"compositorGroup:!enabled", "compositorGroup:!checked"} << QStringList{}
            << QStringList{} << QStringList{"UseComposite=true", "FocusShadow=-1"} << s_picomConf;
    }
    void page()
    {
        QFETCH(QByteArray, variables);
        QFETCH(QByteArray, master);
        QFETCH(QByteArray, systemConf);
        QFETCH(QByteArray, conf);
        QFETCH(bool, picomRuns);
        QFETCH(QStringList, actions);
        QFETCH(QStringList, states);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, sent);
        QFETCH(QStringList, stored);
        QFETCH(QByteArray, confAfter);

        QVERIFY(vyrtest::writeFile(themePath(), s_theme + variables));
        if (!master.isEmpty())
            QVERIFY(vyrtest::writeFile(ThemeSettings::masterFilePath(), master));
        if (!systemConf.isNull())
            QVERIFY(vyrtest::writeFile(vyrtest::sysPath(QStringLiteral("/etc/xdg/picom.conf")), systemConf));
        if (!conf.isNull())
            QVERIFY(vyrtest::writeFile(userConf(), conf));
        Picom picom;
        if (picomRuns)
            QVERIFY(picom.start(m_server->display()));

        ModalAnswerer boxes(QMessageBox::Escape);
        ThemeSettings settings(themePath());
        EffectPage page(&settings, nullptr);
        page.load();
        QCOMPARE(commands(), QStringList());
        for (const QString &action : qAsConst(actions))
            act(&page, action);
        for (const QString &state : qAsConst(states))
            QVERIFY2(failedState(&page, state).isEmpty(), qPrintable(failedState(&page, state)));

        page.save();
        QCOMPARE(seen(boxes), messages);
        QCOMPARE(commands(), sent);
        const QByteArray theme = vyrtest::readFile(themePath());
        for (const QString &line : qAsConst(stored))
            QVERIFY2(theme.contains('\n' + line.toUtf8() + '\n'), theme.constData());
        if (!confAfter.isNull())
            QCOMPARE(vyrtest::readFile(userConf()), confAfter);
    }

    void noRealCompositeSwitchesTheGroupOff()
    {
        QVERIFY(vyrtest::writeFile(themePath(), s_theme + "UseComposite=true\n"));
        QVERIFY(vyrtest::writeFile(userConf(), "shadow = true;\nfading = true;\n"));
        Picom picom;
        QVERIFY(picom.start(m_server->display()));
        qputenv("VYR_NO_REAL_COMPOSITE", "1");
        ModalAnswerer boxes(QMessageBox::Escape);
        ThemeSettings settings(themePath());
        EffectPage page(&settings, nullptr);
        page.load();
        qunsetenv("VYR_NO_REAL_COMPOSITE");
        for (const QString &state : {QStringLiteral("compositorGroup:!checked"),
                                     QStringLiteral("compositorGroup:!enabled"),
                                     QStringLiteral("opaqueMoveBox:enabled"), QStringLiteral("animationGroup:enabled")})
            QVERIFY2(failedState(&page, state).isEmpty(), qPrintable(state));
        QCOMPARE(seen(boxes), QStringList());
        // Re-checking opaque moving does not bring the group back.
        act(&page, QStringLiteral("uncheck:opaqueMoveBox"));
        act(&page, QStringLiteral("check:opaqueMoveBox"));
        QVERIFY(!page.findChild<QGroupBox *>(QStringLiteral("compositorGroup"))->isEnabledTo(&page));
        QVERIFY(vyrtest::readFile(themePath()).contains("\nUseComposite=false\n"));
    }

    void writtenFileIsAcceptedByPicom()
    {
        QVERIFY(vyrtest::writeFile(themePath(), s_theme + "UseComposite=false\n"));
        QVERIFY(vyrtest::writeFile(userConf(), s_picomConf));
        ModalAnswerer boxes(QMessageBox::Escape);
        ThemeSettings settings(themePath());
        EffectPage page(&settings, nullptr);
        page.load();
        // Not vsync: Xvfb offers picom no vsync method, whatever the file says.
        for (const char *action : {"check:shadowBox", "check:roundCornersBox", "check:animationsBox",
                                   "check:transparencyBox"})
            act(&page, QString::fromLatin1(action));
        page.save();
        QCOMPARE(seen(boxes), QStringList());
        QProcess picom;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(m_server->display()));
        picom.setProcessEnvironment(env);
        picom.start(QStringLiteral("picom"), {QStringLiteral("--config"), userConf(), QStringLiteral("--diagnostics"),
                                              QStringLiteral("--backend"), QStringLiteral("xrender")});
        QVERIFY(picom.waitForFinished(30000));
        const QByteArray out = picom.readAllStandardOutput();
        const QByteArray err = picom.readAllStandardError();
        QVERIFY2(picom.exitCode() == 0, err.constData());
        QVERIFY2(out.contains("Config file used: " + userConf().toUtf8()), out.constData());
        QVERIFY2(!err.contains("ERROR"), err.constData());
    }

    void secondLoadConnectsOnce()
    {
        QVERIFY(vyrtest::writeFile(themePath(), s_theme + "UseComposite=false\n"));
        QVERIFY(vyrtest::writeFile(userConf(), s_picomConf));
        ThemeSettings settings(themePath());
        EffectPage page(&settings, nullptr);
        page.load();
        page.load();
        QSignalSpy changed(&page, qOverload<bool>(&KCModule::changed));
        auto *spin = page.findChild<QSpinBox *>(QStringLiteral("menuDelaySpin"));
        spin->setValue(400);
        QCOMPARE(changed.count(), 1);
    }
};

VYR_TEST_MAIN(TestEffectPage)
#include "test_effectpage.moc"
