#pragma once
// Frame planes: FrameWidth column blocks of FrameHeight values each,
// addressed [x][y], so that a walk with x outer and y inner reads memory in
// order.

#include <cstddef>
#include <cstdint>

using IntPlane = std::int32_t**;
using RealPlane = double**;

// Where planes get their memory. Tests replace it to make one allocation
// fail; it must behave like std::malloc (nullptr on failure), since the
// blocks of a failed plane are given back with std::free.
extern void* (*PlaneBlockAllocator)(std::size_t bytes);

// Allocates a zeroed plane. Returns 0 on success, 1 on failure; on failure
// `plane` is left untouched and nothing stays allocated. A column that cannot
// be obtained is reported on standard output as "Alloc Error  !!".
int AllocIntPlane(std::int32_t width, std::int32_t height, IntPlane& plane);

// The same for reals (+0.0), silent on failure.
int AllocRealPlane(std::int32_t width, std::int32_t height, RealPlane& plane);
