#include "page/exercises/MultipleChoice.h"

namespace vyr {

std::optional<std::string> ChoiceResult(std::string_view reported) {
  if (!reported.empty() && reported.front() == '+') return std::string("+");
  if (reported.size() >= 2 && reported.substr(0, 2) == "-[") {
    const size_t close = reported.find(']');
    return std::string(close == std::string_view::npos ? reported : reported.substr(0, close + 1));
  }
  return std::nullopt;
}

void TMultipleChoiceExercise::Answered(TMultipleChoice& mc, std::string_view reported) {
  const std::optional<std::string> result = ChoiceResult(reported);
  if (!result) return;  // not an answer of a question
  if (!mc.Reaction.empty()) {
    // The answers go before the owner hears of it: its handler may read a new page.
    mc.Answers.clear();
    host_.RunCommand(mc.Reaction + *result);
    return;
  }
  // A task of the exercise container is built again with the question
  // answered, so that it shows its result. Any other page stays as it is
  // (reading it again would undo the learner's other exercises on it): the
  // reaction tells right from wrong and the question can be tried again.
  if (host_.TaskShown()) {
    mc.Answered = true;
    if (!host_.RebuildTask()) return;
  }
  mc.Answers.clear();
  host_.ShowReaction(result->front() == '+');
}

}  // namespace vyr
