#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "exercises/worksheet_page.h"
#include "kit/narrator.h"
#include "kit/page_context.h"
#include "shell/page_id.h"
#include "shell/resolution_guide.h"
#include "ui/dialogs.h"
#include "ui/page.h"
#include "ui/preferences.h"
#include "ui/printing.h"
#include "ui/speech.h"
#include "ui/window_observer.h"
#include "ui/zoom.h"

namespace talvera::shell {

// What the program is given by whoever runs it; the view, the voice, the preferences and the
// printer may be missing, as in tests, and then nothing is shown, said, kept or printed.
struct Services {
    ui::Dialogs& dialogs;
    ui::WindowObserver* windows = nullptr;
    ui::Speech* speech = nullptr;
    ui::Preferences* preferences = nullptr;
    ui::Printing* printing = nullptr;
    // Where the exercises' tasks and the new sheets' numbers start from; without one, the clock
    // gives it, so that each session has tasks of its own. Tests fix it to repeat a session.
    std::optional<std::uint64_t> seed{};
};

// Which pages exist. Showing an absent page creates it in its initial state; closing a page
// destroys it with everything typed into it; ending the program closes them all at once. The
// choices of the "Ver" menu hold for every page at once.
class Program {
  public:
    explicit Program(ui::Dialogs& dialogs, ui::WindowObserver* windows = nullptr);
    explicit Program(const Services& services);
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

    // The "Ver" menu.
    void zoom(ui::zoom::Step step);
    bool readAloud() const { return narrator_.readAloud(); }
    void setReadAloud(bool on);
    void readAgain(PageId page);
    bool highContrast() const { return highContrast_; }
    void setHighContrast(bool on);
    bool pictureShown() const { return form(PageId::Picture) != nullptr; }
    void setPictureShown(bool shown);
    // Why reading aloud cannot be turned on; empty when it can.
    std::string speechUnavailable() const { return narrator_.unavailable(); }

    // The worksheet dialog, with the button that Enter presses in it.
    void openWorksheet(exercises::SheetPurpose purpose);
    // The Details page as it stands, with the picture when it is shown.
    void printDetails();

  private:
    std::unique_ptr<ui::Page> create(PageId page);
    std::unique_ptr<ui::Page> createWorksheet();
    std::uint64_t takeSeed() { return nextSeed_++; }
    // Ticks or unticks a menu item of every open page.
    void tickEverywhere(std::string_view item, bool checked);

    ui::Dialogs& dialogs_;
    ui::WindowObserver* windows_;
    ui::NoSpeech noSpeech_;
    ui::RunPreferences runPreferences_;
    ui::Preferences& preferences_;
    ui::NoPrinting noPrinting_;
    ui::Printing& printing_;
    std::uint64_t nextSeed_;
    ResolutionGuide resolutionGuide_{*this};
    exercises::SheetPurpose sheetPurpose_ = exercises::SheetPurpose::Print;
    kit::Narrator narrator_;
    kit::Sketcher sketcher_;
    kit::PageContext context_;
    bool highContrast_ = false;
    std::array<std::unique_ptr<ui::Page>, allPages.size()> pages_;
    bool ended_ = false;
};

}  // namespace talvera::shell
