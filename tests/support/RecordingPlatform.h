#pragma once

#include "map/RecordingSurface.h"
#include "ui/Form.h"
#include "ui/Notice.h"
#include "ui/Platform.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace dered::test {

// A message box as shown: the same as a message the program's code gives back.
using Message = Notice;
using Messages = Notices;

// A refusal as the rules show it: the critical-stop icon.
inline Message Stop(const std::string& text) {
    return {text, MsgIcon::Critical};
}

// A platform without a screen that remembers what the program showed.
class RecordingPlatform : public Platform {
  public:
    void MsgBox(std::string_view text, MsgIcon icon) override {
        messages.push_back({std::string(text), icon});
        if (messagesAsEvents) {
            events.push_back("message " + std::string(text));
        }
    }
    Answer Ask(const Question& question) override {
        questions.push_back({std::string(question.topic), std::string(question.text)});
        if (answers.empty()) {
            return question.unanswered;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void SetPointer(Pointer p) override { pointers.push_back(p); }
    OpenFileResult ShowOpenDialog(const OpenFileRequest& request) override {
        dialogRequests.push_back(request);
        if (dialogAnswers.empty()) {
            return {};
        }
        OpenFileResult r = dialogAnswers.front();
        dialogAnswers.pop_front();
        return r;
    }
    int32_t ChooseColour(int32_t start) override {
        if (colourAnswers.empty()) {
            return start;
        }
        const int32_t c = colourAnswers.front();
        colourAnswers.pop_front();
        return c;
    }
    void DoEvents() override { ++doEventsCalls; }
    // A fixed-pitch measure: 7 pixels a character, 16 high.
    TextExtent MeasureText(std::string_view text, FontKind) override {
        return {static_cast<int>(text.size()) * 7, 16};
    }
    int VerticalScrollBarWidth() override { return 16; }
    TextExtent ScreenSize() override { return {1600, 1000}; }
    std::unique_ptr<DrawingSurface> CreateSurface(int width, int height) override {
        auto surface = std::make_unique<RecordingSurface>(width, height);
        surfaces.push_back(surface.get());
        return surface;
    }
    void FormShown(Form& form, bool modal) override {
        events.push_back((modal ? "show modal " : "show ") + form.Name());
    }
    void FormHidden(Form& form) override { events.push_back("hide " + form.Name()); }
    void FormUnloaded(Form& form) override { events.push_back("unload " + form.Name()); }
    void EndProgram() override { ended = true; }
    void After(int, std::function<void()> task) override { later.push_back(std::move(task)); }

    // Answers the next open dialog with a path, split as the dialog would split it.
    void AnswerOpen(const std::string& fullPath) {
        const auto slash = fullPath.find_last_of('/');
        dialogAnswers.push_back(
            {fullPath, slash == std::string::npos ? fullPath : fullPath.substr(slash + 1)});
    }

    std::vector<Message> messages;
    std::vector<Pointer> pointers;
    std::vector<OpenFileRequest> dialogRequests;
    std::deque<OpenFileResult> dialogAnswers;
    std::deque<int32_t> colourAnswers;
    std::vector<std::function<void()>> later; // timers, run by the test
    std::deque<Answer> answers;
    std::vector<std::pair<std::string, std::string>> questions; // (topic, text)
    std::vector<std::string> events;
    bool messagesAsEvents = false;           // message boxes in events too, to see what came first
    std::vector<RecordingSurface*> surfaces; // owned by whoever asked for them
    int doEventsCalls = 0;
    bool ended = false;
};

} // namespace dered::test
