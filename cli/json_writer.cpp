#include "cli/json_writer.h"

#include <QByteArray>
#include <QStringView>

#include <cmath>

namespace plx::cli {

JsonWriter::JsonWriter(Output& out) : out_(out), writer_(out.Buffer()) {}

void JsonWriter::Key(std::string_view key) {
    writer_.Key(key.data(), static_cast<rapidjson::SizeType>(key.size()));
}

void JsonWriter::Value(double x) {
    constexpr double kExactWholeNumbers = 9007199254740992.0;  // 2^53
    if (!std::isfinite(x)) {
        writer_.Null();  // JSON has no infinity
    } else if (std::trunc(x) == x && std::fabs(x) < kExactWholeNumbers) {
        writer_.Int64(static_cast<std::int64_t>(x));
    } else {
        writer_.Double(x);
    }
}

// Qt's conversion is the fast one, and it turns a stray surrogate into a replacement character
// instead of invalid UTF-8.
void JsonWriter::Value(std::u16string_view text) {
    const QByteArray utf8 = QStringView(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
    writer_.String(utf8.constData(), static_cast<rapidjson::SizeType>(utf8.size()));
}

void JsonWriter::Value(std::optional<std::u16string_view> text) {
    if (text) {
        Value(*text);
    } else {
        writer_.Null();
    }
}

void JsonWriter::Value(const std::optional<std::u16string>& text) {
    if (text) {
        Value(*text);
    } else {
        writer_.Null();
    }
}

void JsonWriter::EndRecord() {
    out_ << '\n';
    writer_.Reset(out_.Buffer());
}

}  // namespace plx::cli
