#pragma once
// The multiple-choice question of a page: what an answer link ("§mchx" then
// "+" or "-[answer]") does. With a REACTION the owner hears the result; a
// task of an exercise container is built again with the question answered;
// any other page stays as it is and only the reaction animation shows right
// or wrong, so the question can be tried again.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "page/model/ExerciseTables.h"

namespace vyr {

// The result an answer link reports: "+", or "-[answer]" up to the closing
// bracket (what follows is the access key); nothing for any other text.
std::optional<std::string> ChoiceResult(std::string_view reported);

class TMultipleChoiceExercise {
 public:
  // What the question asks of the page control.
  struct THost {
    std::function<void(const std::string& command)> RunCommand;
    std::function<bool()> TaskShown;
    // Reads the container task again; false when the control is gone meanwhile.
    std::function<bool()> RebuildTask;
    std::function<void(bool positive)> ShowReaction;
  };
  explicit TMultipleChoiceExercise(THost host) : host_(std::move(host)) {}

  // An answer link was followed; question is the page's question (kept
  // across pages in the page model).
  void Answered(TMultipleChoice& question, std::string_view reported);

 private:
  THost host_;
};

}  // namespace vyr
