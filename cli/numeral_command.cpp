// plxcal numeral: a number to its Hebrew numeral, or a typed numeral back to its number.
#include "cli/command.h"
#include "engine/numerals.h"

namespace plx::cli {
namespace {

UsageError OutOfRange(const QString& text, const char* what) {
    return UsageError{QStringLiteral("'%1' is not %2 1 .. %3")
                          .arg(text, QLatin1String(what), QString::number(kLargestHebrewNumeral))};
}

}  // namespace

int RunNumeral(const Invocation& call) {
    ExpectArguments(call, 1, 1, "numeral N | numeral --parse TEXT");
    const QString& text = call.positionals.first();
    if (call.parser.isSet(QStringLiteral("parse"))) {
        const int n = ParseHebrewNumeral(text.toStdU16String());
        if (n < 1 || n > kLargestHebrewNumeral)
            throw OutOfRange(text, "a Hebrew numeral of");
        call.out << n << '\n';
        return 0;
    }
    bool isNumber = false;
    const int n = text.toInt(&isNumber);
    if (!isNumber || n < 1 || n > kLargestHebrewNumeral)
        throw OutOfRange(text, "a whole number in");
    call.out << HebrewNumeral(n).value() << '\n';
    return 0;
}

}  // namespace plx::cli
