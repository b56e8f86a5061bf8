#pragma once

#include <array>
#include <optional>
#include <string_view>

// The four method screens, by the names of their forms.
enum class Screen { Contiguous, Linked, IndexedL, IndexedM };

inline constexpr std::array<Screen, 4> ALL_SCREENS{
    Screen::Contiguous, Screen::Linked, Screen::IndexedL, Screen::IndexedM};

// The form's name: "Contiguous", "Linked", "Indexed_L", "Indexed_M".
constexpr std::string_view formName(Screen screen)
{
    switch (screen) {
    case Screen::Contiguous: return "Contiguous";
    case Screen::Linked: return "Linked";
    case Screen::IndexedL: return "Indexed_L";
    case Screen::IndexedM: return "Indexed_M";
    }
    return "";
}
