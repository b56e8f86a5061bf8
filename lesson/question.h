#pragma once

#include "core/screen_table.h"

#include <string>
#include <vector>

enum class QuestionKind {
    ReadCount,       // how many disk reads reach block k of a file
    ReadPath,        // which blocks they are, in order
    HoldingBlock,    // which disk block holds block k of a file
    WholeReads,      // reading a file whole: how many reads
    WholeJumps,      // ... and how many jumps of the head
    AddAtStart,      // contiguous: what Add does with N blocks at start S
    LargestFile,     // contiguous: the largest file Add can place now
    ChainEnd,        // linked: the block a finished chain ends in
    PressesLeft,     // the presses of Next Block a file being placed still takes
    IndexBlocksFor,  // linked index scheme: index blocks (directory rows) of a file of N blocks
    SecondLevelFor,  // multilevel: second-level blocks of a file of N blocks
    PredictAdd,      // what Add will do with the fields as they are typed now
};

struct Question {
    enum class Form { Number, Blocks, Choice };

    QuestionKind kind = QuestionKind::ReadCount;
    Form form = Form::Number;
    std::string text;
    std::vector<std::string> choices;  // Choice only
    std::string answer;                // the right one: a number, blocks as "60, 54, 17", or a choice
    int rightChoice = -1;              // Choice only: which of the choices is right
    std::string working;               // how it is worked out: the rule, then the numbers
    std::vector<int> marks;            // the blocks the working points at, in order
    bool isBlock = false;              // Number only: the answer is a block number, not a count
    std::string hint;                  // for a second try, without giving the answer away
};

// A nudge for a second try at a question of this kind on a screen with these facts: where to look,
// not what to find.
std::string hintFor(QuestionKind kind, const ScreenFacts& facts);
