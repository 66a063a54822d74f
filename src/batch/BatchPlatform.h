#pragma once

#include "map/RecordingSurface.h"
#include "ui/Form.h"
#include "ui/Platform.h"

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>

namespace dered {

// The words that name a question's answers in a script and in its output.
std::string_view AnswerWord(Answer answer);
std::optional<Answer> AnswerNamed(std::string_view word);

// The platform of the batch driver: message boxes go to standard output, dialogs return
// what the script said they return, text is measured as a fixed-pitch font would be.
class BatchPlatform : public Platform {
  public:
    explicit BatchPlatform(std::ostream& out) : out_(out) {}

    void MsgBox(std::string_view text, MsgIcon icon) override;
    // Printed as "MSG question: <text> [<choices>] <answer>"; answered from QueueAnswer.
    Answer Ask(const Question& question) override;
    // The answer to the next question of topic ("unsaved", "recover").
    void QueueAnswer(const std::string& topic, Answer answer) { answers_[topic] = answer; }
    void SetPointer(Pointer pointer) override { pointer_ = pointer; }
    OpenFileResult ShowOpenDialog(const OpenFileRequest& request) override;
    int32_t ChooseColour(int32_t startColour) override;
    void DoEvents() override {}
    TextExtent MeasureText(std::string_view text, FontKind font) override;
    int VerticalScrollBarWidth() override { return 16; }
    TextExtent ScreenSize() override { return {1600, 1000}; }
    std::unique_ptr<DrawingSurface> CreateSurface(int width, int height) override {
        auto surface = std::make_unique<RecordingSurface>(width, height);
        surface->recording = false;
        return surface;
    }
    void FormShown(Form& form, bool modal) override {
        if (onFormShown) {
            onFormShown(form, modal);
        }
    }
    void FormHidden(Form&) override {}
    void FormUnloaded(Form&) override {}
    void EndProgram() override { ended_ = true; }

    // The path the next file dialog returns; none means the user cancels it.
    void SetDialogAnswer(std::optional<std::string> path) { dialogAnswer_ = std::move(path); }
    const std::optional<std::string>& DialogAnswer() const { return dialogAnswer_; }
    void QueueColourAnswer(std::optional<int32_t> colour) { colourAnswer_ = colour; }
    // Lets script commands act when a window opens (an answer queued for a dialog).
    std::function<void(Form&, bool)> onFormShown;

    bool Ended() const { return ended_; }
    Pointer CurrentPointer() const { return pointer_; }

  private:
    std::ostream& out_;
    Pointer pointer_ = Pointer::Default;
    std::optional<std::string> dialogAnswer_;
    std::optional<int32_t> colourAnswer_;
    std::map<std::string, Answer, std::less<>> answers_;
    bool ended_ = false;
};

} // namespace dered
