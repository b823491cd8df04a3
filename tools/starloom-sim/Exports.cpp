#include "Exports.h"

#include "FitsWriter.h"
#include "PngWriter.h"

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

}  // namespace

QString StageExports(const std::vector<ExportRequest>& exports, const ReplayLog& log, StagedFiles& out)
{
    for (const ExportRequest& request : exports) {
        QString error;
        const QByteArray bytes = Content(request, log, error);
        if (bytes.isEmpty())
            return QStringLiteral("cannot write '%1': %2").arg(request.path, error);
        error = out.Stage(request.path, bytes);
        if (!error.isEmpty())
            return error;
    }
    return {};
}
