#pragma once

#include "JpegOutputTarget.h"

#include <cstdint>
#include <memory>
#include <vector>

class CJPEGDecoder;

// Drives the decoder for the camera frames: one decoder serves all frames of one geometry,
// a change of size or component count gets a fresh one.
class JpegFrameDecoder
{
public:
    JpegFrameDecoder();
    ~JpegFrameDecoder();
    JpegFrameDecoder(const JpegFrameDecoder&) = delete;
    JpegFrameDecoder& operator=(const JpegFrameDecoder&) = delete;

    bool setSource(const std::uint8_t* data, int size);
    bool readHeader();
    void size(int& outWidth, int& outHeight) const;
    bool setOutputs(const std::vector<JpegOutputTarget>& targets);
    // The decoder's status: 0, or negative.
    int decodeStatus();
    bool decode() { return decodeStatus() == 0; }
    // Whether the last decode wrote the targets (a truncated frame shows what arrived).
    bool targetsWritten() const;

private:
    std::unique_ptr<CJPEGDecoder> decoder;
    int width = 0;
    int height = 0;
    int components = 0;
};
