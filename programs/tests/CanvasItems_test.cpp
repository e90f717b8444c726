// What the canvas items draw: the slot's scaling marker, corner and junction points,
// the frame colour of image blocks and the execution-order badge.
#include "DataSlot.h"
#include "Net.h"
#include "NetPoint.h"
#include "NodePixmap.h"
#include "NodeRect.h"
#include "Slot.h"
#include "spine_helper.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage paintedImage(QGraphicsItem* item, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(-item->boundingRect().topLeft());
    item->paint(&painter, nullptr, nullptr);
    painter.end();
    return image;
}

class CanvasItemTest : public ::testing::Test
{
protected:
    RecordingShell shell;
    SpineTestProgram program;
};

TEST_F(CanvasItemTest, ScaledSlotShowsADarkMagentaCorner)
{
    SpineTestNode* node = program.place(spine::valueBlock(1, 0), QPoint(60, 60));
    auto* slot = static_cast<DataSlot*>(node->slot(SlotSpec::Left, 0));
    EXPECT_NE(paintedImage(slot, QSize(11, 11)).pixelColor(1, 1), QColor(Qt::darkMagenta));
    slot->setTransform(2);
    EXPECT_EQ(paintedImage(slot, QSize(11, 11)).pixelColor(1, 1), QColor(Qt::darkMagenta));
    EXPECT_NE(paintedImage(slot, QSize(11, 11)).pixelColor(8, 8), QColor(Qt::darkMagenta));
}

TEST_F(CanvasItemTest, SlotPicturesDifferByConnectState)
{
    SpineTestNode* node = program.place(spine::valueBlock(1, 0), QPoint(60, 60));
    Slot* slot = node->slot(SlotSpec::Left, 0);
    const QImage idle = paintedImage(slot, QSize(11, 11));
    slot->setConnectState(Slot::Accept);
    const QImage accept = paintedImage(slot, QSize(11, 11));
    slot->setConnectState(Slot::Reject);
    const QImage reject = paintedImage(slot, QSize(11, 11));
    EXPECT_NE(idle, accept);
    EXPECT_NE(accept, reject);
    EXPECT_NE(idle, QImage(QSize(11, 11), QImage::Format_ARGB32));
}

TEST_F(CanvasItemTest, CornerPointsAreWhiteAndJunctionsBlack)
{
    SpineTestNode* source = program.place(spine::valueBlock(0, 1), QPoint(60, 120));
    SpineTestNode* sink = program.place(spine::valueBlock(2, 0), QPoint(360, 120));
    Net* net = new Net(program.canvas(), &program);
    net->connectDock(source->slot(SlotSpec::Right, 0));
    net->addPoint(QPoint(180, 120));
    net->connectDock(sink->slot(SlotSpec::Left, 0));
    program.addNet(net);
    NetPoint* point = net->points().first();
    EXPECT_EQ(paintedImage(point, QSize(9, 9)).pixelColor(4, 4), QColor(Qt::white));
    Net* branch = new Net(program.canvas(), &program);
    branch->connectDock(sink->slot(SlotSpec::Left, 1));
    branch->connectDock(point);
    program.mergeNet(branch, point);
    EXPECT_EQ(point->lines().size(), 3);
    EXPECT_EQ(paintedImage(point, QSize(9, 9)).pixelColor(4, 4), QColor(Qt::black));
}

TEST_F(CanvasItemTest, ImageBlocksHaveALightGreyFrame)
{
    NodeType imageKind = spine::valueBlock(1, 1);
    imageKind.setFlags(NodeType::ImageCycle);
    SpineTestNode* image = program.place(imageKind, QPoint(60, 60));
    SpineTestNode* plain = program.place(spine::valueBlock(1, 1), QPoint(240, 60));
    auto frameOf = [](Node* node) {
        const QList<QGraphicsItem*> items = node->canvas()->items();
        for (QGraphicsItem* item : items) {
            if (auto* frame = dynamic_cast<NodeRect*>(item); frame && frame->node() == node)
                return frame;
        }
        return static_cast<NodeRect*>(nullptr);
    };
    ASSERT_NE(frameOf(image), nullptr);
    EXPECT_EQ(frameOf(image)->brush().color(), QColor(Qt::lightGray));
    EXPECT_EQ(frameOf(plain)->brush().color(), QColor(Qt::white));
}

TEST_F(CanvasItemTest, OrderBadgeGrowsWithTheNumberAndCanBeHidden)
{
    SpineTestNode* node = program.place(spine::valueBlock(1, 1), QPoint(60, 60));
    NodePixmap* icon = node->iconItem();
    EXPECT_TRUE(icon->badge().isNull()); // never built: nothing drawn
    node->setOrderIndex(7);
    node->showOrderBadge(true);
    const int narrow = icon->badge().width();
    EXPECT_EQ(icon->badge().height(), 11);
    node->setOrderIndex(10);
    node->showOrderBadge(true);
    EXPECT_GT(icon->badge().width(), narrow);
    EXPECT_TRUE(icon->isBadgeShown());
    const QImage withBadge = paintedImage(icon, QSize(25, 25));
    node->showOrderBadge(false);
    EXPECT_FALSE(icon->isBadgeShown());
    EXPECT_NE(paintedImage(icon, QSize(25, 25)), withBadge);
}

} // namespace
