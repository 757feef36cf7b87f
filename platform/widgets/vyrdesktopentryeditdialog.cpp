// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrdesktopentryeditdialog.h"
#include "vyrdesktopentry.h"
#include "vyrfilechooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString s_application = QStringLiteral("Application");
const QString s_link = QStringLiteral("Link");
const QString s_directory = QStringLiteral("Directory");
constexpr int s_previewSize = 48;
}

struct VyrDesktopEntryEditDialog::Private {
    std::unique_ptr<VyrDesktopEntry> entry;
    bool hasPosition = false;
    int x = 0;
    int y = 0;
    QString monitor;
    QString shownName;
    QString shownComment;

    QComboBox *type = nullptr;
    QLineEdit *name = nullptr;
    QLineEdit *comment = nullptr;
    QLabel *commandLabel = nullptr;
    QLineEdit *command = nullptr;
    QToolButton *commandBrowse = nullptr;
    QLineEdit *icon = nullptr;
    QToolButton *iconButton = nullptr;
    QCheckBox *terminal = nullptr;
    QLabel *error = nullptr;
};

VyrDesktopEntryEditDialog::VyrDesktopEntryEditDialog(QWidget *parent)
    : QDialog(parent)
    , d(std::make_unique<Private>())
{
    auto *form = new QFormLayout;

    d->type = new QComboBox(this);
    d->type->setObjectName(QStringLiteral("type"));
    d->type->addItem(tr("Application"), s_application);
    d->type->addItem(tr("Link"), s_link);
    d->type->addItem(tr("Directory"), s_directory);
    form->addRow(tr("&Type:"), d->type);

    d->name = new QLineEdit(this);
    d->name->setObjectName(QStringLiteral("name"));
    form->addRow(tr("&Name:"), d->name);

    d->comment = new QLineEdit(this);
    d->comment->setObjectName(QStringLiteral("comment"));
    form->addRow(tr("&Comment:"), d->comment);

    d->command = new QLineEdit(this);
    d->command->setObjectName(QStringLiteral("command"));
    d->commandBrowse = new QToolButton(this);
    d->commandBrowse->setObjectName(QStringLiteral("commandBrowse"));
    d->commandBrowse->setText(tr("…"));
    d->commandBrowse->setToolTip(tr("Choose a program"));
    auto *commandRow = new QHBoxLayout;
    commandRow->addWidget(d->command);
    commandRow->addWidget(d->commandBrowse);
    d->commandLabel = new QLabel(this);
    d->commandLabel->setBuddy(d->command);
    form->addRow(d->commandLabel, commandRow);

    d->icon = new QLineEdit(this);
    d->icon->setObjectName(QStringLiteral("icon"));
    d->icon->setPlaceholderText(tr("Icon name or file"));
    d->iconButton = new QToolButton(this);
    d->iconButton->setObjectName(QStringLiteral("iconButton"));
    d->iconButton->setToolTip(tr("Choose an icon file"));
    d->iconButton->setIconSize(QSize(s_previewSize, s_previewSize));
    d->iconButton->setMinimumSize(s_previewSize + 8, s_previewSize + 8);
    auto *iconRow = new QHBoxLayout;
    iconRow->addWidget(d->iconButton);
    iconRow->addWidget(d->icon, 1);
    // A row of a layout gets no buddy from the form: give its label one.
    auto *iconLabel = new QLabel(tr("&Icon:"), this);
    iconLabel->setBuddy(d->icon);
    form->addRow(iconLabel, iconRow);

    d->terminal = new QCheckBox(tr("Run in &terminal"), this);
    d->terminal->setObjectName(QStringLiteral("terminal"));
    form->addRow(QString(), d->terminal);

    d->error = new QLabel(this);
    d->error->setObjectName(QStringLiteral("error"));
    d->error->setWordWrap(true);
    d->error->setStyleSheet(QStringLiteral("color: #c0392b;"));
    d->error->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &VyrDesktopEntryEditDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &VyrDesktopEntryEditDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(d->error);
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(d->type, qOverload<int>(&QComboBox::currentIndexChanged), this, &VyrDesktopEntryEditDialog::updateKind);
    connect(d->icon, &QLineEdit::textChanged, this, &VyrDesktopEntryEditDialog::updateIconPreview);
    connect(d->iconButton, &QToolButton::clicked, this, &VyrDesktopEntryEditDialog::chooseIcon);
    connect(d->commandBrowse, &QToolButton::clicked, this, &VyrDesktopEntryEditDialog::chooseCommand);
    const auto markModified = [this] { setWindowModified(true); };
    for (QLineEdit *edit : {d->name, d->comment, d->command, d->icon})
        connect(edit, &QLineEdit::textEdited, this, markModified);
    connect(d->type, qOverload<int>(&QComboBox::activated), this, markModified);
    connect(d->terminal, &QCheckBox::toggled, this, markModified);

    updateKind();
    setMinimumWidth(420);
    // The placeholder lets the title show unsaved edits.
    setWindowTitle(tr("Desktop Entry") + QStringLiteral("[*]"));
}

