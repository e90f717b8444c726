#include "XmlAccess.h"

#include <QByteArray>

QString xmlAttributeText(xmlNode* node, const QString& name)
{
    if (!node)
        return QString();
    const QByteArray key = name.toUtf8();
    xmlAttr* attribute = xmlHasProp(node, reinterpret_cast<const xmlChar*>(key.constData()));
    if (!attribute)
        return QString();
    xmlChar* value = xmlNodeGetContent(reinterpret_cast<xmlNode*>(attribute));
    if (!value)
        return QString(QLatin1String(""));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

xmlNode* xmlChildElement(xmlNode* node, const QString& name)
{
    if (!node)
        return nullptr;
    const QByteArray key = name.toUtf8();
    for (xmlNode* child = node->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE
            && xmlStrEqual(child->name, reinterpret_cast<const xmlChar*>(key.constData())))
            return child;
    }
    return nullptr;
}
