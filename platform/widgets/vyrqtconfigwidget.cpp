// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrqtconfigwidget.h"
#include "vyrcountedsuffix.h"
#include "vyrinidocument.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QVBoxLayout>

namespace {
const QString s_group = QStringLiteral("Qt");
const QString s_style = QStringLiteral("style");
const QString s_effects = QStringLiteral("GUIEffects");
const QString s_doubleClick = QStringLiteral("doubleClickInterval");
const QString s_cursorFlash = QStringLiteral("cursorFlashTime");
const QString s_wheelLines = QStringLiteral("wheelScrollLines");

struct Range {
    int min;
    int max;
};
constexpr Range s_doubleClickRange{100, 5000};
constexpr Range s_cursorFlashRange{0, 10000}; // 0: the cursor does not blink
constexpr Range s_wheelLinesRange{1, 100};

// QSettings may have written the value quoted.
QString unquoted(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    return text;
}

int readInt(const VyrIniDocument &doc, const QString &key, int fallback, Range range)
{
    bool ok = false;
    const int value = unquoted(doc.text(s_group, key)).toInt(&ok);
    return ok && value >= range.min && value <= range.max ? value : fallback;
}
}

QStringList VyrQtSettings::knownEffects()
{
    return {QStringLiteral("general"),        QStringLiteral("animatemenu"),    QStringLiteral("fademenu"),
            QStringLiteral("animatecombo"),   QStringLiteral("animatetooltip"), QStringLiteral("fadetooltip"),
            QStringLiteral("animatetoolbox")};
}

QString VyrQtSettings::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Trolltech.conf");
}

bool VyrQtSettings::read(const QString &path)
{
    *this = VyrQtSettings();
    VyrIniDocument doc;
    if (!doc.loadFile(path))
        return !QFileInfo::exists(path);
    style = unquoted(doc.text(s_group, s_style));
    bool found = false;
    const QString effects = doc.text(s_group, s_effects, QString(), &found);
    if (found) {
        guiEffects.clear();
        const QStringList known = knownEffects();
        for (const QString &word : effects.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString effect = unquoted(word).toLower();
            if (known.contains(effect) && !guiEffects.contains(effect))
                guiEffects << effect;
        }
    }
    doubleClickInterval = readInt(doc, s_doubleClick, doubleClickInterval, s_doubleClickRange);
    cursorFlashTime = readInt(doc, s_cursorFlash, cursorFlashTime, s_cursorFlashRange);
    wheelScrollLines = readInt(doc, s_wheelLines, wheelScrollLines, s_wheelLinesRange);
    return true;
}

bool VyrQtSettings::write(const QString &path, QString *error) const
{
    // Read the file again: other pages (the palette) may have written it since.
    VyrIniDocument doc;
    if (!doc.loadFile(path) && QFileInfo::exists(path)) {
        if (error)
            *error = QCoreApplication::translate("VyrQtSettings", "can't read %1").arg(path);
        return false;
    }
    if (style.isEmpty())
        doc.removeKey(s_group.toUtf8(), s_style.toUtf8());
    else
        doc.setText(s_group, s_style, style);
    doc.setText(s_group, s_effects,
                guiEffects.isEmpty() ? QStringLiteral("none") : guiEffects.join(QStringLiteral(", ")));
    doc.setText(s_group, s_doubleClick, QString::number(doubleClickInterval));
    doc.setText(s_group, s_cursorFlash, QString::number(cursorFlashTime));
    doc.setText(s_group, s_wheelLines, QString::number(wheelScrollLines));
    return doc.saveFile(path, error);
}

bool VyrQtSettings::operator==(const VyrQtSettings &other) const
{
    return style == other.style && guiEffects == other.guiEffects && doubleClickInterval == other.doubleClickInterval
        && cursorFlashTime == other.cursorFlashTime && wheelScrollLines == other.wheelScrollLines;
}

