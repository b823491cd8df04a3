#include "PngWriter.h"

#include "Simulation.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <cstdint>

QByteArray DisplayPngBytes(QString& error)
{
    QImage image(FrameWidth, FrameHeight, QImage::Format_Grayscale8);
    if (image.isNull()) {
        error = QStringLiteral("out of memory for the image");
        return {};
    }
    for (std::int32_t y = 0; y < FrameHeight; ++y) {
        uchar* line = image.scanLine(y);
        for (std::int32_t x = 0; x < FrameWidth; ++x) {
            const std::int32_t grey = DisplayFrame[x][y];
            // The stretch clips to 0..255; anything else would wrap silently.
            if (grey < 0 || grey > 255) {
                error = QStringLiteral("grey level %1 at (%2, %3) lies outside 0..255").arg(grey).arg(x).arg(y);
                return {};
            }
            line[x] = static_cast<uchar>(grey);
        }
    }
    // Encoded in memory so that the file itself is written in one piece,
    // and a failing disk reports its own reason rather than libpng's.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        error = writer.errorString();
        return {};
    }
    return bytes;
}
