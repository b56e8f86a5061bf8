#pragma once

#include "core/messages.h"

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

// How a screen's method keeps its index, for the questions that ask about it.
enum class IndexLayout {
    None,
    Chained,   // index blocks that name the next one
    TwoLevel,  // a first-level block that names second-level blocks
};

// What the program knows of each screen, in one place: the window, its menu, the start option and
// the index scheme of the two indexed screens, and how the lesson speaks of its method.
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
    std::string_view methodName;  // "Contiguous allocation"
    std::string_view readRule;    // how the method reaches block k of a file
    bool takesStart;              // Add reads a start block
    bool oneRun;                  // a file takes one unbroken run of blocks
    bool chained;                 // a file is a chain that its blocks' numbers link
    IndexLayout index;
    // What Add may say besides placing the file, in the order its checks come.
    std::array<MessageId, 7> addMessages;
};

namespace screen_table {

inline constexpr MethodItem CONTIGUOUS_ITEM{ScreenId::Contiguous, "mnContiguous", "&Contiguous"};
inline constexpr MethodItem LINKED_ITEM{ScreenId::Linked, "mnLinked", "&Linked"};
// "&Indexed" always leads to the linked index scheme.
inline constexpr MethodItem INDEXED_ITEM{ScreenId::IndexedL, "mnIndexed", "&Indexed"};

inline constexpr std::array<ScreenFacts, 4> SCREENS{{
    {ScreenId::Contiguous, "Contiguous", "contiguous", "Contiguous Allocation :: Quorvel", 10020, 8460,
        {LINKED_ITEM, INDEXED_ITEM}, "", std::nullopt, "Contiguous allocation",
        "Contiguous: one read, the block at start + k.", true, true, false, IndexLayout::None,
        {MessageId::FilenameMissing, MessageId::StartNotNumeric, MessageId::LenghtNotNumeric,
            MessageId::StartNotAllowed, MessageId::LenghtOverloaded, MessageId::WriteDenied}},
    {ScreenId::Linked, "Linked", "linked", "Linked Allocation :: Quorvel", 10020, 8460,
        {CONTIGUOUS_ITEM, INDEXED_ITEM}, "", std::nullopt, "Linked allocation",
        "Linked: k + 1 reads, following the chain from the start block.", true, false, true, IndexLayout::None,
        {MessageId::FilenameMissing, MessageId::StartNotNumeric, MessageId::LenghtNotNumeric,
            MessageId::StartNotAllowed, MessageId::WriteDenied, MessageId::LenghtOverloaded,
            MessageId::SpaceNotEnough}},
    {ScreenId::IndexedL, "Indexed_L", "indexed", "Indexed Allocation :: Quorvel", 10830, 8460,
        {CONTIGUOUS_ITEM, LINKED_ITEM}, "Linked Scheme", ScreenId::IndexedM,
        "Indexed allocation, linked index scheme",
        "Linked index: the index blocks from the file's first to the one that lists block k "
        "(k div 7 + 1 of them), then the block.",
        false, false, false, IndexLayout::Chained,
        {MessageId::FilenameMissing, MessageId::LenghtNotNumeric, MessageId::LenghtOverloaded,
            MessageId::FileNumbersUsedUp}},
    {ScreenId::IndexedM, "Indexed_M", "multilevel", "Indexed Allocation :: Quorvel", 10830, 8460,
        {CONTIGUOUS_ITEM, LINKED_ITEM}, "Multilevel Index", ScreenId::IndexedL,
        "Indexed allocation, multilevel index",
        "Multilevel index: the first-level block, the second-level block that lists block k, "
        "then the block: 3 reads.",
        false, false, false, IndexLayout::TwoLevel,
        {MessageId::FilenameMissing, MessageId::LenghtNotNumeric, MessageId::LenghtOverloaded,
            MessageId::FileNumbersUsedUp}},
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
