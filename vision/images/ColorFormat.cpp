#include "ColorFormat.h"

const char* const colorFormatNames[4] = {"RGB", "YCbCr", "HSV", "HLS"};

std::string channelName(ColorFormat_t::colorFormat_t format, int channel)
{
    if (format == ColorFormat_t::YCbCr)
        return channel == 0 ? "Y" : (channel == 1 ? "Cb" : "Cr");
    const int index = static_cast<int>(format);
    if (index < 0 || index > 3 || channel < 0 || channel > 2)
        return std::string();
    return std::string(colorFormatNames[index]).substr(static_cast<std::size_t>(channel), 1);
}
