#pragma once

#include "kit/sketcher.h"
#include "ui/page.h"

namespace talvera::shell {

// Form6, "IMAGEM": the picture of the task the user last worked in on either work page, one window
// for the whole program, that follows each press and each step.
class PicturePage : public ui::Page {
  public:
    explicit PicturePage(kit::Sketcher& sketcher);
    PicturePage(const PicturePage&) = delete;
    PicturePage& operator=(const PicturePage&) = delete;
    ~PicturePage() override;

  private:
    void draw(const picture::Task& task);

    kit::Sketcher& sketcher_;
    ui::Control& drawing_;
};

}  // namespace talvera::shell
