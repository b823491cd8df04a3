// The application icon, pixel by pixel, as the windows load it and as the
// desktop gets it.
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QtTest>

namespace {

const QString iconResource = QStringLiteral(":/icons/MAINICON");

// A silver field under three 14 x 13 squares, each drawn over the one
// before: white at (4,1), grey at (14,7), black at (8,18).
QRgb designedPixel(int x, int y)
{
    auto inSquare = [x, y](int left, int top) {
        return x >= left && x < left + 14 && y >= top && y < top + 13;
    };
    if (inSquare(8, 18))
        return qRgb(0, 0, 0);
    if (inSquare(14, 7))
        return qRgb(128, 128, 128);
    if (inSquare(4, 1))
        return qRgb(255, 255, 255);
    return qRgb(192, 192, 192);
}

} // namespace

class IconTest : public QObject {
    Q_OBJECT
private slots:
    void everyPixelAsDesigned_data()
    {
        QTest::addColumn<QImage>("icon");
        QTest::newRow("resource") << QImage(iconResource);
        QTest::newRow("window icon") << QIcon(iconResource).pixmap(32, 32).toImage();
        QTest::newRow("desktop PNG") << QImage(QStringLiteral(STARLOOM_ICON_PNG));
    }

    void everyPixelAsDesigned()
    {
        QFETCH(QImage, icon);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.size(), QSize(32, 32));
        const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (argb.pixel(x, y) != designedPixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is #%3, expected #%4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(argb.pixel(x, y), 8, 16, QLatin1Char('0'))
                                         .arg(designedPixel(x, y), 8, 16, QLatin1Char('0'))));
            }
        }
    }

    void resourceIsCompiledIn()
    {
        QVERIFY(QFile::exists(iconResource));
    }
};

QTEST_MAIN(IconTest)
#include "IconTest.moc"
