#pragma once

#include "map/RecordingSurface.h"
#include "ui/Platform.h"

#include <memory>

namespace dered::bench {

// A platform without a screen whose surfaces draw nowhere, so that only the program's own
// work is measured.
class SilentPlatform : public Platform {
  public:
    void MsgBox(std::string_view, MsgIcon) override {}
    void SetPointer(Pointer) override {}
    OpenFileResult ShowOpenDialog(const OpenFileRequest&) override { return {}; }
    int32_t ChooseColour(int32_t c) override { return c; }
    void DoEvents() override {}
    TextExtent MeasureText(std::string_view t, FontKind) override {
        return {static_cast<int>(t.size()) * 7, 16};
    }
    int VerticalScrollBarWidth() override { return 16; }
    TextExtent ScreenSize() override { return {1600, 1000}; }
    std::unique_ptr<DrawingSurface> CreateSurface(int w, int h) override {
        auto s = std::make_unique<RecordingSurface>(w, h);
        s->recording = false;
        return s;
    }
    void FormShown(Form&, bool) override {}
    void FormHidden(Form&) override {}
    void FormUnloaded(Form&) override {}
    void EndProgram() override {}
};

} // namespace dered::bench
