#include "AppGlobals.h"
#include "ComCenter.h"
#include "FileHistory.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class SettingsFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        oldDir = QDir::currentPath();
        settingsPath = folder.filePath("drasvel.ini");
        language = QStringLiteral("unchanged");
    }
    void TearDown() override
    {
        QDir::setCurrent(oldDir);
        settingsPath.clear();
        language.clear();
        setDefaultSettings();
    }
    void write(const QByteArray& body)
    {
        QFile file(settingsPath);
        file.open(QIODevice::WriteOnly);
        file.write("<?xml version=\"1.0\"?>\n<Settings>" + body + "</Settings>\n");
    }

    QTemporaryDir folder;
    QString oldDir;
    ComCenter robot;
    FileHistory history {5};
};

} // namespace

TEST_F(SettingsFile, missingFileGivesDefaultsAndTheDefaultAddress)
{
    readSettings(robot, history);
    EXPECT_EQ(canvasWidth, 2000);
    EXPECT_EQ(windowWidth, 800);
    EXPECT_FALSE(windowMaximized);
    EXPECT_EQ(robot.hostnameList(), QStringList {QString::fromLatin1(defaultRobotAddress)});
    EXPECT_EQ(language, QStringLiteral("unchanged"));
}

TEST_F(SettingsFile, casesOfElements)
{
    const struct
    {
        QByteArray body;
        int width;
        int height;
        bool maximized;
        int sizex;
        QString lang;
    } cases[] = {
        {"<CanvasSize x=\"3000\" y=\"4000\"/>", 3000, 4000, false, 800, "unchanged"},
        {"<CanvasSize x=\"3000\"/>", 3000, 2000, false, 800, "unchanged"}, // malformed y keeps the default
        {"<CanvasSize x=\"50\" y=\"90000\"/>", 200, 20000, false, 800, "unchanged"}, // clamped
        {"<MainwindowSettings sizex=\"1024\" maximized=\"yes\"/>", 2000, 2000, false, 1024, "unchanged"},
        {"<MainwindowSettings maximized=\"7\"/>", 2000, 2000, true, 800, "unchanged"},
        {"<Language>de</Language><Language>fr</Language>", 2000, 2000, false, 800, "fr"},
        {"<Language/>", 2000, 2000, false, 800, ""},
        {"<Other x=\"1\"/>", 2000, 2000, false, 800, "unchanged"},
    };
    for (const auto& c : cases) {
        language = QStringLiteral("unchanged");
        write(c.body);
        readSettings(robot, history);
        EXPECT_EQ(canvasWidth, c.width) << c.body.constData();
        EXPECT_EQ(canvasHeight, c.height) << c.body.constData();
        EXPECT_EQ(windowMaximized, c.maximized) << c.body.constData();
        EXPECT_EQ(windowWidth, c.sizex) << c.body.constData();
        EXPECT_EQ(language, c.lang) << c.body.constData();
    }
}

TEST_F(SettingsFile, addressHistoryStopsAtTheFirstGap)
{
    write("<iphistory i0=\"10.0.0.1\" i2=\"10.0.0.3\"/>");
    readSettings(robot, history);
    EXPECT_EQ(robot.hostnameList(), QStringList {"10.0.0.1"});
}

TEST_F(SettingsFile, fileHistoryDropsUnknownKinds)
{
    const QString a = folder.filePath("a.kdw");
    const QString b = folder.filePath("b.kdw");
    const QString c = folder.filePath("c.kdw");
    write(QStringLiteral("<filehistory dir=\"%1\" i0=\"%2\" t0=\"0\" i1=\"%3\" t1=\"2\" i2=\"%4\" t2=\"x\"/>")
              .arg(folder.path(), a, b, c)
              .toUtf8());
    readSettings(robot, history);
    ASSERT_EQ(history.count(), 2);
    EXPECT_EQ(history.at(0).first, c); // malformed kind reads as 0
    EXPECT_EQ(history.at(1).first, a);
}

TEST_F(SettingsFile, unparsableFileKeepsDefaultsAndAddsNoAddress)
{
    QFile file(settingsPath);
    file.open(QIODevice::WriteOnly);
    file.close(); // empty: not even recovery makes a document of it
    readSettings(robot, history);
    EXPECT_EQ(canvasWidth, 2000);
    EXPECT_TRUE(robot.hostnameList().isEmpty());
}

TEST_F(SettingsFile, aWrittenFileReadsBackTheSame)
{
    language = QStringLiteral("de");
    canvasWidth = 2400;
    canvasHeight = 1600;
    windowWidth = 1111;
    windowHeight = 777;
    windowX = 12;
    windowY = 34;
    windowMaximized = true;
    demoMode = true;
    robot.addHostname(QStringLiteral("10.0.0.1"));
    robot.addHostname(QStringLiteral("10.0.0.2"));
    history.add(folder.filePath("one.kdw"), 0);
    history.add(folder.filePath("two.kdw"), 1);
    ASSERT_TRUE(writeSettings(robot, history));

    language.clear();
    setDefaultSettings();
    ComCenter readRobot;
    FileHistory readHistory(5);
    readSettings(readRobot, readHistory);
    EXPECT_EQ(language, QStringLiteral("de"));
    EXPECT_EQ(canvasWidth, 2400);
    EXPECT_EQ(canvasHeight, 1600);
    EXPECT_EQ(windowWidth, 1111);
    EXPECT_EQ(windowHeight, 777);
    EXPECT_EQ(windowX, 12);
    EXPECT_EQ(windowY, 34);
    EXPECT_TRUE(windowMaximized);
    EXPECT_TRUE(demoMode);
    EXPECT_EQ(readRobot.hostnameList(), robot.hostnameList());
    EXPECT_EQ(readRobot.hostName(), QStringLiteral("10.0.0.2"));
    ASSERT_EQ(readHistory.count(), 2);
    EXPECT_EQ(readHistory.at(0), history.at(0));
    EXPECT_EQ(readHistory.at(1), history.at(1));
}

TEST_F(SettingsFile, anUnwritablePlaceKeepsTheOldFileAndFails)
{
    write("<CanvasSize x=\"3000\" y=\"3000\"/>");
    settingsPath = folder.filePath("no-such-folder/drasvel.ini");
    EXPECT_FALSE(writeSettings(robot, history));
    settingsPath = folder.filePath("drasvel.ini");
    readSettings(robot, history);
    EXPECT_EQ(canvasWidth, 3000);
}
