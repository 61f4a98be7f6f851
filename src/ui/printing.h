#pragma once

#include <string_view>

#include "ui/printout.h"

namespace talvera::ui {

// The program's only way to put something on paper. The application shows the printout as it
// will print, from where the user prints it, or asks where to save it as PDF; tests record what
// was asked instead. Both return once the user is done with it.
class Printing {
  public:
    virtual ~Printing() = default;
    virtual void print(const printout::Document& document) = 0;
    virtual void saveAsPdf(const printout::Document& document, std::string_view suggestedName) = 0;
};

// Prints nothing: for runs without paper, such as benchmarks and tests that only look at pages.
class NoPrinting : public Printing {
  public:
    void print(const printout::Document& /*document*/) override {}
    void saveAsPdf(const printout::Document& /*document*/,
                   std::string_view /*suggestedName*/) override {}
};

}  // namespace talvera::ui
