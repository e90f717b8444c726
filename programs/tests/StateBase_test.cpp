// The program base: canvas and border lines, names and captions, run control with its
// events, datatips, attributes, and the by-id editing operations.
#include "EditorGeometry.h"
#include "Net.h"
#include "NetLine.h"
#include "NetPoint.h"
#include "ShowDatatipsEvent.h"
#include "Slot.h"
#include "StateBaseCaptionChangedEvent.h"
#include "StateBaseStopEvent.h"
#include "spine_helper.h"

#include <QCoreApplication>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QWidget>

#include <libxml/tree.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

class StateBaseTest : public ::testing::Test
{
protected:
    RecordingShell shell;
};

TEST(EditorGeometry, SnapToGrid)
{
    struct Case
    {
        QPoint p;
        bool up;
        QPoint expected;
    };
    const Case cases[] = {{{7, -7}, false, {6, -6}},
                          {{9, 3}, false, {12, 6}},
                          {{1, 1}, true, {6, 6}},
                          {{-10, 12}, false, {-6, 12}},
                          {{0, 0}, true, {0, 0}}};
    for (const Case& c : cases)
        EXPECT_EQ(snapToGrid(c.p, 6, c.up), c.expected) << c.p.x() << "," << c.p.y();
}

TEST(EditorGeometry, ExtendRect)
{
    QRect r;
    extendRect(r, QPoint(100, 40));
    EXPECT_EQ(r, QRect(QPoint(100, 40), QPoint(100, 40)));
    extendRect(r, QPoint(300, 88));
    extendRect(r, QPoint(200, 64));
    EXPECT_EQ(r, QRect(QPoint(100, 40), QPoint(300, 88)));
    extendRect(r, QPoint(50, 10));
    EXPECT_EQ(r, QRect(QPoint(50, 10), QPoint(300, 88)));
}

TEST_F(StateBaseTest, NewDocumentHasItsCanvasFramedByBorderLines)
{
    for (auto kind : {StateBase_t::Program, StateBase_t::Chart}) {
        SpineTestProgram doc(3, kind);
        EXPECT_EQ(doc.canvas()->sceneRect(), QRectF(0, 0, 996, 996));
        EXPECT_EQ(doc.borderLine(StateBase::LeftBorder)->line(), QLineF(0, 0, 0, 996));
        EXPECT_EQ(doc.borderLine(StateBase::RightBorder)->line(), QLineF(996, 0, 996, 996));
        EXPECT_EQ(doc.borderLine(StateBase::TopBorder)->line(), QLineF(0, 0, 996, 0));
        EXPECT_EQ(doc.borderLine(StateBase::BottomBorder)->line(), QLineF(0, 996, 996, 996));
        EXPECT_EQ(doc.borderLine(4), nullptr);
        EXPECT_EQ(doc.borderLine(0)->zValue(), 100);
        EXPECT_EQ(doc.borderLine(0)->pen().color(),
                  kind == StateBase_t::Chart ? QColor(194, 233, 234) : QColor(Qt::white));
        EXPECT_FALSE(doc.grid());
        EXPECT_EQ(doc.gridSpace(), 2);
        EXPECT_FALSE(doc.datatips());
        EXPECT_EQ(doc.itemsExtent(), QSize(-1, -1));
    }
}

TEST_F(StateBaseTest, DisplayNameDropsEveryCopyOfTheLastExtension)
{
    SpineTestProgram doc;
    const std::pair<const char*, const char*> cases[] = {{"D:/work/robot.old.kdw", "robot.old"},
                                                         {"/home/u/plan.kdw.kdw", "plan"},
                                                         {"/home/u/noextension", "noextension"},
                                                         {"Unnamed0", "Unnamed0"}};
    for (const auto& [file, shown] : cases) {
        doc.setFileName(QString::fromLatin1(file), false);
        EXPECT_EQ(doc.displayName(), QString::fromLatin1(shown));
    }
    EXPECT_TRUE(doc.hasFileName());
    doc.setFileName(QStringLiteral("Unnamed1"), true);
    EXPECT_FALSE(doc.hasFileName());
}

