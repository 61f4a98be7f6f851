#pragma once

#include <stdexcept>

namespace talvera::core {

// Every arithmetic failure of the program (an overflow of the scaled decimal, a division or
// remainder by zero, a value outside a fixed-width integer) is this one error. Handlers never
// report the cause: their failure trap turns it into the capacity message.
class CapacityError : public std::runtime_error {
  public:
    CapacityError() : std::runtime_error("capacity exceeded") {}
};

}  // namespace talvera::core
