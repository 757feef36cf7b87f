// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sessionsettingsdialog.h"

#include "vyrfileio.h"
#include "vyrhelp.h"
#include "vyrinidocument.h"
#include "vyrwmcommand.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QVBoxLayout>

#include <cstdio>

SessionSettingsDialog::SessionSettingsDialog(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    buildControls();
    setWindowIcon(QIcon::fromTheme(QStringLiteral("system-switch-user")));
    // Without a readable file the controls show the defaults, which the
    // first save then writes.
    setValues(SessionValues());
    load();

    connect(m_buttons, &QDialogButtonBox::helpRequested, this, &SessionSettingsDialog::helpSlot);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &SessionSettingsDialog::okSlot);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &SessionSettingsDialog::cancelSlot);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &SessionSettingsDialog::applySlot);
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &SessionSettingsDialog::helpSlot);

    for (QCheckBox *box : {m_exitDialog, m_confirmDialog})
        connect(box, &QCheckBox::toggled, this, &SessionSettingsDialog::changedSlot);
    connect(m_sessionManagement, &QGroupBox::toggled, this, &SessionSettingsDialog::changedSlot);
    for (QComboBox *combo : {m_loginMode, m_shutdownType})
        connect(combo, qOverload<int>(&QComboBox::activated), this, &SessionSettingsDialog::changedSlot);
    for (QLineEdit *line : {m_excludeApps, m_remoteCommand, m_remoteUser})
        connect(line, &QLineEdit::textChanged, this, &SessionSettingsDialog::changedSlot);

    restoreGeometry();
}

SessionSettingsDialog::~SessionSettingsDialog()
{
    saveGeometry();
}

void SessionSettingsDialog::buildControls()
{
    setWindowTitle(tr("Session management"));
    auto *layout = new QVBoxLayout(this);

    m_exitDialog = new QCheckBox(tr("&Exit Dialog"), this);
    m_exitDialog->setObjectName(QStringLiteral("exitDialogCheck"));
    m_exitDialog->setToolTip(tr("<html><head/><body><p>Use dialog at exit to select exit action.</p><p>If dialog is "
                                "not used then the last exit action will be done at exit.</p></body></html>"));
    m_confirmDialog = new QCheckBox(tr("Con&firm Dialog"), this);
    m_confirmDialog->setObjectName(QStringLiteral("confirmDialogCheck"));
    m_confirmDialog->setToolTip(tr("Use confirmation dialog if there are open applications at exit"));
    layout->addWidget(m_exitDialog);
    layout->addWidget(m_confirmDialog);

    m_sessionManagement = new QGroupBox(tr("Session &Management"), this);
    m_sessionManagement->setObjectName(QStringLiteral("sessionManagementGroup"));
    m_sessionManagement->setCheckable(true);
    m_sessionManagement->setToolTip(tr("Use session management, i.e. save-restore session routines at startup-logout"));
    auto *form = new QFormLayout(m_sessionManagement);
    m_loginMode = new QComboBox(m_sessionManagement);
    m_loginMode->setObjectName(QStringLiteral("loginModeCombo"));
    m_loginMode->addItems({tr("Restore session saved at logout"), tr("Restore manually saved session"),
                           tr("Start with an empty session")});
    m_loginMode->setToolTip(tr("<html><head/><body><p>Action at login.</p></body></html>"));
    form->addRow(tr("Login mode"), m_loginMode);
    m_shutdownType = new QComboBox(m_sessionManagement);
    m_shutdownType->setObjectName(QStringLiteral("shutdownTypeCombo"));
    m_shutdownType->addItems({tr("Default"), tr("None (logout)"), tr("Restart computer"), tr("Turn off computer")});
    m_shutdownType->setToolTip(tr("<html><head/><body><p>Action at exit.</p></body></html>"));
    form->addRow(tr("Shutdown type"), m_shutdownType);
    m_excludeApps = new QLineEdit(m_sessionManagement);
    m_excludeApps->setObjectName(QStringLiteral("excludeAppsEdit"));
    const QString excludeHelp =
        tr("Here you can enter a colon or comma separated list of applications that should not be saved in "
           "sessions, and therefore will not be started when restoring a session. For example 'xterm:konsole' or "
           "'xterm,konsole'.");
    m_excludeApps->setToolTip(excludeHelp);
    m_excludeApps->setWhatsThis(excludeHelp);
    auto *excludeLabel = new QLabel(tr("Applications to be e&xcluded from sessions:"), m_sessionManagement);
    excludeLabel->setBuddy(m_excludeApps);
    form->addRow(excludeLabel);
    form->addRow(m_excludeApps);
    layout->addWidget(m_sessionManagement);

    auto *remote = new QFormLayout;
    m_remoteCommand = new QLineEdit(this);
    m_remoteCommand->setObjectName(QStringLiteral("remoteCommandEdit"));
    m_remoteCommand->setToolTip(tr("Remote command string to start applications on remote hosts. \nIt will be "
                                   "extended by remote user name and host. Default: ssh.\n"));
    remote->addRow(tr("Remote command:"), m_remoteCommand);
    m_remoteUser = new QLineEdit(this);
    m_remoteUser->setObjectName(QStringLiteral("remoteUserEdit"));
    m_remoteUser->setToolTip(tr("Default remote user name.\n"
                                "It is inserted into the remote command string as user@host command.\n"
                                "With the command ssh this field may stay empty when ssh's configuration\n"
                                "sets user names per host or the remote user name equals the local one."));
    remote->addRow(tr("Remote user:"), m_remoteUser);
    layout->addLayout(remote);
    layout->addStretch(1);

    m_buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Close | QDialogButtonBox::Help, this);
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(m_buttons);
}

