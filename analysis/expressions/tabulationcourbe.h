#pragma once

// Les points d'une courbe de fonction (lettre « x ») calculés sur un intervalle, pour les
// objets courbes des figures : abscisses, ordonnées et points où la fonction n'est pas
// définie. Une fonction illisible ne donne aucun point défini.

#include <string_view>
#include <vector>

namespace analexpr {

struct TabulationCourbe {
    static constexpr int pointsMaximum = 100;

    std::vector<double> abscisses;
    std::vector<double> ordonnees;
    std::vector<bool> indefini;
    int nombreDefinis = 0;
};

// Tabule la fonction en nombrePoints points (ramené à 0..100) répartis de xmin à xmax.
TabulationCourbe tabulerCourbe(std::string_view fonction, int nombrePoints, double xmin,
                               double xmax);

} // namespace analexpr
