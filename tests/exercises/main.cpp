#include "exercise_test_support.h"

int main(int argc, char** argv) {
    using namespace talvera::exercises::testing;
    const int failures =
        runGeneratorTests(argc, argv) + runCheckerTests(argc, argv) + runSessionTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
