#pragma once

#include "details/product_row.h"
#include "details/row_controls.h"
#include "details/sum_row.h"
#include "kit/messenger.h"
#include "kit/page_context.h"
#include "ui/page.h"

namespace talvera::details {

// Form2: the four operations worked line by line, for the classroom.
class DetailsPage : public ui::Page {
  public:
    explicit DetailsPage(const kit::PageContext& context);

  private:
    void load() const;

    kit::Messenger messenger_;
    DetailsControls controls_;
    SumRow addition_;
    SumRow subtraction_;
    ProductRow multiplication_;
    ProductRow division_;
};

}  // namespace talvera::details