SessionValues SessionSettingsDialog::values() const
{
    SessionValues v;
    v.useExitDialog = m_exitDialog->isChecked();
    v.useConfirmDialog = m_confirmDialog->isChecked();
    v.useSM = m_sessionManagement->isChecked();
    v.loginMode = m_loginMode->currentIndex();
    v.shutdownType = m_shutdownType->currentIndex();
    v.excludeApps = m_excludeApps->text();
    v.remoteExecCmd = m_remoteCommand->text();
    v.remoteUserName = m_remoteUser->text();
    return v;
}

void SessionSettingsDialog::setValues(const SessionValues &v)
{
    m_exitDialog->setChecked(v.useExitDialog);
    m_confirmDialog->setChecked(v.useConfirmDialog);
    m_sessionManagement->setChecked(v.useSM);
    m_loginMode->setCurrentIndex(v.loginMode < m_loginMode->count() ? v.loginMode : -1);
    // A stored action the list does not offer ("logout") selects no entry.
    m_shutdownType->setCurrentIndex(v.shutdownType < m_shutdownType->count() ? v.shutdownType : -1);
    m_excludeApps->setText(v.excludeApps);
    m_remoteCommand->setText(v.remoteExecCmd);
    m_remoteUser->setText(v.remoteUserName);
}

static bool readSessionFile(VyrIniDocument &doc, const QString &path)
{
    return !path.isEmpty() && doc.loadFile(path);
}

bool SessionSettingsDialog::load()
{
    const QString path = sessionFilePath();
    VyrIniDocument doc(VyrIniDocument::CaseInsensitive);
    if (!readSessionFile(doc, path)) {
        QMessageBox::critical(this, tr("Error"), tr("Can't open '%1'").arg(path), QMessageBox::Ok);
        return false;
    }
    setValues(readSessionValues(doc));
    setChangesPending(false);
    return true;
}

bool SessionSettingsDialog::save()
{
    const QString path = sessionFilePath();
    QList<SessionChange> changes;
    QString error;
    if (!saveSessionFile(path, values(), &changes, &error)) {
        std::fprintf(stderr, "vyr-admin-session: Can't save file %s\n", qPrintable(path));
        QMessageBox::critical(this, tr("Error"), error);
        return false;
    }
    for (const SessionChange &change : qAsConst(changes)) {
        if (change.key == QLatin1String("UseSM")) {
            QMessageBox::warning(this, tr("Attention"),
                                 (change.text == QLatin1String("true") ? tr("Activation") : tr("Deactivation"))
                                     + tr(" of session management will be done after relogin only"),
                                 QMessageBox::Close);
        }
    }
    // Announced only once the file holds the values, so that the window
    // manager and the file never disagree.
    for (const SessionChange &change : qAsConst(changes)) {
        if (change.notify)
            vyrSendWmCommand(sessionCommand(change));
    }
    setChangesPending(false);
    return true;
}

void SessionSettingsDialog::setChangesPending(bool pending)
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(pending);
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(pending);
}

void SessionSettingsDialog::changedSlot()
{
    setChangesPending(true);
}

void SessionSettingsDialog::okSlot()
{
    if (save())
        accept();
}

void SessionSettingsDialog::applySlot()
{
    save();
}

void SessionSettingsDialog::cancelSlot()
{
    reject();
}

void SessionSettingsDialog::helpSlot()
{
    vyrHelpShow(QString());
}

bool SessionSettingsDialog::messageReceived(const QString &)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    return true;
}

bool SessionSettingsDialog::askToSave()
{
    if (!m_buttons->button(QDialogButtonBox::Ok)->isEnabled())
        return true;
    const auto answer = QMessageBox::question(this, tr("Save ?"), tr("Save changes?"),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return false;
    return answer != QMessageBox::Yes || save();
}

void SessionSettingsDialog::reject()
{
    // Close, Escape and the window's close button all end here.
    if (askToSave())
        QDialog::reject();
}

void SessionSettingsDialog::restoreGeometry()
{
    const QSettings settings;
    QSize size = settings.value(QStringLiteral("size"), this->size()).toSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
    if (settings.value(QStringLiteral("maximized"), false).toBool())
        setWindowState(windowState() | Qt::WindowMaximized);
}

void SessionSettingsDialog::saveGeometry() const
{
    QSettings settings;
    const bool maximized = isMaximized();
    if (!maximized)
        settings.setValue(QStringLiteral("size"), size());
    settings.setValue(QStringLiteral("maximized"), maximized);
}
