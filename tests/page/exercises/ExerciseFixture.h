#pragma once
// A page control of the learner's size for exercise pages: counts OnSolved,
// keeps what it offered and answers DoReact with `react` (false: no
// reaction animation).
#include "tests/page/control/ControlFixture.h"

namespace vyr::test {

class ExerciseFixture : public ControlFixture {
 protected:
  void SetUp() override {
    ControlFixture::SetUp();
    page.resize(800, 572);
    page.OnSolved = [this](TXPage*, bool& doReact) {
      ++solved;
      reactOffered = doReact;
      doReact = react;
    };
  }
  int solved = 0;
  bool reactOffered = true;
  bool react = false;
};

}  // namespace vyr::test
