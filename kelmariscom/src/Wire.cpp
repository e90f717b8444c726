#include "Wire.h"

#include <cstring>

void WireWriter::u16(std::uint16_t v)
{
    u8(static_cast<std::uint8_t>(v));
    u8(static_cast<std::uint8_t>(v >> 8));
}

void WireWriter::u32(std::uint32_t v)
{
    u16(static_cast<std::uint16_t>(v));
    u16(static_cast<std::uint16_t>(v >> 16));
}

void WireWriter::f32(float v)
{
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    u32(bits);
}

void WireWriter::text(const std::string& v)
{
    u32(static_cast<std::uint32_t>(v.size()));
    raw(reinterpret_cast<const unsigned char*>(v.data()), v.size());
}

void WireWriter::raw(const unsigned char* data, std::size_t size)
{
    bytes.insert(bytes.end(), data, data + size);
}

std::vector<unsigned char> WireWriter::frame(std::uint8_t type) const
{
    WireWriter out;
    out.u32(static_cast<std::uint32_t>(bytes.size() + 1));
    out.u8(type);
    out.raw(bytes.data(), bytes.size());
    return out.bytes;
}

bool WireReader::take(std::size_t count)
{
    if (!good || n - pos < count) {
        good = false;
        return false;
    }
    return true;
}

std::uint8_t WireReader::u8()
{
    return take(1) ? p[pos++] : 0;
}

std::uint16_t WireReader::u16()
{
    if (!take(2))
        return 0;
    const std::uint16_t v = static_cast<std::uint16_t>(p[pos] | (p[pos + 1] << 8));
    pos += 2;
    return v;
}

std::uint32_t WireReader::u32()
{
    const std::uint32_t low = u16();
    const std::uint32_t high = u16();
    return low | (high << 16);
}

float WireReader::f32()
{
    const std::uint32_t bits = u32();
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string WireReader::text()
{
    const std::uint32_t size = u32();
    if (!take(size))
        return {};
    std::string v(reinterpret_cast<const char*>(p + pos), size);
    pos += size;
    return v;
}
