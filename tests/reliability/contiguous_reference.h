#pragma once

#include "core/random_stream.h"
#include "reliability/action.h"
#include "reliability/observed.h"

#include <array>
#include <string>
#include <vector>

// The contiguous screen as its behaviour is described, written out plainly and on its own: plain
// arrays and strings, its own number reading, its own texts. It takes its random values from a
// stream of the same seed as the code under test's. Only what the user and the screen object can
// see is kept.
class ContiguousReference {
public:
    // Created and loaded, as opening the window does.
    explicit ContiguousReference(RandomStream& stream);

    // Does the action and returns the messages it raised, in order.
    std::vector<Message> apply(const Action& action);
    Observed observe() const;

private:
    struct Row {
        std::string name;
        int start = 0;
        int length = 0;
        ColourValue colour = 0;
    };

    void load();
    void add();
    void clear();
    void emptyFields();
    void enter(Control field);
    int drawComponent();

    RandomStream& m_stream;
    // Kept by the screen object for the whole run.
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    // Kept by the window, rebuilt at every load.
    bool m_loaded = false;
    std::array<ColourValue, 64> m_colour{};
    std::array<std::string, 64> m_label{};
    std::string m_file;
    std::string m_start;
    std::string m_lenght;
    bool m_entryCheck = false;
    std::vector<std::string> m_captions;
    std::vector<float> m_widths;
    std::vector<Row> m_rows;
    // Of the action being done.
    std::vector<Message> m_shown;
    std::optional<Control> m_focus;
};
