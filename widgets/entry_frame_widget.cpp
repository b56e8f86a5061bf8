#include "widgets/entry_frame_widget.h"

#include "core/entry_form.h"
#include "widgets/form_geometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int FIELD_LEFT = 1080;
constexpr int FIELD_WIDTH = 1215;
constexpr int FIELD_HEIGHT = 285;
constexpr int CAPTION_LEFT = 240;
constexpr int CAPTION_HEIGHT = 195;
constexpr int BUTTON_LEFT = 2520;
constexpr int BUTTON_WIDTH = 855;
constexpr int BUTTON_HEIGHT = 375;
constexpr int CLEAR_TOP = 240;

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

EntryFrameWidget::EntryFrameWidget(QWidget* parent, std::initializer_list<Row> rows, int addTop) : WhiteFrame(parent)
{
    setObjectName(QStringLiteral("Frame1"));
    setAccessibleName(QStringLiteral("New file"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);

    m_cmClear = button("cmClear", QStringLiteral("Clear"), this, CLEAR_TOP);
    for (const Row& row : rows) {
        // A caption sizes itself to its text, as the form's labels do; the given size is the least.
        auto* label = new QLabel(QString::fromLatin1(row.caption), this);
        label->setObjectName(QString::fromLatin1(row.labelName));
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
    m_cmAdd = button("cmAdd", QStringLiteral("Add"), this, addTop);
}

EntryFrameWidget* EntryFrameWidget::withStart(QWidget* parent)
{
    return new EntryFrameWidget(parent,
        {{Control::txFile, "Label2", "File", 240, 240}, {Control::txStart, "Label4", "Start", 330, 600},
            {Control::txLenght, "Label3", "Lenght", 510, 960}},
        840);
}

EntryFrameWidget* EntryFrameWidget::withoutStart(QWidget* parent)
{
    return new EntryFrameWidget(parent,
        {{Control::txFile, "Label2", "File", 240, 240}, {Control::txLenght, "Label3", "Lenght", 510, 720}}, 720);
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
