#include "LineEdgeImage.h"

#include "XKDImage.h"
#include "XKDWorkImage.h"

#include "zefrim/zefrim.h"

#include <algorithm>

LineEdgeImage::~LineEdgeImage()
{
    freeBuffers();
}

void LineEdgeImage::freeBuffers()
{
    for (void* buffer :
         {static_cast<void*>(m_grey), static_cast<void*>(m_padded), static_cast<void*>(m_horizontal),
          static_cast<void*>(m_vertical), static_cast<void*>(m_horizontalSquare), static_cast<void*>(m_magnitude)})
        zfmsFree(buffer);
    m_grey = m_padded = nullptr;
    m_horizontal = m_vertical = m_horizontalSquare = m_magnitude = nullptr;
    m_width = m_height = 0;
    m_responseSums.clear();
    m_magnitudeSums.clear();
}

bool LineEdgeImage::resize(int width, int height)
{
    if (width == m_width && height == m_height && m_grey)
        return true;
    freeBuffers();
    if (width <= 0 || height <= 0)
        return false;
    const int pixels = width * height;
    m_grey = static_cast<std::uint8_t*>(zfmsMalloc_8u(pixels));
    m_padded = static_cast<std::uint8_t*>(zfmsMalloc_8u((width + 2) * (height + 2)));
    m_horizontal = static_cast<std::int16_t*>(zfmsMalloc_16s(pixels));
    m_vertical = static_cast<std::int16_t*>(zfmsMalloc_16s(pixels));
    m_horizontalSquare = static_cast<std::int16_t*>(zfmsMalloc_16s(pixels));
    m_magnitude = static_cast<std::int16_t*>(zfmsMalloc_16s(pixels));
    if (!m_grey || !m_padded || !m_horizontal || !m_vertical || !m_horizontalSquare || !m_magnitude) {
        freeBuffers();
        return false;
    }
    m_width = width;
    m_height = height;
    m_responseSums.assign(static_cast<std::size_t>(width), 0);
    m_magnitudeSums.assign(static_cast<std::size_t>(width), 0);
    return true;
}

void LineEdgeImage::padGrey()
{
    const int paddedWidth = m_width + 2;
    for (int y = -1; y <= m_height; ++y) {
        const std::uint8_t* source = m_grey + std::clamp(y, 0, m_height - 1) * m_width;
        std::uint8_t* target = m_padded + (y + 1) * paddedWidth;
        target[0] = source[0];
        std::copy(source, source + m_width, target + 1);
        target[m_width + 1] = source[m_width - 1];
    }
}

// Vertical response: positive where the left neighbours are brighter than the right ones;
// horizontal response: positive where the row below is brighter than the row above. The filters
// read one pixel around the plane: the padded copy replicates the border.
void LineEdgeImage::sobel()
{
    const int step = m_width + 2;
    const std::uint8_t* inside = m_padded + step + 1;
    const RoiSize roi {m_width, m_height};
    zfmiFilterSobelVert_8u16s_C1R(inside, step, m_vertical, 2 * m_width, roi, MaskSize3x3);
    zfmiFilterSobelHoriz_8u16s_C1R(inside, step, m_horizontal, 2 * m_width, roi, MaskSize3x3);
}

bool LineEdgeImage::compute(const XKDImage& image, int threshold)
{
    if (!image.data() || !resize(image.width(), image.height()))
        return false;
    const RoiSize roi {m_width, m_height};
    const int step16 = 2 * m_width;
    zfmiRGBToGray_8u_C3C1R(image.data(), m_width * image.channels(), m_grey, m_width, roi);
    padGrey();
    sobel();
    zfmiSqr_16s_C1RSfs(m_horizontal, step16, m_horizontalSquare, step16, roi, 1);
    zfmiSqr_16s_C1RSfs(m_vertical, step16, m_magnitude, step16, roi, 1);
    zfmiAdd_16s_C1IRSfs(m_horizontalSquare, step16, m_magnitude, step16, roi, 1);
    const auto limit = static_cast<std::int16_t>(std::clamp(threshold, -32768, 32767));
    zfmiThreshold_LTVal_16s_C1IR(m_magnitude, step16, roi, limit, 0);
    zfmiConvert_16s8u_C1R(m_magnitude, step16, m_grey, m_width, roi);
    return true;
}

int LineEdgeImage::findEdgeColumn(int first, int last, bool positive)
{
    if (m_width <= 0)
        return -1;
    first = std::max(first, 0);
    last = std::min(last, m_height - 1);
    std::fill(m_responseSums.begin(), m_responseSums.end(), 0);
    std::fill(m_magnitudeSums.begin(), m_magnitudeSums.end(), 0);
    for (int y = first; y <= last; ++y) {
        const int offset = y * m_width;
        for (int x = 0; x < m_width; ++x) {
            m_responseSums[x] += m_horizontal[offset + x] + m_vertical[offset + x];
            m_magnitudeSums[x] += m_magnitude[offset + x];
        }
    }
    const int sign = positive ? 1 : -1;
    int best = -1;
    std::int32_t maximum = 0;
    for (int x = 0; x < m_width; ++x) {
        if (m_magnitudeSums[x] > maximum && m_responseSums[x] * sign > 0) {
            best = x;
            maximum = m_magnitudeSums[x];
        }
    }
    return best;
}

void LineEdgeImage::toImage(XKDImage& image) const
{
    auto* work = dynamic_cast<XKDWorkImage*>(&image);
    if (work && m_grey && image.width() == m_width && image.height() == m_height)
        work->setGrey(m_grey);
}
