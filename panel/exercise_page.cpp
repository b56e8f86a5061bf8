#include "panel/exercise_page.h"

#include "core/screen.h"
#include "lesson/exercise_session.h"
#include "panel/answer_label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ExercisePage::ExercisePage(ExerciseSession& session, Share& share) : m_session(session), m_share(share)
{
    auto* form = new QFormLayout(this);
    m_asked = new AnswerLabel(tr("Question"), "exerciseQuestion");
    m_answerText = new QLineEdit;
    m_answerText->setObjectName(QStringLiteral("exerciseAnswer"));
    m_answerText->setAccessibleName(tr("Your answer"));
    m_answerChoice = new QComboBox;
    keepNameStable(m_answerChoice);
    m_answerChoice->setObjectName(QStringLiteral("exerciseChoice"));
    m_answerChoice->setAccessibleName(tr("Your answer"));
    m_answerInput = new QStackedWidget;
    m_answerInput->addWidget(m_answerText);
    m_answerInput->addWidget(m_answerChoice);
    m_answerInput->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_check = new QPushButton(tr("Chec&k"));
    m_check->setObjectName(QStringLiteral("exerciseCheck"));
    m_verdict = new AnswerLabel(tr("Right or wrong"), "exerciseVerdict");
    m_working = new AnswerLabel(tr("The worked answer"), "exerciseWorking");
    auto* another = new QPushButton(tr("Another &question"));
    another->setObjectName(QStringLiteral("exerciseAnother"));
    m_aboutAdd = new QCheckBox(tr("Ask about Add with the fields as t&yped"));
    m_aboutAdd->setObjectName(QStringLiteral("exerciseAboutAdd"));
    m_firstTry = new QCheckBox(tr("S&how the answer after the first try"));
    m_firstTry->setObjectName(QStringLiteral("exerciseFirstTry"));
    m_firstTry->setToolTip(tr("Unticked, a first wrong answer gets a hint and one more try."));
    m_score = new QLabel;
    m_score->setObjectName(QStringLiteral("exerciseScore"));

    form->addRow(m_asked);
    form->addRow(tr("Ans&wer:"), m_answerInput);
    form->addRow(QString(), m_check);
    form->addRow(m_verdict);
    form->addRow(m_working);
    form->addRow(another);
    form->addRow(m_aboutAdd);
    form->addRow(m_firstTry);
    form->addRow(m_score);

    connect(m_check, &QPushButton::clicked, this, [this] {
        const auto& q = m_session.question();
        check(q && q->form == Question::Form::Choice ? m_answerChoice->currentText().toStdString()
                                                     : m_answerText->text().toStdString());
    });
    connect(m_answerText, &QLineEdit::returnPressed, m_check, &QPushButton::click);
    m_answerChoice->installEventFilter(this);
    connect(another, &QPushButton::clicked, this, [this] { askAnother(); });
    showSession();
}

void ExercisePage::refresh(Screen* screen)
{
    m_screen = screen;
    if (m_session.follow(screen))
        showSession();
}

void ExercisePage::askAnother()
{
    const auto& question = m_screen != nullptr ? m_session.ask(*m_screen, m_share, m_aboutAdd->isChecked())
                                               : m_session.question();
    m_verdict->clearAnswer();
    m_working->clearAnswer();
    m_answerText->clear();
    if (m_screen == nullptr || !question) {
        m_asked->setAnswer(tr("There is nothing to ask about yet: add a file first."));
        m_check->setEnabled(false);
        return;
    }
    m_asked->setAnswer(text(question->text));
    m_check->setEnabled(true);
    const bool choice = question->form == Question::Form::Choice;
    m_answerInput->setCurrentWidget(choice ? static_cast<QWidget*>(m_answerChoice) : m_answerText);
    if (choice) {
        m_answerChoice->clear();
        for (const std::string& c : question->choices)
            m_answerChoice->addItem(text(c));
    }
    setMarks({});
    m_answerInput->currentWidget()->setFocus();
}

bool ExercisePage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_answerChoice && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_check->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ExercisePage::tellAgain(const QString& said)
{
    m_verdict->setAnswer(said);
    m_working->clearAnswer();
    m_answerInput->currentWidget()->setFocus(Qt::OtherFocusReason);
    m_answerText->selectAll();
}

bool ExercisePage::check(const std::string& answer)
{
    const auto attempt = m_session.check(answer, !m_firstTry->isChecked());
    if (!attempt)
        return false;
    if (attempt->verdict == Verdict::NotAnAnswer) {
        tellAgain(text(attempt->hint));
        return true;
    }
    if (!attempt->ended) {
        tellAgain(tr("Not yet: try once more.")
            + (attempt->hint.empty() ? QString() : QLatin1Char(' ') + text(attempt->hint)));
        return true;
    }
    const Question& question = *m_session.question();
    m_verdict->setAnswer(attempt->verdict == Verdict::Right
            ? tr("Right: %1.").arg(text(question.answer))
            : tr("Not quite: the answer is %1.").arg(text(question.answer)));
    m_working->setAnswer(text(question.working));
    m_check->setEnabled(false);
    showScore();
    setMarks(question.marks);
    // The focus on the verdict, so that a screen reader says it.
    m_verdict->setFocus(Qt::OtherFocusReason);
    return true;
}

void ExercisePage::showSession()
{
    const auto& question = m_session.question();
    m_asked->setAnswer(question ? text(question->text)
            : m_session.withdrawn()
            ? tr("The disk has changed since that question was asked, so it is withdrawn: press Another question "
                 "for one about the disk as it is now.")
            : tr("Press Another question for a question about the disk on screen."));
    m_check->setEnabled(question && !m_session.answered());
    if (!question || !m_session.answered()) {
        m_verdict->clearAnswer();
        m_working->clearAnswer();
        setMarks({});
    }
    showScore();
}

void ExercisePage::showScore()
{
    m_score->setText(tr("Questions tried: %1, answered right: %2").arg(m_session.tried()).arg(m_session.answeredRight()));
}

void ExercisePage::setMarks(std::vector<int> blocks)
{
    m_marks = std::move(blocks);
    emit marksChanged(m_marks);
}
