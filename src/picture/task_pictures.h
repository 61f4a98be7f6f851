#pragma once

#include <span>
#include <string>

#include "picture/sketch.h"

// Each kind of task drawn onto a sketch from its boxes' texts, stage by stage.
namespace talvera::picture {

void drawSum(Sketch& sketch, std::span<const std::string> texts, bool subtract);
void drawProduct(Sketch& sketch, std::span<const std::string> texts);
void drawQuotient(Sketch& sketch, std::span<const std::string> texts);
void drawSimplification(Sketch& sketch, std::span<const std::string> texts);
void drawComparison(Sketch& sketch, std::span<const std::string> texts);
void drawToDecimal(Sketch& sketch, std::span<const std::string> texts);
void drawToFraction(Sketch& sketch, std::span<const std::string> texts);

}  // namespace talvera::picture
