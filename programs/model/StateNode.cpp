#include "StateNode.h"

#include "DataSlot.h"
#include "NodeDialog.h"
#include "NodeDialogUpdateEvent.h"
#include "NodeFactory.h"
#include "Slot.h"
#include "State.h"
#include "ThreadHandOver.h"
#include "XmlAccess.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QMap>

#include <algorithm>

namespace {

xmlNode* addChild(xmlNode* parent, const char* name)
{
    return xmlNewChild(parent, nullptr, reinterpret_cast<const xmlChar*>(name), nullptr);
}

// A decimal number; 0 when missing or not a number.
long long readInteger(xmlNode* element, const QString& name, bool* ok = nullptr)
{
    bool valid = false;
    const long long value = attributeText(element, name).toLongLong(&valid);
    if (ok)
        *ok = valid;
    return valid ? value : 0;
}

float readFloat(xmlNode* element, const QString& name)
{
    bool valid = false;
    const float value = attributeText(element, name).toFloat(&valid);
    return valid ? value : 0.0f;
}

// The text of the element's first child; a null string when it has none.
QString firstChildText(xmlNode* element)
{
    xmlNode* child = element->children;
    if (!child || (child->type != XML_TEXT_NODE && child->type != XML_CDATA_SECTION_NODE))
        return QString();
    return elementText(child);
}

bool isElementNamed(xmlNode* node, const char* name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, reinterpret_cast<const xmlChar*>(name));
}

QString slotElementName(int side, int index)
{
    return QStringLiteral("s%1c%2").arg(side).arg(index);
}

const char* const sideCountNames[4] = {"nleft", "nright", "ntop", "nbottom"};

QString formatParameter(float value)
{
    return QString::number(double(value), 'g', 6);
}

} // namespace

StateNode::StateNode(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type)
    : Node(canvas, id, type, owner), m_dialogSize(-1, -1), m_stateOwner(owner)
{
}

StateNode::~StateNode()
{
    deleteDialog();
}

void StateNode::dialogClosed()
{
    m_closedDialog = m_dialog.exchange(nullptr);
}

// A closed dialog is deleted from the event loop; the block may go before that, and the
// dialog must never reach a block that no longer exists.
void StateNode::deleteDialog()
{
    if (NodeDialog* open = m_dialog.exchange(nullptr))
        open->closeForBlockDeletion();
    if (NodeDialog* closed = m_closedDialog.data()) {
        m_closedDialog.clear();
        delete closed;
    }
}

void StateNode::customEvent(QEvent* event)
{
    receiveHandOver(event);
    if (event->type() != NodeDialogUpdateEvent::eventType)
        return;
    if (NodeDialog* open = dialog())
        QCoreApplication::sendEvent(open, event);
}

NodeType StateNode::baseType()
{
    static NodeType base;
    if (base.needsBuild()) {
        base = Node::baseType();
        base.setFlags(NodeType::FunctionBlock);
    }
    return base;
}

StateNode* StateNode::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    const NodeFactory factory = nodeFactories().value(type.maintype(), nullptr);
    return factory ? factory(owner, canvas, type, id) : nullptr;
}

void StateNode::showDialog(QWidget* parent, bool restore)
{
    if (restore && !m_dialogWasOpen)
        return;
    if (NodeDialog* open = dialog()) {
        if (!restore)
            open->showAttention();
        return;
    }
    NodeDialog* created = createDialog(parent);
    m_dialog.store(created);
    if (!created)
        return;
    if (!restore)
        created->setWindowTitle(type()->name());
    created->show();
    if (restore) {
        created->move(m_dialogPos);
        created->resize(m_dialogSize);
    }
}

NodeDialog* StateNode::createDialog(QWidget* parent)
{
    return new NodeDialog(parent, this, {NodeDialog::ScalePage, NodeDialog::SettingsPage});
}

