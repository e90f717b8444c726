#include "CJPEGDecoderHuffmanTable.h"

#include "zefrim/generic.h"

#include <cstring>

CJPEGDecoderHuffmanTable::~CJPEGDecoderHuffmanTable()
{
    Destroy();
}

int CJPEGDecoderHuffmanTable::Create()
{
    std::int32_t size = 0;
    if (zfmiDecodeHuffmanSpecGetBufSize_JPEG_8u_gn(&size) != StatusOk)
        return -2;
    m_spec = static_cast<DecodeHuffmanSpec*>(zfmsMalloc_8u_gn(size));
    if (m_spec == nullptr)
        return -4;
    m_bufferNeeded = 0;
    return 0;
}

int CJPEGDecoderHuffmanTable::Init(int identifier, int tableClass, const std::uint8_t* counts,
                                   const std::uint8_t* symbols, int symbolCount)
{
    m_identifier = identifier & 15;
    m_class = tableClass & 15;
    std::memcpy(m_counts, counts, sizeof m_counts);
    std::memset(m_symbols, 0, sizeof m_symbols);
    std::memcpy(m_symbols, symbols, static_cast<std::size_t>(symbolCount));
    // A failed rebuild leaves no usable table behind.
    m_initialised = 0;
    if (zfmiDecodeHuffmanSpecInit_JPEG_8u_gn(m_counts, m_symbols, m_spec) != StatusOk)
        return -2;
    m_initialised = 1;
    return 0;
}

void CJPEGDecoderHuffmanTable::Destroy()
{
    m_identifier = 0;
    m_class = 0;
    std::memset(m_counts, 0, sizeof m_counts);
    std::memset(m_symbols, 0, sizeof m_symbols);
    zfmsFree_gn(m_spec);
    m_spec = nullptr;
    m_bufferNeeded = 1;
    m_initialised = 0;
}
