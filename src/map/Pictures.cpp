#include "map/Pictures.h"

#include "map/Palette.h"
#include "map/Point.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace dered {

namespace {

class Canvas {
  public:
    Canvas(int width, int height) {
        picture_.width = width;
        picture_.height = height;
        picture_.pixels.assign(static_cast<size_t>(width) * height, kBlack);
    }
    void Set(int x, int y, int32_t colour) {
        if (x >= 0 && x < picture_.width && y >= 0 && y < picture_.height) {
            picture_.pixels[static_cast<size_t>(y) * picture_.width + x] = colour;
        }
    }
    void Fill(int x1, int y1, int x2, int y2, int32_t colour) {
        for (int y = y1; y <= y2; ++y) {
            for (int x = x1; x <= x2; ++x) {
                Set(x, y, colour);
            }
        }
    }
    void Frame(int x1, int y1, int x2, int y2, int32_t colour) {
        for (int x = x1; x <= x2; ++x) {
            Set(x, y1, colour);
            Set(x, y2, colour);
        }
        for (int y = y1; y <= y2; ++y) {
            Set(x1, y, colour);
            Set(x2, y, colour);
        }
    }
    void Line(int x0, int y0, int x1, int y1, int32_t colour) {
        ForEachLinePixel({x0, y0}, {x1, y1}, [&](int x, int y) { Set(x, y, colour); });
        Set(x1, y1, colour);
    }
    // Rows of text, '#' set, anything else left, from (x, y).
    void Pattern(int x, int y, std::initializer_list<std::string_view> rows, int32_t colour) {
        for (const std::string_view row : rows) {
            for (size_t i = 0; i < row.size(); ++i) {
                if (row[i] == '#') {
                    Set(x + static_cast<int>(i), y, colour);
                }
            }
            ++y;
        }
    }
    Picture Take() { return std::move(picture_); }

