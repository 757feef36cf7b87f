// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrfilechooser.h"

#include <QFileDialog>
#include <QFileInfo>

#include <utility>

namespace {
VyrFileChooser &installedChooser()
{
    static VyrFileChooser chooser;
    return chooser;
}

QString askWithDialog(QWidget *parent, VyrFileRequest &request)
{
    QFileDialog dialog(parent, request.title, request.directory, request.filter);
    if (request.nonNative)
        dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (request.detailView)
        dialog.setViewMode(QFileDialog::Detail);
    switch (request.mode) {
    case VyrFileRequest::ExistingFile:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case VyrFileRequest::AnyFile:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    case VyrFileRequest::SaveFile:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        break;
    case VyrFileRequest::Directory:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    if (request.size.isValid())
        dialog.resize(request.size);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    request.size = dialog.size();
    if (!chosen || dialog.selectedFiles().isEmpty())
        return QString();
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}
}

QString vyrChooseFile(QWidget *parent, VyrFileRequest &request)
{
    if (const VyrFileChooser &chooser = installedChooser())
        return chooser(parent, request);
    return askWithDialog(parent, request);
}

VyrFileChooser vyrSetFileChooser(VyrFileChooser chooser)
{
    return std::exchange(installedChooser(), std::move(chooser));
}
