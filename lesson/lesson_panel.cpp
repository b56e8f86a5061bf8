#include "lesson/lesson_panel.h"

#include "core/screen.h"
#include "lesson/free_space.h"
#include "lesson/lecture_actions.h"
#include "lesson/reading.h"
#include "widgets/disk_grid_widget.h"
#include "widgets/method_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

// How the screen's method reaches block k of a file.
QString ruleOf(ScreenId screen)
{
    switch (screen) {
    case ScreenId::Contiguous: return LessonPanel::tr("Contiguous: one read, the block at start + k.");
    case ScreenId::Linked: return LessonPanel::tr("Linked: k + 1 reads, following the chain from the start block.");
    case ScreenId::IndexedL:
        return LessonPanel::tr("Linked index: the index blocks from the file's first to the one that lists block k "
                               "(k div 7 + 1 of them), then the block.");
    case ScreenId::IndexedM:
        return LessonPanel::tr("Multilevel index: the first-level block, the second-level block that lists block k, "
                               "then the block: 3 reads.");
    }
    return {};
}

QString nameOf(ScreenId screen)
{
    switch (screen) {
    case ScreenId::Contiguous: return LessonPanel::tr("Contiguous allocation");
    case ScreenId::Linked: return LessonPanel::tr("Linked allocation");
    case ScreenId::IndexedL: return LessonPanel::tr("Indexed allocation, linked index scheme");
    case ScreenId::IndexedM: return LessonPanel::tr("Indexed allocation, multilevel index");
    }
    return {};
}

QString counted(int n, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}

// A label whose answer a keyboard user can reach and a screen reader reads.
QLabel* answerLabel(const QString& accessibleName)
{
    auto* label = new QLabel;
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setAccessibleName(accessibleName);
    return label;
}

}  // namespace

