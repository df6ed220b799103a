#include "platform/GraphicalSession.h"

namespace kemurina {

// Every Windows session that can start a program has a desktop to show its windows on, and Qt
// needs no platform named.
GraphicalSession findGraphicalSession(const QProcessEnvironment&, const QStringList&,
                                      const DisplayProbe&) {
    return {true, {}};
}

bool displayServerAnswers(const DisplayAddress&) {
    return true;
}

} // namespace kemurina
