#include "CJPEGDecoderQuantTable.h"

#include "zefrim/generic.h"

namespace {

// Natural index -> position in the zigzag sequence.
constexpr std::uint8_t zigzagPosition[64] = {
    0,  1,  5,  6,  14, 15, 27, 28, 2,  4,  7,  13, 16, 26, 29, 42, 3,  8,  12, 17, 25, 30,
    41, 43, 9,  11, 18, 24, 31, 40, 44, 53, 10, 19, 23, 32, 39, 45, 52, 54, 20, 22, 33, 38,
    46, 51, 55, 60, 21, 34, 37, 47, 50, 56, 59, 61, 35, 36, 48, 49, 57, 58, 62, 63,
};

// The inverse transform takes its steps as signed 16-bit numbers.
constexpr std::uint16_t largestStep = 32767;

} // namespace

CJPEGDecoderQuantTable::CJPEGDecoderQuantTable() = default;
CJPEGDecoderQuantTable::~CJPEGDecoderQuantTable() = default;

int CJPEGDecoderQuantTable::Init(int identifier, const std::uint16_t* values)
{
    bool eightBit = true;
    for (int i = 0; i < 64; ++i) {
        if (values[i] > largestStep)
            return -5;
        eightBit = eightBit && values[i] <= 255;
        m_raw[i] = values[i];
    }
    m_identifier = identifier & 15;
    m_precision = (identifier >> 4) & 15;
    if (eightBit) {
        // The library's own table build for the common case.
        std::uint8_t bytes[64];
        for (int i = 0; i < 64; ++i)
            bytes[i] = static_cast<std::uint8_t>(values[i]);
        if (zfmiQuantInvTableInit_JPEG_8u16u_gn(bytes, m_natural) != StatusOk)
            return -2;
    } else {
        for (int i = 0; i < 64; ++i)
            m_natural[i] = m_raw[zigzagPosition[i]];
    }
    m_initialised = 1;
    return 0;
}
