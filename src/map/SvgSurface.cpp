#include "map/SvgSurface.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>

namespace dered {

namespace {

void AppendNumber(std::string& out, int value) {
    out += std::to_string(value);
}

// A one-pixel pen covers the pixel right of and below each point: its centre line runs half a
// pixel further on.
void AppendHalfShifted(std::string& out, int value) {
    if (value < 0) {
        out += '-';
        out += std::to_string(-(int64_t{value} + 1));
    } else {
        out += std::to_string(value);
    }
    out += ".5";
}

void AppendPoints(std::string& out, std::span<const Point32> points, bool halfShifted) {
    bool first = true;
    for (const Point32& p : points) {
        if (!first) {
            out += ' ';
        }
        first = false;
        if (halfShifted) {
            AppendHalfShifted(out, p.x);
            out += ',';
            AppendHalfShifted(out, p.y);
        } else {
            AppendNumber(out, p.x);
            out += ',';
            AppendNumber(out, p.y);
        }
    }
}

} // namespace

std::string SvgColour(int32_t colour) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const auto value = static_cast<uint32_t>(colour);
    const std::array<uint32_t, 3> channels{value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
    std::string text = "#";
    for (const uint32_t c : channels) {
        text += kDigits[c >> 4];
        text += kDigits[c & 0xF];
    }
    return text;
}

std::string XmlEscaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            // Control characters have no place in XML 1.0 text.
            out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return out;
}

SvgSurface::SvgSurface(int width, int height) {
    Resize(width, height);
}

void SvgSurface::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    raster_.Resize(width_, height_);
    body_.clear();
    Clear(0xFFFFFF);
}

void SvgSurface::Clear(int32_t colour) {
    raster_.Fill(colour);
    body_ = "<rect width=\"" + std::to_string(width_) + "\" height=\"" + std::to_string(height_) +
            "\" fill=\"" + SvgColour(colour) + "\"/>\n";
}

void SvgSurface::FillPolygon(std::span<const Point32> points, int32_t colour) {
    if (points.empty()) {
        return;
    }
    raster_.FillPolygon(points, colour);
    const std::string c = SvgColour(colour);
    body_ += "<polygon points=\"";
    AppendPoints(body_, points, true);
    body_ += "\" fill=\"" + c + "\" stroke=\"" + c + "\"/>\n";
}

void SvgSurface::Polyline(std::span<const Point32> points, int width, int32_t colour) {
    if (points.size() < 2) {
        return;
    }
    const bool thin = width <= 1;
    for (size_t i = 1; i < points.size(); ++i) {
        if (thin) {
            raster_.ThinLine(points[i - 1], points[i], colour);
        } else {
            raster_.WideLine(points[i - 1], points[i], width, colour);
        }
    }
    body_ += "<polyline points=\"";
    AppendPoints(body_, points, thin);
    body_ += "\" fill=\"none\" stroke=\"" + SvgColour(colour) + "\" stroke-width=\"" +
             std::to_string(thin ? 1 : width) + "\" stroke-linecap=\"" +
             (thin ? "butt" : "square") + "\"/>\n";
}

void SvgSurface::FillRect(int x1, int y1, int x2, int y2, int32_t colour) {
    raster_.FillRect(x1, y1, x2, y2, colour);
    body_ += "<rect x=\"" + std::to_string(std::min(x1, x2)) + "\" y=\"" +
             std::to_string(std::min(y1, y2)) + "\" width=\"" + std::to_string(std::abs(x2 - x1)) +
             "\" height=\"" + std::to_string(std::abs(y2 - y1)) + "\" fill=\"" + SvgColour(colour) +
             "\"/>\n";
}

