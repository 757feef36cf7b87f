// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The floor of the settings window's start: a dialog with a page list of
// seven empty pages and a button box, nothing else.

#include <KPageWidget>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QVBoxLayout>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *pages = new KPageWidget(&dialog);
    for (const char *name : {"Wallpaper", "Theme", "Fonts", "Screensaver", "Effects", "Sounds", "Programs"})
        pages->addPage(new QWidget(pages), QString::fromLatin1(name));
    layout->addWidget(pages);
    layout->addWidget(new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel | QDialogButtonBox::Help, &dialog));
    dialog.resize(720, 540);
    dialog.show();
    return app.exec();
}
