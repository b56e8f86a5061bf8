#include "widgets/backdrop_widget.h"

#include <QApplication>
#include <QTest>

namespace {

constexpr QSize PICTURE(480, 560);

// How many of the image's aligned 2 x 2 squares hold more than one colour. A picture of half the
// resolution blown up to this size has none.
int squaresWithDetail(const QImage& image)
{
    int count = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb first = image.pixel(x, y);
            if (image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first || image.pixel(x + 1, y + 1) != first)
                ++count;
        }
    }
    return count;
}

QImage comparable(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

}  // namespace

class BackdropWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void pictureHasAsManyPixelsAsTheScreen()
    {
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const QPixmap picture = BackdropWidget::picture(ratio);
            QCOMPARE(picture.devicePixelRatio(), ratio);
            QCOMPARE(picture.size(), PICTURE * ratio);
            QCOMPARE(picture.deviceIndependentSize(), QSizeF(PICTURE));
        }
        // Drawn at that resolution, not enlarged: edges and tracks fall between logical pixels.
        const QImage sharp = BackdropWidget::picture(2.0).toImage();
        QVERIFY2(squaresWithDetail(sharp) > sharp.width() * sharp.height() / 4 / 100,
            qPrintable(QStringLiteral("only %1 squares with detail").arg(squaresWithDetail(sharp))));
        // The same drawing at both ratios: the middle of the platter and the tray keep their colours.
        const QImage plain = BackdropWidget::picture(1.0).toImage();
        for (const QPoint at : {QPoint(170, 112), QPoint(250, 400), QPoint(470, 10)})
            QCOMPARE(sharp.pixelColor(at * 2), plain.pixelColor(at));
    }

    void scaledScreenShowsThePictureAtFullResolution()
    {
        // The application was started with a scale factor of 2, as on a high-resolution screen.
        QWidget window;
        auto* backdrop = new BackdropWidget(&window);
        backdrop->setGeometry(0, 0, 600, 700);
        window.resize(600, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(backdrop->devicePixelRatioF(), 2.0);

        const QImage shown = comparable(backdrop->grab().toImage());
        QCOMPARE(shown.size(), QSize(1200, 1400));
        QCOMPARE(shown.copy(QRect(QPoint(0, 0), PICTURE * 2)), comparable(BackdropWidget::picture(2.0).toImage()));
        QCOMPARE(shown.pixelColor(1100, 1300), QColor(Qt::white));
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    BackdropWidgetTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "backdrop_widget_test.moc"