// Each run of pixels that comes out in one colour becomes a rectangle of a path in that colour.
void SvgSurface::DrawPicture(const Picture& picture, int srcX, int width, int x, int y,
                             bool exclusiveOr) {
    const int firstCol = std::max(srcX, 0);
    const int lastCol = std::min(srcX + width, picture.width);
    std::map<int32_t, std::string> paths;
    const auto pixel = [&picture](int col, int row) {
        const size_t index = static_cast<size_t>(row) * picture.width + col;
        return index < picture.pixels.size() ? picture.pixels[index] : 0;
    };
    for (int row = 0; row < picture.height; ++row) {
        int col = firstCol;
        while (col < lastCol) {
            const int px = x + col - srcX;
            const int py = y + row;
            // Black copied by exclusive-or leaves the picture as it was.
            if (exclusiveOr && (pixel(col, row) & 0xFFFFFF) == 0) {
                ++col;
                continue;
            }
            const auto shown = [&](int c) {
                const int32_t source = pixel(c, row) & 0xFFFFFF;
                return exclusiveOr ? (raster_.At(x + c - srcX, py) ^ source) & 0xFFFFFF : source;
            };
            const int32_t colour = shown(col);
            int end = col + 1;
            while (end < lastCol && !(exclusiveOr && (pixel(end, row) & 0xFFFFFF) == 0) &&
                   shown(end) == colour) {
                ++end;
            }
            std::string& path = paths[colour];
            path += 'M' + std::to_string(px) + ' ' + std::to_string(py) + 'h' +
                    std::to_string(end - col) + "v1h-" + std::to_string(end - col) + 'z';
            col = end;
        }
    }
    for (int row = 0; row < picture.height; ++row) {
        for (int col = firstCol; col < lastCol; ++col) {
            const int32_t source = pixel(col, row) & 0xFFFFFF;
            const int px = x + col - srcX;
            const int py = y + row;
            if (!exclusiveOr) {
                raster_.Set(px, py, source);
            } else if (source != 0) {
                raster_.Set(px, py, (raster_.At(px, py) ^ source) & 0xFFFFFF);
            }
        }
    }
    for (const auto& [colour, d] : paths) {
        body_ += "<path d=\"" + d + "\" fill=\"" + SvgColour(colour) + "\"/>\n";
    }
}

void SvgSurface::DrawText(int x, int y, std::string_view text, int32_t colour) {
    // The baseline sits at about five sixths of the line's height.
    body_ += "<text x=\"" + std::to_string(x) + "\" y=\"" +
             std::to_string(y + kTextHeight * 5 / 6) +
             "\" font-family=\"sans-serif\" font-size=\"" + std::to_string(kTextHeight) +
             "px\" fill=\"" + SvgColour(colour) + "\">" + XmlEscaped(text) + "</text>\n";
}

void SvgSurface::CopyFrom(const DrawingSurface& source, int x, int y) {
    const auto* other = dynamic_cast<const SvgSurface*>(&source);
    if (other == nullptr || other == this) {
        return;
    }
    body_ += "<g transform=\"translate(" + std::to_string(x) + ' ' + std::to_string(y) + ")\">\n" +
             other->body_ + "</g>\n";
    for (int row = 0; row < other->height_; ++row) {
        for (int col = 0; col < other->width_; ++col) {
            raster_.Set(x + col, y + row, other->raster_.At(col, row));
        }
    }
}

std::string SvgSurface::Document(std::string_view title) const {
    const std::string w = std::to_string(width_);
    const std::string h = std::to_string(height_ + kTitleHeight);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + ' ' + h + "\">\n";
    out.reserve(out.size() + body_.size() + 512);
    out += "<title>" + XmlEscaped(title) + "</title>\n";
    out += "<g transform=\"translate(0 " + std::to_string(kTitleHeight) + ")\">\n";
    out += body_;
    out += "</g>\n";
    // The title line goes on top, over anything drawn above the picture's top edge.
    out += "<rect width=\"" + w + "\" height=\"" + std::to_string(kTitleHeight) +
           "\" fill=\"#ffffff\"/>\n";
    out += "<text x=\"4\" y=\"15\" font-family=\"sans-serif\" font-size=\"13\" fill=\"#000000\">" +
           XmlEscaped(title) + "</text>\n</svg>\n";
    return out;
}

} // namespace dered
