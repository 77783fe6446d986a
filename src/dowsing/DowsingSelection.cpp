#include "dowsing/DowsingSelection.h"

DowsingSelection& CurrentDowsingSelection() {
    static DowsingSelection selection;
    return selection;
}
