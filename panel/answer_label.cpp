#include "panel/answer_label.h"

QLabel* answerLabel(const QString& accessibleName, const char* objectName)
{
    auto* label = new QLabel;
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setAccessibleName(accessibleName);
    if (objectName != nullptr)
        label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

QString counted(int n, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}
