#include "lesson/exercise_session.h"

ExerciseSession::Asked ExerciseSession::askedOn(const Screen& screen)
{
    Asked asked{&screen, screen.files(), screen.mode(), {}};
    if (screen.isLoaded()) {
        const EntryForm& fields = screen.form().fields;
        const std::array<Control, 3> typed{Control::txFile, Control::txStart, Control::txLenght};
        for (std::size_t i = 0; i < typed.size(); ++i) {
            if (fields.hasField(typed[i]))
                asked.typed[i] = fields.text(typed[i]);
        }
    }
    return asked;
}

const std::optional<Question>& ExerciseSession::ask(Screen& screen, Share& share, bool aboutAdd)
{
    m_question = m_generator.next(screen, share, aboutAdd);
    m_answered = false;
    m_withdrawn = false;
    m_wrongTries = 0;
    if (m_question)
        m_asked = askedOn(screen);
    return m_question;
}

std::optional<ExerciseSession::Attempt> ExerciseSession::check(std::string_view answer, bool secondTry)
{
    if (!m_question || m_answered)
        return std::nullopt;
    Judgement judged = judge(*m_question, answer);
    if (judged.verdict == Verdict::NotAnAnswer)
        return Attempt{judged.verdict, std::move(judged.hint), false};
    const bool right = judged.verdict == Verdict::Right;
    if (!right && secondTry && m_wrongTries++ == 0)
        return Attempt{judged.verdict, m_question->hint, false};
    m_answered = true;
    ++m_tried;
    m_right += right ? 1 : 0;
    return Attempt{judged.verdict, {}, true};
}

bool ExerciseSession::follow(const Screen* screen)
{
    if (!m_question)
        return false;
    if (screen != nullptr && screen->isLoaded()) {
        Asked now = askedOn(*screen);
        // Only a question about what Add will do hangs on the typing.
        if (m_question->kind != QuestionKind::PredictAdd)
            now.typed = m_asked.typed;
        if (now == m_asked)
            return false;
    }
    m_withdrawn = screen == m_asked.screen;
    m_question.reset();
    m_answered = false;
    m_wrongTries = 0;
    return true;
}

void ExerciseSession::restart()
{
    m_generator.restart();
    m_withdrawn = false;
    m_question.reset();
    m_answered = false;
    m_wrongTries = 0;
    m_tried = 0;
    m_right = 0;
}
