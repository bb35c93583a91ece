#pragma once

// La courbe d'une fonction (41) : y = f(x) échantillonnée en n points (2 à 100) également
// répartis de `xDebut` à `xFin`, peinte comme une ligne brisée dont les morceaux touchant un
// point non calculable sont sautés. La fonction vient soit d'une expression en « x » (texte
// gardé), lue par l'analyseur d'expressions de la couche d'analyse, soit directement d'une
// fonction C++.

#include "display/figures/objetfigure.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Une fonction d'une variable réelle ; rien où elle n'est pas calculable.
using TfonctionCourbe = std::function<std::optional<double>(double)>;

// Traduit une expression en « x » en fonction ; une fonction vide quand l'expression ne se
// lit pas. Par défaut, l'analyseur d'expressions (`analexpr`) ; un autre traducteur peut
// être inscrit, et nullptr remet celui par défaut.
using TtraducteurCourbe = TfonctionCourbe (*)(std::string_view expression);
void installerTraducteurCourbe(TtraducteurCourbe traducteur);
TtraducteurCourbe traducteurCourbe();

class TcourbeFigure : public TobjetFigure {
public:
    static constexpr int genreCourbe = 41;
    static constexpr int pointsMaximum = 100;

    TcourbeFigure();

    void recalculer(const TzoneAffichage& zone) override;
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;

    std::string expression;
    TfonctionCourbe fonction;
    double xDebut = 0;
    double xFin = 0;
    int nombre = 2;
    std::vector<TpointMonde> echantillons;
    std::vector<bool> erreurs;
};
