// Dialogs opened and closed again and again while the cycle thread steps the program
// and asks them to redraw: no refresh may reach a dialog that is gone.
#include "BlockDialog_helper.h"

#include "NodeDialog.h"
#include "State.h"
#include "StateNode.h"

#include <QCoreApplication>
#include <QPointer>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using DialogRefresh = BlockDialogTest;

const unsigned short displayKinds[] = {2, 21}; // scope, vector view

// Processes events until the dialog has been told to redraw; false after the safety limit.
bool waitForRefresh(NodeDialog* dialog)
{
    int refreshes = 0;
    QObject::connect(dialog, &NodeDialog::updateCustomWidget, dialog, [&refreshes] { ++refreshes; });
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (refreshes == 0 && std::chrono::steady_clock::now() < limit) {
        QCoreApplication::processEvents();
        std::this_thread::yield();
    }
    QObject::disconnect(dialog, &NodeDialog::updateCustomWidget, dialog, nullptr);
    return refreshes > 0;
}

TEST_F(DialogRefresh, CloseAndReopenWhileTheCycleRuns)
{
    load(kdw::node(2, 1, 2, 100) + kdw::node(3, 2, 0, 300, {{"channelEnable0", "1"}, {"timeScaleDialValue", "13"}})
         + kdw::node(4, 21, 0, 600) + kdw::net(1, 2, 0, 3, 0));
    run->start();
    std::atomic<bool> done {false};
    std::thread cycle([&] {
        while (!done.load())
            run->state().step();
    });
    for (int round = 0; round < 40; ++round) {
        for (unsigned short kind : displayKinds) {
            NodeDialog* dialog = open(kind);
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(waitForRefresh(dialog)) << "kind " << kind << " round " << round;
            QPointer<NodeDialog> closed = dialog;
            if (round % 2 == 0)
                dialog->close();
            else
                delete dialog; // gone without a close, as when its area goes
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(closed.isNull());
            EXPECT_EQ(block(kind)->dialog(), nullptr);
        }
    }
    done.store(true);
    cycle.join();
    run->stop();
    // Refreshes still queued for the blocks find no dialog and are dropped.
    QCoreApplication::processEvents();
}

} // namespace
