#include "Net.h"

#include "EditorGeometry.h"
#include "LogCategories.h"
#include "NetLine.h"
#include "NetPoint.h"
#include "Node.h"
#include "Slot.h"
#include "StateBase.h"
#include "XmlAccess.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <climits>
#include <cmath>
#include <mutex>

namespace {

Slot* asSlot(NetDock* dock)
{
    return dock && dock->hasKind(NetDock::SlotBit) ? dynamic_cast<Slot*>(dock) : nullptr;
}

NetPoint* asPoint(NetDock* dock)
{
    return dock && dock->hasKind(NetDock::NetPointBit) ? dynamic_cast<NetPoint*>(dock) : nullptr;
}

// The list lock of the owner, when there is one.
std::unique_lock<std::recursive_mutex> lockListsOf(StateBase* owner)
{
    return owner ? std::unique_lock(owner->listLock()) : std::unique_lock<std::recursive_mutex>();
}

} // namespace

Net::Net(QGraphicsScene* canvas, StateBase* owner) : m_canvas(canvas), m_owner(owner)
{
}

Net::~Net()
{
    clear();
}

int Net::dataType() const
{
    if (!m_sources.isEmpty())
        return m_sources.first()->kind();
    if (!m_targets.isEmpty())
        return m_targets.first()->kind();
    return 0;
}

bool Net::hasType(int mask) const
{
    return (dataType() & mask) == mask;
}

NetLine* Net::startLineAt(NetDock* dock)
{
    NetLine* line = new NetLine(m_owner, m_canvas, this);
    m_lines.append(line);
    line->setStart(dock);
    line->setVisible(true);
    dock->addLine(line);
    return line;
}

void Net::addSlotOf(NetDock* dock)
{
    if (Slot* slot = asSlot(dock)) {
        if (slot->isInput())
            m_targets.append(slot);
        else
            m_sources.append(slot);
        NetDock::netsChanged();
    }
}

void Net::connectDock(NetDock* dock)
{
    if (!dock)
        return;
    {
        auto locker = lockListsOf(m_owner);
        if (!m_currentLine) {
            m_currentLine = startLineAt(dock);
        } else {
            m_currentLine->setEnd(dock);
            m_currentLine->dockMoved(dock->position(), dock);
            dock->addLine(m_currentLine);
            m_currentLine = nullptr;
        }
        addSlotOf(dock);
    }
    setModified();
    if (!m_currentLine)
        notifySlots();
}

void Net::addPoint(const QPoint& point)
{
    if (!m_currentLine)
        return;
    {
        auto locker = lockListsOf(m_owner);
        NetPoint* corner = new NetPoint(m_owner, m_canvas, this);
        m_points.append(corner);
        corner->addLine(m_currentLine);
        corner->moveTo(point);
        corner->setVisible(true);
        m_currentLine->setEnd(corner);
        m_currentLine->dockMoved(corner->position(), corner);
        m_currentLine = startLineAt(corner);
    }
    setModified();
}

bool Net::joinsNodeOf(const Slot* slot) const
{
    if (!m_points.isEmpty())
        return false;
    const Node* node = slot->owner();
    for (const Slot* target : m_targets) {
        if (target->owner() == node)
            return true;
    }
    for (const Slot* source : m_sources) {
        if (source->owner() == node)
            return true;
    }
    return false;
}

void Net::notifySlots()
{
    const QList<Slot*> sources = m_sources;
    const QList<Slot*> targets = m_targets;
    for (Slot* slot : sources)
        slot->notifyConnectionChanged();
    for (Slot* slot : targets)
        slot->notifyConnectionChanged();
}

NetPoint* Net::pointByNumber(int number) const
{
    for (NetPoint* point : m_points) {
        if (number >= 0 && point->number() == static_cast<unsigned>(number))
            return point;
    }
    return nullptr;
}

void Net::renumberPoints()
{
    unsigned number = 1;
    for (NetPoint* point : std::as_const(m_points))
        point->setNumber(number++);
    m_nextPointNumber = number;
}

void Net::appendLine(NetLine* line)
{
    line->setNet(this);
    m_lines.append(line);
    setModified();
}

void Net::appendPoint(NetPoint* point)
{
    // A point split off from another net keeps its number: later numbers and the ids the
    // saved element gives the slots must stay above it.
    m_nextPointNumber = std::max(m_nextPointNumber, point->number() + 1);
    point->setNet(this);
    m_points.append(point);
    setModified();
}

void Net::takeLine(NetLine* line)
{
    m_lines.removeOne(line);
    setModified();
}

