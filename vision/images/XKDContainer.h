#pragma once

#include <string>

class XKDImage;

// A named result that a processing block attaches to an image (type 0 segments, 1 points).
class XKDContainer
{
public:
    enum Type { Segments = 0, MultiPoints = 1 };

    XKDContainer(XKDImage* owner, int type, const std::string& name);
    virtual void assign(const XKDContainer& other);
    virtual ~XKDContainer();
    virtual void clear();

    // A new container of that type, null for an unknown type.
    static XKDContainer* create(XKDImage* owner, int type, const std::string& name);

    std::string name() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }
    int type() const { return m_type; }
    XKDImage* owner() const { return m_owner; }

private:
    std::string m_name;
    XKDImage* m_owner;
    int m_type;
};
