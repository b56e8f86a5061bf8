#include "panel/read_page.h"

#include "core/screen.h"
#include "lesson/reading.h"
#include "panel/answer_label.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

ReadPage::ReadPage()
{
    auto* form = new QFormLayout(this);
    m_file = new QComboBox;
    keepNameStable(m_file);
    m_file->setObjectName(QStringLiteral("lessonFile"));
    m_file->setAccessibleName(tr("File to read"));
    m_file->setPlaceholderText(tr("(pick a listed file)"));
    m_block = new QSpinBox;
    m_block->setObjectName(QStringLiteral("lessonBlock"));
    m_block->setAccessibleName(tr("Block of the file, counted from 0"));
    m_clearPick = new QPushButton(tr("C&lear the pick"));
    m_clearPick->setObjectName(QStringLiteral("lessonClearPick"));
    m_rule = new AnswerLabel(tr("How this method reads"));
    m_path = new AnswerLabel(tr("Disk reads"), "lessonPath");
    m_whole = new AnswerLabel(tr("Reading the whole file"), "lessonWhole");
    m_note = new AnswerLabel(tr("What the file holds"), "lessonNote");
    form->addRow(tr("&File:"), m_file);
    form->addRow(tr("Bl&ock:"), m_block);
    form->addRow(QString(), m_clearPick);
    form->addRow(m_rule);
    form->addRow(tr("Reads:"), m_path);
    form->addRow(tr("Whole file:"), m_whole);
    form->addRow(m_note);
    auto* compare = new QPushButton(tr("Compare the &methods... (F6)"));
    compare->setObjectName(QStringLiteral("lessonCompare"));
    compare->setAccessibleName(tr("Compare the methods"));
    form->addRow(compare);
    connect(compare, &QPushButton::clicked, this, &ReadPage::compareClicked);
    connect(m_file, &QComboBox::currentIndexChanged, this, [this] { answer(); });
    connect(m_block, &QSpinBox::valueChanged, this, [this] { answer(); });
    connect(m_clearPick, &QPushButton::clicked, this, [this] { pick(-1, 0); });
}

void ReadPage::refresh(const Screen* screen)
{
    if (screen != m_screen) {
        const QSignalBlocker blocking(m_file);
        m_file->clear();
    }
    m_screen = screen;
    listFiles();
    answer();
}

void ReadPage::listFiles()
{
    const QSignalBlocker blocking(m_file);
    const int kept = m_file->currentIndex();
    QStringList names;
    if (m_screen != nullptr) {
        for (const FileRecord& file : m_screen->files())
            names << (file.number ? tr("%1 (file %2)").arg(text(file.name)).arg(*file.number) : text(file.name));
    }
    QStringList shown;
    for (int i = 0; i < m_file->count(); ++i)
        shown << m_file->itemText(i);
    if (shown != names) {
        m_file->clear();
        m_file->addItems(names);
    }
    m_file->setCurrentIndex(kept < names.size() ? kept : -1);
}

void ReadPage::pick(int file, int block)
{
    {
        const QSignalBlocker blocking(m_file);
        m_file->setCurrentIndex(file >= 0 && file < m_file->count() ? file : -1);
    }
    {
        const QSignalBlocker blocking(m_block);
        m_block->setValue(block);
    }
    answer();
}

void ReadPage::answer()
{
    const int picked = m_file->currentIndex();
    const bool loaded = m_screen != nullptr && m_screen->isLoaded();
    m_rule->setAnswer(loaded ? text(factsOf(m_screen->id()).readRule) : QString());
    if (!loaded || picked < 0 || picked >= static_cast<int>(m_screen->files().size())) {
        m_block->setEnabled(false);
        m_clearPick->setEnabled(false);
        m_path->setAnswer(loaded && m_screen->files().empty() ? tr("No file is listed yet.") : tr("Pick a file."));
        m_whole->clearAnswer();
        m_note->clearAnswer();
        setMarks({});
        return;
    }
    const FileRecord& file = m_screen->files()[static_cast<std::size_t>(picked)];
    const int held = static_cast<int>(dataBlocksOf(file).size());
    m_clearPick->setEnabled(true);
    {
        const QSignalBlocker blocking(m_block);
        m_block->setRange(0, std::max(held - 1, 0));
        m_block->setEnabled(held > 0);
    }
    const WholeRead whole = readWholeFile(file);
    m_whole->setAnswer(tr("%1, %2").arg(counted(static_cast<int>(whole.blocks.size()), tr("disk read"), tr("disk reads")),
        counted(whole.jumps, tr("jump of the head"), tr("jumps of the head"))));
    m_note->setAnswer(text(holdingNote(file)));
    const auto path = readBlock(*m_screen, file, m_block->value());
    if (!path) {
        m_path->setAnswer(tr("It holds no data block to read."));
        setMarks({});
        return;
    }
    m_path->setAnswer(text(readPathText(path->blocks)));
    setMarks(path->blocks);
}

void ReadPage::setMarks(std::vector<int> blocks)
{
    m_marks = std::move(blocks);
    emit marksChanged(m_marks);
}
