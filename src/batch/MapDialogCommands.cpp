// The driver's words for the map dialogs: what the colour chooser returns, the hex editor
// opened from the map, and the colour a map-colour swatch shows.
#include "app/Program.h"
#include "batch/BatchPlatform.h"
#include "batch/CommandSets.h"
#include "batch/ScriptRunner.h"
#include "files/Settings.h"

#include <cctype>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace dered {

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

void AnswerColour(BatchPlatform& platform, ScriptArgs& args) {
    const std::string colour = args.Word("colour or cancel");
    args.End();
    platform.QueueColourAnswer(colour == "cancel" ? std::nullopt
                                                  : std::optional<int32_t>(ParseColour(colour)));
}

// The right button pressed with Shift, Ctrl and Alt at a view point, the pointer moved there
// first as it would be.
void EditCell(Program& program, ScriptArgs& args) {
    const auto x = static_cast<float>(args.Number("x"));
    const auto y = static_cast<float>(args.Number("y"));
    args.End();
    frmMap& map = program.map;
    if (!map.IsLoaded()) {
        throw ScriptError("the map window is not open");
    }
    map.picView_MouseMove(0, 0, x, y);
    map.picView_MouseDown(kRightButton, kEditCellShift, x, y);
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

// "print swatch frmMapOptions.<swatch>": the colour the swatch shows.
void PrintSwatch(Program& program, std::ostream& out, ScriptArgs& args) {
    const std::string name = args.Word("frmMapOptions.swatch");
    args.End();
    const std::string prefix = program.mapOptions.Name() + ".";
    if (!name.starts_with(prefix)) {
        throw ScriptError("swatches are controls of " + program.mapOptions.Name());
    }
    const auto control = program.mapOptions.FindControl(name.substr(prefix.size()));
    ButtonModel* const* button = control ? std::get_if<ButtonModel*>(&*control) : nullptr;
    const SwatchModel* swatch = button ? FindSwatch(program.mapOptions, *button) : nullptr;
    if (swatch == nullptr) {
        throw ScriptError("no swatch " + name);
    }
    out << ColourText(swatch->Colour()) << '\n';
}

} // namespace

void AddMapDialogCommands(ScriptRunner& runner) {
    Program& program = runner.program();
    BatchPlatform& platform = runner.platform();
    std::ostream& out = runner.out();
    runner.AddSubcommand("answer", "colour",
                         [&platform](ScriptArgs& a) { AnswerColour(platform, a); });
    runner.AddSubcommand("map", "editcell", [&program](ScriptArgs& a) { EditCell(program, a); });
    runner.AddPrint("swatch", [&program, &out](ScriptArgs& a) { PrintSwatch(program, out, a); });
}

} // namespace dered
