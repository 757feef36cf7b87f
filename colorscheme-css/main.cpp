// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-colorscheme-css: writes the five ColorScheme style sheets of a colour
// scheme next to it (<name>-selected.css, -default, -disabled, -active, -last).

#include <KColorScheme>
#include <KSharedConfig>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace {

enum ExitStatus {
    ExitDone = 0,
    ExitNoArgument = 1,
    ExitNotScheme = 2,
    ExitNotWritable = 3,
};

const char *const kStates[] = {"selected", "default", "disabled", "active", "last"};

const char kTemplate[] =
    ".ColorScheme-Text { color:%1; }.ColorScheme-Background{ color:%2; }.ColorScheme-Highlight{ color:%3; }"
    ".ColorScheme-HighlightedText{ color:%4; }.ColorScheme-PositiveText{ color:%5; }"
    ".ColorScheme-NeutralText{ color:%6; }.ColorScheme-NegativeText{ color:%7; }"
    ".ColorScheme-ActiveText{ color:%8; }.ColorScheme-Complement{ color:%9; }"
    ".ColorScheme-Contrast{ color:%10; }.ColorScheme-Accent{ color:%11; }";

struct ColorSet {
    QColor text;
    QColor background;
    QColor highlight;
    QColor highlightedText;
    QColor accent;
    QColor positive;
    QColor neutral;
    QColor negative;
    QColor active;
};

ColorSet colorSetOf(const QPalette &palette, const KColorScheme &window)
{
    ColorSet set;
    set.text = palette.color(QPalette::Active, QPalette::WindowText);
    set.background = palette.color(QPalette::Active, QPalette::Window);
    set.highlight = palette.color(QPalette::Active, QPalette::Highlight);
    set.highlightedText = palette.color(QPalette::Active, QPalette::HighlightedText);
    set.accent = set.highlight;
    set.positive = window.foreground(KColorScheme::PositiveText).color();
    set.neutral = window.foreground(KColorScheme::NeutralText).color();
    set.negative = window.foreground(KColorScheme::NegativeText).color();
    set.active = window.foreground(KColorScheme::ActiveText).color();
    return set;
}

/// Light means a luma (0.299 R + 0.587 G + 0.114 B) / 255 above one half.
/// Integer arithmetic keeps a luma of exactly 0.5 on the dark side, which
/// floating point would decide by rounding noise.
bool isLight(const QColor &colour)
{
    return 299 * colour.red() + 587 * colour.green() + 114 * colour.blue() > 127500;
}

QString styleSheet(const ColorSet &set, bool selected)
{
    const bool light = isLight(set.background);
    const QString complement = light ? QStringLiteral("#ffffff") : QStringLiteral("#000000");
    const QString contrast = light ? QStringLiteral("#000000") : QStringLiteral("#ffffff");
    if (!selected) {
        return QString::fromLatin1(kTemplate)
            .arg(set.text.name(), set.background.name(), set.highlight.name(), set.highlightedText.name(),
                 set.positive.name(), set.neutral.name(), set.negative.name(), set.active.name(), complement)
            .arg(contrast, set.accent.name());
    }
    const QColor &a = set.accent;
    const QColor &t = set.highlightedText;
    const QColor accent = QColor::fromRgbF(0.85 * a.redF() + 0.15 * t.redF(), 0.85 * a.greenF() + 0.15 * t.greenF(),
                                           0.85 * a.blueF() + 0.15 * t.blueF(), a.alphaF());
    const QString onHighlight = t.name();
    return QString::fromLatin1(kTemplate)
        .arg(onHighlight, set.highlight.name(), onHighlight, set.highlight.name(), onHighlight, onHighlight,
             onHighlight, onHighlight, complement)
        .arg(contrast, accent.name());
}

enum class WriteResult { Written, Skipped, Failed };

/// Creates @p path with @p text; an existing file is never touched, and a
/// file that could not be written completely is removed again.
WriteResult writeNewFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::NewOnly))
        return WriteResult::Skipped;
    const bool ok = file.write(text) == text.size() && file.flush();
    file.close();
    if (ok && file.error() == QFileDevice::NoError)
        return WriteResult::Written;
    file.remove();
    return WriteResult::Failed;
}

void printError(const char *format, const QString &argument)
{
    std::fprintf(stderr, format, QFile::encodeName(argument).constData());
}

} // namespace

int main(int argc, char *argv[])
{
    // A console tool: no window, so no display connection is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("vyr-colorscheme-css: no color scheme path\n", stderr);
        return ExitNoArgument;
    }
    const QString schemePath = arguments.at(1);
    if (!schemePath.endsWith(QLatin1String(".colors"))) {
        printError("vyr-colorscheme-css: file %s is not color scheme name, no .color extension\n", schemePath);
        return ExitNotScheme;
    }
    const QFileInfo scheme(schemePath);
    if (!scheme.isFile()) {
        printError("vyr-colorscheme-css: file %s not exists\n", schemePath);
        return ExitNotScheme;
    }
    const QString dir = scheme.canonicalPath();
    // Asked with the effective identity, which is the one that creates files.
    if (dir.isEmpty() || ::faccessat(AT_FDCWD, QFile::encodeName(dir).constData(), W_OK | X_OK, AT_EACCESS) != 0) {
        printError("vyr-colorscheme-css: can't write to the dir of color scheme %s\n", schemePath);
        return ExitNotWritable;
    }

    const KSharedConfigPtr config =
        KSharedConfig::openConfig(scheme.absoluteFilePath(), KConfig::FullConfig, QStandardPaths::GenericConfigLocation);
    const QPalette palette = KColorScheme::createApplicationPalette(config);
    const KColorScheme window(QPalette::Active, KColorScheme::Window, config);

    int status = ExitDone;
    const QString base = dir + QLatin1Char('/') + scheme.completeBaseName() + QLatin1Char('-');
    for (const char *state : kStates) {
        const QString path = base + QLatin1String(state) + QStringLiteral(".css");
        if (QFileInfo::exists(path))
            continue;
        const bool selected = qstrcmp(state, "selected") == 0;
        const QByteArray text = styleSheet(colorSetOf(palette, window), selected).toLatin1() + '\n';
        if (writeNewFile(path, text) == WriteResult::Failed) {
            printError("vyr-colorscheme-css: can't write %s\n", path);
            status = ExitNotWritable;
        }
    }
    return status;
}
