// The main window at work: its state after start-up, the two buttons, the
// sliders and the pixel readout, and the Help menu. Every case starts from a
// freshly set-up engine (CTest runs each in a process of its own).

#include "MainPanelFixture.h"

#include "Simulation.h"

#include <QApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionSlider>

#include <cstdlib>
#include <cstring>
#include <string>
#include <functional>

namespace {

QRgb Grey(int level)
{
    return qRgb(level, level, level);
}

// Every pixel of `picture` must be the grey level that DisplayFrame holds.
void ExpectShowsDisplayFrame(const QImage& picture)
{
    ASSERT_EQ(picture.size(), QSize(FrameWidth, FrameHeight));
    int wrong = 0;
    for (int x = 0; x < FrameWidth; ++x)
        for (int y = 0; y < FrameHeight; ++y)
            if (picture.pixel(x, y) != Grey(DisplayFrame[x][y]) && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << picture.pixel(x, y)
                              << ", DisplayFrame holds " << std::dec << DisplayFrame[x][y];
    EXPECT_EQ(wrong, 0);
}

bool PlanesEqual(IntPlane plane, const std::vector<std::int32_t>& copy)
{
    for (int x = 0; x < FrameWidth; ++x)
        if (std::memcmp(plane[x], &copy[std::size_t(x) * FrameHeight], sizeof(std::int32_t) * FrameHeight) != 0)
            return false;
    return true;
}

std::vector<std::int32_t> CopyOf(IntPlane plane)
{
    std::vector<std::int32_t> copy;
    for (int x = 0; x < FrameWidth; ++x)
        copy.insert(copy.end(), plane[x], plane[x] + FrameHeight);
    return copy;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// Where a part of a scroll bar (thumb, trough) lies, as its style draws it.
QRect SliderPart(QScrollBar* slider, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    option.subControls = QStyle::SC_All;
    return slider->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, slider);
}

class MainPanelTest : public MainPanelFixture {
public:
    void Click(const char* button) { QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton); }

    // What the screen would show now: the image widget painted afresh.
    QImage Shown() { return Image()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    void MoveOverImage(QPointF at, Qt::MouseButtons held = Qt::NoButton)
    {
        QMouseEvent move(QEvent::MouseMove, at, Image()->mapToGlobal(at), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(Image(), &move);
    }
};

TEST_F(MainPanelTest, StateRightAfterStartUp)
{
    QImage black(FrameWidth, FrameHeight, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(Picture(), black);
    EXPECT_EQ(Shown(), black);
    EXPECT_EQ(Text("Edit2"), "300");
    EXPECT_EQ(Text("Edit3"), "-10");
    EXPECT_EQ(Text("Edit4"), "4");
    for (const char* box : {"Edit1", "Edit5", "Edit6"})
        EXPECT_EQ(Text(box), "") << box;
    EXPECT_EQ(Child<QScrollBar>("ScrollBar2")->value(), 300);
    EXPECT_EQ(Child<QScrollBar>("ScrollBar3")->value(), -10);
    EXPECT_EQ(Child<QScrollBar>("ScrollBar4")->value(), 4);
    EXPECT_EQ(ExposureTime, 300);
    EXPECT_EQ(CcdTemperature, -10);
    EXPECT_EQ(SkyMagnitude, 4);
    EXPECT_EQ(DarkPending, 0);
    EXPECT_FALSE(About->isVisible());
    EXPECT_FALSE(manual->isVisible());
}

TEST_F(MainPanelTest, StartShowsExactlyDisplayFrame)
{
    // The engine's parameters come from the sliders at the press, not from
    // whatever they held before.
    ExposureTime = 7;
    Click("Button1");
    EXPECT_EQ(ExposureTime, 300);
    EXPECT_EQ(DarkPending, 1);
    ExpectShowsDisplayFrame(Picture());
    ExpectShowsDisplayFrame(Shown());

    // Each press is a new exposure, and the picture follows it.
    const QImage first = Picture();
    Click("Button1");
    EXPECT_NE(Picture(), first);
    ExpectShowsDisplayFrame(Shown());
}

TEST_F(MainPanelTest, DarkProcessingShowsTheSubtractedFrame)
{
    Click("Button1");
    const QImage exposure = Picture();
    Click("Button2");
    EXPECT_EQ(DarkPending, 0);
    EXPECT_NE(Picture(), exposure);
    ExpectShowsDisplayFrame(Picture());
    ExpectShowsDisplayFrame(Shown());
}

// Dark processing with no exposure waiting for it: nothing is copied,
// drawn, computed or painted.
struct NothingPending {
    const char* name;
    std::function<void(MainPanelTest&)> before;
};

class DarkWithNothingPending : public MainPanelTest, public ::testing::WithParamInterface<NothingPending> {};

TEST_P(DarkWithNothingPending, ChangesNothing)
{
    GetParam().before(*this);
    QApplication::processEvents();
    ExposureTime = 7;  // differs from the slider: a copy would show
    const QImage picture = Picture();
    const auto raw = CopyOf(RawFrame);
    const auto display = CopyOf(DisplayFrame);
    const std::uint32_t random = RandomState;
    PaintCounter paints(Image());

    Click("Button2");
    QApplication::processEvents();

    EXPECT_EQ(ExposureTime, 7);
    EXPECT_EQ(Picture(), picture);
    EXPECT_TRUE(PlanesEqual(RawFrame, raw));
    EXPECT_TRUE(PlanesEqual(DisplayFrame, display));
    EXPECT_EQ(RandomState, random);
    EXPECT_EQ(paints.count, 0);
    EXPECT_EQ(Text("Edit2"), "300");
}

INSTANTIATE_TEST_SUITE_P(
    MainPanel, DarkWithNothingPending,
    ::testing::Values(NothingPending{"BeforeAnyStart", [](MainPanelTest&) {}},
                      NothingPending{"SecondPressAfterOneStart",
                                     [](MainPanelTest& test) {
                                         test.Click("Button1");
                                         test.Click("Button2");
                                     }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainPanelTest, StartRepaintsTheImage)
{
    // The other side of the test above: a press that paints is seen.
    PaintCounter paints(Image());
    Click("Button1");
    QApplication::processEvents();
    EXPECT_GT(paints.count, 0);
}

struct SliderMove {
    const char* slider;
    const char* box;
    std::int32_t* parameter;
    Qt::Key key;
    int expected;
};

class SliderKeys : public MainPanelTest, public ::testing::WithParamInterface<SliderMove> {};

TEST_P(SliderKeys, UpdateBoxAndParameterButNotTheImage)
{
    const SliderMove& move = GetParam();
    const QImage picture = Picture();
    const std::uint32_t random = RandomState;
    QTest::keyClick(Child<QScrollBar>(move.slider), move.key);
    EXPECT_EQ(Child<QScrollBar>(move.slider)->value(), move.expected);
    EXPECT_EQ(Text(move.box), QString::number(move.expected));
    EXPECT_EQ(*move.parameter, move.expected);
    EXPECT_EQ(Picture(), picture);
    EXPECT_EQ(RandomState, random);
}

INSTANTIATE_TEST_SUITE_P(
    MainPanel, SliderKeys,
    ::testing::Values(SliderMove{"ScrollBar2", "Edit2", &ExposureTime, Qt::Key_Right, 301},
                      SliderMove{"ScrollBar2", "Edit2", &ExposureTime, Qt::Key_Left, 299},
                      SliderMove{"ScrollBar2", "Edit2", &ExposureTime, Qt::Key_PageUp, 350},
                      SliderMove{"ScrollBar2", "Edit2", &ExposureTime, Qt::Key_PageDown, 250},
                      SliderMove{"ScrollBar2", "Edit2", &ExposureTime, Qt::Key_Home, 0},
                      SliderMove{"ScrollBar2", "Edit2", &ExposureTime, Qt::Key_End, 1000},
                      SliderMove{"ScrollBar3", "Edit3", &CcdTemperature, Qt::Key_Left, -11},
                      SliderMove{"ScrollBar3", "Edit3", &CcdTemperature, Qt::Key_PageUp, -5},
                      SliderMove{"ScrollBar3", "Edit3", &CcdTemperature, Qt::Key_Home, -50},
                      SliderMove{"ScrollBar3", "Edit3", &CcdTemperature, Qt::Key_End, 20},
                      SliderMove{"ScrollBar4", "Edit4", &SkyMagnitude, Qt::Key_Right, 5},
                      SliderMove{"ScrollBar4", "Edit4", &SkyMagnitude, Qt::Key_PageDown, 3},
                      SliderMove{"ScrollBar4", "Edit4", &SkyMagnitude, Qt::Key_Home, 0},
                      SliderMove{"ScrollBar4", "Edit4", &SkyMagnitude, Qt::Key_End, 8}),
    [](const auto& info) {
        return std::string(info.param.slider) + "_" + QKeySequence(info.param.key).toString().toStdString() + "_to_" +
               (info.param.expected < 0 ? "minus" : "") + std::to_string(std::abs(info.param.expected));
    });

TEST_F(MainPanelTest, SliderStopsAtItsEnds)
{
    auto* slider = Child<QScrollBar>("ScrollBar4");
    for (int press = 0; press < 12; ++press)
        QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(Text("Edit4"), "8");
    for (int press = 0; press < 12; ++press)
        QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(Text("Edit4"), "0");
    EXPECT_EQ(SkyMagnitude, 0);
}

TEST_F(MainPanelTest, TroughClickTakesALargeStep)
{
    auto* slider = Child<QScrollBar>("ScrollBar2");
    const QRect trough = SliderPart(slider, QStyle::SC_ScrollBarAddPage);
    ASSERT_FALSE(trough.isEmpty());
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, trough.center());
    EXPECT_EQ(Text("Edit2"), "350");
    EXPECT_EQ(ExposureTime, 350);
}

TEST_F(MainPanelTest, DraggedThumbUpdatesTheBoxWhileItMoves)
{
    auto* slider = Child<QScrollBar>("ScrollBar2");
    const QPoint thumb = SliderPart(slider, QStyle::SC_ScrollBarSlider).center();
    const QImage picture = Picture();

    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, thumb);
    const QPoint to = thumb + QPoint(10, 0);
    QMouseEvent move(QEvent::MouseMove, to, slider->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slider, &move);
    // Still held: the box already follows.
    EXPECT_GT(slider->value(), 300);
    EXPECT_EQ(Text("Edit2"), QString::number(slider->value()));
    EXPECT_EQ(ExposureTime, slider->value());
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(Picture(), picture);
}

struct Readout {
    const char* name;
    std::function<void(MainPanelTest&)> before;
    QPointF at;
    Qt::MouseButtons held;
    const char* x;
    const char* y;
    bool inside;  // Edit6 shows RawFrame there; otherwise it is emptied
};

class PixelReadout : public MainPanelTest, public ::testing::WithParamInterface<Readout> {};

TEST_P(PixelReadout, ShowsPositionAndRawCount)
{
    const Readout& readout = GetParam();
    readout.before(*this);
    Child<QLineEdit>("Edit6")->setText("stale");
    MoveOverImage(readout.at, readout.held);
    EXPECT_EQ(Text("Edit1"), readout.x);
    EXPECT_EQ(Text("Edit5"), readout.y);
    if (readout.inside) {
        const int x = QString::fromLatin1(readout.x).toInt();
        const int y = QString::fromLatin1(readout.y).toInt();
        EXPECT_EQ(Text("Edit6"), QString::number(RawFrame[x][y]));
    } else {
        EXPECT_EQ(Text("Edit6"), "");
    }
}

void NoPress(MainPanelTest&) {}
void Start(MainPanelTest& test) { test.Click("Button1"); }

INSTANTIATE_TEST_SUITE_P(
    MainPanel, PixelReadout,
    ::testing::Values(Readout{"TopLeftBeforeAnyStart", NoPress, {0, 0}, Qt::NoButton, "0", "0", true},
                      Readout{"TopLeft", Start, {0, 0}, Qt::NoButton, "0", "0", true},
                      Readout{"BottomRight", Start, {599, 399}, Qt::NoButton, "599", "399", true},
                      // On a scaled screen positions come with fractions; they
                      // belong to the pixel they fall in.
                      Readout{"FractionRoundsDown", Start, {599.75, 399.5}, Qt::NoButton, "599", "399", true},
                      Readout{"CapturedLeftOfFrame", Start, {-0.25, 10}, Qt::LeftButton, "-1", "10", false},
                      Readout{"CapturedAboveFrame", Start, {-5, -7}, Qt::LeftButton, "-5", "-7", false},
                      Readout{"CapturedRightOfFrame", Start, {600, 120}, Qt::LeftButton, "600", "120", false},
                      Readout{"CapturedBelowFrame", Start, {30, 400}, Qt::LeftButton, "30", "400", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainPanelTest, NegativeCountShowsItsSign)
{
    // A dark subtraction after a zero-second exposure leaves about half of
    // the pixels below zero.
    Child<QScrollBar>("ScrollBar2")->setValue(0);
    Click("Button1");
    Click("Button2");
    QPoint negative(-1, -1);
    for (int x = 0; x < FrameWidth && negative.x() < 0; ++x)
        for (int y = 0; y < FrameHeight; ++y)
            if (RawFrame[x][y] < 0) {
                negative = {x, y};
                break;
            }
    ASSERT_GE(negative.x(), 0) << "no negative count in the frame";
    MoveOverImage(negative);
    EXPECT_EQ(Text("Edit6"), QString::number(RawFrame[negative.x()][negative.y()]));
    EXPECT_TRUE(Text("Edit6").startsWith('-'));
}

TEST_F(MainPanelTest, ReadoutKeepsItsValuesUntilThePointerMoves)
{
    MoveOverImage({10, 20});
    EXPECT_EQ(Text("Edit6"), "0");
    Click("Button1");
    EXPECT_EQ(Text("Edit6"), "0");
    MoveOverImage({10, 20});
    EXPECT_EQ(Text("Edit6"), QString::number(RawFrame[10][20]));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Image(), &leave);
    EXPECT_EQ(Text("Edit1"), "10");
    EXPECT_EQ(Text("Edit5"), "20");
    EXPECT_EQ(Text("Edit6"), QString::number(RawFrame[10][20]));
}

// Help > Help and Help > Version: one window each, shown without blocking
// and brought to the front again when chosen a second time.
struct InfoWindow {
    const char* action;
    std::function<QWidget*()> window;
    std::function<QWidget*()> other;
};

class HelpMenu : public MainPanelTest, public ::testing::WithParamInterface<InfoWindow> {};

TEST_P(HelpMenu, ShowsOneWindowAndBringsItToTheFront)
{
    const InfoWindow& info = GetParam();
    QWidget* window = info.window();
    const int windowsBefore = QApplication::topLevelWidgets().size();

    Child<QAction>(info.action)->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_FALSE(window->isModal());
    EXPECT_FALSE(info.other()->isVisible());

    panel->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    Child<QAction>(info.action)->trigger();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(MainPanel, HelpMenu,
                         ::testing::Values(InfoWindow{"Help1", [] { return static_cast<QWidget*>(manual); },
                                                      [] { return static_cast<QWidget*>(About); }},
                                           InfoWindow{"Version2", [] { return static_cast<QWidget*>(About); },
                                                      [] { return static_cast<QWidget*>(manual); }}),
                         [](const auto& info) { return std::string(info.param.action); });

}  // namespace
