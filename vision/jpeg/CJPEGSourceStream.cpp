#include "CJPEGSourceStream.h"

namespace {
constexpr int dataEnded = -3;
}

int CJPEGSourceStream::ReadByte(std::int32_t& value)
{
    if (data == nullptr || position >= length)
        return dataEnded;
    value = data[position++];
    return 0;
}

int CJPEGSourceStream::ReadWord(std::int32_t& value)
{
    std::int32_t high = 0;
    std::int32_t low = 0;
    if (ReadByte(high) != 0 || ReadByte(low) != 0)
        return dataEnded;
    value = (high << 8) | low;
    return 0;
}
