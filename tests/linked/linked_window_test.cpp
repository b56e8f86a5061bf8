#include "linked/linked_screen.h"
#include "linked/linked_screen.h"
#include "linked/linked_window.h"

#include "widgets/disk_grid_widget.h"
#include "widgets/report_list_widget.h"
#include "widgets/form_geometry.h"
#include "shell/qt_screen_host.h"

#include "support/scripted_stream.h"
#include "support/window_testing.h"

#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>
#include <random>

namespace {

// Colours (1,1,1), (2,2,2), ... for the first Adds, each followed by the given block draws.
std::vector<double> script(std::initializer_list<std::initializer_list<int>> blocksPerAdd)
{
    std::vector<double> values;
    int n = 0;
    for (const auto& blocks : blocksPerAdd) {
        ++n;
        for (const double v : colourDraws(n, n, n))
            values.push_back(v);
        for (const int b : blocks)
            values.push_back((b + 0.5) / 64.0);
    }
    return values;
}

QString accessibleName(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

}  // namespace

class LinkedWindowTest : public QObject {
    Q_OBJECT

    // One run of the screen: its own scripted stream, the screen object and, while open, its window.
    struct Run {
        explicit Run(std::vector<double> values) : stream(std::move(values)) {}
        ScriptedStream stream;
        Share share{stream};
        LinkedScreen screen{share};
        ShellWindow<LinkedWindow> window;
    };
    std::unique_ptr<Run> m_run;

    LinkedWindow* window() const { return m_run->window.get(); }
    LinkedScreen& screen() const { return m_run->screen; }

