// The connection widgets, the frequency display and the info dialog on real widgets,
// with the simulated robot behind ComCenter; each window is also rendered to a PNG.
#include "DorvanLink.h"
#include "FrequencyDisplay.h"
#include "InfoDialog.h"
#include "IpAddressInput.h"
#include "IpComboBox.h"
#include "StateProcessor.h"
#include "WifiStatus.h"
#include "robot_helper.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

void render(QWidget& widget, const char* name, bool fitContents = true)
{
    if (fitContents)
        widget.adjustSize();
    widget.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(widget.grab().save(QStringLiteral(DRASVEL_ROBOT_PNG_DIR "/%1.png").arg(QLatin1String(name))));
}

class ConnectionWidgets : public testing::Test
{
protected:
    ConnectionWidgets()
    {
        auto* layout = new QHBoxLayout(&strip);
        input = new IpAddressInput(&strip);
        status = new WifiStatus(&strip);
        layout->addWidget(input);
        layout->addWidget(status);
        layout->addWidget(new DorvanLink(&strip));
        strip.resize(420, 44);
    }

    SimulatedRobotLink link;
    QWidget strip;
    IpAddressInput* input;
    WifiStatus* status;
};

TEST_F(ConnectionWidgets, ClickingConnectsAndDisconnects)
{
    input->comboBox()->setEditText(link.address());
    QSignalSpy connected(&link.centre, &ComCenter::connected);
    QTest::mouseClick(status, Qt::LeftButton);
    EXPECT_TRUE(status->isChecked());
    EXPECT_EQ(status->statusText(), QStringLiteral("Connecting to %1.").arg(link.address()));
    EXPECT_FALSE(input->comboBox()->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return connected.count() == 1; }, 3000));
    EXPECT_EQ(status->statusText(), QStringLiteral("Connection to %1 active.").arg(link.address()));
    EXPECT_FALSE(input->comboBox()->isEnabled()) << "disabled while the connection stands";
    EXPECT_EQ(input->comboBox()->count(), 1);
    render(strip, "connection_widgets_connected");

    link.centre.setAutoReconnect(true);
    QSignalSpy closed(&link.centre, &ComCenter::connectionClosed);
    QSignalSpy connecting(&link.centre, &ComCenter::connecting);
    QTest::mouseClick(status, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return closed.count() == 1; }, 3000));
    EXPECT_FALSE(link.centre.autoReconnect());
    EXPECT_FALSE(status->isChecked());
    EXPECT_EQ(status->statusText(), QStringLiteral("Not connected."));
    EXPECT_TRUE(input->comboBox()->isEnabled());
    QTest::qWait(100);
    EXPECT_EQ(connecting.count(), 0) << "no new attempt after a disconnect by click";
    render(strip, "connection_widgets_closed");
}

TEST_F(ConnectionWidgets, PassiveRobotShowsPassiveMode)
{
    link.robot.setInfoText("iod: 1", true);
    input->comboBox()->setEditText(link.address());
    QSignalSpy passive(&link.centre, &ComCenter::passiveMode);
    QTest::mouseClick(status, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return passive.count() == 1; }, 3000));
    EXPECT_EQ(status->statusText(), QStringLiteral("Connected to %1 in passive mode.").arg(link.address()));
    render(strip, "connection_widgets_passive");
}

TEST_F(ConnectionWidgets, FailedAttemptShowsNotConnected)
{
    const unsigned short port = link.robot.port();
    link.robot.stop();
    input->comboBox()->setEditText(QStringLiteral("127.0.0.1:%1").arg(port));
    QSignalSpy errors(&link.centre, &ComCenter::error);
    QTest::keyClick(input->comboBox(), Qt::Key_Return);
    EXPECT_TRUE(status->isChecked());
    ASSERT_TRUE(waitUntil([&] { return errors.count() == 1; }, 3000));
    EXPECT_EQ(link.centre.errorMessage(errors.first().first().toInt()), QStringLiteral("Connection refused."));
    EXPECT_FALSE(status->isChecked());
    EXPECT_EQ(status->statusText(), QStringLiteral("Not connected."));
    EXPECT_TRUE(input->comboBox()->isEnabled());
}

