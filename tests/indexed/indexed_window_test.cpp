#include "widgets/disk_grid_widget.h"
#include "core/random_stream.h"
#include "widgets/report_list_widget.h"
#include "widgets/form_geometry.h"
#include "indexed/indexed_screen.h"
#include "indexed/indexed_window.h"
#include "shell/qt_screen_host.h"

#include "support/window_testing.h"

#include <QAccessible>
#include <QApplication>
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

namespace {

// A control by its name on the form; a missing one ends the run.
template <typename T> T* byName(const QWidget* window, const char* name)
{
    if (auto* found = window->findChild<T*>(QString::fromLatin1(name)))
        return found;
    qFatal("%s has no control %s", qPrintable(window->objectName()), name);
}

std::unique_ptr<IndexScheme> schemeOf(ScreenId screen)
{
    if (screen == ScreenId::IndexedL)
        return std::make_unique<LinkedIndexScheme>();
    return std::make_unique<MultilevelIndexScheme>();
}

}  // namespace

class IndexedWindowTest : public QObject {
    Q_OBJECT

    ProgramRandomStream m_stream;
    Share m_share{m_stream};
    std::unique_ptr<IndexedScreen> m_screen;
    ShellWindow<IndexedWindow> m_window;

    // The open window's controls by their names on the form, by kind.
    QLineEdit* field(const char* name) const { return byName<QLineEdit>(m_window.get(), name); }
    QPushButton* button(const char* name) const { return byName<QPushButton>(m_window.get(), name); }
    QLabel* label(const char* name) const { return byName<QLabel>(m_window.get(), name); }
    ReportListWidget* list(const char* name) const { return byName<ReportListWidget>(m_window.get(), name); }
    QRect onClient(const QWidget* w) const { return {w->mapTo(m_window->client(), QPoint(0, 0)), w->size()}; }

