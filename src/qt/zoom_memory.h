#pragma once

namespace talvera::qt {

// Where the chosen zoom is kept between runs. Tests and tools keep none, so a run never changes
// the next one.
class ZoomMemory {
  public:
    virtual ~ZoomMemory() = default;
    virtual int load() = 0;  // 100 when nothing was kept
    virtual void save(int percent) = 0;
};

// The user's settings of the program, under the organisation and application names that the
// program sets at its start.
class SettingsZoomMemory : public ZoomMemory {
  public:
    int load() override;
    void save(int percent) override;
};

}  // namespace talvera::qt
