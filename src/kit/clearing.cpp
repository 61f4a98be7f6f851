#include "kit/clearing.h"

namespace talvera::kit {

void wireClearing(const std::vector<ui::Control*>& termBoxes, ui::Control& clearResult,
                  ui::Control& clearAll, const std::function<void()>& clearResults) {
    for (ui::Control* box : termBoxes) {
        box->onChange(clearResults);
    }
    clearResult.onClick(clearResults);
    clearAll.onClick([termBoxes, clearResults] {
        clearResults();
        for (ui::Control* box : termBoxes) {
            box->setText("");
        }
    });
}

}  // namespace talvera::kit
