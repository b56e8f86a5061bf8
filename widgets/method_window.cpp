#include "widgets/method_window.h"

#include "core/screen.h"
#include "widgets/backdrop_widget.h"
#include "widgets/disk_grid_widget.h"
#include "widgets/entry_frame_widget.h"
#include "widgets/form_geometry.h"
#include "widgets/report_list_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

MethodWindow::MethodWindow(Screen& screen) : m_screen(screen), m_messages(this, [this] { render(); })
{
    const ScreenFacts& facts = factsOf(screen.id());
    setObjectName(QString::fromLatin1(facts.formName.data(), static_cast<qsizetype>(facts.formName.size())));
    setWindowTitle(QString::fromLatin1(facts.caption.data(), static_cast<qsizetype>(facts.caption.size())));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(msSansSerif(8.25));

    auto* backdrop = new BackdropWidget(this);
    backdrop->setObjectName(QStringLiteral("client"));
    backdrop->setFixedSize(twipsToPixels(facts.clientWidth), twipsToPixels(facts.clientHeight));
    setCentralWidget(backdrop);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_grid = new DiskGridWidget(backdrop);
    buildMenus();
}

QWidget* MethodWindow::client() const { return centralWidget(); }

void MethodWindow::showCentred()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void MethodWindow::buildMenus()
{
    const auto text = [](std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); };
    QMenu* menu = menuBar()->addMenu(tr("&Menu"));
    menu->setObjectName(QStringLiteral("menu"));
    QAction* exit = menu->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("exit"));
    connect(exit, &QAction::triggered, this, &MethodWindow::exitRequested);

    QMenu* method = menuBar()->addMenu(tr("Me&thod"));
    method->setObjectName(QStringLiteral("mnMethod"));
    for (const MethodItem& item : factsOf(m_screen.id()).methodMenu) {
        QAction* action = method->addAction(text(item.caption));
        action->setObjectName(text(item.name));
        const ScreenId target = item.target;
        connect(action, &QAction::triggered, this, [this, target] { emit switchRequested(target); });
    }

    QAction* about = menuBar()->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("mnAbout"));
    connect(about, &QAction::triggered, this, &MethodWindow::aboutRequested);
}

std::optional<Control> MethodWindow::focusedControl() const
{
    const QWidget* focus = QApplication::focusWidget();
    for (const auto& [control, widget] : m_controls) {
        if (widget == focus)
            return control;
    }
    return std::nullopt;
}

void MethodWindow::showRowSelected(std::size_t row)
{
    if (auto* list = qobject_cast<ReportListWidget*>(m_controls.at(Control::lvDirectory))) {
        if (QTreeWidgetItem* item = list->topLevelItem(static_cast<int>(row)))
            list->setCurrentItem(item);
    }
}

void MethodWindow::onAddClicked()
{
    emit aboutToAct(Control::cmAdd);
    m_screen.addFile(messages());
    render();
}

void MethodWindow::onNextClicked()
{
    emit aboutToAct(Control::cmNext);
    m_screen.nextBlock(messages());
    render();
}

void MethodWindow::onClearClicked()
{
    emit aboutToAct(Control::cmClear);
    m_screen.clear();
    render();
}

void MethodWindow::onRowClicked(int row)
{
    if (row >= 0) {
        emit aboutToClickRow(static_cast<std::size_t>(row));
        m_screen.clickRow(static_cast<std::size_t>(row));
    }
    render();
}

const form_layout::ScreenLayout& MethodWindow::formLayout() const { return form_layout::layoutOf(m_screen.id()); }

EntryFrameWidget* MethodWindow::addEntryFrame()
{
    auto* frame = new EntryFrameWidget(client(), formLayout().entry);
    place(frame, formLayout().entry.frame);
    for (const Control c : {Control::txFile, Control::txStart, Control::txLenght}) {
        if (QLineEdit* box = frame->field(c))
            registerControl(c, box);
    }
    registerControl(Control::cmAdd, frame->cmAdd());
    registerControl(Control::cmClear, frame->cmClear());
    connect(frame->cmAdd(), &QPushButton::clicked, this, &MethodWindow::onAddClicked);
    connect(frame->cmClear(), &QPushButton::clicked, this, &MethodWindow::onClearClicked);
    connect(frame, &EntryFrameWidget::fieldEdited, this,
        [this](Control field, const QString& text) { m_screen.type(field, text.toStdString()); });
    connect(frame, &EntryFrameWidget::enterPressed, this, [this](Control field) {
        m_screen.enterPressed(field, messages());
        render();
    });
    frame->field(Control::txFile)->setFocus();
    return frame;
}

