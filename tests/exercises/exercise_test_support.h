#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "exercises/fraction_forms.h"
#include "exercises/task.h"

namespace talvera::exercises::testing {

inline core::Fraction fractionFrom(const QString& text) {
    const QStringList terms = text.split('/');
    return fractionOf(terms[0].toLongLong(), terms.size() > 1 ? terms[1].toLongLong() : 1);
}

// A task written as its kind's short name and its fractions: "+ 1/4 1/6", "dec 1/3".
inline Task taskFrom(const QString& text) {
    const QStringList words = text.split(' ');
    const QStringList names{"+", "-", "x", ":", "simp", "cmp", "dec", "frac"};
    std::vector<core::Fraction> fractions;
    for (qsizetype i = 1; i < words.size(); ++i) {
        fractions.push_back(fractionFrom(words[i]));
    }
    return makeTask(allKinds.at(static_cast<std::size_t>(names.indexOf(words[0]))), Level::Three,
                    fractions);
}

inline std::vector<std::string> boxesFrom(const QStringList& boxes) {
    std::vector<std::string> texts;
    for (const QString& box : boxes) {
        texts.push_back(box.toStdString());
    }
    return texts;
}

// Each test class runs from the one main of test_exercises.
int runGeneratorTests(int argc, char** argv);
int runCheckerTests(int argc, char** argv);
int runSessionTests(int argc, char** argv);

}  // namespace talvera::exercises::testing
