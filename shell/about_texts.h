#pragma once

#include "core/form_layout.h"

#include <array>
#include <string_view>

// The About dialog's texts and where they stand (twips), for the desktop dialog and the page.
namespace about_texts {

inline constexpr int CLIENT_WIDTH = 7500;
inline constexpr int CLIENT_HEIGHT = 4215;
inline constexpr std::string_view TITLE = "Pellucor";

struct Text {
    std::string_view name;
    std::string_view text;
    form_layout::Rect rect;
    bool sizedToText;  // the label grows to its text rather than keep the given size
};

inline constexpr form_layout::Rect TITLE_RECT{3480, 240, 3885, 480};
inline constexpr form_layout::Rect VERSION_RECT{3480, 480, 3885, 225};
inline constexpr form_layout::Rect OK_RECT{5760, 2625, 1260, 345};
inline constexpr form_layout::Rect SYS_INFO_RECT{5760, 3075, 1245, 345};

inline constexpr std::array<Text, 8> TEXTS{{
    {"lblDescription", "To Simulate 3 of allocation Method", {3960, 840, 2805, 330}, false},
    {"Label1", "For courses on operating systems", {3960, 1080, 3165, 330}, false},
    {"Label2", "Written by the Pellucor team", {4680, 1800, 2445, 330}, false},
    {"Label3", "for students and teachers", {4680, 2040, 2325, 330}, false},
    {"Label5", "Contiguous, linked and indexed allocation", {2400, 2640, 3165, 330}, false},
    {"Label6", "on a disk of 64 blocks", {3360, 2880, 1260, 195}, true},
    {"lblDisclaimer", "For teaching only.", {2880, 3360, 1575, 225}, false},
    {"Label4", "Questions go to your course tutor.", {2160, 3600, 3195, 195}, true},
}};

}  // namespace about_texts