VyrQtConfigWidget::VyrQtConfigWidget(QWidget *parent)
    : QWidget(parent)
    , m_path(VyrQtSettings::defaultPath())
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);

    m_style = new QComboBox(this);
    m_style->setObjectName(QStringLiteral("style"));
    m_style->addItem(tr("Default"), QString());
    for (const QString &key : QStyleFactory::keys())
        m_style->addItem(key, key);
    form->addRow(tr("Widget style:"), m_style);

    auto spin = [this, form](const QString &name, const QString &label, Range range, const QString &suffix) {
        auto *box = new QSpinBox(this);
        box->setObjectName(name);
        box->setRange(range.min, range.max);
        box->setSuffix(suffix);
        form->addRow(label, box);
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &VyrQtConfigWidget::emitChanged);
        return box;
    };
    m_doubleClick = spin(s_doubleClick, tr("Double-click interval:"), s_doubleClickRange, tr(" ms"));
    m_cursorFlash = spin(s_cursorFlash, tr("Cursor flash time:"), s_cursorFlashRange, tr(" ms"));
    m_cursorFlash->setSpecialValueText(tr("No blinking"));
    m_wheelLines = spin(s_wheelLines, tr("Mouse wheel scrolls:"), s_wheelLinesRange, QString());
    vyrSetCountedSuffix(m_wheelLines, [](int lines) { return tr(" line(s)", nullptr, lines); });

    m_effects = new QGroupBox(tr("GUI effects"), this);
    m_effects->setObjectName(QStringLiteral("general"));
    m_effects->setCheckable(true);
    auto *effectsLayout = new QVBoxLayout(m_effects);
    const QStringList labels = {tr("Animate menus"),     tr("Fade menus"),     tr("Animate combo boxes"),
                                tr("Animate tool tips"), tr("Fade tool tips"), tr("Animate tool boxes")};
    const QStringList words = VyrQtSettings::knownEffects().mid(1);
    for (int i = 0; i < words.size(); ++i) {
        auto *box = new QCheckBox(labels.at(i), m_effects);
        box->setObjectName(words.at(i));
        effectsLayout->addWidget(box);
        m_effectBoxes << box;
        connect(box, &QCheckBox::toggled, this, &VyrQtConfigWidget::emitChanged);
    }
    layout->addWidget(m_effects);
    layout->addStretch(1);

    connect(m_style, qOverload<int>(&QComboBox::currentIndexChanged), this, &VyrQtConfigWidget::emitChanged);
    connect(m_effects, &QGroupBox::toggled, this, &VyrQtConfigWidget::emitChanged);
    load();
}

VyrQtConfigWidget::~VyrQtConfigWidget() = default;

void VyrQtConfigWidget::setConfigPath(const QString &path)
{
    m_path = path;
    load();
}

void VyrQtConfigWidget::emitChanged()
{
    if (!m_updating)
        Q_EMIT changed();
}

void VyrQtConfigWidget::load()
{
    VyrQtSettings values;
    values.read(m_path);
    setSettings(values);
}

bool VyrQtConfigWidget::save()
{
    m_error.clear();
    return settings().write(m_path, &m_error);
}

VyrQtSettings VyrQtConfigWidget::settings() const
{
    VyrQtSettings values;
    values.style = m_style->currentData().toString();
    values.guiEffects.clear();
    if (m_effects->isChecked()) {
        values.guiEffects << QStringLiteral("general");
        for (const QCheckBox *box : m_effectBoxes) {
            if (box->isChecked())
                values.guiEffects << box->objectName();
        }
    }
    values.doubleClickInterval = m_doubleClick->value();
    values.cursorFlashTime = m_cursorFlash->value();
    values.wheelScrollLines = m_wheelLines->value();
    return values;
}

void VyrQtConfigWidget::setSettings(const VyrQtSettings &values)
{
    m_updating = true;
    int index = values.style.isEmpty() ? 0 : m_style->findData(values.style, Qt::UserRole, Qt::MatchFixedString);
    if (index < 0) {
        // A style that is not installed here stays selected, so saving keeps it.
        m_style->addItem(values.style, values.style);
        index = m_style->count() - 1;
    }
    m_style->setCurrentIndex(index);
    // Without "general" Qt shows no effect at all; the finer choices keep
    // their state for when effects are switched on again.
    m_effects->setChecked(values.guiEffects.contains(QStringLiteral("general")));
    for (QCheckBox *box : m_effectBoxes)
        box->setChecked(values.guiEffects.contains(box->objectName()));
    m_doubleClick->setValue(values.doubleClickInterval);
    m_cursorFlash->setValue(values.cursorFlashTime);
    m_wheelLines->setValue(values.wheelScrollLines);
    m_updating = false;
}
