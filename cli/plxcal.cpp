#include "cli/plxcal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <map>
#include <memory>

#include "cli/arguments.h"
#include "cli/command.h"

namespace plx::cli {
namespace {

using Command = int (*)(const Invocation&);

const std::map<QString, Command>& Commands() {
    static const std::map<QString, Command> commands{
        {QStringLiteral("day"), &RunDay},
        {QStringLiteral("range"), &RunRange},
        {QStringLiteral("numeral"), &RunNumeral},
        {QStringLiteral("vocab"), &RunVocab},
        {QStringLiteral("times"), &RunTimes},
        {QStringLiteral("locations"), &RunLocations},
        {QStringLiteral("report"), &RunReport},
        {QStringLiteral("ics"), &RunIcs},
        {QStringLiteral("anniversary"), &RunAnniversary},
        {QStringLiteral("personal"), &RunPersonal},
    };
    return commands;
}

QList<QCommandLineOption> Options() {
    return {
        {QStringLiteral("hebrew"),
         QStringLiteral("DATE is a Hebrew date, months counted from Tishrei = 1.")},
        {QStringLiteral("json"), QStringLiteral("One JSON object per line.")},
        {QStringLiteral("lang"),
         QStringLiteral("Language of the texts: he for Hebrew; en (the default) or any other code "
                        "for English."),
         QStringLiteral("code"), QStringLiteral("en")},
        {QStringLiteral("parse"),
         QStringLiteral("numeral: read TEXT as a Hebrew numeral and print its number.")},
        {QStringLiteral("location"),
         QStringLiteral(
             "times: the place of that key (see 'locations'); default the current location."),
         QStringLiteral("KEY")},
        {QStringLiteral("name-he"), QStringLiteral("locations: the place's Hebrew name."),
         QStringLiteral("TEXT")},
        {QStringLiteral("name-en"), QStringLiteral("locations: the place's English name."),
         QStringLiteral("TEXT")},
        {QStringLiteral("lat"),
         QStringLiteral("times, locations: latitude in degrees, north positive."),
         QStringLiteral("D")},
        {QStringLiteral("lon"),
         QStringLiteral("times, locations: longitude in degrees, east positive."),
         QStringLiteral("D")},
        {QStringLiteral("zone"),
         QStringLiteral("times, locations: hours of the place's standard time from UT."),
         QStringLiteral("H")},
        {QStringLiteral("height"),
         QStringLiteral(
             "times, locations: metres above sea level (the times count it with --elevation)."),
         QStringLiteral("M")},
        {QStringLiteral("candles"),
         QStringLiteral("times, locations, ics: candle lighting, minutes before sunset; ics: "
                        "also puts candle lighting in the file, so there it may stand alone."),
         QStringLiteral("MIN")},
        {QStringLiteral("world-refraction"),
         QStringLiteral("times, locations: the world average refraction.")},
        {QStringLiteral("israel-refraction"),
         QStringLiteral("times, locations: Israel's average refraction.")},
        {QStringLiteral("tz"),
         QStringLiteral("times, report, locations: the place's time zone, an IANA id such as "
                        "Asia/Jerusalem."),
         QStringLiteral("ZONEID")},
        {QStringLiteral("dst"),
         QStringLiteral("times, report: daylight saving, auto (by the place's time zone) or "
                        "hours, 0 (off) to 3; default as stored."),
         QStringLiteral("auto|HOURS")},
        {QStringLiteral("elevation"),
         QStringLiteral("times: the place's height lowers the horizon.")},
        {QStringLiteral("all"),
         QStringLiteral("times: every time, whatever the stored options switch on.")},
        {QStringLiteral("sun"),
         QStringLiteral("times, report, ics: the solar calculation, classic or precise (the sun's "
                        "place at the moment of each time); default as stored."),
         QStringLiteral("classic|precise")},
        {QStringLiteral("events"), QStringLiteral("ics: the day's events.")},
        {QStringLiteral("portion"), QStringLiteral("ics: the weekly portion on Saturdays.")},
        {QStringLiteral("daf"), QStringLiteral("ics: the Daf Yomi page of each day.")},
        {QStringLiteral("personal"),
         QStringLiteral("ics: the days your personal dates are kept (see 'personal').")},
        {QStringLiteral("times"),
         QStringLiteral("ics: these halachic times, by the names of the settings file's switches "
                        "(Sunrise, Sunset, CandleLighting, Motzash ...). Without --events, "
                        "--portion, --daf, --personal, --times or --candles the file holds the "
                        "events and the portions."),
         QStringLiteral("KIND,KIND...")},
        {QStringLiteral("candle-lighting"), QStringLiteral("ics: the same as --candles alone.")},
        {QStringLiteral("force"),
         QStringLiteral("ics: export a span of more than 20 years; report monthly: print a span "
                        "of 100 Hebrew years or more.")},
        {QStringLiteral("out"),
         QStringLiteral("ics: the calendar file to write; - for standard output."),
         QStringLiteral("FILE")},
        {QStringLiteral("years"),
         QStringLiteral("anniversary: the Hebrew years FROM TO (at most 2000 of them)."),
         QStringLiteral("FROM TO")},
        {QStringLiteral("after-sunset"),
         QStringLiteral("anniversary, personal add: the civil DATE's event was after sunset, on "
                        "the next Hebrew day.")},
        {QStringLiteral("name"), QStringLiteral("personal add: the name the date is shown by."),
         QStringLiteral("TEXT")},
        {QStringLiteral("kind"),
         QStringLiteral("personal add: birthday, yahrzeit, anniversary or other."),
         QStringLiteral("KIND")},
        {QStringLiteral("date"),
         QStringLiteral("personal add: the event's date, civil, or Hebrew with --hebrew."),
         QStringLiteral("DATE")},
        {QStringLiteral("note"), QStringLiteral("personal add: a note kept with the date."),
         QStringLiteral("TEXT")},
        {QStringLiteral("adar"),
         QStringLiteral("anniversary: where a yahrzeit of Adar of a common year is kept in a "
                        "leap year: first (the default), second or both."),
         QStringLiteral("first|second|both")},
        {QStringLiteral("pdf"),
         QStringLiteral("report: the PDF file to write; - for standard output."),
         QStringLiteral("FILE")},
        {QStringLiteral("paper"), QStringLiteral("report: a4 (the default) or letter."),
         QStringLiteral("SIZE"), QStringLiteral("a4")},
        {QStringLiteral("portrait"),
         QStringLiteral("report: upright pages (the default but for the timetables).")},
        {QStringLiteral("landscape"),
         QStringLiteral("report: pages on their side (the default of the timetables).")},
        {QStringLiteral("half-page"),
         QStringLiteral("report monthly: two months on an upright page (the default).")},
        {QStringLiteral("full-page"),
         QStringLiteral("report monthly: one month on a page on its side.")},
        {QStringLiteral("sunrise"), QStringLiteral("report monthly: print sunrise.")},
        {QStringLiteral("sunset"), QStringLiteral("report monthly: print sunset.")},
        {QStringLiteral("candles-motzash"),
         QStringLiteral("report monthly: print candle lighting and the end of the Sabbath.")},
        {QStringLiteral("tallit"),
         QStringLiteral("report monthly: print the time for tallit and tefillin.")},
        {QStringLiteral("plag"),
         QStringLiteral("report monthly: print plag ha'mincha by gra or maga. Without any of "
                        "these time options the saved choices are used."),
         QStringLiteral("METHOD")},
    };
}

void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "The Hebrew calendar from the command line.\n\n"
        "Commands:\n"
        "  day [DATE]          one day (DATE is YEAR-MM-DD, civil, or Hebrew with --hebrew; "
        "default today)\n"
        "  range START END     every civil day from START to END inclusive\n"
        "  numeral N           the Hebrew numeral of N (1 .. 110999)\n"
        "  numeral --parse TEXT  the number a Hebrew numeral stands for\n"
        "  vocab --json        every table of the Hebrew and English calendar vocabulary\n"
        "  times [DATE [END]]  the halachic times of a day, or of every day to END, at the "
        "current\n"
        "                      location with the stored options; --location, --lat ... replace "
        "them\n"
        "  locations           the built-in and the user's locations with their keys\n"
        "  locations add --name-he TEXT --name-en TEXT --lat D --lon D --zone H [--height M]\n"
        "                [--candles MIN] [--world-refraction|--israel-refraction]\n"
        "                      adds a location of your own and prints its key\n"
        "  locations update KEY [the same options]  changes the options given of one of yours\n"
        "  locations remove KEY  removes one of your locations\n"
        "  locations use KEY   makes a location the current one\n"

