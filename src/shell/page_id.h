#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace talvera::shell {

// The pages, in the order of their form names Form1 to Form7; the last is the worksheet dialog.
enum class PageId { Operations, Details, Title, Instructions, Exercises, Picture, Worksheet };

inline constexpr std::array<PageId, 7> allPages{
    PageId::Operations, PageId::Details, PageId::Title,    PageId::Instructions,
    PageId::Exercises,  PageId::Picture, PageId::Worksheet};

inline constexpr std::size_t indexOf(PageId page) {
    return static_cast<std::size_t>(page);
}

inline constexpr std::array<std::string_view, 7> formNames{"Form1", "Form2", "Form3", "Form4",
                                                           "Form5", "Form6", "Form7"};

// What a screen reader calls each window; their captions are mostly the program's name alone.
inline constexpr std::array<std::string_view, 7> spokenNames{
    "TALVERA, Operações",          "TALVERA, Detalhes",   "TALVERA, página de título",
    "TALVERA, Instruções",         "TALVERA, Exercícios", "TALVERA, Imagem das fracções",
    "TALVERA, Ficha de exercícios"};

inline std::optional<PageId> pageNamed(std::string_view formName) {
    for (const PageId page : allPages) {
        if (formNames[indexOf(page)] == formName) {
            return page;
        }
    }
    return std::nullopt;
}

}  // namespace talvera::shell
