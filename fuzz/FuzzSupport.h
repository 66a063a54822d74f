#pragma once

// What the fuzz targets share: a platform that shows nothing, a scratch folder of the process's
// own, and the checks a file must pass whatever it holds.
#include "map/RecordingSurface.h"
#include "state/GameState.h"
#include "state/HexMap.h"
#include "state/SettingsRecord.h"
#include "ui/Platform.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace dered::fuzz {

class QuietPlatform : public Platform {
  public:
    void MsgBox(std::string_view, MsgIcon) override { ++messages; }
    void SetPointer(Pointer) override {}
    OpenFileResult ShowOpenDialog(const OpenFileRequest&) override { return {}; }
    int32_t ChooseColour(int32_t start) override { return start; }
    void DoEvents() override {}
    TextExtent MeasureText(std::string_view text, FontKind) override {
        return {static_cast<int>(text.size()) * 7, 16};
    }
    int VerticalScrollBarWidth() override { return 16; }
    TextExtent ScreenSize() override { return {1600, 1000}; }
    std::unique_ptr<DrawingSurface> CreateSurface(int width, int height) override {
        auto surface = std::make_unique<RecordingSurface>(width, height);
        surface->recording = false;
        return surface;
    }
    void FormShown(Form&, bool) override {}
    void FormHidden(Form&) override {}
    void FormUnloaded(Form&) override {}
    void EndProgram() override {}

    int messages = 0;
};

// A folder of this process's own (with its trailing "/"), made on first use and kept.
const std::string& ScratchFolder();
// The demo turn of player 3 as the program holds it after "Open", with the map files read.
const GameState& DemoGame();

// Stops the run with a message when a check fails: the fuzzer keeps the input.
void Require(bool holds, std::string_view what);

// Every number the program indexes with or shows as a code is in its domain.
void CheckGame(const GameState& game);
void CheckHexMap(const HexMap& hexMap);
void CheckSettings(const SettingsRecord& settings);

} // namespace dered::fuzz
