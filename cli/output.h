// plxcal's standard output: UTF-8 gathered in a buffer of its own and written out in large blocks.
// A reader that goes away early (`plxcal range ... | head`) ends the program quietly: the write
// that finds the pipe closed throws ReaderGone, which main() takes for a normal end.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace plx::cli {

struct ReaderGone {};

class Output {
public:
    explicit Output(int fileDescriptor);
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    Output& operator<<(std::string_view bytes);
    Output& operator<<(const char* text) { return *this << std::string_view(text); }
    Output& operator<<(const QString& text);
    Output& operator<<(std::u16string_view text);
    Output& operator<<(char c);
    Output& operator<<(int n);

    // One byte, held until the block is full; the JSON writer's way in. WriteIfFull() after each
    // record.
    void Put(char c) { buffer_.push_back(c); }
    void WriteIfFull();
    // Writes everything held so far. Throws ReaderGone, or UsageError for any other failure.
    void Flush();

private:
    int fileDescriptor_;
    std::string buffer_;
};

}  // namespace plx::cli
