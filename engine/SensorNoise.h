#pragma once
// The sensor laws that both an exposure and a dark subtraction draw from.

#include "Planes.h"

#include <cstdint>

// 2 to the power temperature / 6: 1 at 0 degrees C, doubling every 6 degrees.
double DarkFactor(std::int32_t temperature);

// Every pixel of `target`, in walking order, becomes the truncated value of
// a fresh deviate around `mean` with `sigma`. 480,000 draws.
void DrawTruncatedDeviates(IntPlane target, double mean, double sigma);

// Fresh bias level plus readout noise into BiasFrame, 480,000 draws.
void DrawBiasFrame();

// A fresh dark signal for ExposureTime and CcdTemperature into `target`,
// each pixel a deviate around its mean with the square root of it as sigma.
// 480,000 draws.
void DrawDarkSignal(RealPlane target);