bool StateNode::saveXml(xmlNode* parent)
{
    const NodeType* descriptor = type();
    xmlNode* element = addChild(parent, "node");
    writeAttribute(element, "id", static_cast<long long>(id()));
    writeAttribute(element, "maintype", static_cast<long long>(descriptor->maintype()));
    writeAttribute(element, "subtype", static_cast<long long>(descriptor->subtype()));
    writeAttribute(element, "identifier", descriptor->identifier());
    writeAttribute(element, "active", isActive() ? 1 : 0);
    addTextElement(element, "name", descriptor->name());
    const QMap<QString, QString> values = parameters();
    for (auto entry = values.cbegin(); entry != values.cend(); ++entry) {
        xmlNode* parameter = addTextElement(element, "param", entry.value());
        writeAttribute(parameter, "name", entry.key());
    }
    writeWorkspace(element);
    writeSlots(element);
    return true;
}

void StateNode::writeWorkspace(xmlNode* element) const
{
    xmlNode* workspace = addChild(element, "workspace");
    xmlNode* place = addChild(workspace, "position");
    writeAttribute(place, "x", position().x());
    writeAttribute(place, "y", position().y());
    QPoint dialogPlace = m_dialogPos;
    QSize dialogExtent = m_dialogSize;
    if (const NodeDialog* open = dialog()) {
        dialogPlace = open->pos();
        dialogExtent = open->size();
    } else if (!m_dialogWasOpen || m_stateOwner->isReady()) {
        // Until the program window is shown nobody could re-open a loaded dialog, so its
        // geometry is kept rather than lost; once it is, a closed dialog writes nothing.
        return;
    }
    xmlNode* dialogElement = addChild(workspace, "dialog");
    writeAttribute(dialogElement, "x", dialogPlace.x());
    writeAttribute(dialogElement, "y", dialogPlace.y());
    writeAttribute(dialogElement, "width", dialogExtent.width());
    writeAttribute(dialogElement, "height", dialogExtent.height());
}

void StateNode::writeSlots(xmlNode* element) const
{
    const NodeType* descriptor = type();
    xmlNode* slotsElement = addChild(element, "slots");
    for (int side = SlotSpec::Left; side <= SlotSpec::Bottom; ++side)
        writeAttribute(slotsElement, sideCountNames[side - 1], static_cast<long long>(descriptor->slotCount(side)));
    for (unsigned n = 0; n < descriptor->slotCount(); ++n) {
        const SlotSpec& spec = descriptor->slotSpecAt(n);
        Slot* slotItem = slot(spec.side(), spec.index());
        const DataSlot* data = dynamic_cast<const DataSlot*>(slotItem);
        xmlNode* setting = addChild(slotsElement, slotElementName(spec.side(), spec.index()).toUtf8().constData());
        writeAttribute(setting, "func", data ? data->transform() : 0);
        static const char* const parameterNames[4] = {"a", "b", "c", "d"};
        for (int i = 0; i < 4; ++i)
            writeAttribute(setting, parameterNames[i], formatParameter(data ? data->parameter(i) : 0.0f));
    }
}

StateNode* StateNode::load(QGraphicsScene* canvas, xmlNode* element, State* owner)
{
    bool maintypeValid = false;
    const long long storedMaintype = readInteger(element, QStringLiteral("maintype"), &maintypeValid);
    if (!maintypeValid || storedMaintype <= 0 || storedMaintype > 0xFFFF)
        return nullptr;
    const long long storedSubtype = readInteger(element, QStringLiteral("subtype"));
    const long long storedId = readInteger(element, QStringLiteral("id"));
    unsigned maintype = 0;
    unsigned subtype = 0;
    mapLegacyNodeType(unsigned(storedMaintype),
                      storedSubtype >= 0 && storedSubtype <= 0xFFFF ? unsigned(storedSubtype) : 0u, maintype, subtype);
    const NodeType descriptor(static_cast<unsigned short>(maintype), static_cast<unsigned short>(subtype),
                              attributeText(element, QStringLiteral("identifier")));
    const unsigned id = storedId > 0 && storedId <= 0x7FFFFFFF ? unsigned(storedId) : 0u;
    StateNode* block = create(owner, canvas, descriptor, id);
    if (!block)
        return nullptr;
    if (!block->readElement(element)) {
        delete block;
        return nullptr;
    }
    return block;
}

