#include "Node.h"

#include "EditorGeometry.h"
#include "Net.h"
#include "NetLine.h"
#include "NodePixmap.h"
#include "NodeRect.h"
#include "NodeText.h"
#include "SelectRect.h"
#include "Slot.h"
#include "SlotFactory.h"
#include "StateBase.h"

#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QPen>
#include <QTimer>

#include <algorithm>
#include <iterator>
#include <mutex>

Node::Node(QGraphicsScene* canvas, unsigned id, const NodeType& type, StateBase* owner)
    : m_type(type), m_id(id), m_canvas(canvas), m_owner(owner)
{
    m_type.layout();
    m_type.setName(m_type.subtypeName() + QStringLiteral(" (") + QString::number(qulonglong(id) + 10)
                   + QLatin1Char(')'));
    for (unsigned i = 0; i < m_type.subtypeCount(); ++i)
        m_icons.append(m_type.icon(i));
    createSlots();
    createItems();
    setSubtype(m_type.subtype());
    m_attentionTimer = new QTimer(this);
    connect(m_attentionTimer, &QTimer::timeout, this, &Node::attentionTimerTimeout);
}

Node::~Node()
{
    if (m_owner)
        m_owner->removeNode(this);
    delete m_selection;
    delete m_frame;
    delete m_iconItem;
    delete m_caption;
    qDeleteAll(m_slotList);
}

NodeType Node::baseType()
{
    return NodeType();
}

void Node::setParameters(QMap<QString, QString>)
{
}

QMap<QString, QString> Node::parameters() const
{
    return {};
}

void Node::connectionChanged(Slot*)
{
}

void Node::receive(void*, Slot*, Slot*)
{
}

void Node::start()
{
}

void Node::stop()
{
}

void Node::reset()
{
}

void Node::readInputs()
{
}

void Node::writeOutputs()
{
}

int Node::step()
{
    return 0;
}

void Node::createSlots()
{
    for (unsigned n = 0; n < m_type.slotCount(); ++n)
        appendSlot(m_type.slotSpecAt(n));
}

Slot* Node::appendSlot(const SlotSpec& spec)
{
    Slot* slot = createSlot(m_canvas, spec, this);
    if (!slot)
        return nullptr;
    m_slotList.append(slot);
    m_slotMaps[spec.side() - 1].insert(spec.index(), slot);
    std::vector<Slot*>& bySide = m_slotsByIndex[spec.side() - 1];
    const auto index = static_cast<std::size_t>(spec.index());
    if (index >= bySide.size())
        bySide.resize(index + 1, nullptr);
    bySide[index] = slot;
    return slot;
}

void Node::createItems()
{
    m_iconItem = new NodePixmap(m_canvas, m_type.iconRect(), this);
    m_iconItem->setIcon(m_type.icon());
    m_selection = new SelectRect(m_canvas, m_type.selectRect());
    m_frame = new NodeRect(m_canvas, m_type.frameRect(), this);
    m_caption = new NodeText(m_canvas, this);
}

QRect Node::rect() const
{
    return m_selection->canvasRect();
}

void Node::activate()
{
    if (!isActive())
        return;
    m_running = true;
    start();
}

void Node::deactivate()
{
    m_running = false;
    stop();
}

void Node::updateActivationAndRead()
{
    const bool active = isActive();
    if (!active && m_running) {
        m_running = false;
        stop();
    } else if (active && !m_running) {
        m_running = true;
        start();
    }
    if (!m_running)
        return;
    for (Slot* slot : std::as_const(m_slotList))
        slot->fetch();
    readInputs();
}

int Node::stepIfRunning()
{
    return m_running ? step() : 0;
}

void Node::writeIfRunning()
{
    if (m_running)
        writeOutputs();
}

void Node::resetAll()
{
    for (Slot* slot : std::as_const(m_slotList))
        slot->reset();
    reset();
}

void Node::setName(const QString& name)
{
    m_type.setName(name);
    m_caption->setText(name);
    updateCanvas();
}

void Node::setActive(bool on)
{
    m_active.store(on);
    showSubtypeIcon();
    updateCanvas();
    setModified();
}

