// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <vyrkeyserver.h>

#include <QKeySequence>

class TestKeyServer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void toX_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("x");
        QTest::newRow("letter") << int(Qt::CTRL | Qt::ALT | Qt::Key_T) << QStringLiteral("Ctrl+Alt+t");
        QTest::newRow("shifted letter") << int(Qt::SHIFT | Qt::Key_A) << QStringLiteral("Shift+a");
        QTest::newRow("modifier order") << int(Qt::META | Qt::SHIFT | Qt::ALT | Qt::CTRL | Qt::Key_1)
                                        << QStringLiteral("Ctrl+Alt+Shift+Super+1");
        QTest::newRow("function key") << int(Qt::Key_F12) << QStringLiteral("F12");
        QTest::newRow("F35") << int(Qt::Key_F35) << QStringLiteral("F35");
        QTest::newRow("plus") << int(Qt::CTRL | Qt::Key_Plus) << QStringLiteral("Ctrl+plus");
        QTest::newRow("page up") << int(Qt::Key_PageUp) << QStringLiteral("Prior");
        QTest::newRow("keypad digit") << int(Qt::KeypadModifier | Qt::Key_5) << QStringLiteral("KP_5");
        QTest::newRow("keypad enter") << int(Qt::KeypadModifier | Qt::Key_Enter) << QStringLiteral("KP_Enter");
        QTest::newRow("enter without keypad flag") << int(Qt::Key_Enter) << QStringLiteral("KP_Enter");
        QTest::newRow("volume") << int(Qt::Key_VolumeUp) << QStringLiteral("XF86AudioRaiseVolume");
        QTest::newRow("calculator") << int(Qt::Key_Calculator) << QStringLiteral("XF86Calculator");
        QTest::newRow("Qt's calculator key") << int(Qt::Key_Launch1) << QStringLiteral("XF86Calculator");
        QTest::newRow("latin-1 letter") << int(Qt::ALT | Qt::Key_Adiaeresis) << QStringLiteral("Alt+adiaeresis");
        QTest::newRow("cyrillic") << int(Qt::CTRL | 0x424) << QStringLiteral("Ctrl+U0444");
        QTest::newRow("beyond the first plane") << int(0x1F600) << QStringLiteral("U01F600");
        QTest::newRow("unknown") << int(Qt::Key_unknown) << QString();
        QTest::newRow("nothing") << 0 << QString();
    }
    void toX()
    {
        QFETCH(int, code);
        QFETCH(QString, x);
        QCOMPARE(VyrKeyServer::KeyQtToKeyStringX(code), x);
    }

    void toQt_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("qt");
        QTest::newRow("letter") << QStringLiteral("Ctrl+Alt+t") << QStringLiteral("Ctrl+Alt+T");
        QTest::newRow("upper-case letter") << QStringLiteral("Ctrl+Alt+T") << QStringLiteral("Ctrl+Alt+T");
        QTest::newRow("aliases") << QStringLiteral("control+mod1+l") << QStringLiteral("Ctrl+Alt+L");
        QTest::newRow("super") << QStringLiteral("Super+l") << QStringLiteral("Meta+L");
        QTest::newRow("calculator") << QStringLiteral("XF86Calculator") << QStringLiteral("Calculator");
        QTest::newRow("keypad") << QStringLiteral("Ctrl+KP_Add") << QStringLiteral("Ctrl+Num++");
        QTest::newRow("Qt name of a key") << QStringLiteral("Ctrl+Alt+Del") << QStringLiteral("Ctrl+Alt+Del");
        QTest::newRow("Qt name of the keypad's Enter")
            << QStringLiteral("Ctrl+Enter") << QStringLiteral("Ctrl+Num+Enter");
        QTest::newRow("plus as character") << QStringLiteral("Ctrl++") << QStringLiteral("Ctrl++");
        QTest::newRow("unknown key") << QStringLiteral("Ctrl+Alt+Foo") << QString();
        QTest::newRow("unknown modifier") << QStringLiteral("Hyper7+a") << QString();
        QTest::newRow("empty") << QString() << QString();
        // Qt reads a code out of this, but no keysym names it.
        QTest::newRow("control characters") << QString::fromUtf8("No\0\0\0\x02ne|F12", 12) << QString();
        QTest::newRow("dangling plus") << QStringLiteral("Ctrl+") << QString();
        QTest::newRow("long garbage") << QString(5000, QLatin1Char('x')) << QString();
    }
    void toQt()
    {
        QFETCH(QString, x);
        QFETCH(QString, qt);
        QCOMPARE(VyrKeyServer::KeyStringXToQt(x), qt);
    }

    // Every key a user can press goes to the file and comes back the same.
    void roundTrip()
    {
        QVector<int> keys;
        // Qt names letter keys by their upper case.
        const auto isQtKey = [](int k) { return !QChar(k).isLower() || QChar(k).toUpper().unicode() > 0xff || QChar(k).toUpper() == QChar(k); };
        for (int k = Qt::Key_Space; k <= 0xff; ++k) {
            if ((k < 0x7f || k >= 0xa0) && isQtKey(k))
                keys << k;
        }
        keys << 0x424 << 0x3a9 << 0x5d0 << 0x20ac;
        // Letters whose upper case (S, I, Σ) lowers to another letter, and
        // upper-case ones (ϴ, the Kelvin sign, İ) whose lower case uppers
        // to another, and Ÿ, whose lower case ÿ Qt keeps as its own key.
        keys << 0x17f << 0x131 << 0x3c2 << 0x3f4 << 0x212a << 0x130 << 0x178;
        for (int k = Qt::Key_F1; k <= Qt::Key_F35; ++k)
            keys << k;
        const int specials[] = {
            Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Insert,
            Qt::Key_Delete, Qt::Key_Pause, Qt::Key_Print, Qt::Key_SysReq, Qt::Key_Home, Qt::Key_End, Qt::Key_Left,
            Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_CapsLock,
            Qt::Key_NumLock, Qt::Key_ScrollLock, Qt::Key_Menu, Qt::Key_Help, Qt::Key_Super_L, Qt::Key_Super_R,
            Qt::Key_Back, Qt::Key_Forward, Qt::Key_Stop, Qt::Key_Refresh, Qt::Key_VolumeDown, Qt::Key_VolumeMute,
            Qt::Key_VolumeUp, Qt::Key_MediaPlay, Qt::Key_MediaStop, Qt::Key_MediaPrevious, Qt::Key_MediaNext,
            Qt::Key_MediaRecord, Qt::Key_MediaPause, Qt::Key_HomePage, Qt::Key_Favorites, Qt::Key_Search,
            Qt::Key_Standby, Qt::Key_OpenUrl, Qt::Key_LaunchMail, Qt::Key_LaunchMedia, Qt::Key_Launch0,
            Qt::Key_Calculator, Qt::Key_MonBrightnessUp, Qt::Key_MonBrightnessDown, Qt::Key_PowerOff,
            Qt::Key_Sleep, Qt::Key_ScreenSaver, Qt::Key_Eject, Qt::Key_Display, Qt::Key_Explorer, Qt::Key_WWW,
            Qt::Key_MicMute, Qt::Key_TouchpadToggle, Qt::Key_Suspend, Qt::Key_Hibernate, Qt::Key_WLAN,
            Qt::Key_Bluetooth, Qt::Key_Launch2, Qt::Key_LaunchH, Qt::Key_ZoomIn, Qt::Key_Terminal,
        };
        for (int k : specials)
            keys << k;
        const int modifierSets[] = {0, Qt::CTRL, Qt::ALT | Qt::CTRL, Qt::SHIFT | Qt::META, Qt::META,
                                    Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::META};
        int checked = 0;
        for (int modifiers : modifierSets) {
            for (int key : qAsConst(keys)) {
                const int code = modifiers | key;
                const QString x = VyrKeyServer::KeyQtToKeyStringX(code);
                QVERIFY2(!x.isEmpty(), qPrintable(QKeySequence(code).toString()));
                QCOMPARE(VyrKeyServer::KeyStringXToCode(x), code);
                QCOMPARE(VyrKeyServer::KeyStringXToQt(x), QKeySequence(code).toString(QKeySequence::PortableText));
                ++checked;
            }
        }
        // The keypad.
        const int keypad[] = {Qt::Key_0, Qt::Key_5, Qt::Key_9, Qt::Key_Asterisk, Qt::Key_Plus, Qt::Key_Minus,
                              Qt::Key_Period, Qt::Key_Slash, Qt::Key_Enter, Qt::Key_Equal, Qt::Key_Home,
                              Qt::Key_PageDown, Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Clear, Qt::Key_Comma};
        for (int modifiers : modifierSets) {
            for (int key : keypad) {
                const int code = modifiers | Qt::KeypadModifier | key;
                const QString x = VyrKeyServer::KeyQtToKeyStringX(code);
                QVERIFY2(x.contains(QLatin1String("KP_")), qPrintable(x));
                QCOMPARE(VyrKeyServer::KeyStringXToCode(x), code);
                ++checked;
            }
        }
        QVERIFY(checked > 1500);
    }
};

VYR_TEST_GUILESS_MAIN(TestKeyServer)
#include "test_keyserver.moc"
