// kdwrun's --camera option: the file becomes the camera frame of every image cycle.
#include "CameraCenter.h"
#include "CameraHook.h"
#include "CameraIntake.h"
#include "ComCenterServices.h"
#include "ImagePool.h"
#include "XKDImage.h"

#include <gtest/gtest.h>

namespace {

TEST(CameraHook, FileFeedsTheIntakeOfEveryImageCycle)
{
    QString errors;
    QTextStream err(&errors);
    QStringList arguments {QStringLiteral("program.kdw"), QStringLiteral("--camera"),
                           QStringLiteral(VISION_TEST_DATA "/camera-320x240.jpg"), QStringLiteral("--cycles"),
                           QStringLiteral("3")};
    CameraHook hook;
    ASSERT_TRUE(hook.takeArguments(arguments, err));
    EXPECT_EQ(arguments,
              (QStringList {QStringLiteral("program.kdw"), QStringLiteral("--cycles"), QStringLiteral("3")}));
    ASSERT_NE(hook.intake(), nullptr);
    CameraCenter::current().addUser(ColorFormat_t::HSV);
    for (int cycle = 0; cycle < 3; ++cycle) {
        ComCenterServices::current().receiveImage();
        const ImageHandle handle = hook.intake()->image(ColorFormat_t::HSV);
        ASSERT_EQ(handle.sizeIndex, 0u);
        EXPECT_EQ(ImagePool::global()->image(handle)->tag(), static_cast<std::uint32_t>(cycle + 1));
        ImageHandle owned = handle;
        ImagePool::global()->release(owned);
    }
    CameraCenter::current().removeUser(ColorFormat_t::HSV);
}

TEST(CameraHook, MissingOrUnreadableFrameIsRefused)
{
    const QStringList cases[] = {
        {QStringLiteral("program.kdw"), QStringLiteral("--camera")},
        {QStringLiteral("--camera"), QStringLiteral("/no/such/frame.jpg")},
        {QStringLiteral("--camera"), QStringLiteral(VISION_TEST_DATA "/make-fixtures.sh")},
    };
    for (QStringList arguments : cases) {
        QString errors;
        QTextStream err(&errors);
        CameraHook hook;
        EXPECT_FALSE(hook.takeArguments(arguments, err)) << arguments.join(' ').toStdString();
        err.flush();
        EXPECT_FALSE(errors.isEmpty());
        EXPECT_EQ(hook.intake(), nullptr);
    }
}

TEST(CameraHook, WithoutTheOptionNothingIsInstalled)
{
    QString errors;
    QTextStream err(&errors);
    QStringList arguments {QStringLiteral("program.kdw")};
    CameraHook hook;
    EXPECT_TRUE(hook.takeArguments(arguments, err));
    EXPECT_EQ(hook.intake(), nullptr);
}

} // namespace
