#include "platform/StandardOutput.h"

#include <QString>
#include <limits>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace kemurina {

namespace {

bool writeToConsole(HANDLE console, const QByteArray& utf8) {
    const QString text = QString::fromUtf8(utf8);
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    qsizetype left = text.size();
    while (left > 0) {
        const auto chunk = static_cast<DWORD>(std::min<qsizetype>(left, 8192));
        DWORD written = 0;
        if (!WriteConsoleW(console, wide, chunk, &written, nullptr) || written == 0)
            return false;
        wide += written;
        left -= written;
    }
    return true;
}

} // namespace

bool writeStandardStream(const QByteArray& utf8, std::FILE* stream) {
    const int descriptor = _fileno(stream);
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        return writeToConsole(handle, utf8);
    }
    // A pipe or a file gets the very bytes: the C runtime's text mode would turn each LF
    // into CR LF, and --crlf's CR LF into CR CR LF.
    _setmode(descriptor, _O_BINARY);
    const auto size = static_cast<std::size_t>(utf8.size());
    return std::fwrite(utf8.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

} // namespace kemurina
