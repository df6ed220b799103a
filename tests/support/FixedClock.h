#pragma once

#include "core/Clock.h"

namespace kemurina::testing {

class FixedClock final : public Clock {
  public:
    explicit FixedClock(DateTimeParts now = {2010, 10, 1, 12, 0}) : current(now) {}
    DateTimeParts now() const override { return current; }
    DateTimeParts current;
};

class FixedRandom final : public RandomSource {
  public:
    explicit FixedRandom(int value = 50) : value(value) {}
    int drawPercent() override { return value; }
    int value;
};

} // namespace kemurina::testing
