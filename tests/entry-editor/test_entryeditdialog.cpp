// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "filechoices.h"
#include "testenv.h"

#include <vyrdesktopentryeditdialog.h>

#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <sys/stat.h>
#include <unistd.h>

class TestEntryEditDialog : public QObject
{
    Q_OBJECT
private:
    QString m_dir;

    QString path(const QString &name) const { return m_dir + QLatin1Char('/') + name; }
    template<typename T>
    static T *field(const QDialog &dialog, const char *name)
    {
        return dialog.findChild<T *>(QString::fromLatin1(name));
    }
    static QString text(const QDialog &dialog, const char *name) { return field<QLineEdit>(dialog, name)->text(); }
    static void setText(const QDialog &dialog, const char *name, const QString &value)
    {
        field<QLineEdit>(dialog, name)->setText(value);
    }
    static void setType(const QDialog &dialog, const QString &type)
    {
        auto *combo = field<QComboBox>(dialog, "type");
        combo->setCurrentIndex(combo->findData(type));
    }

private Q_SLOTS:
    void init()
    {
        m_dir = vyrtest::home() + QStringLiteral("/Desktops/Desktop1");
        QDir(m_dir).removeRecursively();
        QDir().mkpath(m_dir);
        qputenv("LC_ALL", "C.UTF-8");
    }