VyrDesktopEntryEditDialog::~VyrDesktopEntryEditDialog() = default;

bool VyrDesktopEntryEditDialog::setDesktopEntryPath(const QString &path, bool create, const QString &patternPath)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.isDir())
        return false;
    auto entry = std::make_unique<VyrDesktopEntry>(path);
    if (info.exists()) {
        // Whatever else the file is, it is not ours to overwrite.
        if (!entry->load())
            return false;
    } else {
        if (!create || !info.absoluteDir().exists())
            return false;
        if (!patternPath.isEmpty()) {
            auto pattern = std::make_unique<VyrDesktopEntry>(patternPath);
            if (pattern->load()) {
                pattern->setFilePath(path);
                entry = std::move(pattern);
            }
        }
    }
    d->entry = std::move(entry);
    loadFields();
    setWindowModified(!info.exists());
    return true;
}

void VyrDesktopEntryEditDialog::setDesktopEntryCoords(int x, int y, const QString &monitor)
{
    d->hasPosition = true;
    d->x = x;
    d->y = y;
    d->monitor = monitor;
}

QString VyrDesktopEntryEditDialog::desktopEntryPath() const
{
    return d->entry ? d->entry->filePath() : QString();
}

// The key whose translation the user sees ("Comment[de]"), or the plain key.
static QString shownKey(const VyrDesktopEntry &entry, const QString &key)
{
    const QStringList tags = VyrDesktopEntry::localeCandidates();
    for (const QString &tag : tags) {
        const QString localKey = QStringLiteral("%1[%2]").arg(key, tag);
        if (!entry.value(localKey).isEmpty())
            return localKey;
    }
    return key;
}

void VyrDesktopEntryEditDialog::loadFields()
{
    const VyrDesktopEntry &entry = *d->entry;
    QString type = entry.type();
    if (type.isEmpty()) {
        type = QFileInfo(entry.filePath()).fileName() == QLatin1String(".directory") ? s_directory
                                                                                      : s_application;
    }
    int index = d->type->findData(type);
    if (index < 0) {
        // An unknown kind is kept as it is rather than silently converted.
        d->type->addItem(type, type);
        index = d->type->count() - 1;
    }
    d->type->setCurrentIndex(index);

    d->shownName = entry.value(shownKey(entry, QStringLiteral("Name")));
    d->shownComment = entry.value(shownKey(entry, QStringLiteral("Comment")));
    d->name->setText(d->shownName);
    d->comment->setText(d->shownComment);
    d->command->setText(type == s_link ? entry.url() : entry.exec());
    d->icon->setText(entry.icon());
    d->terminal->setChecked(entry.terminal());
    d->error->hide();
    updateKind();
    updateIconPreview();
}

void VyrDesktopEntryEditDialog::updateKind()
{
    const QString type = d->type->currentData().toString();
    const bool application = type == s_application;
    const bool link = type == s_link;
    d->commandLabel->setText(link ? tr("&URL:") : tr("Co&mmand:"));
    d->commandLabel->setVisible(application || link);
    d->command->setVisible(application || link);
    d->commandBrowse->setVisible(application);
    d->terminal->setVisible(application);
}