  private:
    Picture picture_;
};

// Digits 5 pixels wide on rows 4..12.
Picture Digit(int n) {
    static constexpr std::string_view kGlyphs[10][9] = {
        {".###.", "#...#", "#..##", "#.#.#", "#.#.#", "##..#", "#...#", "#...#", ".###."},
        {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"},
        {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#....", "#....", "#####"},
        {".###.", "#...#", "....#", "....#", "..##.", "....#", "....#", "#...#", ".###."},
        {"...#.", "..##.", ".#.#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#."},
        {"#####", "#....", "#....", "####.", "....#", "....#", "....#", "#...#", ".###."},
        {".###.", "#...#", "#....", "#....", "####.", "#...#", "#...#", "#...#", ".###."},
        {"#####", "....#", "...#.", "...#.", "..#..", "..#..", ".#...", ".#...", ".#..."},
        {".###.", "#...#", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."},
        {".###.", "#...#", "#...#", "#...#", ".####", "....#", "....#", "#...#", ".###."},
    };
    Canvas canvas(8, 16);
    const auto& g = kGlyphs[n];
    canvas.Pattern(1, 4, {g[0], g[1], g[2], g[3], g[4], g[5], g[6], g[7], g[8]}, kWhite);
    return canvas.Take();
}

// A box with a cross from corner to corner: the sign of foot soldiers.
Picture Troops(bool large, bool colour) {
    Canvas canvas(32, 16);
    const int x1 = large ? 5 : 9;
    const int x2 = large ? 26 : 22;
    const int y1 = large ? 2 : 4;
    const int y2 = large ? 13 : 11;
    if (colour) {
        canvas.Fill(x1, y1, x2, y2, kOlive);
    }
    canvas.Frame(x1, y1, x2, y2, kWhite);
    canvas.Line(x1, y1, x2, y2, colour ? kBlack : kWhite);
    canvas.Line(x1, y2, x2, y1, colour ? kBlack : kWhite);
    if (colour) {
        canvas.Frame(x1, y1, x2, y2, kYellow);
    }
    return canvas.Take();
}

// A ship seen from the side: hull, deckhouse, funnel and mast.
Picture Ship(bool large, bool colour) {
    Canvas canvas(32, 16);
    const int left = large ? 2 : 8;
    const int right = large ? 29 : 23;
    for (int row = 0; row < 4; ++row) {
        canvas.Fill(left + row, 10 + row, right - row, 10 + row, colour ? kGrey : kWhite);
    }
    const int house = large ? 9 : 12;
    canvas.Fill(house, 7, house + (large ? 11 : 6), 9, colour ? kSilver : kWhite);
    canvas.Fill(house + 3, 4, house + 4, 6, colour ? kRed : kWhite);
    const int mast = large ? 23 : 20;
    canvas.Line(mast, large ? 2 : 4, mast, 9, colour ? kYellow : kWhite);
    if (colour) {
        canvas.Fill(left + 1, 10, right - 1, 10, kNavy);
        canvas.Fill(left + 3, 13, right - 3, 13, kMaroon);
    }
    return canvas.Take();
}

void SupplyBox(Canvas& canvas, int x, int y, int size) {
    canvas.Frame(x, y, x + size - 1, y + size - 1, kWhite);
    const int mid = size / 2;
    canvas.Line(x + mid, y + 2, x + mid, y + size - 3, kWhite);
    canvas.Line(x + 2, y + mid, x + size - 3, y + mid, kWhite);
}

Picture SupplyWide(int index) {
    Canvas canvas(32, 16);
    if (index == 0) {
        SupplyBox(canvas, 10, 2, 12);
    } else if (index == 1) {
        SupplyBox(canvas, 3, 2, 12);
        SupplyBox(canvas, 17, 2, 12);
    } else {
        // A walled town with a tower at each end and a gate.
        canvas.Frame(4, 6, 27, 13, kWhite);
        for (int x = 10; x <= 21; x += 3) {
            canvas.Fill(x, 4, x + 1, 5, kWhite);
        }
        canvas.Fill(3, 2, 8, 13, kWhite);
        canvas.Fill(23, 2, 28, 13, kWhite);
        canvas.Fill(14, 10, 17, 13, kWhite);
        canvas.Set(4, 1, kWhite);
        canvas.Set(7, 1, kWhite);
        canvas.Set(24, 1, kWhite);
        canvas.Set(27, 1, kWhite);
    }
    return canvas.Take();
}

Picture SupplyNarrow(int index) {
    Canvas canvas(8, 16);
    // Too small for a cross: a framed dot.
    const auto box = [&canvas](int y) {
        canvas.Frame(1, y, 6, y + 5, kWhite);
        canvas.Fill(3, y + 2, 4, y + 3, kWhite);
    };
    if (index == 0) {
        box(5);
    } else if (index == 1) {
        box(1);
        box(9);
    } else {
        canvas.Pattern(1, 1, {"#.#.#.", "######", ".####.", ".####."}, kWhite);
        canvas.Fill(2, 5, 5, 14, kWhite);
        canvas.Fill(3, 11, 4, 14, kBlack);
    }
    return canvas.Take();
}

} // namespace

MapPictures MakeMapPictures() {
    MapPictures pictures;
    for (int colour = 0; colour < 2; ++colour) {
        const bool inColour = colour == 1;
        pictures.picUnit[4 * colour + 0] = Troops(true, inColour);
        pictures.picUnit[4 * colour + 1] = Troops(false, inColour);
        pictures.picUnit[4 * colour + 2] = Ship(true, inColour);
        pictures.picUnit[4 * colour + 3] = Ship(false, inColour);
    }
    for (int n = 0; n < 10; ++n) {
        pictures.picDigit[n] = Digit(n);
    }
    for (int i = 0; i < 3; ++i) {
        pictures.picSupplyWide[i] = SupplyWide(i);
        pictures.picSupplyNarrow[i] = SupplyNarrow(i);
    }
    return pictures;
}

const MapPictures& TheMapPictures() {
    static const MapPictures pictures = MakeMapPictures();
    return pictures;
}

} // namespace dered
