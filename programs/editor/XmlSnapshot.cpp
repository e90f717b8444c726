#include "XmlSnapshot.h"

XmlSnapshot::XmlSnapshot() : m_root(xmlNewNode(nullptr, reinterpret_cast<const xmlChar*>("root")))
{
}

XmlSnapshot::~XmlSnapshot()
{
    xmlFreeNode(m_root);
}

xmlNode* XmlSnapshot::firstElement() const
{
    for (xmlNode* child = m_root->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE)
            return child;
    }
    return nullptr;
}

bool XmlSnapshot::firstElementIs(const char* name) const
{
    const xmlNode* element = firstElement();
    return element && xmlStrEqual(element->name, reinterpret_cast<const xmlChar*>(name));
}