void Node::showSubtypeIcon()
{
    const unsigned subtype = m_type.subtype();
    QPixmap icon = subtype < static_cast<unsigned>(m_icons.size()) ? m_icons.at(subtype) : QPixmap();
    if (!isActive()) {
        if (icon.isNull()) {
            icon = QPixmap(m_type.iconRect().size());
            icon.fill(Qt::transparent);
        }
        QPainter painter(&icon);
        painter.setPen(QPen(Qt::red, 3));
        painter.drawLine(0, 0, icon.width() - 1, icon.height() - 1);
        painter.drawLine(0, icon.height() - 1, icon.width() - 1, 0);
    }
    m_iconItem->setIcon(icon);
}

void Node::setIcon(const QPixmap& icon)
{
    m_iconItem->setIcon(icon);
}

void Node::showFirstIcon()
{
    m_iconItem->setIcon(m_icons.isEmpty() ? QPixmap() : m_icons.first());
}

void Node::setSubtype(int subtype)
{
    m_type.setSubtype(static_cast<unsigned short>(subtype));
    const int current = m_type.subtype();
    m_type.setSlotSubtypes(current);
    for (Slot* slot : std::as_const(m_slotList))
        slot->setSubtype(current);
    showSubtypeIcon();
    updateCanvas();
}

void Node::setModified()
{
    if (m_owner)
        m_owner->setModified();
}

void Node::move(const QPoint& point)
{
    QPoint target = point;
    if (m_canvas) {
        const int width = static_cast<int>(m_canvas->width());
        const int height = static_cast<int>(m_canvas->height());
        target.setX(qBound(0, target.x(), width));
        target.setY(qBound(0, target.y(), height));
    }
    // Always on the grid, so that net ends meet the slots.
    m_position = snapToGrid(target, grid);
    m_selection->moveTo(origin());
    pushOffBorderLines();
    setModified();
    placeItems();
}

void Node::pushOffBorderLines()
{
    if (!m_owner)
        return;
    auto collides = [this](int n) {
        const QGraphicsLineItem* border = m_owner->borderLine(n);
        if (!border)
            return false;
        const QRect lineRect = QRect(border->line().p1().toPoint(), border->line().p2().toPoint()).normalized();
        return m_selection->canvasRect().intersects(lineRect);
    };
    const struct
    {
        int line;
        QPoint step;
    } pushes[4] = {
        {StateBase::LeftBorder, QPoint(grid, 0)},
        {StateBase::RightBorder, QPoint(-grid, 0)},
        {StateBase::TopBorder, QPoint(0, grid)},
        {StateBase::BottomBorder, QPoint(0, -grid)},
    };
    for (const auto& push : pushes) {
        while (collides(push.line)) {
            m_position += push.step;
            m_selection->moveTo(origin());
        }
    }
}

void Node::placeItems()
{
    const QPoint o = origin();
    for (Slot* slot : std::as_const(m_slotList))
        slot->moveTo(o);
    m_iconItem->moveTo(o);
    m_frame->moveTo(o);
    m_caption->moveTo(o);
    m_selection->moveTo(o);
}

void Node::show()
{
    for (Slot* slot : std::as_const(m_slotList))
        slot->show();
    m_frame->show();
    m_iconItem->show();
    m_caption->show();
}

void Node::setSelected(bool on)
{
    for (Slot* slot : std::as_const(m_slotList))
        slot->setSelected(on);
    m_frame->setZValue(on ? NodeRect::selectedZ : NodeRect::idleZ);
    m_iconItem->setZValue(on ? NodePixmap::selectedZ : NodePixmap::idleZ);
    m_selection->setVisible(on);
}

bool Node::isSelected() const
{
    return m_selection->isVisible();
}

void Node::startAttention()
{
    if (m_canvas) {
        const QList<QGraphicsView*> views = m_canvas->views();
        for (QGraphicsView* view : views)
            view->ensureVisible(rect());
    }
    m_attentionTimer->start(300);
}

void Node::attentionTimerTimeout()
{
    if (m_attentionCount < 4) {
        ++m_attentionCount;
        setSelected(!m_selection->isVisible());
    } else {
        m_attentionCount = 0;
        m_attentionTimer->stop();
    }
    updateCanvas();
}

void Node::showDatatips(bool on)
{
    for (Slot* slot : std::as_const(m_slotList))
        slot->showDatatip(on);
}