void Net::removePoint(NetPoint* point)
{
    m_points.removeOne(point);
    setModified();
}

void Net::removeTarget(Slot* slot)
{
    m_targets.removeOne(slot);
}

void Net::removeSource(Slot* slot)
{
    m_sources.removeOne(slot);
    NetDock::netsChanged();
}

void Net::setModified()
{
    if (m_owner)
        m_owner->setModified();
}

QRect Net::boundingRect() const
{
    QRect bounds;
    for (const Slot* slot : m_sources)
        extendRect(bounds, slot->position());
    for (const Slot* slot : m_targets)
        extendRect(bounds, slot->position());
    for (const NetPoint* point : m_points)
        extendRect(bounds, point->position());
    return bounds;
}

void Net::detachSlot(Slot* slot)
{
    const QList<NetLine*> attached = slot->lines();
    for (NetLine* line : attached) {
        if (line->net() == this)
            slot->removeLine(line);
    }
}

void Net::clear()
{
    auto locker = lockListsOf(m_owner);
    // Every line of this net leaves its slots, not only the first.
    for (Slot* slot : std::as_const(m_sources))
        detachSlot(slot);
    for (Slot* slot : std::as_const(m_targets))
        detachSlot(slot);
    m_sources.clear();
    m_targets.clear();
    NetDock::netsChanged();
    qDeleteAll(m_lines);
    m_lines.clear();
    qDeleteAll(m_points);
    m_points.clear();
    m_currentLine = nullptr;
}

void Net::show()
{
    for (NetLine* line : std::as_const(m_lines))
        line->setVisible(true);
    for (NetPoint* point : std::as_const(m_points))
        point->setVisible(true);
}

// ---- net element ----

namespace {

// Coordinates are written with six significant digits; far-off values are clamped.
int coordinateProperty(xmlNode* node, const char* name)
{
    bool ok = false;
    const double value = attributeText(node, name).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    return static_cast<int>(std::lround(qBound(-1.0e6, value, 1.0e6)));
}

bool hasName(xmlNode* node, const char* name)
{
    return xmlStrcmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

} // namespace

bool Net::save(xmlNode* parent) const
{
    xmlNode* element = xmlNewChild(parent, nullptr, reinterpret_cast<const xmlChar*>("net"), nullptr);
    writeAttribute(element, "id", QString::number(m_id));
    QHash<const NetDock*, unsigned> ids;
    unsigned k = m_nextPointNumber;
    auto writeSlot = [&](const Slot* slot) {
        xmlNode* child = xmlNewChild(element, nullptr, reinterpret_cast<const xmlChar*>("slot"), nullptr);
        writeAttribute(child, "nodeid", QString::number(slot->owner()->id()));
        writeAttribute(child, "channel", QString::number(slot->spec().index()));
        writeAttribute(child, "position", QString::number(slot->spec().side()));
        writeAttribute(child, "id", QString::number(k));
        ids.insert(slot, k++);
    };
    for (const Slot* slot : m_targets)
        writeSlot(slot);
    for (const Slot* slot : m_sources)
        writeSlot(slot);
    for (const NetPoint* point : m_points) {
        xmlNode* child = xmlNewChild(element, nullptr, reinterpret_cast<const xmlChar*>("point"), nullptr);
        writeAttribute(child, "x", QString::number(point->position().x(), 'g', 6));
        writeAttribute(child, "y", QString::number(point->position().y(), 'g', 6));
        writeAttribute(child, "id", QString::number(point->number()));
        ids.insert(point, point->number());
    }
    for (const NetLine* line : m_lines) {
        const auto start = ids.constFind(line->start());
        const auto end = ids.constFind(line->end());
        if (start == ids.constEnd() || end == ids.constEnd()) {
            // A line off the net's own docks cannot be stored; it is left out.
            qCWarning(lcNets) << "net" << m_id << ": a line that does not end at the net's own docks is not saved";
            continue;
        }
        xmlNode* child = xmlNewChild(element, nullptr, reinterpret_cast<const xmlChar*>("line"), nullptr);
        writeAttribute(child, "startid", QString::number(start.value()));
        writeAttribute(child, "endid", QString::number(end.value()));
    }
    return true;
}

Net* Net::load(QGraphicsScene* canvas, StateBase* owner, xmlNode* element, const QMap<unsigned, unsigned>* nodeIds)
{
    if (!element || !owner)
        return nullptr;
    auto locker = lockListsOf(owner);
    Net* net = new Net(canvas, owner);
    net->m_id = unsignedAttribute(element, "id");
    QHash<unsigned, NetDock*> docks;
    auto fail = [net]() {
        delete net;
        return nullptr;
    };

    for (xmlNode* child = element->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE)
            continue;
        if (hasName(child, "slot")) {
            unsigned nodeId = unsignedAttribute(child, "nodeid");
            if (nodeIds)
                nodeId = nodeIds->value(nodeId, 0);
            Node* node = nodeId <= unsigned(INT_MAX) ? owner->nodeById(static_cast<int>(nodeId)) : nullptr;
            const unsigned id = unsignedAttribute(child, "id");
            if (!node || id == 0)
                return fail();
            Slot* slot = node->slot(intAttribute(child, "position"), intAttribute(child, "channel"));
            if (!slot)
                return fail();
            if (slot->isInput())
                net->m_targets.append(slot);
            else
                net->m_sources.append(slot);
            NetDock::netsChanged();
            docks.insert(id, slot);
        } else if (hasName(child, "point")) {
            const int id = intAttribute(child, "id");
            if (id <= 0)
                return fail();
            if (static_cast<unsigned>(id) >= net->m_nextPointNumber)
                net->m_nextPointNumber = static_cast<unsigned>(id) + 1;
            NetPoint* point = new NetPoint(owner, canvas, net, static_cast<unsigned>(id));
            net->m_points.append(point);
            point->moveTo(QPoint(coordinateProperty(child, "x"), coordinateProperty(child, "y")));
            point->setVisible(true);
            docks.insert(static_cast<unsigned>(id), point);
        } else if (!hasName(child, "line")) {
            return fail();
        }
    }

