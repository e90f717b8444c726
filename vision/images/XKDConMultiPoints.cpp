#include "XKDConMultiPoints.h"

XKDConMultiPoints::XKDConMultiPoints(XKDImage* owner, const std::string& name) : XKDContainer(owner, MultiPoints, name)
{
}

void XKDConMultiPoints::assign(const XKDContainer& other)
{
    if (other.type() == MultiPoints)
        points = static_cast<const XKDConMultiPoints&>(other).points;
}
