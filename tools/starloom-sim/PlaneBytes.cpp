#include "PlaneBytes.h"

#include "Simulation.h"

#include <QtEndian>

#include <cstdint>
#include <cstring>

namespace {

QByteArray IntPlaneBytes(IntPlane plane)
{
    QByteArray bytes(static_cast<qsizetype>(FrameWidth) * FrameHeight * 4, Qt::Uninitialized);
    char* out = bytes.data();
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y, out += 4)
            qToLittleEndian<std::int32_t>(plane[x][y], out);
    return bytes;
}

QByteArray RealPlaneBytes(RealPlane plane)
{
    QByteArray bytes(static_cast<qsizetype>(FrameWidth) * FrameHeight * 8, Qt::Uninitialized);
    char* out = bytes.data();
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y, out += 8) {
            std::uint64_t bits;
            std::memcpy(&bits, &plane[x][y], sizeof bits);
            qToLittleEndian<std::uint64_t>(bits, out);
        }
    return bytes;
}

}  // namespace

const std::array<NamedPlane, 8>& EnginePlanes()
{
    static const std::array<NamedPlane, 8> planes = {{
        {"RawFrame", [] { return IntPlaneBytes(RawFrame); }},
        {"DisplayFrame", [] { return IntPlaneBytes(DisplayFrame); }},
        {"SkyFrame", [] { return IntPlaneBytes(SkyFrame); }},
        {"StarFrame", [] { return IntPlaneBytes(StarFrame); }},
        {"BiasFrame", [] { return IntPlaneBytes(BiasFrame); }},
        {"DarkMap", [] { return RealPlaneBytes(DarkMap); }},
        {"DarkFrame", [] { return RealPlaneBytes(DarkFrame); }},
        {"CalibrationDark", [] { return RealPlaneBytes(CalibrationDark); }},
    }};
    return planes;
}
