#pragma once

#include "core/Records.h"

namespace kemurina {

// The local wall clock to the minute; tests and tools replace it.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual DateTimeParts now() const = 0;
};

class SystemClock final : public Clock {
  public:
    DateTimeParts now() const override;
};

// A draw from 0 to 99 for the daily message's random alternatives.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual int drawPercent() = 0;
};

class SystemRandom final : public RandomSource {
  public:
    int drawPercent() override;
};

} // namespace kemurina