    template <typename T = QWidget> T* find(const char* name) const
    {
        T* found = window()->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QLabel* label(const char* name) const { return find<QLabel>(name); }
    ReportListWidget* directory() const { return find<ReportListWidget>("lvDirectory"); }
    BlockCellWidget* cell(int i) const { return window()->grid()->Block(i); }
    QColor colourOf(int i) const { return cell(i)->palette().color(QPalette::Base); }
    QWidget* focused() const { return window()->focusWidget(); }
    QRect onClient(const QWidget* w) const { return {w->mapTo(window()->client(), QPoint(0, 0)), w->size()}; }

    void start(const std::vector<double>& values)
    {
        m_run = std::make_unique<Run>(values);
        reopen();
    }
    void reopen()
    {
        m_run->window = openByTheShell<LinkedWindow>(m_run->screen);
        QVERIFY(showActive(window()));
    }

    // Types into the three fields with the keyboard, Enter after each, as a user fills the form.
    void typeAndEnter(const QString& file, const QString& start, const QString& length)
    {
        field("txFile")->setFocus();
        for (const QString& text : {file, start, length}) {
            QTest::keyClicks(focused(), text);
            QTest::keyClick(focused(), Qt::Key_Return);
        }
    }
    void addFile(const QString& file, const QString& start, const QString& length)
    {
        typeAndEnter(file, start, length);
        QCOMPARE(focused(), button("cmAdd"));
        QTest::keyClick(focused(), Qt::Key_Return);
    }
    void expectIdle()
    {
        QVERIFY(button("cmAdd")->isEnabled());
        QVERIFY(!button("cmNext")->isVisible());
        QVERIFY(!button("cmNext")->isEnabled());
        QVERIFY(!label("lbToGo")->isVisible());
        QVERIFY(!label("lbToGo")->isEnabled());
    }
    void expectWalking()
    {
        QVERIFY(!button("cmAdd")->isEnabled());
        QVERIFY(button("cmNext")->isVisible());
        QVERIFY(button("cmNext")->isEnabled());
        QVERIFY(label("lbToGo")->isVisible());
        QVERIFY(label("lbToGo")->isEnabled());
    }

private slots:
    void init() { start(script({{}, {}, {}})); }

    void cleanup() { m_run.reset(); }

    void captionSizeAndBorder()
    {
        QCOMPARE(window()->objectName(), QStringLiteral("Linked"));
        verifyFixedWindow(window(), QStringLiteral("Linked Allocation :: Quorvel"), 10020, 8460);
    }

    void controlsStandWhereTheFormPutsThem()
    {
        // The entry frame and the directory are the ones the contiguous screen has, in the same places.
        const QWidget* frame = find<QFrame>("Frame1");
        QCOMPARE(onClient(frame), twipsRect(6360, 120, 3495, 1335));
        for (const char* name : {"txFile", "txStart", "txLenght", "cmAdd", "cmClear"})
            QCOMPARE(find(name)->parentWidget(), frame);
        QCOMPARE(field("txStart")->geometry(), twipsRect(1080, 600, 1215, 285));
        QCOMPARE(onClient(label("Label1")), twipsRect(7560, 1800, 1110, 300));
        QCOMPARE(onClient(directory()), twipsRect(6360, 2160, 3495, 2055));

        QCOMPARE(onClient(label("lbCurTotal")), twipsRect(6360, 4320, 2295, 255));
        QCOMPARE(onClient(button("cmNext")), twipsRect(3120, 2280, 1215, 375));
        QCOMPARE(onClient(label("lbToGo")), twipsRect(2640, 2760, 2055, 255));
        QCOMPARE(onClient(cell(0)), twipsRect(1560, 3480, 375, 285));
        QCOMPARE(onClient(cell(63)), twipsRect(1560 + 4200, 3480 + 4200, 375, 285));
        QCOMPARE(onClient(window()->grid()->B(8)), twipsRect(1320, 3480 + 600, 255, 255));
        QCOMPARE(button("cmNext")->text(), QStringLiteral("Next Block >"));
        QVERIFY(label("lbToGo")->alignment() & Qt::AlignHCenter);
    }

    void fontsAndAccessibleNames()
    {
        QCOMPARE(label("Label1")->font().pointSizeF(), 12.0);
        QVERIFY(label("Label1")->font().bold());
        QCOMPARE(directory()->font().pointSizeF(), 8.25);
        QVERIFY(directory()->font().bold());
        QCOMPARE(label("lbCurTotal")->font().pointSizeF(), 8.25);
        QVERIFY(!label("lbCurTotal")->font().bold());

        const std::pair<QWidget*, const char*> named[] = {{field("txFile"), "File"}, {field("txStart"), "Start"},
            {field("txLenght"), "Lenght"}, {button("cmAdd"), "Add"}, {button("cmClear"), "Clear"},
            {button("cmNext"), "Next Block"}, {directory(), "Directory"}, {cell(12), "Block 12"},
            {window()->grid()->B(12), "12"}, {label("lbCurTotal"), "Current Block Usage ="}};
        for (const auto& [widget, name] : named)
            QCOMPARE(accessibleName(widget), QString::fromLatin1(name));

        // The labels that count are read with their current number.
        addFile("a", "5", "3");
        QCOMPARE(accessibleName(label("lbCurTotal")), QStringLiteral("Current Block Usage =3"));
        QCOMPARE(accessibleName(label("lbToGo")), QStringLiteral("Blocks to Go =3"));
    }

    void menusCarryTheirAccessKeysAndAskForTheirScreens()
    {
        verifyMenuBar(window(), {{"&Contiguous", "mnContiguous"}, {"&Indexed", "mnIndexed"}});
        if (QTest::currentTestFailed())
            return;

        QSignalSpy switches(window(), &MethodWindow::switchRequested);
        QSignalSpy exits(window(), &MethodWindow::exitRequested);
        QSignalSpy abouts(window(), &MethodWindow::aboutRequested);
        find<QAction>("mnContiguous")->trigger();
        find<QAction>("mnIndexed")->trigger();
        find<QAction>("exit")->trigger();
        find<QAction>("mnAbout")->trigger();
        QCOMPARE(switches.size(), 2);
        QCOMPARE(switches.at(0).at(0).value<ScreenId>(), ScreenId::Contiguous);
        QCOMPARE(switches.at(1).at(0).value<ScreenId>(), ScreenId::IndexedL);
        QCOMPARE(exits.size(), 1);
        QCOMPARE(abouts.size(), 1);
    }

    void loadShowsAnEmptyIdleScreen()
    {
        for (int i = 0; i < BlockDisk::BLOCKS; ++i) {
            QCOMPARE(window()->grid()->B(i)->text(), QString::number(i));
            QCOMPARE(colourOf(i), QColor(Qt::white));
            QCOMPARE(cell(i)->text(), QString());
        }
        for (const char* name : {"txFile", "txStart", "txLenght"})
            QCOMPARE(field(name)->text(), QString());
        QCOMPARE(label("lbCurTotal")->text(), QStringLiteral("Current Block Usage ="));
        QCOMPARE(directory()->columnCount(), 4);
        const char* captions[] = {"File", "Start", "Lenght", "End"};
        const int widths[] = {1049, 734, 874, 734};  // 1048.5, 733.95, 873.75, 733.95 twips
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(directory()->headerItem()->text(c), QString::fromLatin1(captions[c]));
            QCOMPARE(directory()->columnWidth(c), twipsToPixels(widths[c]));
        }
        QCOMPARE(directory()->topLevelItemCount(), 0);
        expectIdle();
        QCOMPARE(focused(), field("txFile"));
        QCOMPARE(m_run->stream.drawn(), 0U);
    }

