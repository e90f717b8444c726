#include "FileHistory.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {
QStringList names(const FileHistory& history)
{
    QStringList out;
    for (int i = 0; i < history.count(); ++i)
        out.append(history.at(i).first);
    return out;
}
} // namespace

TEST(FileHistory, keepsTheFiveMostRecentWithTheirKinds)
{
    QTemporaryDir folder;
    const QString old = QDir::currentPath();
    FileHistory history(5);
    const struct
    {
        const char* name;
        int kind;
        QStringList expected;
    } steps[] = {
        {"a.kdw", 0, {"a.kdw"}},
        {"b.kdw", 1, {"b.kdw", "a.kdw"}},
        {"c.kdw", 0, {"c.kdw", "b.kdw", "a.kdw"}},
        {"a.kdw", 1, {"a.kdw", "c.kdw", "b.kdw"}}, // moves to the front, new kind
        {"A.kdw", 0, {"A.kdw", "a.kdw", "c.kdw", "b.kdw"}}, // case counts
        {"d.kdw", 2, {"A.kdw", "a.kdw", "c.kdw", "b.kdw"}}, // kind 2 ignored
        {"", 0, {"A.kdw", "a.kdw", "c.kdw", "b.kdw"}}, // no name ignored
        {"e.kdw", 0, {"e.kdw", "A.kdw", "a.kdw", "c.kdw", "b.kdw"}},
        {"f.kdw", 0, {"f.kdw", "e.kdw", "A.kdw", "a.kdw", "c.kdw"}}, // oldest pushed out
    };
    for (const auto& step : steps) {
        const QString path = step.name[0] ? folder.filePath(QString::fromLatin1(step.name)) : QString();
        history.add(path, step.kind);
        QStringList expected;
        for (const QString& name : step.expected)
            expected.append(folder.filePath(name));
        EXPECT_EQ(names(history), expected) << step.name;
    }
    EXPECT_EQ(history.at(3).second, StateBase_t::Chart); // a.kdw, re-added as a chart
    EXPECT_EQ(history.at(5).first, QString());
    EXPECT_EQ(history.at(5).second, StateBase_t::Program);
    QDir::setCurrent(old);
}

TEST(FileHistory, addingMakesTheFilesFolderCurrentButAnIgnoredKindDoesNot)
{
    QTemporaryDir first;
    QTemporaryDir second;
    const QString old = QDir::currentPath();
    FileHistory history(5);
    history.add(first.filePath("x.kdw"), 0);
    EXPECT_EQ(QDir::currentPath(), QDir(first.path()).canonicalPath());
    history.add(second.filePath("y.kdw"), 2);
    EXPECT_EQ(QDir::currentPath(), QDir(first.path()).canonicalPath());
    QDir::setCurrent(old);
    history.add(first.filePath("x.kdw"), 0); // already first: the folder still changes
    EXPECT_EQ(QDir::currentPath(), QDir(first.path()).canonicalPath());
    history.remove(first.filePath("x.kdw"));
    EXPECT_TRUE(history.isEmpty());
    QDir::setCurrent(old);
}
