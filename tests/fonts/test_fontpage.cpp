// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fcsandbox.h"
#include "privatexserver.h"
#include "testenv.h"
#include "wmrecorder.h"

#include <fontaasettings.h>
#include <fontpage.h>
#include <themesettings.h>
#include <vyrwmcommand.h>

#include <KFontChooser>
#include <KFontRequester>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryFile>

#include <functional>
#include <memory>

#include <unistd.h>

namespace {
const QString s_base = QStringLiteral("DejaVu Sans-9:normal");
const char *const s_keys[] = {"DefaultFont",     "TitleFont",        "StartMenuFont",    "CtrlMenuFont",
                              "DialogFont",      "TaskbarFont",      "TaskbarBoldFont",  "TaskbarClockFont",
                              "TaskbarDateFont", "TaskbarLangFont",  "IconFont",         "TooltipFont"};
const QString s_marker = QStringLiteral("VYRTEST_MARKER");
const QString s_noLang = QStringLiteral("<unset>");

QString themeFile()
{
    return vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc");
}

// Every entry stored as s_base, so that a save changes only what a test edits.
void writeThemeFile()
{
    QByteArray text = "[Variables]\n";
    for (const char *key : s_keys)
        text += QByteArray(key) + '=' + s_base.toUtf8() + '\n';
    QVERIFY(vyrtest::writeFile(themeFile(), text));
}

QString storedFont(const QString &key)
{
    const QList<QByteArray> lines = vyrtest::readFile(themeFile()).split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(key.toUtf8() + '='))
            return QString::fromUtf8(line.mid(key.size() + 1));
    }
    return QString();
}

void setAppSettings(const QMap<QString, QVariant> &values)
{
    QSettings settings;
    settings.clear();
    for (auto it = values.begin(); it != values.end(); ++it)
        settings.setValue(it.key(), it.value());
}

QByteArray xrdbQuery()
{
    return vyrtest::run(QStandardPaths::findExecutable(QStringLiteral("xrdb")), {QStringLiteral("-query")}).out;
}

/**
 * Answers the dialogs the page opens, in order, from a list of buttons; a
 * dialog nobody expected is closed at once and recorded, so that the test
 * fails instead of hanging.
 */
class DialogAnswerer : public QObject
{
public:
    explicit DialogAnswerer(QList<QMessageBox::StandardButton> answers = {})
        : m_answers(std::move(answers))
    {
        qApp->installEventFilter(this);
    }
    ~DialogAnswerer() override { qApp->removeEventFilter(this); }

    /// "title: text" of each dialog seen.
    QStringList seen;
    /// Handles dialogs other than message boxes; without it they are rejected.
    std::function<void(QDialog *)> onDialog;
    QStringList titles() const
    {
        QStringList result;
        for (const QString &s : seen)
            result << s.section(QStringLiteral(": "), 0, 0);
        return result;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (event->type() != QEvent::Show || !dialog || dialog->property("vyrtestSeen").toBool())
            return false;
        dialog->setProperty("vyrtestSeen", true);
        auto *box = qobject_cast<QMessageBox *>(dialog);
        seen << dialog->windowTitle() + QStringLiteral(": ") + (box ? box->text() : QString());
        const QMessageBox::StandardButton answer =
            box && !m_answers.isEmpty() ? m_answers.takeFirst() : QMessageBox::NoButton;
        // The dialog's own event loop starts after the show: answer from it.
        QMetaObject::invokeMethod(
            dialog,
            [this, dialog, box, answer] {
                if (box && box->button(answer))
                    box->button(answer)->click();
                else if (!box && onDialog)
                    onDialog(dialog);
                else
                    dialog->reject();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    QList<QMessageBox::StandardButton> m_answers;
};

/// Standard error of this process, collected while the object lives.
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        dup2(m_file.handle(), STDERR_FILENO);
    }
    QByteArray finish()
    {
        std::fflush(stderr);
        if (m_saved >= 0) {
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
            m_saved = -1;
        }
        m_file.seek(0);
        return m_file.readAll();
    }
    ~StderrCapture() { finish(); }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};

/// A theme store and the page over it, loaded as the dialog loads it.
struct LoadedPage {
    LoadedPage()
        : store(std::make_unique<ThemeSettings>(themeFile()))
        , page(std::make_unique<FontPage>(store.get(), nullptr))
    {
        page->load();
    }
    KFontRequester *requester(const QString &key) const { return page->findChild<KFontRequester *>(key); }
    template<class T>
    T *child(const char *name) const
    {
        return page->findChild<T *>(QLatin1String(name));
    }
    FontAASettings *aaDialog() const { return page->findChild<FontAASettings *>(); }
    /// The anti-aliasing dialog's controls, as a user sets them before OK.
    void setAA(bool subPixel, const QString &order, const QString &hint) const
    {
        FontAASettings *dialog = aaDialog();
        dialog->findChild<QCheckBox *>(QStringLiteral("useSubPixel"))->setChecked(subPixel);
        auto *orders = dialog->findChild<QComboBox *>(QStringLiteral("subPixelType"));
        orders->setCurrentIndex(orders->findText(order));
        auto *hints = dialog->findChild<QComboBox *>(QStringLiteral("hintingStyle"));
        hints->setCurrentIndex(hints->findText(hint));
    }

