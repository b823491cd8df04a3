#include "ExportTargets.h"

#include <QFileInfo>
#include <QSet>

namespace {

QString CheckTarget(const QString& path)
{
    const QFileInfo target(path);
    if (target.fileName().isEmpty() || target.isDir())
        return QStringLiteral("cannot write '%1': it names a folder, not a file").arg(path);
    const QString folderPath = target.absolutePath();
    const QFileInfo folder(folderPath);
    if (!folder.exists())
        return QStringLiteral("cannot write '%1': the folder '%2' does not exist").arg(path, folderPath);
    if (!folder.isDir())
        return QStringLiteral("cannot write '%1': '%2' is not a folder").arg(path, folderPath);
    // The file is written beside its target under a temporary name and then
    // renamed, so it is the folder that must be writable.
    if (!folder.isWritable())
        return QStringLiteral("cannot write '%1': the folder '%2' is not writable").arg(path, folderPath);
    if (target.exists() && !target.isWritable())
        return QStringLiteral("cannot write '%1': the existing file may not be replaced").arg(path);
    return {};
}

// The same file reached by two spellings ("a.fits", "./a.fits") is the same
// file; the folder is resolved through symbolic links as it exists by now.
QString Identity(const QString& path)
{
    const QFileInfo target(path);
    const QString folder = QFileInfo(target.absolutePath()).canonicalFilePath();
    return folder + QLatin1Char('/') + target.fileName();
}

}  // namespace

QString CheckExportTargets(const std::vector<ExportRequest>& exports)
{
    QSet<QString> seen;
    for (const ExportRequest& request : exports) {
        const QString error = CheckTarget(request.path);
        if (!error.isEmpty())
            return error;
        const QString identity = Identity(request.path);
        if (seen.contains(identity))
            return QStringLiteral("'%1' is asked for twice: every export needs a file of its own").arg(request.path);
        seen.insert(identity);
    }
    return {};
}
