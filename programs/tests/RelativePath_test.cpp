#include "RelativePath.h"

#include <gtest/gtest.h>

TEST(RelativePath, PathsRelativeToAFolder)
{
    struct Case
    {
        const char* path;
        const char* dir;
        const char* expected;
    };
    const Case cases[] = {
        {"/home/u/a/b.kdw", "/home/u/a", "b.kdw"},
        {"/home/u/a/b.kdw", "/home/u/a/", "b.kdw"},
        {"/home/u/a/sub/b.kdw", "/home/u/a", "sub/b.kdw"},
        {"/home/u/a/b/file.kdw", "/home/u/a/c", "../b/file.kdw"},
        {"/home/x/y.kdw", "/home/a/b", "../../x/y.kdw"},
        {"/x.kdw", "/home/a", "../../x.kdw"},
        {"/home/u/abc/f.kdw", "/home/u/ab", "../abc/f.kdw"},
        {"E:/a/b/file.kdw", "E:/a/c", "../b/file.kdw"},
        {"D:/x.kdw", "E:/a", "D:/x.kdw"},
        {"relative.kdw", "nofolder", "relative.kdw"},
        // Linux file names differ by case: no folder is shared here.
        {"/Home/u/b.kdw", "/home/u", "../../Home/u/b.kdw"},
        {"/home/U/b.kdw", "/home/u", "../U/b.kdw"},
        {"e:/A/b.kdw", "E:/a", "e:/A/b.kdw"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(relativePath(QString::fromUtf8(c.path), QString::fromUtf8(c.dir)), QString::fromUtf8(c.expected))
            << c.path << " from " << c.dir;
    }
}
