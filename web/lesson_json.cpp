#include "web/lesson_json.h"

#include "lesson/free_space.h"
#include "lesson/reading.h"
#include "web/form_json.h"

namespace {

std::string blocks(const std::vector<int>& list)
{
    std::string out = "[";
    for (std::size_t i = 0; i < list.size(); ++i)
        out += std::string(i == 0 ? "" : ",") + std::to_string(list[i]);
    return out + "]";
}

std::string question(const ExerciseSession& session)
{
    const auto& q = session.question();
    if (!q)
        return "null";
    std::string out = std::string("{\"text\":") + jsonString(q->text) + ",\"choice\":"
        + (q->form == Question::Form::Choice ? "true" : "false") + ",\"choices\":[";
    for (std::size_t i = 0; i < q->choices.size(); ++i)
        out += std::string(i == 0 ? "" : ",") + jsonString(q->choices[i]);
    out += std::string("],\"answered\":") + std::string(session.answered() ? "true" : "false");
    if (session.answered())
        out += std::string(",\"answer\":") + jsonString(q->answer) + ",\"working\":" + jsonString(q->working) + ",\"marks\":"
            + blocks(q->marks);
    return out + "}";
}

std::string score(const ExerciseSession& session)
{
    return std::string("\"tried\":") + std::to_string(session.tried()) + ",\"right\":" + std::to_string(session.answeredRight());
}

}  // namespace

std::string readingJson(const Screen& screen, int file, int block)
{
    std::string out = std::string("{\"rule\":") + jsonString(factsOf(screen.id()).readRule) + ",\"files\":[";
    const auto& files = screen.files();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string name
            = files[i].number ? files[i].name + " (file " + std::to_string(*files[i].number) + ")" : files[i].name;
        out += std::string(i == 0 ? "" : ",") + jsonString(name);
    }
    out += "]";
    if (file >= 0 && static_cast<std::size_t>(file) < files.size()) {
        const FileRecord& f = files[static_cast<std::size_t>(file)];
        const WholeRead whole = readWholeFile(f);
        out += std::string(",\"held\":") + std::to_string(dataBlocksOf(f).size()) + ",\"wholeReads\":"
            + std::to_string(whole.blocks.size()) + ",\"jumps\":" + std::to_string(whole.jumps)
            + ",\"note\":" + jsonString(holdingNote(f));
        if (const auto path = readBlock(screen, f, block))
            out += std::string(",\"path\":") + jsonString(readPathText(path->blocks)) + ",\"marks\":" + blocks(path->blocks);
    }
    return out + "}";
}

std::string freeSpaceJson(const Screen& screen)
{
    const FreeSpace space = freeSpaceOf(screen.form().disk);
    std::string out = "{\"bitmap\":[";
    for (std::size_t i = 0; i < space.bitmap.size(); ++i)
        out += std::string(i == 0 ? "" : ",") + jsonString(space.bitmap[i]);
    return out + "],\"runs\":" + jsonString(freeRunsText(space.runs)) + ",\"free\":"
        + std::to_string(space.freeBlocks) + ",\"largest\":" + std::to_string(space.largestRun)
        + ",\"oneRun\":" + (factsOf(screen.id()).oneRun ? "true" : "false") + "}";
}

std::string askJson(Lecture& lecture, Screen& screen, bool aboutAdd)
{
    ExerciseSession& session = lecture.exercises();
    session.ask(screen, lecture.share(), aboutAdd);
    return std::string("{\"question\":") + question(session) + "," + score(session) + "}";
}

std::string checkJson(Lecture& lecture, std::string_view answer)
{
    ExerciseSession& session = lecture.exercises();
    const auto attempt = session.check(answer);
    std::string out = "{\"verdict\":";
    if (attempt) {
        const Verdict v = attempt->verdict;
        out += std::string(v == Verdict::Right ? "\"right\"" : v == Verdict::Wrong ? "\"wrong\"" : "\"notAnAnswer\"")
            + ",\"hint\":" + jsonString(attempt->hint) + ",\"ended\":" + (attempt->ended ? "true" : "false");
    } else {
        out += "null";
    }
    return out + ",\"question\":" + question(session) + "," + score(session) + "}";
}

std::string lectureJson(Lecture& lecture)
{
    std::string out = std::string("{\"playing\":") + std::string(lecture.isPlaying() ? "true" : "false")
        + ",\"running\":" + (lecture.isRunning() ? "true" : "false") + ",\"depth\":" + std::to_string(lecture.depth())
        + ",\"nextStep\":" + std::to_string(lecture.nextStep()) + ",\"steps\":[";
    const auto& steps = lecture.scenario();
    for (std::size_t i = 0; i < steps.size(); ++i)
        out += std::string(i == 0 ? "" : ",") + std::string("{\"line\":") + std::to_string(steps[i].line)
            + ",\"text\":" + jsonString(steps[i].text) + "}";
    ExerciseSession& session = lecture.exercises();
    return out + "],\"question\":" + question(session) + "," + score(session) + "}";
}
