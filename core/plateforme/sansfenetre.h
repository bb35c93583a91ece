#pragma once

// Un enregistrement commun qui vit sans fenêtre : les contrôles de la fenêtre et leurs huit
// zones, une plateforme scriptée, l'enregistrement lié aux deux. Les tests, les mesures et
// calvane-banc y jouent un exercice ; chaque exemplaire est neuf et ne se copie pas, car
// l'enregistrement désigne ses contrôles et sa plateforme.

#include "core/controles/controlesfenetre.h"
#include "core/donneescommunes.h"
#include "core/plateforme/plateformescriptee.h"

struct TsansFenetre {
    TsansFenetre();
    ~TsansFenetre();
    TsansFenetre(const TsansFenetre&) = delete;
    TsansFenetre& operator=(const TsansFenetre&) = delete;

    // Les contrôles d'abord : l'enregistrement, détruit avant eux, lie ses zones à leurs
    // boîtes à peindre.
    TcontrolesFenetre controles;
    TplateformeScriptee plateforme;
    TdonneesCommunes d;
};
