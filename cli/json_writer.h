// plxcal's JSON: one record per line, written straight into the output. Texts come in as UTF-16
// and go out as UTF-8, escaped by RapidJSON, which stays behind this class.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cli/output.h"

namespace plx::cli {

class JsonWriter {
public:
    explicit JsonWriter(Output& out);
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void StartObject();
    void EndObject();
    void StartArray();
    void EndArray();
    void Key(std::string_view key);

    void Value(int n);
    void Value(bool b);
    // Whole numbers without a fraction ("2", not "2.0"), as plxcal has always written them.
    void Value(double x);
    void Value(std::u16string_view text);
    void Value(const std::u16string& text) { Value(std::u16string_view(text)); }
    // null for a missing text.
    void Value(std::optional<std::u16string_view> text);
    void Value(const std::optional<std::u16string>& text);

    template <typename T>
    void Field(std::string_view key, const T& value) {
        Key(key);
        Value(value);
    }

    // Ends the line of a finished record; the next value starts a new one.
    void EndRecord();

private:
    class Writer;
    Output& out_;
    std::unique_ptr<Writer> writer_;
};

}  // namespace plx::cli
