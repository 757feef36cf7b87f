// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The Wallpaper page on the test's X display: what it loads, saves and
// tells the window manager.
#include "testenv.h"
#include "wmrecorder.h"

#include <aspectratiopixmaplabel.h>
#include <session.h>
#include <themesettings.h>
#include <wallpaperpage.h>


#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryFile>
#include <QProcess>
#include <QTimer>

#include <cstdio>

#include <memory>
#include <unistd.h>

namespace {
const QString s_dark = QStringLiteral("/usr/share/wallpapers/vyr-default-dark.jpg");
const QString s_light = QStringLiteral("/usr/share/wallpapers/vyr-default-light.jpg");
const QString s_solvaLight = QStringLiteral("/usr/share/color-schemes/SolvaLight.colors");
// Logo settings that save as they are, so that only the edit under test
// reaches the window manager.
const QByteArray s_logo = "LogoPixmap=fictive\nLogoPosition=BottomRight\n";

QString themeFile()
{
    return vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc");
}
QString palettePath()
{
    return vyrtest::home() + QStringLiteral("/.vyr/paletterc");
}
QString record(int n)
{
    return vyrtest::home() + QStringLiteral("/Desktops/Desktop%1/.directory").arg(n);
}

bool writeImage(const QString &path, const QSize &size, const QColor &colour = Qt::gray)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return QDir().mkpath(QFileInfo(path).path()) && image.save(path);
}

/**
 * Answers every modal message box with one button and records its text. A
 * modal window that is not a message box, or a box while none is expected,
 * is closed at once and recorded as unexpected, so a test never hangs.
 */
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer)
        : m_answer(answer)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box || m_answer == QMessageBox::NoButton) {
                unexpected << modal->windowTitle();
                modal->close();
                return;
            }
            texts << box->windowTitle() + QLatin1Char('|') + box->text();
            box->button(m_answer)->click();
        });
        m_timer.start(10);
    }
    QStringList texts;
    QStringList unexpected;

private:
    QTimer m_timer;
    QMessageBox::StandardButton m_answer;
};

/**
 * An Xvfb of this test's own with a 1920x1080 screen, the size the expected
 * values below are worked out for; DISPLAY names it before the application
 * object exists. Stopped at exit.
 */
class FullHdServer
{
public:
    bool start()
    {
        m_process.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                  QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                                  QStringLiteral("-screen"), QStringLiteral("0"),
                                                  QStringLiteral("1920x1080x24")});
        if (!m_process.waitForStarted(30000))
            return false;
        QByteArray number;
        while (!number.contains('\n') && m_process.waitForReadyRead(30000))
            number += m_process.readAllStandardOutput();
        if (!number.contains('\n'))
            return false;
        qputenv("DISPLAY", ':' + number.trimmed());
        return true;
    }
    ~FullHdServer()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }

private:
    QProcess m_process;
};

/// Collects what the program writes to standard error meanwhile.
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = ::dup(2);
        ::dup2(m_file.handle(), 2);
    }
    QByteArray finish()
    {
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
        m_file.seek(0);
        return m_file.readAll();
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
};
}

class TestWallpaperPage : public QObject
{
    Q_OBJECT
    WmRecorder m_recorder;
    std::unique_ptr<ThemeSettings> m_theme;
    std::unique_ptr<ThemeSettings> m_palette;
    std::unique_ptr<WallpaperPage> m_page;

    /// The commands sent since the last call, up to a marker.
    QStringList commands() { return m_recorder.takeCommands(); }

    /// Shows a page over the theme file @p variables; it loads when shown.
    WallpaperPage *showPage(const QByteArray &variables)
    {
        if (!vyrtest::writeFile(themeFile(), "[Variables]\n" + variables))
            return nullptr;
        m_page.reset();
        m_theme = std::make_unique<ThemeSettings>(themeFile());
        if (!QFile::exists(palettePath()) && !vyrtest::writeFile(palettePath(), "[Variables]\n"))
            return nullptr;
        m_palette = std::make_unique<ThemeSettings>(vyrtest::home() + QStringLiteral("/.vyr/paletterc"));
        m_page = std::make_unique<WallpaperPage>(m_theme.get(), m_palette.get(), nullptr);
        m_page->resize(640, 480);
        m_page->show();
        if (!QTest::qWaitForWindowExposed(m_page.get()) || !m_page->isLoaded())
            return nullptr;
        commands();
        return m_page.get();
    }

