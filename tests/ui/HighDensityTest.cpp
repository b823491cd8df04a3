// The main window on a screen scaled by two (CTest sets QT_SCALE_FACTOR=2):
// one frame pixel still covers one logical pixel, and the readout still
// gives frame coordinates.

#include "MainPanelFixture.h"

#include "Simulation.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace {

class HighDensity : public MainPanelFixture {
protected:
    void SetUp() override
    {
        MainPanelFixture::SetUp();
        ASSERT_EQ(panel->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    }
};

TEST_F(HighDensity, EveryFramePixelCoversOneLogicalPixel)
{
    QTest::mouseClick(Child<QPushButton>("Button1"), Qt::LeftButton);
    const QImage shown = Image()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(2 * FrameWidth, 2 * FrameHeight));
    int wrong = 0;
    for (int x = 0; x < FrameWidth; ++x)
        for (int y = 0; y < FrameHeight; ++y) {
            const QRgb grey = qRgb(DisplayFrame[x][y], DisplayFrame[x][y], DisplayFrame[x][y]);
            for (const QPoint device : {QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y + 1)})
                if (shown.pixel(device) != grey && ++wrong <= 5)
                    ADD_FAILURE() << "device pixel (" << device.x() << ", " << device.y() << ") for frame pixel ("
                                  << x << ", " << y << ")";
        }
    EXPECT_EQ(wrong, 0);
}

TEST_F(HighDensity, ReadoutGivesFrameCoordinates)
{
    QTest::mouseClick(Child<QPushButton>("Button1"), Qt::LeftButton);
    // The last device pixel of the frame lies half a logical pixel in.
    const QPointF at(599.5, 399.5);
    QMouseEvent move(QEvent::MouseMove, at, Image()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Image(), &move);
    EXPECT_EQ(Text("Edit1"), "599");
    EXPECT_EQ(Text("Edit5"), "399");
    EXPECT_EQ(Text("Edit6"), QString::number(RawFrame[599][399]));
}

}  // namespace
