#include "compare/compare_window.h"
#include "core/screen.h"
#include "lesson/reading.h"
#include "panel/lesson_panel.h"
#include "panel/read_page.h"
#include "shell/about_dialog.h"
#include "widgets/block_cell_widget.h"
#include "widgets/disk_grid_widget.h"
#include "widgets/form_geometry.h"

#include "support/running_program.h"
#include "support/window_testing.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

class LessonPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> m_program;

    QtScreenHost& host() { return m_program->host; }
    MethodWindow* window(ScreenId s) const { return m_program->host.window(s); }
    QLabel* answer(const char* name) const { return host().lesson()->findChild<QLabel*>(QString::fromLatin1(name)); }
    QtScreenHost& host() const { return m_program->host; }

    // Places a file on the linked index scheme through its window, block by block to the end.
    void placeOnIndexedL(const QString& name, const QString& length)
    {
        MethodWindow* w = window(ScreenId::IndexedL);
        w->findChild<QLineEdit*>(QStringLiteral("txFile"))->setText(name);
        w->findChild<QLineEdit*>(QStringLiteral("txLenght"))->setText(length);
        w->findChild<QPushButton*>(QStringLiteral("cmAdd"))->click();
        auto* next = w->findChild<QPushButton*>(QStringLiteral("cmNext"));
        while (next->isVisible())
            next->click();
    }

    static void verifyUniqueAccessKeys(const QList<QAction*>& actions, const QString& where, QStringList texts = {})
    {
        for (const QAction* a : actions)
            texts << a->text();
        QMap<QChar, QString> taken;
        for (const QString& text : texts) {
            const qsizetype at = QString(text).replace(QStringLiteral("&&"), QStringLiteral("__")).indexOf(QLatin1Char('&'));
            if (at < 0 || at + 1 >= text.size())
                continue;
            const QChar key = text.at(at + 1).toLower();
            QVERIFY2(!taken.contains(key), qPrintable(where + QStringLiteral(": \"%1\" and \"%2\"").arg(taken[key], text)));
            taken[key] = text;
        }
    }

    // Every cell shows the colour and the text the disk holds.
    static void verifyCellsAsTheDiskHolds(const MethodWindow* w, const BlockDisk& disk)
    {
        for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
            const BlockCellWidget* cell = w->grid()->Block(b);
            QCOMPARE(cell->palette().color(QPalette::Base), toQColor(disk.colourOf(b)));
            QCOMPARE(cell->text(), QString::fromStdString(disk.cell(b).text));
        }
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

    void theReadPathIsMarkedInOrderAndLeavesTheCellsAsTheyAre()
    {
        placeOnIndexedL(QStringLiteral("notes"), QStringLiteral("20"));
        MethodWindow* w = window(ScreenId::IndexedL);
        QTest::keyClick(w, Qt::Key_F2);  // F2 on the screen opens the panel
        LessonPanel* panel = host().lesson();
        QVERIFY(panel != nullptr && panel->isVisible());
        QCOMPARE(panel->windowTitle(), QStringLiteral("Lesson"));
        const QImage before = w->grid()->grab().toImage();

        panel->readPage()->pick(0, 15);
        const Screen& screen = *host().screen(ScreenId::IndexedL);
        const auto path = readBlock(screen, screen.files().front(), 15);
        QVERIFY(path.has_value());
        QCOMPARE(path->blocks.size(), 4U);  // three index blocks, then block 15
        QCOMPARE(w->grid()->readMarks(), path->blocks);
        QCOMPARE(answer("lessonPath")->text(), QString::fromStdString(readPathText(path->blocks)));
        // A screen reader hears the answer and the marks as well.
        QCOMPARE(answer("lessonPath")->accessibleDescription(), answer("lessonPath")->text());
        QCOMPARE(w->grid()->Block(path->blocks[2])->accessibleDescription(), QStringLiteral("used, read 3rd"));
        verifyCellsAsTheDiskHolds(w, screen.form().disk);
        // Inside its edge every cell looks as it did; only the marked ones have a ring on the edge.
        const QImage marked = w->grid()->grab().toImage();
        for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
            const QRect inside = w->grid()->Block(b)->geometry().adjusted(2, 2, -2, -2);
            QVERIFY2(marked.copy(inside) == before.copy(inside), qPrintable(QString::number(b)));
        }

        panel->close();
        QVERIFY(w->grid()->readMarks().empty());
        host().showLesson();
        QCOMPARE(w->grid()->readMarks(), path->blocks);
        panel->readPage()->pick(-1, 0);
        QVERIFY(w->grid()->readMarks().empty());
        QCOMPARE(w->grid()->Block(path->blocks[2])->accessibleDescription(), QStringLiteral("used"));
    }

    // Alt and a letter reaches one control only, in every window and every menu.
    void accessKeysAreUniqueInEveryWindow()
    {
        host().showLesson();
        host().navigator().showAbout();
        QList<QWidget*> windows{host().lesson(), host().about()};
        for (const ScreenId s : {ScreenId::Contiguous, ScreenId::Linked, ScreenId::IndexedL, ScreenId::IndexedM}) {
            host().navigator().switchTo(s);
            QApplication::processEvents();
            windows << window(s);
            for (const QMenu* menu : window(s)->findChildren<QMenu*>())
                verifyUniqueAccessKeys(menu->actions(), menu->objectName());
            verifyUniqueAccessKeys(window(s)->menuBar()->actions(), window(s)->objectName() + QStringLiteral(" menus"));
        }
        for (QWidget* w : windows) {
            QStringList texts;
            for (const QAbstractButton* b : w->findChildren<QAbstractButton*>())
                texts << b->text();
            for (const QLabel* l : w->findChildren<QLabel*>()) {
                if (l->buddy() != nullptr)
                    texts << l->text();
            }
            for (const QTabWidget* tabs : w->findChildren<QTabWidget*>()) {
                for (int i = 0; i < tabs->count(); ++i)
                    texts << tabs->tabText(i);
            }
            QList<QAction*> none;
            verifyUniqueAccessKeys(none, w->objectName(), texts);
        }
    }

    void theLecturesKeysWorkFromThePanelToo()
    {
        placeOnIndexedL(QStringLiteral("notes"), QStringLiteral("3"));
        host().showLesson();
        LessonPanel* panel = host().lesson();
        QTest::keyClick(panel, Qt::Key_F5);
        QVERIFY(host().screen(ScreenId::IndexedL)->files().empty());
        QTest::keyClick(panel, Qt::Key_F4);
        QCOMPARE(host().screen(ScreenId::IndexedL)->files().size(), 1U);
        host().play(2000);
        QTest::keyClick(panel, Qt::Key_Escape);
        QVERIFY(!host().isPlaying());
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(panel, Qt::Key_F3);
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());
        QVERIFY(answer("lectureStatus")->accessibleDescription().startsWith(QStringLiteral("Copied")));
        QVERIFY(host().compare() == nullptr);
        QTest::keyClick(panel, Qt::Key_F6);
        QVERIFY(host().compare() != nullptr && host().compare()->isVisible());
    }

    void thePanelFollowsTheScreensAndNeverKeepsTheProgramRunning()
    {
        host().showLesson();
        LessonPanel* panel = host().lesson();
        QCOMPARE(answer("screenName")->text(), QStringLiteral("Indexed allocation, linked index scheme"));
        window(ScreenId::IndexedL)->findChild<QAction*>(QStringLiteral("mnContiguous"))->trigger();
        QApplication::processEvents();
        QCOMPARE(panel->followed(), host().screen(ScreenId::Contiguous));
        QCOMPARE(answer("screenName")->text(), QStringLiteral("Contiguous allocation"));
        QCOMPARE(answer("lessonRuns")->text(), QStringLiteral("0-63 (64)"));
        // A method screen's menus stay as they were.
        verifyMenuBar(window(ScreenId::Contiguous),
            {{QStringLiteral("&Linked"), QStringLiteral("mnLinked")}, {QStringLiteral("&Indexed"), QStringLiteral("mnIndexed")}});

        panel->close();
        QVERIFY(!host().navigator().hasEnded());
        host().showLesson();
        window(ScreenId::Contiguous)->close();
        QVERIFY(host().navigator().hasEnded());
    }
};