    void open(ScreenId scheme)
    {
        m_window.reset();
        m_screen = std::make_unique<IndexedScreen>(m_share, schemeOf(scheme));
        m_window = openByTheShell<IndexedWindow>(*m_screen);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Fills the form from the keyboard and presses Add with Enter.
    void addFromTheKeyboard(const QString& name, const QString& length)
    {
        field("txFile")->setFocus();
        QTest::keyClicks(field("txFile"), name);
        QTest::keyClick(field("txFile"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), field("txLenght"));
        QTest::keyClicks(field("txLenght"), length);
        QTest::keyClick(field("txLenght"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), button("cmAdd"));
        QTest::keyClick(button("cmAdd"), Qt::Key_Return);
    }
    int pressNextUntilDone()
    {
        int presses = 0;
        while (button("cmNext")->isVisible() && presses < 100) {
            QTest::keyClick(button("cmNext"), Qt::Key_Return);
            ++presses;
        }
        return presses;
    }

    static void bothSchemes()
    {
        QTest::addColumn<ScreenId>("scheme");
        QTest::newRow("Indexed_L") << ScreenId::IndexedL;
        QTest::newRow("Indexed_M") << ScreenId::IndexedM;
    }

private slots:
    void cleanup()
    {
        m_window.reset();
        m_screen.reset();
    }

    void eachWindowNamesItsSchemeAndSwitchesToTheOther_data() { bothSchemes(); }
    void eachWindowNamesItsSchemeAndSwitchesToTheOther()
    {
        QFETCH(ScreenId, scheme);
        open(scheme);
        const bool linked = scheme == ScreenId::IndexedL;
        QCOMPARE(m_window->objectName(), linked ? QStringLiteral("Indexed_L") : QStringLiteral("Indexed_M"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Indexed Allocation :: Quorvel"));
        QCOMPARE(
            label("lbType")->text(), linked ? QStringLiteral("Linked Scheme") : QStringLiteral("Multilevel Index"));
        QCOMPARE(
            button("cmdChg")->text(), linked ? QStringLiteral("Multilevel Index") : QStringLiteral("Linked Scheme"));
        QCOMPARE(label("lbType")->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(label("lbType")->palette().color(QPalette::Window), QColor(0, 64, 0));
        QVERIFY(label("lbType")->autoFillBackground());
        QCOMPARE(label("lbType")->font().pointSizeF(), 24.0);
        QVERIFY(label("lbType")->font().bold());
        QCOMPARE(label("lbType")->alignment(), Qt::AlignCenter);

        QSignalSpy spy(m_window.get(), &MethodWindow::switchRequested);
        QTest::mouseClick(button("cmdChg"), Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).value<ScreenId>(), linked ? ScreenId::IndexedM : ScreenId::IndexedL);
    }

    void sizeBorderAndLayout()
    {
        open(ScreenId::IndexedM);
        QCOMPARE(m_window->client()->size(), QSize(twipsToPixels(10830), twipsToPixels(8460)));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(!(m_window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        const QWidget* frame2 = byName<QWidget>(m_window.get(), "Frame2");
        QCOMPARE(onClient(frame2), twipsRect(120, 1200, 5895, 975));
        QCOMPARE(button("cmdChg")->parentWidget(), frame2);
        QCOMPARE(button("cmdChg")->geometry(), twipsRect(120, 240, 1335, 615));
        QCOMPARE(label("lbType")->geometry(), twipsRect(1560, 240, 4215, 615));
        const QWidget* frame1 = byName<QWidget>(m_window.get(), "Frame1");
        QCOMPARE(onClient(frame1), twipsRect(6840, 120, 3495, 1215));
        QCOMPARE(field("txFile")->geometry(), twipsRect(1080, 240, 1215, 285));
        QCOMPARE(field("txLenght")->geometry(), twipsRect(1080, 720, 1215, 285));
        QCOMPARE(button("cmAdd")->geometry(), twipsRect(2520, 720, 855, 375));
        QCOMPARE(button("cmClear")->geometry(), twipsRect(2520, 240, 855, 375));
        QCOMPARE(label("Label3")->text(), QStringLiteral("Lenght"));
        QCOMPARE(onClient(button("cmNext")), twipsRect(3000, 2520, 1215, 375));
        QCOMPARE(button("cmNext")->text(), QStringLiteral("Next Block >"));
        QCOMPARE(onClient(label("Label1")), twipsRect(7560, 1800, 1110, 300));
        QCOMPARE(onClient(list("lvDirectory")), twipsRect(6240, 2160, 4455, 2055));
        QCOMPARE(onClient(label("lbUsage")), twipsRect(6360, 4320, 3495, 255));
        QCOMPARE(onClient(list("lvIndex")), twipsRect(7440, 4920, 2535, 2055));
        QCOMPARE(onClient(label("Label4")), twipsRect(0, 8040, 9855, 495));
        QCOMPARE(onClient(m_window->grid()->Block(9)), twipsRect(1560 + 600, 3480 + 600, 375, 285));

        QCOMPARE(label("Label1")->font().pointSizeF(), 12.0);
        for (const ReportListWidget* list : {list("lvDirectory"), list("lvIndex")}) {
            QCOMPARE(list->font().pointSizeF(), 8.25);
            QVERIFY(list->font().bold());
        }
        QVERIFY(!label("Label4")->isVisible());
        QCOMPARE(label("lbUsage")->text(), QStringLiteral("Current Usage Block ="));
        // The usage label is read with its count, the frames by what they hold.
        const auto spoken
            = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
        QCOMPARE(spoken(label("lbUsage")), QStringLiteral("Current Usage Block ="));
        QCOMPARE(spoken(byName<QWidget>(m_window.get(), "Frame1")), QStringLiteral("New file"));
        QCOMPARE(spoken(byName<QWidget>(m_window.get(), "Frame2")), QStringLiteral("Multilevel Index"));
        // Whatever can take the focus has a name for screen readers; labels are read by their text.
        for (const QWidget* w : m_window->client()->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(w);
            if (label != nullptr)
                QVERIFY2(!label->text().isEmpty(), qPrintable(w->objectName()));
            else if (w->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
    }

    void menusCarryTheirAccessKeys()
    {
        open(ScreenId::IndexedL);
        const auto bar = m_window->menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0]->text(), QStringLiteral("&Menu"));
        QCOMPARE(bar[1]->text(), QStringLiteral("Me&thod"));
        QCOMPARE(bar[2]->text(), QStringLiteral("&About"));
        const auto methods = byName<QMenu>(m_window.get(), "mnMethod")->actions();
        QCOMPARE(methods.size(), 2);
        QCOMPARE(methods[0]->text(), QStringLiteral("&Contiguous"));
        QCOMPARE(methods[1]->text(), QStringLiteral("&Linked"));
        QSignalSpy spy(m_window.get(), &MethodWindow::switchRequested);
        byName<QAction>(m_window.get(), "mnContiguous")->trigger();
        byName<QAction>(m_window.get(), "mnLinked")->trigger();
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).value<ScreenId>(), ScreenId::Contiguous);
        QCOMPARE(spy.at(1).at(0).value<ScreenId>(), ScreenId::Linked);
    }

    void tabOrderRunsFromTheFieldsThroughTheListsAndCells()
    {
        open(ScreenId::IndexedL);
        QCOMPARE(QApplication::focusWidget(), field("txFile"));
        QList<QWidget*> expected{
            field("txFile"), field("txLenght"), button("cmAdd"), list("lvDirectory"), list("lvIndex")};
        for (int i = 0; i < BlockDisk::BLOCKS; ++i)
            expected << m_window->grid()->Block(i);
        expected << button("cmClear") << button("cmdChg") << field("txFile");  // cmNext is hidden in entry mode
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() == expected[i], qPrintable(QStringLiteral("step %1").arg(i)));
        }
    }

    void columnsAreExactlyAsWideAsComputed()
    {
        open(ScreenId::IndexedL);
        const QStringList captions{"F", "I", "File", "Block Index", "Blocks"};
        const QList<int> widths{21, 21, 104, 89, 56};
        QCOMPARE(list("lvDirectory")->columnCount(), 5);
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(list("lvDirectory")->headerItem()->text(c), captions[c]);
            QCOMPARE(list("lvDirectory")->header()->sectionSize(c), widths[c]);
        }
        QCOMPARE(list("lvIndex")->columnCount(), 1);
        QCOMPARE(list("lvIndex")->headerItem()->text(0), QStringLiteral("Index"));
        QCOMPARE(list("lvIndex")->header()->sectionSize(0), 164);
    }

