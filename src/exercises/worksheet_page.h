#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "exercises/worksheet.h"
#include "kit/messenger.h"
#include "kit/page_context.h"
#include "ui/page.h"
#include "ui/printing.h"

namespace talvera::exercises {

enum class SheetPurpose : std::uint8_t { Print, SavePdf };

// What the dialog proposes when it opens.
struct SheetDefaults {
    Kind kind = Kind::Addition;
    Level level = Level::One;
    std::uint32_t number = 1;
    SheetPurpose purpose = SheetPurpose::Print;
};

// Form7, "FICHA DE EXERCÍCIOS": the kinds, the level, the length and the number of a worksheet,
// which it then prints or saves as PDF, and closes.
class WorksheetPage : public ui::Page {
  public:
    WorksheetPage(const kit::PageContext& context, ui::Printing& printing,
                  const SheetDefaults& defaults);

    // Enter in the number box prints or saves, as the menu item chosen asked.
    void setPurpose(SheetPurpose purpose);

  private:
    std::optional<SheetRequest> request() const;
    void finish(SheetPurpose purpose);

    kit::Messenger messenger_;
    ui::Printing& printing_;
    std::array<ui::Control*, allKinds.size()> kinds_{};
    ui::Control* level_ = nullptr;
    ui::Control* length_ = nullptr;
    ui::Control* number_ = nullptr;
    ui::Control* print_ = nullptr;
    ui::Control* save_ = nullptr;
};

}  // namespace talvera::exercises
