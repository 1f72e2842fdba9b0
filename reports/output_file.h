// Writing a report or a calendar file to the target the person named: a file, a FIFO or a device,
// or standard output.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QIODevice;

namespace plx {

// Writes the text `write` produces to `target`, and says why when it could not, as the system
// does ("No space left on device").
//
// A regular file, or one that does not exist yet, is written whole or not at all: a temporary
// beside it is renamed over it once everything is written, so a failure leaves what was there. A
// FIFO or a character device (/dev/stdout, a terminal, /dev/null) cannot be replaced and is
// written in place; "-" is standard output. A symbolic link is followed, and its target written
// the same way.
//
// `write` returns its own failure, when the text could not be made; a failure of the target to
// take the text is the target's.
std::optional<QString> WriteOutputFile(
    const QString& target, const std::function<std::optional<QString>(QIODevice&)>& write);

}  // namespace plx
