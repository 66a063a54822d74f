// The driver's words for the map dialogs: what the colour chooser returns, the hex editor
// opened from the map, and the colour a map-colour swatch shows.
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/ScriptRunner.h"
#include "batch/Words.h"
#include "files/Settings.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace dered::words {

namespace {

// "&H" and one to eight hexadecimal digits closed by "&", as the settings file writes colours.
int32_t ParseColour(const std::string& text) {
    const bool framed = text.size() >= 4 && text[0] == '&' &&
                        std::toupper(static_cast<unsigned char>(text[1])) == 'H' &&
                        text.back() == '&';
    const std::string digits = framed ? text.substr(2, text.size() - 3) : std::string();
    if (digits.empty() || digits.size() > 8 ||
        digits.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) {
        throw ScriptError("a colour is written &H<hexadecimal digits>&, not " + text);
    }
    return static_cast<int32_t>(static_cast<uint32_t>(std::stoul(digits, nullptr, 16)));
}

const SwatchModel* FindSwatch(const frmMapOptions& options, const ButtonModel* button) {
    std::vector<const SwatchModel*> swatches{&options.picWater, &options.picBorders};
    for (const SwatchModel& swatch : options.picArrow) {
        swatches.push_back(&swatch);
    }
    for (const SwatchModel& swatch : options.picColour) {
        swatches.push_back(&swatch);
    }
    for (const SwatchModel* swatch : swatches) {
        if (swatch == button) {
            return swatch;
        }
    }
    return nullptr;
}

} // namespace

void AnswerColour(Script& s, ScriptArgs& a) {
    const std::string colour = a.LastWord("colour or cancel");
    s.platform.QueueColourAnswer(colour == "cancel" ? std::nullopt
                                                    : std::optional<int32_t>(ParseColour(colour)));
}

// The right button pressed with Shift, Ctrl and Alt at a view point, the pointer moved there
// first as it would be.
void MapEditCell(Script& s, ScriptArgs& a) {
    const auto x = static_cast<float>(a.Number("x"));
    const auto y = static_cast<float>(a.LastNumber("y"));
    frmMap& map = OpenMap(s.program);
    map.picView_MouseMove(0, 0, x, y);
    map.picView_MouseDown(kRightButton, kEditCellShift, x, y);
}

// "print swatch frmMapOptions.<swatch>": the colour the swatch shows.
void PrintSwatch(Script& s, ScriptArgs& a) {
    const std::string name = a.LastWord("frmMapOptions.swatch");
    const frmMapOptions& options = s.program.mapOptions;
    const std::string prefix = options.Name() + ".";
    if (!name.starts_with(prefix)) {
        throw ScriptError("swatches are controls of " + options.Name());
    }
    const auto control = options.FindControl(name.substr(prefix.size()));
    ButtonModel* const* button = control ? std::get_if<ButtonModel*>(&*control) : nullptr;
    const SwatchModel* swatch = button ? FindSwatch(options, *button) : nullptr;
    if (swatch == nullptr) {
        throw ScriptError("no swatch " + name);
    }
    s.out << ColourText(swatch->Colour()) << '\n';
}

} // namespace dered::words
