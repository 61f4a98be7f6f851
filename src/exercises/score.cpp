#include "exercises/score.h"

#include "exercises/exercise_texts.h"

namespace talvera::exercises {

void Score::newTask() {
    if (started_ && !done_) {
        ++(answered_ ? wrong_ : skipped_);
    }
    started_ = true;
    done_ = false;
    answered_ = false;
    wrongTries_ = 0;
}

void Score::record(const Verdict& verdict) {
    if (!started_ || done_ || verdict.outcome == Outcome::Invalid) {
        return;
    }
    answered_ = true;
    switch (verdict.outcome) {
        case Outcome::Right:
            done_ = true;
            ++(resolutionAvailable() ? wrong_ : right_);
            break;
        case Outcome::Mistake:
        case Outcome::Wrong:
            ++wrongTries_;
            break;
        case Outcome::NotLowestTerms:
        case Outcome::Invalid:
            break;
    }
}

std::string Score::text() const {
    return std::string(texts::rightCount) + std::to_string(right_) + std::string(texts::scoreGap) +
           std::string(texts::wrongCount) + std::to_string(wrong_) + std::string(texts::scoreGap) +
           std::string(texts::skippedCount) + std::to_string(skipped_);
}

}  // namespace talvera::exercises
