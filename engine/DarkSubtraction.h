#pragma once

// Simulates a dark frame at ExposureTime and CcdTemperature (a fresh dark
// signal in CalibrationDark and a fresh BiasFrame, 960,000 draws) and
// subtracts it from RawFrame. Only once per exposure: without DarkPending it
// does nothing at all; it clears DarkPending.
void SubtractDark();
