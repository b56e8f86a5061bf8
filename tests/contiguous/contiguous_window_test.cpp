#include "contiguous/contiguous_screen.h"
#include "contiguous/contiguous_window.h"
#include "widgets/disk_grid_widget.h"
#include "widgets/report_list_widget.h"
#include "widgets/form_geometry.h"

#include "support/scripted_stream.h"
#include "support/window_testing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

class ContiguousWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedStream> m_stream;
    std::unique_ptr<Share> m_share;
    std::unique_ptr<ContiguousScreen> m_screen;
    ShellWindow<ContiguousWindow> m_window;

    template <typename T> T* control(const char* name) const
    {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit* txFile() const { return control<QLineEdit>("txFile"); }
    QLineEdit* txStart() const { return control<QLineEdit>("txStart"); }
    QLineEdit* txLenght() const { return control<QLineEdit>("txLenght"); }
    QPushButton* cmAdd() const { return control<QPushButton>("cmAdd"); }
    QPushButton* cmClear() const { return control<QPushButton>("cmClear"); }
    ReportListWidget* lvDirectory() const { return control<ReportListWidget>("lvDirectory"); }
    QWidget* client() const { return m_window->client(); }

    void openWindow()
    {
        m_window = openByTheShell<ContiguousWindow>(*m_screen);
        QVERIFY(showActive(m_window.get()));
    }

    void type(const QString& file, const QString& start, const QString& length)
    {
        for (auto [box, text] : {std::pair{txFile(), file}, {txStart(), start}, {txLenght(), length}}) {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, text);
        }
    }

    // Where a control lies on the client area.
    QRect onClient(const QWidget* w) const { return {w->mapTo(client(), QPoint(0, 0)), w->size()}; }

