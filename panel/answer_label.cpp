#include "panel/answer_label.h"

#include <QAccessible>

AnswerLabel::AnswerLabel(const QString& caption, const char* objectName)
{
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(caption);
    if (objectName != nullptr)
        setObjectName(QString::fromLatin1(objectName));
}

void AnswerLabel::setAnswer(const QString& answer)
{
    if (answer == text())
        return;
    setText(answer);
    setAccessibleDescription(answer);
    if (QAccessible::isActive() && isVisible()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

QString counted(int n, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}