void Node::updateDatatips()
{
    for (Slot* slot : std::as_const(m_slotList))
        slot->updateDatatip();
}

void Node::showOrderBadge(bool on)
{
    m_iconItem->showBadge(on);
}

bool Node::precedes(const Node* other) const
{
    if (m_position.x() != other->m_position.x())
        return m_position.x() < other->m_position.x();
    return m_position.y() < other->m_position.y();
}

QList<NetLine*> Node::attachedLines() const
{
    QList<NetLine*> result;
    for (Slot* slot : m_slotList) {
        if (!slot->isInput())
            result.append(slot->lines());
    }
    for (Slot* slot : m_slotList) {
        if (!slot->isInput())
            continue;
        for (NetLine* line : slot->lines()) {
            const bool netListed = std::any_of(result.cbegin(), result.cend(),
                                               [line](const NetLine* listed) { return listed->net() == line->net(); });
            if (!netListed)
                result.append(line);
        }
    }
    return result;
}

Slot* Node::slotAt(unsigned n) const
{
    for (int side = 1; side <= 4; ++side) {
        const unsigned count = static_cast<unsigned>(m_slotMaps[side - 1].size());
        if (n < count)
            return std::next(m_slotMaps[side - 1].cbegin(), n).value();
        n -= count;
    }
    return nullptr;
}

bool Node::changeSlots(int side, bool (Node::*change)(int))
{
    if (!isValidSide(side) || m_slotMaps[side - 1].isEmpty())
        return false;
    // A running step must not walk the slots while they change.
    std::unique_lock<std::mutex> stepLocker;
    if (m_owner)
        stepLocker = std::unique_lock(m_owner->stepLockOf(this));
    const std::lock_guard nodeLocker(m_mutex);
    return (this->*change)(side);
}

bool Node::addSlot(int side)
{
    return changeSlots(side, &Node::addSlotLocked);
}

bool Node::addSlotLocked(int side)
{
    Slot* previous = m_slotMaps[side - 1].last();
    if (!m_type.duplicateLastSlot(side))
        return false;
    Slot* added = appendSlot(m_type.lastSlotSpec(side));
    if (!added) {
        m_type.removeLastSlot(side);
        return false;
    }
    added->setSubtype(m_type.subtype());
    added->show();
    if (previous->isDatatipVisible())
        added->showDatatip(true);
    if (previous->isRaised())
        added->setSelected(true);
    relayout();
    return true;
}

bool Node::removeLastSlot(int side)
{
    return changeSlots(side, &Node::removeLastSlotLocked);
}

bool Node::removeLastSlotLocked(int side)
{
    QMap<int, Slot*>& sideMap = m_slotMaps[side - 1];
    Slot* last = sideMap.last();
    // A connected slot is never removed.
    if (!last->lines().isEmpty())
        return false;
    m_type.removeLastSlot(side);
    std::vector<Slot*>& bySide = m_slotsByIndex[side - 1];
    bySide[static_cast<std::size_t>(sideMap.lastKey())] = nullptr;
    while (!bySide.empty() && !bySide.back())
        bySide.pop_back();
    sideMap.remove(sideMap.lastKey());
    m_slotList.removeOne(last);
    delete last;
    relayout();
    return true;
}

unsigned Node::setSlotCount(int side, unsigned n)
{
    if (!isValidSide(side))
        return 0;
    n = std::min(n, maxSlotsPerSide);
    while (static_cast<unsigned>(m_slotMaps[side - 1].size()) < n && addSlot(side)) {
    }
    while (static_cast<unsigned>(m_slotMaps[side - 1].size()) > n && removeLastSlot(side)) {
    }
    return static_cast<unsigned>(m_slotMaps[side - 1].size());
}

void Node::relayout()
{
    m_type.layout();
    for (Slot* slot : std::as_const(m_slotList))
        slot->setSpec(m_type.slotSpec(slot->spec().side(), static_cast<unsigned>(slot->spec().index())));
    m_frame->setRect(m_type.frameRect());
    m_selection->setRect(m_type.selectRect());
    m_iconItem->setRect(m_type.iconRect());
    move(m_position);
    updateCanvas();
}

void Node::updateCanvas()
{
    if (m_canvas)
        m_canvas->update();
}
