#include "StagedFiles.h"

namespace {

QString CannotWrite(const QSaveFile& file)
{
    return QStringLiteral("cannot write '%1': %2").arg(file.fileName(), file.errorString());
}

// A write may take only part of the bytes (a disk that just filled up);
// writing on until the device refuses brings out its reason.
bool WriteAll(QSaveFile& file, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

}  // namespace

QString StagedFiles::Stage(const QString& path, const QByteArray& bytes)
{
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly) || !WriteAll(*file, bytes))
        return CannotWrite(*file);
    files_.push_back(std::move(file));
    return {};
}

QString StagedFiles::CommitAll()
{
    for (auto& file : files_)
        if (!file->commit())
            return CannotWrite(*file);
    files_.clear();
    return {};
}
