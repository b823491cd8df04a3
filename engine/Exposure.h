#pragma once

// Simulates one exposure at ExposureTime, CcdTemperature and SkyMagnitude:
// fresh sky and dark noise (960,000 draws), the first StarsImaged stars
// through the profile, and the bias, all added into RawFrame. Allows one
// dark subtraction by setting DarkPending.
void SynthesizeExposure();
