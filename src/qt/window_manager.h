#pragma once

#include <QPointer>
#include <map>

#include "qt/form_window.h"
#include "qt/zoom_memory.h"
#include "ui/window_observer.h"

namespace talvera::qt {

// Gives every open form a window, and takes it away when the form closes. All windows share
// one zoom, which Ctrl+= (or Ctrl++), Ctrl+- and Ctrl+0 change from any of them; a window that
// would not fit the screen at it shows at the largest step that fits.
class WindowManager : public ui::WindowObserver {
  public:
    explicit WindowManager(ZoomMemory* memory = nullptr);
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;
    ~WindowManager() override;

    FormWindow* windowFor(const ui::Form& form) const;

    void formOpened(ui::Form& form) override;
    void formRaised(ui::Form& form) override;
    void formClosing(ui::Form& form) override;
    void programEnded() override;
    void changeZoom(ui::zoom::Step step) override;
    void setHighContrast(bool on) override;

    // The zoom the user chose; each window shows at it or at the largest step that fits.
    int zoom() const { return zoom_; }
    // The look that a window of the program takes when it opens: the message boxes take it when
    // no window of the program is active.
    Look look() const { return {Scale(zoom_), highContrast_}; }
    void zoomIn();
    void zoomOut();
    void zoomToNormal();

  private:
    void addZoomKeys(FormWindow* window);
    void choose(int percent);
    // The area a window may take, and the window's size at 100 % with its frame.
    static QSize available(const QWidget* window);
    QSize outerSizeAtNormal(const FormWindow* window) const;
    int fittingZoom(const FormWindow* window, int wanted) const;
    static void keepOnScreen(QWidget* window);
    void placeBeside(FormWindow* window, const QWidget* page) const;

    ZoomMemory* memory_;
    int zoom_;
    bool highContrast_ = false;
    std::map<const ui::Form*, QPointer<FormWindow>> windows_;
};

}  // namespace talvera::qt
