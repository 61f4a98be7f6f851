#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

namespace talvera::exercises {

// The answer of a comparison: how the first fraction stands to the second.
enum class Relation : std::uint8_t { Less, Equal, Greater };

constexpr Relation relationOf(std::strong_ordering order) {
    if (order == std::strong_ordering::less) {
        return Relation::Less;
    }
    return order == std::strong_ordering::greater ? Relation::Greater : Relation::Equal;
}

constexpr std::string_view signOf(Relation relation) {
    if (relation == Relation::Less) {
        return "<";
    }
    return relation == Relation::Greater ? ">" : "=";
}

constexpr Relation reversed(Relation relation) {
    if (relation == Relation::Less) {
        return Relation::Greater;
    }
    return relation == Relation::Greater ? Relation::Less : Relation::Equal;
}

}  // namespace talvera::exercises
