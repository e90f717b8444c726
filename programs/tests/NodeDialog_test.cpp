// The floating block dialog: its pages, frame areas, mouse handling, refreshes and
// the attention blink, on real widgets.
#include "dialog_helper.h"

#include "ManualClock.h"
#include "NodeDialog.h"
#include "NodeDialogUpdateEvent.h"
#include "ShellServices.h"
#include "State.h"
#include "StateManager.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QPointer>

#include <chrono>

using namespace std::chrono_literals;

namespace {

using NodeDialogTest = DialogTest;

// A dialog with all three pages and an empty custom page of a fixed size.
class SizedPageDialog : public NodeDialog
{
public:
    SizedPageDialog(QWidget* view, StateNode* node) : NodeDialog(view, node) { }

    QWidget* createCustomWidget(QWidget* parent) override
    {
        auto* content = new QWidget(parent);
        content->setFixedSize(40, 30);
        return content;
    }
};

TEST_F(NodeDialogTest, TheDefaultDialogHasScalingAndSettingsButtonsNumberedFromOne)
{
    NodeDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->pageCount(), 2);
    EXPECT_EQ(dialog->pageKindAt(0), NodeDialog::ScalePage);
    EXPECT_EQ(dialog->pageKindAt(1), NodeDialog::SettingsPage);
    EXPECT_EQ(dialog->currentPage(), NodeDialog::ScalePage);
    EXPECT_EQ(dialog->pageButtonRect(0), QRect(QPoint(3, 21), QPoint(12, 30)));
    EXPECT_EQ(dialog->pageButtonRect(1), QRect(QPoint(3, 33), QPoint(12, 42)));
    // Two variants, but no custom page: no chooser.
    EXPECT_EQ(dialog->subTypeSelector(), nullptr);
    QWidget* scale = dialog->pageWidget(NodeDialog::ScalePage);
    EXPECT_EQ(scale->pos(), QPoint(16, 21));
    // The first page opens whole, not at the size the dialog had while it was built.
    EXPECT_GE(scale->width(), scale->sizeHint().width());
    EXPECT_GE(scale->height(), scale->sizeHint().height());
    EXPECT_EQ(dialog->objectName(), QStringLiteral("NodeDialog"));
}

TEST_F(NodeDialogTest, APageButtonShowsItsPage)
{
    NodeDialog* dialog = openDialog();
    press(dialog, dialog->pageButtonRect(1).center());
    EXPECT_EQ(dialog->currentPage(), NodeDialog::SettingsPage);
    EXPECT_TRUE(dialog->pageWidget(NodeDialog::SettingsPage)->isVisible());
    EXPECT_FALSE(dialog->pageWidget(NodeDialog::ScalePage)->isVisible());
}

TEST_F(NodeDialogTest, TheVariantChooserComesWithACustomPageAndSeveralVariants)
{
    auto* dialog = new NodeDialog(&area, block);
    dialog->show();
    ASSERT_NE(dialog->subTypeSelector(), nullptr);
    EXPECT_EQ(dialog->subTypeSelector()->count(), 2);
    EXPECT_EQ(dialog->currentPage(), NodeDialog::CustomPage);
    QList<int> changed;
    QObject::connect(dialog, &NodeDialog::subTypeChanged, [&](int subtype) { changed.append(subtype); });
    dialog->subTypeSelector()->setCurrentIndex(1);
    emit dialog->subTypeSelector()->activated(1);
    EXPECT_EQ(block->type()->subtype(), 1u);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.first(), 1);
    EXPECT_EQ(currentHelpContext, block->type()->helpId());
    dialog->close();
}

TEST_F(NodeDialogTest, OneVariantGivesNoChooser)
{
    auto* single = static_cast<StateNode*>(program->createNode(ImageRecordingBlock::nodeType()));
    ASSERT_NE(single, nullptr);
    auto* dialog = new NodeDialog(&area, single);
    dialog->show();
    EXPECT_NE(dialog->pageWidget(NodeDialog::CustomPage), nullptr);
    EXPECT_EQ(dialog->subTypeSelector(), nullptr);
    delete dialog;
    delete single;
}

TEST_F(NodeDialogTest, APageOf230By150MakesTheDialog260By180)
{
    auto* dialog = new SizedPageDialog(&area, block);
    dialog->show();
    QWidget* page = dialog->pageWidget(NodeDialog::CustomPage);
    ASSERT_NE(page, nullptr);
    page->setMinimumSize(0, 0);
    page->resize(230, 150);
    dialog->showPage(NodeDialog::CustomPage);
    EXPECT_EQ(dialog->size(), QSize(260, 180));
    // The page fills the dialog but for the buttons, the title and a small rim.
    EXPECT_EQ(page->size(), QSize(240, 155));
    dialog->close();
}

struct GridCase
{
    QSize requested;
    bool up;
    QSize expected;
};

class GridResize : public ::testing::TestWithParam<GridCase>
{ };

