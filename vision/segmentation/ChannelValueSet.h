#pragma once

#include <cstdint>
#include <string>

// The allowed 8-bit values of one channel: value v is bit v % 32 of word v / 32.
class ChannelValueSet
{
public:
    void clear();
    bool test(std::uint8_t v) const { return (words[v >> 5] >> (v & 31)) & 1u; }
    void set(std::uint8_t v, bool on);
    void unite(const ChannelValueSet& other);
    // 64 lower-case hex digits, words 0..7, each most significant digit first.
    std::string toHex() const;
    // False, set unchanged, unless the text is exactly 64 characters.
    bool fromHex(const std::string& text);
    friend bool operator==(const ChannelValueSet&, const ChannelValueSet&) = default;

    std::uint32_t words[8] = {};
};
