#pragma once

// Objet de genre 8 : une division posée, gardée sous la forme de ses deux nombres écrits
// (dividende avec virgule éventuelle, diviseur en chiffres), du nombre de décimales voulues
// au quotient et de la position en pixels de son coin haut-gauche. Sa mise en page est
// refaite à chaque dessin ; une division que l'on ne peut pas poser (diviseur nul, vide ou
// qui n'est pas un nombre) n'est pas peinte.

#include "display/zones/objetzone.h"

#include <string>
#include <string_view>

class Tdivision : public TobjetZone {
public:
    static constexpr int genreDivision = 8;

    Tdivision();
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;

    std::string dividende;
    std::string diviseur;
    int decimales = 0;
    double x = 0;
    double y = 0;
};

// Ajoute la division nommée « division » suivi de son indice, posée à la colonne et à la
// ligne données (unités de texte de la zone) ; rend son indice, 0 si la zone est pleine.
int ajouterDivision(TzoneAffichage& zone, std::string_view dividende, std::string_view diviseur,
                    int decimales, double colonne, double ligne);
