#pragma once

#include <map>
#include <string>
#include <string_view>

namespace talvera::ui {

// The choices of the "Ver" menu that are kept between runs: read aloud, high contrast, ...
class Preferences {
  public:
    virtual ~Preferences() = default;
    virtual bool flag(std::string_view key) const = 0;  // false when never set
    virtual void setFlag(std::string_view key, bool value) = 0;
};

// Kept for the run only: for tests and tools, so that a run never changes the next one.
class RunPreferences : public Preferences {
  public:
    bool flag(std::string_view key) const override {
        const auto found = flags_.find(key);
        return found != flags_.end() && found->second;
    }
    void setFlag(std::string_view key, bool value) override { flags_[std::string(key)] = value; }

  private:
    std::map<std::string, bool, std::less<>> flags_;
};

}  // namespace talvera::ui
