#include "platform/StandardOutput.h"

namespace kemurina {

bool writeStandardStream(const QByteArray& utf8, std::FILE* stream) {
    const auto size = static_cast<std::size_t>(utf8.size());
    return std::fwrite(utf8.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

} // namespace kemurina
