#include "map/SvgSurface.h"
#include "map/MapExport.h"
#include "support/DemoTurn.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace dered {
namespace {

constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kCyan = 0xFFFF00;

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

// Every element closed in order, every attribute quoted: enough of XML for a picture.
bool WellFormed(const std::string& text, std::string& problem) {
    std::vector<std::string> open;
    const std::regex tag(
        R"(<(/?)([A-Za-z]+)((?:\s+[A-Za-z:-]+="[^"<&]*")*)\s*(/?)>|<\?xml[^>]*\?>)");
    size_t at = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), tag);
         it != std::sregex_iterator(); ++it) {
        const std::string between = text.substr(at, static_cast<size_t>(it->position()) - at);
        if (between.find('<') != std::string::npos) {
            problem = "stray < near " + std::to_string(at);
            return false;
        }
        at = static_cast<size_t>(it->position() + it->length());
        if ((*it)[2].length() == 0) {
            continue; // the declaration
        }
        if ((*it)[1] == "/") {
            if (open.empty() || open.back() != (*it)[2]) {
                problem = "unbalanced </" + (*it)[2].str() + ">";
                return false;
            }
            open.pop_back();
        } else if ((*it)[4] != "/") {
            open.push_back((*it)[2]);
        }
    }
    problem = open.empty() ? "" : "unclosed <" + open.back() + ">";
    return open.empty() && text.find('<', at) == std::string::npos;
}

// One white pixel between two black ones, then a red one, a row of three.
Picture Strip() {
    return {4, 1, {0x000000, 0xFFFFFF, 0x000000, kRed}};
}

