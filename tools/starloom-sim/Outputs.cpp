#include "Outputs.h"

#include "PlaneBytes.h"
#include "Simulation.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <limits>

QString PrepareRawDir(const QString& dir)
{
    const QFileInfo info(dir);
    if (info.exists() && !info.isDir())
        return QStringLiteral("'%1' exists and is not a folder").arg(dir);
    if (!QDir().mkpath(dir))
        return QStringLiteral("cannot create the folder '%1'").arg(dir);
    if (!QFileInfo(dir).isWritable())
        return QStringLiteral("the folder '%1' is not writable").arg(dir);
    return {};
}

QStringList MissingFolders(const QString& dir)
{
    QStringList missing;
    for (QFileInfo folder(QDir::cleanPath(QDir(dir).absolutePath())); !folder.exists();
         folder = QFileInfo(folder.absolutePath())) {
        missing << folder.absoluteFilePath();
        if (folder.isRoot())
            break;
    }
    return missing;
}

void RemoveEmptyFolders(const QStringList& folders)
{
    for (const QString& folder : folders)
        QDir().rmdir(folder);  // refuses a folder that is not empty
}

QString StageRawPlanes(const QString& dir, StagedFiles& out)
{
    for (const NamedPlane& plane : EnginePlanes()) {
        const QString error = out.Stage(QDir(dir).filePath(QString::fromLatin1(plane.name) + ".raw"), plane.bytes());
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QString PlaneDigests()
{
    QString text;
    for (const NamedPlane& plane : EnginePlanes()) {
        const QByteArray hash = QCryptographicHash::hash(plane.bytes(), QCryptographicHash::Sha256);
        text += QStringLiteral("%1 sha256=%2\n").arg(QLatin1String(plane.name), QString::fromLatin1(hash.toHex()));
    }
    text += QStringLiteral("MinLevel=%1\nDarkPending=%2\n").arg(MinLevel).arg(DarkPending);
    return text;
}

QString FrameSummary()
{
    std::int32_t lowest = std::numeric_limits<std::int32_t>::max();
    std::int32_t highest = std::numeric_limits<std::int32_t>::min();
    std::int64_t sum = 0;
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y) {
            const std::int32_t v = RawFrame[x][y];
            lowest = std::min(lowest, v);
            highest = std::max(highest, v);
            sum += v;
        }
    const double mean = static_cast<double>(sum) / (static_cast<double>(FrameWidth) * FrameHeight);
    return QStringLiteral("frame %1 x %2, %3\nblack point %4\nraw counts: lowest %5, highest %6, mean %7\n")
        .arg(FrameWidth)
        .arg(FrameHeight)
        .arg(DarkPending ? QStringLiteral("exposure waiting for dark processing")
                         : QStringLiteral("no exposure waiting for dark processing"))
        .arg(MinLevel)
        .arg(lowest)
        .arg(highest)
        .arg(mean, 0, 'f', 2);
}
