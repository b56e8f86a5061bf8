#include "widgets/entry_frame_widget.h"

#include "core/entry_form.h"
#include "widgets/form_geometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace form_layout;

QPushButton* button(const char* name, const QString& text, QWidget* parent, int top)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(text);
    b->setAutoDefault(true);  // Enter on a focused button presses it, as Space does
    place(b, BUTTON_LEFT, top, BUTTON_WIDTH, BUTTON_HEIGHT);
    return b;
}

}  // namespace

EntryFrameWidget::EntryFrameWidget(QWidget* parent, const EntryFrame& layout) : WhiteFrame(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setAccessibleName(QStringLiteral("New file"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);

    m_cmClear = button("cmClear", QStringLiteral("Clear"), this, CLEAR_TOP);
    for (std::size_t r = 0; r < layout.rowCount; ++r) {
        const FieldRow& row = layout.rows.at(r);
        // A caption sizes itself to its text, as the form's labels do; the given size is the least.
        auto* label = new QLabel(QString::fromLatin1(row.caption.data(), static_cast<qsizetype>(row.caption.size())), this);
        label->setObjectName(QString::fromLatin1(row.labelName.data(), static_cast<qsizetype>(row.labelName.size())));
        label->setAlignment(Qt::AlignCenter);
        place(label, CAPTION_LEFT, row.top, row.labelWidth, CAPTION_HEIGHT);
        label->resize(label->size().expandedTo(label->sizeHint()));
        m_captions[row.field] = label;

        const QString name = QString::fromLatin1(controlName(row.field));
        auto* box = new QLineEdit(name, this);
        box->setObjectName(name);
        box->setAccessibleName(label->text());
        label->setBuddy(box);
        place(box, FIELD_LEFT, row.top, FIELD_WIDTH, FIELD_HEIGHT);
        m_fields[row.field] = box;

        const Control field = row.field;
        connect(
            box, &QLineEdit::textChanged, this, [this, field](const QString& text) { emit fieldEdited(field, text); });
        connect(box, &QLineEdit::returnPressed, this, [this, field] { emit enterPressed(field); });
    }
    m_cmAdd = button("cmAdd", QStringLiteral("Add"), this, layout.addTop);
}

QLineEdit* EntryFrameWidget::field(Control field) const
{
    const auto it = m_fields.find(field);
    return it == m_fields.end() ? nullptr : it->second;
}

QLabel* EntryFrameWidget::caption(Control field) const
{
    const auto it = m_captions.find(field);
    return it == m_captions.end() ? nullptr : it->second;
}
