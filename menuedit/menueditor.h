// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class QCheckBox;
class VyrMenuDialog;

/**
 * vyr-menuedit: opens the menu dialog on a desktop-entry collection and,
 * for the start menu and the toolbar, offers the window manager's classic
 * start menu. After an accepted dialog the options go to the theme file,
 * the toolbar's start item and sort order, the autostart of the menu
 * programs and the running window manager.
 */
class MenuEditor : public QObject
{
    Q_OBJECT
public:
    /// prepare() result that means: go on and show the dialog.
    static constexpr int Continue = -1;
    /// Exit statuses.
    enum Status { Done = 0, Usage = 1, Declined = 2, CannotCreate = 3 };

    MenuEditor();
    ~MenuEditor() override;

    /**
     * Handles the command line (without the program name) and builds the
     * dialog. Returns Continue, or the exit status when the program ends
     * here (usage printed, a missing directory not created).
     */
    int prepare(const QStringList &arguments);

    VyrMenuDialog *dialog() const;
    /// The option check boxes; null unless the start menu or toolbar is edited.
    QCheckBox *classicMenuCheck() const;
    QCheckBox *tooltipsCheck() const;
    /// The entry given on the command line, empty when none.
    QString entryToSelect() const;

    /// Shows the dialog, runs until it closes and finishes; the exit status.
    int run();
    /// Stores the geometry and, when @p result is QDialog::Accepted, carries
    /// the options over. Returns the exit status.
    int finish(int result);

    /// "/usr/bin/vyr-start-menu" and "/usr/bin/vyr-start-panel" on this machine.
    static QString menuProgramPath();
    static QString panelProgramPath();

private:
    void addOptions();
    void restoreGeometry();
    void saveGeometry();
    void applyOptions();
    void applyClassicMenu(bool on);

    std::unique_ptr<VyrMenuDialog> m_dialog;
    QPointer<QCheckBox> m_classic;
    QPointer<QCheckBox> m_tooltips;
    QString m_entry;
    bool m_storedClassic = false;
    bool m_storedTooltips = false;
    bool m_haveMenu = false;
    bool m_havePanel = false;
};