    for (xmlNode* child = element->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE || !hasName(child, "line"))
            continue;
        NetDock* start = docks.value(unsignedAttribute(child, "startid"), nullptr);
        NetDock* end = docks.value(unsignedAttribute(child, "endid"), nullptr);
        if (!start || !end || start == end)
            return fail();
        NetLine* line = new NetLine(owner, canvas, net);
        line->setStart(start);
        line->setEnd(end);
        line->dockMoved(end->position(), end);
        line->setVisible(true);
        net->m_lines.append(line);
        start->addLine(line);
        end->addLine(line);
    }
    if (net->m_lines.isEmpty() || !net->isTree())
        return fail();
    return net;
}

// A loaded net must be what the editor can draw: one data type, at most one output
// on a data net, each slot once, and lines forming a single tree over its docks.
bool Net::isTree() const
{
    const QList<Slot*> allSlots = m_sources + m_targets;
    QSet<const NetDock*> docks;
    for (const Slot* slot : allSlots) {
        if (slot->kind() != allSlots.first()->kind() || docks.contains(slot))
            return false;
        docks.insert(slot);
    }
    for (const Slot* source : m_sources) {
        if (source->spec().direction() != SlotSpec::Output)
            return false;
    }
    if (hasType(NetDock::SlotBit | NetDock::DataBit) && m_sources.size() > 1)
        return false;
    for (const NetPoint* point : m_points) {
        if (docks.contains(point))
            return false;
        docks.insert(point);
    }
    if (m_lines.size() != docks.size() - 1)
        return false;

    QHash<const NetDock*, QList<const NetDock*>> neighbours;
    for (const NetLine* line : m_lines) {
        if (!docks.contains(line->start()) || !docks.contains(line->end()))
            return false;
        neighbours[line->start()].append(line->end());
        neighbours[line->end()].append(line->start());
    }
    QSet<const NetDock*> reached;
    QList<const NetDock*> pending {m_lines.first()->start()};
    while (!pending.isEmpty()) {
        const NetDock* dock = pending.takeLast();
        if (reached.contains(dock))
            continue;
        reached.insert(dock);
        pending.append(neighbours.value(dock));
    }
    return reached.size() == docks.size();
}

// ---- structural editing ----

Net* Net::deleteLine(NetLine* line)
{
    NetPoint* startPoint = asPoint(line->start());
    NetPoint* endPoint = asPoint(line->end());
    if (!startPoint || !endPoint) {
        removeLine(line, nullptr);
        notifySlots();
        return nullptr;
    }
    startPoint->removeLine(line);
    line->setStart(nullptr);
    const qsizetype remaining = startPoint->lines().size();
    const bool straightCorner = remaining == 2 && startPoint->lines().at(0)->isParallel(startPoint->lines().at(1));
    if ((straightCorner || remaining < 2) && startPoint->dissolve())
        delete startPoint;
    Net* part = new Net(m_canvas, m_owner);
    moveBranch(line, part, nullptr);
    part->removeLine(line, nullptr);
    part->notifySlots();
    notifySlots();
    return part;
}