static QIcon iconFor(const QString &text)
{
    if (text.isEmpty())
        return QIcon();
    if (QFileInfo(text).isAbsolute())
        return QFileInfo(text).isFile() ? QIcon(text) : QIcon();
    return QIcon::fromTheme(text);
}

void VyrDesktopEntryEditDialog::updateIconPreview()
{
    QIcon icon = iconFor(d->icon->text().trimmed());
    if (icon.isNull())
        icon = QIcon::fromTheme(QStringLiteral("unknown"));
    d->iconButton->setIcon(icon);
}

void VyrDesktopEntryEditDialog::chooseIcon()
{
    const QString current = d->icon->text().trimmed();
    const QString start = QFileInfo(current).isAbsolute() ? QFileInfo(current).absolutePath() : QString();
    VyrFileRequest request;
    request.title = tr("Choose an icon");
    request.directory = start;
    request.filter = tr("Images (*.png *.svg *.svgz *.xpm *.ico)");
    const QString file = vyrChooseFile(this, request);
    if (file.isEmpty())
        return;
    d->icon->setText(file);
    setWindowModified(true);
}

void VyrDesktopEntryEditDialog::chooseCommand()
{
    VyrFileRequest request;
    request.title = tr("Choose a program");
    const QString file = vyrChooseFile(this, request);
    if (file.isEmpty())
        return;
    // Exec quoting of the desktop entry format: a path with blanks or
    // quotes must stay one argument.
    QString quoted = file;
    static const QString reserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    if (std::any_of(file.cbegin(), file.cend(), [](QChar c) { return reserved.contains(c); })) {
        quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('"'), QLatin1String("\\\""))
            .replace(QLatin1Char('`'), QLatin1String("\\`"))
            .replace(QLatin1Char('$'), QLatin1String("\\$"));
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    // A lone "%" would start a field code that launchers replace or drop.
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    d->command->setText(quoted);
    setWindowModified(true);
}

void VyrDesktopEntryEditDialog::showError(const QString &text)
{
    d->error->setText(text);
    d->error->setVisible(!text.isEmpty());
}

bool VyrDesktopEntryEditDialog::save()
{
    if (!d->entry) {
        showError(tr("No desktop entry file is open."));
        return false;
    }
    const QString type = d->type->currentData().toString();
    const QString name = d->name->text().trimmed();
    const QString command = d->command->text().trimmed();
    if (name.isEmpty()) {
        showError(tr("The name must not be empty."));
        return false;
    }
    if (type == s_application && command.isEmpty()) {
        showError(tr("Enter the command to run."));
        return false;
    }
    if (type == s_link && command.isEmpty()) {
        showError(tr("Enter the address to open."));
        return false;
    }

    VyrDesktopEntry &entry = *d->entry;
    entry.setType(type);
    if (name != d->shownName)
        entry.setLocalName(name);
    if (d->comment->text().trimmed() != d->shownComment)
        entry.setValue(shownKey(entry, QStringLiteral("Comment")), d->comment->text().trimmed());
    // Empty values are dropped on save, so switching the kind leaves no
    // stale command or address behind.
    entry.setExec(type == s_application ? command : QString());
    entry.setUrl(type == s_link ? command : QString());
    if (type == s_application)
        entry.setTerminal(d->terminal->isChecked());
    else
        entry.setValue(QStringLiteral("Terminal"), QString());
    entry.setIcon(d->icon->text().trimmed());
    if (d->hasPosition) {
        entry.setValue(QString::fromLatin1(positionKey),
                       QStringLiteral("%1;%2;%3").arg(d->x).arg(d->y).arg(d->monitor));
    }
    if (!entry.save(false)) {
        showError(tr("Can't save %1.").arg(entry.filePath()));
        return false;
    }
    d->shownName = name;
    d->shownComment = d->comment->text().trimmed();
    showError(QString());
    setWindowModified(false);
    return true;
}

void VyrDesktopEntryEditDialog::accept()
{
    if (save())
        QDialog::accept();
}
