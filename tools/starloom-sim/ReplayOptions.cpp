#include "ReplayOptions.h"

#include <QCommandLineParser>

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
  --digest      print "<PlaneName> sha256=<hex>" for each plane over exactly
                those bytes, then "MinLevel=<n>" and "DarkPending=<n>".
  --help        show this text.

Without --digest a short summary of the last frame is printed.
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
    parser.addOptions({help, digest, raw});

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
    return options;
}