// The lecture controls through the real program: Restart, Step back, Play on and the picture.
class LectureControlsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> m_program;

    MethodWindow* window() const { return m_program->host.window(ScreenId::IndexedL); }
    const Screen& screen() const { return *m_program->host.screen(ScreenId::IndexedL); }
    void type(const QString& name, const QString& length)
    {
        window()->findChild<QLineEdit*>(QStringLiteral("txFile"))->setText(name);
        window()->findChild<QLineEdit*>(QStringLiteral("txLenght"))->setText(length);
    }
    void press(const char* button) { window()->findChild<QPushButton*>(QString::fromLatin1(button))->click(); }

private slots:
    void init()
    {
        m_program = std::make_unique<RunningProgram>();
        m_program->host.navigator().start(ScreenId::IndexedL);
        m_program->host.showLesson(false);
        QVERIFY(showActive(window()));  // the keys belong to the method window
    }

    void cleanup() { m_program.reset(); }

    void restartRepeatsTheRunDrawForDraw()
    {
        const auto run = [this] {
            type(QStringLiteral("a"), QStringLiteral("9"));
            press("cmAdd");
            for (int n = 0; n < 4; ++n)
                press("cmNext");
            return screen().files();
        };
        const std::vector<FileRecord> first = run();
        QTest::keyClick(window(), Qt::Key_F5);
        QVERIFY(screen().files().empty());
        QVERIFY(showActive(window()));  // a new window over a new screen object
        QCOMPARE(m_program->share.position(), 0U);
        QVERIFY(run() == first);
    }

    void stepBackUndoesARefusedAddAndItsDraws()
    {
        type(QString(), QStringLiteral("x"));
        const std::uint64_t before = m_program->share.position();
        const auto refused = answeringBoxes([this] { press("cmAdd"); });
        QCOMPARE(refused.size(), 2);
        QCOMPARE(m_program->share.position(), before + 3);  // the colour was drawn all the same
        QVERIFY(showActive(window()));
        QTest::keyClick(window(), Qt::Key_F4);
        QCOMPARE(m_program->share.position(), before);
        type(QStringLiteral("a"), QStringLiteral("1"));
        press("cmAdd");
        const ColourValue again = screen().currentColour().packed();
        QTest::keyClick(window(), Qt::Key_F4);
        QVERIFY(screen().files().empty());
        press("cmAdd");
        QCOMPARE(screen().currentColour().packed(), again);
    }

    void playOnPlacesTheFileAndStops()
    {
        type(QStringLiteral("a"), QStringLiteral("5"));
        press("cmAdd");
        QtScreenHost& host = m_program->host;
        host.play(100);
        QVERIFY(host.isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!host.isPlaying(), 5000);
        QCOMPARE(screen().mode(), Mode::Idle);
        QCOMPARE(screen().files().front().blocks.size(), 6U);
        // A press of the user's own stops it, and so does Escape.
        type(QStringLiteral("b"), QStringLiteral("5"));
        press("cmAdd");
        host.play(2000);
        press("cmNext");
        QVERIFY(!host.isPlaying());
        host.play(2000);
        QTest::keyClick(window(), Qt::Key_Escape);
        QVERIFY(!host.isPlaying());
    }

    void thePictureGoesToTheClipboard()
    {
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(window(), Qt::Key_F3);
        const QImage picture = QGuiApplication::clipboard()->image();
        QCOMPARE(picture.size(), window()->size() * window()->devicePixelRatio());
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    LessonPanelTest panel;
    LectureControlsTest lecture;
    return QTest::qExec(&panel, argc, argv) | QTest::qExec(&lecture, argc, argv);
}

#include "lesson_panel_test.moc"
