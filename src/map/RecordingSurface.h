#pragma once

#include "map/DrawingSurface.h"

#include <string>
#include <vector>

namespace dered {

// A surface that keeps a list of what was drawn on it: used by the batch driver, which
// shows nothing, and by tests that check what the renderer drew and in which order.
class RecordingSurface : public DrawingSurface {
  public:
    struct Operation {
        enum class Kind { Clear, Polygon, Polyline, Rect, Picture, Copy, Clip, Text };
        Kind kind;
        std::vector<Point32> points; // polygon and polyline points; rect corners; picture/copy at
        int width = 0;               // line width; picture part width
        int32_t colour = 0;
        int srcX = 0;
        bool exclusiveOr = false;
        const void* source = nullptr; // picture or surface copied
        std::string text{};
        bool operator==(const Operation&) const = default;
    };

    RecordingSurface(int width = 0, int height = 0) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Resize(int width, int height) override {
        width_ = width;
        height_ = height;
    }
    void Clear(int32_t colour) override { Add({Operation::Kind::Clear, {}, 0, colour}); }
    void FillPolygon(std::span<const Point32> points, int32_t colour) override {
        Add({Operation::Kind::Polygon, {points.begin(), points.end()}, 1, colour});
    }
    void Polyline(std::span<const Point32> points, int width, int32_t colour) override {
        Add({Operation::Kind::Polyline, {points.begin(), points.end()}, width, colour});
    }
    void FillRect(int x1, int y1, int x2, int y2, int32_t colour) override {
        Add({Operation::Kind::Rect, {{x1, y1}, {x2, y2}}, 1, colour});
    }
    void DrawPicture(const Picture& picture, int srcX, int width, int x, int y,
                     bool exclusiveOr) override {
        Add({Operation::Kind::Picture, {{x, y}}, width, 0, srcX, exclusiveOr, &picture});
    }
    void CopyFrom(const DrawingSurface& source, int x, int y) override {
        Add({Operation::Kind::Copy, {{x, y}}, 0, 0, 0, false, &source});
    }
    void DrawText(int x, int y, std::string_view text, int32_t colour) override {
        Add({Operation::Kind::Text, {{x, y}}, 0, colour, 0, false, nullptr, std::string(text)});
    }
    // The clip's corners, or no points when it ends.
    bool ClipTo(std::optional<PixelRect> clip) override {
        Operation op{Operation::Kind::Clip, {}};
        if (clip) {
            op.points = {{clip->left, clip->top}, {clip->right, clip->bottom}};
        }
        Add(std::move(op));
        return true;
    }

    // Recording can be switched off where nobody looks (the batch driver).
    bool recording = true;
    std::vector<Operation> operations;

  private:
    void Add(Operation op) {
        if (recording) {
            operations.push_back(std::move(op));
        }
    }
    int width_;
    int height_;
};

} // namespace dered
