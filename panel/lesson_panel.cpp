#include "panel/lesson_panel.h"

#include "core/screen.h"
#include "lesson/lecture.h"
#include "panel/exercise_page.h"
#include "panel/free_space_page.h"
#include "panel/lecture_page.h"
#include "panel/read_page.h"
#include "widgets/beside.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

LessonPanel::LessonPanel(Lecture& lecture, QWidget* parent) : QWidget(parent, Qt::Window)
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

    m_read = new ReadPage;
    m_freeSpace = new FreeSpacePage;
    m_exercise = new ExercisePage(lecture.exercises(), lecture.share());
    m_lecture = new LecturePage(lecture);
    m_tabs->addTab(m_read, tr("&Read"));
    m_tabs->addTab(m_freeSpace, tr("Free &space"));
    m_tabs->addTab(m_exercise, tr("E&xercise"));
    m_tabs->addTab(m_lecture, tr("L&ecture"));
    if (!lecture.scenario().empty())
        m_tabs->setCurrentWidget(m_lecture);

    connect(m_read, &ReadPage::marksChanged, this, &LessonPanel::showMarks);
    connect(m_exercise, &ExercisePage::marksChanged, this, &LessonPanel::showMarks);
    setFixedWidth(360);
    refresh();
}

void LessonPanel::follow(Screen* screen)
{
    m_screen = screen;
    refresh();
}

void LessonPanel::refresh()
{
    const bool loaded = m_screen != nullptr && m_screen->isLoaded();
    m_screenName->setText(loaded ? QString::fromLatin1(factsOf(m_screen->id()).methodName.data(),
                                       static_cast<qsizetype>(factsOf(m_screen->id()).methodName.size()))
                                 : tr("No method screen is open."));
    m_tabs->setEnabled(loaded);
    m_read->refresh(m_screen);
    m_freeSpace->refresh(m_screen);
    m_exercise->refresh(m_screen);
}

void LessonPanel::showMarks(const std::vector<int>& blocks)
{
    m_marks = blocks;
    if (isVisible())
        emit marksChanged(m_marks);
}

void LessonPanel::showBeside(const QWidget* window)
{
    if (!isVisible()) {
        adjustSize();
        if (window != nullptr)
            move(besidePosition(*window, size(), 0, Otherwise::Left));
    }
    show();
    raise();
}

void LessonPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    emit marksChanged(m_marks);
}

void LessonPanel::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit marksChanged({});
}
