#pragma once

#include "XKDImage.h"

// A pool image: width x height pixels of three bytes, rows without gaps, 32-byte aligned.
class XKDWorkImage : public XKDImage
{
public:
    XKDWorkImage(int width, int height, int channels, ColorFormat_t::colorFormat_t format);
    ~XKDWorkImage() override;

    void assign(const XKDImage& other) override;
    void resize(int width, int height, int channels) override;
    int height() const override { return m_height; }
    int width() const override { return m_width; }
    int step() const { return m_step; }

    // Every pixel gets the grey value in all three channels; rows of the plane are width apart.
    void setGrey(const std::uint8_t* grey);
    void swapRedBlue();

private:
    int m_width = 0;
    int m_height = 0;
    int m_step = 0;
};

XKDImage* createWorkImage(int width, int height, int channels, ColorFormat_t::colorFormat_t format);
// An RGB image of the size class (0, 1 or 2).
XKDImage* createPoolImage(unsigned sizeIndex);
