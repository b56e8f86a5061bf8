#pragma once

#include "core/random_stream.h"
#include "sessions/action.h"
#include "sessions/observed.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What the references of the method screens share, written as plainly as the rest of them and apart
// from the program: the disk as the user sees it, the entry fields with their Enter checks, the
// colour draws, and the handing of each action to the screen's own steps. A reference is created
// and loaded, as opening the window does; it takes its random values from a stream of the same seed
// as the program's.
class ReferenceScreen {
public:
    virtual ~ReferenceScreen() = default;

    // Does the action and returns the messages it raised, in order.
    std::vector<Message> apply(const Action& action);
    Observed observe() const;

protected:
    static constexpr ColourValue WHITE = 0xFFFFFF;
    static constexpr float FILE_LIST_WIDTH = 3495.0F;
    static inline const std::vector<Control> WITH_START{Control::txFile, Control::txStart, Control::txLenght};

    // A row of the contiguous or the linked directory: the name as typed, the start, the length as
    // read, the End (linked only) and the name cell's colour.
    struct FileRow {
        std::string name;
        int start = 0;
        std::int64_t length = 0;
        std::string end;
        ColourValue colour = 0;
    };

    static Message error(std::string text, const char* title)
    {
        return {std::move(text), title, MessageIcon::Critical};
    }
    // width * percent / 100 in single precision, as every column width is worked out.
    static float percentOf(float width, int percent) { return width * static_cast<float>(percent) / 100.0F; }

    // The entry fields in form order; Enter in the last one sends the focus to cmAdd.
    ReferenceScreen(RandomStream& stream, std::vector<Control> fields);

    virtual void load() = 0;
    virtual void add() = 0;
    virtual void next() {}
    virtual void clear() = 0;
    virtual void clickRow(int /*row*/) {}
    // What the screen shows beside the disk and the fields.
    virtual void observeMore(Observed& o) const = 0;
    // Enter in a field: its check, then the focus on to the next field.
    virtual void enter(Control field);
    virtual bool canTakeFocus(Control /*control*/) const { return true; }

    void focus(Control target);
    void drawColour();
    // A new colour, then every field's check as Add runs them. Whether all of them passed.
    bool drawColourAndCheckFields();
    void emptyFields();
    int draw(int range);
    ColourValue colour() const;
    // Number labels written and every block white, and with `texts` every text emptied too.
    void resetDisk(bool texts);
    int usedBlocks() const;

    RandomStream& m_stream;
    // Kept by the screen object.
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    // Kept by the window.
    bool m_loaded = true;
    std::array<ColourValue, 64> m_colour{};
    std::array<std::string, 64> m_text{};
    std::array<std::optional<ColourValue>, 64> m_textColour{};
    std::array<std::string, 64> m_label{};
    std::vector<Control> m_order;
    std::map<Control, std::string> m_fields;
    bool m_entryCheck = false;
    // Of the action being done.
    std::vector<Message> m_shown;
    std::optional<Control> m_focus;
};
