#include "panel/answer_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

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

namespace {

constexpr const char* STABLE_NAME = "pellucorStableName";

class StableComboAccessible final : public QAccessibleWidget {
public:
    explicit StableComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* box = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Name)
            return box->accessibleName();
        if (t == QAccessible::Value)
            return box->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* stableCombo(const QString& className, QObject* object)
{
    auto* box = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || box == nullptr
        || !box->property(STABLE_NAME).toBool())
        return nullptr;
    return new StableComboAccessible(box);
}

}  // namespace

void keepNameStable(QComboBox* box)
{
    box->setProperty(STABLE_NAME, true);
    static const bool installed = [] {
        QAccessible::installFactory(stableCombo);
        return true;
    }();
    Q_UNUSED(installed);
}

QString counted(int n, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}