        "  report NAME [DATE] --pdf FILE\n"
        "                      the daily, weekly or yearly report or the sunset, sunrise or dawn\n"
        "                      timetable of DATE (default today; the yearly ones show its year)\n"
        "                      as the program prints it, into a PDF; --lang he: the Hebrew page\n"
        "  report monthly [DATE [END]] --pdf FILE\n"
        "                      the Hebrew months from the one holding DATE to the one holding "
        "END\n"
        "  ics START END --out FILE\n"
        "                      a calendar file (iCalendar) of the days from START to END for "
        "calendar\n"
        "                      programs: events, portions, Daf Yomi (--daf), personal dates\n"
        "                      (--personal), halachic times (--times) and candle lighting\n"
        "                      (--candles) at the current location\n"
        "  anniversary birthday|yahrzeit DATE --years FROM TO\n"
        "                      the days a birthday or a yahrzeit of DATE (civil, or Hebrew with\n"
        "                      --hebrew) is kept in the Hebrew years FROM to TO\n"
        "  personal            your personal dates with their keys and the day each is next "
        "kept\n"
        "  personal add --name TEXT --kind birthday|yahrzeit|anniversary|other --date DATE\n"
        "               [--hebrew] [--after-sunset] [--note TEXT]\n"
        "                      adds a personal date and prints its key\n"
        "  personal remove KEY removes one of your personal dates"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(Options());
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("day, range, numeral, vocab, times, locations, report, ics, anniversary or "
                       "personal"));
}

