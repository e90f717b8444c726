// The shell against a simulated robot in this process: the address typed into the toolbar
// connects, a refused connection is reported, and the robot's camera frames reach the
// vision blocks and are shown in their dialogs.
#include "shell_helper.h"

#include "ComCenter.h"
#include "ImagePool.h"
#include "IpComboBox.h"
#include "KelmarisCom.h"
#include "MainWindow.h"
#include "NodeDialog.h"
#include "SimRobot.h"
#include "Slot.h"
#include "SlotSpec.h"
#include "State.h"
#include "StateNode.h"
#include "StateProcessor.h"
#include "Toolbar.h"
#include "ValueSlot.h"
#include "XKDDialogHelper.h"
#include "link_helper.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTest>

namespace {

constexpr int waitMs = 5000;
constexpr unsigned short cameraKind = 10;
constexpr unsigned short segmenterKind = 12;
constexpr unsigned short extractorKind = 29;
constexpr unsigned short detectorKind = 35;

// The process-wide image pool as start-up makes it: before the shell, gone after it.
struct GlobalImagePool
{
    GlobalImagePool() { ImagePool::setGlobal(&pool); }
    ~GlobalImagePool() { ImagePool::setGlobal(nullptr); }
    ImagePool pool;
};

class LiveRobot : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(robot.start());
        comCenter->com()->setImagePort(freeLoopbackPort());
    }

    void TearDown() override
    {
        comCenter->setAutoReconnect(false);
        comCenter->close();
    }

    // As the user does it: the address into the toolbar's entry, then Return.
    void enterAddress(const QString& address)
    {
        auto* box = shell.window()->toolbar()->connectionArea()->findChild<IpComboBox*>();
        ASSERT_NE(box, nullptr);
        // The entry stays disabled from an attempt until the link's end has been reported.
        ASSERT_TRUE(QTest::qWaitFor([box] { return box->isEnabled(); }, waitMs));
        box->setEditText(address);
        QTest::keyClick(box, Qt::Key_Return);
    }

    QString robotAddress() const { return QStringLiteral("127.0.0.1:%1").arg(robot.port()); }
    QString statusText() const { return shell.window()->statusBar()->currentMessage(); }

    GlobalImagePool images;
    ShellFixture shell;
    SimRobot robot;
};

StateNode* blockOfKind(State* program, unsigned short maintype)
{
    for (Node* node : program->nodes()) {
        if (node->type()->maintype() == maintype)
            return dynamic_cast<StateNode*>(node);
    }
    return nullptr;
}

void render(QWidget* widget, const QString& name)
{
    QDir().mkpath(QStringLiteral(DRASVEL_TEST_OUTPUT_DIR));
    EXPECT_TRUE(widget->grab().save(QStringLiteral(DRASVEL_TEST_OUTPUT_DIR "/") + name)) << name.toStdString();
}

} // namespace

TEST_F(LiveRobot, TypedAddressConnectsAndARefusalIsReported)
{
    enterAddress(robotAddress());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return statusText() == QStringLiteral("Connected to %1.").arg(robotAddress()); }, waitMs))
        << statusText().toStdString();
    EXPECT_TRUE(robot.waitForClient(true, waitMs));
    EXPECT_TRUE(shell.services.boxes.isEmpty());

    shell.window()->disconnectRobot();
    EXPECT_TRUE(robot.waitForClient(false, waitMs));

    const QString nobody = QStringLiteral("127.0.0.1:%1").arg(freeLoopbackPort());
    enterAddress(nobody);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shell.services.boxes.isEmpty(); }, waitMs));
    EXPECT_EQ(shell.services.boxes.first().text, QStringLiteral("Communication error.\nConnection refused."));
    EXPECT_EQ(statusText(), QStringLiteral("Connection refused."));
}

// The program runs cycle by cycle here; each image cycle waits for the robot's next frame.
TEST_F(LiveRobot, CameraFramesReachTheVisionDialogs)
{
    // Camera -> segmenter (one class: red) -> extractor, camera -> line detector.
    shell.window()->load(QStringLiteral(DRASVEL_EXAMPLES_DIR "/camera-red-object.kdw"));
    State* program = dynamic_cast<State*>(shell.window()->currentState());
    ASSERT_NE(program, nullptr);
    enterAddress(robotAddress());
    ASSERT_TRUE(QTest::qWaitFor([] { return comCenter->isConnected(); }, waitMs));

    program->start(nullptr);
    QList<std::pair<NodeDialog*, QString>> dialogs;
    const std::pair<unsigned short, const char*> kinds[] = {{cameraKind, "live-camera-dialog.png"},
                                                            {segmenterKind, "live-segmenter-dialog.png"},
                                                            {extractorKind, "live-extractor-dialog.png"},
                                                            {detectorKind, "live-linedetector-dialog.png"}};
    for (const auto& [kind, picture] : kinds) {
        StateNode* block = blockOfKind(program, kind);
        ASSERT_NE(block, nullptr) << kind;
        block->showDialog(program->dialogArea(), false);
        ASSERT_NE(block->dialog(), nullptr) << kind;
        block->dialog()->move(20 + 270 * int(dialogs.size()), 20); // side by side in the picture
        dialogs.append({block->dialog(), QString::fromLatin1(picture)});
    }
    const auto everyDialogShowsAnImage = [&] {
        for (const auto& [dialog, picture] : dialogs) {
            if (dynamic_cast<XKDDialogHelper*>(dialog)->displayedImage().isNone())
                return false;
        }
        return true;
    };
    QElapsedTimer clock;
    clock.start();
    while (!everyDialogShowsAnImage() && clock.elapsed() < waitMs) {
        StateProcessor::current().runCycle();
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(everyDialogShowsAnImage());

    // The red object straight ahead of the robot's start pose is found.
    Slot* found = blockOfKind(program, extractorKind)->slot(SlotSpec::Right, 3);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->toValueSlot()->value(), 1.0f);
    for (const auto& [dialog, picture] : dialogs)
        render(dialog, picture);
    shell.window()->resize(1280, 800);
    render(shell.window(), QStringLiteral("live-mainwindow.png"));
    program->stop();
    StateProcessor::current().runCycle();
}
