#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "exercises/kind.h"
#include "exercises/seeded_random.h"
#include "exercises/task.h"

namespace talvera::exercises {

// Gives the tasks of a session: the same ones, in the same order, for a seed on every platform.
// A task is not given twice while its kind and level still have new ones to give; once they run
// out (a level-one simplification has only 15), that kind and level begin again.
class TaskGenerator {
  public:
    explicit TaskGenerator(std::uint64_t seed) : random_(seed) {}

    Task next(Kind kind, Level level);

    // How many times the kind and level have run out of new tasks and begun again.
    int restarts(Kind kind, Level level) const;

  private:
    struct Memory {
        std::set<std::string> given;
        int restarts = 0;
    };

    SeededRandom random_;
    std::map<std::pair<Kind, Level>, Memory> memories_;
};

}  // namespace talvera::exercises
