#pragma once

#include "exercises/task.h"

namespace talvera::exercises {

// Shows how a task is worked out, on the page that works such tasks. The program gives the page
// one, so that the page need not know the other pages.
class Resolver {
  public:
    Resolver() = default;
    Resolver(const Resolver&) = delete;
    Resolver& operator=(const Resolver&) = delete;
    virtual ~Resolver() = default;
    virtual void showResolution(const Task& task) = 0;
};

}  // namespace talvera::exercises