TEST_P(GridResize, SnapsToTheTwentyPixelGrid)
{
    QWidget widget;
    resizeWidgetToGrid(&widget, GetParam().requested.width(), GetParam().requested.height(), GetParam().up);
    EXPECT_EQ(widget.size(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GridResize,
                         ::testing::Values(GridCase {{250, 175}, true, {260, 180}},
                                           GridCase {{131, 49}, false, {140, 40}},
                                           GridCase {{240, 160}, true, {240, 160}},
                                           GridCase {{241, 161}, true, {260, 180}}));

TEST_F(NodeDialogTest, FrameAreasFollowTheSize)
{
    NodeDialog* dialog = openDialog();
    dialog->resize(200, 100);
    dialog->repaint();
    EXPECT_EQ(dialog->titleRect(), QRect(QPoint(1, 1), QPoint(199, 19)));
    EXPECT_EQ(dialog->gripRect(), QRect(QPoint(193, 93), QPoint(200, 100)));
    EXPECT_EQ(dialog->closeBoxRect(), QRect(QPoint(187, 5), QPoint(197, 15)));
    EXPECT_EQ(dialog->minimumSize().expandedTo(QSize(120, 60)), dialog->minimumSize());
}

TEST_F(NodeDialogTest, AFreshDialogIsAtLeast120By60)
{
    auto* dialog = new NodeDialog(&area, block, {NodeDialog::SettingsPage});
    EXPECT_EQ(dialog->minimumSize(), QSize(120, 60));
    delete dialog;
}

struct PressCase
{
    int y;
    int expectedMode;
};

class TitleBand : public NodeDialogTest, public ::testing::WithParamInterface<PressCase>
{ };

TEST_P(TitleBand, OnlyPressesAbove17StartAMove)
{
    NodeDialog* dialog = openDialog();
    dialog->resize(200, 120);
    dialog->repaint();
    press(dialog, QPoint(60, GetParam().y));
    EXPECT_EQ(dialog->dragMode(), GetParam().expectedMode) << "y " << GetParam().y;
    release(dialog, QPoint(60, GetParam().y));
}

INSTANTIATE_TEST_SUITE_P(Rows, TitleBand,
                         ::testing::Values(PressCase {2, NodeDialog::Moving}, PressCase {16, NodeDialog::Moving},
                                           PressCase {17, NodeDialog::NotDragging},
                                           PressCase {19, NodeDialog::NotDragging}));

TEST_F(NodeDialogTest, DraggingTheTitleMovesTheDialogOnTheGrid)
{
    NodeDialog* dialog = openDialog();
    dialog->move(0, 0);
    press(dialog, QPoint(50, 8));
    moveMouse(dialog, QPoint(95, 39));
    release(dialog, QPoint(95, 39));
    EXPECT_EQ(dialog->pos(), QPoint(40, 40));
    EXPECT_TRUE(program->isModified());
}

TEST_F(NodeDialogTest, TheGripResizesOnlyFromInside)
{
    NodeDialog* dialog = openDialog();
    dialog->setMinimumSize(120, 60);
    dialog->resize(200, 120);
    dialog->repaint();
    press(dialog, dialog->gripRect().topLeft());
    EXPECT_EQ(dialog->dragMode(), NodeDialog::NotDragging);
    release(dialog, dialog->gripRect().topLeft());
    press(dialog, dialog->gripRect().center());
    EXPECT_EQ(dialog->dragMode(), NodeDialog::Resizing);
    moveMouse(dialog, QPoint(131, 49));
    // 140 × 40 on the grid, then held at the minimum height.
    EXPECT_EQ(dialog->size(), QSize(140, 60));
    release(dialog, QPoint(131, 49));
    EXPECT_EQ(dialog->dragMode(), NodeDialog::NotDragging);
}

TEST_F(NodeDialogTest, TheCloseBoxClosesAndTheBlockForgetsTheDialog)
{
    QPointer<NodeDialog> dialog = openDialog();
    dialog->repaint();
    press(dialog, dialog->closeBoxRect().center());
    EXPECT_EQ(block->dialog(), nullptr);
    settle();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(program->isModified());
}

// Closing posts the dialog's deletion; a program closed before that runs takes the dialog along,
// so its destructor never reaches a deleted block.
TEST_F(NodeDialogTest, AClosedDialogGoesWithItsBlockBeforeItsPostedDeletion)
{
    QPointer<NodeDialog> dialog = openDialog();
    dialog->close();
    ASSERT_FALSE(dialog.isNull()) << "deleted from the event loop";
    manager->remove(program);
    delete program;
    program = nullptr;
    EXPECT_TRUE(dialog.isNull());
    settle();
}

TEST_F(NodeDialogTest, OpeningAnOpenDialogAgainKeepsIt)
{
    NodeDialog* dialog = openDialog();
    EXPECT_EQ(openDialog(), dialog);
    EXPECT_TRUE(dialog->isAttentionRunning());
}

TEST_F(NodeDialogTest, UpdatesReachTheCustomPageThroughTheBlockUntilTheClose)
{
    auto* dialog = new SizedPageDialog(&area, block);
    dialog->show();
    QList<int> updates;
    QObject::connect(dialog, &NodeDialog::updateCustomWidget, [&](int id) { updates.append(id); });
    // Through the block only while the block knows the dialog.
    QCoreApplication::postEvent(block, new NodeDialogUpdateEvent(7));
    QCoreApplication::processEvents();
    EXPECT_EQ(updates.count(), 0);
    block->dialogClosed();
    NodeDialogUpdateEvent direct(7);
    QCoreApplication::sendEvent(dialog, &direct);
    ASSERT_EQ(updates.count(), 1);
    EXPECT_EQ(updates.first(), 7);
    dialog->close();
    NodeDialogUpdateEvent late(8);
    QCoreApplication::sendEvent(dialog, &late);
    EXPECT_EQ(updates.count(), 1);
}

TEST_F(NodeDialogTest, AnUpdateAfterTheCloseIsIgnored)
{
    auto* dialog = new SizedPageDialog(&area, block);
    dialog->show();
    QList<int> updates;
    QObject::connect(dialog, &NodeDialog::updateCustomWidget, [&](int id) { updates.append(id); });
    dialog->repaint();
    QCoreApplication::postEvent(dialog, new NodeDialogUpdateEvent(3));
    press(dialog, dialog->closeBoxRect().center());
    QCoreApplication::processEvents();
    EXPECT_EQ(updates.count(), 0);
}

TEST_F(NodeDialogTest, EnteringTheDialogSetsTheHelpContext)
{
    NodeDialog* dialog = openDialog();
    currentHelpContext = 0;
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(dialog, &enter);
    EXPECT_EQ(currentHelpContext, block->type()->helpId());
}

// Red from 300 to 600 ms and from 900 to 1200 ms; the blink ends at 1500 ms.
TEST_F(NodeDialogTest, TheTitleBlinksTwiceOnTheClock)
{
    ManualClock clock;
    NodeDialog::setAttentionClock(&clock);
    NodeDialog* dialog = openDialog();
    dialog->showAttention();
    struct BlinkCase
    {
        int ms;
        bool red;
        bool running;
    };
    const BlinkCase steps[] = {
        {300, true, true}, {600, false, true}, {900, true, true}, {1200, false, true}, {1500, false, false}};
    int at = 0;
    for (const BlinkCase& step : steps) {
        clock.advance(std::chrono::milliseconds(step.ms - at));
        at = step.ms;
        QMetaObject::invokeMethod(dialog, "attentionTimerTimeout");
        EXPECT_EQ(dialog->isFlashing(), step.red) << step.ms << " ms";
        EXPECT_EQ(dialog->isAttentionRunning(), step.running) << step.ms << " ms";
    }
    NodeDialog::setAttentionClock(nullptr);
}

TEST_F(NodeDialogTest, ARestartWhileBlinkingGoesOnFromTheBlinksDone)
{
    ManualClock clock;
    NodeDialog::setAttentionClock(&clock);
    NodeDialog* dialog = openDialog();
    dialog->showAttention();
    clock.advance(300ms);
    QMetaObject::invokeMethod(dialog, "attentionTimerTimeout");
    dialog->showAttention();
    clock.advance(300ms);
    QMetaObject::invokeMethod(dialog, "attentionTimerTimeout");
    EXPECT_FALSE(dialog->isFlashing());
    clock.advance(900ms);
    QMetaObject::invokeMethod(dialog, "attentionTimerTimeout");
    EXPECT_FALSE(dialog->isAttentionRunning());
    NodeDialog::setAttentionClock(nullptr);
}

TEST_F(NodeDialogTest, AnOpenDialogIsSavedAndReopensWhereItWas)
{
    NodeDialog* dialog = openDialog();
    dialog->move(40, 60);
    dialog->resize(200, 140);
    const QString file = QDir::temp().filePath(QStringLiteral("dialog_geometry_test.kdw"));
    program->setFileName(file, false);
    ASSERT_TRUE(program->save());
    manager->remove(program);
    delete program;
    program = nullptr;
    settle();
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    State* loaded = loadProgram(*manager, saved.readAll(), file);
    ASSERT_NE(loaded, nullptr);
    program = loaded;
    auto* reloaded = static_cast<StateNode*>(program->nodes().first());
    reloaded->showDialog(&area, true);
    ASSERT_NE(reloaded->dialog(), nullptr);
    EXPECT_EQ(reloaded->dialog()->pos(), QPoint(40, 60));
    EXPECT_EQ(reloaded->dialog()->size(), QSize(200, 140));
    // Restoring again (a second view of the program) keeps the one dialog.
    NodeDialog* restored = reloaded->dialog();
    reloaded->showDialog(&area, true);
    EXPECT_EQ(reloaded->dialog(), restored);
    EXPECT_EQ(area.findChildren<NodeDialog*>().size(), 1);
    QFile::remove(file);
}

TEST_F(NodeDialogTest, DeletingTheBlockClosesItsDialog)
{
    QPointer<NodeDialog> dialog = openDialog();
    delete block;
    block = nullptr;
    EXPECT_TRUE(dialog.isNull());
}

} // namespace
