// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "soundpage.h"
#include "ui_soundpage.h"

#include <eventsounds.h>
#include <lockedvalue.h>
#include <themesettings.h>
#include <vyrfilechooser.h>
#include <vyrinit.h>

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QSignalBlocker>

#include <cstdio>

namespace {
const QString s_soundTheme = QStringLiteral("SoundTheme");
const QString s_enableSound = QStringLiteral("EnableSound");

enum Column { EventColumn = 0, FileColumn = 1, KeyColumn = 2, CommentColumn = 3 };
}

SoundPage::SoundPage(ThemeSettings *settings, QWidget *parent)
    : AdminThemeKCM(settings, parent)
    , m_sounds(std::make_unique<EventSounds>())
{
    EventSounds::setEventRoleEnvironment();
}

SoundPage::~SoundPage()
{
    if (m_player) {
        m_player->disconnect(this);
        m_player->kill();
        m_player->waitForFinished(3000);
    }
    if (m_waitCursor)
        QApplication::restoreOverrideCursor();
}

void SoundPage::buildForm()
{
    if (m_ui)
        return;
    setupForm(m_ui);
    for (const SoundEvent &event : EventSounds::events()) {
        auto *item = new QTreeWidgetItem(m_ui->soundListView);
        item->setText(EventColumn, tr(event.label));
        item->setText(KeyColumn, QLatin1String(event.key));
        if (event.toolTip)
            item->setToolTip(EventColumn, tr(event.toolTip));
    }
    const int side = vyrDpiScaled(32);
    const std::pair<QToolButton *, const char *> icons[] = {
        {m_ui->selectSoundButton, "document-open"},  {m_ui->removeSoundButton, "edit-delete"},
        {m_ui->restoreSoundButton, "edit-undo"},     {m_ui->playButton, "media-playback-start"},
        {m_ui->stopButton, "media-playback-stop"},
    };
    for (const auto &icon : icons) {
        icon.first->setIcon(QIcon::fromTheme(QLatin1String(icon.second)));
        icon.first->setIconSize(QSize(side, side));
    }
    m_ui->soundListView->hideColumn(KeyColumn);
    m_ui->mixerButton->hide();
    m_ui->soundListView->resizeColumnToContents(EventColumn);

    connect(m_ui->selectSoundButton, &QToolButton::released, this, &SoundPage::openItem);
    connect(m_ui->removeSoundButton, &QToolButton::released, this, &SoundPage::clearItem);
    connect(m_ui->restoreSoundButton, &QToolButton::released, this, &SoundPage::restoreItem);
    connect(m_ui->playButton, &QToolButton::released, this, &SoundPage::playItem);
    connect(m_ui->stopButton, &QToolButton::released, this, &SoundPage::stopItem);
}

void SoundPage::load()
{
    buildForm();
    QApplication::setOverrideCursor(Qt::WaitCursor);

    const QString noTheme = tr("No theme");
    m_ui->soundThemeCombo->clear();
    m_ui->soundThemeCombo->addItem(noTheme, noTheme);
    const QVector<SoundThemeChoice> themes = EventSounds::installedThemes();
    m_themeLocked = false;
    if (!themes.isEmpty()) {
        m_themeLocked = settings()->isLocked(s_soundTheme);
        const QString stored = lockedValue(*settings(), s_soundTheme, QString(), {m_ui->soundThemeCombo}).toString();
        for (const SoundThemeChoice &choice : themes) {
            m_ui->soundThemeCombo->addItem(choice.displayName, choice.name);
            if (choice.name == stored)
                m_ui->soundThemeCombo->setCurrentIndex(m_ui->soundThemeCombo->count() - 1);
        }
    }

    const QString enabled
        = lockedValue(*settings(), s_enableSound, QStringLiteral("false"), {m_ui->wmSoundsGroupBox}).toString();
    {
        // A second load must not count the loaded state as an edit.
        const QSignalBlocker blocker(m_ui->wmSoundsGroupBox);
        m_ui->wmSoundsGroupBox->setChecked(EventSounds::isEnabledValue(enabled));
    }

    const QVector<SoundEvent> &events = EventSounds::events();
    for (int row = 0; row < events.size(); ++row)
        m_sounds->setFile(row, settings()->value(QLatin1String(events.at(row).key), QString()).toString());

    if (!m_connected) {
        m_connected = true;
        connect(m_ui->wmSoundsGroupBox, &QGroupBox::toggled, this, &SoundPage::soundEnabled);
        connect(m_ui->wmSoundsGroupBox, &QGroupBox::toggled, this, &SoundPage::markAsChanged);
        connect(m_ui->soundThemeCombo, qOverload<int>(&QComboBox::activated), this, &SoundPage::themeSelected);
        connect(m_ui->soundListView, &QTreeWidget::itemSelectionChanged, this, &SoundPage::itemSelected);
        connect(m_ui->soundListView, &QTreeWidget::itemDoubleClicked, this, &SoundPage::openItem);
        connect(m_ui->clearSoundsButton, &QPushButton::clicked, this, &SoundPage::clearAll);
        connect(m_ui->defaultSoundsButton, &QPushButton::clicked, this, &SoundPage::defaultAll);
    }

    // Stored values that name no existing file are shown (and later saved) empty.
    const QString themeName = m_ui->soundThemeCombo->currentData().toString();
    const bool themeLoaded = applyTheme(m_ui->soundThemeCombo->currentIndex(), true);
    QTreeWidgetItem *top = m_ui->soundListView->itemAt(0, 0);
    if (!top)
        top = m_ui->soundListView->topLevelItem(0);
    if (top)
        m_ui->soundListView->setCurrentItem(top);
    // The row buttons follow the rows as filled, not as stored.
    soundEnabled(m_ui->wmSoundsGroupBox->isChecked());
    AdminThemeKCM::load();
    QApplication::restoreOverrideCursor();

    if (!themeLoaded)
        QMessageBox::warning(this, tr("Warning"), tr("Can't load sound theme '%1'").arg(themeName));
    askAboutFormats();
    if (!EventSounds::hasSoundPlayer()) {
        QMessageBox::warning(this, tr("Attention"),
                             tr("Can't find sound player, i.e. 'play' or 'sndfile-play' command.\n"
                                "Ask administrator to install 'sox' or 'sndfile-programs' package."),
                             QMessageBox::Close);
    }
}

