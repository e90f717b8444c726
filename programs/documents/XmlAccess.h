#pragma once

#include <QString>

#include <libxml/tree.h>

// Our helpers around libxml2, named apart from its own xml* functions.

// The value of the node's attribute of that name, decoded from UTF-8; an empty string
// when the node (or the attribute) is missing.
QString attributeText(xmlNode* node, const char* name);
QString attributeText(xmlNode* node, const QString& name);
// An attribute as a decimal number, blanks around it allowed; 0 when missing or not a number.
unsigned unsignedAttribute(xmlNode* node, const char* name);
int intAttribute(xmlNode* node, const char* name);
// Sets the attribute (replacing one of that name), encoded as UTF-8, without the
// characters XML cannot hold.
void writeAttribute(xmlNode* node, const char* name, const QString& value);
void writeAttribute(xmlNode* node, const char* name, long long value);
// Appends a child element holding the text (escaped on output, without the characters
// XML cannot hold).
xmlNode* addTextElement(xmlNode* parent, const char* name, const QString& text);
// The text without the characters XML 1.0 cannot hold (most control characters, lone
// surrogates, U+FFFE and U+FFFF): a file holding them could not be read again.
QString storableText(const QString& text);
// The first child of the node that is an element of that name; null when none.
xmlNode* childElement(xmlNode* node, const QString& name);
// All text inside the element, decoded from UTF-8; empty for an empty element.
QString elementText(xmlNode* element);
// Appends an empty child element.
xmlNode* addElement(xmlNode* parent, const char* name);
