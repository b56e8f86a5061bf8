#include "widgets/disk_grid_widget.h"
#include "widgets/report_list_widget.h"
#include "shell/about_dialog.h"
#include "shell/qt_screen_host.h"

#include "support/running_program.h"
#include "support/window_testing.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

namespace {

// Every command that leads from one screen to another: the screen, the control and where it goes.
struct Command {
    ScreenId from;
    const char* control;
    ScreenId to;
};

const Command COMMANDS[] = {
    {ScreenId::Contiguous, "mnLinked", ScreenId::Linked},
    {ScreenId::Contiguous, "mnIndexed", ScreenId::IndexedL},
    {ScreenId::Linked, "mnContiguous", ScreenId::Contiguous},
    {ScreenId::Linked, "mnIndexed", ScreenId::IndexedL},
    {ScreenId::IndexedL, "mnContiguous", ScreenId::Contiguous},
    {ScreenId::IndexedL, "mnLinked", ScreenId::Linked},
    {ScreenId::IndexedL, "cmdChg", ScreenId::IndexedM},
    {ScreenId::IndexedM, "mnContiguous", ScreenId::Contiguous},
    {ScreenId::IndexedM, "mnLinked", ScreenId::Linked},
    {ScreenId::IndexedM, "cmdChg", ScreenId::IndexedL},
};

}  // namespace

class ScreenHostTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> m_program;

    Navigator& nav() { return m_program->host.navigator(); }
    MethodWindow* window(ScreenId s) const { return m_program->host.window(s); }

    // Uses a menu item or button of the loaded screen, then lets windows on their way out go.
    void use(ScreenId on, const char* control)
    {
        MethodWindow* w = window(on);
        QVERIFY2(w != nullptr, formName(on).data());
        if (auto* action = w->findChild<QAction*>(QString::fromLatin1(control)))
            action->trigger();
        else if (auto* button = w->findChild<QPushButton*>(QString::fromLatin1(control)))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            QFAIL(control);
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void addOnIndexed(ScreenId on, const QString& name, const QString& length)
    {
        MethodWindow* w = window(on);
        w->findChild<QLineEdit*>(QStringLiteral("txFile"))->setText(name);
        w->findChild<QLineEdit*>(QStringLiteral("txLenght"))->setText(length);
        w->findChild<QPushButton*>(QStringLiteral("cmAdd"))->click();
    }

    // Places a one-block file on any screen, so that a fresh load can be told from a kept window.
    void putAFileOn(ScreenId on)
    {
        MethodWindow* w = window(on);
        w->findChild<QLineEdit*>(QStringLiteral("txFile"))->setText(QStringLiteral("x"));
        if (auto* start = w->findChild<QLineEdit*>(QStringLiteral("txStart")))
            start->setText(QStringLiteral("0"));
        w->findChild<QLineEdit*>(QStringLiteral("txLenght"))->setText(QStringLiteral("1"));
        w->findChild<QPushButton*>(QStringLiteral("cmAdd"))->click();
        auto* next = w->findChild<QPushButton*>(QStringLiteral("cmNext"));
        for (int press = 0; next != nullptr && next->isVisible() && press < 4; ++press)
            next->click();
        QVERIFY(w->findChild<ReportListWidget*>(QStringLiteral("lvDirectory"))->topLevelItemCount() > 0);
    }

    int aboutDialogs() const
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<AboutDialog*>(w) != nullptr && w->isVisible() ? 1 : 0;
        return n;
    }

    // Runs the event loop as the program does and does `action` in it; true when the loop ended.
    bool endsTheProgram(const std::function<void()>& action)
    {
        bool ended = true;
        QTimer::singleShot(0, this, action);
        QTimer::singleShot(2000, this, [&ended] {
            ended = false;
            QCoreApplication::quit();
        });
        QCoreApplication::exec();
        return ended && nav().hasEnded();
    }