ReportListWidget* MethodWindow::addDirectory()
{
    auto* heading = new QLabel(QStringLiteral("Directory"), client());
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(msSansSerif(12, true));
    heading->setAlignment(Qt::AlignCenter);
    place(heading, form_layout::DIRECTORY_HEADING);

    ReportListWidget* list = addList(Control::lvDirectory, heading->text(), formLayout().directory);
    connect(list, &ReportListWidget::rowClicked, this, &MethodWindow::onRowClicked);
    return list;
}

ReportListWidget* MethodWindow::addList(Control control, const QString& accessibleName, const form_layout::Rect& at)
{
    auto* list = new ReportListWidget(client());
    list->setObjectName(QString::fromLatin1(controlName(control)));
    list->setAccessibleName(accessibleName);
    list->setFont(msSansSerif(8.25, true));
    place(list, at);
    registerControl(control, list);
    return list;
}

void MethodWindow::addLabels()
{
    for (std::size_t i = 0; i < formLayout().labelCount; ++i) {
        const form_layout::LabelPlace& at = formLayout().labels.at(i);
        auto* label = new QLabel(client());
        label->setObjectName(QString::fromLatin1(controlName(at.control)));
        place(label, at.rect);
        if (at.centred)
            label->setAlignment(Qt::AlignCenter);
        registerControl(at.control, label);
    }
}

QLabel* MethodWindow::label(Control control) const
{
    const auto it = m_controls.find(control);
    return it == m_controls.end() ? nullptr : qobject_cast<QLabel*>(it->second);
}

QPushButton* MethodWindow::addNextButton()
{
    auto* cmNext = new QPushButton(QStringLiteral("Next Block >"), client());
    cmNext->setObjectName(QStringLiteral("cmNext"));
    cmNext->setAccessibleName(QStringLiteral("Next Block"));
    cmNext->setAutoDefault(true);  // Enter presses it, so that a file can be placed from the keyboard
    place(cmNext, formLayout().next.value());
    registerControl(Control::cmNext, cmNext);
    connect(cmNext, &QPushButton::clicked, this, &MethodWindow::onNextClicked);
    return cmNext;
}

void MethodWindow::registerControl(Control control, QWidget* widget) { m_controls[control] = widget; }

void MethodWindow::chainTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (w == nullptr)
            continue;
        if (previous != nullptr)
            setTabOrder(previous, w);
        previous = w;
    }
}

void MethodWindow::render()
{
    if (!m_screen.isLoaded())
        return;
    const Form& form = m_screen.form();
    m_grid->render(form.disk);
    for (const auto& [control, list] : form.lists) {
        if (auto* widget = qobject_cast<ReportListWidget*>(m_controls.at(control)))
            widget->render(list);
    }
    for (const auto& [control, caption] : form.captions) {
        auto* label = qobject_cast<QLabel*>(m_controls.at(control));
        const QString text = QString::fromStdString(caption);
        if (label != nullptr && label->text() != text)
            label->setText(text);
    }
    for (const Control c : form.fields.fields()) {
        auto* box = qobject_cast<QLineEdit*>(m_controls.at(c));
        const QString text = QString::fromStdString(form.fields.text(c));
        if (box->text() != text)
            box->setText(text);
    }
    for (const auto& [control, widget] : m_controls) {
        // Hide before disabling and enable before showing, so that the focus never lands on a
        // control on its way out.
        if (!form.fields.isVisible(control))
            widget->setVisible(false);
        widget->setEnabled(form.fields.isEnabled(control));
        if (form.fields.isVisible(control))
            widget->setVisible(true);
    }
    if (const auto target = m_screen.takeFocusRequest()) {
        const auto it = m_controls.find(*target);
        if (it != m_controls.end() && it->second->isEnabled())
            it->second->setFocus(Qt::OtherFocusReason);
    }
    emit rendered();
}

void MethodWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}
