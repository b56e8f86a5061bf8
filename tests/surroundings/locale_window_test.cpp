// Typing numbers into the contiguous window reads them the same way under any locale: the decimal
// point is always '.', and a comma never makes a number, whatever the locale's own separators.
#include "contiguous/contiguous_screen.h"
#include "contiguous/contiguous_window.h"
#include "widgets/report_list_widget.h"

#include "support/scripted_stream.h"
#include "support/window_testing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <clocale>
#include <memory>

namespace {

// The texts typed into the start field and, separately, into the length field.
const QStringList TYPED{QStringLiteral("2.5"), QStringLiteral("1e1"), QStringLiteral("-0.5"), QStringLiteral("1,5")};

// What a user sees after each Add: the new row, or the text of the box that refused it.
QStringList typeEachAndAdd()
{
    std::vector<double> draws;
    for (int n = 0; n < 2 * static_cast<int>(TYPED.size()); ++n)
        for (const double v : colourDraws(n + 1, n + 2, n + 3))
            draws.push_back(v);
    ScriptedStream stream(draws);
    Share share(stream);
    ContiguousScreen screen(share);
    const auto opened = openByTheShell<ContiguousWindow>(screen);
    ContiguousWindow& window = *opened;
    window.show();

    const auto field = [&window](const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name)); };
    auto* cmAdd = window.findChild<QPushButton*>(QStringLiteral("cmAdd"));
    auto* lvDirectory = window.findChild<ReportListWidget*>(QStringLiteral("lvDirectory"));
    QStringList seen;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen << QStringLiteral("box: ") + box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start();

    const auto add = [&](const QString& start, const QString& length) {
        for (auto [name, text] : {std::pair{"txFile", QStringLiteral("f")}, {"txStart", start}, {"txLenght", length}}) {
            QLineEdit* box = field(name);
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, text);
        }
        const int rows = lvDirectory->topLevelItemCount();
        cmAdd->click();
        if (lvDirectory->topLevelItemCount() > rows)
            seen << QStringLiteral("row: ") + lvDirectory->rowTexts(rows).join(QLatin1Char(' '));
    };
    int start = 20;
    for (const QString& text : TYPED) {
        add(text, QStringLiteral("1"));
        add(QString::number(start), text);
        start += 12;
    }
    return seen;
}

}  // namespace

class LocaleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }

    void theCLocaleReadsAsDescribed()
    {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        const QStringList expected{
            QStringLiteral("row: f 2 1"),
            QStringLiteral("row: f 20 2"),
            QStringLiteral("row: f 10 1"),
            QStringLiteral("row: f 32 10"),
            QStringLiteral("row: f 0 1"),
            QStringLiteral("row: f 44 0"),
            QStringLiteral("box: Start value must be Numeric"),
            QStringLiteral("box: Lenght value must be Numeric"),
        };
        QCOMPARE(typeEachAndAdd(), expected);
    }

    void otherLocalesReadAsTheCLocale_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("qtName");
        QTest::newRow("German") << QByteArray("de_DE.UTF-8") << QStringLiteral("de_DE");
        QTest::newRow("Turkish") << QByteArray("tr_TR.UTF-8") << QStringLiteral("tr_TR");
        QTest::newRow("C") << QByteArray("C") << QStringLiteral("C");
    }

    void otherLocalesReadAsTheCLocale()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, qtName);
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
        const QStringList inC = typeEachAndAdd();

        // As QApplication does at start from the environment, and as Qt's own default follows it.
        if (std::setlocale(LC_ALL, locale.constData()) == nullptr)
            QSKIP(qPrintable(QStringLiteral("the locale %1 is not installed here (scripts/setup.sh --tests makes it)")
                                 .arg(QString::fromLatin1(locale))));
        QLocale::setDefault(QLocale(qtName));
        if (qtName != QLatin1String("C"))
            QVERIFY(QLocale().decimalPoint() == QLatin1String(","));  // the locale really differs from C
        QCOMPARE(typeEachAndAdd(), inC);
    }
};

QTEST_MAIN(LocaleWindowTest)
#include "locale_window_test.moc"
