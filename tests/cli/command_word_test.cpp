// plxcal decides by its command word alone how it starts (the graphical application object the
// reports draw with) and how it reads a bare --candles (ics): no other argument counts, whatever
// its value.
#include <gtest/gtest.h>

#include "cli/plxcal.h"
#include "cli/plxcal_runner.h"

namespace {

TEST(CommandWord, TheFirstArgumentThatIsNoOptionNorAnOptionsValue) {
    const struct {
        QStringList arguments;
        const char* word;
    } cases[] = {
        {{"plxcal", "day", "2024-01-01", "--lang", "en"}, "day"},
        {{"plxcal", "--lang", "report", "day"}, "day"},
        {{"plxcal", "--lang=he", "report", "daily"}, "report"},
        {{"plxcal", "locations", "add", "--name-en", "report"}, "locations"},
        {{"plxcal", "--name-en", "ics", "times"}, "times"},
        {{"plxcal", "--candles", "18", "times"}, "times"},
        {{"plxcal", "--candles", "ics", "2024-01-01", "2024-01-31"}, "ics"},  // no minutes
        {{"plxcal", "--json", "--", "report"}, "report"},
        {{"plxcal", "--years", "5780", "5790", "anniversary"}, "anniversary"},  // two values
        {{"plxcal", "--json"}, ""},
        {{"plxcal"}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(plx::cli::CommandWord(c.arguments), QLatin1String(c.word))
            << c.arguments.join(' ').toStdString();
    }
}

// Each command line runs once with "report", once with "ics" and once with a plain word in the
// same place, each on a settings file of its own: the three runs answer alike.
TEST(CommandWord, ReportOrIcsAsAnOptionsValueIsAnyOtherValue) {
    const struct {
        QStringList line;
        int status;
    } cases[] = {
        {{"day", "2024-01-01", "--lang", "en", "--name-en", "%1"}, 0},
        // The reports' application object would take Qt's own -reverse off the command line.
        {{"day", "2024-01-01", "--name-en", "%1", "-reverse"}, 2},
        {{"locations", "add", "--name-he", "א", "--name-en", "%1", "--lat", "1", "--lon", "2",
          "--zone", "3"},
         0},
        // ics would read a --candles without minutes as a switch.
        {{"locations", "add", "--name-he", "א", "--name-en", "%1", "--lat", "1", "--lon", "2",
          "--zone", "3", "--candles"},
         2},
        {{"times", "2024-01-01", "--location", "0", "--name-he", "%1", "--candles", "abc"}, 2},
    };
    for (const auto& c : cases) {
        const std::string what = c.line.join(' ').toStdString();
        QList<PlxcalResult> results;
        for (const char* value : {"plain", "report", "ics"}) {
            QStringList arguments = c.line;
            arguments.replaceInStrings(QStringLiteral("%1"), QLatin1String(value));
            QTemporaryDir config;
            QProcessEnvironment env;
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
            results << RunPlxcal(arguments, env);
        }
        EXPECT_EQ(results[0].status, c.status) << what << ": " << results[0].err.constData();
        for (const PlxcalResult& r : results) {
            EXPECT_EQ(r.status, results[0].status) << what;
            EXPECT_EQ(r.out, results[0].out) << what;
            EXPECT_EQ(r.err, results[0].err) << what;
        }
    }
}

}  // namespace