void Net::merge(Net* other, NetPoint* at)
{
    at->refresh();
    for (NetPoint* point : std::as_const(other->m_points)) {
        point->setNumber(takePointNumber());
        point->setNet(this);
    }
    for (NetLine* line : std::as_const(other->m_lines))
        line->setNet(this);
    m_points += other->m_points;
    m_lines += other->m_lines;
    m_targets += other->m_targets;
    m_sources += other->m_sources;
    other->m_points.clear();
    other->m_lines.clear();
    other->m_targets.clear();
    other->m_sources.clear();
    other->m_currentLine = nullptr;
    NetDock::netsChanged();
    notifySlots();
    setModified();
}

void Net::removeLine(NetLine* line, NetDock* except)
{
    QList<PendingLine> pending {{line, except}};
    removePendingLines(pending);
    m_currentLine = nullptr;
    setModified();
}

void Net::removeDock(NetDock* dock, NetLine* via)
{
    QList<PendingLine> pending;
    detachDock(dock, via, pending);
    removePendingLines(pending);
    m_currentLine = nullptr;
    setModified();
}

// Chains of corner points are followed with a work list rather than by recursion, so
// that a long chain from a file cannot exhaust the stack.
void Net::removePendingLines(QList<PendingLine>& pending)
{
    while (!pending.isEmpty()) {
        const auto [line, except] = pending.takeLast();
        // A point reached before may be gone already: it is only ever compared, as except.
        NetDock* const ends[2] = {line->start(), line->end()};
        for (NetDock* dock : ends) {
            if (dock && dock != except)
                detachDock(dock, line, pending);
        }
        if (m_lines.removeOne(line))
            delete line;
    }
}

void Net::detachDock(NetDock* dock, NetLine* via, QList<PendingLine>& pending)
{
    NetPoint* point = asPoint(dock);
    if (point && (point->lines().size() <= 2 || !via)) {
        const QList<NetLine*> attached = point->lines();
        for (NetLine* line : attached) {
            if (line != via)
                pending.append({line, point});
        }
        removePoint(point);
        if (via)
            delete point;
        return;
    }
    if (via)
        dock->removeLine(via);
    if (point && point->lines().size() == 2 && point->lines().at(0)->isParallel(point->lines().at(1))
        && point->dissolve()) {
        delete point;
    }
    if (Slot* slot = asSlot(dock)) {
        if (slot->isInput())
            removeTarget(slot);
        else
            removeSource(slot);
    }
}

void Net::moveBranch(NetLine* line, Net* target, NetDock* from)
{
    // Walks the branch with an explicit list: a long chain of points needs no deep stack.
    QList<QPair<NetLine*, NetDock*>> pending {{line, from}};
    while (!pending.isEmpty()) {
        const auto [current, cameFrom] = pending.takeLast();
        takeLine(current);
        target->appendLine(current);
        for (NetDock* dock : {current->start(), current->end()}) {
            if (!dock || dock == cameFrom)
                continue;
            if (NetPoint* point = asPoint(dock)) {
                removePoint(point);
                target->appendPoint(point);
                const QList<NetLine*> attached = point->lines();
                for (qsizetype i = attached.size() - 1; i >= 0; --i) {
                    if (attached.at(i) != current)
                        pending.append({attached.at(i), point});
                }
            } else if (Slot* slot = asSlot(dock)) {
                if (slot->isInput()) {
                    removeTarget(slot);
                    target->m_targets.append(slot);
                } else {
                    removeSource(slot);
                    target->m_sources.append(slot);
                    NetDock::netsChanged();
                }
            }
        }
    }
}

Net* Net::splitOffPart()
{
    if (m_lines.isEmpty())
        return nullptr;
    QHash<const NetDock*, QList<NetLine*>> linesAt;
    for (NetLine* line : std::as_const(m_lines)) {
        linesAt[line->start()].append(line);
        linesAt[line->end()].append(line);
    }
    QSet<const NetLine*> reached;
    QList<NetLine*> pending {m_lines.first()};
    while (!pending.isEmpty()) {
        NetLine* line = pending.takeLast();
        if (reached.contains(line))
            continue;
        reached.insert(line);
        for (const NetDock* dock : {line->start(), line->end()}) {
            if (dock)
                pending.append(linesAt.value(dock));
        }
    }
    for (NetLine* line : std::as_const(m_lines)) {
        if (!reached.contains(line)) {
            Net* part = new Net(m_canvas, m_owner);
            moveBranch(line, part, nullptr);
            return part;
        }
    }
    return nullptr;
}
