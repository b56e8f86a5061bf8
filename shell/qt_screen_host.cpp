#include "shell/qt_screen_host.h"

#include "compare/compare_window.h"
#include "contiguous/contiguous_window.h"
#include "core/screen.h"
#include "indexed/indexed_window.h"
#include "lesson/lesson_panel.h"
#include "linked/linked_window.h"
#include "shell/about_dialog.h"
#include "shell/platform_services.h"
#include "shell/screens.h"
#include "widgets/report_list_widget.h"
#include "widgets/backdrop_widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace {

MethodWindow* makeWindow(Screen& screen)
{
    switch (screen.id()) {
    case ScreenId::Contiguous: return new ContiguousWindow(screen);
    case ScreenId::Linked: return new LinkedWindow(screen);
    case ScreenId::IndexedL:
    case ScreenId::IndexedM: return new IndexedWindow(screen);
    }
    return nullptr;
}

}  // namespace

QtScreenHost::QtScreenHost(Share& share) : QtScreenHost(share, makeSystemRegistry(), makeProgramStarter()) {}

QtScreenHost::QtScreenHost(Share& share, std::unique_ptr<Registry> registry, std::unique_ptr<ProgramStarter> starter)
    : m_share(share), m_registry(std::move(registry)), m_starter(std::move(starter))
{
}

QtScreenHost::~QtScreenHost()
{
    // Windows go before the screen objects that they show.
    for (auto& [screen, window] : m_windows)
        delete window.data();
    delete m_about.data();
    delete m_lesson.data();
    delete m_compare.data();
}

MethodWindow* QtScreenHost::window(ScreenId screen) const
{
    const auto it = m_windows.find(screen);
    return it == m_windows.end() || it->second.isNull() || !it->second->isVisible() ? nullptr : it->second.data();
}

Screen* QtScreenHost::screen(ScreenId screen) const
{
    const auto it = m_screens.find(screen);
    return it == m_screens.end() ? nullptr : it->second.get();
}

void QtScreenHost::createScreen(ScreenId screen)
{
    m_screens[screen] = makeScreen(screen, m_share);
    m_initial[screen] = m_screens[screen]->save();
}

void QtScreenHost::loadScreen(ScreenId id)
{
    Screen& screen = *m_screens.at(id);
    screen.load();
    m_history.forget();
    m_focusBefore.clear();
    MethodWindow* window = makeWindow(screen);
    m_windows[id] = window;
    connect(window, &MethodWindow::exitRequested, this, [this] { m_navigator.exit(); });
    connect(window, &MethodWindow::switchRequested, this, [this](ScreenId target) { m_navigator.switchTo(target); });
    connect(window, &MethodWindow::aboutRequested, this, [this] { m_navigator.showAbout(); });
    connect(window, &MethodWindow::closed, this, [this] { m_navigator.screenClosed(); });
    connect(window, &MethodWindow::rendered, this, [this] {
        if (m_lesson != nullptr)
            m_lesson->refresh();
    });
    connect(window, &MethodWindow::aboutToAct, this, [this, &screen] {
        m_history.record(screen, m_share);
        m_focusBefore.emplace_back(QApplication::focusWidget());
        if (m_lesson != nullptr)
            m_lesson->noteAction();
    });
    // The keys of the lesson panel and the lecture controls; nothing on the screen itself changes.
    const auto key = [this, window](int code, auto act) {
        connect(new QShortcut(QKeySequence(code), window), &QShortcut::activated, this, act);
    };
    key(Qt::Key_F2, [this] { showLesson(); });
    key(Qt::Key_F3, [this] { copyPicture(); });
    key(Qt::Key_F4, [this] { stepBack(); });
    key(Qt::Key_F5, [this] { restart(); });
    key(Qt::Key_F6, [this] { showCompare(); });
    key(Qt::Key_Escape, [this] {
        if (m_lesson != nullptr)
            m_lesson->stopPlaying();
    });
    window->render();
}

void QtScreenHost::showScreen(ScreenId screen)
{
    if (MethodWindow* w = m_windows[screen].data()) {
        useApplicationIconAfterFirstFrame(w);
        w->showCentred();
        w->raise();
        w->activateWindow();
        if (m_lesson != nullptr)
            m_lesson->follow(m_screens.at(screen).get(), w);
    }
}

void QtScreenHost::unloadScreen(ScreenId screen)
{
    m_screens.at(screen)->unload();
    if (m_lesson != nullptr && m_lesson->followed() == m_screens.at(screen).get())
        m_lesson->follow(nullptr, nullptr);
    if (MethodWindow* w = m_windows[screen].data()) {
        w->hide();
        w->deleteLater();
    }
}

void QtScreenHost::loadAbout()
{
    delete m_about.data();  // one closed a moment ago and not yet deleted
    m_about = new AboutDialog(*m_registry, *m_starter);
    connect(m_about.data(), &AboutDialog::closed, this, [this] {
        if (AboutDialog* dialog = m_about.data()) {
            dialog->deleteLater();
            m_about.clear();
        }
        m_navigator.aboutClosed();
    });
    // Beside the screen: to its right where there is room, otherwise over its right-hand part.
    for (const auto& [screen, window] : m_windows) {
        if (window.isNull() || !window->isVisible())
            continue;
        const QRect frame = window->frameGeometry();
        QPoint at(frame.right() + 8, frame.top() + 40);
        if (const QScreen* display = window->screen()) {
            const QRect room = display->availableGeometry();
            if (at.x() + m_about->width() > room.right())
                at.setX(std::max(room.left(), room.right() - m_about->width() - 16));
        }
        m_about->move(at);
    }
}

