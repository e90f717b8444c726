#include "StateView.h"

#include "EditorGeometry.h"
#include "Net.h"
#include "NetLine.h"
#include "NetPoint.h"
#include "Node.h"
#include "NodePixmap.h"
#include "ShellServices.h"
#include "Slot.h"
#include "StateBase.h"
#include "StateBlock.h"
#include "StateNode.h"
#include "Tooltip.h"
#include "UndoRecorder.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScrollBar>

namespace {

constexpr int maxGridSpacing = 10;
constexpr qreal selectionRectZ = 99;

bool hasZ(const QGraphicsItem* item, qreal idle, qreal raised)
{
    return item->zValue() == idle || item->zValue() == raised;
}

int clampGridSpacing(int spacing)
{
    if (spacing == 0)
        return 1;
    // Negative values count as huge, as an unsigned reading gives them.
    return static_cast<unsigned>(spacing) > unsigned(maxGridSpacing) ? maxGridSpacing : spacing;
}

QColor gridLineColour(StateBase_t::statebase_t kind)
{
    return kind == StateBase_t::Chart ? chartGridColour : programGridColour;
}

QColor backgroundColour(StateBase_t::statebase_t kind)
{
    return kind == StateBase_t::Chart ? chartBackground : programBackground;
}

} // namespace