LessonPanel::LessonPanel(Share& share, QWidget* parent) : QWidget(parent, Qt::Window), m_share(share)
{
    setObjectName(QStringLiteral("lessonPanel"));
    setWindowTitle(tr("Lesson"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(this);
    m_screenName = new QLabel;
    m_screenName->setObjectName(QStringLiteral("screenName"));
    QFont bold = m_screenName->font();
    bold.setBold(true);
    m_screenName->setFont(bold);
    layout->addWidget(m_screenName);
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("lessonTabs"));
    layout->addWidget(m_tabs);

    auto* read = new QWidget;
    auto* readForm = new QFormLayout(read);
    m_file = new QComboBox;
    m_file->setObjectName(QStringLiteral("lessonFile"));
    m_file->setAccessibleName(tr("File to read"));
    m_file->setPlaceholderText(tr("(pick a listed file)"));
    m_block = new QSpinBox;
    m_block->setObjectName(QStringLiteral("lessonBlock"));
    m_block->setAccessibleName(tr("Block of the file, counted from 0"));
    m_clearPick = new QPushButton(tr("C&lear the pick"));
    m_clearPick->setObjectName(QStringLiteral("lessonClearPick"));
    m_rule = answerLabel(tr("How this method reads"));
    m_path = answerLabel(tr("Disk reads"));
    m_path->setObjectName(QStringLiteral("lessonPath"));
    m_whole = answerLabel(tr("Reading the whole file"));
    m_whole->setObjectName(QStringLiteral("lessonWhole"));
    m_note = answerLabel(tr("What the file holds"));
    m_note->setObjectName(QStringLiteral("lessonNote"));
    readForm->addRow(tr("&File:"), m_file);
    readForm->addRow(tr("&Block:"), m_block);
    readForm->addRow(QString(), m_clearPick);
    readForm->addRow(m_rule);
    readForm->addRow(tr("Reads:"), m_path);
    readForm->addRow(tr("Whole file:"), m_whole);
    readForm->addRow(m_note);
    m_tabs->addTab(read, tr("&Read"));

    auto* space = new QWidget;
    auto* spaceForm = new QFormLayout(space);
    m_bitmap = answerLabel(tr("Free-block map, one row of eight blocks a line, 1 used, 0 free"));
    m_bitmap->setObjectName(QStringLiteral("lessonBitmap"));
    m_bitmap->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_runs = answerLabel(tr("Free runs"));
    m_runs->setObjectName(QStringLiteral("lessonRuns"));
    m_free = answerLabel(tr("Free blocks"));
    m_free->setObjectName(QStringLiteral("lessonFree"));
    m_largest = answerLabel(tr("Largest run"));
    m_largest->setObjectName(QStringLiteral("lessonLargest"));
    spaceForm->addRow(tr("Free-block map (1 used, 0 free):"), m_bitmap);
    spaceForm->addRow(tr("Free runs:"), m_runs);
    spaceForm->addRow(tr("Free blocks:"), m_free);
    spaceForm->addRow(m_largest);
    m_tabs->addTab(space, tr("Free &space"));

    m_tabs->addTab(buildExercise(), tr("E&xercise"));
    m_tabs->addTab(buildLecture(), tr("L&ecture"));

    connect(m_file, &QComboBox::currentIndexChanged, this, [this] { answerRead(); });
    connect(m_block, &QSpinBox::valueChanged, this, [this] { answerRead(); });
    connect(m_clearPick, &QPushButton::clicked, this, [this] { pick(-1, 0); });
    setFixedWidth(360);
    refresh();
}

QWidget* LessonPanel::buildLecture()
{
    auto* lecture = new QWidget;
    auto* form = new QFormLayout(lecture);
    const auto button = [](const QString& text, const char* name, const QString& spoken) {
        auto* b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(spoken);
        return b;
    };
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
    m_status = answerLabel(tr("What the last control did"));
    m_status->setObjectName(QStringLiteral("lectureStatus"));
    m_steps = new QListWidget;
    m_steps->setObjectName(QStringLiteral("lectureSteps"));
    m_steps->setAccessibleName(tr("Steps of the scenario"));
    m_steps->setSelectionMode(QAbstractItemView::NoSelection);
    m_performStep = button(tr("&Next step"), "lectureNextStep", tr("Next step"));
    m_runToEnd = button(tr("Run to &end"), "lectureRunToEnd", tr("Run to end"));

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

    const auto showPace
        = [this] { m_paceText->setText(tr("a press every %1 s").arg(m_pace->value() / 10.0, 0, 'f', 1)); };
    showPace();
    connect(m_pace, &QSlider::valueChanged, this, [this, showPace] {
        showPace();
        if (isPlaying())
            m_player.setInterval(m_pace->value() * 100);
    });
    connect(restart, &QPushButton::clicked, this, [this] {
        if (m_actions != nullptr) {
            m_actions->restart();
            m_status->setText(tr("Restarted: the same typing gives the same colours and blocks again."));
        }
    });
    connect(stepBack, &QPushButton::clicked, this, [this] {
        if (m_actions != nullptr)
            m_status->setText(m_actions->stepBack() ? tr("Stepped back one action.") : tr("Nothing left to step back to."));
    });
    connect(picture, &QPushButton::clicked, this, [this] {
        if (m_actions != nullptr) {
            m_actions->copyPicture();
            m_status->setText(tr("A picture of the method window is on the clipboard."));
        }
    });
    connect(m_play, &QPushButton::clicked, this, [this] {
        if (isPlaying())
            stopPlaying();
        else
            play(m_pace->value() * 100);
    });
    connect(&m_player, &QTimer::timeout, this, [this] {
        m_pressing = true;
        const bool pressed = m_actions != nullptr && m_actions->pressNext();
        m_pressing = false;
        if (!pressed)
            stopPlaying();
    });
    connect(m_performStep, &QPushButton::clicked, this, [this] { performNextStep(); });
    connect(m_runToEnd, &QPushButton::clicked, this, [this] { runToEnd(); });
    showStep();
    return lecture;
}

QWidget* LessonPanel::buildExercise()
{
    auto* exercise = new QWidget;
    auto* form = new QFormLayout(exercise);
    m_asked = answerLabel(tr("Question"));
    m_asked->setObjectName(QStringLiteral("exerciseQuestion"));
    m_answerText = new QLineEdit;
    m_answerText->setObjectName(QStringLiteral("exerciseAnswer"));
    m_answerText->setAccessibleName(tr("Your answer"));
    m_answerChoice = new QComboBox;
    m_answerChoice->setObjectName(QStringLiteral("exerciseChoice"));
    m_answerChoice->setAccessibleName(tr("Your answer"));
    m_answerInput = new QStackedWidget;
    m_answerInput->addWidget(m_answerText);
    m_answerInput->addWidget(m_answerChoice);
    m_answerInput->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_check = new QPushButton(tr("Chec&k"));
    m_check->setObjectName(QStringLiteral("exerciseCheck"));
    m_verdict = answerLabel(tr("Right or wrong"));
    m_verdict->setObjectName(QStringLiteral("exerciseVerdict"));
    m_working = answerLabel(tr("The worked answer"));
    m_working->setObjectName(QStringLiteral("exerciseWorking"));
    auto* another = new QPushButton(tr("&Another question"));
    another->setObjectName(QStringLiteral("exerciseAnother"));
    m_aboutAdd = new QCheckBox(tr("Ask about Add with the fields as t&yped"));
    m_aboutAdd->setObjectName(QStringLiteral("exerciseAboutAdd"));
    m_score = new QLabel;
    m_score->setObjectName(QStringLiteral("exerciseScore"));

    form->addRow(m_asked);
    form->addRow(tr("Ans&wer:"), m_answerInput);
    form->addRow(QString(), m_check);
    form->addRow(m_verdict);
    form->addRow(m_working);
    form->addRow(another);
    form->addRow(m_aboutAdd);
    form->addRow(m_score);

    connect(m_check, &QPushButton::clicked, this, [this] {
        check(m_question && m_question->form == Question::Form::Choice ? m_answerChoice->currentText().toStdString()
                                                                         : m_answerText->text().toStdString());
    });
    connect(m_answerText, &QLineEdit::returnPressed, m_check, &QPushButton::click);
    connect(another, &QPushButton::clicked, this, [this] { askAnother(); });
    m_asked->setText(tr("Press Another question for a question about the disk on screen."));
    showScore();
    return exercise;
}

void LessonPanel::seedExercises(std::uint64_t seed) { m_exercises = ExerciseGenerator(seed); }

void LessonPanel::restartExercises()
{
    m_exercises.restart();
    m_question.reset();
    m_tried = 0;
    m_right = 0;
    m_asked->setText(tr("Press Another question for a question about the disk on screen."));
    m_verdict->clear();
    m_working->clear();
    showScore();
}

void LessonPanel::askAnother()
{
    m_question = m_screen != nullptr ? m_exercises.next(*m_screen, m_share, m_aboutAdd->isChecked()) : std::nullopt;
    m_checked = false;
    m_verdict->clear();
    m_working->clear();
    m_answerText->clear();
    if (!m_question) {
        m_asked->setText(tr("There is nothing to ask about yet: add a file first."));
        m_check->setEnabled(false);
        return;
    }
    m_asked->setText(text(m_question->text));
    m_check->setEnabled(true);
    const bool choice = m_question->form == Question::Form::Choice;
    m_answerInput->setCurrentWidget(choice ? static_cast<QWidget*>(m_answerChoice) : m_answerText);
    if (choice) {
        m_answerChoice->clear();
        for (const std::string& c : m_question->choices)
            m_answerChoice->addItem(text(c));
    }
    setMarks({});
    m_answerInput->currentWidget()->setFocus();
}

bool LessonPanel::check(const std::string& answer)
{
    if (!m_question || m_checked)
        return false;
    m_checked = true;
    const bool right = isRight(*m_question, answer);
    ++m_tried;
    m_right += right ? 1 : 0;
    m_verdict->setText(right ? tr("Right: %1.").arg(text(m_question->answer))
                             : tr("Not quite: the answer is %1.").arg(text(m_question->answer)));
    m_working->setText(text(m_question->working));
    m_check->setEnabled(false);
    showScore();
    setMarks(m_question->marks);
    // The focus on the verdict, so that a screen reader says it.
    m_verdict->setFocus(Qt::OtherFocusReason);
    return true;
}

void LessonPanel::showScore() { m_score->setText(tr("Questions tried: %1, answered right: %2").arg(m_tried).arg(m_right)); }

void LessonPanel::play(int milliseconds)
{
    m_player.start(std::clamp(milliseconds, 100, 2000));
    m_play->setText(tr("&Stop"));
    m_play->setAccessibleName(tr("Stop playing"));
    m_status->setText(tr("Playing: Next Block is pressed until the file is placed."));
}

void LessonPanel::stopPlaying()
{
    if (!isPlaying())
        return;
    m_player.stop();
    m_play->setText(tr("&Play on"));
    m_play->setAccessibleName(tr("Play on"));
    m_status->setText(tr("Stopped."));
}

void LessonPanel::noteAction()
{
    if (!m_pressing)
        stopPlaying();
}

void LessonPanel::setScenario(std::vector<ScenarioStep> steps)
{
    m_scenario = std::move(steps);
    m_nextStep = 0;
    m_steps->clear();
    for (const ScenarioStep& step : m_scenario)
        m_steps->addItem(QString::fromStdString(step.text));
    if (!m_scenario.empty())
        m_tabs->setCurrentIndex(m_tabs->count() - 1);
    showStep();
}

bool LessonPanel::performNextStep()
{
    if (m_actions == nullptr || m_nextStep >= m_scenario.size())
        return false;
    stopPlaying();
    const ScenarioStep& step = m_scenario[m_nextStep++];
    showStep();
    m_actions->perform(step);
    return true;
}

void LessonPanel::runToEnd()
{
    while (performNextStep()) {
    }
}

void LessonPanel::showStep()
{
    const bool any = !m_scenario.empty();
    const bool left = m_nextStep < m_scenario.size();
    m_performStep->setEnabled(left);
    m_runToEnd->setEnabled(left);
    for (int i = 0; i < m_steps->count(); ++i) {
        QListWidgetItem* item = m_steps->item(i);
        QFont font = item->font();
        font.setBold(static_cast<std::size_t>(i) == m_nextStep);
        item->setFont(font);
    }
    if (left)
        m_steps->scrollToItem(m_steps->item(static_cast<int>(m_nextStep)));
    m_steps->setToolTip(any ? QString() : tr("Start Pellucor with --script FILE to step through a scenario."));
    if (!any)
        m_status->setText(tr("No scenario: start Pellucor with --script FILE for one."));
    else if (!left)
        m_status->setText(tr("The scenario is done."));
    else
        m_status->setText(tr("Next step, line %1: %2")
                              .arg(m_scenario[m_nextStep].line)
                              .arg(QString::fromStdString(m_scenario[m_nextStep].text)));
}

void LessonPanel::follow(Screen* screen, MethodWindow* window)
{
    if (screen != m_screen)
        stopPlaying();
    if (m_window != nullptr && m_window != window)
        m_window->grid()->setReadMarks({});
    const bool another = screen != m_screen;
    m_screen = screen;
    m_window = window;
    if (another) {
        const QSignalBlocker blocking(m_file);
        m_file->clear();
        m_question.reset();
        m_asked->setText(tr("Press Another question for a question about the disk on screen."));
        m_verdict->clear();
        m_working->clear();
    }
    refresh();
}

void LessonPanel::refresh()
{
    const bool loaded = m_screen != nullptr && m_screen->isLoaded();
    m_screenName->setText(loaded ? nameOf(m_screen->id()) : tr("No method screen is open."));
    m_tabs->setEnabled(loaded);
    listFiles();
    answerRead();
    answerFreeSpace();
}

void LessonPanel::listFiles()
{
    const QSignalBlocker blocking(m_file);
    const int kept = m_file->currentIndex();
    QStringList names;
    if (m_screen != nullptr) {
        for (const FileRecord& file : m_screen->files()) {
            names << (file.number ? tr("%1 (file %2)").arg(text(file.name)).arg(*file.number) : text(file.name));
        }
    }
    QStringList shown;
    for (int i = 0; i < m_file->count(); ++i)
        shown << m_file->itemText(i);
    if (shown != names) {
        m_file->clear();
        m_file->addItems(names);
    }
    m_file->setCurrentIndex(kept < names.size() ? kept : -1);
}

void LessonPanel::pick(int file, int block)
{
    {
        const QSignalBlocker blocking(m_file);
        m_file->setCurrentIndex(file >= 0 && file < m_file->count() ? file : -1);
    }
    {
        const QSignalBlocker blocking(m_block);
        m_block->setValue(block);
    }
    answerRead();
}

void LessonPanel::answerRead()
{
    const int picked = m_file->currentIndex();
    const bool loaded = m_screen != nullptr && m_screen->isLoaded();
    if (!loaded || picked < 0 || picked >= static_cast<int>(m_screen->files().size())) {
        m_rule->setText(loaded ? ruleOf(m_screen->id()) : QString());
        m_block->setEnabled(false);
        m_clearPick->setEnabled(false);
        m_path->setText(loaded && m_screen->files().empty() ? tr("No file is listed yet.") : tr("Pick a file."));
        m_whole->clear();
        m_note->clear();
        setMarks({});
        return;
    }
    const ScreenId id = m_screen->id();
    const FileRecord& file = m_screen->files()[static_cast<std::size_t>(picked)];
    const int held = static_cast<int>(dataBlocksOf(file).size());
    m_rule->setText(ruleOf(id));
    m_clearPick->setEnabled(true);
    {
        const QSignalBlocker blocking(m_block);
        m_block->setRange(0, std::max(held - 1, 0));
        m_block->setEnabled(held > 0);
    }
    const WholeRead whole = readWholeFile(file);
    m_whole->setText(tr("%1, %2").arg(counted(static_cast<int>(whole.blocks.size()), tr("disk read"), tr("disk reads")),
        counted(whole.jumps, tr("jump of the head"), tr("jumps of the head"))));
    m_note->setText(text(holdingNote(id, file)));
    const auto path = readBlock(id, file, m_block->value());
    if (!path) {
        m_path->setText(tr("It holds no data block to read."));
        setMarks({});
        return;
    }
    m_path->setText(text(readPathText(path->blocks)));
    setMarks(path->blocks);
}

void LessonPanel::answerFreeSpace()
{
    if (m_screen == nullptr || !m_screen->isLoaded()) {
        for (QLabel* label : {m_bitmap, m_runs, m_free, m_largest})
            label->clear();
        return;
    }
    const FreeSpace space = freeSpaceOf(m_screen->form().disk);
    QStringList rows;
    for (const std::string& row : space.bitmap)
        rows << text(row);
    m_bitmap->setText(rows.join(QLatin1Char('\n')));
    m_runs->setText(text(freeRunsText(space.runs)));
    m_free->setText(QString::number(space.freeBlocks));
    m_largest->setText(m_screen->id() == ScreenId::Contiguous
            ? tr("Largest file Add can place: %1 (the longest free run)")
                  .arg(counted(space.largestRun, tr("block"), tr("blocks")))
            : tr("Longest free run: %1").arg(counted(space.largestRun, tr("block"), tr("blocks"))));
}

void LessonPanel::setMarks(const std::vector<int>& blocks)
{
    if (m_window != nullptr)
        m_window->grid()->setReadMarks(isVisible() ? blocks : std::vector<int>{});
}

void LessonPanel::showBeside()
{
    if (!isVisible()) {
        adjustSize();
        if (m_window != nullptr) {
            // To the right of the method window where there is room, else to its left; on a small
            // screen over the window's left edge, where its picture is and not the disk.
            const QRect frame = m_window->frameGeometry();
            QPoint at(frame.right() + 8, frame.top());
            if (const QScreen* display = m_window->screen()) {
                const QRect room = display->availableGeometry();
                if (at.x() + width() > room.right())
                    at.setX(std::max(room.left(), frame.left() - 8 - width()));
            }
            move(at);
        }
    }
    show();
    raise();
}

void LessonPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    answerRead();
}

void LessonPanel::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (m_window != nullptr)
        m_window->grid()->setReadMarks({});
}
