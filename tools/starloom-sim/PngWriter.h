#pragma once
// DisplayFrame as an 8-bit grey PNG, the way up the window shows it.

#include <QByteArray>
#include <QString>

// The whole PNG file, encoded by Qt's image writer; needs no display. On
// failure returns an empty array and sets `error` to the reason.
QByteArray DisplayPngBytes(QString& error);