QStringList ValueOptions() {
    QStringList names;
    for (const QCommandLineOption& option : Options()) {
        if (!option.valueName().isEmpty())
            names += option.names();
    }
    return names;
}

// anniversary takes two years after --years ("--years 5780 5790"); the parser takes one value an
// option, so the second gets the option's name too and both are read as the option's values.
QStringList SpreadYearSpan(QStringList arguments) {
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--years") && i + 2 < arguments.size()) {
            arguments.insert(i + 2, QStringLiteral("--years"));
            i += 2;
        } else if (arguments[i].startsWith(QLatin1String("--years="))) {
            arguments.insert(i + 1, QStringLiteral("--years"));
            i += 1;
        }
    }
    return arguments;
}

// ics takes --candles alone (put candle lighting in the file) as well as with its minutes.
QStringList MarkBareCandles(QStringList arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        bool number = false;
        if (i + 1 < arguments.size())
            arguments[i + 1].toDouble(&number);
        if (arguments[i] == QLatin1String("--candles") && !number)
            arguments[i] = QStringLiteral("--candle-lighting");
    }
    return arguments;
}

// Reads the command line into the parser; an option it does not know is an error.
void ParseCommandLine(QCommandLineParser& parser, const QStringList& arguments) {
    AddOptions(parser);
    const bool ics = CommandWord(arguments) == QLatin1String("ics");
    if (!parser.parse(ProtectPositionals(
            ics ? MarkBareCandles(arguments) : SpreadYearSpan(arguments), ValueOptions())))
        throw UsageError{parser.errorText()};
}

int Run(const QStringList& arguments) {
    QCommandLineParser parser;
    ParseCommandLine(parser, arguments);
    // Through plxcal's own output, so that a failed write is an error here too.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        Output out(STDOUT_FILENO);
        if (parser.isSet(QStringLiteral("help"))) {
            out << parser.helpText();
        } else {
            out << QCoreApplication::applicationName() << ' '
                << QCoreApplication::applicationVersion() << '\n';
        }
        out.Flush();
        return 0;
    }

    QStringList positionals = parser.positionalArguments();
    if (positionals.isEmpty())
        throw UsageError{QStringLiteral("no command given; try 'plxcal --help'")};
    const QString name = positionals.takeFirst();
    const auto command = Commands().find(name);
    if (command == Commands().end())
        throw UsageError{QStringLiteral("unknown command '%1'; try 'plxcal --help'").arg(name)};

    Output out(STDOUT_FILENO);
    const int status = command->second(Invocation{parser, positionals, out});
    out.Flush();
    return status;
}

// The one line of an error; the exit status 2.
int ReportError(const UsageError& error) {
    // simplified(): a message quoting the user's text stays on one line.
    std::fprintf(stderr, "plxcal: %s\n", error.message.simplified().toLocal8Bit().constData());
    return 2;
}

// A standard stream the caller closed (`plxcal ... >&-`) would give its number to the next file
// opened, a settings or report file whose text would then take what is meant for the stream. Each
// is held by /dev/null opened for reading instead, so that a write to it fails as it should.
void HoldClosedStandardStreams() {
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest number free: the stream's own, the ones below it being open.
        const int held = ::open("/dev/null", O_RDONLY);
        if (held >= 0 && held != stream) {
            ::dup2(held, stream);
            ::close(held);
        }
    }
}

}  // namespace

QString CommandWord(const QStringList& arguments) {
    // A --candles without minutes stands alone here, so that it does not take the command word
    // for its value in "plxcal --candles ics ...".
    return FirstPositional(SpreadYearSpan(MarkBareCandles(arguments)), ValueOptions());
}

int RunPlxcal(int argc, char** argv) {
    HoldClosedStandardStreams();
    // A closed pipe shows as a failed write (EPIPE) instead of a signal that kills the process.
    std::signal(SIGPIPE, SIG_IGN);
    // Qt's own notes (a missing runtime folder and the like) are not for the user; plxcal's
    // errors are its one line below.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "plxcal: %s\n", message.toLocal8Bit().constData());
    });
    // Reports are drawn with fonts, which need the graphical application object, on the
    // offscreen platform: plxcal opens no window and needs no display. The other commands start
    // faster without it.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool drawsReports = CommandWord(arguments) == QLatin1String("report");
    if (drawsReports) {
        // The graphical application takes options of its own from the command line (-platform,
        // -display ...) before plxcal sees it, and aborts on a platform it cannot load: the command
        // line is read first, and they are refused as any other option plxcal does not know.
        try {
            QCommandLineParser parser;
            ParseCommandLine(parser, arguments);
        } catch (const UsageError& error) {
            return ReportError(error);
        }
    }
    if (drawsReports)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        drawsReports ? std::unique_ptr<QCoreApplication>(new QGuiApplication(argc, argv))
                     : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plxcal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLX_VERSION));
    try {
        return Run(app->arguments());
    } catch (const ReaderGone&) {
        return 0;  // the reader has all it wanted
    } catch (const UsageError& error) {
        return ReportError(error);
    }
}

}  // namespace plx::cli
