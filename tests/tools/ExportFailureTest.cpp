// Exports that cannot be written: bad targets are refused before anything
// is simulated (status 2), failures while writing end with status 1; either
// way no partial file is left and an existing file is never damaged.

#include "ToolTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A folder with a file, a subfolder and an earlier export to get in the way.
class ExportFolder : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        WriteFile(dir.filePath("note.txt"), "a file, not a folder");
        ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
        WriteFile(dir.filePath("kept.fits"), "an earlier export that must survive");
        before = FolderContents(dir.path());
    }

    QTemporaryDir dir;
    QMap<QString, QByteArray> before;
};

struct BadArguments {
    const char* name;
    QStringList arguments;  // "@" stands for the folder
    const char* said;       // part of the message
};

void PrintTo(const BadArguments& c, std::ostream* os)
{
    *os << c.name;
}

const BadArguments BadArgumentCases[] = {
    {"MissingFolder", {"--fits", "@/missing/a.fits"}, "@/missing/a.fits"},
    {"MissingParentOfMissingFolder", {"--png", "@/missing/deeper/a.png"}, "does not exist"},
    {"PathUnderARegularFile", {"--png", "@/note.txt/a.png"}, "is not a folder"},
    {"TargetIsAFolder", {"--fits-display", "@/sub"}, "names a folder"},
    {"TargetEndsInASlash", {"--fits", "@/sub/"}, "names a folder"},
    {"SameFileTwice", {"--fits", "@/a.fits", "--png", "@/sub/../a.fits"}, "asked for twice"},
    {"NoExposureToExport", {"--fits", "@/a.fits", "dark=300,-10,4"}, "nothing to export"},
    {"EmptyFileName", {"--png", ""}, "--png needs a file name"},
    {"OptionGivenTwice", {"--fits", "@/a.fits", "--fits", "@/b.fits"}, "--fits is given more than once"},
    {"MissingValue", {"start=300,-10,4", "--fits-display"}, "fits-display"},
};

class RefusedExport : public ExportFolder, public testing::WithParamInterface<BadArguments> {};

TEST_P(RefusedExport, FailsWithStatusTwoAndWritesNothing)
{
    const BadArguments& c = GetParam();
    QStringList arguments;
    for (QString argument : c.arguments)
        arguments << argument.replace('@', dir.path());
    if (!arguments.join(' ').contains("="))
        arguments << "start=300,-10,4";
    const ToolRun run = RunTool(arguments);
    EXPECT_EQ(run.status, 2) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.said).replace('@', dir.path()))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_EQ(FolderContents(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedExport, testing::ValuesIn(BadArgumentCases),
                         [](const testing::TestParamInfo<BadArguments>& info) { return info.param.name; });

TEST_F(ExportFolder, ReadOnlyFolderIsRefused)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write into a read-only folder; the missing-folder and under-a-file cases cover root";
    const QString readOnly = dir.filePath("sub");
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
    const ToolRun run = RunTool({"--fits", readOnly + "/a.fits", "start=300,-10,4"});
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(run.status, 2) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(readOnly + "/a.fits")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("not writable")) << run.err.toStdString();
    EXPECT_EQ(FolderContents(dir.path()), before);
}

// A disk that fills up part way through a file, without privileges: the
// file-size limit makes every write past 64 KiB fail as a full disk would
// (EFBIG instead of ENOSPC), for root too. SIGXFSZ is ignored so that the
// write reports the error instead of killing the program.
void LimitFileSize()
{
    const rlimit limit{64 * 1024, 64 * 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, SIG_IGN);
}

class FailingWrite : public ExportFolder, public testing::WithParamInterface<const char*> {};

TEST_P(FailingWrite, EndsWithStatusOneAndLeavesTheExistingFileAlone)
{
    const QString target = dir.filePath("kept.fits");
    const ToolRun run = RunTool({GetParam(), target, "start=300,-10,4"}, LimitFileSize);
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(target)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromLocal8Bit(strerror(EFBIG)))) << run.err.toStdString();
    // No temporary file left behind, the earlier export byte for byte.
    EXPECT_EQ(FolderContents(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Options, FailingWrite, testing::Values("--fits", "--fits-display", "--png"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return QString::fromLatin1(info.param).remove('-').toStdString();
                         });

// A real full disk: a small tmpfs, which only root can mount (and only
// where the container allows it).
TEST_F(ExportFolder, FullDiskEndsWithStatusOneAndLeavesTheExistingFileAlone)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root; the file-size limit cases stand in for a full disk";
    const QString mountPoint = dir.filePath("sub");
    if (mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=128k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here (" << strerror(errno)
                     << "); the file-size limit cases stand in for a full disk";
    const QString target = mountPoint + "/kept.fits";
    WriteFile(target, "an earlier export that must survive");
    const auto onDisk = FolderContents(mountPoint);
    const ToolRun run = RunTool({"--fits", target, "start=300,-10,4"});
    const auto after = FolderContents(mountPoint);
    umount(QFile::encodeName(mountPoint).constData());
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(target)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromLocal8Bit(strerror(ENOSPC)))) << run.err.toStdString();
    EXPECT_EQ(after, onDisk);
}

// A disk with room for the raw planes alone but not for them and the
// exports too: the run fails and puts none of its files in place, not even
// the planes that would have fitted.
TEST_F(ExportFolder, FullDiskLeavesNoneOfTheRunsFiles)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QString mountPoint = dir.filePath("sub");
    // 10.6 MB of raw planes fit; with the two FITS files (1.2 MB) they do not.
    if (mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=11m") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here (" << strerror(errno) << ")";
    const QString out = mountPoint + "/out";
    const ToolRun rawAlone = RunTool({"--raw", out, "start=300,-10,4"});
    const bool rawFitted = rawAlone.status == 0 && QDir(out).removeRecursively();
    const ToolRun run = RunTool({"--raw", out, "--fits", mountPoint + "/a.fits", "--fits-display",
                                 mountPoint + "/b.fits", "start=300,-10,4"});
    const auto after = FolderContents(mountPoint);
    umount(QFile::encodeName(mountPoint).constData());
    ASSERT_TRUE(rawFitted) << rawAlone.err.toStdString();
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromLocal8Bit(strerror(ENOSPC)))) << run.err.toStdString();
    EXPECT_TRUE(after.isEmpty()) << QStringList(after.keys()).join(' ').toStdString();
}

// cfitsio reads its own syntax into file names; the tool must not.
class LiteralFileName : public testing::TestWithParam<const char*> {};

TEST_P(LiteralFileName, IsWrittenUnderExactlyThatName)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QString::fromUtf8(GetParam()));
    const ToolRun run = RunTool({"--fits", target, "start=300,-10,4"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const auto contents = FolderContents(dir.path());
    ASSERT_EQ(contents.keys(), QStringList{target});
    EXPECT_TRUE(contents.first().startsWith("SIMPLE  =                    T")) << "not a plain FITS file";
}

INSTANTIATE_TEST_SUITE_P(Names, LiteralFileName,
                         testing::Values("frame[1].fits", "!frame.fits", "frame.fits.gz", "-", "frame.fits(x)"));

}  // namespace
