#pragma once
// The state of the simulation. It exists once for the whole process, is set
// up once by SetUpSimulation and is then read and written directly by the
// operations (exposure, stretch, dark subtraction) and the main window.

#include "Planes.h"

#include <cstdint>

extern std::int32_t FrameWidth;   // 600 once set up; x runs 0..599 left to right
extern std::int32_t FrameHeight;  // 400 once set up; y runs 0..399 top to bottom

extern IntPlane RawFrame;           // the frame in counts, as the pixel readout shows it
extern IntPlane DisplayFrame;       // grey levels 0..255 of the frame last shown
extern IntPlane SkyFrame;           // sky background of the last exposure
extern IntPlane StarFrame;          // star light of the last exposure
extern IntPlane BiasFrame;          // bias level plus readout noise, about 1000
extern RealPlane DarkMap;           // dark-current rate, counts per second at 0 degrees C
extern RealPlane DarkFrame;         // dark signal of the last exposure
extern RealPlane CalibrationDark;   // dark signal drawn by the last dark subtraction

// Observing conditions, copied from the sliders at each press.
extern std::int32_t ExposureTime;    // seconds, 0..1000
extern std::int32_t CcdTemperature;  // degrees Celsius, -50..20
extern std::int32_t SkyMagnitude;    // naked-eye limiting magnitude, 0..8

// The fixed star list. Only the first StarsImaged stars reach a frame; the
// rest are drawn all the same because the draws that follow depend on it.
constexpr std::int32_t StarCount = 1000;
constexpr std::int32_t StarsImaged = 500;
extern std::int32_t StarX[StarCount];  // 10..588
extern std::int32_t StarY[StarCount];  // 10..488: may lie below the frame
extern double StarFlux[StarCount];     // between 0 and 10

// The star profile, indexed [PsfRadius + dx][PsfRadius + dy].
constexpr std::int32_t PsfRadius = 10;
constexpr std::int32_t PsfSize = 2 * PsfRadius + 1;
extern double PsfTable[PsfSize][PsfSize];

extern std::int32_t DarkPending;  // 1 from an exposure until its dark subtraction
extern std::int32_t MinLevel;     // black point of the last stretch

// Allocates every plane, sets the default conditions (300 s, -10 C,
// magnitude 4) and draws the bias frame, the star list and the dark map.
// Takes exactly 726,000 draws. Runs once per process. A plane that cannot be
// allocated ends the process with status 1 and a message on standard error.
void SetUpSimulation();
