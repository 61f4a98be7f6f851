#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace talvera::shell {

// The four pages, in the order of their form names Form1 to Form4.
enum class PageId { Operations, Details, Title, Instructions };

inline constexpr std::array<PageId, 4> allPages{PageId::Operations, PageId::Details, PageId::Title,
                                                PageId::Instructions};

inline constexpr std::size_t indexOf(PageId page) {
    return static_cast<std::size_t>(page);
}

inline constexpr std::array<std::string_view, 4> formNames{"Form1", "Form2", "Form3", "Form4"};

// What a screen reader calls each window; their captions are mostly the program's name alone.
inline constexpr std::array<std::string_view, 4> spokenNames{
    "TALVERA, Operações", "TALVERA, Detalhes", "TALVERA, página de título", "TALVERA, Instruções"};

inline std::optional<PageId> pageNamed(std::string_view formName) {
    for (const PageId page : allPages) {
        if (formNames[indexOf(page)] == formName) {
            return page;
        }
    }
    return std::nullopt;
}

}  // namespace talvera::shell