    void tabOrderRunsThroughTheCellsToNextAndClear()
    {
        QList<QWidget*> cells;
        for (int i = 0; i < BlockDisk::BLOCKS; ++i)
            cells << cell(i);

        // Next is hidden in Idle, so Tab passes from the last cell to Clear.
        verifyTabOrder(
            QList<QWidget*>{field("txFile"), field("txStart"), field("txLenght"), button("cmAdd"), directory()} + cells
            + QList<QWidget*>{button("cmClear"), field("txFile")});
        if (QTest::currentTestFailed())
            return;

        addFile("a", "0", "3");
        // During a walk Add is disabled and Next takes its turn before Clear.
        verifyTabOrder(QList<QWidget*>{field("txFile"), field("txStart"), field("txLenght"), directory()} + cells
            + QList<QWidget*>{button("cmNext"), button("cmClear"), field("txFile")});
    }

    void aChainIsWalkedFromTheKeyboard()
    {
        // The walk draws 12 (waiting), 40 (taken by the first file), then 33, then 7.
        start(script({{}, {12, 40, 33, 7}}));
        addFile("first", "40", "1");
        QCOMPARE(cell(40)->text(), QStringLiteral("-1"));
        expectIdle();
        QCOMPARE(focused(), field("txFile"));

        addFile("chain", "12", "3");
        const QColor colour(2, 2, 2);
        expectWalking();
        QCOMPARE(focused(), button("cmNext"));
        QCOMPARE(colourOf(12), colour);
        QCOMPARE(cell(12)->text(), QString());
        QCOMPARE(label("lbToGo")->text(), QStringLiteral("Blocks to Go =3"));
        QCOMPARE(label("lbCurTotal")->text(), QStringLiteral("Current Block Usage =4"));
        QCOMPARE(directory()->rowTexts(1), (QStringList{"chain", "12", "3", ""}));
        QCOMPARE(directory()->topLevelItem(1)->foreground(0).color(), colour);
        QCOMPARE(field("txFile")->text(), QString());

        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(cell(12)->text(), QStringLiteral("33"));
        QCOMPARE(colourOf(33), QColor(Qt::white));
        QCOMPARE(label("lbToGo")->text(), QStringLiteral("Blocks to Go =2"));
        QCOMPARE(focused(), button("cmNext"));

        QTest::keyClick(focused(), Qt::Key_Space);
        QCOMPARE(cell(33)->text(), QStringLiteral("7"));
        QCOMPARE(colourOf(33), colour);
        QCOMPARE(label("lbToGo")->text(), QStringLiteral("Blocks to Go =1"));

        QTest::mouseClick(button("cmNext"), Qt::LeftButton);
        QCOMPARE(cell(7)->text(), QStringLiteral("-1"));
        QCOMPARE(colourOf(7), colour);
        QCOMPARE(directory()->rowTexts(1), (QStringList{"chain", "12", "3", "7"}));
        expectIdle();
        QCOMPARE(focused(), field("txFile"));
        QCOMPARE(label("lbCurTotal")->text(), QStringLiteral("Current Block Usage =4"));
        QCOMPARE(m_run->stream.drawn(), 10U);
    }

