#pragma once

// Une droite du plan par son équation A x + B y + C = 0.
namespace nombres {

struct DroitePlan {
    double a = 0;
    double b = 0;
    double c = 0;
};

} // namespace nombres
