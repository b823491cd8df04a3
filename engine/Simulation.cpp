#include "Simulation.h"

#include "Random.h"
#include "SensorNoise.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::int32_t FrameWidth = 0;
std::int32_t FrameHeight = 0;

IntPlane RawFrame = nullptr;
IntPlane DisplayFrame = nullptr;
IntPlane SkyFrame = nullptr;
IntPlane StarFrame = nullptr;
IntPlane BiasFrame = nullptr;
RealPlane DarkMap = nullptr;
RealPlane DarkFrame = nullptr;
RealPlane CalibrationDark = nullptr;

std::int32_t ExposureTime = 0;
std::int32_t CcdTemperature = 0;
std::int32_t SkyMagnitude = 0;

std::int32_t StarX[StarCount];
std::int32_t StarY[StarCount];
double StarFlux[StarCount];

double PsfTable[PsfSize][PsfSize];

std::int32_t DarkPending = 0;
std::int32_t MinLevel = 0;

namespace {

// Nothing in the simulation can work without one of its planes, so a failed
// allocation ends the process rather than leaving a null plane behind.
[[noreturn]] void AbandonSetUp(const char* plane)
{
    std::fprintf(stderr, "Starloom: out of memory: cannot allocate the %s plane\n", plane);
    std::exit(1);
}

void NeedIntPlane(IntPlane& plane, const char* name)
{
    if (AllocIntPlane(FrameWidth, FrameHeight, plane) != 0)
        AbandonSetUp(name);
}

void NeedRealPlane(RealPlane& plane, const char* name)
{
    if (AllocRealPlane(FrameWidth, FrameHeight, plane) != 0)
        AbandonSetUp(name);
}

// Six draws per star. 578.9421 = 579 * 0.9999 and 478.9521 = 479 * 0.9999
// keep every centre in 10..588 and 10..488; the flux is the product of four
// draws, so most stars are faint and a few are bright.
void DrawStarList()
{
    for (std::int32_t i = 0; i < StarCount; ++i) {
        StarX[i] = Trunc(UniformDraw() * 578.9421 + 10);
        StarY[i] = Trunc(UniformDraw() * 478.9521 + 10);
        double f = UniformDraw() * 9.999 * 0.9999;
        f = UniformDraw() * f * 0.9999;
        f = UniformDraw() * f * 0.9999;
        StarFlux[i] = UniformDraw() * f;
    }
}

// 10 / (q / 3 + 1) with q the square of the squared distance: the profile
// falls with the fourth power of the distance. Written as 30 / (q + 3), one
// correctly rounded division, which is the nearest double to the exact value.
void FillPsfTable()
{
    for (std::int32_t dx = -PsfRadius; dx <= PsfRadius; ++dx)
        for (std::int32_t dy = -PsfRadius; dy <= PsfRadius; ++dy) {
            const std::int32_t r2 = dx * dx + dy * dy;
            const std::int32_t q = r2 * r2;
            PsfTable[PsfRadius + dx][PsfRadius + dy] = 30.0 / (q + 3);
        }
}

// A sixth power of a uniform draw: most pixels have a small rate, a few are hot.
void DrawDarkMap()
{
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y) {
            const double b = UniformDraw() * 0.9999;
            DarkMap[x][y] = 10 * std::pow(b, 6.0);
        }
}

}  // namespace

void SetUpSimulation()
{
    FrameWidth = 600;
    FrameHeight = 400;
    NeedIntPlane(RawFrame, "RawFrame");
    NeedIntPlane(DisplayFrame, "DisplayFrame");

    ExposureTime = 300;
    CcdTemperature = -10;
    SkyMagnitude = 4;

    NeedRealPlane(DarkMap, "DarkMap");
    NeedRealPlane(DarkFrame, "DarkFrame");
    NeedRealPlane(CalibrationDark, "CalibrationDark");
    NeedIntPlane(SkyFrame, "SkyFrame");
    NeedIntPlane(StarFrame, "StarFrame");
    NeedIntPlane(BiasFrame, "BiasFrame");

    DrawBiasFrame();
    DrawStarList();
    FillPsfTable();
    DrawDarkMap();
}
