#include "panel/free_space_page.h"

#include "core/screen.h"
#include "lesson/free_space.h"
#include "panel/answer_label.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>

FreeSpacePage::FreeSpacePage()
{
    auto* form = new QFormLayout(this);
    m_bitmap = new AnswerLabel(tr("Free-block map, one row of eight blocks a line, 1 used, 0 free"), "lessonBitmap");
    m_bitmap->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_runs = new AnswerLabel(tr("Free runs"), "lessonRuns");
    m_free = new AnswerLabel(tr("Free blocks"), "lessonFree");
    m_largest = new AnswerLabel(tr("Largest run"), "lessonLargest");
    form->addRow(tr("Free-block map (1 used, 0 free):"), m_bitmap);
    form->addRow(tr("Free runs:"), m_runs);
    form->addRow(tr("Free blocks:"), m_free);
    form->addRow(m_largest);
}

void FreeSpacePage::refresh(const Screen* screen)
{
    if (screen == nullptr || !screen->isLoaded()) {
        for (AnswerLabel* label : {m_bitmap, m_runs, m_free, m_largest})
            label->clearAnswer();
        return;
    }
    const FreeSpace space = freeSpaceOf(screen->form().disk);
    QStringList rows;
    for (const std::string& row : space.bitmap)
        rows << QString::fromStdString(row);
    m_bitmap->setAnswer(rows.join(QLatin1Char('\n')));
    m_runs->setAnswer(QString::fromStdString(freeRunsText(space.runs)));
    m_free->setAnswer(QString::number(space.freeBlocks));
    const QString largest = counted(space.largestRun, tr("block"), tr("blocks"));
    m_largest->setAnswer(factsOf(screen->id()).oneRun
            ? tr("Largest file Add can place: %1 (the longest free run)").arg(largest)
            : tr("Longest free run: %1").arg(largest));
}