private slots:
    void init()
    {
        std::vector<double> values;
        for (int n = 0; n < 30; ++n)
            for (const double v : colourDraws(3 * n + 1, 3 * n + 2, 3 * n + 3))
                values.push_back(v);
        m_stream = std::make_unique<ScriptedStream>(values);
        m_share = std::make_unique<Share>(*m_stream);
        m_screen = std::make_unique<ContiguousScreen>(*m_share);
        openWindow();
    }

    void cleanup()
    {
        m_window.reset();
        m_screen.reset();
        m_share.reset();
        m_stream.reset();
    }

    void captionSizeAndBorder()
    {
        verifyFixedWindow(m_window.get(), QStringLiteral("Contiguous Allocation :: Quorvel"), 10020, 8460);
    }

    void controlsStandWhereTheFormPutsThem()
    {
        QCOMPARE(onClient(control<QFrame>("Frame1")), twipsRect(6360, 120, 3495, 1335));
        const QWidget* frame = control<QFrame>("Frame1");
        QCOMPARE(txFile()->parentWidget(), frame);
        QCOMPARE(txFile()->geometry(), twipsRect(1080, 240, 1215, 285));
        QCOMPARE(txStart()->geometry(), twipsRect(1080, 600, 1215, 285));
        QCOMPARE(txLenght()->geometry(), twipsRect(1080, 960, 1215, 285));
        QCOMPARE(cmClear()->geometry(), twipsRect(2520, 240, 855, 375));
        QCOMPARE(cmAdd()->geometry(), twipsRect(2520, 840, 855, 375));
        QCOMPARE(control<QLabel>("Label2")->geometry().topLeft(), twipsRect(240, 240, 0, 0).topLeft());
        QCOMPARE(control<QLabel>("Label4")->geometry().topLeft(), twipsRect(240, 600, 0, 0).topLeft());
        QCOMPARE(control<QLabel>("Label3")->geometry().topLeft(), twipsRect(240, 960, 0, 0).topLeft());
        QCOMPARE(onClient(control<QLabel>("Label1")), twipsRect(7560, 1800, 1110, 300));
        QCOMPARE(onClient(lvDirectory()), twipsRect(6360, 2160, 3495, 2055));
        QCOMPARE(onClient(m_window->grid()->Block(63)), twipsRect(1560 + 4200, 3480 + 4200, 375, 285));

        QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("File"));
        QCOMPARE(control<QLabel>("Label4")->text(), QStringLiteral("Start"));
        QCOMPARE(control<QLabel>("Label3")->text(), QStringLiteral("Lenght"));
        QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("Directory"));
        QCOMPARE(cmAdd()->text(), QStringLiteral("Add"));
        QCOMPARE(cmClear()->text(), QStringLiteral("Clear"));
        for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
            const QLabel* label = control<QLabel>(name);
            QVERIFY2(label->width() >= label->sizeHint().width(), name);  // the whole caption shows
        }
    }

    void fontsAndAccessibleNames()
    {
        const QFont heading = control<QLabel>("Label1")->font();
        QCOMPARE(heading.pointSizeF(), 12.0);
        QVERIFY(heading.bold());
        QCOMPARE(lvDirectory()->font().pointSizeF(), 8.25);
        QVERIFY(lvDirectory()->font().bold());
        QCOMPARE(txFile()->accessibleName(), QStringLiteral("File"));
        QCOMPARE(txStart()->accessibleName(), QStringLiteral("Start"));
        QCOMPARE(txLenght()->accessibleName(), QStringLiteral("Lenght"));
        QCOMPARE(lvDirectory()->accessibleName(), QStringLiteral("Directory"));
        QCOMPARE(m_window->grid()->Block(12)->accessibleName(), QStringLiteral("Block 12"));
    }

    void menusCarryTheirAccessKeys()
    {
        verifyMenuBar(m_window.get(), {{"&Linked", "mnLinked"}, {"&Indexed", "mnIndexed"}});
        if (QTest::currentTestFailed())
            return;

        QSignalSpy exitSpy(m_window.get(), &MethodWindow::exitRequested);
        QSignalSpy methodSpy(m_window.get(), &MethodWindow::switchRequested);
        control<QAction>("exit")->trigger();
        control<QAction>("mnIndexed")->trigger();
        QCOMPARE(exitSpy.size(), 1);
        QCOMPARE(methodSpy.size(), 1);
        QCOMPARE(methodSpy.at(0).at(0).value<ScreenId>(), ScreenId::IndexedL);
    }

    void loadShowsAnEmptyDiskAndDirectory()
    {
        const DiskGridWidget* grid = m_window->grid();
        for (int i = 0; i < BlockDisk::BLOCKS; ++i) {
            QCOMPARE(grid->B(i)->text(), QString::number(i));
            QCOMPARE(grid->Block(i)->palette().color(QPalette::Base), QColor(Qt::white));
        }
        QVERIFY(onClient(grid->Block(7)).top() == onClient(grid->Block(0)).top());
        QVERIFY(onClient(grid->Block(8)).top() > onClient(grid->Block(0)).top());
        QCOMPARE(txFile()->text(), QString());
        QCOMPARE(txStart()->text(), QString());
        QCOMPARE(txLenght()->text(), QString());
        QCOMPARE(lvDirectory()->columnCount(), 3);
        QCOMPARE(lvDirectory()->headerItem()->text(0), QStringLiteral("File"));
        QCOMPARE(lvDirectory()->headerItem()->text(1), QStringLiteral("Start"));
        QCOMPARE(lvDirectory()->headerItem()->text(2), QStringLiteral("Lenght"));
        QCOMPARE(lvDirectory()->columnWidth(0), twipsToPixels(1398));
        QCOMPARE(lvDirectory()->columnWidth(2), twipsToPixels(1014));
        QCOMPARE(lvDirectory()->topLevelItemCount(), 0);
        QCOMPARE(QApplication::focusWidget(), txFile());
    }

    void tabOrderRunsThroughTheFieldsTheListTheCellsAndClearLast()
    {
        QList<QWidget*> expected{txFile(), txStart(), txLenght(), cmAdd(), lvDirectory()};
        for (int i = 0; i < BlockDisk::BLOCKS; ++i)
            expected << m_window->grid()->Block(i);
        expected << cmClear() << txFile();
        verifyTabOrder(expected);
    }

    void addClickReachesTheScreenAndPaintsTheCells()
    {
        type(QStringLiteral("notes"), QStringLiteral("8"), QStringLiteral("3"));
        const auto boxes = answeringBoxes([this] { QTest::mouseClick(cmAdd(), Qt::LeftButton); });
        QVERIFY(boxes.isEmpty());
        const QColor colour(1, 2, 3);
        for (int i = 0; i < BlockDisk::BLOCKS; ++i) {
            const bool used = i >= 8 && i <= 10;
            QCOMPARE(m_window->grid()->Block(i)->palette().color(QPalette::Base), used ? colour : QColor(Qt::white));
        }
        QCOMPARE(lvDirectory()->topLevelItemCount(), 1);
        QCOMPARE(lvDirectory()->rowTexts(0), (QStringList{"notes", "8", "3"}));
        QCOMPARE(lvDirectory()->topLevelItem(0)->foreground(0).color(), colour);
        QCOMPARE(lvDirectory()->topLevelItem(0)->foreground(1).color(), lvDirectory()->palette().color(QPalette::Text));
        QCOMPARE(txFile()->text(), QString());
        QCOMPARE(txStart()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), txFile());
        QCOMPARE(m_screen->form().disk.usedCount(), 3);
    }

    void keyboardAloneFillsTheFormAndAdds()
    {
        txFile()->setFocus();
        QTest::keyClicks(txFile(), QStringLiteral("k"));
        QTest::keyClick(txFile(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), txStart());
        QTest::keyClicks(txStart(), QStringLiteral("62.5"));
        QTest::keyClick(txStart(), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), txLenght());
        QTest::keyClicks(txLenght(), QStringLiteral("2"));
        QTest::keyClick(txLenght(), Qt::Key_Return);
        QCOMPARE(m_window->focusWidget(), cmAdd());
        QTest::keyClick(cmAdd(), Qt::Key_Return);
        QCOMPARE(lvDirectory()->rowTexts(0), (QStringList{"k", "62", "2"}));
        QVERIFY(!m_screen->form().disk.isFree(63));
        QCOMPARE(QApplication::focusWidget(), txFile());
    }

    void emptyFieldsGiveThreeBoxesInFieldOrder()
    {
        const auto boxes = answeringBoxes([this] { cmAdd()->click(); });
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes[0].text, QStringLiteral("Please state the filename "));
        QCOMPARE(boxes[0].title, QStringLiteral("Filename"));
        QCOMPARE(boxes[0].icon, QMessageBox::Information);
        QCOMPARE(boxes[0].iconName, QStringLiteral("Information"));
        QCOMPARE(boxes[1].text, QStringLiteral("Start value must be Numeric"));
        QCOMPARE(boxes[1].title, QStringLiteral("Wrong Start Value"));
        QCOMPARE(boxes[1].icon, QMessageBox::Critical);
        QCOMPARE(boxes[2].text, QStringLiteral("Lenght value must be Numeric"));
        QCOMPARE(boxes[2].title, QStringLiteral("Wrong Lenght Value"));
        QCOMPARE(boxes[2].icon, QMessageBox::Critical);
        QCOMPARE(boxes[2].iconName, QStringLiteral("Error"));
        QCOMPARE(m_window->focusWidget(), cmAdd());
        QCOMPARE(lvDirectory()->topLevelItemCount(), 0);
    }

    void allocationRefusalsShowTheirBoxesAndChangeNothing()
    {
        type(QStringLiteral("a"), QStringLiteral("60"), QStringLiteral("4"));
        QVERIFY(answeringBoxes([this] { cmAdd()->click(); }).isEmpty());

        struct Case {
            const char* start;
            const char* length;
            const char* text;
            const char* title;
        };
        const Case cases[] = {
            {"64", "1", "Start value not Allowed", "Wrong Start Value"},
            {"1e309", "1", "Start value not Allowed", "Wrong Start Value"},
            {"63", "2", "Lenght Overloaded", "Lenght Overloaded"},
            {"0", "99999999999999999999", "Lenght Overloaded", "Lenght Overloaded"},
            {"55", "6", "not allow to insert", "Write Denied"},
        };
        for (const Case& c : cases) {
            type(QStringLiteral("b"), QString::fromLatin1(c.start), QString::fromLatin1(c.length));
            const auto boxes = answeringBoxes([this] { cmAdd()->click(); });
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes[0].text, QString::fromLatin1(c.text));
            QCOMPARE(boxes[0].title, QString::fromLatin1(c.title));
            QCOMPARE(boxes[0].icon, QMessageBox::Critical);
            QCOMPARE(txStart()->text(), QString::fromLatin1(c.start));
            QCOMPARE(m_window->focusWidget(), cmAdd());
        }
        QCOMPARE(m_screen->form().disk.usedCount(), 4);
        QCOMPARE(m_window->grid()->Block(59)->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(lvDirectory()->topLevelItemCount(), 1);
    }

    void enterInAGoodStartFieldOnlyMovesOn()
    {
        txStart()->setFocus();
        QTest::keyClicks(txStart(), QStringLiteral(" 12 "));
        const auto boxes = answeringBoxes([this] { QTest::keyClick(txStart(), Qt::Key_Return); });
        QVERIFY(boxes.isEmpty());
        QCOMPARE(QApplication::focusWidget(), txLenght());
        QCOMPARE(txStart()->text(), QStringLiteral(" 12 "));
    }

    void whateverChangesAFieldReachesTheScreen()
    {
        txFile()->setFocus();
        QTest::keyClicks(txFile(), QStringLiteral("abc"));
        QTest::keyClick(txFile(), Qt::Key_Z, Qt::ControlModifier);
        txStart()->insert(QStringLiteral("12"));
        QCOMPARE(QString::fromStdString(m_screen->form().fields.text(Control::txFile)), txFile()->text());
        QCOMPARE(m_screen->form().fields.text(Control::txStart), std::string("12"));
    }

    void clearEmptiesTheDiskTheFieldsAndTheList()
    {
        type(QStringLiteral("a"), QStringLiteral("0"), QStringLiteral("10"));
        cmAdd()->click();
        type(QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"));
        QTest::mouseClick(cmClear(), Qt::LeftButton);
        QCOMPARE(m_window->grid()->Block(5)->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(lvDirectory()->topLevelItemCount(), 0);
        QCOMPARE(lvDirectory()->columnCount(), 3);
        QCOMPARE(txFile()->text(), QString());
        QCOMPARE(txLenght()->text(), QString());
    }

    void theNinthRowNarrowsTheLenghtColumn()
    {
        for (int n = 0; n < 10; ++n) {
            type(QStringLiteral("f%1").arg(n), QString::number(n), QStringLiteral("1"));
            cmAdd()->click();
            QCOMPARE(lvDirectory()->columnWidth(2), twipsToPixels(n == 8 ? 734 : 1014));
        }
        QCOMPARE(lvDirectory()->topLevelItemCount(), 10);
    }

    void reopeningStartsFromAnEmptyScreen()
    {
        type(QStringLiteral("a"), QStringLiteral("0"), QStringLiteral("10"));
        cmAdd()->click();
        m_window.reset();
        QVERIFY(!m_screen->isLoaded());
        openWindow();
        QCOMPARE(m_window->grid()->Block(0)->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(lvDirectory()->topLevelItemCount(), 0);
        QCOMPARE(lvDirectory()->columnCount(), 3);
        QCOMPARE(m_screen->currentColour(), (FileColour{1, 2, 3}));
    }
};

QTEST_MAIN(ContiguousWindowTest)
#include "contiguous_window_test.moc"
