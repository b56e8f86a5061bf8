#pragma once

#include "core/disk_grid_widget.h"
#include "core/entry_form.h"
#include "core/entry_frame_widget.h"
#include "core/file_directory.h"
#include "core/method_window.h"
#include "core/report_list_widget.h"

#include <QLineEdit>
#include <QPushButton>

// A method window over its screen object: it unloads the screen when it goes, forwards Enter in
// the fields, and turns Add, Next and Clear into the screen's actions. Loading is the derived
// window's last step, once its controls stand.
template <typename ScreenObject> class MethodScreenWindow : public MethodWindow {
public:
    MethodScreenWindow(ScreenObject& screen, const QString& caption, int clientWidth, int clientHeight)
        : MethodWindow(caption, clientWidth, clientHeight), m_screen(screen)
    {
    }
    ~MethodScreenWindow() override { m_screen.unload(); }

    void onAddClicked()
    {
        m_screen.addFile(messages());
        render();
    }
    void onNextClicked()
    {
        m_screen.nextBlock(messages());
        render();
    }
    void onClearClicked()
    {
        m_screen.clear();
        render();
    }

protected:
    // The entry frame at its left edge and height (it stands 120 twips from the top, 3495 wide) and
    // the directory below it. Tab runs from the fields over Add into the directory.
    void addEntryAndDirectory(
        EntryFrameWidget* frame, int frameLeft, int frameHeight, int directoryLeft, int directoryWidth)
    {
        Frame1 = frame;
        addEntryFrame(Frame1, frameLeft, 120, 3495, frameHeight);
        connect(Frame1->cmAdd(), &QPushButton::clicked, this, &MethodScreenWindow::onAddClicked);
        connect(Frame1->cmClear(), &QPushButton::clicked, this, &MethodScreenWindow::onClearClicked);
        lvDirectory = addDirectory(directoryLeft, directoryWidth);
        chainTabOrder({Frame1->field(Control::txFile), Frame1->field(Control::txStart),
            Frame1->field(Control::txLenght), Frame1->cmAdd(), lvDirectory});
    }

    // File, Start and Lenght with the directory below, where the screens that take a start block
    // have them; Tab goes on from the directory into the disk.
    void addStartEntryAndDirectory()
    {
        addEntryAndDirectory(EntryFrameWidget::withStart(client()), 6360, 1335, 6360, FileDirectory::WIDTH);
        chainTabOrder({lvDirectory, grid()->Block(0)});
    }

    // "Next Block >" at left, top in twips.
    QPushButton* addNextButton(int left, int top)
    {
        auto* cmNext = new QPushButton(QStringLiteral("Next Block >"), client());
        cmNext->setObjectName(QStringLiteral("cmNext"));
        cmNext->setAccessibleName(QStringLiteral("Next Block"));
        cmNext->setAutoDefault(true);  // Enter presses it, so that a file can be placed from the keyboard
        place(cmNext, left, top, 1215, 375);
        registerControl(Control::cmNext, cmNext);
        connect(cmNext, &QPushButton::clicked, this, &MethodScreenWindow::onNextClicked);
        return cmNext;
    }

    // The load steps, then the focus where the form opens with it.
    void load()
    {
        m_screen.load();
        render();
        if (Frame1 != nullptr)
            Frame1->field(Control::txFile)->setFocus();
    }
    // Brings the disk and the form's states up to date, and before the focus moves, whatever else
    // `showMore` shows of the form.
    template <typename ShowMore> void renderScreen(ShowMore showMore)
    {
        if (!m_screen.isLoaded())
            return;
        const auto& form = m_screen.form();
        grid()->render(form.disk);
        showMore(form);
        renderForm();
    }
    EntryForm* entryForm() override { return m_screen.isLoaded() ? &m_screen.form().fields : nullptr; }
    void onEnterPressed(Control field) override { m_screen.enterPressed(field, messages()); }

    ScreenObject& m_screen;
    EntryFrameWidget* Frame1 = nullptr;
    ReportListWidget* lvDirectory = nullptr;
};
