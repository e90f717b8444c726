#pragma once

#include "ColorFormat.h"

#include <cstdint>
#include <string>
#include <vector>

class XKDContainer;

// A three-channel 8-bit image with the result containers that blocks attach to it.
class XKDImage
{
public:
    XKDImage();
    virtual ~XKDImage();
    XKDImage(const XKDImage&) = delete;
    XKDImage& operator=(const XKDImage&) = delete;

    // Tag 0, no containers; pixels, size and colour format stay.
    virtual void clear();
    virtual void assign(const XKDImage& other);
    virtual void resize(int width, int height, int channels) = 0;
    virtual int height() const = 0;
    virtual int width() const = 0;

    void setTag(const std::uint32_t& tag) { m_tag = tag; }
    std::uint32_t tag() const { return m_tag; }
    std::uint8_t* data() const { return m_data; }
    int channels() const { return m_channels; }
    ColorFormat_t::colorFormat_t colorFormat() const { return m_colorFormat; }
    void setColorFormat(ColorFormat_t::colorFormat_t format) { m_colorFormat = format; }

    bool hasContainer(int type) const;
    // The first container of the type whose name matches; an empty name matches every name.
    XKDContainer* findContainer(int type, const std::string& name) const;
    XKDContainer* container(int type, const std::string& name);
    XKDContainer* addContainer(int type);
    void deleteContainers();
    void copyContainers(const XKDImage& other);
    const std::vector<XKDContainer*>& containers() const { return m_containers; }

protected:
    std::uint32_t m_tag = 0;
    std::uint8_t* m_data = nullptr;
    int m_channels = 3;
    ColorFormat_t::colorFormat_t m_colorFormat = ColorFormat_t::RGB;
    std::vector<XKDContainer*> m_containers;
};
