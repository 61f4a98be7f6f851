#pragma once

#include <string_view>

namespace talvera::ui {

enum class MessageIcon { Information, None };

// The program's only way to show a message box. The application shows a modal box with one OK
// button and returns when it is closed; tests record the boxes instead.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual void inform(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

}  // namespace talvera::ui
