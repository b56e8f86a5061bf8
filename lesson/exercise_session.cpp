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
    if (m_question)
        m_asked = askedOn(screen);
    return m_question;
}

std::optional<bool> ExerciseSession::check(std::string_view answer)
{
    if (!m_question || m_answered)
        return std::nullopt;
    m_answered = true;
    const bool right = isRight(*m_question, answer);
    ++m_tried;
    m_right += right ? 1 : 0;
    return right;
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
    m_question.reset();
    m_answered = false;
    return true;
}

void ExerciseSession::restart()
{
    m_generator.restart();
    m_question.reset();
    m_answered = false;
    m_tried = 0;
    m_right = 0;
}