StateView::StateView(QWidget* parent, StateBase* owner) : QGraphicsView(owner->canvas(), parent), m_owner(owner)
{
    setAcceptDrops(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    viewport()->setMouseTracking(true);
    m_tooltip = new Tooltip(owner->canvas());
    m_selectionRect = new QGraphicsRectItem();
    m_selectionRect->setPen(QPen(Qt::black, 1, Qt::DotLine));
    m_selectionRect->setZValue(selectionRectZ);
    m_selectionRect->setVisible(false);
    owner->canvas()->addItem(m_selectionRect);
    scene()->setBackgroundBrush(backgroundColour(owner->kind()));
    owner->setEditor(this);
}

StateView::~StateView()
{
    cancelNet();
    if (m_owner->editor() == this)
        m_owner->setEditor(nullptr);
    delete m_selectionRect;
    delete m_tooltip;
}

// ---- zoom and grid ----

QRectF StateView::visibleSceneRect() const
{
    return mapToScene(viewport()->rect()).boundingRect();
}

void StateView::zoomIn()
{
    if (m_zoom > maxZoom / 2)
        return;
    QRectF r = visibleSceneRect();
    const QRectF canvasRect = scene()->sceneRect();
    r.setWidth(std::min(r.width(), canvasRect.width()));
    r.setHeight(std::min(r.height(), canvasRect.height()));
    const QPoint centre = r.toRect().center();
    scale(2, 2);
    centerOn(centre);
    m_zoom *= 2;
}

void StateView::zoomOut()
{
    const QRectF r = visibleSceneRect();
    const QRectF canvasRect = scene()->sceneRect();
    // Nothing is gained once the whole canvas is in sight.
    if (r.width() >= canvasRect.width() && r.height() >= canvasRect.height())
        return;
    const QPoint centre = r.toRect().center();
    scale(0.5, 0.5);
    centerOn(centre);
    m_zoom *= 0.5;
}

void StateView::setGridVisible(bool on)
{
    m_gridVisible = on;
    m_owner->setGrid(on);
    if (on) {
        drawGridBackground();
        return;
    }
    scene()->setBackgroundBrush(backgroundColour(m_owner->kind()));
}

void StateView::setGridSpacing(int spacing)
{
    m_gridSpacing = clampGridSpacing(spacing);
    m_owner->setGridSpace(m_gridSpacing);
    if (m_gridVisible)
        drawGridBackground();
}

void StateView::increaseGridSpacing()
{
    setGridSpacing(m_gridSpacing + 1);
    setGridVisible(true);
}

void StateView::decreaseGridSpacing()
{
    setGridSpacing(m_gridSpacing - 1);
    setGridVisible(true);
}

void StateView::drawGridBackground()
{
    const int side = m_gridSpacing * grid;
    QPixmap cell(side, side);
    cell.fill(backgroundColour(m_owner->kind()));
    QPainter painter(&cell);
    painter.setPen(gridLineColour(m_owner->kind()));
    painter.drawLine(0, 0, 0, side - 1);
    painter.drawLine(0, 0, side - 1, 0);
    painter.end();
    scene()->setBackgroundBrush(QBrush(cell));
}

void StateView::drawBackground(QPainter* painter, const QRectF& rect)
{
    // Gray shows beyond the canvas, the document's own background on it.
    painter->fillRect(rect, Qt::gray);
    painter->fillRect(rect.intersected(scene()->sceneRect()), scene()->backgroundBrush());
}

// ---- coordinates and hit tests ----

QPoint StateView::toCanvas(const QPointF& viewportPosition) const
{
    return mapToScene(viewportPosition.toPoint()).toPoint();
}

void StateView::computeHits(const QPointF& viewportPosition, Qt::KeyboardModifiers modifiers)
{
    m_modifiers = modifiers;
    m_p = toCanvas(viewportPosition);
    m_g = snapToGrid(m_p, grid);
    m_hits = scene()->items(QPointF(m_p), Qt::IntersectsItemShape, Qt::DescendingOrder);
    m_gridHits = scene()->items(QPointF(m_g), Qt::IntersectsItemShape, Qt::DescendingOrder);
}

Slot* StateView::findSlot() const
{
    for (QGraphicsItem* item : m_gridHits) {
        if (hasZ(item, Slot::idleZ, Slot::raisedZ)) {
            if (auto* slot = dynamic_cast<Slot*>(item))
                return slot;
        }
    }
    return nullptr;
}

QGraphicsItem* StateView::findNodeIcon() const
{
    for (QGraphicsItem* item : m_gridHits) {
        if (hasZ(item, NodePixmap::idleZ, NodePixmap::selectedZ) && dynamic_cast<NodePixmap*>(item))
            return item;
    }
    return nullptr;
}

NetPoint* StateView::findNetPoint() const
{
    for (QGraphicsItem* item : m_gridHits) {
        if (hasZ(item, NetPoint::pointZ, NetPoint::pointZ + 10)) {
            if (auto* point = dynamic_cast<NetPoint*>(item))
                return point;
        }
    }
    return nullptr;
}

NetLine* StateView::findNetLine() const
{
    const NetLine* drawn = m_drawnNet ? m_drawnNet->currentLine() : nullptr;
    for (QGraphicsItem* item : m_hits) {
        if (!hasZ(item, NetLine::idleZ, NetLine::raisedZ))
            continue;
        auto* line = dynamic_cast<NetLine*>(item);
        if (line && line != drawn)
            return line;
    }
    return nullptr;
}

bool StateView::shiftHeld() const
{
    return m_modifiers.testFlag(Qt::ShiftModifier) || ShellServices::current().shiftPressed();
}

bool StateView::ctrlHeld() const
{
    return m_modifiers.testFlag(Qt::ControlModifier) || ShellServices::current().ctrlPressed();
}

void StateView::updateCanvas()
{
    scene()->update();
}

// ---- mouse ----

void StateView::mousePressEvent(QMouseEvent* event)
{
    contentsMousePressEvent(event);
}

void StateView::mouseReleaseEvent(QMouseEvent* event)
{
    contentsMouseReleaseEvent(event);
}

void StateView::mouseDoubleClickEvent(QMouseEvent* event)
{
    contentsMouseDoubleClickEvent(event);
}

void StateView::mouseMoveEvent(QMouseEvent* event)
{
    contentsMouseMoveEvent(event);
}

void StateView::contentsMousePressEvent(QMouseEvent* event)
{
    setFocus();
    computeHits(event->position(), event->modifiers());
    NetPoint* point = findNetPoint();
    QGraphicsItem* icon = findNodeIcon();
    Node* node = icon ? static_cast<NodePixmap*>(icon)->node() : nullptr;
    Slot* slot = findSlot();
    NetLine* line = point ? nullptr : findNetLine();
    pressPosition = m_p;
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton) {
        updateCanvas();
        return;
    }
    applyPressSelection(node, point, line);
    if (button == Qt::LeftButton) {
        if (node)
            startMove(node->position());
        else if (slot)
            dockClicked(slot);
        else if (point && !m_drawnNet)
            startMove(point->position());
        else if (point)
            dockClicked(point);
        else if (line)
            startMove(m_g);
        else if (m_drawnNet)
            m_drawnNet->addPoint(m_g);
        else {
            m_selectionRect->setRect(0, 0, 0, 0);
            m_selectionRect->setPos(m_p);
            m_rectOrigin = m_p;
            m_selectionRect->setVisible(true);
        }
    } else {
        showContextMenu();
    }
    updateCanvas();
}

