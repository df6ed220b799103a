#pragma once

#include "core/DataFiles.h"
#include "core/Records.h"

#include <QDir>
#include <QTemporaryDir>

#include <QByteArrayView>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace kemurina::fuzzing {

// Reads fixed-size values from the front of a fuzzer input; past its end every value is 0,
// so that short inputs still reach every part of a target.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    template <typename T> T take() {
        T value{};
        const std::size_t n = m_pos < m_size ? std::min(sizeof(T), m_size - m_pos) : 0;
        if (n > 0)
            std::memcpy(&value, m_data + m_pos, n);
        m_pos += sizeof(T);
        return value;
    }

    // Any 32-bit parts, but the month in 1..12 as a real clock gives it.
    DateTimeParts takeClock() {
        DateTimeParts now;
        now.year = take<std::int32_t>();
        now.month = static_cast<std::int32_t>(take<std::uint32_t>() % 12 + 1);
        now.day = take<std::int32_t>();
        now.hour = take<std::int32_t>();
        now.minute = take<std::int32_t>();
        return now;
    }

    QByteArrayView rest() const {
        return m_pos < m_size
                   ? QByteArrayView(m_data + m_pos, static_cast<qsizetype>(m_size - m_pos))
                   : QByteArrayView();
    }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A data folder for the whole run, memory-backed when the system offers it: every run
// writes files.
inline const DataStore& scratchStore() {
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/kemurina-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/kemurina-fuzz-XXXXXX"));
    static const DataStore s(dir.path());
    return s;
}

} // namespace kemurina::fuzzing

// A broken invariant is a crash for libFuzzer, with the condition named first.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__,           \
                         __LINE__);                                                                \
            __builtin_trap();                                                                      \
        }                                                                                          \
    } while (false)
