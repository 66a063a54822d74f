#include "batch/BatchPlatform.h"

#include "state/EnumTable.h"

#include <algorithm>
#include <array>

namespace dered {

namespace {
// In the enums' order.
constexpr std::array<std::string_view, 4> kIconNames{"none", "critical", "information",
                                                     "exclamation"};
constexpr std::array<std::string_view, 5> kAnswerWords{"yes", "no", "save", "discard", "cancel"};
} // namespace

std::string_view AnswerWord(Answer answer) {
    return EntryOf(kAnswerWords, answer, std::string_view("cancel"));
}

std::optional<Answer> AnswerNamed(std::string_view word) {
    const auto found = std::ranges::find(kAnswerWords, word);
    if (found == kAnswerWords.end()) {
        return std::nullopt;
    }
    return static_cast<Answer>(found - kAnswerWords.begin());
}

void BatchPlatform::MsgBox(std::string_view text, MsgIcon icon) {
    out_ << "MSG " << EntryOf(kIconNames, icon, std::string_view("none")) << ": " << text << '\n';
}

Answer BatchPlatform::Ask(const Question& question) {
    Answer answer = question.unanswered;
    if (const auto queued = answers_.find(question.topic); queued != answers_.end()) {
        answer = queued->second;
        answers_.erase(queued);
    }
    out_ << "MSG question: " << question.text << " [";
    for (size_t i = 0; i < question.choices.size(); ++i) {
        out_ << (i > 0 ? "/" : "") << AnswerWord(question.choices[i]);
    }
    out_ << "] " << AnswerWord(answer) << '\n';
    return answer;
}

OpenFileResult BatchPlatform::ShowOpenDialog(const OpenFileRequest&) {
    std::optional<std::string> answer = std::move(dialogAnswer_);
    dialogAnswer_.reset();
    if (!answer || answer->empty()) {
        return {};
    }
    const auto slash = answer->find_last_of('/');
    return {*answer, slash == std::string::npos ? *answer : answer->substr(slash + 1)};
}

int32_t BatchPlatform::ChooseColour(int32_t startColour) {
    const std::optional<int32_t> answer = colourAnswer_;
    colourAnswer_.reset();
    return answer.value_or(startColour);
}

TextExtent BatchPlatform::MeasureText(std::string_view text, FontKind) {
    return {static_cast<int>(text.size()) * 7, 16};
}

} // namespace dered
