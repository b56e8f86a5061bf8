#include "compare/compare_window.h"
#include "compare/reads_chart_widget.h"
#include "compare/small_disk_widget.h"
#include "core/screen.h"

#include "support/recording_sink.h"
#include "support/running_program.h"
#include "support/window_testing.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>

#include <set>

class CompareWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> m_program;

    QtScreenHost& host() const { return m_program->host; }
    CompareWindow* compare() const { return host().compare(); }
    template <typename T> T* child(const char* name) const
    {
        return compare()->findChild<T*>(QString::fromLatin1(name));
    }

    void typeRow(int row, const QString& name, const QString& length)
    {
        child<QPushButton>("compareAddFile")->click();
        auto* workload = child<QTableWidget>("compareWorkload");
        workload->item(row, 0)->setText(name);
        workload->item(row, 1)->setText(length);
    }

private slots:
    void init()
    {
        m_program = std::make_unique<RunningProgram>();
        host().navigator().start(ScreenId::IndexedL);
        QApplication::processEvents();
    }

    void cleanup()
    {
        m_program.reset();
        QApplication::processEvents();
    }

    void placeFillsTheTableAndLeavesTheProgramAlone()
    {
        // A file on the screen and a length typed, to be left as they are.
        Screen& shown = *host().screen(ScreenId::IndexedL);
        RecordingSink sink;
        shown.type(Control::txFile, "a");
        shown.type(Control::txLenght, "3");
        shown.addFile(sink);
        while (shown.mode() == Mode::Placing)
            shown.nextBlock(sink);
        shown.type(Control::txLenght, "7");
        const std::vector<FileRecord> files = shown.files();
        QTest::keyClick(host().window(ScreenId::IndexedL), Qt::Key_F6);
        QVERIFY(compare() != nullptr && compare()->isVisible());
        QCOMPARE(compare()->windowTitle(), QStringLiteral("Compare"));
        const std::uint64_t position = m_program->share.position();

        typeRow(0, QStringLiteral("report"), QStringLiteral("20"));
        child<QPushButton>("comparePlace")->click();
        QCOMPARE(m_program->share.position(), position);
        QVERIFY(shown.files() == files);
        QCOMPARE(shown.form().fields.text(Control::txLenght), std::string("7"));

        auto* table = child<QTableWidget>("compareTable");
        QCOMPARE(table->rowCount(), 4);
        const QStringList used{"20", "20", "23", "24"}, reads{"1", "20", "4", "3"};
        const QStringList names{"Contiguous", "Linked", "Indexed (linked index scheme)", "Multilevel"};
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(table->item(r, 0)->text(), names[r]);
            QCOMPARE(table->item(r, 1)->text(), used[r]);
            QCOMPARE(table->item(r, 6)->text(), reads[r]);
            // The marks are the read path of block 19, as many as the reads.
            const auto* disk = compare()->disk(COMPARED_METHODS[static_cast<std::size_t>(r)]);
            QCOMPARE(QString::number(disk->readMarks().size()), reads[r]);
            QCOMPARE(disk->readMarks().back(),
                compare()
                    ->comparison()
                    .placedFile(COMPARED_METHODS[static_cast<std::size_t>(r)], 0)
                    ->blocks.back()
                    .block);
        }
        QCOMPARE(table->horizontalHeaderItem(6)->data(Qt::AccessibleTextRole).toString(),
            QStringLiteral("Reads to block 19 of report"));
        QCOMPARE(compare()->findChild<ReadsChartWidget*>()->lines().size(), 4U);
        QVERIFY(compare()->findChild<ReadsChartWidget*>()->accessibleDescription().contains(
            QStringLiteral("Linked: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20.")));

        // Another block moves the marks; Copy table gives the table as shown, tab by tab.
        child<QSpinBox>("compareBlock")->setValue(0);
        QCOMPARE(compare()->disk(ScreenId::Linked)->readMarks().size(), 1U);
        child<QPushButton>("compareCopyTable")->click();
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[0].startsWith(QStringLiteral("Method\tBlocks used\tIndex blocks\t")));
        QCOMPARE(lines[3].split(QLatin1Char('\t')).mid(0, 7),
            (QStringList{"Indexed (linked index scheme)", "23", "3", "41", table->item(2, 4)->text(), "0", "2"}));
    }

    void aBadRowIsNamedAndTheScreensFilesCanBeTaken()
    {
        host().showCompare({{"report", 20}});
        typeRow(1, QStringLiteral("notes"), QStringLiteral("0"));
        QVERIFY(!compare()->place());
        QCOMPARE(child<QLabel>("compareProblem")->text(),
            QStringLiteral("Row 2: the length of 'notes' must be a whole number from 1 to 64."));
        QCOMPARE(compare()->comparison().workload().size(), 1U);

        Screen& shown = *host().screen(ScreenId::IndexedL);
        RecordingSink sink;
        shown.type(Control::txFile, "log");
        shown.type(Control::txLenght, "5");
        shown.addFile(sink);
        child<QPushButton>("compareFromScreen")->click();
        QCOMPARE(compare()->comparison().workload(), (Workload{{"log", 5}}));
        QVERIFY(child<QLabel>("compareProblem")->text().isEmpty());
    }

    void accessKeysAreUniqueInTheWindow()
    {
        host().showCompare();
        std::multiset<QChar> keys;
        const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
        for (const QAbstractButton* b : compare()->findChildren<QAbstractButton*>()) {
            if (const auto m = mnemonic.match(b->text()); m.hasMatch())
                keys.insert(m.captured(1).toLower().at(0));
        }
        for (const QLabel* l : compare()->findChildren<QLabel*>()) {
            if (const auto m = mnemonic.match(l->text()); m.hasMatch()) {
                QVERIFY2(l->buddy() != nullptr, qPrintable(l->text()));
                keys.insert(m.captured(1).toLower().at(0));
            }
        }
        QCOMPARE(keys.size(), 12U);
        for (const QChar key : keys)
            QVERIFY2(keys.count(key) == 1, qPrintable(QString(key)));
    }
};

QTEST_MAIN(CompareWindowTest)
#include "compare_window_test.moc"
