#pragma once

#include <vector>

#include "core/fraction.h"
#include "exercises/mistake_id.h"
#include "exercises/relation.h"
#include "exercises/task.h"

namespace talvera::exercises {

// A mistake and the values it leads to on one task; an answer worth any of them names it.
struct MistakenValues {
    MistakeId id;
    std::vector<core::Fraction> values;
};

struct MistakenRelation {
    MistakeId id;
    Relation relation;
};

// The mistakes of a task whose answer is a value (a fraction or a decimal), in the order they are
// checked. A value may equal the right answer: the checker takes the answer as right first.
std::vector<MistakenValues> mistakenValues(const Task& task);

// The same for the comparison.
std::vector<MistakenRelation> mistakenRelations(const Task& task);

}  // namespace talvera::exercises
