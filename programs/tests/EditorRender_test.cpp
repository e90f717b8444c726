// Renders an open program window into PNG files of the build folder, so the editor can
// be looked at without a display.

#include "editor_helper.h"

#include "Net.h"
#include "NetLine.h"
#include "NodeFactory.h"
#include "State.h"
#include "StateView.h"
#include "ValueSlot.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>

#include "NodeDialog.h"
#include "StateNode.h"

namespace {

// Blocks that look like real ones: their pictures and their slots.
class PictureBlock : public StateNode
{
public:
    PictureBlock(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type)
        : StateNode(owner, canvas, id, type)
    {
    }

    static void registerKind(unsigned short maintype, const QString& icon, int inputs, int outputs)
    {
        NodeType& type = types()[maintype];
        type = StateNode::baseType();
        type.setName(icon.section(QLatin1Char('.'), 0, 0));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(maintype);
        type.addSubtype(type.name(), icon);
        for (int i = 1; i <= inputs; ++i)
            type.addValueSlot(QStringLiteral("I%1").arg(i), SlotSpec::Input, SlotSpec::Left, 0.0f);
        for (int i = 1; i <= outputs; ++i)
            type.addValueSlot(QStringLiteral("O%1").arg(i), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(maintype, &PictureBlock::create);
    }

    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
    {
        return new PictureBlock(owner, canvas, id, types().value(type.maintype()));
    }

private:
    static QMap<unsigned short, NodeType>& types()
    {
        static QMap<unsigned short, NodeType> registered;
        return registered;
    }
};

QString net(unsigned id, unsigned from, int output, unsigned to, int input)
{
    return QStringLiteral("<net id=\"%1\"><slot nodeid=\"%2\" channel=\"%3\" position=\"2\" id=\"1\"/>"
                          "<slot nodeid=\"%4\" channel=\"%5\" position=\"1\" id=\"2\"/>"
                          "<line startid=\"1\" endid=\"2\"/></net>\n")
        .arg(id)
        .arg(from)
        .arg(output)
        .arg(to)
        .arg(input);
}

QString savePath(const QString& name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

class EditorRender : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        ConstStandIn::nodeType();
        PictureBlock::registerKind(20, QStringLiteral("basicmath_plus.png"), 2, 1);
        PictureBlock::registerKind(16, QStringLiteral("compare_greater.png"), 2, 1);
        PictureBlock::registerKind(48, QStringLiteral("logo_and.png"), 2, 1);
        PictureBlock::registerKind(27, QStringLiteral("smooth.png"), 1, 1);
        PictureBlock::registerKind(2, QStringLiteral("scope.png"), 3, 0);
        PictureBlock::registerKind(41, QStringLiteral("time.png"), 0, 1);
    }

    // A small program: two constants added, compared, gated, smoothed and shown.
    static QString sample()
    {
        const QString value = QStringLiteral("<param name=\"value\">%1</param>");
        return workspace::node(1, ConstStandIn::kind, 60, 60, QStringLiteral("speed"), value.arg(2.5))
            + workspace::node(2, ConstStandIn::kind, 60, 132, QStringLiteral("offset"), value.arg(-1))
            + workspace::node(3, 20, 180, 96, QStringLiteral("sum"))
            + workspace::node(4, 41, 180, 204, QStringLiteral("clock"))
            + workspace::node(5, 16, 300, 150, QStringLiteral("above"))
            + workspace::node(6, 48, 420, 150, QStringLiteral("gate"))
            + workspace::node(7, 27, 300, 60, QStringLiteral("filter"))
            + workspace::node(8, 2, 540, 96, QStringLiteral("scope")) + net(1, 1, 0, 3, 0) + net(2, 2, 0, 3, 1)
            + net(3, 3, 0, 7, 0) + net(4, 4, 0, 5, 1) + net(5, 7, 0, 8, 0) + net(6, 5, 0, 6, 0) + net(7, 6, 0, 8, 2);
    }
};

TEST_F(EditorRender, AnOpenProgramWindowIsRenderedToPng)
{
    load(sample());
    ASSERT_EQ(program->nodes().size(), 8);
    window->resize(1000, 640);
    view->setGridVisible(true);
    view->setGridSpacing(2);
    // A selected block, a split line with its point, and a hosted dialog.
    view->setSelectedNode(block(3));
    auto* sum = static_cast<StateNode*>(block(3));
    sum->showDialog(program->dialogArea(), false);
    ASSERT_TRUE(sum->dialog());
    sum->dialog()->move(40, 20);
    QApplication::processEvents();
    const QPixmap shot = window->grab();
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(savePath(QStringLiteral("editor_window.png"))));

    view->zoomIn();
    QApplication::processEvents();
    EXPECT_TRUE(view->grab().save(savePath(QStringLiteral("editor_view_zoomed.png"))));
}

TEST_F(EditorRender, EditingInProgressIsRenderedToPng)
{
    load(sample());
    window->resize(1000, 640);
    // A split line with its new point selected, a net being drawn with a corner, and the
    // tooltip of the slot under the mouse.
    const QPoint a = slotPoint(3, 2, 0);
    const QPoint b = slotPoint(7, 1, 0);
    program->beginUndoGroup();
    program->insertNetPoint(program->nets().at(2)->lines().first(), QPoint(240, 132));
    program->endUndoGroup();
    view->selectItems({}, {program->nets().at(2)});
    click(slotPoint(4, 2, 0));
    click(QPoint(240, 264));
    moveTo(slotPoint(6, 1, 1));
    QApplication::processEvents();
    EXPECT_TRUE(view->netBeingDrawn());
    EXPECT_NE(a, b);
    EXPECT_TRUE(view->grab().save(savePath(QStringLiteral("editor_editing.png"))));
}

} // namespace
