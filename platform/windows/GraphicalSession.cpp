#include "platform/GraphicalSession.h"

namespace kemurina {

// Every Windows session that can start a program has a desktop to show its windows on.
bool graphicalSessionAvailable(const QProcessEnvironment&, const QStringList&) {
    return true;
}

} // namespace kemurina
