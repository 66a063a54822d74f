#include "map/PixelRaster.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace dered {

void PixelRaster::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<size_t>(width_) * height_, 0xFFFFFF);
    uniform_ = 0xFFFFFF;
}

void PixelRaster::Fill(int32_t colour) {
    if (uniform_ != colour) {
        std::fill(pixels_.begin(), pixels_.end(), colour);
        uniform_ = colour;
    }
}

int32_t PixelRaster::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0xFFFFFF;
    }
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void PixelRaster::Set(int x, int y, int32_t colour) {
    uniform_.reset();
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
        pixels_[static_cast<size_t>(y) * width_ + x] = colour;
    }
}

void PixelRaster::FillRect(int x1, int y1, int x2, int y2, int32_t colour) {
    const int left = std::clamp(std::min(x1, x2), 0, width_);
    const int right = std::clamp(std::max(x1, x2), 0, width_);
    const int top = std::clamp(std::min(y1, y2), 0, height_);
    const int bottom = std::clamp(std::max(y1, y2), 0, height_);
    uniform_.reset();
    for (int y = top; y < bottom; ++y) {
        auto row = pixels_.begin() + static_cast<ptrdiff_t>(y) * width_;
        std::fill(row + left, row + right, colour);
    }
}

void PixelRaster::FillCentres(std::span<const Vertex> vertices, int32_t colour) {
    if (vertices.size() < 3) {
        return;
    }
    uniform_.reset();
    double top = vertices[0].y;
    double bottom = top;
    for (const Vertex& v : vertices) {
        top = std::min(top, v.y);
        bottom = std::max(bottom, v.y);
    }
    const int firstRow = std::max(0, static_cast<int>(std::ceil(top - 0.5)));
    const int lastRow = std::min(height_ - 1, static_cast<int>(std::floor(bottom - 0.5)));
    for (int y = firstRow; y <= lastRow; ++y) {
        const double cy = y + 0.5;
        crossings_.clear();
        for (size_t i = 0; i < vertices.size(); ++i) {
            const Vertex& a = vertices[i];
            const Vertex& b = vertices[(i + 1) % vertices.size()];
            if ((a.y <= cy) != (b.y <= cy)) {
                crossings_.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(crossings_.begin(), crossings_.end());
        for (size_t i = 0; i + 1 < crossings_.size(); i += 2) {
            const int left = std::max(0, static_cast<int>(std::ceil(crossings_[i] - 0.5)));
            const int right =
                std::min(width_ - 1, static_cast<int>(std::ceil(crossings_[i + 1] - 0.5)) - 1);
            if (left <= right) {
                const auto row = pixels_.begin() + static_cast<ptrdiff_t>(y) * width_;
                std::fill(row + left, row + right + 1, colour);
            }
        }
    }
}

void PixelRaster::FillPolygon(std::span<const Point32> points, int32_t colour) {
    std::vector<Vertex> vertices;
    vertices.reserve(points.size());
    for (const Point32& p : points) {
        vertices.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    }
    FillCentres(vertices, colour);
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        ThinLine(points[i], points[i + 1], colour);
        Set(points[i + 1].x, points[i + 1].y, colour);
    }
}

void PixelRaster::ThinLine(Point32 from, Point32 to, int32_t colour) {
    ForEachLinePixel(from, to, [&](int x, int y) { Set(x, y, colour); });
}

void PixelRaster::WideLine(Point32 from, Point32 to, int width, int32_t colour) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    const double half = width / 2.0;
    const double ux = length > 0 ? dx / length * half : half;
    const double uy = length > 0 ? dy / length * half : 0.0;
    const double ax = from.x - ux;
    const double ay = from.y - uy;
    const double bx = to.x + ux;
    const double by = to.y + uy;
    const std::array<Vertex, 4> quad{
        {{ax - uy, ay + ux}, {bx - uy, by + ux}, {bx + uy, by - ux}, {ax + uy, ay - ux}}};
    FillCentres(quad, colour);
}

} // namespace dered
