#include "panel/lesson_panel.h"

#include "core/screen.h"
#include "lesson/lecture.h"
#include "panel/exercise_page.h"
#include "panel/free_space_page.h"
#include "panel/lecture_page.h"
#include "panel/read_page.h"
#include "widgets/disk_grid_widget.h"
#include "widgets/method_window.h"
#include "core/window_layout.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QScrollArea>
#include <QScreen>
#include <QWindow>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int PANEL_WIDTH = 360;

// Assistive technology hears the panel as a window of its own, named by its title.
QAccessibleInterface* accessiblePanel(const QString& className, QObject* object)
{
    if (className == QLatin1String("LessonPanel"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

}  // namespace

// A tool window: window managers keep it in front of the method window that it belongs to.
LessonPanel::LessonPanel(Lecture& lecture, QWidget* parent) : QWidget(parent, Qt::Tool)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessiblePanel);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("lessonPanel"));
    setWindowTitle(tr("Lesson"));
    setAccessibleName(windowTitle());
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
    // Where the screen leaves it little room, the pages scroll.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_tabs);
    layout->addWidget(scroll);

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
    connect(m_read, &ReadPage::compareClicked, this, &LessonPanel::compareRequested);
    connect(m_exercise, &ExercisePage::marksChanged, this, &LessonPanel::showMarks);
    setMinimumWidth(NARROWEST_PANEL);
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

void LessonPanel::showBeside(MethodWindow* window)
{
    if (!isVisible()) {
        adjustSize();
        placeBeside(window);
    }
    show();
    raise();
}

void LessonPanel::placeBeside(MethodWindow* window)
{
    if (window == nullptr || window->screen() == nullptr)
        return;
    const QRect room = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    // The panel's frame, before it has one of its own, is taken to be as thick as the window's.
    const QMargins edges(window->geometry().left() - frame.left(), window->geometry().top() - frame.top(),
        frame.right() - window->geometry().right(), frame.bottom() - window->geometry().bottom());
    const QSize content = m_tabs->sizeHint() + QSize(0, m_screenName->sizeHint().height() + 3 * layout()->spacing());
    const QSize wanted = content.expandedTo(QSize(PANEL_WIDTH, 0)).grownBy(layout()->contentsMargins()).grownBy(edges);
    const QPoint disk = window->grid()->mapTo(window, QPoint(0, 0));
    const PairPlacement at = placePair({room.x(), room.y(), room.width(), room.height()},
        {frame.width(), frame.height()}, {wanted.width(), wanted.height()},
        {edges.left() + disk.x(), edges.top() + disk.y()});
    window->move(at.window.x, at.window.y);
    // Window managers read whose panel it is when it is shown.
    winId();
    if (QWindow* own = windowHandle(); own != nullptr && !isVisible())
        own->setTransientParent(window->windowHandle());
    setFixedSize(at.panel.width - edges.left() - edges.right(), at.panel.height - edges.top() - edges.bottom());
    move(at.panel.x, at.panel.y);
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
