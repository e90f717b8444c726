#include "EditorClipboard.h"

#include "EditorGeometry.h"
#include "Net.h"
#include "NetLine.h"
#include "Node.h"
#include "StateView.h"

#include <QMap>

#include <algorithm>

namespace {

bool isElement(const xmlNode* node, const char* name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, reinterpret_cast<const xmlChar*>(name));
}

QPoint centreOf(const QRect& rect)
{
    return QPoint((rect.left() + rect.right()) / 2, (rect.top() + rect.bottom()) / 2);
}

} // namespace

DocumentClipboard& DocumentClipboard::instance()
{
    return EditorClipboard::editorClipboard();
}

EditorClipboard& EditorClipboard::editorClipboard()
{
    static EditorClipboard clipboard;
    return clipboard;
}

EditorClipboard::~EditorClipboard()
{
    clear();
}

void EditorClipboard::clear()
{
    if (m_root)
        xmlFreeNode(m_root);
    m_root = nullptr;
}

bool EditorClipboard::isEmptyFor(StateBase* document) const
{
    return !m_root || !document || document->kind() != m_kind;
}

void EditorClipboard::copy(StateBase* document)
{
    if (!document || !document->stateView() || document->stateView()->selectedNodes().isEmpty())
        return;
    clear();
    m_root = xmlNewNode(nullptr, reinterpret_cast<const xmlChar*>("root"));
    if (!writeSelection(document)) {
        clear();
        return;
    }
    m_kind = document->kind();
}

bool EditorClipboard::writeSelection(StateBase* document)
{
    StateView* view = document->stateView();
    QList<Net*> nets;
    for (NetLine* line : view->selectedNetLines()) {
        if (line->net() && !nets.contains(line->net()))
            nets.append(line->net());
    }
    for (Node* node : view->selectedNodes()) {
        if (!node->saveXml(m_root))
            return false;
    }
    for (const Net* net : std::as_const(nets)) {
        if (!net->save(m_root))
            return false;
    }
    return true;
}

void EditorClipboard::paste(StateBase* document)
{
    if (isEmptyFor(document))
        return;
    QMap<unsigned, unsigned> ids;
    QList<Node*> nodes;
    QList<Net*> nets;
    QRect bounds;
    for (xmlNode* child = m_root->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE || isElement(child, "net"))
            continue;
        Node* node = document->loadItem(child);
        if (!node)
            continue;
        const unsigned oldId = node->id();
        node->setId(0);
        node->move(snapToGrid(node->position(), Node::grid));
        node->show();
        if (!document->addNode(node)) {
            delete node;
            continue;
        }
        ids.insert(oldId, node->id());
        nodes.append(node);
        uniteRect(bounds, node->rect());
    }
    for (xmlNode* child = m_root->children; child; child = child->next) {
        if (!isElement(child, "net"))
            continue;
        Net* net = Net::load(document->canvas(), document, child, &ids);
        if (!net)
            continue;
        net->setId(0);
        if (!document->addNet(net)) {
            document->removeNet(net);
            continue;
        }
        net->show();
        net->notifySlots();
        nets.append(net);
        uniteRect(bounds, net->boundingRect());
    }
    StateView* view = document->stateView();
    if (!view)
        return;
    if (nodes.size() == 1 && nets.isEmpty()) {
        document->moveNodeById(static_cast<int>(nodes.first()->id()), view->pressPosition);
    } else if (!nodes.isEmpty()) {
        const QPoint offset = centreOf(view->visibleCanvasRect()) - centreOf(bounds);
        document->moveNodes(nodes, offset);
        document->moveNets(nets, offset);
    }
    view->selectItems(nodes, nets);
}

void uniteRect(QRect& r, const QRect& s)
{
    if (r.right() == r.left() - 1 && r.bottom() == r.top() - 1) {
        r = s;
        return;
    }
    r.setLeft(std::min(r.left(), s.left()));
    r.setRight(std::max(r.right(), s.right()));
    r.setTop(std::min(r.top(), s.top()));
    r.setBottom(std::max(r.bottom(), s.bottom()));
}
