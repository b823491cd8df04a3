// --fits and --fits-display read back through cfitsio and compared, value by
// value and card by card, with the planes that --raw writes for the same run.

#include "ToolTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <fitsio.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <string>

namespace {

// One FITS file as cfitsio reads it: the image and every header card.
struct FitsContent {
    int bitpix = 0;
    int naxis = 0;
    long axes[2] = {};
    std::vector<int> pixels;  // FITS order: NAXIS1 fastest
    std::map<std::string, std::pair<std::string, std::string>> cards;  // keyword -> value, comment
    std::vector<std::string> history;
};

FitsContent ReadFits(const QString& path)
{
    FitsContent content;
    fitsfile* file = nullptr;
    int status = 0;
    // The disk variant takes the name literally, with no extended syntax.
    fits_open_diskfile(&file, QFile::encodeName(path).constData(), READONLY, &status);
    fits_get_img_param(file, 2, &content.bitpix, &content.naxis, content.axes, &status);
    int cards = 0;
    fits_get_hdrspace(file, &cards, nullptr, &status);
    for (int n = 1; n <= cards && status == 0; ++n) {
        char record[FLEN_CARD] = {};
        fits_read_record(file, n, record, &status);
        const std::string line(record);
        const std::string key = line.substr(0, line.find_first_of(" ="));
        if (key == "HISTORY") {
            content.history.push_back(line.size() > 8 ? line.substr(8) : std::string());
            continue;
        }
        if (key == "COMMENT")
            continue;
        char value[FLEN_VALUE] = {}, comment[FLEN_COMMENT] = {};
        fits_read_keyword(file, key.c_str(), value, comment, &status);
        content.cards[key] = {value, comment};
    }
    if (status == 0 && content.naxis == 2) {
        content.pixels.resize(std::size_t(content.axes[0]) * content.axes[1]);
        int anyNull = 0;
        fits_read_img(file, TINT, 1, LONGLONG(content.pixels.size()), nullptr, content.pixels.data(), &anyNull,
                      &status);
    }
    if (file)
        fits_close_file(file, &status);
    if (status != 0) {
        char text[FLEN_STATUS] = {};
        fits_get_errstatus(status, text);
        ADD_FAILURE() << "cfitsio cannot read " << path.toStdString() << ": " << text;
    }
    return content;
}

std::string Value(const FitsContent& fits, const std::string& key)
{
    const auto it = fits.cards.find(key);
    return it == fits.cards.end() ? "<missing>" : it->second.first;
}

std::string Comment(const FitsContent& fits, const std::string& key)
{
    const auto it = fits.cards.find(key);
    return it == fits.cards.end() ? "<missing>" : it->second.second;
}

std::string Trimmed(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// FITS pixel (i, j) must hold plane[i - 1][j - 1], for every pixel.
void ExpectPlane(const FitsContent& fits, int bitpix, const std::vector<std::int32_t>& plane)
{
    EXPECT_EQ(fits.bitpix, bitpix);
    ASSERT_EQ(fits.naxis, 2);
    ASSERT_EQ(fits.axes[0], Width);
    ASSERT_EQ(fits.axes[1], Height);
    int mismatches = 0;
    for (int x = 0; x < Width; ++x)
        for (int y = 0; y < Height; ++y)
            if (fits.pixels[std::size_t(y) * Width + x] != plane[std::size_t(x) * Height + y] && ++mismatches <= 5) {
                ADD_FAILURE() << "pixel x=" << x << " y=" << y;
            }
    EXPECT_EQ(mismatches, 0);
}

struct Conditions {
    int exposure, temperature, magnitude;
};

struct Sequence {
    const char* name;
    QStringList actions;
    Conditions exposure;                 // of the frame that RawFrame holds
    std::optional<Conditions> dark;      // of the dark subtracted from it
    std::vector<std::string> history;
};

const Sequence Sequences[] = {
    {"OneExposure", {"start=300,-10,4"}, {300, -10, 4}, std::nullopt, {"start=300,-10,4"}},
    {"MatchedDark",
     {"start=600,-20,6", "dark=600,-20,6"},
     {600, -20, 6},
     Conditions{600, -20, 6},
     {"start=600,-20,6", "dark=600,-20,6"}},
    // A long warm dark taken off a short cold exposure: counts go negative.
    {"OverSubtracted",
     {"start=0,-50,8", "dark=1000,20,0"},
     {0, -50, 8},
     Conditions{1000, 20, 0},
     {"start=0,-50,8", "dark=1000,20,0"}},
    {"IdlePresses",
     {"dark=5,5,5", "start=120,0,2", "dark=120,0,2", "dark=7,7,7"},
     {120, 0, 2},
     Conditions{120, 0, 2},
     {"dark=5,5,5 (no exposure waiting: no effect)", "start=120,0,2", "dark=120,0,2",
      "dark=7,7,7 (no exposure waiting: no effect)"}},
    {"NewExposureAfterDark",
     {"start=300,-10,4", "dark=300,-10,4", "start=60,15,0"},
     {60, 15, 0},
     std::nullopt,
     {"start=300,-10,4", "dark=300,-10,4", "start=60,15,0"}},
};

void PrintTo(const Sequence& s, std::ostream* os)
{
    *os << s.actions.join(' ').toStdString();
}

class FitsExport : public testing::TestWithParam<Sequence> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        run = RunTool(QStringList{"--raw", dir.filePath("raw"), "--fits", dir.filePath("raw.fits"), "--fits-display",
                                  dir.filePath("display.fits")} +
                      GetParam().actions);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
    }

