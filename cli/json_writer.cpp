#include "cli/json_writer.h"

#include <QByteArray>
#include <QStringView>

#include <rapidjson/writer.h>

#include <cmath>

namespace plx::cli {
namespace {

// RapidJSON's output stream over plxcal's output.
class OutputStream {
public:
    using Ch = char;
    explicit OutputStream(Output& out) : out_(out) {}
    void Put(char c) { out_.Put(c); }
    void Flush() {}

private:
    Output& out_;
};

}  // namespace

class JsonWriter::Writer : public rapidjson::Writer<OutputStream> {
public:
    explicit Writer(Output& out) : stream_(out) { Reset(stream_); }
    void StartRecord() { Reset(stream_); }

private:
    OutputStream stream_;
};

JsonWriter::JsonWriter(Output& out) : out_(out), writer_(std::make_unique<Writer>(out)) {}

JsonWriter::~JsonWriter() = default;

void JsonWriter::StartObject() {
    writer_->StartObject();
}

void JsonWriter::EndObject() {
    writer_->EndObject();
}

void JsonWriter::StartArray() {
    writer_->StartArray();
}

void JsonWriter::EndArray() {
    writer_->EndArray();
}

void JsonWriter::Key(std::string_view key) {
    writer_->Key(key.data(), static_cast<rapidjson::SizeType>(key.size()));
}

void JsonWriter::Value(int n) {
    writer_->Int(n);
}

void JsonWriter::Value(bool b) {
    writer_->Bool(b);
}

void JsonWriter::Value(double x) {
    constexpr double kExactWholeNumbers = 9007199254740992.0;  // 2^53
    if (!std::isfinite(x)) {
        writer_->Null();  // JSON has no infinity
    } else if (std::trunc(x) == x && std::fabs(x) < kExactWholeNumbers) {
        writer_->Int64(static_cast<std::int64_t>(x));
    } else {
        writer_->Double(x);
    }
}

// Qt's conversion is the fast one, and it turns a stray surrogate into a replacement character
// instead of invalid UTF-8.
void JsonWriter::Value(std::u16string_view text) {
    const QByteArray utf8 = QStringView(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
    writer_->String(utf8.constData(), static_cast<rapidjson::SizeType>(utf8.size()));
}

void JsonWriter::Value(std::optional<std::u16string_view> text) {
    if (text) {
        Value(*text);
    } else {
        writer_->Null();
    }
}

void JsonWriter::Value(const std::optional<std::u16string>& text) {
    if (text) {
        Value(*text);
    } else {
        writer_->Null();
    }
}

void JsonWriter::EndRecord() {
    out_ << '\n';
    writer_->StartRecord();
}

}  // namespace plx::cli
