#include "Planes.h"

#include <cstdio>
#include <cstdlib>

void* (*PlaneBlockAllocator)(std::size_t bytes) = std::malloc;

namespace {

// Column pointers first, then each column in order of x. On failure every
// block obtained so far is given back: a half-built plane is of no use.
template <typename T>
int AllocPlane(std::int32_t width, std::int32_t height, T**& plane, bool reportColumnFailure)
{
    auto** columns = static_cast<T**>(PlaneBlockAllocator(sizeof(T*) * static_cast<std::size_t>(width)));
    if (columns == nullptr)
        return 1;
    for (std::int32_t x = 0; x < width; ++x) {
        columns[x] = static_cast<T*>(PlaneBlockAllocator(sizeof(T) * static_cast<std::size_t>(height)));
        if (columns[x] == nullptr) {
            if (reportColumnFailure) {
                std::fputs("Alloc Error  !!\n", stdout);
                std::fflush(stdout);
            }
            for (std::int32_t done = 0; done < x; ++done)
                std::free(columns[done]);
            std::free(columns);
            return 1;
        }
    }
    for (std::int32_t x = 0; x < width; ++x)
        for (std::int32_t y = 0; y < height; ++y)
            columns[x][y] = T{};
    plane = columns;
    return 0;
}

}  // namespace

int AllocIntPlane(std::int32_t width, std::int32_t height, IntPlane& plane)
{
    return AllocPlane(width, height, plane, true);
}

int AllocRealPlane(std::int32_t width, std::int32_t height, RealPlane& plane)
{
    return AllocPlane(width, height, plane, false);
}
