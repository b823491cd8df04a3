#include "Exports.h"

#include "FitsWriter.h"
#include "PngWriter.h"

#include <QSaveFile>

#include <memory>

namespace {

QByteArray Content(const ExportRequest& request, const ReplayLog& log, QString& error)
{
    switch (request.kind) {
    case ExportRequest::Kind::RawFits:
        return FitsFileBytes(FitsFrame::Raw, log, error);
    case ExportRequest::Kind::DisplayFits:
        return FitsFileBytes(FitsFrame::Display, log, error);
    case ExportRequest::Kind::DisplayPng:
        return DisplayPngBytes(error);
    }
    error = QStringLiteral("unknown kind of export");
    return {};
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

QString WriteExports(const std::vector<ExportRequest>& exports, const ReplayLog& log)
{
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const ExportRequest& request : exports) {
        auto file = std::make_unique<QSaveFile>(request.path);
        if (!file->open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write '%1': %2").arg(request.path, file->errorString());
        QString error;
        const QByteArray bytes = Content(request, log, error);
        if (bytes.isEmpty())
            return QStringLiteral("cannot write '%1': %2").arg(request.path, error);
        if (!WriteAll(*file, bytes))
            return QStringLiteral("cannot write '%1': %2").arg(request.path, file->errorString());
        files.push_back(std::move(file));
    }
    for (std::size_t i = 0; i < files.size(); ++i)
        if (!files[i]->commit())
            return QStringLiteral("cannot write '%1': %2").arg(exports[i].path, files[i]->errorString());
    return {};
}
