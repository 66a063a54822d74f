#pragma once

#include "ui/Platform.h"

namespace dered {

// The platform with its message boxes and questions kept back, for reading files that are
// only looked at: what they would say is not the player's business at that moment.
class QuietPlatform : public Platform {
  public:
    explicit QuietPlatform(Platform& inner) : inner_(inner) {}

    void MsgBox(std::string_view, MsgIcon) override {}
    void SetPointer(Pointer pointer) override { inner_.SetPointer(pointer); }
    OpenFileResult ShowOpenDialog(const OpenFileRequest&) override { return {}; }
    int32_t ChooseColour(int32_t startColour) override { return startColour; }
    void DoEvents() override { inner_.DoEvents(); }
    TextExtent MeasureText(std::string_view text, FontKind font) override {
        return inner_.MeasureText(text, font);
    }
    int VerticalScrollBarWidth() override { return inner_.VerticalScrollBarWidth(); }
    TextExtent ScreenSize() override { return inner_.ScreenSize(); }
    std::unique_ptr<DrawingSurface> CreateSurface(int width, int height) override {
        return inner_.CreateSurface(width, height);
    }
    void FormShown(Form& form, bool modal) override { inner_.FormShown(form, modal); }
    void FormHidden(Form& form) override { inner_.FormHidden(form); }
    void FormUnloaded(Form& form) override { inner_.FormUnloaded(form); }
    void EndProgram() override {}

  private:
    Platform& inner_;
};

} // namespace dered
