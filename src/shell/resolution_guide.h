#pragma once

#include "exercises/resolver.h"

namespace talvera::shell {

class Program;

// Shows an exercise's resolution on the page that works it, as a pupil would set it up: + - x :
// on the Details page, its terms in the row and one step at a time ticked, so that the pupil
// walks the steps; the other kinds on the Operations page, their terms in the calculator and its
// "=" pressed. The picture, while it is open, follows.
class ResolutionGuide : public exercises::Resolver {
  public:
    explicit ResolutionGuide(Program& program) : program_(program) {}
    void showResolution(const exercises::Task& task) override;

  private:
    Program& program_;
};

}  // namespace talvera::shell
