#include "XKDContainer.h"

#include "XKDConMultiPoints.h"
#include "XKDConSegments.h"

XKDContainer::XKDContainer(XKDImage* owner, int type, const std::string& name)
    : m_name(name), m_owner(owner), m_type(type)
{
}

void XKDContainer::assign(const XKDContainer&)
{
}

XKDContainer::~XKDContainer() = default;

void XKDContainer::clear()
{
}

XKDContainer* XKDContainer::create(XKDImage* owner, int type, const std::string& name)
{
    switch (type) {
    case Segments: return new XKDConSegments(owner, name);
    case MultiPoints: return new XKDConMultiPoints(owner, name);
    default: return nullptr;
    }
}
