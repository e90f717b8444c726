#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Little-endian encoding of the link's messages.
class WireWriter
{
public:
    void u8(std::uint8_t v) { bytes.push_back(v); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v);
    void text(const std::string& v);
    void raw(const unsigned char* data, std::size_t size);

    // The message with its length and type in front.
    std::vector<unsigned char> frame(std::uint8_t type) const;
    const std::vector<unsigned char>& data() const { return bytes; }

private:
    std::vector<unsigned char> bytes;
};

// Reads what WireWriter wrote; reading past the end sets ok() false and yields zeros.
class WireReader
{
public:
    WireReader(const unsigned char* data, std::size_t size) : p(data), n(size) { }

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32();
    std::string text();
    bool ok() const { return good; }
    std::size_t remaining() const { return n - pos; }

private:
    bool take(std::size_t count);

    const unsigned char* p;
    std::size_t n;
    std::size_t pos = 0;
    bool good = true;
};