    void refusedPaths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // of an existing file, empty for none
        QTest::addColumn<bool>("create");
        QTest::newRow("empty path") << QString() << QByteArray() << true;
        QTest::newRow("directory") << "folder" << QByteArray() << true;
        QTest::newRow("not a desktop entry") << "notes.desktop" << QByteArray("just some notes\n") << true;
        QTest::newRow("missing without create") << "new.desktop" << QByteArray() << false;
        QTest::newRow("missing directory") << "nowhere/new.desktop" << QByteArray() << true;
    }
    void refusedPaths()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        QDir().mkpath(path(QStringLiteral("folder")));
        if (!content.isEmpty())
            QVERIFY(vyrtest::writeFile(path(name), content));
        VyrDesktopEntryEditDialog dialog;
        QVERIFY(!dialog.setDesktopEntryPath(name.isEmpty() ? QString() : path(name), create));
        if (!content.isEmpty())
            QCOMPARE(vyrtest::readFile(path(name)), content);
        else if (!name.isEmpty() && name != QLatin1String("folder"))
            QVERIFY(!QFileInfo::exists(path(name)));
    }

    void inheritsFromPattern()
    {
        QVERIFY(vyrtest::writeFile(path(QStringLiteral("pattern.tmp")),
                                   "[Desktop Entry]\nType=Application\nName=Text Editor\nComment=Edit text\n"
                                   "Exec=editor %F\nIcon=accessories-text-editor\nTerminal=true\nX-Extra=kept\n"
                                   "\n[Desktop Action new]\nName=New window\nExec=editor --new\n"));
        VyrDesktopEntryEditDialog dialog;
        QVERIFY(dialog.setDesktopEntryPath(path(QStringLiteral("editor.desktop")), true,
                                           path(QStringLiteral("pattern.tmp"))));
        QCOMPARE(text(dialog, "name"), QStringLiteral("Text Editor"));
        QCOMPARE(text(dialog, "comment"), QStringLiteral("Edit text"));
        QCOMPARE(text(dialog, "command"), QStringLiteral("editor %F"));
        QCOMPARE(text(dialog, "icon"), QStringLiteral("accessories-text-editor"));
        QVERIFY(field<QCheckBox>(dialog, "terminal")->isChecked());
        // Nothing is written before OK.
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("editor.desktop"))));

        setText(dialog, "name", QStringLiteral("Мой редактор"));
        dialog.setDesktopEntryCoords(120, 340, QStringLiteral("HDMI-1"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const QByteArray saved = vyrtest::readFile(path(QStringLiteral("editor.desktop")));
        for (const QByteArray &line : {QByteArrayLiteral("Name=Мой редактор"), QByteArrayLiteral("Exec=editor %F"),
                                       QByteArrayLiteral("Terminal=true"), QByteArrayLiteral("X-Extra=kept"),
                                       QByteArrayLiteral("[Desktop Action new]"),
                                       QByteArrayLiteral("X-VYR-DesktopPosition=120;340;HDMI-1")})
            QVERIFY2(saved.contains(line), saved.constData());
        // The pattern itself is the caller's: untouched.
        QVERIFY(vyrtest::readFile(path(QStringLiteral("pattern.tmp"))).contains("Name=Text Editor"));
    }

    void kinds_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("application") << "Application" << "run --now"
                                     << QStringList{"Type=Application", "Exec=run --now", "Terminal=false"}
                                     << QStringList{"URL="};
        QTest::newRow("link") << "Link" << "https://example.org/a b"
                              << QStringList{"Type=Link", "URL=https://example.org/a b"}
                              << QStringList{"Exec=", "Terminal="};
        QTest::newRow("directory") << "Directory" << QString() << QStringList{"Type=Directory"}
                                   << QStringList{"Exec=", "URL=", "Terminal="};
    }
    void kinds()
    {
        QFETCH(QString, type);
        QFETCH(QString, command);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        // Starts as an application with a command, so switching must drop it.
        QVERIFY(vyrtest::writeFile(path(QStringLiteral("item.desktop")),
                                   "[Desktop Entry]\nType=Application\nName=Item\nExec=old\nTerminal=true\n"));
        VyrDesktopEntryEditDialog dialog;
        QVERIFY(dialog.setDesktopEntryPath(path(QStringLiteral("item.desktop")), false));
        setType(dialog, type);
        setText(dialog, "command", command);
        field<QCheckBox>(dialog, "terminal")->setChecked(false);
        QVERIFY(dialog.save());
        const QString saved = QString::fromUtf8(vyrtest::readFile(path(QStringLiteral("item.desktop"))));
        for (const QString &line : present)
            QVERIFY2(saved.contains(line + QLatin1Char('\n')), qPrintable(saved));
        for (const QString &key : absent)
            QVERIFY2(!saved.contains(QLatin1Char('\n') + key), qPrintable(saved));
    }

    void incompleteInputIsNotSaved_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("command");
        QTest::newRow("no name") << "Application" << "  " << "run";
        QTest::newRow("application without command") << "Application" << "Run" << "";
        QTest::newRow("link without address") << "Link" << "Site" << " ";
    }
    void incompleteInputIsNotSaved()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(QString, command);
        // A pattern that names no existing file is simply not used.
        VyrDesktopEntryEditDialog dialog;
        QVERIFY(dialog.setDesktopEntryPath(path(QStringLiteral("new.desktop")), true, path(QStringLiteral("gone"))));
        QCOMPARE(text(dialog, "name"), QString());
        setType(dialog, type);
        setText(dialog, "name", name);
        setText(dialog, "command", command);
        dialog.accept();
        QVERIFY(dialog.result() != QDialog::Accepted);
        QVERIFY(!field<QLabel>(dialog, "error")->text().isEmpty());
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("new.desktop"))));
    }

    void localisedNameAndComment()
    {
        qputenv("LC_ALL", "de_DE.UTF-8");
        QVERIFY(vyrtest::writeFile(path(QStringLiteral("app.desktop")),
                                   "[Desktop Entry]\nType=Application\nName=Editor\nName[de]=Bearbeiter\n"
                                   "Comment=Edits\nComment[de]=Bearbeitet\nExec=ed\n"));
        VyrDesktopEntryEditDialog dialog;
        QVERIFY(dialog.setDesktopEntryPath(path(QStringLiteral("app.desktop")), true));
        QCOMPARE(text(dialog, "name"), QStringLiteral("Bearbeiter"));
        QCOMPARE(text(dialog, "comment"), QStringLiteral("Bearbeitet"));
        setText(dialog, "name", QStringLiteral("Schreiber"));
        setText(dialog, "comment", QStringLiteral("Schreibt"));
        QVERIFY(dialog.save());
        const QByteArray saved = vyrtest::readFile(path(QStringLiteral("app.desktop")));
        for (const QByteArray &line : {QByteArrayLiteral("Name=Editor\n"), QByteArrayLiteral("Name[de]=Schreiber\n"),
                                       QByteArrayLiteral("Comment=Edits\n"), QByteArrayLiteral("Comment[de]=Schreibt\n")})
            QVERIFY2(saved.contains(line), saved.constData());
    }

    void unwritableDirectoryKeepsDialogOpen()
    {
        const QString locked = path(QStringLiteral("locked"));
        QDir().mkpath(locked);
        QVERIFY(vyrtest::writeFile(locked + QStringLiteral("/app.desktop"),
                                   "[Desktop Entry]\nType=Application\nName=App\nExec=app\n"));
        ::chmod(QFile::encodeName(locked).constData(), 0555);
        {
            vyrtest::AsOrdinaryUser user;
            ::chmod(QFile::encodeName(locked + QStringLiteral("/app.desktop")).constData(), 0644);
            VyrDesktopEntryEditDialog dialog;
            QVERIFY(dialog.setDesktopEntryPath(locked + QStringLiteral("/app.desktop"), true));
            setText(dialog, "name", QStringLiteral("Renamed"));
            dialog.accept();
            if (user.active() || ::geteuid() != 0) {
                QVERIFY(dialog.result() != QDialog::Accepted);
                QVERIFY(field<QLabel>(dialog, "error")->text().contains(QStringLiteral("app.desktop")));
            }
        }
        ::chmod(QFile::encodeName(locked).constData(), 0755);
        QVERIFY(vyrtest::readFile(locked + QStringLiteral("/app.desktop")).contains("Name=App\n"));
    }

    // The chosen program becomes one argument of Exec, and a "%" in its
    // path stays a "%" instead of turning into a field code.
    void chosenProgramQuoted_data()
    {
        QTest::addColumn<QString>("program"); // below the test directory
        QTest::addColumn<QString>("exec");    // %1: the test directory
        QTest::newRow("plain") << "bin/run" << "%1/bin/run";
        QTest::newRow("blank") << "my bin/run" << "\"%1/my bin/run\"";
        QTest::newRow("percent") << "50%/run" << "%1/50%%/run";
        QTest::newRow("percent and blank") << "50% off/run" << "\"%1/50%% off/run\"";
    }
    void chosenProgramQuoted()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QVERIFY(vyrtest::writeFile(path(program), "#!/bin/sh\n"));
        VyrDesktopEntryEditDialog dialog;
        QVERIFY(dialog.setDesktopEntryPath(path(QStringLiteral("app.desktop")), true));
        FileChoices files;
        files.choose(path(program));
        field<QToolButton>(dialog, "commandBrowse")->click();
        QCOMPARE(files.pending(), 0);
        QCOMPARE(text(dialog, "command"), exec.arg(m_dir));
    }

    // A label with a shortcut letter needs a field to move to; without one
    // the "&" is shown as it is written.
    void shortcutLabelsHaveFields()
    {
        VyrDesktopEntryEditDialog dialog;
        const auto labels = dialog.findChildren<QLabel *>();
        int withShortcut = 0;
        for (const QLabel *label : labels) {
            if (!label->text().remove(QStringLiteral("&&")).contains(QLatin1Char('&')))
                continue;
            ++withShortcut;
            QVERIFY2(label->buddy(), qPrintable(label->text()));
        }
        QCOMPARE(withShortcut, 5); // type, name, comment, command, icon
    }
};

VYR_TEST_MAIN(TestEntryEditDialog)
#include "test_entryeditdialog.moc"
