#pragma once

#include "lesson/scenario.h"

// What the lecture controls of the lesson panel ask of the program; the shell does it to the screen
// that is loaded, through its window as a user would.
class LectureActions {
public:
    virtual ~LectureActions() = default;

    // The random stream back to its start, every screen object as at program start, the current
    // screen loaded anew, empty.
    virtual void restart() = 0;
    // Undoes the last Add, Next Block or Clear; false when there is none left to undo.
    virtual bool stepBack() = 0;
    // An image of the method window, marks and all, on the clipboard.
    virtual void copyPicture() = 0;
    // Presses Next Block; false when there is no file being placed to press it for.
    virtual bool pressNext() = 0;
    // Does one line of a scenario through the real controls.
    virtual void perform(const ScenarioStep& step) = 0;
};
