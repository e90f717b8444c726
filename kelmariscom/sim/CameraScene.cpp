#include "CameraScene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct SceneObject
{
    double x, y; // mm
    double radius;
    unsigned char r, g, b;
};

const SceneObject objects[] = {
    {1500, 0, 150, 220, 30, 30},   {0, 1500, 200, 30, 180, 40},     {-1500, 0, 120, 40, 70, 220},
    {0, -1500, 180, 240, 210, 20}, {1100, 1100, 100, 230, 120, 20}, {-1000, -1100, 140, 150, 40, 200},
};

constexpr double pi = 3.14159265358979323846;
constexpr double halfFieldOfView = 30.0;

void fillBackground(std::vector<unsigned char>& rgb, int width, int height)
{
    for (int row = 0; row < height; ++row) {
        const bool wall = row < height / 2;
        const int shade = wall ? 200 - row * 60 / height : 90 + (row - height / 2) * 80 / height;
        for (int col = 0; col < width; ++col) {
            unsigned char* p = &rgb[(static_cast<std::size_t>(row) * width + col) * 3];
            p[0] = static_cast<unsigned char>(shade);
            p[1] = static_cast<unsigned char>(wall ? shade : shade - 10);
            p[2] = static_cast<unsigned char>(wall ? shade + 20 : shade - 30);
        }
    }
}

void fillDisc(std::vector<unsigned char>& rgb, int width, int height, int cx, int cy, int radius, const SceneObject& o)
{
    for (int row = std::max(0, cy - radius); row < std::min(height, cy + radius + 1); ++row) {
        for (int col = std::max(0, cx - radius); col < std::min(width, cx + radius + 1); ++col) {
            const int dx = col - cx;
            const int dy = row - cy;
            if (dx * dx + dy * dy > radius * radius)
                continue;
            unsigned char* p = &rgb[(static_cast<std::size_t>(row) * width + col) * 3];
            p[0] = o.r;
            p[1] = o.g;
            p[2] = o.b;
        }
    }
}

// Clock marks on the floor so that every frame differs even while the robot stands.
void drawTicker(std::vector<unsigned char>& rgb, int width, int height, std::uint32_t frame)
{
    const int cells = 25;
    const int cell = width / cells;
    const int lit = static_cast<int>(frame % cells);
    for (int row = height - cell / 2; row < height; ++row) {
        for (int col = lit * cell; col < (lit + 1) * cell && col < width; ++col) {
            unsigned char* p = &rgb[(static_cast<std::size_t>(row) * width + col) * 3];
            p[0] = p[1] = p[2] = 250;
        }
    }
}

} // namespace

std::vector<unsigned char> CameraScene::render(int width, int height, double x, double y, double phi,
                                               std::uint32_t frame)
{
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    fillBackground(rgb, width, height);
    std::vector<std::pair<double, const SceneObject*>> visible;
    for (const SceneObject& o : objects)
        visible.emplace_back(std::hypot(o.x - x, o.y - y), &o);
    // Far objects first, so near ones cover them.
    std::sort(visible.begin(), visible.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [distance, o] : visible) {
        if (distance < 1.0)
            continue;
        double bearing = std::atan2(o->y - y, o->x - x) * 180.0 / pi - phi;
        bearing = std::remainder(bearing, 360.0);
        if (!std::isfinite(bearing) || std::fabs(bearing) > halfFieldOfView + 10.0)
            continue;
        const int cx = static_cast<int>(width / 2 - bearing / halfFieldOfView * width / 2);
        const int radius = std::clamp(static_cast<int>(o->radius * width / distance), 2, width);
        fillDisc(rgb, width, height, cx, height / 2 + radius / 2, radius, *o);
    }
    drawTicker(rgb, width, height, frame);
    return rgb;
}

std::vector<unsigned char> CameraScene::encodeJpeg(const std::vector<unsigned char>& rgb, int width, int height,
                                                   int quality)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(&rgb[static_cast<std::size_t>(info.next_scanline) * width * 3]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<unsigned char> jpeg(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return jpeg;
}
