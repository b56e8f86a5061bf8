#pragma once

#include <array>
#include <optional>
#include <string_view>

// The four method screens, by the names of their forms.
enum class ScreenId { Contiguous, Linked, IndexedL, IndexedM };

// An item of a screen's Method menu: the screen it leads to, its name and its caption.
struct MethodItem {
    ScreenId target;
    std::string_view name;
    std::string_view caption;
};

// What the program knows of each screen, in one place: the window, its menu, the start option and
// the index scheme of the two indexed screens.
struct ScreenFacts {
    ScreenId id;
    std::string_view formName;  // "Indexed_L"
    std::string_view option;    // as --method names it
    std::string_view caption;   // of the window
    int clientWidth;            // twips
    int clientHeight;
    std::array<MethodItem, 2> methodMenu;
    // The indexed screens only: the scheme's name ("Linked Scheme", shown in lbType) and the other
    // scheme's screen, to which cmdChg leads.
    std::string_view schemeName;
    std::optional<ScreenId> otherScheme;
};

namespace screen_table {

inline constexpr MethodItem CONTIGUOUS_ITEM{ScreenId::Contiguous, "mnContiguous", "&Contiguous"};
inline constexpr MethodItem LINKED_ITEM{ScreenId::Linked, "mnLinked", "&Linked"};
// "&Indexed" always leads to the linked index scheme.
inline constexpr MethodItem INDEXED_ITEM{ScreenId::IndexedL, "mnIndexed", "&Indexed"};

inline constexpr std::array<ScreenFacts, 4> SCREENS{{
    {ScreenId::Contiguous, "Contiguous", "contiguous", "Contiguous Allocation :: Quorvel", 10020, 8460,
        {LINKED_ITEM, INDEXED_ITEM}, "", std::nullopt},
    {ScreenId::Linked, "Linked", "linked", "Linked Allocation :: Quorvel", 10020, 8460,
        {CONTIGUOUS_ITEM, INDEXED_ITEM}, "", std::nullopt},
    {ScreenId::IndexedL, "Indexed_L", "indexed", "Indexed Allocation :: Quorvel", 10830, 8460,
        {CONTIGUOUS_ITEM, LINKED_ITEM}, "Linked Scheme", ScreenId::IndexedM},
    {ScreenId::IndexedM, "Indexed_M", "multilevel", "Indexed Allocation :: Quorvel", 10830, 8460,
        {CONTIGUOUS_ITEM, LINKED_ITEM}, "Multilevel Index", ScreenId::IndexedL},
}};

}  // namespace screen_table

constexpr const ScreenFacts& factsOf(ScreenId id) { return screen_table::SCREENS[static_cast<std::size_t>(id)]; }

// "Contiguous", "Linked", "Indexed_L", "Indexed_M".
constexpr std::string_view formName(ScreenId id) { return factsOf(id).formName; }

// The screen that `--method NAME` opens on.
constexpr std::optional<ScreenId> screenFromOption(std::string_view name)
{
    for (const ScreenFacts& facts : screen_table::SCREENS) {
        if (facts.option == name)
            return facts.id;
    }
    return std::nullopt;
}

static_assert([] {
    for (std::size_t i = 0; i < screen_table::SCREENS.size(); ++i) {
        if (static_cast<std::size_t>(screen_table::SCREENS[i].id) != i)
            return false;
    }
    return true;
}(), "the table lists the screens in the order of ScreenId");
