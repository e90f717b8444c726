#include "XmlAccess.h"

#include <QByteArray>

namespace {

const xmlChar* xmlText(const char* text)
{
    return reinterpret_cast<const xmlChar*>(text);
}

} // namespace

QString xmlAttributeText(xmlNode* node, const char* name)
{
    if (!node)
        return QString();
    xmlAttr* attribute = xmlHasProp(node, xmlText(name));
    if (!attribute)
        return QString();
    xmlChar* value = xmlNodeGetContent(reinterpret_cast<xmlNode*>(attribute));
    if (!value)
        return QString(QLatin1String(""));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

QString xmlAttributeText(xmlNode* node, const QString& name)
{
    return xmlAttributeText(node, name.toUtf8().constData());
}

unsigned xmlUnsignedAttribute(xmlNode* node, const char* name)
{
    bool ok = false;
    const unsigned value = xmlAttributeText(node, name).trimmed().toUInt(&ok);
    return ok ? value : 0;
}

int xmlIntAttribute(xmlNode* node, const char* name)
{
    bool ok = false;
    const int value = xmlAttributeText(node, name).trimmed().toInt(&ok);
    return ok ? value : 0;
}

void xmlSetAttribute(xmlNode* node, const char* name, const QString& value)
{
    xmlSetProp(node, xmlText(name), xmlText(value.toUtf8().constData()));
}

void xmlSetAttribute(xmlNode* node, const char* name, long long value)
{
    xmlSetProp(node, xmlText(name), xmlText(QByteArray::number(value).constData()));
}

xmlNode* xmlChildElement(xmlNode* node, const QString& name)
{
    if (!node)
        return nullptr;
    const QByteArray key = name.toUtf8();
    for (xmlNode* child = node->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && xmlStrEqual(child->name, xmlText(key.constData())))
            return child;
    }
    return nullptr;
}
