#pragma once

#include "zefrim/zefrim.h"

// The bit reader state of the current scan; one buffer serves every scan of the decoder.
class CJPEGDecoderHuffmanState
{
public:
    CJPEGDecoderHuffmanState() = default;
    virtual ~CJPEGDecoderHuffmanState();
    CJPEGDecoderHuffmanState(const CJPEGDecoderHuffmanState&) = delete;
    CJPEGDecoderHuffmanState& operator=(const CJPEGDecoderHuffmanState&) = delete;

    int Create();
    DecodeHuffmanState* state() const { return m_state; }

private:
    DecodeHuffmanState* m_state = nullptr;
};
