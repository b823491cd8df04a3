#pragma once
// The files a run writes, staged under temporary names beside their targets
// and renamed into place together at the end, so that a run that fails
// (a full disk, say) leaves no partial file or half a set of files, and
// never touches a file that was there before.

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <memory>
#include <vector>

class StagedFiles {
public:
    // Writes `bytes` under a temporary name beside `path`. Returns an empty
    // string or a message naming the file and the reason.
    QString Stage(const QString& path, const QByteArray& bytes);

    // Renames every staged file into place. Returns an empty string or a
    // message naming the file and the reason. Files never committed are
    // discarded with this object.
    QString CommitAll();

private:
    std::vector<std::unique_ptr<QSaveFile>> files_;
};
