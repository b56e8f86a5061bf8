#pragma once

#include "lesson/question.h"

#include <string>
#include <string_view>

// How a student's answer is read: a number as a number, blocks in order (separated by commas or
// blanks), a choice by its text or its number from 1. What cannot be an answer at all (nothing, a
// word where a number is asked, a negative count, a block off the disk, an empty item between
// commas, a choice that is not one) is neither right nor wrong: the hint says what is expected.
enum class Verdict { Right, Wrong, NotAnAnswer };

struct Judgement {
    Verdict verdict = Verdict::Wrong;
    std::string hint;  // NotAnAnswer only
};

Judgement judge(const Question& question, std::string_view given);
bool isRight(const Question& question, std::string_view given);
