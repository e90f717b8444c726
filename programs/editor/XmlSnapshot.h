#pragma once

#include <libxml/tree.h>

// An owned "root" element holding one workspace element (a block or a net) as it was.
class XmlSnapshot
{
public:
    XmlSnapshot();
    ~XmlSnapshot();
    XmlSnapshot(const XmlSnapshot&) = delete;
    XmlSnapshot& operator=(const XmlSnapshot&) = delete;

    xmlNode* root() const { return m_root; }
    // The first element under the root, or null.
    xmlNode* firstElement() const;
    bool firstElementIs(const char* name) const;

private:
    xmlNode* m_root;
};
