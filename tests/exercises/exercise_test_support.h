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

// Each test class runs from the one main of test_exercises.
int runGeneratorTests(int argc, char** argv);

}  // namespace talvera::exercises::testing