void QtScreenHost::showAbout()
{
    if (AboutDialog* dialog = m_about.data()) {
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    }
}

void QtScreenHost::endProgram() { QCoreApplication::quit(); }

AboutDialog* QtScreenHost::about() const { return m_about.data(); }

LessonPanel& QtScreenHost::lessonPanel()
{
    if (m_lesson == nullptr) {
        m_lesson = new LessonPanel(m_share);
        m_lesson->setLectureActions(this);
        m_lesson->seedExercises(m_exerciseSeed);
        m_lesson->setScenario(m_scenario);
    }
    return *m_lesson;
}

void QtScreenHost::setScenario(std::vector<ScenarioStep> steps)
{
    m_scenario = std::move(steps);
    if (m_lesson != nullptr)
        m_lesson->setScenario(m_scenario);
}

MethodWindow* QtScreenHost::loadedWindow() const
{
    const auto loaded = m_navigator.loaded();
    return loaded ? window(*loaded) : nullptr;
}

void QtScreenHost::restart()
{
    m_share.rewindTo(0);
    m_history.forget();
    m_focusBefore.clear();
    for (auto& [id, screen] : m_screens)
        screen->restore(*m_initial.at(id));
    if (m_lesson != nullptr)
        m_lesson->restartExercises();
    const auto current = m_navigator.loaded();
    if (!current)
        return;
    m_screens.at(*current)->load();
    if (MethodWindow* w = m_windows[*current].data()) {
        w->render();
        if (auto* first = w->findChild<QLineEdit*>(QStringLiteral("txFile")))
            first->setFocus(Qt::OtherFocusReason);
    }
}

bool QtScreenHost::stepBack()
{
    const auto current = m_navigator.loaded();
    MethodWindow* w = loadedWindow();
    if (!current || w == nullptr || !m_history.stepBack(*m_screens.at(*current), m_share))
        return false;
    if (m_lesson != nullptr)
        m_lesson->stopPlaying();
    w->render();
    if (!m_focusBefore.empty()) {
        if (QWidget* focus = m_focusBefore.back().data(); focus != nullptr && focus->window() == w)
            focus->setFocus(Qt::OtherFocusReason);
        m_focusBefore.pop_back();
    }
    return true;
}

void QtScreenHost::copyPicture()
{
    if (MethodWindow* w = loadedWindow())
        QGuiApplication::clipboard()->setPixmap(w->grab());
}

bool QtScreenHost::pressNext()
{
    MethodWindow* w = loadedWindow();
    auto* next = w != nullptr ? w->findChild<QPushButton*>(QStringLiteral("cmNext")) : nullptr;
    if (next == nullptr || !next->isEnabled() || !next->isVisible())
        return false;
    next->click();
    return true;
}

void QtScreenHost::perform(const ScenarioStep& step)
{
    if (step.kind == ScenarioStep::Kind::Screen) {
        m_navigator.switchTo(step.screen);
        return;
    }
    MethodWindow* w = loadedWindow();
    if (w == nullptr)
        return;
    const auto press = [w](const char* name) {
        if (auto* button = w->findChild<QPushButton*>(QString::fromLatin1(name)); button && button->isEnabled())
            button->click();
    };
    switch (step.kind) {
    case ScenarioStep::Kind::Add:
        for (const auto& [name, text] : {std::pair{"txFile", &step.name}, {"txStart", &step.start}, {"txLenght", &step.length}}) {
            if (auto* field = w->findChild<QLineEdit*>(QString::fromLatin1(name)); field && field->isEnabled())
                field->setText(QString::fromStdString(*text));
        }
        press("cmAdd");
        break;
    case ScenarioStep::Kind::Next:
        for (int n = 0; n < step.count && pressNext(); ++n) {
        }
        break;
    case ScenarioStep::Kind::NextAll:
        for (int n = 0; n < 1000 && pressNext(); ++n) {
        }
        break;
    case ScenarioStep::Kind::Clear: press("cmClear"); break;
    case ScenarioStep::Kind::Row:
        if (auto* list = w->findChild<ReportListWidget*>(QStringLiteral("lvDirectory"))) {
            if (QTreeWidgetItem* item = list->topLevelItem(step.count - 1)) {
                list->setCurrentItem(item);
                w->onRowClicked(step.count - 1);
            }
        }
        break;
    case ScenarioStep::Kind::Screen: break;
    }
}

void QtScreenHost::showLesson(bool activate)
{
    lessonPanel();
    const auto loaded = m_navigator.loaded();
    if (loaded && m_lesson->followed() == nullptr)
        m_lesson->follow(m_screens.at(*loaded).get(), m_windows[*loaded].data());
    m_lesson->showBeside();
    if (activate)
        m_lesson->activateWindow();
}

LessonPanel* QtScreenHost::lesson() const { return m_lesson.data(); }

void QtScreenHost::showCompare(const Workload& workload)
{
    if (m_compare == nullptr) {
        m_compare = new CompareWindow(m_comparisonSeed);
        connect(m_compare.data(), &CompareWindow::screenFilesWanted, this, [this] {
            if (const auto loaded = m_navigator.loaded())
                m_compare->setWorkload(workloadFrom(m_screens.at(*loaded)->files()));
        });
    }
    if (!workload.empty())
        m_compare->setWorkload(workload);
    m_compare->showBeside(loadedWindow());
    m_compare->activateWindow();
}

CompareWindow* QtScreenHost::compare() const { return m_compare.data(); }
