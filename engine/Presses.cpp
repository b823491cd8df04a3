#include "Presses.h"

#include "DarkSubtraction.h"
#include "Exposure.h"
#include "Simulation.h"
#include "Stretch.h"

namespace {

void CopyPositions(const SliderPositions& at)
{
    ExposureTime = at.exposureTime;
    CcdTemperature = at.ccdTemperature;
    SkyMagnitude = at.skyMagnitude;
}

}  // namespace

void PressStart(const SliderPositions& at)
{
    CopyPositions(at);
    SynthesizeExposure();
    StretchForDisplay();
}

bool PressDark(const SliderPositions& at)
{
    if (DarkPending != 1)
        return false;
    CopyPositions(at);
    SubtractDark();
    StretchForDisplay();
    return true;
}
