#include "ChannelValueSet.h"

#include <cstdio>
#include <cstdlib>

void ChannelValueSet::clear()
{
    for (std::uint32_t& word : words)
        word = 0;
}

void ChannelValueSet::set(std::uint8_t v, bool on)
{
    const std::uint32_t bit = 1u << (v & 31);
    if (on)
        words[v >> 5] |= bit;
    else
        words[v >> 5] &= ~bit;
}

void ChannelValueSet::unite(const ChannelValueSet& other)
{
    for (int i = 0; i < 8; ++i)
        words[i] |= other.words[i];
}

std::string ChannelValueSet::toHex() const
{
    std::string text;
    char group[9];
    for (std::uint32_t word : words) {
        std::snprintf(group, sizeof group, "%08x", word);
        text += group;
    }
    return text;
}

bool ChannelValueSet::fromHex(const std::string& text)
{
    if (text.size() != 64)
        return false;
    for (int i = 0; i < 8; ++i) {
        const std::string group = text.substr(static_cast<std::size_t>(i) * 8, 8);
        // Reading stops at the first character that is no hex digit; none at all reads as 0.
        words[i] = static_cast<std::uint32_t>(std::strtoul(group.c_str(), nullptr, 16));
    }
    return true;
}
