#include "SegmentDescription.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// Marks the values next to each run: `reach` values beyond the ends of every run of matching
// values, walking in one direction.
void markBeyondRuns(const ChannelValueSet& set, bool widen, int reach, bool forward, bool marks[256])
{
    int counter = (widen || !forward) ? 0 : reach;
    for (int i = 0; i < 256; ++i) {
        const int v = forward ? i : 255 - i;
        const bool matches = set.test(static_cast<std::uint8_t>(v)) == widen;
        if (matches) {
            counter = reach;
        } else if (counter > 0) {
            marks[v] = true;
            --counter;
        }
    }
}

} // namespace

void SegmentDescription::setChannelUsed(int channel, bool on)
{
    const std::uint8_t bit = static_cast<std::uint8_t>(1u << channel);
    m_channelsUsed = on ? (m_channelsUsed | bit) : (m_channelsUsed & ~bit);
}

std::string SegmentDescription::colorIndexText() const
{
    return m_sets[0].toHex() + m_sets[1].toHex() + m_sets[2].toHex();
}

bool SegmentDescription::setColorIndexText(const std::string& text)
{
    if (text.size() != 192)
        return false;
    for (int c = 0; c < 3; ++c)
        m_sets[c].fromHex(text.substr(static_cast<std::size_t>(c) * 64, 64));
    return true;
}

std::string SegmentDescription::channelsUsedText() const
{
    return std::to_string(static_cast<int>(m_channelsUsed));
}

void SegmentDescription::setChannelsUsedText(const std::string& text)
{
    m_channelsUsed = static_cast<std::uint8_t>(std::atoi(text.c_str()) & 7);
}

void SegmentDescription::applyWidening()
{
    for (int c = 0; c < 3; ++c) {
        const int n = m_widening[c];
        if (n == 0)
            continue;
        const bool widen = n > 0;
        const int reach = widen ? n : -n;
        bool marks[256] = {};
        markBeyondRuns(m_sets[c], widen, reach, true, marks);
        markBeyondRuns(m_sets[c], widen, reach, false, marks);
        for (int v = 0; v < 256; ++v) {
            if (marks[v])
                m_sets[c].set(static_cast<std::uint8_t>(v), widen);
        }
        m_widening[c] = 0;
    }
}

void SegmentDescription::mergeValues(const SegmentDescription& other)
{
    for (int c = 0; c < 3; ++c)
        m_sets[c].unite(other.m_sets[c]);
}

SegmentList::iterator segmentAt(SegmentList& list, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        return list.end();
    auto it = list.begin();
    std::advance(it, index);
    return it;
}

bool swapSegments(SegmentList& list, int i, int j)
{
    if (i == j)
        return true;
    const auto a = segmentAt(list, i);
    const auto b = segmentAt(list, j);
    if (a == list.end() || b == list.end())
        return false;
    std::swap(*a, *b);
    return true;
}
