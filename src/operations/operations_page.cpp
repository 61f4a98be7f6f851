#include "operations/operations_page.h"

#include <array>

#include "common/styles.h"

namespace talvera::operations {

namespace {

// Where the result panels stand once the page is loaded: each exactly over its result fraction.
struct PanelPlace {
    const char* name;
    int left;
    int top;
};

constexpr std::array<PanelPlace, 10> panelPlaces{{
    {"Frame6", 3540, 840},
    {"Frame7", 3540, 840},
    {"Frame8", 3540, 840},
    {"Frame9", 3540, 840},
    {"Frame10", 2280, 780},
    {"Frame12", 2100, 820},
    {"Frame13", 3540, 840},
    {"Frame14", 3540, 840},
    {"Frame15", 3540, 840},
    {"Frame16", 3540, 840},
}};

}  // namespace

OperationsPage::OperationsPage(ui::Dialogs& dialogs)
    : Page("Form1", "TALVERA", common::styles::pageSize),
      messenger_(dialogs),
      controls_(layOutOperationsPage(form())),
      addition_(controls_.addition, rules::addition, messenger_),
      subtraction_(controls_.subtraction, rules::subtraction, messenger_),
      multiplication_(controls_.multiplication, rules::multiplication, messenger_),
      division_(controls_.division, rules::division, messenger_),
      simplification_(controls_.simplification, rules::simplification, messenger_),
      comparison_(controls_.comparison, messenger_),
      toDecimal_(controls_.toDecimal, messenger_),
      toFraction_(controls_.toFraction, messenger_) {
    form().onLoad([this] { load(); });
}

void OperationsPage::load() const {
    for (const PanelPlace& place : panelPlaces) {
        ui::Control& panel = form().control(place.name);
        panel.moveTo(place.left, place.top);
        panel.hide();
    }
}

}  // namespace talvera::operations
