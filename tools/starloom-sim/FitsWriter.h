#pragma once
// A frame of the engine as a FITS primary image, built by cfitsio.

#include "ReplayLog.h"

#include <QByteArray>
#include <QString>

enum class FitsFrame {
    Raw,      // RawFrame: BITPIX 32, signed counts (dark-subtracted ones go negative)
    Display,  // DisplayFrame: BITPIX 8, grey levels 0..255
};

// The whole file: FITS pixel (i, j) holds Frame[i - 1][j - 1], first row at
// the top (ROWORDER = 'TOP-DOWN'), with the observing conditions, the
// software and one HISTORY card per action played. No date or time goes in,
// so the same actions give the same bytes. Needs an exposure in `log`.
// On failure returns an empty array and sets `error` to cfitsio's reason.
QByteArray FitsFileBytes(FitsFrame frame, const ReplayLog& log, QString& error);
