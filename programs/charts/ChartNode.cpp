#include "ChartNode.h"

#include "StateChart.h"
#include "XmlAccess.h"

#include <QMap>

namespace {

bool isElementNamed(xmlNode* node, const char* name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, reinterpret_cast<const xmlChar*>(name));
}

// A decimal attribute within 0 to high; 0 when missing, unreadable or out of range.
unsigned readBounded(xmlNode* element, const char* name, unsigned high)
{
    bool ok = false;
    const long long value = attributeText(element, name).trimmed().toLongLong(&ok);
    return (ok && value >= 0 && value <= high) ? unsigned(value) : 0u;
}

} // namespace

QMap<unsigned short, ChartNodeFactory>& chartNodeFactories()
{
    static QMap<unsigned short, ChartNodeFactory> factories;
    return factories;
}

ChartNode::ChartNode(StateChart* chart, QGraphicsScene* canvas, unsigned id, const NodeType& type)
    : Node(canvas, id, type, chart), m_chart(chart)
{
}

NodeType ChartNode::nodeType()
{
    static NodeType base;
    if (base.needsBuild()) {
        base = Node::baseType();
        base.setFlags(NodeType::ChartElement);
    }
    return base;
}

void ChartNode::registerFactory(unsigned short maintype, ChartNodeFactory factory)
{
    chartNodeFactories().insert(maintype, factory);
}

ChartNode* ChartNode::create(StateChart* chart, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    const ChartNodeFactory factory = chartNodeFactories().value(type.maintype(), nullptr);
    return factory ? factory(chart, canvas, type, id) : nullptr;
}

bool ChartNode::saveXml(xmlNode* parent)
{
    const NodeType* descriptor = type();
    xmlNode* element = addElement(parent, descriptor->maintype() == 1 ? "stateblock" : "node");
    writeAttribute(element, "id", static_cast<long long>(id()));
    writeAttribute(element, "maintype", static_cast<long long>(descriptor->maintype()));
    writeAttribute(element, "subtype", static_cast<long long>(descriptor->subtype()));
    addTextElement(element, "name", descriptor->name());
    const QMap<QString, QString> values = parameters();
    for (auto entry = values.cbegin(); entry != values.cend(); ++entry) {
        xmlNode* parameter = addTextElement(element, "param", entry.value());
        writeAttribute(parameter, "name", entry.key());
    }
    xmlNode* place = addElement(addElement(element, "workspace"), "position");
    writeAttribute(place, "x", position().x());
    writeAttribute(place, "y", position().y());
    return true;
}

ChartNode* ChartNode::load(QGraphicsScene* canvas, xmlNode* element, StateChart* chart)
{
    const auto maintype = static_cast<unsigned short>(readBounded(element, "maintype", 0xFFFF));
    const auto subtype = static_cast<unsigned short>(readBounded(element, "subtype", 0xFFFF));
    const unsigned id = readBounded(element, "id", 0x7FFFFFFF);
    ChartNode* node = create(chart, canvas, NodeType(maintype, subtype, QString()), id);
    if (node && !node->readElement(element)) {
        delete node;
        return nullptr;
    }
    return node;
}

bool ChartNode::readElement(xmlNode* element)
{
    xmlNode* nameElement = childElement(element, QStringLiteral("name"));
    xmlNode* place = childElement(childElement(element, QStringLiteral("workspace")), QStringLiteral("position"));
    if (!nameElement || !place)
        return false;
    setName(elementText(nameElement));
    const int x = intAttribute(place, "x");
    const int y = intAttribute(place, "y");
    if (x <= 0 || y <= 0)
        return false;
    move(QPoint(x, y));
    QMap<QString, QString> values;
    for (xmlNode* child = element->children; child; child = child->next) {
        if (!isElementNamed(child, "param"))
            continue;
        const QString key = attributeText(child, "name");
        if (key.isEmpty())
            return false;
        values.insert(key, elementText(child));
    }
    if (!values.isEmpty())
        setParameters(values);
    return true;
}
