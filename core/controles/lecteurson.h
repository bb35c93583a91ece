#pragma once

// État du lecteur de son de la fenêtre : le fichier ouvert, vide quand l'ouverture a échoué
// (un son absent se tait, il n'est jamais une erreur).

#include <string>

struct TlecteurSon {
    std::string fichier;
};