void SoundPage::save()
{
    if (m_ui) {
        const QVector<SoundSaveEntry> entries = m_sounds->saveEntries(m_ui->wmSoundsGroupBox->isChecked());
        for (const SoundSaveEntry &entry : entries) {
            if (entry.boolean)
                saveBool(settings(), entry.key, entry.defaultValue, entry.value == QLatin1String("true"), true);
            else
                saveString(settings(), entry.key, entry.defaultValue, entry.value, true);
        }
        // The notification daemon reads the sounds only at start; its
        // session restarts it.
        const QStringList restart = EventSounds::notifyDaemonRestartCommand();
        if (!restart.isEmpty())
            QProcess::startDetached(restart.first(), restart.mid(1));
    }
    AdminThemeKCM::save();
}

bool SoundPage::applyTheme(int index, bool keepCurrent)
{
    QString name;
    if (index > 0) {
        const QString data = m_ui->soundThemeCombo->itemData(index).toString();
        if (data != tr("No theme"))
            name = data;
    }
    const bool loaded = m_sounds->selectTheme(name);
    m_sounds->fillSoundList(false, keepCurrent);
    showRows();
    return loaded;
}

void SoundPage::themeSelected(int index)
{
    if (!applyTheme(index, false)) {
        QMessageBox::warning(this, tr("Warning"),
                             tr("Can't load sound theme '%1'").arg(m_ui->soundThemeCombo->itemData(index).toString()));
    }
    askAboutFormats();
    itemSelected();
    markAsChanged();
}

void SoundPage::showRow(int row)
{
    QTreeWidgetItem *item = m_ui->soundListView->topLevelItem(row);
    if (!item || row >= m_sounds->rows().size())
        return;
    const EventSounds::Row &values = m_sounds->rows().at(row);
    item->setText(FileColumn, values.file);
    item->setText(CommentColumn, values.comment);
    for (int column : {EventColumn, FileColumn, CommentColumn})
        item->setToolTip(column, values.comment);
}

void SoundPage::showRows()
{
    for (int row = 0; row < m_sounds->rows().size(); ++row)
        showRow(row);
}

void SoundPage::askAboutFormats()
{
    const QString theme = m_sounds->takeFormatNotice();
    if (theme.isEmpty())
        return;
    QMessageBox::question(this, tr("Attention"),
                          tr("Not all files in theme '%1' are in supported formats (wav, ogg)\n"
                             "You should convert them to wav.")
                              .arg(theme),
                          QMessageBox::Ok);
}

int SoundPage::selectedRow() const
{
    if (!m_ui)
        return -1;
    const QList<QTreeWidgetItem *> selected = m_ui->soundListView->selectedItems();
    return selected.isEmpty() ? -1 : m_ui->soundListView->indexOfTopLevelItem(selected.first());
}

void SoundPage::soundDisabled(bool disabled)
{
    if (!m_ui || m_player)
        return; // while a sound plays only Stop is offered; the end of play sets the rest
    m_ui->clearSoundsButton->setEnabled(!disabled);
    m_ui->defaultSoundsButton->setEnabled(!disabled);
    m_ui->soundListView->setEnabled(!disabled);
    const SoundButtonStates states = m_sounds->buttonStates(disabled, selectedRow());
    m_ui->selectSoundButton->setEnabled(states.select);
    m_ui->removeSoundButton->setEnabled(states.remove);
    m_ui->restoreSoundButton->setEnabled(states.restore);
    m_ui->playButton->setEnabled(states.play);
    m_ui->stopButton->setEnabled(false);
}

void SoundPage::soundEnabled(bool enabled)
{
    soundDisabled(!enabled);
}

void SoundPage::itemSelected()
{
    if (m_ui)
        soundEnabled(m_ui->wmSoundsGroupBox->isChecked());
}

