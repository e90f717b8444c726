#pragma once

#include <cstdint>

// One dequantisation table: the values as read (zigzag order) and the natural-order table
// that the inverse transform multiplies by. 16-bit tables keep their full precision.
class CJPEGDecoderQuantTable
{
public:
    CJPEGDecoderQuantTable();
    virtual ~CJPEGDecoderQuantTable();
    CJPEGDecoderQuantTable(const CJPEGDecoderQuantTable&) = delete;
    CJPEGDecoderQuantTable& operator=(const CJPEGDecoderQuantTable&) = delete;

    // identifier: the DQT byte PqTq; values: 64 values in zigzag order. 0, -5 for a value the
    // transform cannot take (above 32767), -2 when the table cannot be built.
    int Init(int identifier, const std::uint16_t* values);
    const std::uint16_t* naturalTable() const { return m_natural; }
    bool isInitialised() const { return m_initialised != 0; }

private:
    alignas(32) std::uint16_t m_raw[64] = {};
    alignas(32) std::uint16_t m_natural[64] = {};
    std::int32_t m_initialised = 0;
    std::int32_t m_identifier = 0;
    std::int32_t m_precision = 0;
};
