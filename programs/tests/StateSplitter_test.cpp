#include "editor_helper.h"

#include "ConstView.h"
#include "DialogView.h"
#include "NodeDialog.h"
#include "NodeFactory.h"
#include "SettingsView.h"
#include "ShellServices.h"
#include "State.h"
#include "StateNode.h"
#include "StateSplitter.h"
#include "StateView.h"
#include "ValueSlot.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QFrame>
#include <QMetaObject>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

namespace {

class ProgramWindow : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ConstStandIn::nodeType();
    }

    QString constants() const
    {
        return workspace::node(1, ConstStandIn::kind, 60, 60, QStringLiteral("speed"),
                               QStringLiteral("<param name=\"value\">2.5</param>"))
            + workspace::node(2, ConstStandIn::kind, 60, 120, QStringLiteral("gain"),
                              QStringLiteral("<param name=\"value\">-3</param>"));
    }

    StateSplitter* splitter() const { return static_cast<StateSplitter*>(window); }
    ConstView* table() const { return program->constView(); }
    DialogView* dialogs() const { return program->dialogView(); }
    ConstStandIn* constant(int id) const { return static_cast<ConstStandIn*>(block(id)); }
    // Opens the block's dialog as a double click in the editor does.
    NodeDialog* openDialog(int id)
    {
        doubleClick(block(id)->position());
        return static_cast<StateNode*>(block(id))->dialog();
    }
    static QString recordingBlocks(int count)
    {
        QString body;
        for (int id = 1; id <= count; ++id)
            body += workspace::node(id, RecordingBlock::kind, 60 + 120 * (id - 1), 60);
        return body;
    }
    void edit(int row, int column, const QString& text) { table()->item(row, column)->setText(text); }
};

TEST_F(ProgramWindow, TheWindowHoldsEditorConstantsAndDialogArea)
{
    load(constants());
    ASSERT_TRUE(table());
    ASSERT_TRUE(dialogs());
    EXPECT_EQ(splitter()->orientation(), Qt::Vertical);
    EXPECT_EQ(splitter()->widget(0), view);
    EXPECT_EQ(splitter()->widget(1), splitter()->settingsView());
    EXPECT_EQ(splitter()->settingsView()->widget(0), table());
    EXPECT_EQ(splitter()->settingsView()->widget(1), dialogs());
    EXPECT_EQ(program->stateView(), view);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("test"));
}

TEST_F(ProgramWindow, SavedPaneSizesComeBack)
{
    load(QString());
    const QByteArray text = workspace::model(QString(), QStringLiteral(" size0=\"440\" size1=\"200\""));
    State* sized = loadProgram(manager, text, QStringLiteral("/tmp/sized.kdw"));
    ASSERT_TRUE(sized);
    sized->widget()->resize(900, 660);
    sized->widget()->show();
    QApplication::processEvents();
    const QList<int> sizes = static_cast<QSplitter*>(sized->widget())->sizes();
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_NEAR(double(sizes.at(0)) / sizes.at(1), 440.0 / 200.0, 0.05);
    manager.remove(sized);
    delete sized;
}

TEST_F(ProgramWindow, ConstantsAreListedNewestFirst)
{
    load(constants());
    ASSERT_EQ(table()->rowCount(), 2);
    // The loaded blocks in block order, each added on top.
    EXPECT_EQ(table()->item(0, 0)->text(), QStringLiteral("gain"));
    EXPECT_EQ(table()->item(0, 1)->text(), QStringLiteral("-3"));
    EXPECT_EQ(table()->item(1, 0)->text(), QStringLiteral("speed"));
    EXPECT_EQ(table()->item(1, 1)->text(), QStringLiteral("2.5"));
    auto* added = static_cast<ConstStandIn*>(program->createNode(ConstStandIn::nodeType()));
    ASSERT_TRUE(added);
    program->addNode(added);
    table()->addConst(added);
    EXPECT_EQ(table()->consts().first(), added);
    table()->removeConst(constant(2));
    ASSERT_EQ(table()->rowCount(), 2);
    EXPECT_EQ(table()->consts().last(), constant(1));
    EXPECT_EQ(table()->item(1, 0)->text(), QStringLiteral("speed"));
}

