#pragma once

#include "widgets/backdrop_widget.h"
#include "core/control.h"
#include "core/form_layout.h"

#include <QFrame>

#include <map>

class QLabel;
class QLineEdit;
class QPushButton;

// The white frame that takes a file's particulars: a captioned line per entry field, Clear at the
// top right and Add beside the last field. Positions inside the frame are in twips.
class EntryFrameWidget final : public WhiteFrame {
    Q_OBJECT
public:
    // File, Start and Lenght, as on the contiguous and linked screens, or File and Lenght, as on the
    // indexed screens: the rows the layout gives.
    EntryFrameWidget(QWidget* parent, const form_layout::EntryFrame& layout);

    QLineEdit* field(Control field) const;
    QLabel* caption(Control field) const;
    QPushButton* cmAdd() const { return m_cmAdd; }
    QPushButton* cmClear() const { return m_cmClear; }

signals:
    // Whatever changed a field's text: typing, pasting, undo or the program.
    void fieldEdited(Control field, const QString& text);
    void enterPressed(Control field);

private:
    std::map<Control, QLineEdit*> m_fields;
    std::map<Control, QLabel*> m_captions;
    QPushButton* m_cmAdd = nullptr;
    QPushButton* m_cmClear = nullptr;
};