void StateView::applyPressSelection(Node* node, NetPoint* point, NetLine* line)
{
    const bool shift = shiftHeld();
    if (node && node->isSelected()) {
        if (shift)
            clearNodeSelection(node);
    } else if (point && point->isSelected()) {
        if (shift)
            clearNetPointSelection(point);
    } else if (line && line->isSelected()) {
        if (shift)
            clearNetLineSelection(line);
    } else {
        if (!shift && !m_drawnNet)
            clearSelection();
        setSelectedNode(node, false, false);
        selectNetPoint(point, false);
        selectNetLine(line, false, true);
    }
}

void StateView::startMove(const QPoint& origin)
{
    m_movePending = true;
    m_dragOrigin = origin;
    m_moving = true;
    m_owner->beginUndoGroup();
}

void StateView::contentsMouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_moving) {
        m_moving = false;
        m_owner->endUndoGroup();
    } else if (m_selectionRect->isVisible()) {
        m_selectionRect->setVisible(false);
    }
    updateCanvas();
}

void StateView::contentsMouseMoveEvent(QMouseEvent* event)
{
    computeHits(event->position(), event->modifiers());
    if (m_moving)
        moveSelectionWithMouse();
    if (m_drawnNet) {
        if (NetLine* current = m_drawnNet->currentLine())
            current->dockMoved(m_p, nullptr);
    } else if (m_selectionRect->isVisible()) {
        dragRubberBand();
    }
    forgetHighlightedSlot();
    hoverSlot(m_p);
    updateCanvas();
}

void StateView::moveSelectionWithMouse()
{
    const QPoint d = m_g - m_dragOrigin;
    if (m_movePending && d.manhattanLength() <= moveThreshold)
        return;
    m_movePending = false;
    m_dragOrigin = m_g;
    if (!m_selectedNodes.isEmpty())
        m_tooltip->setVisible(false);
    m_owner->moveNodes(m_selectedNodes, d);
    m_owner->moveNetPoints(m_selectedNetPoints, d);
}

void StateView::dragRubberBand()
{
    QRect band(m_rectOrigin, QSize(m_p.x() - m_rectOrigin.x(), m_p.y() - m_rectOrigin.y()));
    band = band.normalized();
    m_selectionRect->setPos(band.topLeft());
    m_selectionRect->setRect(0, 0, band.width(), band.height());
    clearNetLineSelection(nullptr);
    clearNetPointSelection(nullptr);
    QList<Node*> touched;
    const QList<QGraphicsItem*> items = scene()->items(QRectF(band), Qt::IntersectsItemShape);
    for (QGraphicsItem* item : items) {
        if (item == m_selectionRect)
            continue;
        if (hasZ(item, NodePixmap::idleZ, NodePixmap::selectedZ)) {
            if (auto* icon = dynamic_cast<NodePixmap*>(item))
                touched.append(icon->node());
        } else if (hasZ(item, NetPoint::pointZ, NetPoint::pointZ + 10)) {
            if (auto* point = dynamic_cast<NetPoint*>(item))
                selectNetPoint(point, true);
        } else if (hasZ(item, NetLine::idleZ, NetLine::raisedZ)) {
            if (auto* line = dynamic_cast<NetLine*>(item))
                selectNetLine(line, true, false);
        }
    }
    for (Node* node : QList<Node*>(m_selectedNodes)) {
        if (!touched.contains(node))
            clearNodeSelection(node);
    }
    for (Node* node : std::as_const(touched)) {
        if (!m_selectedNodes.contains(node))
            setSelectedNode(node, true, false);
    }
}

void StateView::contentsMouseDoubleClickEvent(QMouseEvent* event)
{
    setFocus();
    if (event->button() != Qt::LeftButton)
        return;
    computeHits(event->position(), event->modifiers());
    NetPoint* point = findNetPoint();
    QGraphicsItem* icon = findNodeIcon();
    Node* node = icon ? static_cast<NodePixmap*>(icon)->node() : nullptr;
    NetLine* line = point ? nullptr : findNetLine();
    if (node) {
        if (node->type()->hasFlags(NodeType::FunctionBlock)) {
            if (auto* block = dynamic_cast<StateNode*>(node))
                block->showDialog(m_owner->dialogArea(), false);
        } else if (auto* element = qobject_cast<StateBlock*>(node)) {
            element->showProgram();
        }
    } else if (point) {
        dockClicked(point);
        updateCanvas();
    } else if (line) {
        clearSelection();
        m_owner->beginUndoGroup();
        NetPoint* inserted = m_owner->insertNetPoint(line, m_g);
        m_owner->endUndoGroup();
        selectNetPoint(inserted, false);
        updateCanvas();
    }
}

