#pragma once

#include <string>

#include "exercises/checker.h"

namespace talvera::exercises {

// The session's score. Each task counts once, when it ends:
// - right, when the pupil gets it right at the first or second try;
// - wrong, when it is got right only after two wrong tries (by then the resolution is on offer,
//   so the right answer may be read off it), or when the pupil moves on after any answer that
//   was not right, "right, not in lowest terms" included;
// - skipped, when the pupil moves on before giving any answer that counts.
// Refused boxes (Outcome::Invalid) count for nothing.
class Score {
  public:
    // "Novo exercício": ends the current task, if any, and starts the next.
    void newTask();
    // The verdict of an answer to the current task; nothing once the task is done.
    void record(const Verdict& verdict);

    int right() const { return right_; }
    int wrong() const { return wrong_; }
    int skipped() const { return skipped_; }
    // Whether the current task has been counted, so that it takes no more answers.
    bool taskDone() const { return done_; }
    // "Ver a resolução" is offered after two wrong tries on the same task.
    bool resolutionAvailable() const { return wrongTries_ >= 2; }

    // "Certos: 7  Errados: 2  Saltados: 1"
    std::string text() const;

  private:
    int right_ = 0;
    int wrong_ = 0;
    int skipped_ = 0;
    bool started_ = false;  // whether there is a current task
    bool done_ = false;
    bool answered_ = false;  // any answer that counts, right or not
    int wrongTries_ = 0;
};

}  // namespace talvera::exercises