    std::unique_ptr<ThemeSettings> store;
    std::unique_ptr<FontPage> page;
};
}

class TestFontPage : public QObject
{
    Q_OBJECT
private:
    WmRecorder m_recorder;

    // What the window manager received since the last call, up to a marker
    // sent now: nothing sent before the marker can still be on its way.
    QStringList receivedCommands()
    {
        vyrSendWmCommand(s_marker);
        QStringList lines;
        if (!QTest::qWaitFor([&] { return m_recorder.lines().contains(s_marker); }, 10000))
            return {QStringLiteral("marker never arrived")};
        lines = m_recorder.lines();
        m_recorder.clear();
        return lines.mid(0, lines.indexOf(s_marker));
    }

    // Runs one row of the current test function in a process of its own
    // with LANG as the row wants it: the Cyrillic test reads LANG once.
    bool runInChild(const QString &lang)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (lang == s_noLang)
            env.remove(QStringLiteral("LANG"));
        else
            env.insert(QStringLiteral("LANG"), lang);
        const QString function = QString::fromLatin1(QTest::currentTestFunction());
        const QString tag = QString::fromUtf8(QTest::currentDataTag());
        const vyrtest::RunResult r =
            vyrtest::run(QCoreApplication::applicationFilePath(), {function + QLatin1Char(':') + tag}, 120000, env);
        // QtTest passes a run whose data tag matched nothing: look for the row.
        const QByteArray passed = QStringLiteral("PASS   : TestFontPage::%1(%2)").arg(function, tag).toUtf8();
        const bool ok = r.exitCode == 0 && !r.crashed && r.out.contains(passed);
        if (!ok)
            qWarning().noquote() << r.out << r.err;
        return ok;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_recorder.start(QString::fromLocal8Bit(qgetenv("DISPLAY"))), "cannot start vyr-wm-recorder");
    }

    void init()
    {
        vyrtest::resetHome();
        writeThemeFile();
        setAppSettings({});
        // Every case starts from a server without resources.
        vyrtest::run(QStandardPaths::findExecutable(QStringLiteral("xrdb")), {QStringLiteral("-remove")});
        receivedCommands();
    }

    void fontValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<QString>("qtFont");

        const QStringList none;
        // Qt's font is always the general one, whichever entry changed.
        const QString baseQt = QStringLiteral("DejaVu Sans,9,-1,5,50,0,0,0,0,0");
        QTest::newRow("10.5 pt") << "TitleFont" << 10.5 << 50 << false << false << "DejaVu Sans-10.5:normal" << none
                                 << baseQt;
        QTest::newRow("10 pt") << "TitleFont" << 10.0 << 50 << false << false << "DejaVu Sans-10:normal" << none << baseQt;
        QTest::newRow("weight 57 is normal")
            << "IconFont" << 11.0 << 57 << false << false << "DejaVu Sans-11:normal" << none << baseQt;
        QTest::newRow("weight 58 is bold")
            << "IconFont" << 11.0 << 58 << false << false << "DejaVu Sans-11:bold" << none << baseQt;
        QTest::newRow("italic") << "TooltipFont" << 12.0 << 75 << true << false << "DejaVu Sans-12:bold:italic" << none
                                << baseQt;
        QTest::newRow("underline dropped after a warning")
            << "TaskbarFont" << 12.0 << 50 << false << true << "DejaVu Sans-12:normal"
            << QStringList{"Attention: Font will be saved and used without underline, overline, strikeout."} << baseQt;
        QTest::newRow("General also Qt's font") << "DefaultFont" << 10.5 << 50 << false << true
                                                << "DejaVu Sans-10.5:normal"
                                                << QStringList{"Attention: Font will be saved and used without "
                                                               "underline, overline, strikeout."}
                                                << "DejaVu Sans,10.5,-1,5,50,0,0,0,0,0";
    }
    void fontValues()
    {
        QFETCH(QString, key);
        QFETCH(double, size);
        QFETCH(int, weight);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(QString, stored);
        QFETCH(QStringList, dialogs);
        QFETCH(QString, qtFont);

        LoadedPage p;
        DialogAnswerer answerer({QMessageBox::Close});
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(size);
        font.setWeight(weight);
        font.setItalic(italic);
        font.setUnderline(underline);
        // What the chooser's dialog does when the user picks a font; the
        // chooser announces it with fontSelected().
        p.requester(key)->setFont(font);
        QVERIFY(p.page->isChanged());
        p.page->save();

        QCOMPARE(answerer.seen.join(QLatin1Char('|')), dialogs.join(QLatin1Char('|')));
        QVERIFY(!p.page->isChanged());
        QCOMPARE(storedFont(key), stored);
        const QSettings qt(vyrtest::home() + QStringLiteral("/.config/Trolltech.conf"), QSettings::IniFormat);
        QCOMPARE(qt.value(QStringLiteral("Qt/font")).toString(), qtFont);
        const QStringList commands{QStringLiteral("VYRWM_UPDATE_VAL %1 %2").arg(key, stored),
                                   QStringLiteral("VYRWM_UPDATE_VAL XftSettings 96.0 unknown rgb full")};
        QCOMPARE(receivedCommands(), commands);
    }

    void cyrillicQuestion_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("stored");
        QTest::newRow("LANG unset, Latin only, No keeps the stored font")
            << s_noLang << "Inconsolata" << int(QMessageBox::No) << true << s_base;
        QTest::newRow("LANG unset, Latin only, Yes saves")
            << s_noLang << "Inconsolata" << int(QMessageBox::Yes) << true << "Inconsolata-12:normal";
        QTest::newRow("LANG unset, family with Cyrillic")
            << s_noLang << "DejaVu Sans Mono" << int(QMessageBox::No) << false << "DejaVu Sans Mono-12:normal";
        QTest::newRow("LANG=ru_RU.UTF-8, Latin only")
            << "ru_RU.UTF-8" << "Inconsolata" << int(QMessageBox::No) << true << s_base;
        QTest::newRow("LANG=de_DE.UTF-8, Latin only")
            << "de_DE.UTF-8" << "Inconsolata" << int(QMessageBox::No) << false << "Inconsolata-12:normal";
    }
    void cyrillicQuestion()
    {
        QFETCH(QString, lang);
        const QString current = qEnvironmentVariableIsSet("LANG") ? qEnvironmentVariable("LANG") : s_noLang;
        if (lang != current) {
            QVERIFY2(runInChild(lang), "the case failed in its own process (output above)");
            return;
        }
        QFETCH(QString, family);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(QString, stored);

        LoadedPage p;
        DialogAnswerer answerer({QMessageBox::StandardButton(answer)});
        QFont font(family);
        font.setPointSize(12);
        p.requester(QStringLiteral("DefaultFont"))->setFont(font);
        p.page->save();

        const QStringList question{QStringLiteral("Attention!: Font '%1' has no cyrillic. Save anyway?").arg(family)};
        QCOMPARE(answerer.seen, asked ? question : QStringList());
        QCOMPARE(storedFont(QStringLiteral("DefaultFont")), stored);
        // The unchanged entries are never asked about, whatever their family.
        QCOMPARE(storedFont(QStringLiteral("TitleFont")), s_base);
    }

    void adjustAllFonts_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<QString>("stored");
        const QStringList chooser{QStringLiteral("Select Font: ")};
        const QString mono = QStringLiteral("DejaVu Sans Mono");
        // The chosen font is 13 pt, in the style row named.
        const QString bold = QStringLiteral("Bold Oblique");
        QTest::newRow("style") << s_noLang << mono << bold << QStringList{"styleCheckBox"} << 0 << chooser
                               << "DejaVu Sans-9:bold:italic";
        QTest::newRow("all") << s_noLang << mono << bold
                             << QStringList{"familyCheckBox", "styleCheckBox", "sizeCheckBox"} << 0 << chooser
                             << "DejaVu Sans Mono-13:bold:italic";
        QTest::newRow("nothing ticked") << s_noLang << mono << bold << QStringList() << 0 << chooser << s_base;
        QTest::newRow("Latin only family, No changes nothing")
            << s_noLang << "Inconsolata" << "Medium" << QStringList{"familyCheckBox", "sizeCheckBox"}
            << int(QMessageBox::No)
            << (chooser + QStringList{"Attention!: Font 'Inconsolata' has no cyrillic. Save anyway?"}) << s_base;
    }
    void adjustAllFonts()
    {
        QFETCH(QString, lang);
        const QString current = qEnvironmentVariableIsSet("LANG") ? qEnvironmentVariable("LANG") : s_noLang;
        if (lang != current) {
            QVERIFY2(runInChild(lang), "the case failed in its own process (output above)");
            return;
        }
        QFETCH(QString, family);
        QFETCH(QString, style);
        QFETCH(QStringList, ticked);
        QFETCH(int, answer);
        QFETCH(QStringList, dialogs);
        QFETCH(QString, stored);

        LoadedPage p;
        DialogAnswerer answerer({QMessageBox::StandardButton(answer)});
        // The user picks the font and its style row and ticks what to change;
        // a control that is missing closes the dialog, and the checks fail.
        answerer.onDialog = [&](QDialog *dialog) {
            QFont font(family);
            font.setPointSize(13);
            auto *chooser = dialog->findChild<KFontChooser *>();
            auto *styles = dialog->findChild<QListWidget *>(QStringLiteral("styleListWidget"));
            if (!chooser || !styles)
                return dialog->reject();
            chooser->setFont(font);
            const QList<QListWidgetItem *> items = styles->findItems(style, Qt::MatchExactly);
            if (items.isEmpty())
                return dialog->reject();
            styles->setCurrentItem(items.front());
            for (const QString &name : ticked) {
                auto *box = dialog->findChild<QCheckBox *>(name);
                if (!box)
                    return dialog->reject();
                box->setChecked(true);
            }
            dialog->accept();
        };
        p.child<QPushButton>("adjustAll")->click();
        QCOMPARE(answerer.seen, dialogs);
        QCOMPARE(p.page->isChanged(), stored != s_base);
        p.page->save();
        // Every entry follows, the first one as well as the others.
        for (const char *key : {"DefaultFont", "TitleFont", "TooltipFont"})
            QCOMPARE(storedFont(QLatin1String(key)), stored);
    }

    void aaModeLoad_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("configurable");
        QTest::newRow("enabled") << "enabled" << 0 << true;
        QTest::newRow("system") << "system" << 1 << false;
        QTest::newRow("disabled") << "disabled" << 2 << false;
        QTest::newRow("unknown text counts as system") << "on" << 1 << false;
    }
    void aaModeLoad()
    {
        QFETCH(QString, stored);
        QFETCH(int, index);
        QFETCH(bool, configurable);
        setAppSettings({{QStringLiteral("useAASettings"), stored}});
        LoadedPage p;
        QCOMPARE(p.child<QComboBox>("aaMode")->currentIndex(), index);
        QCOMPARE(p.child<QPushButton>("aaConfigure")->isEnabled(), configurable);
        QVERIFY(!p.page->isChanged());
        p.child<QComboBox>("aaMode")->setCurrentIndex(index == 0 ? 2 : 0);
        QCOMPARE(p.child<QPushButton>("aaConfigure")->isEnabled(), !configurable);
        QVERIFY(p.page->isChanged());
    }

    void antiAliasing_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("subPixel");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("fcAntialias");
        QTest::addColumn<QString>("fcRgba");
        QTest::addColumn<QString>("fcHintstyle");
        QTest::addColumn<QString>("command");
        QTest::newRow("Enabled, RGB, slight")
            << 0 << true << "RGB" << "Slight" << "kept-rule-enabled-rgb-slight.conf" << "True" << "1" << "1"
            << "VYRWM_UPDATE_VAL XftSettings 96.0 unknown rgb hintslight";
        QTest::newRow("Disabled, vertical BGR, full") << 2 << true << "Vertical BGR" << "Full" << "" << "False" << "4"
                                                      << "3" << "VYRWM_UPDATE_VAL XftSettings 96.0 false vbgr hintfull";
        QTest::newRow("Enabled without sub-pixel, no hinting")
            << 0 << false << "RGB" << "None" << "" << "True" << "5" << "0"
            << "VYRWM_UPDATE_VAL XftSettings 96.0 unknown none hintnone";
    }
    void antiAliasing()
    {
        QFETCH(int, mode);
        QFETCH(bool, subPixel);
        QFETCH(QString, order);
        QFETCH(QString, hint);
        QFETCH(QString, fixture);
        QFETCH(QString, fcAntialias);
        QFETCH(QString, fcRgba);
        QFETCH(QString, fcHintstyle);
        QFETCH(QString, command);

        // Given a user file with a rule of the user's own
        const QByteArray rule = "<alias>\n  <family>serif</family>\n  <prefer>\n   <family>DejaVu Serif</family>\n";
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile(),
                                   "<?xml version = '1.0'?>\n<!DOCTYPE fontconfig>\n<fontconfig>\n " + rule
                                       + "  </prefer>\n </alias>\n</fontconfig>\n"));
        LoadedPage p;
        DialogAnswerer answerer({QMessageBox::Ok});
        // When the mode and the dialog's choices are made and saved
        p.child<QComboBox>("aaMode")->setCurrentIndex(mode);
        p.setAA(subPixel, order, hint);
        p.page->save();

        // Then the file holds them next to the rule, and fontconfig obeys it
        QCOMPARE(answerer.seen, QStringList{QStringLiteral("Font Settings Changed: <p>Some changes such as "
                                                           "anti-aliasing or DPI will only affect newly started "
                                                           "applications.</p>")});
        const QByteArray written = vyrtest::readFile(fcsandbox::userFile());
        QVERIFY2(written.contains(rule), written);
        QVERIFY2(written.startsWith("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"), written);
        if (!fixture.isEmpty())
            QCOMPARE(written, vyrtest::readFile(QFINDTESTDATA(QStringLiteral("data/") + fixture)));
        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("antialias")), fcAntialias);
        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("rgba")), fcRgba);
        QCOMPARE(fcsandbox::fcMatch(QStringLiteral("sans"), QStringLiteral("hintstyle")), fcHintstyle);
        QCOMPARE(receivedCommands(), QStringList{command});
    }

    void systemSettingsRemovesUserFiles()
    {
        const QString dotFile = vyrtest::home() + QStringLiteral("/.fonts.conf");
        QVERIFY(vyrtest::writeFile(dotFile, "<fontconfig/>\n"));
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile(), "<fontconfig/>\n"));
        setAppSettings({{QStringLiteral("useAASettings"), QStringLiteral("enabled")}});
        LoadedPage p;
        DialogAnswerer answerer;
        p.child<QComboBox>("aaMode")->setCurrentIndex(1);
        p.page->save();

        QCOMPARE(answerer.seen, QStringList());
        QVERIFY(!QFile::exists(dotFile));
        QVERIFY(!QFile::exists(fcsandbox::userFile()));
        QCOMPARE(QSettings().value(QStringLiteral("useAASettings")).toString(), QStringLiteral("system"));
        QCOMPARE(receivedCommands(), QStringList{QStringLiteral("VYRWM_UPDATE_VAL XftSettings 96.0 unknown rgb full")});
    }

    void forcedDpi_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("loadedDpi");
        QTest::addColumn<QByteArray>("resources");
        QTest::addColumn<int>("spin");
        QTest::addColumn<QByteArray>("expectedResources");
        QTest::addColumn<QString>("storedDpi");
        QTest::addColumn<QString>("command");
        const QByteArray mine = "! mine\nXTerm*faceName: Mono\n";
        QTest::newRow("120 forced") << true << 0 << mine << 120 << mine + "Xft.dpi: 120\n" << "120"
                                    << "VYRWM_UPDATE_VAL XftSettings 120 unknown rgb hintslight";
        QTest::newRow("0 after 120") << true << 120 << QByteArray("! mine\nXft.dpi: 120\nXTerm*faceName: Mono\n") << 0
                                     << mine << "0" << "VYRWM_UPDATE_VAL XftSettings 96.0 unknown rgb hintslight";
        QTest::newRow("hidden control removes the key") << false << 0 << mine << 0 << mine << "<absent>"
                                                        << "VYRWM_UPDATE_VAL XftSettings 96.0 unknown rgb hintslight";
    }
    void forcedDpi()
    {
        QFETCH(bool, shown);
        QFETCH(int, loadedDpi);
        QFETCH(QByteArray, resources);
        QFETCH(int, spin);
        QFETCH(QByteArray, expectedResources);
        QFETCH(QString, storedDpi);
        QFETCH(QString, command);

        const QString resourcesFile = vyrtest::home() + QStringLiteral("/.Xresources");
        QVERIFY(vyrtest::writeFile(resourcesFile, resources));
        setAppSettings({{QStringLiteral("useAASettings"), QStringLiteral("enabled")},
                        {QStringLiteral("showForceFontDPI"), shown},
                        {QStringLiteral("forceFontDPI"), loadedDpi}});
        if (loadedDpi) {
            const vyrtest::RunResult merged =
                vyrtest::run(QStandardPaths::findExecutable(QStringLiteral("xrdb")), {QStringLiteral("-merge")}, 30000,
                             QProcessEnvironment::systemEnvironment(), "Xft.dpi: 120\n");
            QCOMPARE(merged.exitCode, 0);
            QVERIFY(xrdbQuery().contains("Xft.dpi:\t120\n"));
        }
        LoadedPage p;
        DialogAnswerer answerer({QMessageBox::Ok});
        QCOMPARE(p.child<QSpinBox>("dpi")->isVisibleTo(p.page.get()), shown);
        QCOMPARE(p.child<QSpinBox>("dpi")->value(), loadedDpi);
        p.child<QSpinBox>("dpi")->setValue(spin);
        p.setAA(true, QStringLiteral("RGB"), QStringLiteral("Slight"));
        p.page->save();

        QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Font Settings Changed")});
        const QByteArray query = xrdbQuery();
        for (const char *line : {"Xft.antialias:\t1\n", "Xft.hinting:\t1\n", "Xft.hintstyle:\thintslight\n",
                                 "Xft.rgba:\trgb\n"})
            QVERIFY2(query.contains(line), query);
        QCOMPARE(query.contains("Xft.dpi:\t120\n"), storedDpi == QLatin1String("120"));
        QVERIFY2(storedDpi == QLatin1String("120") || !query.contains("Xft.dpi"), query);
        QCOMPARE(vyrtest::readFile(resourcesFile), expectedResources);
        const QSettings settings;
        QCOMPARE(settings.value(QStringLiteral("forceFontDPI"), QStringLiteral("<absent>")).toString(), storedDpi);
        QCOMPARE(receivedCommands(), QStringList{command});
    }

    void unreadableFontconfigFileIsKept()
    {
        const QByteArray broken = "<fontconfig>\n <match target=\"font\">\n";
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile(), broken));
        setAppSettings({{QStringLiteral("useAASettings"), QStringLiteral("enabled")}});
        LoadedPage p;
        DialogAnswerer answerer({QMessageBox::Ok, QMessageBox::Ok});
        p.setAA(true, QStringLiteral("BGR"), QStringLiteral("Full"));
        StderrCapture capture;
        p.page->save();
        capture.finish();

        const QStringList titles{QStringLiteral("Font Settings"), QStringLiteral("Font Settings Changed")};
        QCOMPARE(answerer.titles(), titles);
        QVERIFY2(answerer.seen.front().contains(fcsandbox::userFile()), qPrintable(answerer.seen.front()));
        QCOMPARE(vyrtest::readFile(fcsandbox::userFile()), broken);
    }

    void mergesFileChangedOnDisk()
    {
        // Given the page loaded over the file written for "Enabled, RGB, slight"
        QVERIFY(vyrtest::writeFile(fcsandbox::userFile(),
                                   vyrtest::readFile(QFINDTESTDATA("../backend/data/enabled-rgb-slight.conf"))));
        setAppSettings({{QStringLiteral("useAASettings"), QStringLiteral("enabled")}});
        LoadedPage p;
        // When someone else adds a rule before the page saves full hinting
        QByteArray outside = vyrtest::readFile(fcsandbox::userFile());
        const QByteArray rule = "<alias>\n  <family>monospace</family>\n  <prefer>\n   <family>Inconsolata</family>\n";
        outside.replace("</fontconfig>", " " + rule + "  </prefer>\n </alias>\n</fontconfig>");
        QFile file(fcsandbox::userFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(outside);
        // A later time than the page read, without waiting for the clock.
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(3600), QFileDevice::FileModificationTime));
        file.close();
        DialogAnswerer answerer({QMessageBox::Ok});
        p.setAA(true, QStringLiteral("RGB"), QStringLiteral("Full"));
        StderrCapture capture;
        p.page->save();
        const QByteArray err = capture.finish();

        // Then both changes are in the file
        QVERIFY2(err.contains("vyr-admin-theme: font config file was rewritten since we last read!\n"), err);
        const QByteArray written = vyrtest::readFile(fcsandbox::userFile());
        QVERIFY2(written.contains(rule), written);
        QVERIFY2(written.contains("<const>hintfull</const>"), written);
        QVERIFY2(!written.contains("hintslight"), written);
        QCOMPARE(answerer.titles(), QStringList{QStringLiteral("Font Settings Changed")});
    }
};

int main(int argc, char *argv[])
{
    vyrtest::setupEnvironment();
    if (!fcsandbox::setUp()) {
        std::fprintf(stderr, "test_fontpage: needs fonts-dejavu-core and fonts-inconsolata\n");
        return 1;
    }
    // The page changes the server's resource database: use a server of our own.
    PrivateXServer server;
    if (!server.start()) {
        std::fprintf(stderr, "test_fontpage: cannot start Xvfb\n");
        return 1;
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QCoreApplication::setOrganizationName(QStringLiteral("orlenvask"));
    QCoreApplication::setApplicationName(QStringLiteral("vyr-admin-theme"));
    TestFontPage tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "test_fontpage.moc"
