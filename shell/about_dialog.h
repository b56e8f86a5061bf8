#pragma once

#include "widgets/message_box_dialog.h"

#include <QDialog>


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
