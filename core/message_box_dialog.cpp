#include "core/message_box_dialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>

namespace {

QString iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QStringLiteral("Information");
    case MessageIcon::Critical: return QStringLiteral("Error");
    case MessageIcon::None: break;
    }
    return {};
}

}  // namespace

void MessageBoxDialog::show(const Message& message)
{
    if (m_beforeShow)
        m_beforeShow();
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (message.icon) {
    case MessageIcon::None: break;
    case MessageIcon::Information: icon = QMessageBox::Information; break;
    case MessageIcon::Critical: icon = QMessageBox::Critical; break;
    }
    QMessageBox box(
        icon, QString::fromStdString(message.title), QString::fromStdString(message.text), QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    if (m_parent != nullptr)
        box.setFont(m_parent->font());
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // a plain OK, whatever the desktop's habit
    // The icon says whether this is a notice or an error; say it to screen readers too.
    if (auto* picture = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        picture->setAccessibleName(iconName(message.icon));
    box.exec();
}
