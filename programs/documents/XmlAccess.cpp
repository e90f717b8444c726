#include "XmlAccess.h"

#include <QByteArray>

namespace {

const xmlChar* xmlChars(const char* text)
{
    return reinterpret_cast<const xmlChar*>(text);
}

bool isStorable(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

QString storableText(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result += c;
            result += text.at(++i); // a pair is always a storable supplementary character
            continue;
        }
        if (!c.isSurrogate() && isStorable(c.unicode()))
            result += c;
    }
    return result;
}

xmlNode* addTextElement(xmlNode* parent, const char* name, const QString& text)
{
    return xmlNewTextChild(parent, nullptr, xmlChars(name), xmlChars(storableText(text).toUtf8().constData()));
}

QString attributeText(xmlNode* node, const char* name)
{
    if (!node)
        return QString();
    xmlAttr* attribute = xmlHasProp(node, xmlChars(name));
    if (!attribute)
        return QString();
    xmlChar* value = xmlNodeGetContent(reinterpret_cast<xmlNode*>(attribute));
    if (!value)
        return QString(QLatin1String(""));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

QString attributeText(xmlNode* node, const QString& name)
{
    return attributeText(node, name.toUtf8().constData());
}

unsigned unsignedAttribute(xmlNode* node, const char* name)
{
    bool ok = false;
    const unsigned value = attributeText(node, name).trimmed().toUInt(&ok);
    return ok ? value : 0;
}

int intAttribute(xmlNode* node, const char* name)
{
    bool ok = false;
    const int value = attributeText(node, name).trimmed().toInt(&ok);
    return ok ? value : 0;
}

void writeAttribute(xmlNode* node, const char* name, const QString& value)
{
    xmlSetProp(node, xmlChars(name), xmlChars(storableText(value).toUtf8().constData()));
}

void writeAttribute(xmlNode* node, const char* name, long long value)
{
    xmlSetProp(node, xmlChars(name), xmlChars(QByteArray::number(value).constData()));
}

xmlNode* childElement(xmlNode* node, const QString& name)
{
    if (!node)
        return nullptr;
    const QByteArray key = name.toUtf8();
    for (xmlNode* child = node->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && xmlStrEqual(child->name, xmlChars(key.constData())))
            return child;
    }
    return nullptr;
}

QString elementText(xmlNode* element)
{
    xmlChar* content = element ? xmlNodeGetContent(element) : nullptr;
    if (!content)
        return QString(QLatin1String(""));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(content));
    xmlFree(content);
    return text;
}

xmlNode* addElement(xmlNode* parent, const char* name)
{
    return xmlNewChild(parent, nullptr, xmlChars(name), nullptr);
}
