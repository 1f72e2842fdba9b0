#include "cli/output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/arguments.h"

namespace plx::cli {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

Output::Output(int fileDescriptor) : fileDescriptor_(fileDescriptor) {
    buffer_.reserve(2 * kBlockSize);
}

Output& Output::operator<<(std::string_view bytes) {
    buffer_.append(bytes);
    WriteIfFull();
    return *this;
}

Output& Output::operator<<(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return *this << std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Output& Output::operator<<(std::u16string_view text) {
    const QByteArray bytes = QStringView(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
    return *this << std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Output& Output::operator<<(char c) {
    return *this << std::string_view(&c, 1);
}

Output& Output::operator<<(int n) {
    return *this << std::to_string(n);
}

void Output::WriteIfFull() {
    if (buffer_.size() >= kBlockSize)
        Flush();
}

void Output::Flush() {
    const char* data = buffer_.data();
    std::size_t left = buffer_.size();
    while (left > 0) {
        const ssize_t written = ::write(fileDescriptor_, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EPIPE)
                throw ReaderGone{};
            throw UsageError{QStringLiteral("cannot write the output: %1")
                                 .arg(QString::fromLocal8Bit(std::strerror(errno)))};
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    buffer_.clear();
}

}  // namespace plx::cli