TEST_F(ProgramWindow, EditedCellsReachTheBlock)
{
    load(constants());
    struct Case
    {
        int column;
        QString typed;
        QString shown;
        float value;
        QString name;
    };
    const Case cases[] = {
        {1, QStringLiteral("4.25"), QStringLiteral("4.25"), 4.25f, QStringLiteral("gain")},
        {1, QStringLiteral("abc"), QStringLiteral("0.0"), 0.0f, QStringLiteral("gain")},
        {1, QStringLiteral(" -1e3 "), QStringLiteral(" -1e3 "), -1000.0f, QStringLiteral("gain")},
        {0, QStringLiteral("boost"), QStringLiteral("boost"), -1000.0f, QStringLiteral("boost")},
        {0, QString(), QStringLiteral("boost"), -1000.0f, QStringLiteral("boost")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        edit(0, c.column, c.typed);
        EXPECT_EQ(table()->item(0, c.column)->text(), c.shown);
        EXPECT_EQ(constant(2)->value, c.value);
        EXPECT_EQ(constant(2)->type()->name(), c.name);
    }
    EXPECT_TRUE(program->isModified());
}

TEST_F(ProgramWindow, OpeningAConstantFlashesItsRowTwice)
{
    load(constants());
    table()->showConst(constant(1));
    EXPECT_TRUE(table()->attentionTimer()->isActive());
    EXPECT_EQ(table()->attentionTimer()->interval(), 300);
    // Selected after the 1st and 3rd tick (300 and 900 ms), clear after the 2nd and 4th;
    // the 5th tick (1500 ms) stops the timer.
    const bool selectedAfterTick[] = {true, false, true, false, false};
    for (bool selected : selectedAfterTick) {
        QMetaObject::invokeMethod(table(), "attentionTimerTimeout");
        EXPECT_EQ(table()->selectionModel()->isRowSelected(1, QModelIndex()), selected);
        EXPECT_TRUE(table()->selectedItems().isEmpty() || table()->selectedItems().first()->row() == 1);
    }
    EXPECT_FALSE(table()->attentionTimer()->isActive());
    EXPECT_EQ(table()->attentionTicks(), 0);
}

TEST_F(ProgramWindow, EnteringTheTableSetsTheConstantHelpContext)
{
    load(constants());
    currentHelpContext = 0;
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(table(), &enter);
    EXPECT_EQ(currentHelpContext, 100060);
}

TEST_F(ProgramWindow, DialogsSnapToTheTwentyPixelGrid)
{
    load(recordingBlocks(1));
    NodeDialog* dialog = openDialog(1);
    ASSERT_TRUE(dialog);
    dialog->resize(200, 100);
    EXPECT_EQ(dialogs()->dialogPosition(dialog), QPoint(0, 0));
    struct Case
    {
        QPoint moveBy;
        QPoint landsAt;
    };
    const Case cases[] = {
        {{31, 29}, {40, 20}},
        {{29, 31}, {20, 40}},
        {{-500, 0}, {0, 0}},
        {{5000, 5000}, {1800, 1900}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.moveBy.x() << "," << c.moveBy.y());
        dialog->move(0, 0);
        const QPoint press(10, 5);
        dialogs()->dragDialog(dialog, press.x() + c.moveBy.x(), press.y() + c.moveBy.y(), press.x(), press.y());
        EXPECT_TRUE(dialogs()->dragOutline()->isVisible());
        EXPECT_EQ(dialogs()->dragOutline()->size(), dialog->size());
        EXPECT_EQ(dialog->pos(), QPoint(0, 0));
        dialogs()->dropDialog(dialog);
        EXPECT_EQ(dialog->pos(), c.landsAt);
        EXPECT_FALSE(dialogs()->dragOutline()->isVisible());
    }
    resizeWidgetToGrid(dialog, 131, 129, false);
    EXPECT_EQ(dialog->size(), QSize(140, 120));
    resizeWidgetToGrid(dialog, 121, 121, true);
    EXPECT_EQ(dialog->size(), QSize(140, 140));
    EXPECT_EQ(DialogView::gridSize(), 20);
}

TEST_F(ProgramWindow, DialogPlaceAndSizeAreKnownOnlyWhileHosted)
{
    load(recordingBlocks(4));
    NodeDialog* open[3];
    for (int i = 0; i < 3; ++i) {
        open[i] = openDialog(i + 1);
        ASSERT_TRUE(open[i]);
        open[i]->resize(160, 120);
    }
    EXPECT_EQ(dialogs()->dialogs().size(), 3);
    open[1]->move(40, 60);
    EXPECT_EQ(dialogs()->dialogPosition(open[1]), QPoint(40, 60));
    EXPECT_EQ(dialogs()->dialogSize(open[1]), QSize(160, 120));
    // A dialog outside the area is not hosted by it.
    QWidget elsewhere;
    auto* stranger = static_cast<StateNode*>(block(4));
    stranger->showDialog(&elsewhere, false);
    ASSERT_TRUE(stranger->dialog());
    EXPECT_EQ(dialogs()->dialogPosition(stranger->dialog()), QPoint(-1, -1));
    EXPECT_EQ(dialogs()->dialogSize(stranger->dialog()), QSize(-1, -1));
    EXPECT_FALSE(dialogs()->isEmpty());
    // Closing all closes the block dialogs, and each block forgets its own.
    dialogs()->closeAllDialogs();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialogs()->isEmpty());
    EXPECT_TRUE(dialogs()->contents()->findChildren<NodeDialog*>().isEmpty());
    for (int id = 1; id <= 3; ++id)
        EXPECT_EQ(static_cast<StateNode*>(block(id))->dialog(), nullptr) << id;
    EXPECT_NE(stranger->dialog(), nullptr);
}

} // namespace

