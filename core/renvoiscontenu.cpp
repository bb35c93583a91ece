#include "core/renvoiscontenu.h"

TrenvoisContenu& renvoisContenu() {
    static TrenvoisContenu renvois;
    return renvois;
}
