#include "exercises/task_draws.h"

#include <algorithm>
#include <compare>
#include <numeric>
#include <string>
#include <utility>

#include "core/decimal_expansion.h"
#include "exercises/fraction_forms.h"

namespace talvera::exercises {

namespace {

struct Terms {
    int n = 1;
    int d = 2;
};

std::strong_ordering orderOf(const Terms& x, const Terms& y) {
    return x.n * y.d <=> y.n * x.d;
}

// Whether the conversion of the page could turn this decimal back into a fraction well inside
// its 16-bit limits.
bool convertible(const core::DecimalExpansion& expansion) {
    if (expansion.period.empty()) {
        return true;
    }
    const std::int64_t withPeriod = std::stoll(expansion.fixed + expansion.period);
    const std::int64_t without = expansion.fixed.empty() ? 0 : std::stoll(expansion.fixed);
    return std::stoll(expansion.whole) <= maxPeriodDifference &&
           withPeriod - without <= maxPeriodDifference;
}

class Drawer {
  public:
    Drawer(SeededRandom& random, Level level) : random_(random), rules_(rulesOf(level)) {}

    std::vector<Terms> draw(Kind kind) {
        switch (kind) {
            case Kind::Addition:
                return sum(false);
            case Kind::Subtraction:
                return sum(true);
            case Kind::Multiplication:
                return product(false);
            case Kind::Division:
                return product(true);
            case Kind::Simplification:
                return simplification();
            case Kind::Comparison:
                return comparison();
            case Kind::ToDecimal:
                return decimal(false);
            case Kind::ToFraction:
                break;
        }
        return decimal(true);
    }

  private:
    // A numerator over d of at most cap: below d at level one, up to 2d - 1 beyond; never a
    // multiple of d, as a whole number is no fraction to work with.
    int numerator(int d, int cap) {
        const int top = std::min(cap, rules_.improper ? 2 * d - 1 : d - 1);
        int n = random_.between(1, top);
        while (n % d == 0) {
            n = random_.between(1, top);
        }
        return n;
    }

    Terms reduced(int d, int cap) {
        int n = numerator(d, cap);
        while (std::gcd(n, d) != 1) {
            n = numerator(d, cap);
        }
        return {n, d};
    }

    Terms reduced() { return reduced(random_.between(2, rules_.maxTerm), rules_.maxTerm); }

    // One pair in five shares its denominator; of the others, half have denominators with a
    // common factor, so that the m.m.c. is not always their product.
    std::pair<int, int> denominators() {
        const std::uint64_t choice = random_.below(5);
        while (true) {
            const int b = random_.between(2, rules_.maxTerm);
            const int d = choice == 0 ? b : random_.between(2, rules_.maxTerm);
            if (choice == 0 || (d != b && (choice > 2 || std::gcd(b, d) > 1))) {
                return {b, d};
            }
        }
    }

    std::vector<Terms> sum(bool subtract) {
        while (true) {
            const auto [b, d] = denominators();
            Terms first = reduced(b, rules_.maxTerm);
            Terms second = reduced(d, rules_.maxTerm);
            const std::strong_ordering order = orderOf(first, second);
            if (order == std::strong_ordering::equal) {
                continue;
            }
            if (subtract && !rules_.negativeDifferences && std::is_lt(order)) {
                std::swap(first, second);
            }
            return {first, second};
        }
    }

    // Two different fractions in lowest terms, whose product (with the second inverted for a
    // division) simplifies in half of the tasks; the divisor's numerator is never 0.
    std::vector<Terms> product(bool divide) {
        const bool simplifies = random_.chance(1, 2);
        while (true) {
            const Terms first = reduced();
            const Terms second = reduced();
            const int n = divide ? second.d : second.n;
            const int d = divide ? second.n : second.d;
            if (orderOf(first, second) != std::strong_ordering::equal &&
                (std::gcd(first.n * n, first.d * d) > 1) == simplifies) {
                return {first, second};
            }
        }
    }

    // A fraction in lowest terms with both terms multiplied by 2 or more.
    std::vector<Terms> simplification() {
        const int half = rules_.maxTerm / 2;
        const Terms base = reduced(random_.between(2, half), half);
        const int k = random_.between(2, rules_.maxTerm / std::max(base.n, base.d));
        return {{base.n * k, base.d * k}};
    }

    // A quarter of the pairs are equal; a quarter mislead whoever compares the numerators only,
    // a quarter whoever takes the larger denominator for the larger fraction.
    std::vector<Terms> comparison() {
        const std::uint64_t choice = random_.below(4);
        if (choice == 0) {
            return equalPair();
        }
        while (true) {
            const int b = random_.between(2, rules_.maxTerm);
            const int d = random_.between(2, rules_.maxTerm);
            const Terms x{numerator(b, rules_.maxTerm), b};
            const Terms y{numerator(d, rules_.maxTerm), d};
            const std::strong_ordering order = orderOf(x, y);
            const bool numeratorsMislead = (x.n <=> y.n) != order;
            const bool denominatorsMislead = b != d && (b <=> d) != order;
            if (order != std::strong_ordering::equal && (choice != 1 || numeratorsMislead) &&
                (choice != 2 || denominatorsMislead)) {
                return {x, y};
            }
        }
    }

    std::vector<Terms> equalPair() {
        const int half = rules_.maxTerm / 2;
        const Terms base = reduced(random_.between(2, half), half);
        const int most = rules_.maxTerm / std::max(base.n, base.d);
        const int k = random_.between(1, most);
        int other = random_.between(1, most);
        while (other == k) {
            other = random_.between(1, most);
        }
        return {{base.n * k, base.d * k}, {base.n * other, base.d * other}};
    }

    // Half of the fractions have a finite decimal, half a short period.
    std::vector<Terms> decimal(bool toConvert) {
        const bool finite = random_.chance(1, 2);
        while (true) {
            const Terms terms = reduced();
            const auto expansion =
                core::expandDecimal(fractionOf(terms.n, terms.d), maxShownPlaces);
            if (expansion && expansion->period.empty() == finite &&
                expansion->period.size() <= maxShownPeriod &&
                (!toConvert || convertible(*expansion))) {
                return {terms};
            }
        }
    }

    SeededRandom& random_;
    LevelRules rules_;
};

}  // namespace

std::vector<core::Fraction> drawFractions(Kind kind, Level level, SeededRandom& random) {
    std::vector<core::Fraction> fractions;
    for (const Terms& terms : Drawer(random, level).draw(kind)) {
        fractions.push_back(fractionOf(terms.n, terms.d));
    }
    return fractions;
}

}  // namespace talvera::exercises
