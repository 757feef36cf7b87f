// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "kfonts.h"
#include "ui_kfonts.h"

#include "fontaasettings.h"
#include "lockedvalue.h"

#include <themesettings.h>
#include <vyrx11.h>

#include <KFontChooser>
#include <KFontChooserDialog>
#include <KFontRequester>

#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

using namespace FontSettings;

namespace {

bool hasDecorations(const QFont &font)
{
    return font.underline() || font.overline() || font.strikeOut();
}

void clearDecorations(QFont &font)
{
    font.setUnderline(false);
    font.setOverline(false);
    font.setStrikeOut(false);
}

void warnDecorations(QWidget *parent)
{
    QMessageBox::warning(parent, KFonts::tr("Attention"),
                         KFonts::tr("Font will be saved and used without underline, overline, strikeout."),
                         QMessageBox::Close);
}

void report(const QString &message)
{
    std::fprintf(stderr, "vyr-admin-theme: %s\n", qPrintable(message));
}

// The DPI the X server's resources give fonts, 0 when none is set.
int xResourceDpi()
{
    Display *display = vyrX11Display();
    if (!display)
        return 0;
    const char *value = XGetDefault(display, "Xft", "dpi");
    return value ? int(std::atof(value)) : 0;
}
}

FontSpec fontSpecFromFont(const QFont &font)
{
    FontSpec spec;
    spec.family = font.family();
    spec.pointSize = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    spec.weight = font.weight();
    spec.italic = font.style() != QFont::StyleNormal;
    return spec;
}

QFont fontFromFontSpec(const FontSpec &spec, const QFont &base)
{
    QFont font = base;
    font.setFamily(spec.family);
    font.setStyleName(QString());
    if (spec.pointSize > 0)
        font.setPointSizeF(spec.pointSize);
    font.setWeight(spec.weight);
    font.setItalic(spec.italic);
    clearDecorations(font);
    return font;
}

KFonts::KFonts(ThemeSettings *settings, QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::KFontsForm>())
    , m_settings(settings)
{
    m_ui->setupUi(this);
    for (const FontEntry &entry : fontEntries()) {
        auto *requester = new KFontRequester(this);
        const QString help = QCoreApplication::translate("FontPage", entry.quickHelp);
        requester->setToolTip(help);
        requester->setWhatsThis(help);
        requester->setObjectName(QLatin1String(entry.key));
        auto *label = new QLabel(QCoreApplication::translate("FontPage", entry.label), this);
        label->setBuddy(requester);
        m_ui->fontsLayout->addRow(label, requester);
        connect(requester, &KFontRequester::fontSelected, this, &KFonts::fontSelected);
        m_requesters << requester;
        m_labels << label;
    }
    m_aaSettings = new FontAASettings(this);

    connect(m_ui->adjustAll, &QPushButton::clicked, this, &KFonts::adjustAllFonts);
    connect(m_ui->aaConfigure, &QPushButton::clicked, this, &KFonts::configureAntiAliasing);
    connect(m_ui->aaMode, qOverload<int>(&QComboBox::currentIndexChanged), this, &KFonts::aaModeChanged);
    connect(m_ui->dpi, qOverload<int>(&QSpinBox::valueChanged), this, [this] { Q_EMIT changed(true); });
}

KFonts::~KFonts() = default;

void KFonts::load()
{
    const QVector<FontEntry> &entries = fontEntries();
    for (int i = 0; i < entries.size(); ++i) {
        const FontEntry &entry = entries[i];
        const QString defaultValue = fontValue(entry.defaultFont);
        const QString stored =
            lockedValue(*m_settings, QLatin1String(entry.key), defaultValue, {m_requesters[i], m_labels[i]}).toString();
        const FontSpec spec = parseFontValue(stored).value_or(entry.defaultFont);
        // The chooser announces every font it is given; a loaded one is no edit.
        const QSignalBlocker blocker(m_requesters[i]);
        m_requesters[i]->setFont(fontFromFontSpec(spec, QFont()));
    }

    QSettings settings;
    m_showDpi = settings.value(QStringLiteral("showForceFontDPI"), false).toBool();
    m_ui->dpiLabel->setVisible(m_showDpi);
    m_ui->dpi->setVisible(m_showDpi);
    int dpi = settings.value(QStringLiteral("forceFontDPI"), 0).toInt();
    if (dpi == 0)
        dpi = xResourceDpi();
    {
        const QSignalBlocker blocker(m_ui->dpi);
        m_ui->dpi->setValue(dpi);
    }
    // Remember what the control shows, which is what an unchanged save keeps.
    m_loadedDpi = dpi;

    m_loadedMode = aaModeFromString(settings.value(QStringLiteral("useAASettings")).toString());
    {
        const QSignalBlocker blocker(m_ui->aaMode);
        m_ui->aaMode->setCurrentIndex(int(m_loadedMode));
    }
    m_ui->aaConfigure->setEnabled(m_loadedMode == AAMode::Enabled);
    m_aaSettings->load();
}

