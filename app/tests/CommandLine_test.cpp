#include "CommandLine.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(CommandLine, formsOfTheArguments)
{
    QTemporaryDir folder;
    for (const char* name : {"a.kdw", "b.kdw", "C.KDW"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
    }
    const QString a = folder.filePath("a.kdw");
    const QString b = folder.filePath("b.kdw");
    const struct
    {
        QStringList arguments;
        QString file;
        bool autostart;
        QString address;
    } cases[] = {
        {{"drasvel"}, "", false, ""},
        {{"drasvel", a}, a, false, ""},
        {{"drasvel", a, b}, b, false, ""}, // the last one wins
        {{"drasvel", folder.filePath("missing.kdw")}, "", false, ""},
        {{"drasvel", folder.filePath("C.KDW")}, "", false, ""}, // capitals are not recognised
        {{"drasvel", "/autostart", "/ip:10.0.0.7", a}, a, true, "10.0.0.7"},
        {{"drasvel", "/ip:", a}, a, false, ""},
        {{"drasvel", "/AUTOSTART", "-x"}, "", false, ""},
        {{"drasvel", "/ip:1", "/ip:2"}, "", false, "2"},
    };
    for (const auto& c : cases) {
        const CommandLine line = CommandLine::parse(c.arguments);
        EXPECT_EQ(line.workspaceFile, c.file) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.autostart, c.autostart) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.robotAddress, c.address) << c.arguments.join(' ').toStdString();
    }
}

TEST(CommandLine, aRelativeFileIsKeptAbsolute)
{
    QTemporaryDir folder;
    QFile file(folder.filePath("p.kdw"));
    file.open(QIODevice::WriteOnly);
    const QString old = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const CommandLine line = CommandLine::parse({"drasvel", "p.kdw"});
    QDir::setCurrent(old);
    EXPECT_TRUE(QDir::isAbsolutePath(line.workspaceFile));
    EXPECT_EQ(QFileInfo(line.workspaceFile).canonicalFilePath(),
              QFileInfo(folder.filePath("p.kdw")).canonicalFilePath());
}
