#pragma once

// État d'une minuterie de la fenêtre : active ou non, et son intervalle en millisecondes.
// Le démarrage et l'arrêt passent par la couche plateforme, qui tient cet état à jour.

struct Tminuterie {
    bool actif = false;
    int intervalle = 1000;
};
