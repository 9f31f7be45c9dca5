#include "app/CommonPointLoading.h"

#include "app/Modulo1.h"

void LoadCommonPointTable(Modulo1& m) {
    // The table's reader is not wired in yet: the change of system stays
    // unavailable until it is.
    m.commonPointsLoaded = false;
    m.commonPointsError.clear();
}
