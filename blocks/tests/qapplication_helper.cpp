// One offscreen QApplication for every test of the executable: blocks live on a
// graphics scene and paint icons, which need a GUI application.
#include "FunctionBlocks.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class QApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance())
            application = std::make_unique<QApplication>(argc, argv);
        registerFunctionBlocks();
    }

    void TearDown() override { application.reset(); }

private:
    int argc = 1;
    char name[20] = "drasvel_blocks_test";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> application;
};

const ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new QApplicationEnvironment);

} // namespace
