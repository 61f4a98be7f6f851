#pragma once

#include <string>

#include "exercises/task.h"

namespace talvera::exercises {

// What a screen reader hears of a new task: "Exercício: um quarto mais quinze sextos.",
// "Exercício: escreva sete oitavos em dízima."
std::string taskInWords(const Task& task);

}  // namespace talvera::exercises
