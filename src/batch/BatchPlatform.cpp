#include "batch/BatchPlatform.h"

namespace dered {

namespace {
const char* IconName(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return "critical";
    case MsgIcon::Information:
        return "information";
    case MsgIcon::Exclamation:
        return "exclamation";
    case MsgIcon::None:
        break;
    }
    return "none";
}
} // namespace

void BatchPlatform::MsgBox(std::string_view text, MsgIcon icon) {
    out_ << "MSG " << IconName(icon) << ": " << text << '\n';
}

std::string_view AnswerWord(Answer answer) {
    switch (answer) {
    case Answer::Yes:
        return "yes";
    case Answer::No:
        return "no";
    case Answer::Save:
        return "save";
    case Answer::Discard:
        return "discard";
    case Answer::Cancel:
        break;
    }
    return "cancel";
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
