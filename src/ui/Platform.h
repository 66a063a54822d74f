#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dered {

class Form;
class DrawingSurface;

enum class MsgIcon { None, Critical, Information, Exclamation };
enum class Pointer { Default, Hourglass, Cross };
enum class FontKind { Window, FixedPitch };

struct OpenFileRequest {
    std::string filter;  // "Description|pattern|Description|pattern"
    int filterIndex = 1; // 1-based, as the classic dialog counts
    std::string defaultExt;
    std::string fileName; // initial name, may hold a folder
    std::string initialDir;
    bool mustExist = true;
};

struct OpenFileResult {
    std::string fullPath;
    std::string fileName; // empty when the user cancelled
};

enum class Answer { Yes, No, Save, Discard, Cancel };

// A question with a button for each choice. topic names it for a driver that answers from a
// script ("unsaved", "recover"); unanswered is what closing the box without a choice means.
struct Question {
    std::string_view topic;
    std::string_view text;
    std::vector<Answer> choices;
    Answer unanswered;
};

struct TextExtent {
    int width;
    int height;
};

// What the program needs from the windowing system. The desktop shell implements it with Qt;
// the batch driver and the tests implement it without a screen.
class Platform {
  public:
    virtual ~Platform() = default;

    // A modal message box with one OK button and the application's title.
    virtual void MsgBox(std::string_view text, MsgIcon icon) = 0;
    // A modal question; a platform that cannot ask gives the unanswered choice.
    virtual Answer Ask(const Question& question) { return question.unanswered; }
    virtual void SetPointer(Pointer pointer) = 0;
    virtual OpenFileResult ShowOpenDialog(const OpenFileRequest& request) = 0;
    // Returns the chosen colour, or the start colour when the user cancels.
    virtual int32_t ChooseColour(int32_t startColour) = 0;
    // Lets pending user-interface events run.
    virtual void DoEvents() = 0;
    virtual TextExtent MeasureText(std::string_view text, FontKind font) = 0;
    virtual int VerticalScrollBarWidth() = 0;
    virtual TextExtent ScreenSize() = 0;
    // A picture surface to draw the map on.
    virtual std::unique_ptr<DrawingSurface> CreateSurface(int width, int height) = 0;

    // The form manager reports what happens to windows so that a shell can show them.
    virtual void FormShown(Form& form, bool modal) = 0;
    virtual void FormHidden(Form& form) = 0;
    virtual void FormUnloaded(Form& form) = 0;

    virtual void EndProgram() = 0;

    // Runs the task once, some milliseconds from now, from the event loop. A platform without a
    // clock (the batch driver) never runs it: what it would undo is only a passing highlight.
    virtual void After(int milliseconds, std::function<void()> task) {
        (void)milliseconds;
        (void)task;
    }
};

inline constexpr std::string_view kAppTitle = "Der-ED";

} // namespace dered
