#pragma once

// Un point du plan en coordonnées du monde des figures (réels, y vers le haut) : la valeur
// que calculent les règles de construction.

struct TpointMonde {
    double x = 0;
    double y = 0;
};
