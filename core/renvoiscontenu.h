#pragma once

// Renvois vers les couches du dessus : le noyau montre une page de cours, ouvre un imagiciel
// ou une entrée d'information sans inclure leur code. La couche content/ remplit ces renvois
// au démarrage ; un renvoi vide ne fait rien.

#include <functional>

struct TdonneesCommunes;

struct TrenvoisContenu {
    // Construit et montre la page de cours d'identifiant donné.
    std::function<void(TdonneesCommunes&, int)> afficherPageCours;
    // Ouvre l'imagiciel dont l'identifiant est dans numeroImagiciel.
    std::function<void(TdonneesCommunes&)> ouvrirImagiciel;
    // Ouvre la fenêtre d'information pour un identifiant ≥ 1990.
    std::function<void(TdonneesCommunes&, int)> ouvrirInfo;
};

// Les renvois du programme, un seul exemplaire.
TrenvoisContenu& renvoisContenu();
