#include "panel/lecture_page.h"

#include "lesson/lecture.h"
#include "panel/answer_label.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

namespace {

QPushButton* button(const QString& text, const char* name, const QString& spoken)
{
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(spoken);
    return b;
}

}  // namespace

LecturePage::LecturePage(const Lecture& lecture) : m_lecture(lecture)
{
    auto* form = new QFormLayout(this);
    auto* restart = button(tr("Res&tart (F5)"), "lectureRestart", tr("Restart"));
    auto* stepBack = button(tr("Step &back (F4)"), "lectureStepBack", tr("Step back"));
    auto* picture = button(tr("&Copy picture (F3)"), "lecturePicture", tr("Copy a picture of the screen"));
    m_play = button(tr("&Play on"), "lecturePlay", tr("Play on"));
    m_pace = new QSlider(Qt::Horizontal);
    m_pace->setObjectName(QStringLiteral("lecturePace"));
    m_pace->setAccessibleName(tr("Pace of Play on, in tenths of a second a press"));
    m_pace->setRange(1, 20);  // tenths of a second: ten presses a second to one every two seconds
    m_pace->setValue(5);
    m_paceText = new QLabel;
    m_status = new AnswerLabel(tr("What the last control did"), "lectureStatus");
    m_steps = new QListWidget;
    m_steps->setObjectName(QStringLiteral("lectureSteps"));
    m_steps->setAccessibleName(tr("Steps of the scenario"));
    m_steps->setSelectionMode(QAbstractItemView::NoSelection);
    m_performStep = button(tr("&Next step"), "lectureNextStep", tr("Next step"));
    m_runToEnd = button(tr("Run to en&d"), "lectureRunToEnd", tr("Run to end"));
    m_readable = new QCheckBox(tr("Cell text readable on a pro&jector"));
    m_readable->setObjectName(QStringLiteral("lectureReadable"));

    form->addRow(restart);
    form->addRow(stepBack);
    form->addRow(m_play);
    form->addRow(tr("P&ace:"), m_pace);
    form->addRow(QString(), m_paceText);
    form->addRow(picture);
    form->addRow(m_status);
    form->addRow(tr("Scenario:"), m_steps);
    form->addRow(m_performStep);
    form->addRow(m_runToEnd);
    form->addRow(m_readable);

    const auto showPace
        = [this] { m_paceText->setText(tr("a press every %1 s").arg(m_pace->value() / 10.0, 0, 'f', 1)); };
    showPace();
    connect(m_pace, &QSlider::valueChanged, this, [this, showPace] {
        showPace();
        emit paceChanged();
    });
    connect(restart, &QPushButton::clicked, this, &LecturePage::restartClicked);
    connect(stepBack, &QPushButton::clicked, this, &LecturePage::stepBackClicked);
    connect(picture, &QPushButton::clicked, this, &LecturePage::pictureClicked);
    connect(m_play, &QPushButton::clicked, this, &LecturePage::playClicked);
    connect(m_performStep, &QPushButton::clicked, this, &LecturePage::nextStepClicked);
    connect(m_runToEnd, &QPushButton::clicked, this, &LecturePage::runToEndClicked);
    connect(m_readable, &QCheckBox::toggled, this, &LecturePage::readableToggled);
    showScenario();
}

int LecturePage::paceMilliseconds() const { return m_pace->value() * 100; }

void LecturePage::showReadable(bool readable)
{
    const QSignalBlocker quiet(m_readable);
    m_readable->setChecked(readable);
}

void LecturePage::setStatus(const QString& text) { m_status->setAnswer(text); }

void LecturePage::showScenario()
{
    m_steps->clear();
    m_bold = -1;
    for (const ScenarioStep& step : m_lecture.scenario())
        m_steps->addItem(QString::fromStdString(step.text));
    showProgress();
}

void LecturePage::showProgress()
{
    const auto& scenario = m_lecture.scenario();
    const bool any = !scenario.empty();
    const bool left = m_lecture.stepsLeft();
    const int next = static_cast<int>(m_lecture.nextStep());
    m_performStep->setEnabled(left);
    m_runToEnd->setEnabled(left);
    // Only the two items that change, so that a long scenario costs the same at every step.
    if (next != m_bold) {
        for (const int i : {m_bold, next}) {
            if (QListWidgetItem* item = m_steps->item(i)) {
                QFont font = item->font();
                font.setBold(i == next);
                item->setFont(font);
            }
        }
        m_bold = next;
        if (left)
            m_steps->scrollToItem(m_steps->item(next));
    }
    m_steps->setToolTip(any ? QString() : tr("Start Pellucor with --script FILE to step through a scenario."));

    const bool playing = m_lecture.isPlaying();
    if (playing != m_wasPlaying) {
        m_play->setText(playing ? tr("Sto&p") : tr("&Play on"));
        m_play->setAccessibleName(playing ? tr("Stop playing") : tr("Play on"));
        m_status->setAnswer(playing ? tr("Playing: Next Block is pressed until the file is placed.") : tr("Stopped."));
        m_wasPlaying = playing;
        return;
    }
    if (!any)
        m_status->setAnswer(tr("No scenario: start Pellucor with --script FILE for one."));
    else if (!left)
        m_status->setAnswer(tr("The scenario is done."));
    else
        m_status->setAnswer(tr("Next step, line %1: %2")
                              .arg(scenario[static_cast<std::size_t>(next)].line)
                              .arg(QString::fromStdString(scenario[static_cast<std::size_t>(next)].text)));
}
