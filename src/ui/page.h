#pragma once

#include <string>

#include "ui/form.h"

namespace talvera::ui {

// A page is one form with the logic behind its controls. Subclasses lay the form out and wire
// its handlers in their constructor; the form's load handler runs when the page is shown.
class Page {
  public:
    virtual ~Page() = default;
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    Form& form() { return form_; }
    const Form& form() const { return form_; }

  protected:
    Page(std::string name, std::string caption, Size clientSize, Color background = colors::face)
        : form_(std::move(name), std::move(caption), clientSize, background) {}

  private:
    Form form_;
};

}  // namespace talvera::ui
