#include "widgets/backdrop_widget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int SIZES[] = {16, 24, 32, 48, 64, 128, 256};

QImage comparable(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

// The drawing of one size as committed beside the SVG it was made from.
QImage committed(int size)
{
    return QImage(
        QStringLiteral(PELLUCOR_SOURCE_DIR "/resources/icons/hicolor/%1x%1/apps/" PELLUCOR_APP_ID ".png").arg(size));
}

}  // namespace

class PellucorIconTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        // As on a desktop without a theme of its own, where hicolor is the one searched.
        QIcon::setThemeName(QStringLiteral("hicolor"));
    }

    void builtInCopyServesEverySizeWhenNothingIsInstalled()
    {
        QTemporaryDir nothingInstalled;
        QIcon::setThemeSearchPaths({nothingInstalled.path()});
        const QIcon icon = pellucorIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (const int size : SIZES) {
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
            const QImage expected = committed(size);
            QCOMPARE(expected.size(), QSize(size, size));
            // Through a pixmap, as the icon keeps it, so that both lose the same precision at the edges.
            QCOMPARE(comparable(icon.pixmap(QSize(size, size)).toImage()),
                comparable(QPixmap::fromImage(expected).toImage()));
        }
    }

    void installedThemeIconComesFirst()
    {
        // A theme whose copy of the icon is plain red, so that it cannot be taken for the built-in one.
        QTemporaryDir installed;
        const QString theme = installed.path() + QStringLiteral("/hicolor");
        QVERIFY(QDir().mkpath(theme + QStringLiteral("/48x48/apps")));
        QFile index(theme + QStringLiteral("/index.theme"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n\n"
                    "[48x48/apps]\nSize=48\nContext=Applications\nType=Threshold\n");
        index.close();
        QImage red(48, 48, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(theme + QStringLiteral("/48x48/apps/" PELLUCOR_APP_ID ".png")));
        QIcon::setThemeSearchPaths({installed.path()});

        const QIcon icon = pellucorIcon();
        QCOMPARE(icon.name(), QStringLiteral(PELLUCOR_APP_ID));
        QCOMPARE(icon.pixmap(QSize(48, 48)).toImage().pixelColor(24, 24), QColor(Qt::red));
    }
};

QTEST_MAIN(PellucorIconTest)
#include "pellucor_icon_test.moc"
