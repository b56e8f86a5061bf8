#pragma once

#include "core/screen.h"
#include "lesson/lecture.h"

#include <string>
#include <string_view>

// The lesson panel's answers as JSON for the page, each worked out by the lesson's own code.

// Reading file `file` (its place in the screen's files) at data block `block`: the method's rule,
// the files to pick from, the reads, the whole-file read and the note on what the file holds.
std::string readingJson(const Screen& screen, int file, int block);
// The free-block map, the free runs, the free blocks and the longest run.
std::string freeSpaceJson(const Screen& screen);
// The next exercise on the screen, and the session's score.
std::string askJson(Lecture& lecture, Screen& screen, bool aboutAdd);
// An answer judged: whether it was right, the answer, the working and its marks.
std::string checkJson(Lecture& lecture, std::string_view answer);
// Whether it plays, where the scenario stands, how deep Step back goes, the standing question.
std::string lectureJson(Lecture& lecture);
