#include "XKDWorkImage.h"

#include "ImageSizes.h"

#include "zefrim/zefrim.h"

#include <cstring>

XKDWorkImage::XKDWorkImage(int width, int height, int channels, ColorFormat_t::colorFormat_t format)
{
    m_channels = 3;
    resize(width, height, channels);
    m_colorFormat = format;
}

XKDWorkImage::~XKDWorkImage()
{
    zfmsFree(m_data);
    deleteContainers();
}

void XKDWorkImage::resize(int width, int height, int channels)
{
    if (m_data && width == m_width && height == m_height && channels == m_channels)
        return;
    zfmsFree(m_data);
    m_data = nullptr;
    deleteContainers();
    m_step = 3 * width;
    m_channels = channels;
    m_width = width;
    m_height = height;
    m_data = static_cast<std::uint8_t*>(zfmsMalloc_8u(3 * width * height));
}

void XKDWorkImage::assign(const XKDImage& other)
{
    m_tag = other.tag();
    m_channels = other.channels();
    m_colorFormat = other.colorFormat();
    resize(other.width(), other.height(), other.channels());
    copyContainers(other);
    if (m_data && other.data())
        std::memcpy(m_data, other.data(), static_cast<std::size_t>(m_step) * m_height);
}

void XKDWorkImage::setGrey(const std::uint8_t* grey)
{
    const RoiSize region {m_width, m_height};
    zfmiCopy_8u_C1C3R(grey, m_width, m_data, m_step, region);
    static constexpr std::int32_t firstChannelEverywhere[3] = {0, 0, 0};
    zfmiSwapChannels_8u_C3IR(m_data, m_step, region, firstChannelEverywhere);
}

void XKDWorkImage::swapRedBlue()
{
    static constexpr std::int32_t redBlueSwapped[3] = {2, 1, 0};
    zfmiSwapChannels_8u_C3IR(m_data, m_step, RoiSize {m_width, m_height}, redBlueSwapped);
}

XKDImage* createWorkImage(int width, int height, int channels, ColorFormat_t::colorFormat_t format)
{
    return new XKDWorkImage(width, height, channels, format);
}

XKDImage* createPoolImage(unsigned sizeIndex)
{
    int width = 0;
    int height = 0;
    imageSizeOfIndex(sizeIndex, width, height);
    return createWorkImage(width, height, 3, ColorFormat_t::RGB);
}
