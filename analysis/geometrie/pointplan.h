#pragma once

// Un point du plan en coordonnées du monde (y vers le haut), résultat des constructions
// géométriques.
namespace nombres {

struct PointPlan {
    double x = 0;
    double y = 0;
};

} // namespace nombres