private slots:
    void init()
    {
        m_program = std::make_unique<RunningProgram>();
        nav().start(ScreenId::IndexedL);
        QApplication::processEvents();
    }

    void cleanup()
    {
        m_program.reset();
        QApplication::processEvents();
    }

    void theProgramOpensOnTheLinkedIndexScheme()
    {
        MethodWindow* first = window(ScreenId::IndexedL);
        QVERIFY(first != nullptr);
        QVERIFY(first->isVisible());
        QCOMPARE(first->objectName(), QStringLiteral("Indexed_L"));
        for (ScreenId s : {ScreenId::Contiguous, ScreenId::Linked, ScreenId::IndexedM})
            QVERIFY(!nav().exists(s));
        QCOMPARE(aboutDialogs(), 0);
        // The icon comes once the first frame is drawn, and every window has it from then on.
        QTRY_VERIFY(!first->windowIcon().isNull());
        QCOMPARE(first->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    }

    void everyCommandSwitchesToItsTargetOnAFreshScreen()
    {
        for (const Command& c : COMMANDS) {
            nav().switchTo(c.from);
            QApplication::processEvents();
            const QPointer<MethodWindow> before = window(c.from);
            putAFileOn(c.from);
            use(c.from, c.control);
            const QString what = QStringLiteral("%1 %2").arg(QString::fromLatin1(formName(c.from).data()), c.control);
            QVERIFY2(nav().loaded() == c.to, qPrintable(what));
            QVERIFY2(before.isNull(), qPrintable(what));  // the screen it came from is gone
            MethodWindow* target = window(c.to);
            QVERIFY2(target != nullptr && target->isVisible(), qPrintable(what));
            QCOMPARE(target->objectName(), QString::fromLatin1(formName(c.to).data()));
            for (int b = 0; b < BlockDisk::BLOCKS; ++b)
                QCOMPARE(target->grid()->Block(b)->palette().color(QPalette::Base), QColor(Qt::white));
            QCOMPARE(target->findChild<ReportListWidget*>(QStringLiteral("lvDirectory"))->topLevelItemCount(), 0);
            int shown = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                shown += qobject_cast<MethodWindow*>(w) != nullptr && w->isVisible() ? 1 : 0;
            QCOMPARE(shown, 1);
        }
    }

    void aScreensFileNumbersGoOnAfterARoundTrip()
    {
        use(ScreenId::IndexedL, "cmdChg");
        addOnIndexed(ScreenId::IndexedM, QStringLiteral("a"), QStringLiteral("1"));
        for (int press = 0; press < 3; ++press)
            window(ScreenId::IndexedM)->findChild<QPushButton*>(QStringLiteral("cmNext"))->click();
        use(ScreenId::IndexedM, "cmdChg");
        use(ScreenId::IndexedL, "cmdChg");
        auto* directory = window(ScreenId::IndexedM)->findChild<ReportListWidget*>(QStringLiteral("lvDirectory"));
        QCOMPARE(directory->topLevelItemCount(), 0);
        addOnIndexed(ScreenId::IndexedM, QStringLiteral("b"), QStringLiteral("1"));
        QCOMPARE(directory->topLevelItemCount(), 1);
        QCOMPARE(directory->rowTexts(0).at(0), QStringLiteral("1"));  // file 0 was "a" on the earlier visit
    }

    void aboutOpensOnceAndStaysOpenThroughASwitch()
    {
        use(ScreenId::IndexedL, "mnAbout");
        use(ScreenId::IndexedL, "mnAbout");
        QCOMPARE(aboutDialogs(), 1);
        AboutDialog* about = m_program->host.about();
        QVERIFY(about != nullptr && !about->isModal());
        use(ScreenId::IndexedL, "mnLinked");
        QCOMPARE(m_program->host.about(), about);
        QVERIFY(about->isVisible());
        QVERIFY(window(ScreenId::Linked)->isEnabled());  // the screen stays usable beside it
        about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QApplication::processEvents();
        QCOMPARE(aboutDialogs(), 0);
        QVERIFY(window(ScreenId::Linked) != nullptr);
        QVERIFY(!nav().hasEnded());
        use(ScreenId::Linked, "mnAbout");  // and it opens again afterwards
        QCOMPARE(aboutDialogs(), 1);
    }

    void exitEndsTheProgramFromEveryScreenEvenWithAboutOpen()
    {
        for (const ScreenId s : {ScreenId::Contiguous, ScreenId::Linked, ScreenId::IndexedL, ScreenId::IndexedM}) {
            cleanup();
            init();
            nav().switchTo(s);
            QApplication::processEvents();
            use(s, "mnAbout");
            QVERIFY(endsTheProgram([this, s] { use(s, "exit"); }));
        }
    }

    void theProgramEndsWhenNoWindowIsLeft()
    {
        use(ScreenId::IndexedL, "mnAbout");
        window(ScreenId::IndexedL)->close();
        QApplication::processEvents();
        QVERIFY(window(ScreenId::IndexedL) == nullptr);
        QVERIFY(!nav().hasEnded());  // the About dialog is still open
        QCOMPARE(aboutDialogs(), 1);
        QVERIFY(endsTheProgram([this] { m_program->host.about()->close(); }));

        cleanup();
        init();
        QVERIFY(endsTheProgram([this] { window(ScreenId::IndexedL)->close(); }));
    }
};

QTEST_MAIN(ScreenHostTest)
#include "screen_host_test.moc"
