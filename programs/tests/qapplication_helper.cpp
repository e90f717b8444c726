// One offscreen QApplication for every test of the executable: slots, datatips, blocks
// and node icons paint pixmaps, which need a GUI application.
#include "qapplication_helper.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Built on first use: other files add to it from their static initialisers.
std::vector<void (*)()>& startups()
{
    static std::vector<void (*)()> list;
    return list;
}

class QApplicationEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance())
            m_application = std::make_unique<QApplication>(m_argc, m_argv);
        for (void (*startup)() : startups())
            startup();
    }

    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "drasvel_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};

const ::testing::Environment* const registered = ::testing::AddGlobalTestEnvironment(new QApplicationEnvironment);

} // namespace

void addApplicationStartup(void (*startup)())
{
    startups().push_back(startup);
}
