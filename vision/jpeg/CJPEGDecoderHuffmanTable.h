#pragma once

#include "zefrim/zefrim.h"

#include <cstdint>

// One Huffman decode table; its library spec buffer lives from the first definition to the
// decoder's end, later definitions rebuild it in place.
class CJPEGDecoderHuffmanTable
{
public:
    CJPEGDecoderHuffmanTable() = default;
    virtual ~CJPEGDecoderHuffmanTable();
    CJPEGDecoderHuffmanTable(const CJPEGDecoderHuffmanTable&) = delete;
    CJPEGDecoderHuffmanTable& operator=(const CJPEGDecoderHuffmanTable&) = delete;

    int Create();
    int Init(int identifier, int tableClass, const std::uint8_t* counts, const std::uint8_t* symbols, int symbolCount);
    void Destroy();

    bool needsBuffer() const { return m_bufferNeeded != 0; }
    bool isInitialised() const { return m_initialised != 0; }
    const DecodeHuffmanSpec* spec() const { return m_spec; }

private:
    DecodeHuffmanSpec* m_spec = nullptr;
    std::uint8_t m_counts[16] = {};
    std::uint8_t m_symbols[256] = {};
    std::uint8_t m_bufferNeeded = 1;
    std::uint8_t m_initialised = 0;
    std::int32_t m_identifier = 0;
    std::int32_t m_class = 0;
};
