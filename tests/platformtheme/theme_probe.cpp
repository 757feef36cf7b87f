// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-theme-probe [--widgets N]: a Qt program as the desktop runs them,
// for the platform theme's test and benchmark. It shows a window of N
// labels (10 by default) and a tool button with a theme icon, and prints
// one line on standard output for each of these moments, with the time in
// milliseconds since the epoch last:
//   ready <state> <ms>         the window is shown
//   palette <window> <ms>      the application palette's Window colour changed
//   font <font> <ms>           the application font changed
//   icons <theme> <ms>         the icon theme changed
//   all-palette <window> <ms>  every label has that Window colour now
//   state <state>              answer to the line "report" on standard input
// <state> is "palette=<window> font=<QFont::toString()> icons=<theme>
// style=<style> doubleclick=<ms> wheel=<lines>".

#include <QApplication>
#include <QDateTime>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QSocketNotifier>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {
QString windowColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Window).name();
}

QString state()
{
    return QStringLiteral("palette=%1 font=%2 icons=%3 style=%4 doubleclick=%5 wheel=%6")
        .arg(windowColour(), QApplication::font().toString(), QIcon::themeName(),
             QApplication::style()->objectName())
        .arg(QApplication::doubleClickInterval())
        .arg(QApplication::wheelScrollLines());
}

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString now()
{
    return QString::number(QDateTime::currentMSecsSinceEpoch());
}

/// Watches the application's settings and the labels' palettes.
class Watcher : public QObject
{
public:
    explicit Watcher(int labels)
        : m_labels(labels)
        , m_palette(windowColour())
        , m_font(QApplication::font().toString())
        , m_icons(QIcon::themeName())
    {
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::PaletteChange:
            if (object->inherits("QLabel")) {
                labelPaletteChanged(object);
                break;
            }
            check();
            break;
        case QEvent::ApplicationPaletteChange:
        case QEvent::FontChange:
        case QEvent::ApplicationFontChange:
        case QEvent::ThemeChange:
            check();
            break;
        default:
            break;
        }
        return false;
    }

    /// Counts the labels per Window colour: when all have the new one, the
    /// change has reached every widget.
    void labelPaletteChanged(QObject *label)
    {
        const QRgb colour = static_cast<QWidget *>(label)->palette().color(QPalette::Window).rgb();
        const auto old = m_labelColour.constFind(label);
        if (old != m_labelColour.constEnd()) {
            if (*old == colour)
                return;
            --m_colourCount[*old];
        }
        m_labelColour[label] = colour;
        if (++m_colourCount[colour] == m_labels)
            say(QStringLiteral("all-palette %1 %2").arg(QColor(colour).name(), now()));
    }

    void check()
    {
        if (windowColour() != m_palette) {
            m_palette = windowColour();
            say(QStringLiteral("palette %1 %2").arg(m_palette, now()));
        }
        if (QApplication::font().toString() != m_font) {
            m_font = QApplication::font().toString();
            say(QStringLiteral("font %1 %2").arg(m_font, now()));
        }
        if (QIcon::themeName() != m_icons) {
            m_icons = QIcon::themeName();
            say(QStringLiteral("icons %1 %2").arg(m_icons, now()));
        }
    }

private:
    int m_labels;
    QHash<QObject *, QRgb> m_labelColour;
    QHash<QRgb, int> m_colourCount;
    QString m_palette;
    QString m_font;
    QString m_icons;
};
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int labels = 10;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--widgets") == 0)
            labels = std::max(1, std::atoi(argv[i + 1]));
    }

    Watcher watcher(labels);
    QWidget window;
    window.setWindowTitle(QStringLiteral("vyr-theme-probe"));
    auto *layout = new QVBoxLayout(&window);
    auto *button = new QToolButton(&window);
    button->setIcon(QIcon::fromTheme(QStringLiteral("document-open")));
    layout->addWidget(button);
    auto *grid = new QWidget(&window);
    layout->addWidget(grid);
    // Many labels in few rows: a window of 1 000 widgets that still fits.
    for (int i = 0; i < labels; ++i) {
        auto *label = new QLabel(QString::number(i), grid);
        label->move((i % 40) * 24, (i / 40) * 16);
    }
    grid->setMinimumSize(40 * 24, (labels / 40 + 1) * 16);
    // Sees the events of every widget, the labels' palette changes too.
    app.installEventFilter(&watcher);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&input] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            return;
        }
        if (QByteArray(buffer, int(n)).contains("report"))
            say(QStringLiteral("state ") + state());
    });

    window.show();
    QTimer::singleShot(0, &app, [] { say(QStringLiteral("ready %1 %2").arg(state(), now())); });
    return app.exec();
}