void KFonts::save()
{
    for (int i = 0; i < m_requesters.size(); ++i)
        writeFont(i);

    QSettings settings;
    bool ok = true;
    QString error;
    const int dpi = saveForcedDpi(settings, m_ui->dpi->value(), m_showDpi, m_loadedDpi,
                                  QDir::homePath() + QStringLiteral("/.Xresources"), &ok, &error);
    if (!ok)
        report(error);

    const auto mode = AAMode(m_ui->aaMode->currentIndex());
    settings.setValue(QStringLiteral("useAASettings"), toString(mode));

    bool informationDue = false;
    if (mode != AAMode::System) {
        if (!m_aaSettings->save(mode == AAMode::Enabled, dpi ? dpi : 96, &error)) {
            report(error);
            QMessageBox::warning(this, tr("Font Settings"), error);
        }
        m_loadedMode = mode;
        m_loadedDpi = dpi;
        informationDue = true;
    } else if (!removeUserFontconfigFiles(&error)) {
        report(error);
    }

    if (informationDue)
        QMessageBox::information(
            this, tr("Font Settings Changed"),
            tr("<p>Some changes such as anti-aliasing or DPI will only affect newly started applications.</p>"));

    settings.sync();
    if (!pushXResources(QDir::homePath(), settings, &error))
        report(error);
}

void KFonts::writeFont(int entry)
{
    const QString key = QLatin1String(fontEntries()[entry].key);
    if (m_settings->isLocked(key))
        return;
    QFont font = m_requesters[entry]->font();
    clearDecorations(font);
    const QString value = fontValue(fontSpecFromFont(font));
    // Asking about a font that is stored already could only keep it as it is.
    if (value != m_settings->value(key, QString()).toString() && !passesCyrillicTest(font.family())
        && !askCyrillic(font.family()))
        return;
    // The general font reaches other programs through the appearance
    // writer, after the whole page is saved.
    saveString(m_settings, key, QString(), value, true);
}

bool KFonts::askCyrillic(const QString &family)
{
    return QMessageBox::question(this, tr("Attention!"), tr("Font '%1' has no cyrillic. Save anyway?").arg(family),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void KFonts::fontSelected(const QFont &font)
{
    Q_EMIT changed(true);
    if (hasDecorations(font))
        warnDecorations(this);
}

void KFonts::adjustAllFonts()
{
    QFont chosen = m_requesters.front()->font();
    KFontChooser::FontDiffFlags diff;
    if (KFontChooserDialog::getFontDiff(chosen, diff, KFontChooser::NoDisplayFlags, this) != QDialog::Accepted
        || !diff)
        return;
    if (hasDecorations(chosen)) {
        warnDecorations(this);
        clearDecorations(chosen);
    }
    if (!passesCyrillicTest(chosen.family()) && !askCyrillic(chosen.family()))
        return;

    const FontSpec chosenSpec = fontSpecFromFont(chosen);
    const bool chosenFixed = QFontInfo(chosen).fixedPitch();
    for (KFontRequester *requester : qAsConst(m_requesters)) {
        // A chooser the administrator fixed keeps its font.
        if (!requester->isEnabled())
            continue;
        QFont font = requester->font();
        font.setStyleName(QString());
        const FontSpec adjusted =
            adjustedFont(fontSpecFromFont(font), chosenSpec, int(diff), requester->isFixedOnly(), chosenFixed);
        requester->setFont(fontFromFontSpec(adjusted, font));
    }
    Q_EMIT changed(true);
}

void KFonts::configureAntiAliasing()
{
    if (m_aaSettings->exec() == QDialog::Accepted)
        Q_EMIT changed(true);
}

void KFonts::aaModeChanged(int index)
{
    m_ui->aaConfigure->setEnabled(AAMode(index) == AAMode::Enabled);
    Q_EMIT changed(true);
}
