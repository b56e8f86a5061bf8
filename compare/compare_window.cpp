#include "compare/compare_window.h"

#include "compare/reads_chart_widget.h"
#include "compare/small_disk_widget.h"
#include "core/screen.h"
#include "widgets/beside.h"

#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

constexpr int SAID_WIDTH = 250;  // pixels

// A header in lines of a few words, to keep the columns of numbers narrow.
QString wrapped(const QString& header)
{
    constexpr int LINE = 12;  // characters
    QStringList lines;
    for (const QString& word : header.split(QLatin1Char(' '))) {
        if (!lines.isEmpty() && lines.back().size() + 1 + word.size() <= LINE)
            lines.back() += QLatin1Char(' ') + word;
        else
            lines << word;
    }
    return lines.join(QLatin1Char('\n'));
}

QPushButton* button(const QString& caption, const char* name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// A label whose mnemonic gives the focus to `buddy`.
QLabel* labelFor(const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

CompareWindow::CompareWindow(std::optional<std::uint64_t> seed, QWidget* parent)
    : QWidget(parent, Qt::Window), m_comparison(seed)
{
    setObjectName(QStringLiteral("compareWindow"));
    setWindowTitle(tr("Compare"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // On a small or scaled screen the window scrolls rather than squeezing its disks and chart.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("compareScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    m_content = new QWidget;
    auto* layout = new QVBoxLayout(m_content);

    auto* top = new QHBoxLayout;
    layout->addLayout(top);
    auto* workloadBox = new QVBoxLayout;
    top->addLayout(workloadBox);
    m_workload = new QTableWidget(0, 2);
    m_workload->setObjectName(QStringLiteral("compareWorkload"));
    m_workload->setAccessibleName(tr("Workload: one file a row, its name and its length in blocks"));
    m_workload->setHorizontalHeaderLabels({tr("Name"), tr("Length")});
    m_workload->horizontalHeader()->setStretchLastSection(true);
    m_workload->verticalHeader()->setVisible(false);
    m_workload->setFixedWidth(220);
    m_workload->setTabKeyNavigation(false);
    workloadBox->addWidget(labelFor(tr("&Workload:"), m_workload));
    workloadBox->addWidget(m_workload, 1);
    auto* add = button(tr("&Add a file"), "compareAddFile");
    auto* remove = button(tr("&Remove the file"), "compareRemoveFile");
    auto* fromScreen = button(tr("Files of the &screen"), "compareFromScreen");
    auto* placeButton = button(tr("&Place"), "comparePlace");
    placeButton->setDefault(true);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    workloadBox->addLayout(rowButtons);
    workloadBox->addWidget(fromScreen);
    workloadBox->addWidget(placeButton);
    m_problem = new QLabel;
    m_problem->setObjectName(QStringLiteral("compareProblem"));
    m_problem->setWordWrap(true);
    m_problem->setFixedWidth(220);
    m_problem->setAccessibleName(tr("What stops the placing"));
    workloadBox->addWidget(m_problem);
    workloadBox->addSpacing(8);
    auto* choice = new QFormLayout;
    workloadBox->addLayout(choice);
    m_file = new QComboBox;
    m_file->setObjectName(QStringLiteral("compareFile"));
    m_file->setAccessibleName(tr("File to read"));
    m_file->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_file->setMinimumContentsLength(10);
    m_block = new QSpinBox;
    m_block->setObjectName(QStringLiteral("compareBlock"));
    m_block->setAccessibleName(tr("Block k of the file, counted from 0"));
    choice->addRow(labelFor(tr("&File:"), m_file), m_file);
    choice->addRow(labelFor(tr("&Block k:"), m_block), m_block);

    auto* disks = new QVBoxLayout;
    top->addLayout(disks, 1);
    auto* how = new QLabel(tr("Each file is added as a user would add it: on the Contiguous disk at the first free "
                              "run that fits (that start is typed for it), on the Linked disk from the first free "
                              "block with Next Block to the chain's end, on the indexed disks with Add and Next Block "
                              "to the end. Each disk has a random stream of its own, started as the program's: the "
                              "screens stay as they are."));
    how->setObjectName(QStringLiteral("compareHow"));
    how->setWordWrap(true);
    disks->addWidget(how);
    auto* grid = new QGridLayout;
    disks->addLayout(grid);
    for (std::size_t i = 0; i < COMPARED_METHODS.size(); ++i) {
        const QString name = text(methodName(COMPARED_METHODS[i]));
        auto* caption = new QLabel(name);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        auto* disk = new SmallDiskWidget;
        disk->setObjectName(QStringLiteral("compareDisk%1").arg(i));
        disk->setAccessibleName(tr("%1 disk").arg(name));
        m_disks[i] = disk;
        grid->addWidget(caption, 0, static_cast<int>(i), Qt::AlignLeft);
        grid->addWidget(disk, 1, static_cast<int>(i), Qt::AlignLeft | Qt::AlignTop);
    }
    m_chart = new ReadsChartWidget;
    disks->addWidget(labelFor(tr("Rea&ds to reach block k:"), m_chart));
    disks->addWidget(m_chart, 1);

    m_table = new QTableWidget;
    m_table->setObjectName(QStringLiteral("compareTable"));
    m_table->setAccessibleName(tr("The methods compared, one row a method"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->setWordWrap(true);
    m_table->setTabKeyNavigation(false);
    // Every row and column in view: the table is as large as what it holds.
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_table->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(labelFor(tr("Res&ults:"), m_table));
    layout->addWidget(m_table);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto* copyPicture = button(tr("Copy p&icture"), "compareCopyPicture");
    auto* copyTable = button(tr("Copy &table"), "compareCopyTable");
    auto* close = button(tr("&Close"), "compareClose");
    buttons->addWidget(copyPicture);
    buttons->addWidget(copyTable);
    buttons->addStretch(1);
    buttons->addWidget(close);

    scroll->setWidget(m_content);

    connect(add, &QPushButton::clicked, this, [this] {
        addRow({}, {});
        m_workload->setFocus();
        m_workload->editItem(m_workload->item(m_workload->rowCount() - 1, 0));
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (const int row = m_workload->currentRow(); row >= 0)
            m_workload->removeRow(row);
    });
    connect(fromScreen, &QPushButton::clicked, this, &CompareWindow::screenFilesWanted);
    connect(placeButton, &QPushButton::clicked, this, &CompareWindow::place);
    connect(m_file, &QComboBox::currentIndexChanged, this, [this](int file) {
        const Workload& workload = m_comparison.workload();
        if (file >= 0 && static_cast<std::size_t>(file) < workload.size())
            choose(file, workload[static_cast<std::size_t>(file)].length - 1);
    });
    connect(m_block, &QSpinBox::valueChanged, this, [this] { refresh(); });
    connect(copyPicture, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setPixmap(m_content->grab()); });
    connect(copyTable, &QPushButton::clicked, this, &CompareWindow::copyTable);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    refresh();
}

SmallDiskWidget* CompareWindow::disk(ScreenId method) const
{
    const auto at = std::find(COMPARED_METHODS.begin(), COMPARED_METHODS.end(), method);
    return m_disks.at(static_cast<std::size_t>(at - COMPARED_METHODS.begin()));
}

void CompareWindow::addRow(const QString& name, const QString& length)
{
    const int row = m_workload->rowCount();
    m_workload->insertRow(row);
    m_workload->setItem(row, 0, new QTableWidgetItem(name));
    m_workload->setItem(row, 1, new QTableWidgetItem(length));
}

void CompareWindow::setWorkload(const Workload& workload)
{
    m_workload->setRowCount(0);
    for (const WorkloadFile& file : workload)
        addRow(text(file.name), QString::number(file.length));
    place();
}

bool CompareWindow::place()
{
    Workload workload;
    for (int row = 0; row < m_workload->rowCount(); ++row) {
        const auto cell = [this, row](int column) {
            const QTableWidgetItem* item = m_workload->item(row, column);
            return item != nullptr ? item->text() : QString();
        };
        // A name is taken as typed, blanks and all, as the screens take it.
        const QString name = cell(0);
        const QString length = cell(1).trimmed();
        if (name.trimmed().isEmpty() && length.isEmpty())
            continue;
        auto file = readWorkloadFile(name.toStdString(), length.toStdString());
        if (workload.size() == MAX_WORKLOAD_FILES)
            file = std::string("at most 64 files");
        if (const auto* problem = std::get_if<std::string>(&file)) {
            m_problem->setText(tr("Row %1: %2.").arg(row + 1).arg(text(*problem)));
            return false;
        }
        workload.push_back(std::get<WorkloadFile>(std::move(file)));
    }
    m_problem->clear();
    m_comparison.place(workload);
    listFiles();
    return true;
}

void CompareWindow::listFiles()
{
    const QSignalBlocker blocker(m_file);
    m_file->clear();
    for (const WorkloadFile& file : m_comparison.workload())
        m_file->addItem(
            (file.length == 1 ? tr("%1 (%2 block)") : tr("%1 (%2 blocks)")).arg(text(file.name)).arg(file.length));
    m_file->setEnabled(m_file->count() > 0);
    choose(0, m_comparison.workload().empty() ? 0 : m_comparison.workload().front().length - 1);
}

void CompareWindow::choose(int file, int k)
{
    const Workload& workload = m_comparison.workload();
    if (file < 0 || static_cast<std::size_t>(file) >= workload.size()) {
        file = 0;
        k = 0;
    }
    {
        const QSignalBlocker fileBlocker(m_file);
        const QSignalBlocker blockBlocker(m_block);
        m_file->setCurrentIndex(workload.empty() ? -1 : file);
        m_block->setRange(0, workload.empty() ? 0 : workload[static_cast<std::size_t>(file)].length - 1);
        m_block->setEnabled(!workload.empty());
        m_block->setValue(k);
    }
    refresh();
}

void CompareWindow::refresh()
{
    const auto file = static_cast<std::size_t>(std::max(m_file->currentIndex(), 0));
    const int k = m_block->value();
    const bool chosen = file < m_comparison.workload().size();
    const auto rows = comparisonTable(m_comparison, file, k);
    m_table->setColumnCount(static_cast<int>(rows.front().size()));
    m_table->setRowCount(static_cast<int>(rows.size()) - 1);
    for (std::size_t c = 0; c < rows.front().size(); ++c) {
        const QString header = text(rows.front()[c]);
        auto* item = new QTableWidgetItem(wrapped(header));
        item->setData(Qt::AccessibleTextRole, header);
        m_table->setHorizontalHeaderItem(static_cast<int>(c), item);
    }
    for (std::size_t r = 1; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(text(rows[r][c]));
            if (c > 0 && c + 1 < rows[r].size())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
        }
    }
    m_table->resizeColumnsToContents();
    // What the screens said wraps in a column of its own width.
    m_table->setColumnWidth(m_table->columnCount() - 1, SAID_WIDTH);
    m_table->resizeRowsToContents();
    // A long list of refused files is cut short on screen; its tooltip and a copy have it all.
    const int most = 3 * m_table->fontMetrics().lineSpacing() + 6;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        if (m_table->rowHeight(r) > most) {
            m_table->setRowHeight(r, most);
            QTableWidgetItem* said = m_table->item(r, m_table->columnCount() - 1);
            said->setToolTip(said->text());
        }
    }
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height() + m_table->verticalHeader()->length()
        + 2 * m_table->frameWidth());
    if (isVisible()) {
        // Room for the rows that grew, as far as the screen allows.
        const QSize want = sizeHint().boundedTo(screen()->availableGeometry().size() - QSize(16, 48));
        resize(size().expandedTo(want));
    }

    std::vector<ReadsChartWidget::Line> lines;
    for (std::size_t i = 0; i < COMPARED_METHODS.size(); ++i) {
        const ScreenId method = COMPARED_METHODS[i];
        const MethodFigures figures = m_comparison.figures(method, file, k);
        SmallDiskWidget* d = m_disks[i];
        d->setDisk(m_comparison.screen(method).form().disk);
        d->setReadMarks(figures.path ? figures.path->blocks : std::vector<int>{});
        QString description = tr("%1 blocks used, %2 free.").arg(figures.blocksUsed).arg(figures.freeBlocks);
        if (figures.path)
            description
                += QLatin1Char(' ') + tr("Reading block %1: %2.").arg(k).arg(text(readPathText(figures.path->blocks)));
        d->setAccessibleDescription(description);
        if (chosen)
            lines.push_back({text(methodName(method)), m_comparison.readsByBlock(method, file)});
    }
    m_chart->setLines(std::move(lines), k);
}

void CompareWindow::copyTable()
{
    const auto file = static_cast<std::size_t>(std::max(m_file->currentIndex(), 0));
    QGuiApplication::clipboard()->setText(text(tabSeparated(comparisonTable(m_comparison, file, m_block->value()))));
}

QSize CompareWindow::sizeHint() const
{
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return m_content->sizeHint() + QSize(bar, bar);
}

void CompareWindow::showBeside(const QWidget* window)
{
    if (!isVisible()) {
        // Its full size where the screen has room (adjustSize would keep to two thirds of it).
        QSize fitting = sizeHint();
        if (const QScreen* display = window != nullptr ? window->screen() : screen())
            fitting = fitting.boundedTo(display->availableGeometry().size() - QSize(16, 48));
        resize(fitting);
        if (window != nullptr) {
            QPoint at = besidePosition(*window, size(), 0, Otherwise::Left);
            if (const QScreen* display = window->screen()) {
                const QRect room = display->availableGeometry();
                at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - 40 - height())));
            }
            move(at);
        }
    }
    show();
    raise();
}
