#pragma once

#include "core/message_box_dialog.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
class ProgramStarter;
class Registry;

// The About dialog: what the program is and which version runs, and a button that starts the
// system's information program. It opens beside the method screen without blocking it.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    AboutDialog(Registry& registry, ProgramStarter& starter, QWidget* parent = nullptr);

    void onSysInfoClicked();

signals:
    // OK, Enter, Escape or the close box closed the dialog.
    void closed();

protected:
    void done(int result) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void load();

    Registry& m_registry;
    ProgramStarter& m_starter;
    MessageBoxDialog m_messages;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

// Looks up the system information program where this system keeps it: the registry on Windows,
// the installed programs elsewhere.
std::unique_ptr<Registry> makeSystemRegistry();
// Starts programs detached from Pellucor, through Qt.
std::unique_ptr<ProgramStarter> makeProgramStarter();
