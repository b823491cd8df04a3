// The replay tool run as a program: the files of --raw, the --digest
// report and its agreement with those files, repeatability, --help, and
// bad command lines that must be refused before anything is written.

#include "ToolTestSupport.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <vector>

namespace {

const char* const PlaneNames[] = {
    "RawFrame", "DisplayFrame", "SkyFrame", "StarFrame", "BiasFrame", "DarkMap", "DarkFrame", "CalibrationDark",
};

bool IsRealPlane(const QString& name)
{
    return name == "DarkMap" || name == "DarkFrame" || name == "CalibrationDark";
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Cell [x][y] of a plane file: values in walking order, x outer, y inner.
std::int32_t IntAt(const QByteArray& bytes, int x, int y)
{
    return qFromLittleEndian<std::int32_t>(bytes.constData() + (x * 400 + y) * 4);
}

double RealAt(const QByteArray& bytes, int x, int y)
{
    const auto bits = qFromLittleEndian<std::uint64_t>(bytes.constData() + (x * 400 + y) * 8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QStringList FilesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

class ReplayTool : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(temp.isValid()); }
    QString Path(const QString& name) const { return temp.filePath(name); }
    QTemporaryDir temp;
};

TEST_F(ReplayTool, RawFilesHoldTheEightPlanes)
{
    const ToolRun run = RunTool({"--raw", Path("out"), "start=300,-10,4"});
    ASSERT_NE(run.status, -1) << run.err.toStdString();
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");

    QStringList expected;
    for (const char* name : PlaneNames)
        expected << QString::fromLatin1(name) + ".raw";
    expected.sort();
    EXPECT_EQ(FilesIn(Path("out")), expected);
    for (const char* name : PlaneNames)
        EXPECT_EQ(QFileInfo(Path("out/") + name + ".raw").size(), IsRealPlane(name) ? 1'920'000 : 960'000) << name;
}

// The first cells of column 0 that the reference runs are known by.
struct ReferenceRun {
    const char* name;
    QStringList actions;
    const char* plane;
    std::vector<std::int32_t> firstColumn;
};

void PrintTo(const ReferenceRun& r, std::ostream* out)
{
    *out << r.actions.join(' ').toStdString() << ": " << r.plane;
}

class ReplayReferenceRuns : public ReplayTool, public ::testing::WithParamInterface<ReferenceRun> {};

TEST_P(ReplayReferenceRuns, RawFilesReadBack)
{
    const ReferenceRun& r = GetParam();
    const ToolRun run = RunTool(QStringList{"--raw", Path("out")} + r.actions);
    ASSERT_NE(run.status, -1) << run.err.toStdString();
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QByteArray bytes = ReadFile(Path("out/") + r.plane + ".raw");
    ASSERT_EQ(bytes.size(), 960'000);
    for (int y = 0; y < static_cast<int>(r.firstColumn.size()); ++y)
        EXPECT_EQ(IntAt(bytes, 0, y), r.firstColumn[y]) << r.plane << "[0][" << y << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Cells, ReplayReferenceRuns,
    ::testing::Values(
        ReferenceRun{"SetUpBias", {"dark=300,-10,4"}, "BiasFrame", {1028, 1020, 995, 982, 1003}},
        ReferenceRun{"StartRaw", {"start=300,-10,4"}, "RawFrame", {8565, 8788, 8662, 8477, 8486}},
        ReferenceRun{"StartGrey", {"start=300,-10,4"}, "DisplayFrame", {49, 100, 72, 29, 31}},
        ReferenceRun{"DarkBias", {"start=300,-10,4", "dark=300,-10,4"}, "BiasFrame", {1006, 1010, 1009, 991, 1018}},
        ReferenceRun{"DarkRaw", {"start=300,-10,4", "dark=300,-10,4"}, "RawFrame", {7558, 7559, 7634, 7485, 7467}},
        ReferenceRun{"DarkGrey", {"start=300,-10,4", "dark=300,-10,4"}, "DisplayFrame", {57, 57, 74, 40, 36}},
        ReferenceRun{"ZeroSecondsRaw", {"start=0,-10,4"}, "RawFrame", {1028, 1020, 995, 982, 1003}}),
    [](const ::testing::TestParamInfo<ReferenceRun>& info) { return std::string(info.param.name); });

TEST_F(ReplayTool, RawFilesOfTheZeroSecondRuns)
{
    const ToolRun run = RunTool({"--raw", Path("out"), "start=0,-10,4", "dark=0,-10,4"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QByteArray raw = ReadFile(Path("out/RawFrame.raw"));
    ASSERT_EQ(raw.size(), 960'000);
    std::int32_t lowest = INT32_MAX;
    std::int32_t highest = INT32_MIN;
    for (int x = 0; x < 600; ++x)
        for (int y = 0; y < 400; ++y) {
            lowest = std::min(lowest, IntAt(raw, x, y));
            highest = std::max(highest, IntAt(raw, x, y));
        }
    EXPECT_EQ(lowest, -62);
    EXPECT_EQ(highest, 63);
    const QByteArray dark = ReadFile(Path("out/CalibrationDark.raw"));
    ASSERT_EQ(dark.size(), 1'920'000);
    EXPECT_EQ(dark, QByteArray(1'920'000, '\0'));  // +0.0 everywhere
    EXPECT_NEAR(RealAt(ReadFile(Path("out/DarkMap.raw")), 0, 1), 2.25436, 1e-5);
    // The summary agrees with the files.
    EXPECT_TRUE(run.out.contains("black point -62\n")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("lowest -62, highest 63")) << run.out.toStdString();
}

TEST_F(ReplayTool, DigestLinesInOrder)
{
    struct Case {
        QStringList actions;
        const char* tail;
    };
    const Case cases[] = {
        {{"start=300,-10,4", "dark=300,-10,4"}, "MinLevel=7307\nDarkPending=0\n"},
        {{"start=300,-10,4"}, "MinLevel=8347\nDarkPending=1\n"},
        {{"start=0,-10,4", "dark=0,-10,4"}, "MinLevel=-62\nDarkPending=0\n"},
        {{"dark=300,-10,4"}, "MinLevel=0\nDarkPending=0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.actions.join(' ').toStdString());
        const ToolRun run = RunTool(QStringList{"--digest"} + c.actions);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.err, "");
        const QStringList lines = run.out.split('\n');
        ASSERT_EQ(lines.size(), 11) << run.out.toStdString();  // ten lines, each ended by a line feed
        for (int i = 0; i < 8; ++i) {
            const QRegularExpression line(QStringLiteral("^%1 sha256=[0-9a-f]{64}$").arg(PlaneNames[i]));
            EXPECT_TRUE(line.match(lines[i]).hasMatch()) << lines[i].toStdString();
        }
        EXPECT_TRUE(run.out.endsWith(c.tail)) << run.out.toStdString();
    }
}

// The reference frames of Start then Dark processing at the defaults, whose
// cells the engine tests check value by value. Any change of any value of
// any plane changes this report.
TEST_F(ReplayTool, DigestOfTheReferenceRunStaysTheSame)
{
    const ToolRun run = RunTool({"--digest", "start=300,-10,4", "dark=300,-10,4"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(),
              "RawFrame sha256=afe9e392520b78d1e18834db36eb86a835fe0e3411c5777f2e272dea2e470745\n"
              "DisplayFrame sha256=f28d69c4dcb1df758b0e2f9d0fc249ad30b00eb11a883c4a1fcb05e1f01276f4\n"
              "SkyFrame sha256=ab4419909e8583db36c13f7d92864bce04d571125c931101ac36515d00c6746f\n"
              "StarFrame sha256=a2919f100446f347bf09bb5f94d51621b8e07d943aa91273a82f2e6a67861801\n"
              "BiasFrame sha256=df5a66a1ee9f06e2dd3255bf22b9031c5d4fb1b20228ef19878ce71c54cf46b9\n"
              "DarkMap sha256=1ff2bb60855f294de627a3acf59f7ea15d1ec46a6d59bd5e5caefa8280e2ca80\n"
              "DarkFrame sha256=ba93a8d07753bcb025f538aa22fa64a4c9e37e4486c174c8295c4b0b7539bace\n"
              "CalibrationDark sha256=dadddcf651b1370e03b81c305e73e45a0f5001100ac3080d06b08e329a76cc66\n"
              "MinLevel=7307\n"
              "DarkPending=0\n");
}

TEST_F(ReplayTool, DigestMatchesTheRawFiles)
{
    const ToolRun run = RunTool({"--raw", Path("out"), "--digest", "start=600,-20,6", "dark=100,0,6"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QByteArray expected;
    for (const char* name : PlaneNames) {
        const QByteArray bytes = ReadFile(Path("out/") + name + ".raw");
        ASSERT_FALSE(bytes.isEmpty()) << name;
        expected += QByteArray(name) + " sha256=" + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "\n";
    }
    EXPECT_TRUE(run.out.startsWith(expected)) << run.out.toStdString();
}

TEST_F(ReplayTool, TwoRunsGiveTheSameBytes)
{
    const QStringList actions = {"start=1000,20,0", "dark=1000,20,0", "start=5,-50,8"};
    const ToolRun first = RunTool(QStringList{"--raw", Path("a"), "--digest"} + actions);
    const ToolRun second = RunTool(QStringList{"--raw", Path("b"), "--digest"} + actions);
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    ASSERT_EQ(second.status, 0) << second.err.toStdString();
    EXPECT_EQ(first.out, second.out);
    for (const char* name : PlaneNames) {
        const QByteArray a = ReadFile(Path("a/") + name + ".raw");
        EXPECT_FALSE(a.isEmpty()) << name;
        EXPECT_TRUE(a == ReadFile(Path("b/") + name + ".raw")) << name;
    }
    const ToolRun summaries[] = {RunTool(actions), RunTool(actions)};
    EXPECT_EQ(summaries[0].status, 0);
    EXPECT_EQ(summaries[0].out, summaries[1].out);
}

TEST_F(ReplayTool, Help)
{
    const ToolRun run = RunTool({"--help"});
    ASSERT_NE(run.status, -1) << run.err.toStdString();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.startsWith("Usage: starloom-sim")) << run.out.toStdString();
    for (const char* mention : {"start=E,T,M", "dark=E,T,M", "--raw DIR", "--digest", "Exit status"})
        EXPECT_TRUE(run.out.contains(mention)) << mention;
}

// A bad command line: status 2, a message that names the culprit, nothing on
// standard output, and the folder of --raw never created.
struct BadLine {
    QStringList arguments;
    const char* named;  // what the message must contain
};

// Shown in the test's name and failures: the arguments themselves.
void PrintTo(const BadLine& bad, std::ostream* out)
{
    *out << '[' << bad.arguments.join(QStringLiteral("] [")).toStdString() << ']';
}

class ReplayBadArguments : public ReplayTool, public ::testing::WithParamInterface<BadLine> {};

TEST_P(ReplayBadArguments, AreRefusedBeforeAnythingIsWritten)
{
    const BadLine& bad = GetParam();
    const ToolRun run = RunTool(QStringList{"--raw", Path("out")} + bad.arguments);
    ASSERT_NE(run.status, -1) << run.err.toStdString();
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.contains(bad.named)) << "stderr: " << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Path("out")));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReplayBadArguments,
    ::testing::Values(BadLine{{"--bogus", "start=300,-10,4"}, "bogus"},
                      BadLine{{"-x", "start=300,-10,4"}, "'x'"},
                      BadLine{{"--digest=yes", "start=300,-10,4"}, "digest"},
                      BadLine{{"start=300,-10,4", "--raw"}, "'--raw'"},
                      BadLine{{"start=1,2"}, "start=1,2"},
                      BadLine{{"start=1,2,3,4"}, "start=1,2,3,4"},
                      BadLine{{"start=a,b,c"}, "start=a,b,c"},
                      BadLine{{"foo=1,2,3"}, "foo=1,2,3"},
                      BadLine{{"start"}, "start"},
                      BadLine{{"dark="}, "dark="},
                      BadLine{{"start=300,,4"}, "start=300,,4"},
                      BadLine{{"start=300,-10,4x"}, "start=300,-10,4x"},
                      BadLine{{"start=+300,-10,4"}, "start=+300,-10,4"},
                      BadLine{{"start=300, -10,4"}, "start=300, -10,4"},
                      BadLine{{"start=99999999999,-10,4"}, "start=99999999999,-10,4"},
                      BadLine{{"start=1001,-10,4"}, "start=1001,-10,4"},
                      BadLine{{"start=-1,-10,4"}, "start=-1,-10,4"},
                      BadLine{{"start=300,-51,4"}, "start=300,-51,4"},
                      BadLine{{"start=300,21,4"}, "start=300,21,4"},
                      BadLine{{"start=300,-10,9"}, "start=300,-10,9"},
                      BadLine{{"dark=300,-10,-1"}, "dark=300,-10,-1"},
                      // A good action first: still nothing is played or written.
                      BadLine{{"start=300,-10,4", "dark=0,0"}, "dark=0,0"},
                      BadLine{{}, "no action"}));

TEST_F(ReplayTool, FolderThatCannotBeMadeIsRefused)
{
    QFile file(Path("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();

    // A regular file in the way, and a folder that no one may create in,
    // root included.
    for (const QString& dir : {Path("file/out"), Path("file"), QStringLiteral("/proc/starloom-sim-test")}) {
        SCOPED_TRACE(dir.toStdString());
        const ToolRun run = RunTool({"--raw", dir, "start=300,-10,4"});
        ASSERT_NE(run.status, -1) << run.err.toStdString();
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.contains(dir)) << "stderr: " << run.err.toStdString();
        EXPECT_FALSE(QFileInfo(dir).isDir());
    }
    EXPECT_EQ(ReadFile(Path("file")), "keep me");
    EXPECT_EQ(FilesIn(temp.path()), QStringList{"file"});
}

TEST_F(ReplayTool, ReadOnlyFolderIsRefused)
{
    // Root may write into any folder whatever its mode bits, so the case
    // only means something for another user.
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root, for whom a folder's mode does not forbid writing";
    ASSERT_TRUE(QDir().mkpath(Path("locked")));
    ASSERT_TRUE(QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner));
    for (const QString& dir : {Path("locked"), Path("locked/out")}) {
        SCOPED_TRACE(dir.toStdString());
        const ToolRun run = RunTool({"--raw", dir, "start=300,-10,4"});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.contains(dir)) << "stderr: " << run.err.toStdString();
    }
    EXPECT_TRUE(FilesIn(Path("locked")).isEmpty());
    QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(ReplayTool, FailedWriteLeavesNoPartialSet)
{
    // A folder where the last plane's file should go: the folder itself is
    // fine, so the run goes ahead and only the writing fails.
    // The PNG asked for beside them must not appear either.
    ASSERT_TRUE(QDir().mkpath(Path("out/CalibrationDark.raw")));
    const ToolRun run = RunTool({"--raw", Path("out"), "--png", Path("frame.png"), "start=300,-10,4"});
    ASSERT_NE(run.status, -1) << run.err.toStdString();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.contains("CalibrationDark.raw")) << "stderr: " << run.err.toStdString();
    EXPECT_EQ(FilesIn(Path("out")), QStringList{"CalibrationDark.raw"});
    EXPECT_EQ(FilesIn(temp.path()), QStringList{"out"});
}

}  // namespace

namespace {

TEST_F(ReplayTool, RefusedExportTakesBackTheRawFolderItMade)
{
    // The raw folder (two levels of it) is made before the export target is
    // checked; when that target is refused, neither level may stay behind.
    const QString dir = Path("new/out");
    const ToolRun run = RunTool({"--raw", dir, "--fits", Path("missing/frame.fits"), "start=300,-10,4"});
    ASSERT_NE(run.status, -1) << run.err.toStdString();
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.contains("frame.fits")) << "stderr: " << run.err.toStdString();
    EXPECT_TRUE(FilesIn(temp.path()).isEmpty()) << FilesIn(temp.path()).join(' ').toStdString();
}

}  // namespace
