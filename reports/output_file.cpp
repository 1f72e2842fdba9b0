#include "reports/output_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace plx {
namespace {

QString ErrnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why the device did not take what was written; none when it took it all.
std::optional<QString> DeviceFailure(const QFileDevice& device) {
    if (device.error() == QFileDevice::NoError)
        return std::nullopt;
    return device.errorString();
}

// Writes in place: there is nothing to rename over a FIFO, a device or standard output.
std::optional<QString> WriteInPlace(
    QFile& out, const std::function<std::optional<QString>(QIODevice&)>& write) {
    const std::optional<QString> failure = write(out);
    out.flush();
    if (const auto device = DeviceFailure(out))
        return device;
    return failure;
}

}  // namespace

std::optional<QString> WriteOutputFile(
    const QString& target, const std::function<std::optional<QString>(QIODevice&)>& write) {
    if (target == QLatin1String("-")) {
        QFile out;
        if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
            return out.errorString();
        return WriteInPlace(out, write);
    }
    // The checks follow a symbolic link, and so does QSaveFile.
    const QFileInfo info(target);
    if (info.isDir())
        return ErrnoText(EISDIR);
    if (info.exists() && !info.isFile()) {
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly))
            return out.errorString();
        return WriteInPlace(out, write);
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    const std::optional<QString> failure = write(out);
    if (const auto device = DeviceFailure(out)) {
        out.cancelWriting();
        return device;
    }
    if (failure) {
        out.cancelWriting();
        return failure;
    }
    if (!out.commit())
        return out.errorString();
    return std::nullopt;
}

}  // namespace plx