namespace {

TEST_F(ProgramWindow, DeletingAConstantRemovesItsRowAndUndoBringsTheBlockBack)
{
    load(constants());
    click(block(2)->position());
    view->deleteSelection();
    ASSERT_EQ(table()->rowCount(), 1);
    EXPECT_EQ(table()->item(0, 0)->text(), QStringLiteral("speed"));
    program->undo();
    ASSERT_TRUE(block(2));
    EXPECT_EQ(block(2)->type()->name(), QStringLiteral("gain"));
}

} // namespace

namespace {

// Records where the editor asks it to open its dialog.
class DialogBlock : public RecordingBlock
{
public:
    static constexpr unsigned short kind = 203;

    DialogBlock(State* owner, QGraphicsScene* canvas, unsigned id) : RecordingBlock(owner, canvas, id, nodeType()) { }

    static NodeType nodeType()
    {
        static NodeType type;
        if (type.needsBuild()) {
            type = RecordingBlock::nodeType();
            type.setMaintype(kind);
            nodeFactories().insert(kind,
                                   [](State* owner, QGraphicsScene* canvas, const NodeType&,
                                      unsigned id) -> StateNode* { return new DialogBlock(owner, canvas, id); });
        }
        return type;
    }

    void showDialog(QWidget* parent, bool restore) override
    {
        openedIn = parent;
        restored = restore;
    }

    QWidget* openedIn = nullptr;
    bool restored = true;
};

TEST_F(ProgramWindow, ADoubleClickOnABlockOpensItsDialogInTheDialogArea)
{
    DialogBlock::nodeType();
    load(workspace::node(1, DialogBlock::kind, 60, 60));
    auto* block = static_cast<DialogBlock*>(this->block(1));
    doubleClick(block->position());
    EXPECT_EQ(block->openedIn, program->dialogArea());
    EXPECT_EQ(block->openedIn, dialogs()->contents());
    EXPECT_FALSE(block->restored);
}

TEST_F(ProgramWindow, ANewDialogIsPlacedAtTheOriginAndScrolledIntoView)
{
    load(recordingBlocks(1));
    window->resize(900, 700);
    QApplication::processEvents();
    dialogs()->horizontalScrollBar()->setValue(600);
    dialogs()->verticalScrollBar()->setValue(600);
    NodeDialog* dialog = openDialog(1);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->pos(), QPoint(0, 0));
    EXPECT_EQ(dialog->parentWidget(), dialogs()->contents());
    EXPECT_EQ(dialogs()->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(dialogs()->verticalScrollBar()->value(), 0);
}

} // namespace

namespace {

void sendMouse(QWidget* target, QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST_F(ProgramWindow, ADialogDraggedByItsTitleLandsOnTheGridAndComesBackAfterAReload)
{
    load(recordingBlocks(1));
    NodeDialog* dialog = openDialog(1);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->parentWidget(), dialogs()->contents());
    dialog->resize(200, 140);
    const QPoint press = dialog->titleRect().center();
    sendMouse(dialog, QEvent::MouseButtonPress, press, Qt::LeftButton);
    sendMouse(dialog, QEvent::MouseMove, press + QPoint(57, 33), Qt::LeftButton);
    // While dragged, the outline shows where it lands; the dialog stays.
    EXPECT_TRUE(dialogs()->dragOutline()->isVisible());
    EXPECT_EQ(dialogs()->dragOutline()->pos(), QPoint(60, 40));
    EXPECT_EQ(dialog->pos(), QPoint(0, 0));
    sendMouse(dialog, QEvent::MouseMove, press + QPoint(128, 91), Qt::LeftButton);
    sendMouse(dialog, QEvent::MouseButtonRelease, press + QPoint(128, 91), Qt::NoButton);
    EXPECT_FALSE(dialogs()->dragOutline()->isVisible());
    EXPECT_EQ(dialog->pos(), QPoint(120, 100));
    EXPECT_EQ(dialogs()->dialogPosition(dialog), QPoint(120, 100));
    EXPECT_TRUE(program->isModified());

    const QString file = QDir::temp().filePath(QStringLiteral("dialog_area_reload_test.kdw"));
    program->setFileName(file, false);
    ASSERT_TRUE(program->save());
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_TRUE(text.contains("<dialog x=\"120\" y=\"100\" width=\"200\" height=\"140\"/>")) << text.constData();

    closeProgram();
    program = loadProgram(manager, text, file);
    ASSERT_TRUE(program);
    window = program->widget();
    window->resize(900, 700);
    window->show();
    program->viewAdded();
    QApplication::processEvents();
    auto* reloaded = static_cast<StateNode*>(block(1));
    ASSERT_TRUE(reloaded->dialog());
    EXPECT_EQ(reloaded->dialog()->parentWidget(), dialogs()->contents());
    EXPECT_EQ(dialogs()->dialogPosition(reloaded->dialog()), QPoint(120, 100));
    EXPECT_EQ(dialogs()->dialogSize(reloaded->dialog()), QSize(200, 140));
    QFile::remove(file);
}

} // namespace
