#include "editor_helper.h"

#include "Net.h"
#include "NetLine.h"
#include "NetPoint.h"
#include "Node.h"
#include "NodeFactory.h"
#include "Slot.h"
#include "State.h"
#include "StateView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>

#include <libxml/tree.h>

void EditorTest::SetUp()
{
    registerTestBlocks();
}

void EditorTest::TearDown()
{
    closeProgram();
}

void EditorTest::closeProgram()
{
    if (program) {
        manager.remove(program);
        delete program;
    }
    program = nullptr;
}

void EditorTest::load(const QString& body)
{
    closeProgram();
    program = loadProgram(manager, workspace::model(body));
    ASSERT_TRUE(program);
    window = program->widget();
    ASSERT_TRUE(window);
    view = program->stateView();
    ASSERT_TRUE(view);
    window->resize(900, 700);
    window->show();
    program->viewAdded();
    QApplication::processEvents();
}

Node* EditorTest::block(int id) const
{
    return program->nodeById(id);
}

QPoint EditorTest::slotPoint(int id, int side, int index) const
{
    return block(id)->slot(side, index)->position();
}

void EditorTest::alignInputWithOutput(int from, int to, int input)
{
    const int dy = slotPoint(from, 2, 0).y() - slotPoint(to, 1, input).y();
    program->moveNode(block(to), block(to)->position() + QPoint(0, dy));
    for (Net* net : program->nets()) {
        for (NetLine* line : net->lines())
            line->dockMoved(line->end()->position(), line->end());
    }
}

namespace {

void send(StateView* view, QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons buttons,
          Qt::KeyboardModifiers modifiers)
{
    const QPointF local = view->mapFromScene(QPointF(at));
    QMouseEvent event(type, local, view->viewport()->mapToGlobal(local), button, buttons, modifiers);
    QApplication::sendEvent(view->viewport(), &event);
}

} // namespace

void EditorTest::press(const QPoint& at, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    send(view, QEvent::MouseButtonPress, at, button, button, modifiers);
}

void EditorTest::moveTo(const QPoint& at, Qt::KeyboardModifiers modifiers)
{
    send(view, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, modifiers);
}

void EditorTest::release(const QPoint& at, Qt::MouseButton button)
{
    send(view, QEvent::MouseButtonRelease, at, button, Qt::NoButton, Qt::NoModifier);
}

void EditorTest::click(const QPoint& at, Qt::KeyboardModifiers modifiers)
{
    press(at, modifiers);
    release(at);
}

void EditorTest::doubleClick(const QPoint& at)
{
    click(at);
    send(view, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    release(at);
}

void EditorTest::drag(const QPoint& from, const QPoint& to)
{
    press(from);
    moveTo(to);
    release(to);
}

namespace {

QString elementText(xmlNode* element)
{
    xmlBuffer* buffer = xmlBufferCreate();
    xmlNodeDump(buffer, element->doc, element, 0, 0);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(xmlBufferContent(buffer)));
    xmlBufferFree(buffer);
    return text;
}

QString dockText(const NetDock* dock)
{
    if (const auto* slot = dynamic_cast<const Slot*>(dock))
        return QStringLiteral("slot %1/%2/%3")
            .arg(slot->owner()->id())
            .arg(slot->spec().side())
            .arg(slot->spec().index());
    return QStringLiteral("point %1,%2").arg(dock->position().x()).arg(dock->position().y());
}

QString netText(const Net* net)
{
    QStringList lines;
    for (const NetLine* line : net->lines()) {
        QStringList ends {dockText(line->start()), dockText(line->end())};
        ends.sort();
        lines.append(ends.join(QStringLiteral(" - ")));
    }
    lines.sort();
    return QStringLiteral("net %1: ").arg(net->id()) + lines.join(QStringLiteral("; "));
}

} // namespace

QSet<QString> documentState(StateBase* document)
{
    QSet<QString> state;
    xmlNode* root = xmlNewNode(nullptr, reinterpret_cast<const xmlChar*>("root"));
    for (Node* node : document->nodes()) {
        node->saveXml(root);
        state.insert(elementText(xmlGetLastChild(root)));
    }
    xmlFreeNode(root);
    for (const Net* net : document->nets())
        state.insert(netText(net));
    return state;
}

QString twoJoinedBlocks()
{
    return workspace::node(1, RecordingBlock::kind, 60, 60, QStringLiteral("first"))
        + workspace::node(2, RecordingBlock::kind, 240, 60, QStringLiteral("second")) + workspace::net(1, 1, 2);
}

ConstStandIn::ConstStandIn(State* owner, QGraphicsScene* canvas, unsigned id) : StateNode(owner, canvas, id, nodeType())
{
}

NodeType ConstStandIn::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QStringLiteral("Constant"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(kind);
        type.addSubtype(QStringLiteral("Constant"), QStringLiteral("const.png"));
        type.addValueSlot(QStringLiteral("Output"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(kind, &ConstStandIn::create);
    }
    return type;
}

StateNode* ConstStandIn::create(State* owner, QGraphicsScene* canvas, const NodeType&, unsigned id)
{
    return new ConstStandIn(owner, canvas, id);
}

void ConstStandIn::setParameters(QMap<QString, QString> values)
{
    value = values.value(QStringLiteral("value")).toFloat();
}

QMap<QString, QString> ConstStandIn::parameters() const
{
    return {{QStringLiteral("value"), QString::number(value, 'g', 6)}};
}
