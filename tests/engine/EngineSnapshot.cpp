#include "EngineSnapshot.h"

#include "Random.h"

#include <cstring>
#include <stdexcept>
#include <type_traits>

namespace {

template <typename T>
PlaneCopy<T> CopyPlane(T** plane)
{
    // Column by column: each column is one block of FrameHeight values.
    PlaneCopy<T> copy;
    copy.height = FrameHeight;
    copy.values.resize(static_cast<std::size_t>(FrameWidth) * FrameHeight);
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        std::memcpy(copy.values.data() + static_cast<std::size_t>(x) * FrameHeight, plane[x], sizeof(T) * FrameHeight);
    return copy;
}

// Both ends of the pipe run the same binary, so values travel as their bytes.
class Writer {
public:
    template <typename T>
    void Put(const T& value)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        const auto* p = reinterpret_cast<const char*>(&value);
        bytes.insert(bytes.end(), p, p + sizeof value);
    }
    template <typename T>
    void Put(const PlaneCopy<T>& plane)
    {
        Put(plane.height);
        Put(plane.values.size());
        const auto* p = reinterpret_cast<const char*>(plane.values.data());
        bytes.insert(bytes.end(), p, p + plane.values.size() * sizeof(T));
    }
    std::vector<char> bytes;
};

class Reader {
public:
    Reader(const char*& cursor, const char* end) : cursor(cursor), end(end) {}
    template <typename T>
    void Get(T& value)
    {
        static_assert(std::is_trivially_copyable_v<T>);
        Take(&value, sizeof value);
    }
    template <typename T>
    void Get(PlaneCopy<T>& plane)
    {
        std::size_t count = 0;
        Get(plane.height);
        Get(count);
        if (count > static_cast<std::size_t>(end - cursor) / sizeof(T))
            throw std::runtime_error("snapshot cut short");
        plane.values.resize(count);
        Take(plane.values.data(), count * sizeof(T));
    }

private:
    void Take(void* out, std::size_t size)
    {
        if (static_cast<std::size_t>(end - cursor) < size)
            throw std::runtime_error("snapshot cut short");
        std::memcpy(out, cursor, size);
        cursor += size;
    }
    const char*& cursor;
    const char* end;
};

// One list of the fields, used for both directions.
template <typename Visit, typename Snapshot>
void EachField(Snapshot& s, Visit visit)
{
    visit(s.frameWidth);
    visit(s.frameHeight);
    visit(s.raw);
    visit(s.display);
    visit(s.sky);
    visit(s.star);
    visit(s.bias);
    visit(s.darkMap);
    visit(s.darkFrame);
    visit(s.calibrationDark);
    visit(s.exposureTime);
    visit(s.ccdTemperature);
    visit(s.skyMagnitude);
    visit(s.darkPending);
    visit(s.minLevel);
    visit(s.randomState);
    visit(s.starX);
    visit(s.starY);
    visit(s.starFlux);
    visit(s.psf);
}

}  // namespace

EngineSnapshot CaptureEngine()
{
    EngineSnapshot s;
    s.frameWidth = FrameWidth;
    s.frameHeight = FrameHeight;
    s.raw = CopyPlane(RawFrame);
    s.display = CopyPlane(DisplayFrame);
    s.sky = CopyPlane(SkyFrame);
    s.star = CopyPlane(StarFrame);
    s.bias = CopyPlane(BiasFrame);
    s.darkMap = CopyPlane(DarkMap);
    s.darkFrame = CopyPlane(DarkFrame);
    s.calibrationDark = CopyPlane(CalibrationDark);
    s.exposureTime = ExposureTime;
    s.ccdTemperature = CcdTemperature;
    s.skyMagnitude = SkyMagnitude;
    s.darkPending = DarkPending;
    s.minLevel = MinLevel;
    s.randomState = RandomState;
    for (std::int32_t i = 0; i < StarCount; ++i) {
        s.starX[i] = StarX[i];
        s.starY[i] = StarY[i];
        s.starFlux[i] = StarFlux[i];
    }
    for (std::int32_t i = 0; i < PsfSize; ++i)
        for (std::int32_t j = 0; j < PsfSize; ++j)
            s.psf[i][j] = PsfTable[i][j];
    return s;
}

std::vector<char> Serialize(const EngineSnapshot& snapshot)
{
    Writer writer;
    EachField(snapshot, [&](const auto& field) { writer.Put(field); });
    return std::move(writer.bytes);
}

EngineSnapshot Deserialize(const char*& cursor, const char* end)
{
    EngineSnapshot snapshot;
    Reader reader(cursor, end);
    EachField(snapshot, [&](auto& field) { reader.Get(field); });
    return snapshot;
}