// ---- drawing nets ----

void StateView::dockClicked(NetDock* dock)
{
    if (!dock->canConnect(m_drawnNet))
        return;
    if (!m_drawnNet)
        startNet(dock);
    else
        finishNet(dock);
}

void StateView::startNet(NetDock* dock)
{
    if (dock->hasKind(NetDock::SlotBit)) {
        m_drawnNet = new Net(scene(), m_owner);
    } else {
        auto* point = dynamic_cast<NetPoint*>(dock);
        if (!point || !point->net())
            return;
        m_drawnNet = point->net();
        m_owner->beginNetChange(m_drawnNet);
    }
    m_drawnNet->connectDock(dock);
}

void StateView::finishNet(NetDock* dock)
{
    Net* net = m_drawnNet;
    auto* slot = dock->hasKind(NetDock::SlotBit) ? dynamic_cast<Slot*>(dock) : nullptr;
    // A straight line from a block back to itself: the click is ignored, drawing goes on.
    if (slot && net->joinsNodeOf(slot))
        return;
    m_owner->beginUndoGroup();
    if (slot) {
        net->connectDock(slot);
        if (!m_owner->addNet(net))
            m_owner->commitNetChange();
    } else if (auto* point = dynamic_cast<NetPoint*>(dock)) {
        net->connectDock(point);
        if (m_owner->nets().contains(net))
            m_owner->commitNetChange();
        m_owner->mergeNet(net, point);
    }
    m_drawnNet = nullptr;
    m_owner->endUndoGroup();
}

void StateView::cancelNet()
{
    if (!m_drawnNet)
        return;
    Net* net = m_drawnNet;
    m_drawnNet = nullptr;
    if (m_owner->nets().contains(net))
        m_owner->undoStack()->revertNetModification();
    else
        m_owner->removeNet(net);
    updateCanvas();
}

bool StateView::drawnNetTouches(const Node* node) const
{
    if (!m_drawnNet)
        return false;
    const QList<Slot*> ends = m_drawnNet->sources() + m_drawnNet->targets();
    for (const Slot* slot : ends) {
        if (slot->owner() == node)
            return true;
    }
    return false;
}

// ---- slots under the mouse ----

bool StateView::hoverSlot(const QPoint& p)
{
    Slot* slot = findSlot();
    if (slot) {
        showSlotTooltip(slot, p);
        highlightSlot(slot, m_drawnNet);
        return true;
    }
    if (m_tooltip->isVisible()) {
        m_tooltip->setVisible(false);
        updateCanvas();
    }
    return false;
}

void StateView::showSlotTooltip(Slot* slot, const QPoint& p)
{
    if (m_moving) {
        m_tooltip->setVisible(false);
        return;
    }
    m_tooltip->setText(slot->text());
    m_tooltip->setPos(p.x(), p.y() + 20);
    m_tooltip->setVisible(true);
    updateCanvas();
}

void StateView::highlightSlot(Slot* slot, Net* net)
{
    forgetHighlightedSlot();
    m_highlightedNode = slot->owner();
    m_highlightedSide = slot->spec().side();
    m_highlightedIndex = slot->spec().index();
    slot->setConnectState(slot->canConnect(net) ? Slot::Accept : Slot::Reject);
}

Slot* StateView::highlightedSlot() const
{
    return m_highlightedNode ? m_highlightedNode->slot(m_highlightedSide, m_highlightedIndex) : nullptr;
}

void StateView::forgetHighlightedSlot()
{
    if (Slot* slot = highlightedSlot())
        slot->setConnectState(Slot::Idle);
    m_highlightedNode = nullptr;
}

// ---- context menu and keys ----

QMenu* StateView::createContextMenu()
{
    auto* menu = new QMenu(viewport());
    QAction* cut = menu->addAction(tr("Cut"), m_owner, &StateBase::cut);
    QAction* copy = menu->addAction(tr("Copy"), m_owner, &StateBase::copy);
    QAction* paste = menu->addAction(tr("Paste"), m_owner, &StateBase::paste);
    cut->setEnabled(hasSelection());
    copy->setEnabled(hasSelection());
    paste->setEnabled(!m_owner->nothingToPaste());
    return menu;
}

