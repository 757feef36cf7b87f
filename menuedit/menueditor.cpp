// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "menueditor.h"

#include "vyrautostart.h"
#include "vyrdesktopentry.h"
#include "vyrfileio.h"
#include "vyrmenudialog.h"
#include "vyrpaths.h"
#include "vyrsettings.h"
#include "vyrwmcommand.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>

#include <cstdio>

static const QString s_startItem = QStringLiteral("start.desktop");
static const QString s_menuProgram = QStringLiteral("vyr-start-menu");
static const QString s_panelProgram = QStringLiteral("vyr-start-panel");

static QString themeFilePath()
{
    return GetVyrDir(VyrDirUserTheme) + QStringLiteral("/current.themerc");
}

static QString boolText(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

static bool readOption(const VyrSettings &theme, const QString &key)
{
    return theme.value(key, QStringLiteral("false")).toString().contains(QLatin1String("true"), Qt::CaseInsensitive);
}

static bool sameDir(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && QDir::cleanPath(a) == QDir::cleanPath(b);
}

MenuEditor::MenuEditor() = default;
MenuEditor::~MenuEditor() = default;

QString MenuEditor::menuProgramPath()
{
    return vyrSystemPath(QStringLiteral("/usr/bin/vyr-start-menu"));
}

QString MenuEditor::panelProgramPath()
{
    return vyrSystemPath(QStringLiteral("/usr/bin/vyr-start-panel"));
}

int MenuEditor::prepare(const QStringList &arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        const QByteArray usage =
            tr("Usage: vyr-menuedit path - open path as menu or other desktop entry collection\n").toLocal8Bit();
        std::fprintf(stdout, "%s\n", usage.constData());
        std::fflush(stdout);
        return Usage;
    }

    QString dir;
    if (arguments.size() == 1 && arguments.constFirst() != QLatin1String("%d")) {
        const QString path = arguments.constFirst();
        const QFileInfo info(path);
        const QString fileName = info.fileName();
        const bool isEntryFile = fileName.endsWith(QLatin1String(".desktop")) || fileName == QLatin1String(".directory");
        // A path that does not exist and names no entry file is a directory
        // to create, not a file in its parent.
        if (info.isDir() || (!info.exists() && !isEntryFile && !fileName.isEmpty())) {
            dir = info.absoluteFilePath();
        } else {
            dir = info.absolutePath();
            if (isEntryFile)
                m_entry = info.absoluteFilePath();
        }
        dir = QDir::cleanPath(dir);

        if (!QFileInfo(dir).isDir()) {
            const auto answer = QMessageBox::question(nullptr, tr("Warning"),
                                                      tr("Directory %1 doesn't exist. Create?").arg(dir),
                                                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            if (answer != QMessageBox::Yes)
                return Declined;
            if (!QDir().mkpath(dir)) {
                QMessageBox::critical(nullptr, tr("Error"), tr("Can't create directory %1").arg(dir),
                                      QMessageBox::Ok);
                return CannotCreate;
            }
        }

        const QString startMenu = GetVyrDir(VyrDirStartMenu);
        if (!m_entry.isEmpty() && !startMenu.isEmpty()
            && m_entry.startsWith(QDir::cleanPath(startMenu) + QLatin1Char('/')))
            dir = QDir::cleanPath(startMenu);
    }

    m_dialog = std::make_unique<VyrMenuDialog>(dir, 32, true, true, nullptr, Qt::WindowFlags());
    if (!m_entry.isEmpty())
        m_dialog->view()->showAndSelect(m_entry);

    QDialogButtonBox *buttons = m_dialog->buttonBox();
    QPushButton *help = buttons->addButton(QDialogButtonBox::Help);
    connect(help, &QPushButton::clicked, m_dialog.get(), &VyrMenuDialog::helpSlot);
    auto *helpKey = new QShortcut(QKeySequence::HelpContents, m_dialog.get());
    connect(helpKey, &QShortcut::activated, m_dialog.get(), &VyrMenuDialog::helpSlot);
    for (QPushButton *button : {help, buttons->button(QDialogButtonBox::Close)}) {
        if (button) {
            button->setDefault(false);
            button->setAutoDefault(false);
        }
    }

    addOptions();
    return Continue;
}

void MenuEditor::addOptions()
{
    const QString shown = m_dialog->menuDir();
    if (!sameDir(shown, GetVyrDir(VyrDirStartMenu)) && !sameDir(shown, GetVyrDir(VyrDirToolbar)))
        return;

    const VyrSettings theme(themeFilePath());
    m_storedClassic = readOption(theme, QStringLiteral("UseStartButton"));
    m_storedTooltips = readOption(theme, QStringLiteral("TooltipEnabledInStartMenu"));

    m_classic = new QCheckBox(tr("Classic start menu"));
    m_classic->setObjectName(QStringLiteral("classicMenuCheck"));
    m_classic->setChecked(m_storedClassic);
    m_tooltips = new QCheckBox(tr("Tooltips in classic menu"));
    m_tooltips->setObjectName(QStringLiteral("tooltipsCheck"));
    m_tooltips->setChecked(m_storedTooltips);
    m_dialog->buttonBox()->addButton(m_classic, QDialogButtonBox::ActionRole);
    m_dialog->buttonBox()->addButton(m_tooltips, QDialogButtonBox::ActionRole);

    m_haveMenu = QFileInfo::exists(menuProgramPath());
    m_havePanel = QFileInfo::exists(panelProgramPath());
    if (!m_haveMenu && !m_havePanel) {
        // Without a menu program the classic menu is the only start menu.
        if (!m_storedClassic)
            m_classic->setChecked(true);
        else
            m_classic->setEnabled(false);
    }
}

VyrMenuDialog *MenuEditor::dialog() const
{
    return m_dialog.get();
}

QCheckBox *MenuEditor::classicMenuCheck() const
{
    return m_classic;
}

QCheckBox *MenuEditor::tooltipsCheck() const
{
    return m_tooltips;
}

QString MenuEditor::entryToSelect() const
{
    return m_entry;
}

void MenuEditor::restoreGeometry()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("Main"));
    const int width = settings.value(QStringLiteral("width"), 0).toInt();
    const int height = settings.value(QStringLiteral("height"), 0).toInt();
    if (width > 0 && height > 0)
        m_dialog->resize(width, height);
    if (settings.value(QStringLiteral("maximized"), false).toBool())
        m_dialog->setWindowState(m_dialog->windowState() | Qt::WindowMaximized);
}