    template<class T>
    T *control(const char *name)
    {
        return m_page->findChild<T *>(QLatin1String(name));
    }

    QString saved(const QString &key)
    {
        ThemeSettings settings(themeFile());
        return settings.value(key, QStringLiteral("(absent)")).toString();
    }

    QString screenName() const { return m_page->windowHandle()->screen()->name(); }

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1920, 1080));
        vyrtest::installShippedData();
        QVERIFY(m_recorder.start());
    }

    void init()
    {
        vyrtest::resetHome();
        sessionFlags().highIntegritySession = false;
        commands();
    }

    void cleanup() { m_page.reset(); }

    void position_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("loaded");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("Crop, Fit chosen") << QByteArray("WallPaperPos=Crop\n") << 4 << 3 << "Fit";
        QTest::newRow("unknown loads as Crop") << QByteArray("WallPaperPos=Zoom\n") << 4 << 0 << "Center";
        QTest::newRow("absent loads as Crop") << QByteArray() << 4 << 2 << "Stretch";
        QTest::newRow("Tile, Crop chosen") << QByteArray("WallPaperPos=Tile\n") << 1 << 4 << "Crop";
    }
    void position()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, chosen);
        QFETCH(QString, saved);
        QVERIFY(showPage(s_logo + stored));
        auto *combo = control<QComboBox>("wallpaperTypeComboBox");
        QTEST(combo->currentIndex(), "loaded");
        QVERIFY(combo->isEnabled());
        combo->setCurrentIndex(chosen);
        Q_EMIT combo->activated(chosen);
        QVERIFY(m_page->isChanged());
        m_page->save();
        QCOMPARE(this->saved(QStringLiteral("WallPaperPos")), saved);
        QCOMPARE(commands(), QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaperPos ") + saved});
        QVERIFY(!m_page->isChanged());
    }

    void emptyFieldSavesTheColour()
    {
        QVERIFY(showPage(s_logo));
        auto *field = control<QLineEdit>("wallpaperLineEdit");
        QCOMPARE(field->text(), QStringLiteral("vyr-default"));
        field->setText(QStringLiteral("#5A91BD"));
        field->clear();
        m_page->save();
        QCOMPARE(saved(QStringLiteral("WallPaper")), QStringLiteral("#5a91bd"));
        QCOMPARE(commands(), QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaper #5a91bd")});
    }

    void records_data()
    {
        QTest::addColumn<bool>("perDesktop");
        QTest::addColumn<bool>("perMonitor");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArrayList>("files");
        QTest::addColumn<QStringList>("sent");
        // Desktop1 is the one shown (Xvfb has no current desktop); %M% is
        // the monitor group of the test's screen.
        QTest::newRow("colour for this desktop")
            << true << false << "#5A91BD"
            << QByteArrayList{"# kept\n\n\n[Desktop Entry]\nIcon=user-desktop\nX-VYR-WallPaper=\"#5A91BD\"\n\n\n[Other]\nkeep=1\n",
                              "[Desktop Entry]\nName=Two\nX-VYR-WallPaper=/old.png\n\n\n[Monitor::OLD]\nX-VYR-WallPaper=/m.png\n",
                              "[Monitor::OLD]\nX-VYR-WallPaper=/m.png\n"}
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaperLocal \"#5A91BD\"")};
        QTest::newRow("this monitor on every desktop")
            << false << true << "%P%"
            << QByteArrayList{"# kept\n\n\n[Desktop Entry]\nIcon=user-desktop\n\n\n[Other]\nkeep=1\n\n\n[%M%]\nX-VYR-WallPaper=%P%\n",
                              "[Desktop Entry]\nName=Two\nX-VYR-WallPaper=/old.png\n\n\n[Monitor::OLD]\nX-VYR-WallPaper=/m.png\n\n\n"
                              "[%M%]\nX-VYR-WallPaper=%P%\n",
                              "[Monitor::OLD]\nX-VYR-WallPaper=/m.png\n\n\n[%M%]\nX-VYR-WallPaper=%P%\n"}
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaperLocal %P%")};
        QTest::newRow("this desktop on this monitor")
            << true << true << "%P%"
            << QByteArrayList{"# kept\n\n\n[Desktop Entry]\nIcon=user-desktop\nX-VYR-WallPaper=%P%\n\n\n[Other]\nkeep=1\n\n\n"
                              "[%M%]\nX-VYR-WallPaper=%P%\n",
                              "[Desktop Entry]\nName=Two\nX-VYR-WallPaper=/old.png\n\n\n[Monitor::OLD]\nX-VYR-WallPaper=/m.png\n",
                              "[Monitor::OLD]\nX-VYR-WallPaper=/m.png\n"}
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaperLocal %P%")};
        QTest::newRow("global: records removed")
            << false << false << "%P%"
            << QByteArrayList{"# kept\n[Desktop Entry]\nIcon=user-desktop\n\n\n[Other]\nkeep=1\n",
                              "[Desktop Entry]\nName=Two\n",
                              // A file whose only group is a monitor group keeps it.
                              "[Monitor::OLD]\nX-VYR-WallPaper=/m.png\n"}
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaper %P%")};
    }
    void records()
    {
        QFETCH(bool, perDesktop);
        QFETCH(bool, perMonitor);
        QFETCH(QString, value);
        QFETCH(QByteArrayList, files);
        QFETCH(QStringList, sent);
        const QString picture = vyrtest::home() + QStringLiteral("/Pictures/sea.png");
        QVERIFY(writeImage(picture, QSize(8, 8)));
        QVERIFY(vyrtest::writeFile(record(1), "# kept\n[Desktop Entry]\nIcon=user-desktop\n\n\n[Other]\nkeep=1\n"));
        QVERIFY(vyrtest::writeFile(record(2), "[Desktop Entry]\nName=Two\nX-VYR-WallPaper=/old.png\n\n\n"
                                              "[Monitor::OLD]\nX-VYR-WallPaper=/m.png\n"));
        QVERIFY(vyrtest::writeFile(record(3), "[Monitor::OLD]\nX-VYR-WallPaper=/m.png\n"));
        QVERIFY(showPage(s_logo));
        value.replace(QStringLiteral("%P%"), picture);
        control<QLineEdit>("wallpaperLineEdit")->setText(value);
        if (perDesktop)
            control<QCheckBox>("currDesktopCheckBox")->click();
        if (perMonitor)
            control<QCheckBox>("currMonitorCheckBox")->click();
        // A record has no position of its own.
        QCOMPARE(control<QComboBox>("wallpaperTypeComboBox")->isEnabled(), !perDesktop && !perMonitor);
        m_page->save();
        const QByteArray monitor = "Monitor::" + screenName().toUtf8();
        for (int i = 0; i < 3; ++i) {
            QByteArray expected = files.at(i);
            expected.replace("%M%", monitor).replace("%P%", picture.toUtf8());
            QCOMPARE(vyrtest::readFile(record(i + 1)), expected);
        }
        sent.replaceInStrings(QStringLiteral("%P%"), picture);
        QCOMPARE(commands(), sent);
        if (perDesktop || perMonitor)
            QCOMPARE(saved(QStringLiteral("WallPaper")), QStringLiteral("(absent)"));
    }

    void missingRecordFile()
    {
        QVERIFY(QDir().mkpath(vyrtest::home() + QStringLiteral("/Desktops/Desktop1")));
        QVERIFY(showPage(s_logo));
        control<QLineEdit>("wallpaperLineEdit")->setText(QStringLiteral("#5A91BD"));
        control<QCheckBox>("currDesktopCheckBox")->click();
        StderrCapture capture;
        m_page->save();
        const QByteArray err = capture.finish();
        QVERIFY2(err.contains("vyr-admin-theme: can't load " + record(1).toUtf8()), err.constData());
        QVERIFY(!QFile::exists(record(1)));
        // Unread, the file's colour could not be quoted.
        QCOMPARE(commands(), QStringList{QStringLiteral("VYRWM_UPDATE_VAL WallPaperLocal #5A91BD")});
    }

    void recordInForce()
    {
        const QString picture = vyrtest::home() + QStringLiteral("/Pictures/sea.png");
        QVERIFY(writeImage(picture, QSize(8, 8)));
        QVERIFY(vyrtest::writeFile(record(1), "[Desktop Entry]\nX-VYR-WallPaper=" + picture.toUtf8() + "\n"));
        QVERIFY(showPage(s_logo + "WallPaper=/elsewhere.png\nWallPaperPos=Tile\nWallPaperPeriod=5\n"));
        QCOMPARE(control<QLineEdit>("wallpaperLineEdit")->text(), picture);
        QVERIFY(control<QCheckBox>("currDesktopCheckBox")->isChecked());
        QVERIFY(!control<QCheckBox>("currMonitorCheckBox")->isChecked());
        QCOMPARE(control<QComboBox>("wallpaperTypeComboBox")->currentIndex(), 4);
        QVERIFY(!control<QComboBox>("wallpaperTypeComboBox")->isEnabled());
        QCOMPARE(control<QSpinBox>("slideShowSpinBox")->value(), 0);
        QVERIFY(!control<QSpinBox>("slideShowSpinBox")->isEnabled());
        // The monitor box names the monitor.
        QVERIFY(control<QCheckBox>("currMonitorCheckBox")->text().endsWith(QStringLiteral(": ") + screenName()));
    }

    void schemeHandOff_data()
    {
        QTest::addColumn<QString>("wallpaper");
        QTest::addColumn<QByteArray>("shadow");
        QTest::addColumn<QStringList>("schemeCommands");
        QTest::newRow("dark default over SolvaLight")
            << s_dark << QByteArray("shadow-color = \"#5A91BD\";\n")
            << QStringList{QStringLiteral("VYRWM_UPDATE_VAL ColorScheme /usr/share/color-schemes/SolvaDark.colors")};
        QTest::newRow("own picture: nothing switched") << QStringLiteral("%P%") << QByteArray("shadow-color = \"#000000\";\n")
                                                      << QStringList();
    }
    void schemeHandOff()
    {
        QFETCH(QString, wallpaper);
        QFETCH(QByteArray, shadow);
        QFETCH(QStringList, schemeCommands);
        const QString picture = vyrtest::home() + QStringLiteral("/Pictures/sea.png");
        QVERIFY(writeImage(picture, QSize(8, 8)));
        wallpaper.replace(QStringLiteral("%P%"), picture);
        QVERIFY(vyrtest::writeFile(vyrtest::home() + QStringLiteral("/.vyr/paletterc"),
                                   "[Variables]\nColorScheme=" + s_solvaLight.toUtf8() + "\n"));
        const QString picom = vyrtest::home() + QStringLiteral("/.config/picom.conf");
        QVERIFY(vyrtest::writeFile(picom, "shadow-color = \"#000000\";\n"));
        // The scheme is applied by the program itself.
        QFile::remove(vyrtest::fakeBinDir() + QStringLiteral("/vyr-admin-theme"));
        QVERIFY(QFile::link(vyrtest::programPath(QStringLiteral("vyr-admin-theme")),
                            vyrtest::fakeBinDir() + QStringLiteral("/vyr-admin-theme")));

        QVERIFY(showPage(s_logo));
        m_page->selectWallpaperFile(wallpaper);
        QCOMPARE(control<QLineEdit>("wallpaperLineEdit")->text(), wallpaper);
        m_page->save();
        QCOMPARE(vyrtest::readFile(picom), shadow);
        QStringList sent = commands().filter(QStringLiteral("VYRWM_UPDATE_VAL ColorScheme"));
        QCOMPARE(sent, schemeCommands);
    }

    void logoSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("width");
        // 1920x1080: a logo may be 640 wide and 540 high.
        const QString question = QStringLiteral("Attention|Image size 2000x500 is too large for logo. Resize it?");
        QTest::newRow("too wide, Yes") << QSize(2000, 500) << int(QMessageBox::Yes) << QStringList{question}
                                       << "%H%/Pictures/Wallpapers/logo_of_banner.png" << 500;
        QTest::newRow("too wide, No") << QSize(2000, 500) << int(QMessageBox::No) << QStringList{question}
                                      << "%H%/logos/banner.png" << 2000;
        QTest::newRow("fits") << QSize(640, 540) << int(QMessageBox::NoButton) << QStringList() << "%H%/logos/banner.png"
                              << 640;
    }
    void logoSize()
    {
        QFETCH(QSize, size);
        QFETCH(int, answer);
        QFETCH(QString, field);
        QFETCH(int, width);
        const QString logo = vyrtest::home() + QStringLiteral("/logos/banner.png");
        QVERIFY(writeImage(logo, size));
        QVERIFY(showPage(s_logo));
        BoxAnswerer boxes{QMessageBox::StandardButton(answer)};
        m_page->takeLogoFile(logo);
        QTEST(boxes.texts, "asked");
        QCOMPARE(boxes.unexpected, QStringList());
        field.replace(QStringLiteral("%H%"), vyrtest::home());
        QCOMPARE(control<QLineEdit>("logoLineEdit")->text(), field);
        QCOMPARE(QImageReader(field).size().width(), width);
    }

    void drop_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QStringList>("warned");
        QTest::addColumn<bool>("taken");
        QTest::newRow("image") << "file://%H%/Pictures/sea.png" << QStringList() << true;
        QTest::newRow("image with a wrong name") << "file://%H%/Pictures/sea.txt" << QStringList() << true;
        QTest::newRow("text file") << "file://%H%/notes.png" << QStringList{QStringLiteral("Sorry")} << false;
        QTest::newRow("web address") << "https://example.org/sea.png" << QStringList() << false;
    }
    void drop()
    {
        QFETCH(QString, url);
        QFETCH(bool, taken);
        QVERIFY(writeImage(vyrtest::home() + QStringLiteral("/Pictures/sea.png"), QSize(8, 8)));
        QVERIFY(QFile::copy(vyrtest::home() + QStringLiteral("/Pictures/sea.png"),
                            vyrtest::home() + QStringLiteral("/Pictures/sea.txt")));
        QVERIFY(vyrtest::writeFile(vyrtest::home() + QStringLiteral("/notes.png"), "just text"));
        QVERIFY(showPage(s_logo));
        url.replace(QStringLiteral("%H%"), vyrtest::home());
        BoxAnswerer boxes(QMessageBox::Ok);
        m_page->preview()->takeUrls({QUrl(url)});
        QStringList titles;
        for (const QString &text : qAsConst(boxes.texts))
            titles << text.section(QLatin1Char('|'), 0, 0);
        QTEST(titles, "warned");
        const QString field = control<QLineEdit>("wallpaperLineEdit")->text();
        QCOMPARE(field == QUrl(url).toLocalFile(), taken);
        QCOMPARE(field == QStringLiteral("vyr-default"), !taken);
    }

    void svgIsConverted_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("converted");
        QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
        QTest::newRow("No") << int(QMessageBox::No) << false;
    }
    void svgIsConverted()
    {
        QFETCH(int, answer);
        QFETCH(bool, converted);
        const QString svg = vyrtest::home() + QStringLiteral("/art/dunes.svg");
        QVERIFY(vyrtest::writeFile(svg, "<svg xmlns='http://www.w3.org/2000/svg' width='4' height='2'>"
                                        "<rect width='4' height='2' fill='#336699'/></svg>"));
        QVERIFY(showPage(s_logo));
        BoxAnswerer boxes{QMessageBox::StandardButton(answer)};
        m_page->selectWallpaperFile(svg);
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("File conversion|Selected file 'dunes' is in svg format\n"
                                                         "Would you like to convert it to png now?")});
        const QString png = vyrtest::home() + QStringLiteral("/Pictures/Wallpapers/1920x1080/dunes.png");
        QCOMPARE(control<QLineEdit>("wallpaperLineEdit")->text(), converted ? png : QStringLiteral("vyr-default"));
        QCOMPARE(QImageReader(png).size(), converted ? QSize(1920, 1080) : QSize());
    }

    void reloadForScreen_data()
    {
        QTest::addColumn<QByteArray>("extraGroup");
        QTest::addColumn<bool>("reloaded");
        QTest::newRow("monitor records: loaded again") << QByteArray("[Monitor::elsewhere]\nX-VYR-WallPaper=/x.png\n")
                                                       << true;
        QTest::newRow("no monitor records: kept") << QByteArray() << false;
    }
    void reloadForScreen()
    {
        QFETCH(QByteArray, extraGroup);
        QFETCH(bool, reloaded);
        const QString first = vyrtest::home() + QStringLiteral("/Pictures/first.png");
        const QString second = vyrtest::home() + QStringLiteral("/Pictures/second.png");
        QVERIFY(writeImage(first, QSize(4, 4)));
        QVERIFY(writeImage(second, QSize(4, 4)));
        QVERIFY(vyrtest::writeFile(record(1), "[Desktop Entry]\nX-VYR-WallPaper=" + first.toUtf8() + "\n\n" + extraGroup));
        QVERIFY(showPage(s_logo));
        QCOMPARE(control<QLineEdit>("wallpaperLineEdit")->text(), first);
        // The window moved: the page reads the records of the new monitor.
        QVERIFY(vyrtest::writeFile(record(1), "[Desktop Entry]\nX-VYR-WallPaper=" + second.toUtf8() + "\n\n" + extraGroup));
        m_page->reloadForScreen(QGuiApplication::primaryScreen());
        QCOMPARE(control<QLineEdit>("wallpaperLineEdit")->text(), reloaded ? second : first);
    }

    void highIntegritySavesNothing()
    {
        sessionFlags().highIntegritySession = true;
        const QString picture = vyrtest::home() + QStringLiteral("/Pictures/sea.png");
        QVERIFY(writeImage(picture, QSize(8, 8)));
        QVERIFY(showPage(s_logo));
        QVERIFY(!m_page->isEnabled());
        // A picture handed over still shows, after the warning.
        BoxAnswerer boxes{QMessageBox::Ok};
        m_page->selectWallpaperFile(picture);
        QCOMPARE(boxes.texts, QStringList{QStringLiteral(
                                  "Attention|Your session has high MIC level. Some decoration changes are not applicable.")});
        QCOMPARE(control<QLineEdit>("wallpaperLineEdit")->text(), picture);
        m_page->save();
        QCOMPARE(saved(QStringLiteral("WallPaper")), QStringLiteral("(absent)"));
        QCOMPARE(commands(), QStringList());
    }

    void previewShowsTheWallpaper()
    {
        // A picture half red, half blue, stretched: the preview's left side
        // is red and its right side blue.
        QImage image(4, 2, QImage::Format_RGB32);
        image.fill(Qt::blue);
        for (int y = 0; y < 2; ++y) {
            image.setPixelColor(0, y, Qt::red);
            image.setPixelColor(1, y, Qt::red);
        }
        const QString picture = vyrtest::home() + QStringLiteral("/Pictures/halves.png");
        QVERIFY(QDir().mkpath(QFileInfo(picture).path()));
        QVERIFY(image.save(picture));
        QVERIFY(showPage(s_logo + "WallPaperPos=Stretch\nWallPaper=" + picture.toUtf8() + "\n"));
        auto *preview = m_page->preview();
        QTRY_VERIFY(!preview->sourcePixmap().isNull());
        const QImage shown = preview->sourcePixmap().toImage();
        QVERIFY(qAbs(double(shown.width()) / shown.height() - 1920.0 / 1080.0) < 0.01);
        QCOMPARE(shown.pixelColor(2, shown.height() / 2), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(shown.width() - 3, shown.height() / 2), QColor(Qt::blue));
    }
};

int main(int argc, char *argv[])
{
    vyrtest::setupEnvironment();
    FullHdServer server;
    if (!server.start()) {
        std::fprintf(stderr, "test_wallpaperpage: can't start Xvfb\n");
        return 1;
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestWallpaperPage tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "test_wallpaperpage.moc"
