#pragma once

#include <array>
#include <memory>
#include <string_view>

#include "shell/page_id.h"
#include "ui/dialogs.h"
#include "ui/page.h"
#include "ui/window_observer.h"

namespace talvera::shell {

// Which pages exist. Showing an absent page creates it in its initial state; closing a page
// destroys it with everything typed into it; ending the program closes them all at once.
class Program {
  public:
    explicit Program(ui::Dialogs& dialogs, ui::WindowObserver* windows = nullptr);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    // Shows the title page, the only page that exists at start.
    void start();

    void show(PageId page);
    void close(PageId page);
    void end();

    bool ended() const { return ended_; }
    ui::Form* form(PageId page) const;

  private:
    std::unique_ptr<ui::Page> create(PageId page);

    ui::Dialogs& dialogs_;
    ui::WindowObserver* windows_;
    std::array<std::unique_ptr<ui::Page>, 4> pages_;
    bool ended_ = false;
};

}  // namespace talvera::shell