    void ExpectConditionCards(const FitsContent& fits)
    {
        const Sequence& s = GetParam();
        EXPECT_EQ(Value(fits, "ROWORDER"), "'TOP-DOWN'");
        EXPECT_EQ(Value(fits, "IMAGETYP"), "'Light Frame'");
        EXPECT_EQ(Value(fits, "EXPTIME"), std::to_string(s.exposure.exposure));
        EXPECT_EQ(Value(fits, "CCD-TEMP"), std::to_string(s.exposure.temperature));
        EXPECT_EQ(Value(fits, "SKYMAG"), std::to_string(s.exposure.magnitude));
        EXPECT_EQ(Comment(fits, "EXPTIME").rfind("[s] ", 0), 0u) << Comment(fits, "EXPTIME");
        EXPECT_EQ(Comment(fits, "CCD-TEMP").rfind("[deg C] ", 0), 0u) << Comment(fits, "CCD-TEMP");
        EXPECT_EQ(Comment(fits, "SKYMAG").rfind("[mag] ", 0), 0u) << Comment(fits, "SKYMAG");
        EXPECT_EQ(Value(fits, "DARKSUB"), s.dark ? "T" : "F");
        if (s.dark) {
            EXPECT_EQ(Value(fits, "DARKEXP"), std::to_string(s.dark->exposure));
            EXPECT_EQ(Value(fits, "DARKTEMP"), std::to_string(s.dark->temperature));
        } else {
            EXPECT_EQ(fits.cards.count("DARKEXP") + fits.cards.count("DARKTEMP"), 0u);
        }
        EXPECT_EQ(Value(fits, "SWCREATE"), "'Starloom " STARLOOM_VERSION "'");
        std::vector<std::string> history;
        std::transform(fits.history.begin(), fits.history.end(), std::back_inserter(history), Trimmed);
        EXPECT_EQ(history, s.history);
        // The same actions must give the same bytes: nothing that depends
        // on when or where the file was written.
        for (const auto& [key, card] : fits.cards) {
            EXPECT_NE(key.rfind("DATE", 0), 0u) << key;
            EXPECT_NE(key, "CHECKSUM");
            EXPECT_NE(key, "DATASUM");
        }
    }

    QTemporaryDir dir;
    ToolRun run;
};

TEST_P(FitsExport, RawFrameHoldsEveryCountWithItsConditions)
{
    const FitsContent fits = ReadFits(dir.filePath("raw.fits"));
    ExpectPlane(fits, LONG_IMG, ReadIntPlane(dir.filePath("raw/RawFrame.raw")));
    EXPECT_EQ(Value(fits, "BUNIT"), "'adu     '");
    ExpectConditionCards(fits);
    if (std::string(GetParam().name) == "OverSubtracted") {
        EXPECT_LT(*std::min_element(fits.pixels.begin(), fits.pixels.end()), 0) << "the case meant to go negative";
    }
}

TEST_P(FitsExport, DisplayFrameHoldsEveryGreyLevelWithItsConditions)
{
    const FitsContent fits = ReadFits(dir.filePath("display.fits"));
    ExpectPlane(fits, BYTE_IMG, ReadIntPlane(dir.filePath("raw/DisplayFrame.raw")));
    const auto blackPoint = QRegularExpression(QStringLiteral("black point (-?\\d+)")).match(run.out);
    ASSERT_TRUE(blackPoint.hasMatch()) << run.out.toStdString();
    EXPECT_EQ(Value(fits, "BLACKPT"), blackPoint.captured(1).toStdString());
    ExpectConditionCards(fits);
}

INSTANTIATE_TEST_SUITE_P(Sequences, FitsExport, testing::ValuesIn(Sequences),
                         [](const testing::TestParamInfo<Sequence>& info) { return info.param.name; });

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ExportRepeat, SameActionsGiveTheSameBytes)
{
    const QStringList actions{"start=450,-5,3", "dark=450,-5,3", "dark=1,1,1"};
    QTemporaryDir first, second;
    for (QTemporaryDir* dir : {&first, &second}) {
        const ToolRun run = RunTool(QStringList{"--fits", dir->filePath("a.fits"), "--fits-display",
                                                dir->filePath("b.fits"), "--png", dir->filePath("c.png")} +
                                    actions);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
    }
    for (const char* name : {"a.fits", "b.fits", "c.png"}) {
        const QByteArray bytes = Contents(first.filePath(name));
        EXPECT_FALSE(bytes.isEmpty()) << name;
        EXPECT_TRUE(bytes == Contents(second.filePath(name))) << name << " differs between two runs";
    }
}

TEST(ExportRepeat, FitsverifyFindsNoWarningAndNoError)
{
    QTemporaryDir dir;
    const ToolRun run = RunTool({"--fits", dir.filePath("raw.fits"), "--fits-display", dir.filePath("display.fits"),
                                 "start=0,-50,8", "dark=1000,20,0", "dark=3,3,3"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString fitsverify = QStringLiteral(FITSVERIFY);
    ASSERT_FALSE(fitsverify.isEmpty()) << "fitsverify is not installed (scripts/install-deps.sh installs it)";
    for (const char* name : {"raw.fits", "display.fits"}) {
        QProcess process;
        process.start(fitsverify, {dir.filePath(name)});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString report = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 0) << report.toStdString();
        EXPECT_TRUE(report.contains(QStringLiteral("Verification found 0 warning(s) and 0 error(s)")))
            << name << ":\n" << report.toStdString();
    }
}

}  // namespace