TEST_F(StateBaseTest, CaptionGetsAStarOnlyAfterTheWindowWasShown)
{
    SpineTestProgram doc(5);
    doc.setFileName(QStringLiteral("/tmp/robot.kdw"), false);
    EXPECT_TRUE(doc.caption().isNull());
    doc.createView(nullptr);
    EXPECT_EQ(doc.caption(), QStringLiteral("robot"));
    doc.setModified();
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.caption(), QStringLiteral("robot"));
    doc.viewAdded();
    doc.setModified();
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.caption(), QStringLiteral("robot*"));
    const QList<int> events = shell.receivedEvents();
    EXPECT_EQ(events, QList<int>({1002, 1002}));
}

TEST_F(StateBaseTest, CanvasNeverShrinksBelowItsContent)
{
    SpineTestProgram doc;
    doc.place(spine::valueBlock(1, 1), QPoint(600, 300));
    const QSize extent = doc.itemsExtent();
    ASSERT_GT(extent.width(), 600);
    doc.setCanvasSize(200, 2000);
    EXPECT_EQ(doc.canvas()->width(), extent.width());
    EXPECT_EQ(doc.canvas()->height(), 2000);
    EXPECT_EQ(doc.borderLine(StateBase::RightBorder)->line().x1(), extent.width());
    EXPECT_TRUE(doc.isModified()); // set even before the window, without a caption
    doc.setCanvasSize(1000000, 1000000);
    EXPECT_LE(doc.canvas()->width(), 100000);
}

TEST_F(StateBaseTest, StartAndStopSequence)
{
    SpineTestProgram doc(7);
    doc.setStepMode(true);
    doc.setSteps(3);
    doc.start(nullptr);
    EXPECT_EQ(doc.log, QStringList({"prepareStart", "reset", "startProcessing"}));
    EXPECT_FALSE(doc.isAborted());
    EXPECT_EQ(doc.steps(), 0u);
    EXPECT_TRUE(doc.isRunning());
    doc.log.clear();
    doc.stop();
    EXPECT_EQ(doc.log, QStringList({"stopProcessing"}));
    EXPECT_TRUE(doc.isAborted());
    EXPECT_FALSE(doc.stepMode());
    EXPECT_EQ(doc.startedBy(), nullptr);
    doc.postStopEvent();
    EXPECT_EQ(shell.receivedEvents(), QList<int>({1001}));
}

TEST_F(StateBaseTest, DatatipsRefreshOnceWhenIdleAndByTimerWhenRunning)
{
    SpineTestProgram doc;
    SpineTestNode* node = doc.place(spine::valueBlock(0, 1), QPoint(120, 120));
    Slot* slot = node->slot(SlotSpec::Right, 0);
    doc.setDatatips(true);
    EXPECT_TRUE(slot->isDatatipVisible());
    EXPECT_FALSE(doc.isDatatipTimerActive());
    doc.setDatatips(false);
    EXPECT_FALSE(slot->isDatatipVisible());

    doc.setDatatips(true);
    doc.start(nullptr);
    EXPECT_FALSE(doc.isDatatipTimerActive()); // started by the posted event
    QCoreApplication::sendPostedEvents(&doc, ShowDatatipsEvent::eventType);
    EXPECT_TRUE(doc.isDatatipTimerActive());
    doc.stop();
    EXPECT_FALSE(doc.isDatatipTimerActive());

    doc.start(nullptr);
    QCoreApplication::sendPostedEvents(&doc, ShowDatatipsEvent::eventType);
    doc.setDatatips(false);
    EXPECT_FALSE(doc.isDatatipTimerActive());
    doc.setDatatips(true);
    EXPECT_TRUE(doc.isDatatipTimerActive());
    doc.stop();
}

TEST_F(StateBaseTest, StopOnAnotherThreadLeavesTheTimerToTheGuiThread)
{
    SpineTestProgram doc;
    doc.place(spine::valueBlock(0, 1), QPoint(120, 120));
    doc.start(nullptr);
    doc.setDatatips(true);
    ASSERT_TRUE(doc.isDatatipTimerActive());
    std::thread engine([&doc]() { doc.stop(); });
    engine.join();
    EXPECT_FALSE(doc.isRunning());
    EXPECT_TRUE(doc.isDatatipTimerActive()); // untouched by the other thread
    // Its next tick, on this thread, finds the program stopped (20 s: a safety limit).
    for (int wait = 0; wait < 4000 && doc.isDatatipTimerActive(); ++wait) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_FALSE(doc.isDatatipTimerActive());
}