void SoundPage::openItem()
{
    const int row = selectedRow();
    if (row < 0 || m_player)
        return;
    VyrFileRequest request;
    request.mode = VyrFileRequest::ExistingFile;
    request.title = tr("Open File");
    request.directory = m_sounds->openDirectory(row);
    request.filter = tr("Sounds (*.wav *.au *.ogg *.oga)");
    const QString path = vyrChooseFile(this, request);
    if (path.isEmpty())
        return;
    m_sounds->chooseFile(row, path);
    showRow(row);
    itemSelected();
    markAsChanged();
}

void SoundPage::clearItem()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_sounds->restoreRow(row);
    showRow(row);
    askAboutFormats();
    itemSelected();
    markAsChanged();
}

void SoundPage::restoreItem()
{
    clearItem();
}

void SoundPage::playItem()
{
    const int row = selectedRow();
    if (row < 0 || m_player)
        return;
    const SoundPlayCommand command = m_sounds->playCommand(row);
    if (command.status == SoundPlayCommand::NoSound)
        return;
    m_ui->playButton->setEnabled(false);
    switch (command.status) {
    case SoundPlayCommand::MissingFile:
        QMessageBox::critical(this, tr("Error"), tr("Sound '%1' doesn't exist").arg(command.subject));
        itemSelected();
        return;
    case SoundPlayCommand::MissingPlayer:
        QMessageBox::critical(this, tr("Error"), tr("Program %1 not found").arg(command.subject));
        itemSelected();
        return;
    case SoundPlayCommand::NoPlayer:
        std::fprintf(stderr, "vyr-admin-theme: no player to play sound %s\n", qPrintable(command.subject));
        itemSelected();
        return;
    case SoundPlayCommand::NoSound:
    case SoundPlayCommand::Ready:
        break;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_waitCursor = true;
    auto *process = new QProcess(this);
    m_player = process;
    process->setProgram(command.program);
    process->setArguments(command.arguments);
    process->setProcessEnvironment(command.environment);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(process, &QProcess::started, this, &SoundPage::playStarted);
    connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this, &SoundPage::playerFinished);
    connect(process, &QProcess::errorOccurred, this, &SoundPage::playerFailed);

    m_ui->stopButton->setEnabled(true);
    for (QWidget *w : std::initializer_list<QWidget *>{m_ui->selectSoundButton, m_ui->removeSoundButton,
                                                       m_ui->restoreSoundButton, m_ui->soundThemeCombo,
                                                       m_ui->defaultSoundsButton, m_ui->clearSoundsButton,
                                                       m_ui->soundListView})
        w->setEnabled(false);
    std::fprintf(stderr, "vyr-admin-theme: execute '%s -q %s'\n", qPrintable(command.program),
                 qPrintable(command.subject));
    process->start();
}

void SoundPage::playStarted()
{
    if (m_waitCursor) {
        m_waitCursor = false;
        QApplication::restoreOverrideCursor();
    }
}

void SoundPage::stopItem()
{
    if (m_player) {
        QProcess *process = m_player;
        process->disconnect(this);
        process->kill();
        process->waitForFinished(3000);
    }
    endPlaying();
}

void SoundPage::endPlaying()
{
    playStarted();
    if (m_player) {
        m_player->disconnect(this);
        m_player->deleteLater();
        m_player = nullptr;
    }
    if (!m_ui)
        return;
    m_ui->soundThemeCombo->setEnabled(!m_themeLocked);
    itemSelected();
}

void SoundPage::playerFailed(QProcess::ProcessError error)
{
    // A crash also ends in finished(); only a failed start ends here alone.
    if (error != QProcess::FailedToStart || !m_player)
        return;
    const QString program = m_player->program();
    endPlaying();
    QMessageBox::critical(this, tr("Error"), tr("Can't start '%1'").arg(program));
}

void SoundPage::playerFinished(int exitCode, QProcess::ExitStatus status)
{
    if (!m_player)
        return;
    const QString program = m_player->program();
    const QString sound = m_player->arguments().value(1);
    endPlaying();
    if (status != QProcess::NormalExit || exitCode != 0) {
        QMessageBox::critical(this, tr("Error"),
                              tr("Program %1 could not play the sound '%2'").arg(program, sound));
    }
}

void SoundPage::callMixer()
{
    if (!QProcess::startDetached(QStringLiteral("kmix"), QStringList()))
        QMessageBox::critical(this, tr("Error"), tr("Can't start 'kmix'"));
}

void SoundPage::clearAll()
{
    m_sounds->fillSoundList(true, false);
    showRows();
    itemSelected();
    markAsChanged();
}

void SoundPage::defaultAll()
{
    m_sounds->fillSoundList(false, false);
    showRows();
    askAboutFormats();
    itemSelected();
    markAsChanged();
}

QString SoundPage::GetFileForSound(const QString &soundName)
{
    const QString path = m_sounds->GetFileForSound(soundName);
    askAboutFormats();
    return path;
}

QString SoundPage::GetDefaultSoundForParam(const QString &paramName, bool complete)
{
    return m_sounds->GetDefaultSoundForParam(paramName, complete);
}

QString SoundPage::GetCommentForFile(const QFileInfo &finfo)
{
    return EventSounds::GetCommentForFile(finfo);
}
