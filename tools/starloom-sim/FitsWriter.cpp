#include "FitsWriter.h"

#include "Simulation.h"

#include <fitsio.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#ifndef STARLOOM_VERSION
#error "STARLOOM_VERSION must be defined by the build"
#endif

namespace {

// cfitsio reports through a status that every call passes on: once a call
// fails, the following ones do nothing, so the first failure is the one
// reported.
QString CfitsioError(int status)
{
    char text[FLEN_STATUS] = {};
    fits_get_errstatus(status, text);
    QString reason = QString::fromLatin1(text);
    char detail[FLEN_ERRMSG] = {};
    if (fits_read_errmsg(detail) != 0 && detail[0] != '\0')
        reason += QStringLiteral(" (%1)").arg(QString::fromLatin1(detail).trimmed());
    fits_clear_errmsg();
    return reason;
}

void WriteInt(fitsfile* file, const char* key, std::int32_t value, const char* comment, int* status)
{
    int v = value;
    fits_write_key(file, TINT, key, &v, comment, status);
}

void WriteText(fitsfile* file, const char* key, const char* value, const char* comment, int* status)
{
    fits_write_key(file, TSTRING, key, const_cast<char*>(value), comment, status);
}

void WriteHeader(fitsfile* file, FitsFrame frame, const ReplayLog& log, int* status)
{
    // FITS readers put the first row at the bottom unless told otherwise;
    // Starloom shows y = 0 at the top.
    WriteText(file, "ROWORDER", "TOP-DOWN", "first row is the top of the frame", status);
    if (frame == FitsFrame::Raw)
        WriteText(file, "BUNIT", "adu", "raw counts of the simulated camera", status);
    WriteText(file, "IMAGETYP", "Light Frame", "an exposure of the sky", status);
    WriteInt(file, "EXPTIME", log.exposure->exposureTime, "[s] exposure time", status);
    WriteInt(file, "CCD-TEMP", log.exposure->ccdTemperature, "[deg C] CCD temperature", status);
    WriteInt(file, "SKYMAG", log.exposure->skyMagnitude, "[mag] naked-eye limiting magnitude of the sky",
             status);
    int subtracted = log.dark.has_value();
    fits_write_key(file, TLOGICAL, "DARKSUB", &subtracted, "dark frame subtracted", status);
    if (log.dark) {
        WriteInt(file, "DARKEXP", log.dark->exposureTime, "[s] exposure time of the subtracted dark", status);
        WriteInt(file, "DARKTEMP", log.dark->ccdTemperature, "[deg C] CCD temperature of the subtracted dark",
                 status);
    }
    if (frame == FitsFrame::Display) {
        WriteInt(file, "BLACKPT", MinLevel, "[adu] raw count shown as grey level 0", status);
        fits_write_comment(file, "Grey levels 0..255 of the display stretch, as the window shows them.", status);
    }
    WriteText(file, "SWCREATE", "Starloom " STARLOOM_VERSION, "software that created this file", status);
    for (const std::string& line : log.history)
        fits_write_history(file, line.c_str(), status);
}

// Pixels in FITS order: NAXIS1 (x) runs fastest, then NAXIS2 (y).
std::vector<int> FitsOrder(IntPlane plane)
{
    std::vector<int> pixels;
    pixels.reserve(static_cast<std::size_t>(FrameWidth) * FrameHeight);
    for (std::int32_t y = 0; y < FrameHeight; ++y)
        for (std::int32_t x = 0; x < FrameWidth; ++x)
            pixels.push_back(plane[x][y]);
    return pixels;
}

}  // namespace

QByteArray FitsFileBytes(FitsFrame frame, const ReplayLog& log, QString& error)
{
    if (!log.exposure) {
        error = QStringLiteral("no exposure has been taken");
        return {};
    }
    // cfitsio builds the file in memory: handed a file name it would read
    // its own syntax into it ('!', brackets, ".gz", "-"), and the caller
    // writes the bytes to disk safely.
    void* memory = nullptr;
    std::size_t memorySize = 0;
    fitsfile* file = nullptr;
    int status = 0;
    fits_create_memfile(&file, &memory, &memorySize, 0, std::realloc, &status);

    long axes[2] = {FrameWidth, FrameHeight};
    fits_create_img(file, frame == FitsFrame::Raw ? LONG_IMG : BYTE_IMG, 2, axes, &status);
    WriteHeader(file, frame, log, &status);
    std::vector<int> pixels = FitsOrder(frame == FitsFrame::Raw ? RawFrame : DisplayFrame);
    // For the 8-bit image cfitsio converts and fails on any value outside
    // 0..255 rather than wrapping it.
    fits_write_img(file, TINT, 1, static_cast<LONGLONG>(pixels.size()), pixels.data(), &status);
    LONGLONG headerStart = 0, dataStart = 0, fileEnd = 0;
    fits_get_hduaddrll(file, &headerStart, &dataStart, &fileEnd, &status);
    // Closes even after a failure, keeping the first status.
    if (file)
        fits_close_file(file, &status);

    QByteArray bytes;
    if (status != 0)
        error = CfitsioError(status);
    else if (static_cast<std::size_t>(fileEnd) > memorySize)
        error = QStringLiteral("cfitsio produced a file shorter than its header says");
    else
        bytes = QByteArray(static_cast<const char*>(memory), static_cast<qsizetype>(fileEnd));
    std::free(memory);
    return bytes;
}