void MenuEditor::saveGeometry()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("Main"));
    const bool maximized = m_dialog->isMaximized();
    if (!maximized) {
        settings.setValue(QStringLiteral("width"), m_dialog->width());
        settings.setValue(QStringLiteral("height"), m_dialog->height());
    }
    settings.setValue(QStringLiteral("maximized"), maximized);
}

int MenuEditor::run()
{
    restoreGeometry();
    QEventLoop loop;
    connect(m_dialog.get(), &QDialog::finished, &loop, &QEventLoop::quit);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    loop.exec();
    return finish(m_dialog->result());
}

int MenuEditor::finish(int result)
{
    saveGeometry();
    if (result == QDialog::Accepted)
        applyOptions();
    return Done;
}

// Copies a shipped default over the user's file, without a shell. The copy
// is written whole and renamed into place; a user file it replaces (one
// that could not be read as an entry) is kept as "<file>.bak".
static bool copyDefault(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = source.readAll();
    vyrKeepBackup(to);
    return vyrWriteFileAtomically(to, data);
}

void MenuEditor::applyClassicMenu(bool on)
{
    VyrSettings theme(themeFilePath());
    theme.setValue(QStringLiteral("UseStartButton"), boolText(on));
    theme.sync(false);

    const QString toolbar = GetVyrDir(VyrDirToolbar);
    const QString shared = GetVyrDir(VyrDirSharedData);
    VyrDesktopEntry start(toolbar + QLatin1Char('/') + s_startItem);
    if (start.load()) {
        if (start.hidden() != on) {
            start.setHidden(on);
            start.save(false);
        }
    } else if (!on && copyDefault(shared + QStringLiteral("/toolbar/") + s_startItem,
                                  toolbar + QLatin1Char('/') + s_startItem)
               && start.load() && start.hidden()) {
        start.setHidden(false);
        start.save(false);
    }

    if (!on) {
        const QString recordPath = toolbar + QStringLiteral("/.directory");
        VyrDesktopEntry record(recordPath);
        if (!record.load())
            copyDefault(shared + QStringLiteral("/toolbar/.directory"), recordPath);
        if (record.load()) {
            QStringList order = record.sortOrder();
            if (order.value(0) != s_startItem) {
                order.removeAll(s_startItem);
                order.prepend(s_startItem);
                record.setSortOrder(order);
                record.save(false);
            }
        }
    }

    vyrSendWmCommand(QStringLiteral("VYRWM_UPDATE_VAL UseStartButton %1\n").arg(boolText(on)));

    if (on) {
        // The window manager's classic menu replaces the menu program.
        QString running;
        if (m_haveMenu && vyrIsAutostartEnabled(s_menuProgram))
            running = s_menuProgram;
        else if (m_havePanel && vyrIsAutostartEnabled(s_panelProgram))
            running = s_panelProgram;
        if (!running.isEmpty())
            vyrEnableAutostart(running, false, QString(), true);
    } else if (m_haveMenu && !vyrIsAutostartEnabled(s_menuProgram)) {
        vyrEnableAutostart(s_menuProgram, true, QString(), true);
    } else if (m_havePanel && !vyrIsAutostartEnabled(s_panelProgram)) {
        vyrEnableAutostart(s_panelProgram, true, QString(), true);
    }
}

void MenuEditor::applyOptions()
{
    const bool showedStartMenu = sameDir(m_dialog->menuDir(), GetVyrDir(VyrDirStartMenu));
    bool classicChanged = false;
    bool classicOn = false;
    if (m_classic && m_classic->isEnabled() && m_classic->isChecked() != m_storedClassic) {
        classicChanged = true;
        classicOn = m_classic->isChecked();
        applyClassicMenu(classicOn);
    }

    if (m_tooltips && m_tooltips->isChecked() != m_storedTooltips) {
        const QString text = boolText(m_tooltips->isChecked());
        VyrSettings theme(themeFilePath());
        theme.setValue(QStringLiteral("TooltipEnabledInStartMenu"), text);
        theme.sync(false);
        vyrSendWmCommand(QStringLiteral("VYRWM_UPDATE_VAL TooltipEnabledInStartMenu %1\n").arg(text));
    }

    if (!showedStartMenu || !classicChanged)
        return;
    if (classicOn) {
        const QString program = m_haveMenu ? s_menuProgram : (m_havePanel ? s_panelProgram : QString());
        if (!program.isEmpty())
            QProcess::execute(QStringLiteral("killall"), {program});
    } else if (m_haveMenu) {
        QProcess::startDetached(menuProgramPath(), {QStringLiteral("--hide")});
    } else if (m_havePanel) {
        QProcess::startDetached(panelProgramPath(), {QStringLiteral("--hide")});
    }
}
