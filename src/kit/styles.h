#pragma once

#include "ui/geometry.h"

// The look shared by the pages, in the faces they were designed with; the Qt binder finds
// substitutes where a face is not installed.
namespace talvera::kit::styles {

inline const ui::Font frameCaption{"MS Sans Serif", 8.25, true};
inline const ui::Font sign{"MS Sans Serif", 13.5, true};
inline const ui::Font small{"MS Sans Serif", 8.25, false};
inline const ui::Font equalsButton{"Arial", 11.25, true};
inline const ui::Font fixedBox{"Fixedsys", 9, false};
inline const ui::Font detailBox{"Times New Roman", 9.75, true};

inline constexpr ui::Size pageSize{15240, 10710};

inline constexpr const char* equalsTooltip = "Efectuar a operação";
inline constexpr const char* clearResultTooltip = "Apagar resultado";
inline constexpr const char* clearAllTooltip = "Apagar tudo";
inline constexpr const char* clearResultPicture = "clear-result";
inline constexpr const char* clearAllPicture = "clear-all";

}  // namespace talvera::kit::styles
