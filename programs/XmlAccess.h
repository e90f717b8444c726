#pragma once

#include <QString>

#include <libxml/tree.h>

// (libxml2 already names a type xmlAttribute.)
// The value of the node's attribute of that name, decoded from UTF-8; an empty string
// when the node (or the attribute) is missing.
QString xmlAttributeText(xmlNode* node, const char* name);
QString xmlAttributeText(xmlNode* node, const QString& name);
// An attribute as a decimal number, blanks around it allowed; 0 when missing or not a number.
unsigned xmlUnsignedAttribute(xmlNode* node, const char* name);
int xmlIntAttribute(xmlNode* node, const char* name);
// Sets the attribute (replacing one of that name), encoded as UTF-8.
void xmlSetAttribute(xmlNode* node, const char* name, const QString& value);
void xmlSetAttribute(xmlNode* node, const char* name, long long value);
// The first child of the node that is an element of that name; null when none.
xmlNode* xmlChildElement(xmlNode* node, const QString& name);