void StateView::showContextMenu()
{
    QMenu* menu = createContextMenu();
    menu->exec(QCursor::pos());
    delete menu;
}

void StateView::keyPressEvent(QKeyEvent* event)
{
    m_modifiers = event->modifiers();
    switch (event->key()) {
    case Qt::Key_Up: moveSelection(Up); break;
    case Qt::Key_Down: moveSelection(Down); break;
    case Qt::Key_Left: moveSelection(Left); break;
    case Qt::Key_Right: moveSelection(Right); break;
    case Qt::Key_Delete: deleteSelection(); break;
    default: QGraphicsView::keyPressEvent(event); return;
    }
    event->accept();
}

void StateView::moveSelection(int direction)
{
    static const QPoint steps[] = {QPoint(0, -grid), QPoint(0, grid), QPoint(-grid, 0), QPoint(grid, 0)};
    QPoint d = (direction >= Up && direction <= Right) ? steps[direction] : QPoint();
    if (shiftHeld())
        d *= 10;
    if (ctrlHeld()) {
        const QPointF scrolled = transform().map(QPointF(d));
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + int(scrolled.x()));
        verticalScrollBar()->setValue(verticalScrollBar()->value() + int(scrolled.y()));
    }
    moveSelectionBy(d);
}

void StateView::moveSelectionBy(const QPoint& d)
{
    if (d.isNull())
        return;
    m_owner->beginUndoGroup();
    m_owner->moveNodes(m_selectedNodes, d);
    m_owner->moveNetPoints(m_selectedNetPoints, d);
    m_owner->endUndoGroup();
    updateCanvas();
}

// ---- selection ----

bool StateView::hasSelection() const
{
    return !m_selectedNodes.isEmpty() || !m_selectedNetPoints.isEmpty() || !m_selectedNetLines.isEmpty();
}

void StateView::setSelectedNode(Node* node)
{
    setSelectedNode(node, false, true);
}

void StateView::setSelectedNode(Node* node, bool multiselect)
{
    setSelectedNode(node, multiselect, true);
}

void StateView::setSelectedNode(Node* node, bool multiselect, bool canvasupdate)
{
    multiselect = multiselect || shiftHeld();
    if (node && m_selectedNodes.contains(node))
        return;
    if (!multiselect)
        clearNodeSelection(nullptr);
    if (node) {
        currentHelpContext = node->type()->helpId();
        node->setSelected(true);
        m_selectedNodes.append(node);
        ensureNodeVisible(node);
    }
    if (canvasupdate)
        updateCanvas();
}

void StateView::selectNetPoint(NetPoint* point, bool add)
{
    add = add || shiftHeld();
    if (point && m_selectedNetPoints.contains(point))
        return;
    if (!add)
        clearNetPointSelection(nullptr);
    if (!point)
        return;
    point->setSelected(true);
    point->setConnectable(m_drawnNet);
    m_selectedNetPoints.append(point);
}

void StateView::selectNetLine(NetLine* line, bool add, bool withEnds)
{
    add = add || shiftHeld();
    if (line && m_selectedNetLines.contains(line))
        return;
    if (!add)
        clearNetLineSelection(nullptr);
    if (!line)
        return;
    line->setSelected(true);
    line->setConnectable(m_drawnNet);
    m_selectedNetLines.append(line);
    if (!withEnds)
        return;
    const QList<NetPoint*> ends = line->endPoints();
    if (ends.size() == 2) {
        selectNetPoint(ends.at(0), add);
        selectNetPoint(ends.at(1), true);
    }
}

void StateView::clearNodeSelection(Node* node)
{
    const QList<Node*> nodes = node ? QList<Node*> {node} : m_selectedNodes;
    for (Node* each : nodes) {
        each->setSelected(false);
        m_selectedNodes.removeOne(each);
    }
}

void StateView::clearNetPointSelection(NetPoint* point)
{
    const QList<NetPoint*> points = point ? QList<NetPoint*> {point} : m_selectedNetPoints;
    for (NetPoint* each : points) {
        each->setSelected(false);
        m_selectedNetPoints.removeOne(each);
    }
}

