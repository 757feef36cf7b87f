// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "selectcommanddialog.h"

#include <vyrfilechooser.h>
#include <vyrmenudialog.h>
#include <vyrpaths.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString settingsGroup = QStringLiteral("SelectCommandDialog");
}

SelectCommandDialog::SelectCommandDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Select Command"));
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Command:"), this));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("commandEdit"));
    row->addWidget(m_edit, 1);
    m_fileButton = new QToolButton(this);
    m_fileButton->setObjectName(QStringLiteral("selectCommandFileButton"));
    m_fileButton->setText(QStringLiteral("..."));
    row->addWidget(m_fileButton);
    m_menuButton = new QToolButton(this);
    m_menuButton->setObjectName(QStringLiteral("selectFromMenuButton"));
    m_menuButton->setIcon(QIcon::fromTheme(QStringLiteral("vyrmenuedit")));
    m_menuButton->setToolTip(tr("Choose a program from the menu"));
    row->addWidget(m_menuButton);
    layout->addLayout(row);
    layout->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_fileButton, &QToolButton::clicked, this, &SelectCommandDialog::selectCommandFile);
    connect(m_menuButton, &QToolButton::clicked, this, &SelectCommandDialog::selectFromMenu);

    QSettings settings;
    settings.beginGroup(settingsGroup);
    const int width = settings.value(QStringLiteral("Width"), 0).toInt();
    const int height = settings.value(QStringLiteral("Height"), 0).toInt();
    if (width > 0 && height > 0)
        resize(width, height);
    else
        resize(480, sizeHint().height());
}

SelectCommandDialog::~SelectCommandDialog()
{
    QSettings settings;
    settings.beginGroup(settingsGroup);
    settings.setValue(QStringLiteral("Width"), width());
    settings.setValue(QStringLiteral("Height"), height());
}

QString SelectCommandDialog::command() const
{
    return m_edit->text().trimmed();
}

void SelectCommandDialog::setCommand(const QString &command)
{
    m_edit->setText(command);
}

void SelectCommandDialog::selectCommandFile()
{
    QSettings settings;
    settings.beginGroup(settingsGroup);
    const QString defaultDir = QStringLiteral("/usr/bin");
    QString dir = settings.value(QStringLiteral("defaultSelectDialogDir")).toString();
    if (dir.isEmpty())
        dir = vyrSystemPath(defaultDir);
    const QSize size = settings.value(QStringLiteral("fileDialogSize"), QSize(600, 400)).toSize();

    for (;;) {
        // Any typed name is accepted: a missing file gets its own question below.
        VyrFileRequest request;
        request.mode = VyrFileRequest::AnyFile;
        request.title = tr("Open executable");
        request.directory = dir;
        request.nonNative = true;
        request.detailView = true;
        request.size = size;
        const QString chosen = vyrChooseFile(this, request);
        settings.setValue(QStringLiteral("fileDialogSize"), request.size);
        if (chosen.isEmpty())
            return;
        const QFileInfo file(chosen);
        const auto chooseAnother = [this](const QString &title, const QString &text) {
            return QMessageBox::warning(this, title, text, QMessageBox::Yes | QMessageBox::Cancel) == QMessageBox::Yes;
        };
        if (!file.exists()) {
            if (chooseAnother(tr("File doesn't exist"),
                              tr("File you have selected doesn't exist. Do you want to choose another one?")))
                continue;
            return;
        }
        if (!file.isFile() || !file.isExecutable()) {
            if (chooseAnother(tr("File isn't executable"),
                              tr("You can't exec selected file. Do you want to choose another one?")))
                continue;
            return;
        }
        const QString path = file.canonicalFilePath();
        settings.setValue(QStringLiteral("defaultSelectDialogDir"), QFileInfo(path).absolutePath());
        // The command line is run by the window manager: a path with blanks
        // or shell characters must stay one word.
        m_edit->setText(shellQuotedPath(path));
        return;
    }
}

void SelectCommandDialog::selectFromMenu()
{
    VyrMenuDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString exec = dialog.selectedItemExec();
    if (!exec.isEmpty())
        m_edit->setText(exec);
}

QString shellQuotedPath(const QString &path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}
