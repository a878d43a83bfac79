// What the command line prints: results on standard output, the program's messages on
// standard error after its name; both in UTF-8.
#pragma once

#include <QString>
#include <cstdio>

namespace tintor {

inline void WriteUtf8(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

// One line of result.
inline void Out(const QString& line) {
    WriteUtf8(stdout, line + "\n");
}

// Prints the message and gives the exit status back.
inline int Fail(int status, const QString& message) {
    WriteUtf8(stderr, "tintor: " + message + "\n");
    return status;
}

} // namespace tintor
