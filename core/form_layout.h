#pragma once

#include "core/control.h"
#include "core/screen_table.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// Where each method screen's controls stand, in twips, for every face that draws the screens: the
// desktop windows place their widgets by it and the page its elements. Positions are relative to
// the window's client area or, inside a frame, to the frame.
namespace form_layout {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The disk: number label B(i) at GRID_LEFT + PITCH * column, GRID_TOP + PITCH * row, and its cell
// to the right of it.
inline constexpr int GRID_LEFT = 1320;
inline constexpr int GRID_TOP = 3480;
inline constexpr int PITCH = 600;
inline constexpr int CELL_LEFT = 1560;
inline constexpr int CELL_WIDTH = 375;
inline constexpr int CELL_HEIGHT = 285;
inline constexpr int NUMBER_SIZE = 255;

// The entry frame, Frame1: a caption and a field on each row, Clear and Add on the right.
struct FieldRow {
    Control field;
    std::string_view labelName;
    std::string_view caption;
    int labelWidth;
    int top;
};
inline constexpr int FIELD_LEFT = 1080;
inline constexpr int FIELD_WIDTH = 1215;
inline constexpr int FIELD_HEIGHT = 285;
inline constexpr int CAPTION_LEFT = 240;
inline constexpr int CAPTION_HEIGHT = 195;
inline constexpr int BUTTON_LEFT = 2520;
inline constexpr int BUTTON_WIDTH = 855;
inline constexpr int BUTTON_HEIGHT = 375;
inline constexpr int CLEAR_TOP = 240;

struct EntryFrame {
    Rect frame;
    std::array<FieldRow, 3> rows;
    std::size_t rowCount;
    int addTop;
};

inline constexpr std::array<FieldRow, 3> ROWS_WITH_START{{{Control::txFile, "Label2", "File", 240, 240},
    {Control::txStart, "Label4", "Start", 330, 600}, {Control::txLenght, "Label3", "Lenght", 510, 960}}};
inline constexpr std::array<FieldRow, 3> ROWS_WITHOUT_START{
    {{Control::txFile, "Label2", "File", 240, 240}, {Control::txLenght, "Label3", "Lenght", 510, 720}, {}}};

// The heading "Directory", the same on every screen; the lists are LIST_HEIGHT high.
inline constexpr Rect DIRECTORY_HEADING{7560, 1800, 1110, 300};
inline constexpr int LIST_HEIGHT = 2055;

// A label whose caption the screen writes.
struct LabelPlace {
    Control control;
    Rect rect;
    bool centred;
};

// Frame2 of the indexed screens: cmdChg to the other scheme and lbType, this scheme's name.
struct SchemeFrame {
    Rect frame;
    Rect cmdChg;
    Rect lbType;
};

struct ScreenLayout {
    EntryFrame entry;
    Rect directory;
    std::optional<Rect> next;  // "Next Block >"
    std::optional<Rect> index;
    std::optional<SchemeFrame> scheme;
    std::array<LabelPlace, 2> labels;
    std::size_t labelCount;
};

inline constexpr Rect NO_RECT{};

inline constexpr ScreenLayout CONTIGUOUS{{{6360, 120, 3495, 1335}, ROWS_WITH_START, 3, 840},
    {6360, 2160, 3495, LIST_HEIGHT}, std::nullopt, std::nullopt, std::nullopt, {}, 0};

inline constexpr ScreenLayout LINKED{{{6360, 120, 3495, 1335}, ROWS_WITH_START, 3, 840},
    {6360, 2160, 3495, LIST_HEIGHT}, Rect{3120, 2280, 1215, 375}, std::nullopt, std::nullopt,
    {{{Control::lbCurTotal, {6360, 4320, 2295, 255}, false}, {Control::lbToGo, {2640, 2760, 2055, 255}, true}}}, 2};

inline constexpr ScreenLayout INDEXED{{{6840, 120, 3495, 1215}, ROWS_WITHOUT_START, 2, 720},
    {6240, 2160, 4455, LIST_HEIGHT}, Rect{3000, 2520, 1215, 375}, Rect{7440, 4920, 2535, LIST_HEIGHT},
    SchemeFrame{{120, 1200, 5895, 975}, {120, 240, 1335, 615}, {1560, 240, 4215, 615}},
    {{{Control::lbUsage, {6360, 4320, 3495, 255}, false}, {Control::Label4, {0, 8040, 9855, 495}, false}}}, 2};

constexpr const ScreenLayout& layoutOf(ScreenId id)
{
    switch (id) {
    case ScreenId::Contiguous: return CONTIGUOUS;
    case ScreenId::Linked: return LINKED;
    case ScreenId::IndexedL:
    case ScreenId::IndexedM: break;
    }
    return INDEXED;
}

}  // namespace form_layout
