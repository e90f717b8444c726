#pragma once

#include <QString>

#include <libxml/tree.h>

// (libxml2 already names a type xmlAttribute.)
// The value of the node's attribute of that name, decoded from UTF-8; an empty string
// when the node (or the attribute) is missing.
QString xmlAttributeText(xmlNode* node, const QString& name);
// The first child of the node that is an element of that name; null when none.
xmlNode* xmlChildElement(xmlNode* node, const QString& name);
