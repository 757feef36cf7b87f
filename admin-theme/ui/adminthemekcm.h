// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <KCModule>

#include <memory>

class ThemeSettings;

/**
 * Base of the pages of the settings window. The dialog talks to a page only
 * through load(), save(), defaults(), the changed(bool) signal and the two
 * flags below.
 *
 * A page loads when it is first shown, so a page the user never opened is
 * never read or saved. Pages keep their constructors cheap and build their
 * forms in load(); the window must not pay for pages nobody looks at.
 * A page's own load() and save() end by calling this base (which sets the
 * loaded flag and reports "unchanged"); edits are reported with
 * markAsChanged().
 */
class AdminThemeKCM : public KCModule
{
    Q_OBJECT
public:
    /// @p settings is the dialog's theme store (not owned; it outlives the page).
    AdminThemeKCM(ThemeSettings *settings, QWidget *parent);
    ~AdminThemeKCM() override;

    /// load() has run at least once.
    bool isLoaded() const { return m_loaded; }
    /// The state last reported through changed(bool).
    bool isChanged() const { return m_changed; }
    ThemeSettings *settings() const { return m_settings; }

public Q_SLOTS:
    void load() override;
    void save() override;
    void defaults() override;

protected:
    void showEvent(QShowEvent *event) override;

    /// Builds the page's form (a uic class) on the page at the first call.
    template<class Form>
    Form *setupForm(std::unique_ptr<Form> &form)
    {
        if (!form) {
            form = std::make_unique<Form>();
            form->setupUi(this);
        }
        return form.get();
    }

private Q_SLOTS:
    void onChanged(bool state);

private:
    ThemeSettings *const m_settings;
    bool m_loaded = false;
    bool m_changed = false;
};