    void refusalsShowTheirBoxesInOrder()
    {
        const auto boxes = answeringBoxes([this] { button("cmAdd")->click(); });
        QCOMPARE(boxes.size(), 3);
        QCOMPARE(boxes[0].text, QStringLiteral("Please state the filename "));
        QCOMPARE(boxes[0].icon, QMessageBox::Information);
        QCOMPARE(boxes[1].text, QStringLiteral("Start value must be Numeric"));
        QCOMPARE(boxes[2].text, QStringLiteral("Lenght value must be Numeric"));
        QCOMPARE(window()->focusWidget(), button("cmAdd"));

        const auto refuse = [this](const char* start, const char* length, const char* text, const char* title) {
            typeAndEnter(QStringLiteral("f"), QString::fromLatin1(start), QString::fromLatin1(length));
            const auto shown = answeringBoxes([this] { QTest::keyClick(focused(), Qt::Key_Return); });
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].text, QString::fromLatin1(text));
            QCOMPARE(shown[0].title, QString::fromLatin1(title));
            QCOMPARE(shown[0].icon, QMessageBox::Critical);
            QCOMPARE(field("txStart")->text(), QString::fromLatin1(start));  // the fields keep their text
            QCOMPARE(focused(), button("cmAdd"));
            for (const char* name : {"txFile", "txStart", "txLenght"})
                field(name)->clear();
        };
        refuse("64", "1", "Start value not Allowed", "Wrong Start Value");
        refuse("0", "65", "Space not enough.total= 65", "Write Denied");
        QCOMPARE(directory()->topLevelItemCount(), 0);
        QCOMPARE(label("lbCurTotal")->text(), QStringLiteral("Current Block Usage ="));
    }

    void enterInTheFieldsDuringAWalkKeepsTheFocusOffTheDisabledAdd()
    {
        addFile("a", "0", "4");
        field("txLenght")->setFocus();
        QTest::keyClicks(field("txLenght"), QStringLiteral("2"));
        QTest::keyClick(field("txLenght"), Qt::Key_Return);
        QCOMPARE(focused(), field("txLenght"));
        field("txFile")->setFocus();
        const auto boxes = answeringBoxes([this] { QTest::keyClick(field("txFile"), Qt::Key_Return); });
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, QStringLiteral("Please state the filename "));
        QCOMPARE(focused(), field("txStart"));
        QCOMPARE(directory()->topLevelItemCount(), 1);
        expectWalking();
    }

    void clearDuringAWalkEndsIt()
    {
        start(script({{20}}));
        addFile("a", "3", "5");
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(cell(3)->text(), QStringLiteral("20"));
        QTest::mouseClick(button("cmClear"), Qt::LeftButton);
        expectIdle();
        QCOMPARE(focused(), field("txFile"));
        QCOMPARE(colourOf(3), QColor(Qt::white));
        QCOMPARE(cell(3)->text(), QString());
        QCOMPARE(directory()->topLevelItemCount(), 0);
        QCOMPARE(label("lbCurTotal")->text(), QStringLiteral("Current Block Usage =0"));
    }

    void reopeningDuringAWalkStartsIdleAndEmpty()
    {
        addFile("a", "9", "6");
        expectWalking();
        m_run->window.reset();
        QVERIFY(!screen().isLoaded());
        reopen();
        expectIdle();
        QCOMPARE(colourOf(9), QColor(Qt::white));
        QCOMPARE(directory()->topLevelItemCount(), 0);
        QCOMPARE(label("lbCurTotal")->text(), QStringLiteral("Current Block Usage ="));
        QCOMPARE(focused(), field("txFile"));
    }

    void clicksInAnyOrderKeepTheScreenInStep()
    {
        std::vector<double> values(50000);
        std::mt19937 random(7);
        for (double& v : values)
            v = std::generate_canonical<double, 32>(random);
        start(values);
        const char* lengths[] = {"1", "2", "4", "9", "0", "-1", "70"};
        for (int i = 0; i < 300; ++i) {
            switch (random() % 6) {
            case 0:
                field("txFile")->setText(QStringLiteral("f"));
                field("txStart")->setText(QString::number(random() % 64));
                field("txLenght")->setText(QString::fromLatin1(lengths[random() % 7]));
                answeringBoxes([this] { QTest::mouseClick(button("cmAdd"), Qt::LeftButton); });
                break;
            case 1: QTest::mouseClick(button("cmClear"), Qt::LeftButton); break;
            default: QTest::mouseClick(button("cmNext"), Qt::LeftButton); break;
            }
            const bool walking = screen().mode() == Mode::Walking;
            QCOMPARE(button("cmNext")->isVisible(), walking);
            QCOMPARE(button("cmAdd")->isEnabled(), !walking);
            if (!walking)
                QCOMPARE(screen().form().disk.usedCount(), screen().usedTotal());
            for (int b = 0; b < BlockDisk::BLOCKS; ++b)
                QCOMPARE(colourOf(b), toQColor(screen().form().disk.colourOf(b)));
            QCOMPARE(directory()->topLevelItemCount(), static_cast<int>(screen().form().list(Control::lvDirectory).rowCount()));
        }
    }

    void theContiguousScreensMenuReachesThisScreenAndBack()
    {
        m_run->window.reset();
        QtScreenHost host(m_run->share);
        host.navigator().start(ScreenId::Contiguous);
        host.window(ScreenId::Contiguous)->findChild<QAction*>(QStringLiteral("mnLinked"))->trigger();
        QApplication::processEvents();
        auto* linked = qobject_cast<LinkedWindow*>(host.window(ScreenId::Linked));
        QVERIFY(linked != nullptr);
        QVERIFY(host.window(ScreenId::Contiguous) == nullptr);

        linked->findChild<QLineEdit*>(QStringLiteral("txFile"))->setText(QStringLiteral("a"));
        linked->findChild<QLineEdit*>(QStringLiteral("txStart"))->setText(QStringLiteral("1"));
        linked->findChild<QLineEdit*>(QStringLiteral("txLenght"))->setText(QStringLiteral("5"));
        linked->onAddClicked();
        QVERIFY(linked->findChild<QPushButton*>(QStringLiteral("cmNext"))->isVisible());

        linked->findChild<QAction*>(QStringLiteral("mnContiguous"))->trigger();
        QApplication::processEvents();
        host.window(ScreenId::Contiguous)->findChild<QAction*>(QStringLiteral("mnLinked"))->trigger();
        QApplication::processEvents();
        linked = qobject_cast<LinkedWindow*>(host.window(ScreenId::Linked));
        QVERIFY(linked != nullptr);
        QVERIFY(linked->findChild<QPushButton*>(QStringLiteral("cmAdd"))->isEnabled());
        QVERIFY(!linked->findChild<QPushButton*>(QStringLiteral("cmNext"))->isVisible());
        QCOMPARE(linked->grid()->Block(1)->palette().color(QPalette::Base), QColor(Qt::white));
    }
};

QTEST_MAIN(LinkedWindowTest)
#include "linked_window_test.moc"
