// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "modalanswerer.h"
#include "testenv.h"

#include <configdialog.h>

#include <vyrtranslations.h>

#include <KPageWidget>

#include <QAbstractItemView>
#include <QApplication>

#include <memory>

class TestRussian : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<ConfigDialog> m_dialog;
    QAbstractItemView *m_pages = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        // Without a sound player or a compositor the pages would warn.
        QVERIFY(vyrtest::writeScript(vyrtest::sysPath(QStringLiteral("/usr/bin/play")), "exit 0\n"));
        qputenv("VYR_NO_REAL_COMPOSITE", "1");
        vyrtest::installShippedData();
        const QString theme = vyrtest::home() + QStringLiteral("/.vyr/theme/current.themerc");
        QVERIFY(vyrtest::writeFile(theme, "[Variables]\n"));

        // The catalogues come from the build tree, beside this program, as
        // the installed ones lie beside the installed programs.
        QVERIFY(vyrInstallTranslations(QStringLiteral("vyr-admin-theme")).contains(QStringLiteral("vyr-admin-theme")));

        m_dialog = std::make_unique<ConfigDialog>(theme, vyrtest::home() + QStringLiteral("/.vyr/paletterc"));
        m_pages = m_dialog->pageWidget()->findChild<QAbstractItemView *>();
        QVERIFY(m_pages);
        QCOMPARE(m_pages->model()->rowCount(), ConfigDialog::pageNames().size());
    }

    void cleanupTestCase() { m_dialog.reset(); }

    void pageNames_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Wallpaper") << QStringLiteral("Wallpaper") << QStringLiteral("Обои");
        QTest::newRow("Theme") << QStringLiteral("Theme") << QStringLiteral("Тема");
        QTest::newRow("Fonts") << QStringLiteral("Fonts") << QStringLiteral("Шрифты");
        QTest::newRow("Screensaver") << QStringLiteral("Screensaver") << QStringLiteral("Заставка");
        QTest::newRow("Effects") << QStringLiteral("Effects") << QStringLiteral("Эффекты");
        QTest::newRow("Sounds") << QStringLiteral("Sounds") << QStringLiteral("Звуки");
        QTest::newRow("Programs") << QStringLiteral("Programs") << QStringLiteral("Программы");
    }

    // The list shows the Russian names; the names the command line and
    // val() take stay as they are.
    void pageNames()
    {
        QFETCH(QString, page);
        QFETCH(QString, shown);
        const int row = ConfigDialog::pageNames().indexOf(page);
        QVERIFY(row >= 0);
        QCOMPARE(m_pages->model()->index(row, 0).data(Qt::DisplayRole).toString(), shown);
    }
};

// As a Russian session starts a program: LANG alone names the locale, which
// the C library need not have.
int main(int argc, char *argv[])
{
    vyrtest::setupEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(name);
    qputenv("LANG", "ru_RU.UTF-8");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    vyrtest::watchModalDialogs();
    TestRussian tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "test_russian.moc"
