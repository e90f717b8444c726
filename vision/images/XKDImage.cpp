#include "XKDImage.h"

#include "XKDContainer.h"

XKDImage::XKDImage() = default;

XKDImage::~XKDImage() = default;

void XKDImage::clear()
{
    m_tag = 0;
    deleteContainers();
}

void XKDImage::assign(const XKDImage& other)
{
    m_tag = other.m_tag;
    m_channels = other.m_channels;
    m_colorFormat = other.m_colorFormat;
    copyContainers(other);
}

bool XKDImage::hasContainer(int type) const
{
    for (const XKDContainer* c : m_containers) {
        if (c->type() == type)
            return true;
    }
    return false;
}

XKDContainer* XKDImage::findContainer(int type, const std::string& name) const
{
    for (XKDContainer* c : m_containers) {
        if (c->type() == type && (name.empty() || c->name() == name))
            return c;
    }
    return nullptr;
}

XKDContainer* XKDImage::container(int type, const std::string& name)
{
    if (XKDContainer* found = findContainer(type, name))
        return found;
    XKDContainer* created = XKDContainer::create(this, type, name);
    if (created)
        m_containers.push_back(created);
    return created;
}

XKDContainer* XKDImage::addContainer(int type)
{
    XKDContainer* created = XKDContainer::create(this, type, std::string());
    if (created)
        m_containers.push_back(created);
    return created;
}

void XKDImage::deleteContainers()
{
    for (XKDContainer* c : m_containers)
        delete c;
    m_containers.clear();
}

void XKDImage::copyContainers(const XKDImage& other)
{
    deleteContainers();
    for (const XKDContainer* source : other.m_containers) {
        XKDContainer* copy = XKDContainer::create(this, source->type(), source->name());
        if (!copy)
            continue;
        copy->assign(*source);
        m_containers.push_back(copy);
    }
}