bool StateNode::readElement(xmlNode* element)
{
    setActive(attributeText(element, QStringLiteral("active")) != QLatin1String("0"));
    xmlNode* nameElement = childElement(element, QStringLiteral("name"));
    if (!nameElement)
        return false;
    setName(elementText(nameElement));
    return readWorkspace(element) && readParameters(element) && readSlots(element);
}

bool StateNode::readWorkspace(xmlNode* element)
{
    xmlNode* workspace = childElement(element, QStringLiteral("workspace"));
    xmlNode* place = childElement(workspace, QStringLiteral("position"));
    if (!place)
        return false;
    const long long x = readInteger(place, QStringLiteral("x"));
    const long long y = readInteger(place, QStringLiteral("y"));
    if (x <= 0 || y <= 0 || x > 0x7FFFFFFF || y > 0x7FFFFFFF)
        return false;
    move(QPoint(int(x), int(y)));
    if (xmlNode* dialogElement = childElement(workspace, QStringLiteral("dialog")))
        readDialogGeometry(dialogElement);
    return true;
}

void StateNode::readDialogGeometry(xmlNode* dialogElement)
{
    auto read = [&](const char* name, long long low, long long high) {
        return int(qBound(low, readInteger(dialogElement, QLatin1String(name)), high));
    };
    const int width = read("width", minimumDialogWidth, dialogAreaSize);
    const int height = read("height", minimumDialogHeight, dialogAreaSize);
    m_dialogSize = QSize(width, height);
    m_dialogPos = QPoint(read("x", 0, dialogAreaSize - width), read("y", 0, dialogAreaSize - height));
    m_dialogWasOpen = true;
}

bool StateNode::readParameters(xmlNode* element)
{
    QMap<QString, QString> values;
    for (xmlNode* child = element->children; child; child = child->next) {
        if (!isElementNamed(child, "param"))
            continue;
        const QString key = attributeText(child, QStringLiteral("name"));
        if (key.isEmpty())
            return false;
        values.insert(key, firstChildText(child));
    }
    if (!values.isEmpty())
        setParameters(values);
    updateConstView();
    return true;
}

bool StateNode::readSlots(xmlNode* element)
{
    xmlNode* slotsElement = childElement(element, QStringLiteral("slots"));
    if (!slotsElement)
        return true;
    for (int side = SlotSpec::Left; side <= SlotSpec::Bottom; ++side) {
        // Counts are only ever raised, up to the limit: a damaged count costs no block.
        const long long stored = std::min(readInteger(slotsElement, QLatin1String(sideCountNames[side - 1])),
                                          static_cast<long long>(maximumSlotsPerSide));
        if (stored > type()->slotCount(side))
            setSlotCount(side, unsigned(stored));
    }
    for (unsigned n = 0; n < unsigned(slotList().size()); ++n) {
        Slot* slotItem = slotAt(n);
        DataSlot* data = dynamic_cast<DataSlot*>(slotItem);
        if (!data)
            continue;
        xmlNode* setting =
            childElement(slotsElement, slotElementName(slotItem->spec().side(), slotItem->spec().index()));
        if (!setting)
            continue;
        data->setTransform(int(readInteger(setting, QStringLiteral("func"))));
        static const char* const parameterNames[4] = {"a", "b", "c", "d"};
        for (int i = 0; i < 4; ++i)
            data->setParameter(i, readFloat(setting, QLatin1String(parameterNames[i])));
    }
    return true;
}