    void placementModeFromTheKeyboard_data() { bothSchemes(); }
    void placementModeFromTheKeyboard()
    {
        QFETCH(ScreenId, scheme);
        open(scheme);
        addFromTheKeyboard(QStringLiteral("notes"), QStringLiteral("1"));
        QVERIFY(button("cmNext")->isVisible());
        QVERIFY(button("cmNext")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), button("cmNext"));
        for (const QWidget* w : std::initializer_list<const QWidget*>{
                 field("txFile"), field("txLenght"), button("cmAdd"), button("cmClear")})
            QVERIFY(!w->isEnabled());
        QVERIFY(button("cmdChg")->isEnabled());
        QCOMPARE(field("txFile")->text(), QString());

        QCOMPARE(pressNextUntilDone(), 3);  // both schemes: two placing presses and the ending one
        QVERIFY(!button("cmNext")->isVisible());
        QVERIFY(!button("cmNext")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), field("txFile"));
        for (const QWidget* w : std::initializer_list<const QWidget*>{
                 field("txFile"), field("txLenght"), button("cmAdd"), button("cmClear")})
            QVERIFY(w->isEnabled());

        const BlockDisk& disk = m_screen->form().disk;
        const int used = scheme == ScreenId::IndexedL ? 2 : 3;
        QCOMPARE(disk.usedCount(), used);
        QCOMPARE(label("lbUsage")->text(), QStringLiteral("Current Usage Blocks =%1").arg(used));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(label("lbUsage"))->text(QAccessible::Name), label("lbUsage")->text());
        const QColor plain = m_window->grid()->palette().color(QPalette::Text);
        for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
            const BlockCellWidget* cell = m_window->grid()->Block(b);
            const BlockDisk::Cell& c = disk.cell(b);
            QCOMPARE(cell->text(), QString::fromStdString(c.text));
            QCOMPARE(cell->palette().color(QPalette::Base), toQColor(c.colour));
            QCOMPARE(cell->palette().color(QPalette::Text), c.textColour ? toQColor(*c.textColour) : plain);
            if (scheme == ScreenId::IndexedM && !disk.isFree(b)) {
                const QColor bg = toQColor(c.colour);
                QCOMPARE(
                    cell->palette().color(QPalette::Text), QColor(255 - bg.red(), 255 - bg.green(), 255 - bg.blue()));
            }
        }
        QCOMPARE(list("lvDirectory")->topLevelItemCount(), scheme == ScreenId::IndexedL ? 1 : 2);
        QCOMPARE(list("lvDirectory")->rowTexts(0).at(2), scheme == ScreenId::IndexedL ? "notes.1" : "notes.Firs Level");
        QCOMPARE(list("lvDirectory")->topLevelItem(0)->foreground(0).color(),
            m_window->grid()->Block(list("lvDirectory")->rowTexts(0).at(3).toInt())->palette().color(QPalette::Base));
    }

    void aRowClickShowsItsIndexUntilClear_data() { bothSchemes(); }
    void aRowClickShowsItsIndexUntilClear()
    {
        QFETCH(ScreenId, scheme);
        open(scheme);
        addFromTheKeyboard(QStringLiteral("f"), QStringLiteral("9"));
        pressNextUntilDone();
        const QRect row = list("lvDirectory")->visualItemRect(list("lvDirectory")->topLevelItem(1));
        QTest::mouseClick(list("lvDirectory")->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(list("lvIndex")->headerItem()->text(0), "BLock Index  " + list("lvDirectory")->rowTexts(1).at(3));
        QCOMPARE(list("lvIndex")->header()->sectionSize(0), 161);
        QCOMPARE(list("lvIndex")->topLevelItemCount(), 8);
        QCOMPARE(
            list("lvIndex")->topLevelItem(0)->foreground(0).color(), list("lvIndex")->palette().color(QPalette::Text));

        QTest::mouseClick(button("cmClear"), Qt::LeftButton);
        QCOMPARE(list("lvIndex")->headerItem()->text(0), QStringLiteral("Index"));
        QCOMPARE(list("lvIndex")->header()->sectionSize(0), 164);
        QCOMPARE(list("lvIndex")->topLevelItemCount(), 0);
        QCOMPARE(list("lvDirectory")->topLevelItemCount(), 0);
        QCOMPARE(list("lvDirectory")->columnCount(), 5);
        QCOMPARE(label("lbUsage")->text(), QStringLiteral("Current Usage Blocks =0"));
        for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
            QCOMPARE(m_window->grid()->Block(b)->text(), QString());
            QCOMPARE(m_window->grid()->Block(b)->palette().color(QPalette::Base), QColor(Qt::white));
        }
    }

    void theKeyboardPicksRowsAndPressesTheSchemeButton_data() { bothSchemes(); }
    void theKeyboardPicksRowsAndPressesTheSchemeButton()
    {
        QFETCH(ScreenId, scheme);
        open(scheme);
        addFromTheKeyboard(QStringLiteral("f"), QStringLiteral("20"));
        pressNextUntilDone();
        ReportListWidget* directory = list("lvDirectory");
        const auto shown = [this] { return list("lvIndex")->headerItem()->text(0); };
        const auto indexOf = [directory](int row) { return "BLock Index  " + directory->rowTexts(row).at(3); };
        QCOMPARE(directory->topLevelItemCount(), scheme == ScreenId::IndexedL ? 3 : 4);

        // Tab reaches the directory with its first row current but not chosen; Space chooses it.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), directory);
        // A ring in the highlight colour shows which list has the focus.
        const auto ringed = [](ReportListWidget* list) {
            const QImage seen = list->viewport()->grab().toImage();
            const QColor ring = list->palette().color(QPalette::Highlight);
            const int dpr = static_cast<int>(seen.devicePixelRatio());
            return seen.pixelColor(0, seen.height() / 2) == ring
                && seen.pixelColor(seen.width() - dpr, seen.height() / 2) == ring
                && seen.pixelColor(seen.width() / 2, seen.height() - dpr) == ring;
        };
        QVERIFY(ringed(directory));
        QVERIFY(!ringed(list("lvIndex")));
        QCOMPARE(shown(), QStringLiteral("Index"));
        QTest::keyClick(directory, Qt::Key_Space);
        QCOMPARE(shown(), indexOf(0));
        QVERIFY(directory->topLevelItem(0)->isSelected());

        // The arrows choose the row they move to, as a click does.
        QTest::keyClick(directory, Qt::Key_Down);
        QCOMPARE(shown(), indexOf(1));
        QVERIFY(directory->topLevelItem(1)->isSelected());
        QTest::keyClick(directory, Qt::Key_End);
        QCOMPARE(shown(), indexOf(directory->topLevelItemCount() - 1));
        QTest::keyClick(directory, Qt::Key_Home);
        QCOMPARE(shown(), indexOf(0));
        QCOMPARE(list("lvIndex")->topLevelItemCount(), 8);
        QTest::keyClick(directory, Qt::Key_Up);  // already at the top: the view stays
        QCOMPARE(shown(), indexOf(0));
        QTest::keyClick(directory, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list("lvIndex"));
        QVERIFY(ringed(list("lvIndex")));
        QVERIFY(!ringed(directory));

        // Enter and Space press the scheme button like the other buttons.
        QSignalSpy spy(m_window.get(), &MethodWindow::switchRequested);
        button("cmdChg")->setFocus();
        QTest::keyClick(button("cmdChg"), Qt::Key_Return);
        QTest::keyClick(button("cmdChg"), Qt::Key_Space);
        QCOMPARE(spy.size(), 2);
        QVERIFY(button("cmdChg")->autoDefault());
    }

    void aFileTooLongIsRefusedWithABox()
    {
        open(ScreenId::IndexedL);
        QString seen;
        QTimer::singleShot(0, this, [&seen] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen = box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon());
                box->accept();
            }
        });
        addFromTheKeyboard(QStringLiteral("big"), QStringLiteral("57"));
        QCOMPARE(seen, QStringLiteral("Lenght Overloaded|Lenght Overloaded|%1").arg(QMessageBox::Critical));
        QVERIFY(!button("cmNext")->isVisible());
        QCOMPARE(field("txLenght")->text(), QStringLiteral("57"));
        QVERIFY(button("cmAdd")->isEnabled());
    }

    void theProgramSwitchesBetweenTheSchemesAndKeepsTheirNumbers()
    {
        QtScreenHost host(m_share);
        host.navigator().start(ScreenId::IndexedL);
        MethodWindow* linked = host.window(ScreenId::IndexedL);
        QVERIFY(linked != nullptr);
        const auto add = [](MethodWindow* w, const char* length) {
            w->findChild<QLineEdit*>(QStringLiteral("txFile"))->setText(QStringLiteral("f"));
            w->findChild<QLineEdit*>(QStringLiteral("txLenght"))->setText(QString::fromLatin1(length));
            w->findChild<QPushButton*>(QStringLiteral("cmAdd"))->click();
        };
        add(linked, "2");
        linked->findChild<QPushButton*>(QStringLiteral("cmNext"))->click();

        linked->findChild<QPushButton*>(QStringLiteral("cmdChg"))->click();  // in the middle of a placement
        QApplication::processEvents();
        MethodWindow* multilevel = host.window(ScreenId::IndexedM);
        QVERIFY(multilevel != nullptr);
        QVERIFY(host.window(ScreenId::IndexedL) == nullptr);
        QCOMPARE(multilevel->findChild<QLabel*>(QStringLiteral("lbType"))->text(), QStringLiteral("Multilevel Index"));

        multilevel->findChild<QPushButton*>(QStringLiteral("cmdChg"))->click();
        QApplication::processEvents();
        linked = host.window(ScreenId::IndexedL);
        QVERIFY(linked != nullptr);
        QVERIFY(!linked->findChild<QPushButton*>(QStringLiteral("cmNext"))->isVisible());
        QCOMPARE(linked->grid()->Block(0)->palette().color(QPalette::Base), QColor(Qt::white));
        add(linked, "1");
        linked->findChild<QPushButton*>(QStringLiteral("cmNext"))->click();
        const auto* directory = linked->findChild<ReportListWidget*>(QStringLiteral("lvDirectory"));
        QCOMPARE(directory->topLevelItemCount(), 1);
        QCOMPARE(directory->rowTexts(0).at(0), QStringLiteral("1"));  // the number goes on from the first visit
    }
};

QTEST_MAIN(IndexedWindowTest)
#include "indexed_window_test.moc"
