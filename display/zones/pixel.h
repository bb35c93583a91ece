#pragma once

// Conversion d'une coordonnée réelle en pixel : arrondi au plus proche, égalité vers le pair,
// dans une plage bornée pour qu'une valeur démesurée ou non numérique ne déborde jamais.

#include <algorithm>
#include <cmath>

inline int enPixel(double v) {
    if (!(v == v)) {
        return 0;
    }
    return static_cast<int>(std::nearbyint(std::clamp(v, -1.0e6, 1.0e6)));
}
