#pragma once

#include "ChannelValueSet.h"

#include <array>
#include <cstdint>
#include <list>
#include <string>

// One colour class of the segmenter: a name, a display colour and the allowed values of each
// of the three channels in its colour format.
class SegmentDescription
{
public:
    using Colour = std::array<std::uint8_t, 3>; // red, green, blue

    std::string name() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }
    Colour meanColor() const { return m_meanColour; }
    void setMeanColor(const Colour& colour) { m_meanColour = colour; }
    ChannelValueSet& valueSet(int channel) { return m_sets[channel]; }
    const ChannelValueSet& valueSet(int channel) const { return m_sets[channel]; }
    int colorFormat() const { return m_colorFormat; }
    void setColorFormat(int format) { m_colorFormat = format; }
    bool isChannelUsed(int channel) const { return (m_channelsUsed >> channel) & 1u; }
    void setChannelUsed(int channel, bool on);

    // The three sets' hex texts joined: 192 characters.
    std::string colorIndexText() const;
    // False, description unchanged, unless the text is exactly 192 characters.
    bool setColorIndexText(const std::string& text);
    std::string channelsUsedText() const;
    // The leading decimal integer (0 without one) AND 7; never fails.
    void setChannelsUsedText(const std::string& text);

    // A pending widening (n > 0) or narrowing (n < 0) of a channel's set, by n values at each
    // end of every run of the set; applyWidening() applies and clears all three.
    void setWidening(int channel, int n) { m_widening[channel] = n; }
    int widening(int channel) const { return m_widening[channel]; }
    void applyWidening();
    void mergeValues(const SegmentDescription& other);

private:
    std::string m_name;
    Colour m_meanColour {0, 0, 0};
    ChannelValueSet m_sets[3];
    int m_widening[3] = {0, 0, 0};
    int m_colorFormat = 0;
    std::uint8_t m_channelsUsed = 7;
};

using SegmentList = std::list<SegmentDescription>;

// The position of entry `index`, or the end for an index beyond the list.
SegmentList::iterator segmentAt(SegmentList& list, int index);
// True when i == j; false, list unchanged, for an index beyond the list.
bool swapSegments(SegmentList& list, int i, int j);
