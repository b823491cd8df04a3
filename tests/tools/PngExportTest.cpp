// --png read back through Qt and compared, pixel by pixel, with the
// DisplayFrame that --raw writes for the same run. RunTool removes every
// display variable, so this also shows that no display is needed.

#include "ToolTestSupport.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Shown in test names as the actions themselves.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QStringList& actions, std::ostream* os)
{
    *os << actions.join(' ').toStdString();
}
QT_END_NAMESPACE

namespace {

class PngExport : public testing::TestWithParam<QStringList> {};

TEST_P(PngExport, ReadsBackAsDisplayFrameTheWayUpTheWindowShowsIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ToolRun run = RunTool(QStringList{"--raw", dir.filePath("raw"), "--png", dir.filePath("frame.png")} + GetParam());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();

    const QImage image(dir.filePath("frame.png"), "png");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_Grayscale8);
    ASSERT_EQ(image.width(), Width);
    ASSERT_EQ(image.height(), Height);
    const std::vector<std::int32_t> display = ReadIntPlane(dir.filePath("raw/DisplayFrame.raw"));
    int mismatches = 0;
    for (int x = 0; x < Width; ++x)
        for (int y = 0; y < Height; ++y) {
            // Image row 0 is the top row, as the window paints y = 0.
            const int grey = image.constScanLine(y)[x];
            if (grey != display[std::size_t(x) * Height + y] && ++mismatches <= 5) {
                ADD_FAILURE() << "pixel x=" << x << " y=" << y << ": " << grey;
            }
        }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Sequences, PngExport,
                         testing::Values(QStringList{"start=300,-10,4"},
                                         QStringList{"start=1000,20,0", "dark=1000,20,0"},
                                         QStringList{"start=0,-50,8", "dark=1000,20,0"}));

}  // namespace
