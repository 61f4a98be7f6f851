#include "operations/operations_page.h"

#include "kit/styles.h"

namespace talvera::operations {

OperationsPage::OperationsPage(const kit::PageContext& context)
    : Page("Form1", "TALVERA", kit::styles::pageSize),
      messenger_(context),
      controls_(layOutOperationsPage(form())),
      addition_(controls_.addition, rules::addition, messenger_),
      subtraction_(controls_.subtraction, rules::subtraction, messenger_),
      multiplication_(controls_.multiplication, rules::multiplication, messenger_),
      division_(controls_.division, rules::division, messenger_),
      simplification_(controls_.simplification, rules::simplification, messenger_),
      comparison_(controls_.comparison, messenger_),
      toDecimal_(controls_.toDecimal, messenger_),
      toFraction_(controls_.toFraction, messenger_) {}

}  // namespace talvera::operations
