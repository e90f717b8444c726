// The built translation files, the language choice at start, the Languages menu and the
// help pages.
#include "shell_helper.h"

#include "AppGlobals.h"
#include "ExtrasMenu.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "QmReader.h"
#include "Settings.h"
#include "ShellStartup.h"

#include <gtest/gtest.h>

#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QTranslator>

TEST(QmReader, listsTheLanguagesAndTheGermanMessages)
{
    const QList<QmReader::Message> languages =
        QmReader::readFile(QStringLiteral(DRASVEL_BUILT_TRANSLATIONS "/languages.qm"));
    ASSERT_EQ(languages.size(), 2);
    QMap<QString, QString> byCode;
    for (const QmReader::Message& message : languages)
        byCode.insert(message.sourceText, message.translation);
    EXPECT_EQ(byCode.value("de"), QStringLiteral("Deutsch"));
    EXPECT_EQ(byCode.value("en"), QStringLiteral("English"));

    const QList<QmReader::Message> german = QmReader::readFile(QStringLiteral(DRASVEL_BUILT_TRANSLATIONS "/de.qm"));
    bool found = false;
    for (const QmReader::Message& message : german)
        found |= message.context == "MainWindow" && message.sourceText == "&File" && message.translation == "&Datei";
    EXPECT_TRUE(found);
}

TEST(QmReader, malformedDataGivesWhatWasReadAndNeverCrashes)
{
    QFile file(QStringLiteral(DRASVEL_BUILT_TRANSLATIONS "/de.qm"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    EXPECT_TRUE(QmReader::read(QByteArray()).isEmpty());
    EXPECT_TRUE(QmReader::read("not a translation file at all").isEmpty());
    for (int cut = 0; cut < good.size(); cut += 97)
        QmReader::read(good.left(cut));
    QByteArray flipped = good;
    for (int i = 16; i < flipped.size(); i += 31) {
        flipped[i] = char(flipped[i] ^ 0x5a);
        QmReader::read(flipped);
    }
}

TEST(LanguageChoice, casesOfLocaleAndSetting)
{
    translationsDir = QStringLiteral(DRASVEL_BUILT_TRANSLATIONS);
    const struct
    {
        QString locale;
        QString setting;
        QString loaded;
        QString after;
    } cases[] = {
        {"en", "de", "", "de"}, // an English system loads nothing
        {"de_DE", "en", "", "en"},   {"de_DE", "", "de_DE", "de_DE"}, // the locale's file, found by shortening the name
        {"de_DE", "de", "de", "de"}, {"fr_FR", "", "", "en"}, // no French file: English
        {"de_DE", "xx", "", "en"},
    };
    for (const auto& c : cases) {
        language = c.setting;
        QTranslator translator;
        EXPECT_EQ(ShellStartup::chooseLanguage(c.locale, translator), c.loaded) << c.locale.toStdString();
        EXPECT_EQ(language, c.after) << c.locale.toStdString();
    }
    language.clear();
}

TEST(LanguageChoice, theLanguagesMenuStoresACodeWithATranslationFile)
{
    ShellFixture shell;
    translationsDir = QStringLiteral(DRASVEL_BUILT_TRANSLATIONS);
    ExtrasMenu menu(shell.window());
    ASSERT_NE(menu.languagesMenu(), nullptr);
    const QList<QAction*> entries = menu.languageGroup()->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries.at(0)->text(), QStringLiteral("Deutsch")); // sorted by display name
    EXPECT_EQ(entries.at(1)->text(), QStringLiteral("English"));
    entries.at(0)->trigger();
    EXPECT_EQ(language, QStringLiteral("de"));
    EXPECT_TRUE(shell.services.boxes.last().text.startsWith("Restart"));
    entries.at(1)->trigger();
    EXPECT_EQ(language, QStringLiteral("en"));
    language.clear();
}

TEST(Help, pagesByContextIdWithTheContentsAsFallback)
{
    applicationDir = QStringLiteral(DRASVEL_BUILT_HELP "/../app");
    const QString contents = QDir::cleanPath(QStringLiteral(DRASVEL_BUILT_HELP "/en/index.html"));
    EXPECT_EQ(HelpWindow::pageFor(0, "en"), contents);
    EXPECT_EQ(HelpWindow::pageFor(123, "en"), contents);
    EXPECT_EQ(HelpWindow::pageFor(100060, "en"), QDir::cleanPath(QStringLiteral(DRASVEL_BUILT_HELP "/en/100060.html")));
    EXPECT_EQ(HelpWindow::pageFor(100060, "de"), QDir::cleanPath(QStringLiteral(DRASVEL_BUILT_HELP "/de/100060.html")));
    EXPECT_EQ(HelpWindow::pageFor(100060, "fr"), QDir::cleanPath(QStringLiteral(DRASVEL_BUILT_HELP "/en/100060.html")));
    const QString before = QDir::currentPath();
    helpContextId = 100060;
    language = QStringLiteral("de");
    HelpWindow::instance()->showContext(helpContextId, language);
    EXPECT_EQ(QDir::currentPath(), before); // help never changes the working folder
    EXPECT_TRUE(HelpWindow::instance()->browser()->toPlainText().contains("Konstante"));
    HelpWindow::instance()->close();
    language.clear();
    helpContextId = 0;
    initApplicationDir();
}