void StateView::clearNetLineSelection(NetLine* line)
{
    const QList<NetLine*> lines = line ? QList<NetLine*> {line} : m_selectedNetLines;
    for (NetLine* each : lines) {
        each->setSelected(false);
        m_selectedNetLines.removeOne(each);
    }
}

void StateView::clearSelection()
{
    cancelNet();
    clearNodeSelection(nullptr);
    clearNetPointSelection(nullptr);
    clearNetLineSelection(nullptr);
    updateCanvas();
}

void StateView::selectItems(const QList<Node*>& nodes, const QList<Net*>& nets)
{
    clearSelection();
    for (Node* node : nodes)
        setSelectedNode(node, true, false);
    for (const Net* net : nets) {
        for (NetLine* line : net->lines())
            selectNetLine(line, true, false);
        for (NetPoint* point : net->points())
            selectNetPoint(point, true);
    }
    updateCanvas();
}

void StateView::deleteSelection()
{
    if (m_drawnNet) {
        cancelNet();
        return;
    }
    m_owner->beginUndoGroup();
    removeNetLine();
    removeNetPoint();
    removeNode();
    m_owner->endUndoGroup();
}

void StateView::removeNetLine()
{
    if (m_drawnNet)
        return;
    while (!m_selectedNetLines.isEmpty()) {
        NetLine* line = m_selectedNetLines.first();
        m_owner->removeNetLine(line);
        // A line that was not deleted must not keep the loop going.
        m_selectedNetLines.removeOne(line);
    }
    updateCanvas();
}

void StateView::removeNetPoint()
{
    if (m_drawnNet)
        return;
    while (!m_selectedNetPoints.isEmpty()) {
        NetPoint* point = m_selectedNetPoints.first();
        m_owner->removeNetPoint(point);
        m_selectedNetPoints.removeOne(point);
    }
    updateCanvas();
}

void StateView::removeNode()
{
    forgetHighlightedSlot();
    while (!m_selectedNodes.isEmpty()) {
        Node* node = m_selectedNodes.first();
        m_owner->deleteItem(node->iconItem());
        m_selectedNodes.removeOne(node);
    }
    updateCanvas();
}

void StateView::deselectNode(Node* node)
{
    // A net drawn from one of the block's slots cannot outlive the block.
    if (drawnNetTouches(node))
        cancelNet();
    if (m_highlightedNode == node)
        m_highlightedNode = nullptr;
    m_selectedNodes.removeOne(node);
}

void StateView::deselectNetPoint(NetPoint* point)
{
    m_selectedNetPoints.removeOne(point);
}

void StateView::deselectNetLine(NetLine* line)
{
    m_selectedNetLines.removeOne(line);
}

void StateView::ensureNodeVisible(Node* node)
{
    ensureVisible(QRectF(node->position(), QSizeF(1, 1)));
}

QRect StateView::visibleCanvasRect() const
{
    return visibleSceneRect().toRect();
}

// ---- dropping blocks from the library ----

void StateView::dragEnterEvent(QDragEnterEvent* event)
{
    setFocus();
    const QByteArray data = event->mimeData()->data(QString::fromLatin1(NodeType::mimeType));
    if (data.isEmpty()) {
        event->ignore();
        return;
    }
    delete m_draggedNode;
    m_draggedNode = m_owner->createNode(NodeType(data));
    if (!m_draggedNode) {
        event->ignore();
        return;
    }
    m_draggedNode->move(toCanvas(event->position()));
    m_draggedNode->show();
    updateCanvas();
    event->acceptProposedAction();
}

void StateView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!m_draggedNode) {
        event->ignore();
        return;
    }
    m_draggedNode->move(snapToGrid(toCanvas(event->position()), grid));
    updateCanvas();
    event->acceptProposedAction();
}

void StateView::dragLeaveEvent(QDragLeaveEvent*)
{
    delete m_draggedNode;
    m_draggedNode = nullptr;
    updateCanvas();
}

void StateView::dropEvent(QDropEvent* event)
{
    if (!m_draggedNode) {
        event->ignore();
        return;
    }
    Node* node = m_draggedNode;
    m_draggedNode = nullptr;
    m_owner->beginUndoGroup();
    const bool added = m_owner->addNode(node);
    m_owner->endUndoGroup();
    if (!added) {
        delete node;
        event->ignore();
        updateCanvas();
        return;
    }
    clearNodeSelection(nullptr);
    setSelectedNode(node, false, false);
    updateCanvas();
    event->acceptProposedAction();
}