TEST_F(StateBaseTest, AttributesRoundTripWithMarkupInTheDescription)
{
    SpineTestProgram doc;
    doc.setInfo(QStringLiteral("<b>robot</b> & \"friends\" \u00fc"));
    doc.setDatatips(true);
    doc.setCanvasSize(1200, 800);
    doc.createView(nullptr);
    doc.setGrid(true);
    doc.setGridSpace(4);
    xmlDoc* xml = xmlNewDoc(BAD_CAST "1.0");
    xmlNode* root = xmlNewNode(nullptr, BAD_CAST "model");
    xmlDocSetRootElement(xml, root);
    doc.writeAttributes(root);

    SpineTestProgram copy;
    copy.readAttributes(root);
    EXPECT_EQ(copy.info(), doc.info());
    EXPECT_TRUE(copy.datatips());
    EXPECT_TRUE(copy.grid());
    EXPECT_EQ(copy.gridSpace(), 4);
    EXPECT_EQ(copy.canvas()->sceneRect(), QRectF(0, 0, 1200, 800));
    EXPECT_FALSE(copy.isModified());

    // Missing sizes read as 1000; garbage reads as 0.
    xmlNode* bare = xmlNewNode(nullptr, BAD_CAST "model");
    xmlSetProp(bare, BAD_CAST "grid", BAD_CAST "yes");
    SpineTestProgram defaults;
    defaults.readAttributes(bare);
    EXPECT_EQ(defaults.canvas()->sceneRect(), QRectF(0, 0, 1000, 1000));
    EXPECT_FALSE(defaults.grid());
    EXPECT_EQ(defaults.gridSpace(), 0);
    xmlFreeNode(bare);
    xmlFreeDoc(xml);
}

TEST_F(StateBaseTest, EditingByIds)
{
    SpineTestProgram doc;
    SpineTestNode* a = doc.place(spine::valueBlock(0, 1), QPoint(120, 120));
    SpineTestNode* b = doc.place(spine::valueBlock(1, 0), QPoint(360, 120));
    Net* net = new Net(doc.canvas(), &doc);
    net->connectDock(a->slot(SlotSpec::Right, 0));
    net->addPoint(QPoint(240, 60));
    net->connectDock(b->slot(SlotSpec::Left, 0));
    EXPECT_TRUE(doc.addNet(net));
    EXPECT_FALSE(doc.addNet(net));
    EXPECT_EQ(net->id(), 1u);
    EXPECT_EQ(doc.netById(1), net);
    EXPECT_EQ(doc.netById(2), nullptr);

    EXPECT_TRUE(doc.moveNetPoint(1, 1, QPoint(250, 70)));
    EXPECT_EQ(net->points().first()->position(), QPoint(252, 72));
    EXPECT_FALSE(doc.moveNetPoint(1, 9, QPoint()));
    EXPECT_FALSE(doc.moveNetPoint(4, 1, QPoint()));
    doc.moveNets({net}, QPoint(6, 12));
    EXPECT_EQ(net->points().first()->position(), QPoint(258, 84));

    EXPECT_TRUE(doc.moveNodeById(static_cast<int>(b->id()), QPoint(480, 240)));
    EXPECT_EQ(b->position(), QPoint(480, 240));
    EXPECT_FALSE(doc.moveNodeById(99, QPoint()));
    doc.moveNodes({a, b}, QPoint(6, 0));
    EXPECT_EQ(b->position(), QPoint(486, 240));
    EXPECT_EQ(net->lines().last()->endPoint(), b->slot(SlotSpec::Left, 0)->position());

    EXPECT_TRUE(doc.removeNetById(1));
    EXPECT_FALSE(doc.removeNetById(1));
    EXPECT_TRUE(a->slot(SlotSpec::Right, 0)->lines().isEmpty());
}

} // namespace
