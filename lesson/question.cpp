#include "lesson/question.h"

std::string hintFor(QuestionKind kind, const ScreenFacts& facts)
{
    switch (kind) {
    case QuestionKind::ReadCount:
    case QuestionKind::ReadPath:
    case QuestionKind::HoldingBlock:
        if (facts.index != IndexLayout::None)
            return "Count the index blocks read on the way too; blocks of a file are counted from 0.";
        if (facts.chained)
            return "Each block names the next: every block before it in the chain is read on the way.";
        return "The file's blocks lie side by side from its start block; they are counted from 0.";
    case QuestionKind::WholeReads:
        return facts.index != IndexLayout::None ? "Every block the file holds is read once, index blocks too."
                                                : "Every block the file holds is read once.";
    case QuestionKind::WholeJumps: return "A jump is a read of a block that is not the one right after the one before.";
    case QuestionKind::AddAtStart:
    case QuestionKind::PredictAdd:
        return "Add checks the name, then the numbers, then the blocks on the disk, in that order.";
    case QuestionKind::LargestFile: return "Look for the longest run of white blocks.";
    case QuestionKind::ChainEnd: return "Follow the numbers in the chain's cells to the one that shows -1.";
    case QuestionKind::PressesLeft:
        return "Count the blocks still to place, index blocks too, and the press that ends it.";
    case QuestionKind::IndexBlocksFor:
    case QuestionKind::SecondLevelFor: return "Count how many data blocks one index block names.";
    }
    return {};
}
