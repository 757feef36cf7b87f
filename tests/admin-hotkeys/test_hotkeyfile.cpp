// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "testenv.h"

#include <hotkeyfile.h>
#include <hotkeyfunctions.h>
#include <vyrinidocument.h>
#include <vyrkeyserver.h>

#include <QDir>
#include <QFile>

namespace {

using Entry = QPair<QByteArray, QByteArray>;

QList<Entry> entriesOf(const QByteArray &data)
{
    VyrIniDocument doc(VyrIniDocument::CaseInsensitive);
    doc.loadData(data);
    return doc.entries(shortCutKeysSection);
}

QList<Entry> sorted(QList<Entry> list)
{
    std::sort(list.begin(), list.end());
    return list;
}

const HotkeyRow *findRow(const HotkeyBindings &b, const QString &function, int nth = 0)
{
    for (const HotkeyRowGroup &g : b.groups) {
        for (const HotkeyRow &row : g.rows) {
            if (row.function == function && nth-- == 0)
                return &row;
        }
    }
    return nullptr;
}

int rowCount(const HotkeyBindings &b, const QString &function)
{
    int n = 0;
    for (const HotkeyRowGroup &g : b.groups) {
        for (const HotkeyRow &row : g.rows)
            n += row.function == function;
    }
    return n;
}

QString path(const QString &name)
{
    return vyrtest::home() + QLatin1Char('/') + name;
}

} // namespace

class TestHotkeyFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        vyrtest::resetHome();
    }

    // The whole table, group by group and row by row, as the editor shows it.
    void functionTable()
    {
        const QString fixture = QFINDTESTDATA("../data/hotkeys/functions.tsv");
        QVERIFY(!fixture.isEmpty());
        QStringList expected;
        for (const QByteArray &line : vyrtest::readFile(fixture).split('\n')) {
            if (!line.isEmpty() && !line.startsWith('#'))
                expected << QString::fromUtf8(line);
        }
        QCOMPARE(expected.size(), 153);

        QStringList table;
        for (const auto &group : hotkeyFunctionTable()) {
            for (const auto &f : group.functions)
                table << QStringLiteral("%1\t%2\t%3").arg(QLatin1String(group.title), QLatin1String(f.id),
                                                         QLatin1String(f.description));
        }
        QCOMPARE(table, expected);

        const HotkeyBindings empty;
        QStringList rows;
        for (int g = 0; g < empty.commandGroupIndex(); ++g) {
            for (const HotkeyRow &row : empty.groups[g].rows) {
                rows << empty.groups[g].title + QLatin1Char('\t') + row.function + QLatin1Char('\t') + row.action;
                QVERIFY(row.key.isEmpty());
                QCOMPARE(row.source, HotkeySource::None);
            }
        }
        QCOMPARE(rows, expected);
        QCOMPARE(empty.groups.size(), 13);
        QCOMPARE(empty.groups.last().title, QStringLiteral("Command Keybindings"));
        QVERIFY(empty.groups.last().rows.isEmpty());
    }

    void keyFileToText_data()
    {
        QTest::addColumn<QString>("fileKey");
        QTest::addColumn<QString>("text");
        QTest::newRow("modifiers and letter") << "Ctrl|Alt|t" << "Ctrl+Alt+T";
        QTest::newRow("quoted") << "\"Ctrl|Alt|t\"" << "Ctrl+Alt+T";
        QTest::newRow("function key") << "None|F12" << "F12";
        QTest::newRow("single letter") << "None|a" << "A";
        QTest::newRow("placeholder") << "None0" << "";
        QTest::newRow("placeholder of two digits") << "None12" << "";
        QTest::newRow("calculator") << "None|XF86Calculator" << "Calculator";
        QTest::newRow("unknown key keeps its text") << "Ctrl|Alt|Foo" << "Ctrl+Alt+Foo";
        QTest::newRow("super") << "Super|l" << "Meta+L";
        QTest::newRow("keypad") << "None|KP_Enter" << "Num+Enter";
        QTest::newRow("media") << "None|XF86AudioMute" << "Volume Mute";
        QTest::newRow("Qt spelling") << "Ctrl|Alt|T" << "Ctrl+Alt+T";
    }
    void keyFileToText()
    {
        QFETCH(QString, fileKey);
        QFETCH(QString, text);
        QCOMPARE(::keyFileToText(fileKey), text);
    }

    void keyStringToFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fileKey");
        QTest::newRow("single letter is lower-cased") << "A" << "None|a";
        QTest::newRow("function key") << "F12" << "None|F12";
        QTest::newRow("ctrl alt letter") << "Ctrl+Alt+T" << "Ctrl|Alt|t";
        QTest::newRow("unknown key from its own text") << "Ctrl+Alt+Foo" << "Ctrl|Alt|Foo";
        QTest::newRow("unknown single key") << "Foo" << "None|Foo";
        QTest::newRow("calculator") << "Calculator" << "None|XF86Calculator";
        QTest::newRow("meta is super") << "Meta+Shift+Left" << "Shift|Super|Left";
        QTest::newRow("plus key") << "Ctrl++" << "Ctrl|plus";
        QTest::newRow("keypad") << "Num+5" << "None|KP_5";
        QTest::newRow("media") << "Volume Up" << "None|XF86AudioRaiseVolume";
    }
    void keyStringToFile()
    {
        QFETCH(QString, text);
        QFETCH(QString, fileKey);
        QCOMPARE(::keyStringToFile(text), fileKey);
    }

    void userAndSystemRows()
    {
        // Given the same function bound in both files
        QVERIFY(vyrtest::writeFile(path("user"), "[ShortCutKeys]\nCtrl|Alt|l=VYRWM_LOCK\nNone|F5=\"xterm\"\n"));
        QVERIFY(vyrtest::writeFile(path("system"), "[ShortCutKeys]\nSuper|l=VYRWM_LOCK\nNone|F6=\"xclock\"\n"));
        HotkeyBindings b;
        QVERIFY(b.load(path("user"), path("system")));
        // Then the user's row comes first, the system's right after it
        QCOMPARE(rowCount(b, "VYRWM_LOCK"), 2);
        const HotkeyRowGroup &wm = b.groups[11];
        int at = -1;
        for (int i = 0; i < wm.rows.size(); ++i) {
            if (wm.rows[i].function == QLatin1String("VYRWM_LOCK")) {
                at = i;
                break;
            }
        }
        QVERIFY(at >= 0);
        QCOMPARE(wm.rows[at].key, QStringLiteral("Ctrl+Alt+L"));
        QCOMPARE(wm.rows[at].source, HotkeySource::User);
        QCOMPARE(wm.rows[at + 1].key, QStringLiteral("Meta+L"));
        QCOMPARE(wm.rows[at + 1].source, HotkeySource::System);
        QCOMPARE(wm.rows[at + 1].action, QStringLiteral("lock screen"));
        QCOMPARE(b.groups.last().rows.size(), 2);

        // When saved as the user's file, only the user's rows are written
        QVERIFY(b.save(path("user"), true));
        const QList<Entry> written = entriesOf(vyrtest::readFile(path("user")));
        QCOMPARE(sorted(written), sorted({{"Ctrl|Alt|l", "VYRWM_LOCK"}, {"None|F5", "\"xterm\""}}));
    }

    void furtherRowsGoRightAfterTheFirst()
    {
        QVERIFY(vyrtest::writeFile(path("f"), "[ShortCutKeys]\nNone|F1=VYRWM_LOCK\nNone|F2=VYRWM_LOCK\nNone|F3=VYRWM_LOCK\n"));
        HotkeyBindings b;
        QVERIFY(b.load(path("f"), QString()));
        QCOMPARE(findRow(b, "VYRWM_LOCK", 0)->key, QStringLiteral("F1"));
        QCOMPARE(findRow(b, "VYRWM_LOCK", 1)->key, QStringLiteral("F3"));
        QCOMPARE(findRow(b, "VYRWM_LOCK", 2)->key, QStringLiteral("F2"));
        QCOMPARE(findRow(b, "VYRWM_STANDBY")->key, QString());
    }

    void disabledSystemKey()
    {
        QVERIFY(vyrtest::writeFile(path("user"), "[ShortCutKeys]\n"));
        QVERIFY(vyrtest::writeFile(path("system"), "[ShortCutKeys]\nSuper|l=VYRWM_LOCK\n"));
        HotkeyBindings b;
        QVERIFY(b.load(path("user"), path("system")));
        // The user cleared the system key.
        b.disabledKeys << QStringLiteral("Meta+L");
        QVERIFY(b.save(path("user"), true));
        QCOMPARE(entriesOf(vyrtest::readFile(path("user"))), QList<Entry>({{"Super|l", "\"Disable\""}}));

        HotkeyBindings again;
        QVERIFY(again.load(path("user"), path("system")));
        QCOMPARE(again.disabledKeys, QStringList{QStringLiteral("Meta+L")});
        for (const HotkeyRow &row : again.groups.last().rows)
            QVERIFY(row.action != QLatin1String("Disable"));
        // Saved again unchanged, the entry stays.
        QVERIFY(again.save(path("user"), true));
        QCOMPARE(entriesOf(vyrtest::readFile(path("user"))), QList<Entry>({{"Super|l", "\"Disable\""}}));
    }

    void commandsWithoutKey()
    {
        HotkeyBindings b;
        for (int i = 0; i < 12; ++i) {
            HotkeyRow row;
            row.action = QStringLiteral("cmd%1").arg(i);
            row.function = execCommandId();
            b.commandGroup().rows.append(row);
        }
        QVERIFY(b.save(path("f"), false));
        const QList<Entry> written = entriesOf(vyrtest::readFile(path("f")));
        QCOMPARE(written.size(), 12);
        QCOMPARE(written[0], Entry("None0", "\"cmd0\""));
        QCOMPARE(written[1], Entry("None1", "\"cmd1\""));
        QCOMPARE(written[11], Entry("None11", "\"cmd11\""));

        HotkeyBindings again;
        QVERIFY(again.load(path("f"), QString()));
        QCOMPARE(again.commandGroup().rows.size(), 12);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(again.commandGroup().rows[i].key, QString());
            QCOMPARE(again.commandGroup().rows[i].action, QStringLiteral("cmd%1").arg(i));
        }
    }

    void editedRowsAreWrittenInFileNotation()
    {
        QVERIFY(vyrtest::writeFile(path("f"), "[ShortCutKeys]\n\"control|mod1|q\"=VYRWM_LOCK\n"));
        HotkeyBindings b;
        QVERIFY(b.load(path("f"), QString()));
        // Unchanged, the entry keeps its spelling ...
        QVERIFY(b.save(path("f"), false));
        QCOMPARE(entriesOf(vyrtest::readFile(path("f"))), QList<Entry>({{"\"control|mod1|q\"", "VYRWM_LOCK"}}));
        // ... a new key is written in the file notation.
        for (HotkeyRowGroup &g : b.groups) {
            for (HotkeyRow &row : g.rows) {
                if (row.function == QLatin1String("VYRWM_LOCK"))
                    row.key = QStringLiteral("Ctrl+Alt+Shift+W");
            }
        }
        HotkeyRow command;
        command.action = QStringLiteral("say \"hi\"");
        command.function = execCommandId();
        command.key = QStringLiteral("F9");
        b.commandGroup().rows.append(command);
        QVERIFY(b.save(path("f"), false));
        QCOMPARE(entriesOf(vyrtest::readFile(path("f"))),
                 QList<Entry>({{"Ctrl|Alt|Shift|w", "VYRWM_LOCK"}, {"None|F9", "\"say \"hi\"\""}}));
    }

    void unknownFunctionsAndOtherContentSurvive()
    {
        const QByteArray data = "; my bindings\n[Other]\nx=1\n\n[ShortCutKeys]\nCtrl|Alt|z=VYRWM_FUTURE_THING\n"
                                "Ctrl|Alt|l=VYRWM_LOCK\n";
        QVERIFY(vyrtest::writeFile(path("f"), data));
        HotkeyBindings b;
        QVERIFY(b.load(path("f"), QString()));
        QCOMPARE(findRow(b, "VYRWM_LOCK")->key, QStringLiteral("Ctrl+Alt+L"));
        QVERIFY(b.save(path("f"), false));
        const QByteArray saved = vyrtest::readFile(path("f"));
        QVERIFY(saved.contains("; my bindings"));
        QVERIFY(saved.contains("[Other]\nx=1"));
        QCOMPARE(sorted(entriesOf(saved)), sorted(entriesOf(data)));
    }

    void commentsTravelWithTheirBindings()
    {
        const QByteArray data = "[ShortCutKeys]\n# lock quickly\nCtrl|Alt|l=VYRWM_LOCK\n"
                                "; my terminal\n; second line\nNone|F9=\"xterm\"\n"
                                "# old key, off\nCtrl|Alt|Delete=\"Disable\"\n";
        QVERIFY(vyrtest::writeFile(path("f"), data));
        HotkeyBindings b;
        QVERIFY(b.load(path("f"), QString()));
        QVERIFY(b.save(path("f"), false));
        const QByteArray saved = vyrtest::readFile(path("f"));
        QVERIFY2(saved.contains("# lock quickly\nCtrl|Alt|l=VYRWM_LOCK\n"), saved.constData());
        QVERIFY2(saved.contains("; my terminal\n; second line\nNone|F9="), saved.constData());
        QVERIFY2(saved.contains("# old key, off\nCtrl|Alt|Delete=\"Disable\""), saved.constData());
        QCOMPARE(sorted(entriesOf(saved)), sorted(entriesOf(data)));
    }

    // A user's file of 2 000 bindings (tests/data/hotkeys, see the script
    // beside it) comes back with every key and value.
    void largeFileRoundTrip()
    {
        const QString fixture = QFINDTESTDATA("../data/hotkeys/large-keyshortcutrc");
        QVERIFY(!fixture.isEmpty());
        const QByteArray data = vyrtest::readFile(fixture);
        // The fixture's lines, split without the INI layer under test.
        const auto linesOf = [](const QByteArray &text) {
            QList<Entry> list;
            for (const QByteArray &line : text.split('\n')) {
                const int eq = line.indexOf('=');
                if (eq > 0)
                    list.append({line.left(eq), line.mid(eq + 1)});
            }
            return sorted(list);
        };
        const QList<Entry> original = linesOf(data);
        QCOMPARE(original.size(), 2000);

        QVERIFY(vyrtest::writeFile(path("user"), data));
        QVERIFY(vyrtest::writeFile(path("system"), "[ShortCutKeys]\nSuper|l=VYRWM_LOCK\n"));
        HotkeyBindings b;
        QVERIFY(b.load(path("user"), path("system")));
        int rows = 0;
        for (const HotkeyRowGroup &g : b.groups) {
            for (const HotkeyRow &row : g.rows)
                rows += !row.key.isEmpty() || row.function == execCommandId();
        }
        QCOMPARE(rows, 2001);
        QVERIFY(b.unknownEntries.isEmpty());
        QVERIFY(b.save(path("user"), true));
        QCOMPARE(linesOf(vyrtest::readFile(path("user"))), original);

        // Keys the editor re-creates from the key text come out the same too.
        for (HotkeyRowGroup &g : b.groups) {
            for (HotkeyRow &row : g.rows)
                row.rawKey.clear();
        }
        QVERIFY(b.save(path("user"), true));
        QCOMPARE(linesOf(vyrtest::readFile(path("user"))), original);
    }

    // One line per key: the later entry (rows in tree order, then unknown
    // functions, then disabled keys) takes the earlier one's place.
    void oneLinePerKey_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("exitKey"); ///< key the user gives "exit vyr-wm" before saving
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("key given to a second function")
            << QByteArray("[ShortCutKeys]\nCtrl|Alt|l=VYRWM_LOCK\n") << "Ctrl+Alt+L"
            << QByteArray("[ShortCutKeys]\nCtrl|Alt|l=VYRWM_EXIT\n");
        QTest::newRow("two functions, tree order decides")
            << QByteArray("[ShortCutKeys]\nctrl|alt|L=VYRWM_EXIT\nCtrl|Alt|l=VYRWM_LOCK\n") << QString()
            << QByteArray("[ShortCutKeys]\nctrl|alt|L=VYRWM_EXIT\n");
        QTest::newRow("function, then command")
            << QByteArray("[ShortCutKeys]\nNone|F5=\"xterm\"\nNone|F5=VYRWM_LOCK\n") << QString()
            << QByteArray("[ShortCutKeys]\nNone|F5=\"xterm\"\n");
        QTest::newRow("quoted key")
            << QByteArray("[ShortCutKeys]\n\"Super|l\"=VYRWM_LOCK\nSuper|l=VYRWM_EXIT\n") << QString()
            << QByteArray("[ShortCutKeys]\nSuper|l=VYRWM_EXIT\n");
        QTest::newRow("modifier aliases")
            << QByteArray("[ShortCutKeys]\ncontrol|mod1|q=VYRWM_LOCK\nCtrl|Alt|q=\"xterm\"\n") << QString()
            << QByteArray("[ShortCutKeys]\nCtrl|Alt|q=\"xterm\"\n");
        QTest::newRow("in any case, four times")
            << QByteArray("[ShortCutKeys]\nCtrl|Alt|l=VYRWM_LOCK\nctrl|alt|L=VYRWM_EXIT\nCTRL|ALT|L=\"xterm\"\n"
                          "Ctrl|Alt|l=VYRWM_LOCK\n")
            << QString() << QByteArray("[ShortCutKeys]\nCTRL|ALT|L=\"xterm\"\n");
        QTest::newRow("unknown function after the rows")
            << QByteArray("[ShortCutKeys]\nCtrl|Alt|z=VYRWM_FUTURE\nCtrl|Alt|z=VYRWM_LOCK\n") << QString()
            << QByteArray("[ShortCutKeys]\nCtrl|Alt|z=VYRWM_FUTURE\n");
        QTest::newRow("disabled key last")
            << QByteArray("[ShortCutKeys]\nSuper|l=\"Disable\"\nSuper|l=VYRWM_LOCK\n") << QString()
            << QByteArray("[ShortCutKeys]\nSuper|l=\"Disable\"\n");
        QTest::newRow("the replaced line's comment stays")
            << QByteArray("[ShortCutKeys]\n# mine\n\"Ctrl|Alt|l\"=VYRWM_LOCK\nNone|F1=VYRWM_STANDBY\n") << "Ctrl+Alt+L"
            << QByteArray("[ShortCutKeys]\n\n# mine\nCtrl|Alt|l=VYRWM_EXIT\nNone|F1=VYRWM_STANDBY\n");
        QTest::newRow("keyless commands keep their own lines")
            << QByteArray("[ShortCutKeys]\nNone0=\"a\"\nNone1=\"b\"\nNone|F1=VYRWM_LOCK\n") << QString()
            << QByteArray("[ShortCutKeys]\nNone|F1=VYRWM_LOCK\nNone0=\"a\"\nNone1=\"b\"\n");
        // "NOne0" names a key; a keyless command takes a name no line uses.
        QTest::newRow("keyless command beside a key named like it")
            << QByteArray("[ShortCutKeys]\nNOne0=\nNone0=\n") << QString()
            << QByteArray("[ShortCutKeys]\nNOne0=\nNone1=\n");
        QTest::newRow("two keyless commands beside it")
            << QByteArray("[ShortCutKeys]\n\xef\xbb\xbf=\"a\"\nNOne0=\"b\"\nNone0=\"c\"\n") << QString()
            << QByteArray("[ShortCutKeys]\nNone1=\"a\"\nNOne0=\"b\"\nNone2=\"c\"\n");
    }
    void oneLinePerKey()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, exitKey);
        QFETCH(QByteArray, saved);
        QVERIFY(vyrtest::writeFile(path("f"), data));
        HotkeyBindings b;
        QVERIFY(b.load(path("f"), QString()));
        if (!exitKey.isEmpty()) {
            for (HotkeyRowGroup &g : b.groups) {
                for (HotkeyRow &row : g.rows) {
                    if (row.function == QLatin1String("VYRWM_EXIT")) {
                        row.key = exitKey;
                        row.source = HotkeySource::User;
                    }
                }
            }
        }
        QVERIFY(b.save(path("f"), false));
        QCOMPARE(vyrtest::readFile(path("f")), saved);
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("loads");
        QTest::newRow("no section") << QByteArray("[Other]\nCtrl|a=VYRWM_LOCK\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage += char((i * 7919 + 13) % 256);
        QTest::newRow("binary garbage") << garbage << false;
        QTest::newRow("garbage after bindings")
            << QByteArray("[ShortCutKeys]\nCtrl|Alt|l=VYRWM_LOCK\n" + QByteArray(garbage).replace('\0', 'x'))
            << true;
        QTest::newRow("NUL byte") << QByteArray("[ShortCutKeys]\nCtrl|Alt|l=VYRWM_LOCK\n\0Ctrl|q=\"x\"\n", 48) << true;
        QTest::newRow("key of 5000 characters")
            << QByteArray("[ShortCutKeys]\nCtrl|" + QByteArray(5000, 'k') + "=VYRWM_LOCK\nNone|" + QByteArray(5000, 'q')
                          + "=\"xterm\"\n")
            << true;
        QTest::newRow("quotes in values")
            << QByteArray("[ShortCutKeys]\nCtrl|Alt|e=\"sh -c \"echo \"hi\"\"\"\nCtrl|Alt|r=say \"hi\"\nCtrl|Alt|y=\"\n"
                          "Ctrl|Alt|u=\"\"\nCtrl|Alt|i=\"open\" file\n")
            << true;
        QTest::newRow("CRLF") << QByteArray("[ShortCutKeys]\r\nCtrl|Alt|l=VYRWM_LOCK\r\nNone|F12=\"xterm\"\r\n") << true;
        QTest::newRow("section in another case") << QByteArray("[shortcutkeys]\nNone|F1=VYRWM_LOCK\n") << true;
    }
    void badInput()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, loads);
        QVERIFY(vyrtest::writeFile(path("f"), data));
        HotkeyBindings b;
        QString error;
        QCOMPARE(b.load(path("f"), QString(), &error), loads);
        QCOMPARE(vyrtest::readFile(path("f")), data);
        // The quick test at start-up agrees with the full reading.
        QCOMPARE(keyFileHasSection(path("f")), loads);
        if (!loads) {
            QVERIFY(!error.isEmpty());
            return;
        }
        QVERIFY(b.save(path("f"), false));
        const QByteArray saved = vyrtest::readFile(path("f"));
        // A line repeated in the input is written once.
        QList<Entry> once;
        for (const Entry &e : entriesOf(data)) {
            if (!once.contains(e))
                once.append(e);
        }
        QCOMPARE(sorted(entriesOf(saved)), sorted(once));
        if (data.contains('\0'))
            QCOMPARE(vyrtest::readFile(path("f.bak")), data);
        else
            QVERIFY(!QFile::exists(path("f.bak")));
    }

    void crlfValuesAreClean()
    {
        QVERIFY(vyrtest::writeFile(path("f"), "[ShortCutKeys]\r\nCtrl|Alt|l=VYRWM_LOCK\r\nNone|F12=\"xterm\"\r\n"));
        HotkeyBindings b;
        QVERIFY(b.load(path("f"), QString()));
        QCOMPARE(findRow(b, "VYRWM_LOCK")->key, QStringLiteral("Ctrl+Alt+L"));
        QCOMPARE(b.commandGroup().rows.value(0).action, QStringLiteral("xterm"));
        QCOMPARE(b.commandGroup().rows.value(0).key, QStringLiteral("F12"));
    }

    void missingFiles()
    {
        HotkeyBindings b;
        QString error;
        QVERIFY(!b.load(QString(), QString(), &error));
        QVERIFY(!b.load(path("missing"), QString(), &error));
        QVERIFY(error.contains(path("missing")));
        // A missing system file adds nothing but does not stop the user's file.
        QVERIFY(vyrtest::writeFile(path("user"), "[ShortCutKeys]\nNone|F1=VYRWM_LOCK\n"));
        QString warning;
        QVERIFY(b.load(path("user"), path("missing"), &error, &warning));
        QVERIFY(!warning.isEmpty());
        QCOMPARE(findRow(b, "VYRWM_LOCK")->key, QStringLiteral("F1"));
    }

    void failedSaveKeepsTheFile()
    {
        const QString dir = path("locked");
        QVERIFY(QDir().mkpath(dir));
        const QByteArray data = "[ShortCutKeys]\nNone|F1=VYRWM_LOCK\n";
        QVERIFY(vyrtest::writeFile(dir + "/keys", data));
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                       | QFileDevice::ExeOther);
        QFile::setPermissions(dir + "/keys", QFileDevice::ReadOwner | QFileDevice::ReadOther);
        QFile::setPermissions(vyrtest::home(), QFile::permissions(vyrtest::home()) | QFileDevice::ExeOther);
        HotkeyBindings b;
        QVERIFY(b.load(dir + "/keys", QString()));
        HotkeyRow command;
        command.action = QStringLiteral("xterm");
        command.function = execCommandId();
        b.commandGroup().rows.append(command);
        {
            vyrtest::AsOrdinaryUser user;
            QString error;
            QVERIFY(!b.save(dir + "/keys", false, &error));
            QVERIFY(!error.isEmpty());
        }
        QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(vyrtest::readFile(dir + "/keys"), data);
    }

    void copyWithoutShell()
    {
        const QString from = path("a b; touch $(echo pwned)");
        const QString to = path("c 'd' \"e\"");
        QVERIFY(vyrtest::writeFile(from, "[ShortCutKeys]\nNone|F1=VYRWM_LOCK\n"));
        QVERIFY(copyKeyFile(from, to));
        QCOMPARE(vyrtest::readFile(to), vyrtest::readFile(from));
        QVERIFY(!QFile::exists(path("pwned")) && !QFile::exists("pwned"));
        QString error;
        QVERIFY(!copyKeyFile(path("missing"), to, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(vyrtest::readFile(to), vyrtest::readFile(from));
    }

    void paths()
    {
        QCOMPARE(userKeyFilePath(), vyrtest::home() + "/.vyr/keyshortcutrc");
        QCOMPARE(systemKeyFilePath(), vyrtest::sysPath("/usr/share/vyr/keyshortcutrc"));
    }

    // The shipped bindings name known functions and keys only.
    void shippedFile()
    {
        const QString shipped = vyrtest::sourceDir() + "/data/share/vyr/keyshortcutrc";
        HotkeyBindings b;
        QVERIFY(b.load(shipped, QString()));
        QVERIFY(b.unknownEntries.isEmpty());
        QVERIFY(findRow(b, "VYRWM_LOCK") && !findRow(b, "VYRWM_LOCK")->key.isEmpty());
        QVERIFY(!findRow(b, "VYRWM_SWITCH_TASK")->key.isEmpty());
        QVERIFY(!findRow(b, "VYRWM_EXIT")->key.isEmpty());
        for (const auto &entry : entriesOf(vyrtest::readFile(shipped))) {
            const QString text = ::keyFileToText(QString::fromUtf8(entry.first));
            QVERIFY2(!VyrKeyServer::KeyStringXToQt(text).isEmpty() || text == "Calculator", entry.first.constData());
        }
    }
};

VYR_TEST_MAIN(TestHotkeyFile)
#include "test_hotkeyfile.moc"
