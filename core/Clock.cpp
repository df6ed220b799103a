#include "core/Clock.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace kemurina {

DateTimeParts SystemClock::now() const {
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime tm = t.time();
    return {d.year(), d.month(), d.day(), tm.hour(), tm.minute()};
}

int SystemRandom::drawPercent() {
    return static_cast<int>(QRandomGenerator::global()->bounded(100));
}

} // namespace kemurina
