#pragma once

#include "sessions/action.h"
#include "sessions/chooser.h"

#include <string>
#include <utility>
#include <vector>

// A pool of texts and how often to draw from it, against the other pools of a field.
struct WeightedPool {
    const std::vector<std::string>* texts;
    unsigned weight;
};

// What can be done on one screen, and how often, for the generator to draw from.
struct Vocabulary {
    struct Field {
        Control field;
        std::vector<WeightedPool> pools;
    };
    struct Button {
        Control button;
        unsigned weight;
    };

    std::vector<Field> fields;
    std::vector<Button> buttons;
    std::vector<Control> lists;  // lists whose rows can be clicked
    int rowsToClick = 12;        // rows 0 .. rowsToClick - 1 are drawn; clicks on missing rows go nowhere

    unsigned typeWeight = 0;
    unsigned enterWeight = 0;
    unsigned clickWeight = 0;  // shared among the buttons by their own weights
    unsigned rowWeight = 0;
    unsigned reloadWeight = 0;
    unsigned backWeight = 0;
    unsigned restartWeight = 0;
};

// The field of a screen with what the sessions type into it: for names mostly ordinary ones; for
// starts and lengths mostly plain numbers, now and then one at an edge or a hostile text, and
// whatever `more` pools the screen adds.
Vocabulary::Field nameField();
Vocabulary::Field numberField(Control field, std::vector<WeightedPool> more = {});

// How often each kind of action is drawn.
struct ActionWeights {
    unsigned type = 0;
    unsigned enter = 0;
    unsigned click = 0;
    unsigned row = 0;
    unsigned reload = 0;
    unsigned back = 0;
    unsigned restart = 0;
};
Vocabulary vocabularyOf(std::vector<Vocabulary::Field> fields, std::vector<Vocabulary::Button> buttons,
    ActionWeights weights, std::vector<Control> lists = {});

// The next action, drawn by the chooser from the screen's vocabulary.
Action nextAction(Chooser& chooser, const Vocabulary& vocabulary);

// A whole list: what a session of that seed does.
std::vector<Action> generateActions(std::uint64_t seed, const Vocabulary& vocabulary, std::size_t count);
