#pragma once

#include <QRect>
#include <QString>
#include <optional>

namespace talvera::qt {

// Where the chosen zoom, and the place of a window the user may move and resize, are kept between
// runs. Tests and tools keep none, so a run never changes the next one.
class ZoomMemory {
  public:
    virtual ~ZoomMemory() = default;
    virtual int load() = 0;  // 100 when nothing was kept
    virtual void save(int percent) = 0;
    // A window's place and size on the desktop, by its form's name; nothing when none was kept.
    virtual std::optional<QRect> place(const QString& /*form*/) { return std::nullopt; }
    virtual void savePlace(const QString& /*form*/, const QRect& /*place*/) {}
};

// The user's settings of the program, under the organisation and application names that the
// program sets at its start.
class SettingsZoomMemory : public ZoomMemory {
  public:
    int load() override;
    void save(int percent) override;
    std::optional<QRect> place(const QString& form) override;
    void savePlace(const QString& form, const QRect& place) override;
};

}  // namespace talvera::qt
