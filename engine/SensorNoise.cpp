#include "SensorNoise.h"

#include "Random.h"
#include "Simulation.h"

#include <cmath>
#include <vector>

double DarkFactor(std::int32_t temperature)
{
    // Divided, not multiplied by a rounded 1/6: the two differ in the last
    // bit for a third of the temperatures.
    const double exponent = temperature / 6.0;
    return std::pow(2.0, exponent);
}

void DrawTruncatedDeviates(IntPlane target, double mean, double sigma)
{
    const std::int32_t width = FrameWidth;
    const std::int32_t height = FrameHeight;
    std::vector<DeviateDraws> draws(static_cast<std::size_t>(height));
    for (std::int32_t x = 0; x < width; ++x) {
        DrawDeviates(draws.data(), height);
        std::int32_t* const column = target[x];
        for (std::int32_t y = 0; y < height; ++y)
            column[y] = Trunc(BoxMuller(draws[y], mean, sigma));
    }
}

void DrawBiasFrame()
{
    DrawTruncatedDeviates(BiasFrame, 1000.0, 10.0);
}

void DrawDarkSignal(RealPlane target)
{
    const double timesFactor = ExposureTime * DarkFactor(CcdTemperature);
    const std::int32_t width = FrameWidth;
    const std::int32_t height = FrameHeight;
    std::vector<DeviateDraws> draws(static_cast<std::size_t>(height));
    for (std::int32_t x = 0; x < width; ++x) {
        DrawDeviates(draws.data(), height);
        const double* const rates = DarkMap[x];
        double* const column = target[x];
        for (std::int32_t y = 0; y < height; ++y) {
            const double d = timesFactor * rates[y];
            column[y] = BoxMuller(draws[y], d, std::sqrt(d));
        }
    }
}
