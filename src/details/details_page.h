#pragma once

#include "common/messenger.h"
#include "details/row_controls.h"
#include "ui/dialogs.h"
#include "ui/page.h"

namespace talvera::details {

// Form2: the four operations worked line by line, for the classroom.
class DetailsPage : public ui::Page {
  public:
    explicit DetailsPage(ui::Dialogs& dialogs);

  private:
    common::Messenger messenger_;
    DetailsControls controls_;
};

}  // namespace talvera::details
