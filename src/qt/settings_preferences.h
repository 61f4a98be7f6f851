#pragma once

#include "ui/preferences.h"

namespace talvera::qt {

// The choices of the "Ver" menu in the user's settings of the program, beside the zoom.
class SettingsPreferences : public ui::Preferences {
  public:
    bool flag(std::string_view key) const override;
    void setFlag(std::string_view key, bool value) override;
};

}  // namespace talvera::qt
