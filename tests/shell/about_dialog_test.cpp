#include "widgets/form_geometry.h"
#include "shell/about_dialog.h"

#include "support/fake_registry.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

class AboutDialogTest : public QObject {
    Q_OBJECT

    FakeRegistry m_registry;
    FakeStarter m_starter;
    std::unique_ptr<AboutDialog> m_dialog;

    template <typename T> T* control(const char* name) const
    {
        T* found = m_dialog->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no control %s", name);
        return found;
    }
    QString text(const char* name) const { return control<QLabel>(name)->text(); }

private slots:
    void init()
    {
        m_registry = {};
        m_starter = {};
        m_dialog = std::make_unique<AboutDialog>(m_registry, m_starter);
        m_dialog->show();
        QApplication::setActiveWindow(m_dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }

    void cleanup() { m_dialog.reset(); }

    void loadWritesTheTitleAndTheVersion()
    {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("About Pellucor"));
        QCOMPARE(text("lblTitle"), QStringLiteral("Pellucor"));
        QCOMPARE(text("lblVersion"), QStringLiteral("Version 1.0.0"));
        QCOMPARE(text("lblDescription"), QStringLiteral("To Simulate 3 of allocation Method"));
        QCOMPARE(m_dialog->size(), QSize(twipsToPixels(7500), twipsToPixels(4215)));
        QCOMPARE(m_dialog->minimumSize(), m_dialog->maximumSize());
        QVERIFY(!(m_dialog->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(m_dialog->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!m_dialog->isModal());
        const auto* ok = control<QPushButton>("cmdOK");
        const auto* sysInfo = control<QPushButton>("cmdSysInfo");
        QCOMPARE(
            ok->geometry(), QRect(twipsToPixels(5760), twipsToPixels(2625), twipsToPixels(1260), twipsToPixels(345)));
        QCOMPARE(sysInfo->text(), QStringLiteral("&System Info..."));
        QVERIFY(ok->isDefault());
        QCOMPARE(QApplication::focusWidget(), ok);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), sysInfo);
        for (QLabel* label : m_dialog->findChildren<QLabel*>()) {
            QVERIFY2(!label->text().isEmpty(), qPrintable(label->objectName()));
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));  // nothing cut
        }
    }

    void okEnterEscapeAndTheCloseBoxAllCloseIt()
    {
        const std::function<void()> ways[] = {
            [this] { control<QPushButton>("cmdOK")->click(); },
            [this] { QTest::keyClick(m_dialog.get(), Qt::Key_Return); },
            [this] { QTest::keyClick(m_dialog.get(), Qt::Key_Escape); },
            [this] { m_dialog->close(); },
        };
        for (const auto& closeIt : ways) {
            init();
            QSignalSpy closed(m_dialog.get(), &AboutDialog::closed);
            closeIt();
            QCOMPARE(closed.size(), 1);
            QVERIFY(!m_dialog->isVisible());
        }
    }

    void systemInfoStartsTheProgramFound()
    {
        m_registry.store(registry::MSINFO_KEY, "PATH", {registry::REG_SZ, "/usr/bin/hardinfo"});
        control<QPushButton>("cmdSysInfo")->click();
        QCOMPARE(m_starter.started, std::vector<std::string>{"/usr/bin/hardinfo"});
    }

    void withoutAProgramItSaysSoAndStaysOpen()
    {
        QString seenText;
        QString seenTitle;
        QMessageBox::Icon seenIcon = QMessageBox::Critical;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seenText = box->text();
            seenTitle = box->windowTitle();
            seenIcon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        qWarning() << "focus" << QApplication::focusWidget() << QApplication::activeWindow();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        qWarning() << "after key" << seenText;
        if (seenText.isEmpty())
            control<QPushButton>("cmdSysInfo")->click();
        QCOMPARE(seenText, QStringLiteral("System Information Is Unavailable At This Time"));
        QCOMPARE(seenTitle, QStringLiteral("Pellucor"));
        QCOMPARE(seenIcon, QMessageBox::NoIcon);
        QVERIFY(m_dialog->isVisible());
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