TEST(SvgSurfaceTest, ShapesAsTheScreenSurfaceCoversPixels) {
    struct Case {
        const char* name;
        void (*draw)(SvgSurface&);
        const char* element;
    };
    const Case cases[] = {
        {"polygon half a pixel on, outlined in its colour",
         [](SvgSurface& s) {
             const Point32 p[] = {{1, 2}, {5, 2}, {3, -4}};
             s.FillPolygon(p, kRed);
         },
         R"(<polygon points="1.5,2.5 5.5,2.5 3.5,-3.5" fill="#ff0000" stroke="#ff0000"/>)"},
        {"thin line half a pixel on, flat ends",
         [](SvgSurface& s) {
             const Point32 p[] = {{0, 0}, {4, 0}};
             s.Polyline(p, 1, kCyan);
         },
         R"(<polyline points="0.5,0.5 4.5,0.5" fill="none" stroke="#00ffff" stroke-width="1" stroke-linecap="butt"/>)"},
        {"wide line on its points, square ends",
         [](SvgSurface& s) {
             const Point32 p[] = {{0, 0}, {4, 0}};
             s.Polyline(p, 3, 0);
         },
         R"(<polyline points="0,0 4,0" fill="none" stroke="#000000" stroke-width="3" stroke-linecap="square"/>)"},
        {"rectangle x1..x2-1", [](SvgSurface& s) { s.FillRect(6, 5, 2, 1, kRed); },
         R"(<rect x="2" y="1" width="4" height="4" fill="#ff0000"/>)"},
        {"exclusive-or: white inverts the red under it, black and off-picture pixels drop",
         [](SvgSurface& s) {
             s.FillRect(0, 0, 10, 10, kRed);
             s.DrawPicture(Strip(), 0, 4, 3, 2, true);
         },
         R"(<path d="M6 2h1v1h-1z" fill="#000000"/>
<path d="M4 2h1v1h-1z" fill="#00ffff"/>)"},
        {"plain copy of columns 1 and 2",
         [](SvgSurface& s) { s.DrawPicture(Strip(), 1, 2, 0, 0, false); },
         R"(<path d="M1 0h1v1h-1z" fill="#000000"/>
<path d="M0 0h1v1h-1z" fill="#ffffff"/>)"},
    };
    for (const Case& c : cases) {
        SvgSurface surface(10, 10);
        c.draw(surface);
        const std::string doc = surface.Document("t");
        EXPECT_NE(doc.find(c.element), std::string::npos) << c.name << "\n" << doc;
    }
}

TEST(SvgSurfaceTest, ExclusiveOrSeesWhatWasDrawnBefore) {
    SvgSurface surface(20, 10);
    const Point32 hexagon[] = {{2, 0}, {8, 0}, {10, 5}, {8, 9}, {2, 9}, {0, 5}, {2, 0}};
    surface.FillPolygon(hexagon, kRed);
    const Point32 border[] = {{2, 0}, {8, 0}};
    surface.Polyline(border, 2, 0x808080);
    const Picture white{2, 1, {0xFFFFFF, 0xFFFFFF}};
    surface.DrawPicture(white, 0, 2, 4, 4, true);
    surface.DrawPicture(white, 0, 1, 4, 4, true); // twice inverted: red again
    EXPECT_EQ(surface.ShownColour(4, 4), kRed);
    EXPECT_EQ(surface.ShownColour(5, 4), kRed ^ 0xFFFFFF);
    EXPECT_NE(surface.Document("t").find("M4 4h2v1h-2z"), std::string::npos); // one run
    EXPECT_EQ(surface.ShownColour(5, 0), 0x808080);
    EXPECT_EQ(surface.ShownColour(15, 4), 0xFFFFFF); // outside the hexagon
    EXPECT_EQ(surface.ShownColour(20, 4), 0xFFFFFF); // past the right edge, not the next row
    surface.DrawPicture(white, 0, 2, 12, 2, false);
    EXPECT_EQ(surface.ShownColour(12, 3), 0xFFFFFF); // a copy covers its own rows only
    const Point32 triangle[] = {{11, 6}, {17, 6}, {14, 9}};
    surface.FillPolygon(triangle, kCyan);
    EXPECT_EQ(surface.ShownColour(14, 7), kCyan); // three corners fill as well
}

TEST(SvgSurfaceTest, ACopyIsTheSourcesShapesMovedToItsPlace) {
    SvgSurface source(4, 4);
    const Point32 line[] = {{0, 0}, {3, 0}};
    source.Polyline(line, 2, kRed);
    SvgSurface target(20, 10);
    target.CopyFrom(source, 5, 7);
    const std::string doc = target.Document("copy");
    EXPECT_NE(doc.find("<g transform=\"translate(5 7)\">\n<"), std::string::npos) << doc;
    EXPECT_EQ(target.ShownColour(5, 7), kRed);
    std::string problem;
    EXPECT_TRUE(WellFormed(doc, problem)) << problem;
}

TEST(SvgSurfaceTest, TitleAndTextAreEscaped) {
    SvgSurface surface(3, 3);
    surface.DrawText(1, 2, "x<y", 0x0000FF);
    const std::string doc = surface.Document("A & <B> \"C\"");
    EXPECT_NE(doc.find("<text x=\"1\" y=\"12\" font-family=\"sans-serif\" font-size=\"12px\" "
                       "fill=\"#ff0000\">x&lt;y</text>"),
              std::string::npos);
    EXPECT_NE(doc.find("\">\n<title>A &amp; &lt;B&gt; &quot;C&quot;</title>"), std::string::npos);
    EXPECT_TRUE(doc.ends_with("\">A &amp; &lt;B&gt; &quot;C&quot;</text>\n</svg>\n")) << doc;
    std::string problem;
    EXPECT_TRUE(WellFormed(doc, problem)) << problem;
}

class MapExportTest : public ::testing::Test {
  protected:
    test::DemoTurn demo;
    MapPictures pictures = MakeMapPictures();

    MapSvg Export(int16_t size, bool hex, bool arrows = true) {
        return ExportMapSvg(demo.game, demo.hexMap, demo.settings, pictures, {size, hex, arrows});
    }
};

TEST_F(MapExportTest, TheDemoTurnAsOnePictureOfTheWholeWorld) {
    struct Case {
        int16_t size;
        bool hex;
        int width; // the map picture's, as the map window makes it
        int height;
    };
    // Hexagons: 70 columns 1.5 cells apart, 31.5 rows; squares: 70 x 31.5 cells.
    const Case cases[] = {{26, true, 2730, 1449},
                          {12, true, 1260, 693},
                          {34, false, 2380, 1071},
                          {6, false, 420, 189}};
    for (const Case& c : cases) {
        const MapSvg svg = Export(c.size, c.hex);
        std::string problem;
        ASSERT_TRUE(WellFormed(svg.text, problem)) << c.size << ": " << problem;
        EXPECT_EQ(svg.width, c.width) << c.size;
        EXPECT_EQ(svg.height, c.height + SvgSurface::kTitleHeight) << c.size;
        const std::string size = "width=\"" + std::to_string(svg.width) + "\" height=\"" +
                                 std::to_string(svg.height) + "\"";
        EXPECT_NE(svg.text.find(size), std::string::npos) << c.size;
        // Every cell of 70 x 31, and column 1 once more right of the seam.
        EXPECT_EQ(Count(svg.text, "<polygon "), 70 * 31 + 31) << c.size;
        EXPECT_NE(svg.text.find("QZ001, 1880 turn 1, player 3 (Eskarin Kingdom)"),
                  std::string::npos);
    }
}

TEST_F(MapExportTest, TheOrdersArrowsInTheirColours) {
    AreaRecord& army = demo.game.Areas[118];
    army.Command = "MO";
    army.Parm1 = 134;
    AreaRecord& other = demo.game.Areas[123];
    other.Command = "SD";
    other.Parm1 = 118;
    const auto lines = [](const std::string& text, const std::string& colour, int width) {
        return Count(text, "stroke=\"" + colour + "\" stroke-width=\"" + std::to_string(width));
    };
    const MapSvg with = Export(26, true);
    // Shaft and two barbs, each at both sides of the seam: six lines a pass.
    EXPECT_EQ(lines(with.text, "#00ff00", 1), 6); // move
    EXPECT_EQ(lines(with.text, "#ffff00", 1), 6); // support defence (yellow)
    EXPECT_EQ(lines(with.text, "#000000", 3), 12);
    const MapSvg without = Export(26, true, false);
    EXPECT_EQ(lines(without.text, "#000000", 3), 0);
    EXPECT_EQ(lines(without.text, "#00ff00", 1), 0);
    // An ally's orders go beneath the arrows when chosen.
    AllyOrderSets allies;
    allies.Put({5, "", {{22, "MO", 36, 0}}, {}});
    const MapSvg withAllies =
        ExportMapSvg(demo.game, demo.hexMap, demo.settings, pictures, {26, true, true, &allies});
    const int32_t c = demo.settings.CountryColour[5];
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF,
                  (c >> 16) & 0xFF);
    EXPECT_GT(lines(withAllies.text, colour, 2), 2);
    EXPECT_LT(withAllies.text.find("stroke=\"" + std::string(colour) + "\" stroke-width=\"2"),
              withAllies.text.find("stroke=\"#00ff00\" stroke-width=\"1"));
}

TEST_F(MapExportTest, DigitsComeOutInTheColourTheyShowOnTheirArea) {
    // Area 118 is the own player's (yellow, FFFF): its white digits show blue.
    const MapSvg svg = Export(26, true);
    EXPECT_NE(svg.text.find("fill=\"#0000ff\""), std::string::npos);
}

} // namespace
} // namespace dered
