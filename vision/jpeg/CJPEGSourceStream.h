#pragma once

#include <cstdint>

// The attached JPEG bytes and the read position; the Huffman decoders advance the position
// themselves.
struct CJPEGSourceStream
{
    const std::uint8_t* data = nullptr;
    std::int32_t length = 0;
    std::int32_t position = 0;

    // -3 at the end of the data (value unchanged), else 0.
    int ReadByte(std::int32_t& value);
    // Most significant byte first; -3 when the data ends before the second byte.
    int ReadWord(std::int32_t& value);
    std::int32_t remaining() const { return length - position; }
};
