#include "ReplayOptions.h"

#include <QCommandLineParser>

#include <algorithm>
#include <utility>

namespace {

const char* const Usage = R"(Usage: starloom-sim [options] ACTION...

Plays presses of the Starloom buttons on a freshly started simulation, exactly
as the program's window would, and reports what the simulation holds after
the last one. Every run starts from the same random state, so the same
actions always give the same frames.

Actions, played in order:
  start=E,T,M   press Start with the sliders at exposure E seconds (0..1000),
                CCD temperature T degrees C (-50..20) and sky magnitude M
                (0..8): a new exposure, stretched for display.
  dark=E,T,M    press Dark processing with the sliders at E,T,M: subtracts a
                freshly simulated dark frame from the last exposure. Does
                nothing at all when no exposure is waiting for it.

Options:
  --raw DIR     write the eight planes to DIR/<PlaneName>.raw (DIR is created
                if needed): values in walking order, x from 0 to 599 outer,
                y from 0 to 399 inner; little-endian 32-bit signed integers
                for RawFrame, DisplayFrame, SkyFrame, StarFrame and BiasFrame,
                little-endian IEEE 64-bit reals for DarkMap, DarkFrame and
                CalibrationDark.
  --fits FILE   write RawFrame as a FITS image: 32-bit signed counts,
                600 x 400, first row at the top (ROWORDER = 'TOP-DOWN'), with
                the exposure time, CCD temperature, sky magnitude, whether a
                dark was subtracted and one HISTORY card per action.
  --fits-display FILE
                write DisplayFrame the same way as 8-bit grey levels.
  --png FILE    write DisplayFrame as an 8-bit grey PNG, as the window shows it.
                The exports need at least one start action.
  --digest      print "<PlaneName> sha256=<hex>" for each plane over exactly
                those bytes, then "MinLevel=<n>" and "DarkPending=<n>".
  --help        show this text.

Without --digest a short summary of the last frame is printed.

Every file is written under a temporary name beside its target and renamed
into place only once all the files of the run are complete, so a run that
fails leaves none of them behind and no existing file damaged.

Exit status: 0 on success, 2 for bad arguments, 1 when writing fails.
)";

}  // namespace

QString ReplayUsage()
{
    return QString::fromUtf8(Usage);
}

std::optional<ReplayOptions> ParseReplayOptions(const QStringList& arguments, QString& error)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption digest(QStringLiteral("digest"));
    const QCommandLineOption raw(QStringLiteral("raw"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption fits(QStringLiteral("fits"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption fitsDisplay(QStringLiteral("fits-display"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption png(QStringLiteral("png"), QString(), QStringLiteral("FILE"));
    parser.addOptions({help, digest, raw, fits, fitsDisplay, png});

    // QCommandLineParser expects the program name first.
    if (!parser.parse(QStringList{QStringLiteral("starloom-sim")} + arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    ReplayOptions options;
    options.help = parser.isSet(help);
    if (options.help)
        return options;
    options.digest = parser.isSet(digest);
    if (parser.values(raw).size() > 1) {
        error = QStringLiteral("--raw is given more than once");
        return std::nullopt;
    }
    options.rawDir = parser.value(raw);
    if (parser.isSet(raw) && options.rawDir.isEmpty()) {
        error = QStringLiteral("--raw needs a folder name");
        return std::nullopt;
    }
    const std::pair<const QCommandLineOption&, ExportRequest::Kind> exports[] = {
        {fits, ExportRequest::Kind::RawFits},
        {fitsDisplay, ExportRequest::Kind::DisplayFits},
        {png, ExportRequest::Kind::DisplayPng},
    };
    for (const auto& [option, kind] : exports) {
        if (!parser.isSet(option))
            continue;
        const QString name = QStringLiteral("--") + option.names().constFirst();
        const QStringList values = parser.values(option);
        if (values.size() > 1) {
            error = name + QStringLiteral(" is given more than once");
            return std::nullopt;
        }
        if (values.constFirst().isEmpty()) {
            error = name + QStringLiteral(" needs a file name");
            return std::nullopt;
        }
        options.exports.push_back({kind, values.constFirst()});
    }
    const QStringList actions = parser.positionalArguments();
    if (actions.isEmpty()) {
        error = QStringLiteral("no action given; try start=300,-10,4 (see --help)");
        return std::nullopt;
    }
    for (const QString& text : actions) {
        std::string why;
        const auto action = ParseAction(text.toStdString(), why);
        if (!action) {
            error = QString::fromStdString(why);
            return std::nullopt;
        }
        options.actions.push_back(*action);
    }
    // Without a Start there is no frame to export: every Dark press does
    // nothing, and the headers would describe an exposure never taken.
    const bool exposes = std::any_of(options.actions.begin(), options.actions.end(), [](const ReplayAction& a) {
        return a.button == ReplayAction::Button::Start;
    });
    if (!options.exports.empty() && !exposes) {
        error = QStringLiteral("there is nothing to export without a start=E,T,M action");
        return std::nullopt;
    }
    return options;
}