TEST_F(ConnectionWidgets, BlanksNeverGetIntoTheAddress)
{
    QTest::keyClicks(input->comboBox()->lineEdit(), QStringLiteral("10. 0.0 .7"));
    EXPECT_EQ(input->comboBox()->currentText(), QStringLiteral("10.0.0.7"));
    EXPECT_EQ(link.centre.hostName(), QStringLiteral("10.0.0.7"));
    link.centre.addHostname(QStringLiteral("robot one"));
    input->comboBox()->hostnameListChanged_Slot({QStringLiteral("robot one")});
    input->comboBox()->activated_Slot(QStringLiteral("robot one"));
    EXPECT_EQ(link.centre.hostName(), QStringLiteral("robotone"));
}

TEST_F(ConnectionWidgets, TooltipOnlyInTheTopRightSquare)
{
    status->resize(60, 50);
    WifiStatusTip tip(*status);
    EXPECT_EQ(tip.tipArea(QPoint(30, 10)), QRect(20, 0, 40, 40));
    EXPECT_EQ(tip.tipArea(QPoint(59, 39)), QRect(20, 0, 40, 40));
    EXPECT_TRUE(tip.tipArea(QPoint(19, 10)).isEmpty());
    EXPECT_TRUE(tip.tipArea(QPoint(30, 40)).isEmpty());
}

TEST_F(ConnectionWidgets, AnimationStepsEveryHalfSecond)
{
    link.centre.setHostName(link.address());
    link.robot.setPaused(true); // greets but the test only looks at the animation
    status->connecting();
    const QIcon first = status->icon();
    status->timer_timeout();
    EXPECT_NE(status->icon().cacheKey(), first.cacheKey());
}

TEST(FrequencyDisplay, AveragesTheImageRateOverFiveRefreshes)
{
    FrequencyDisplay display;
    const QList<QLabel*> labels = display.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 4);
    EXPECT_EQ(labels[0]->text(), QStringLiteral("0kB"));
    EXPECT_EQ(labels[1]->text(), QStringLiteral("0"));
    imageRate.store(25);
    lastImageSize.store(15999);
    serialLineRate.store(100);
    QStringList shown;
    for (int i = 0; i < 5; ++i) {
        display.timer_timeout();
        shown << labels[2]->text();
    }
    EXPECT_EQ(shown, (QStringList {"5", "10", "15", "20", "25"}));
    EXPECT_EQ(labels[0]->text(), QStringLiteral("15kB"));
    EXPECT_EQ(labels[3]->text(), QStringLiteral("100"));
    lastImageSize.store(999);
    display.timer_timeout();
    EXPECT_EQ(labels[0]->text(), QStringLiteral("0kB"));
    QStatusBar bar;
    bar.resize(420, 26);
    bar.addPermanentWidget(new FrequencyDisplay(&bar));
    bar.showMessage(QStringLiteral("Connected to 127.0.0.1."));
    render(bar, "frequency_display", false);
    imageRate.store(0);
    lastImageSize.store(0);
    serialLineRate.store(0);
}

TEST(InfoDialog, ShowsTheRobotsTextOrTheFixedOne)
{
    {
        InfoDialog dialog;
        EXPECT_EQ(dialog.text(), QString::fromLatin1(InfoDialog::notAvailableText));
        EXPECT_GE(dialog.minimumWidth(), 300);
        render(dialog, "info_dialog_not_available");
    }
    SimulatedRobotLink link;
    link.robot.setInfoText("iod: 412\ncamd: 412\nserd: 412\ncom: 412\nhardware: 2\n\nCamera ready.");
    ASSERT_TRUE(link.connect());
    InfoDialog dialog;
    EXPECT_EQ(dialog.text(), QStringLiteral("iod: 412\ncamd: 412\nserd: 412\ncom: 412\nhardware: 2\n\nCamera ready."));
    render(dialog, "info_dialog");
}

} // namespace
