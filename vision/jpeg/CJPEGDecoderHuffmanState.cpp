#include "CJPEGDecoderHuffmanState.h"

#include "zefrim/generic.h"

#include <cstdint>

CJPEGDecoderHuffmanState::~CJPEGDecoderHuffmanState()
{
    zfmsFree_gn(m_state);
}

int CJPEGDecoderHuffmanState::Create()
{
    std::int32_t size = 0;
    if (zfmiDecodeHuffmanStateGetBufSize_JPEG_8u_gn(&size) != StatusOk)
        return -2;
    m_state = static_cast<DecodeHuffmanState*>(zfmsMalloc_8u_gn(size));
    return m_state ? 0 : -4;
}
