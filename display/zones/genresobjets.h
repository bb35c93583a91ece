#pragma once

// La table des genres d'objets de zone : pour chaque genre (1..42), sa classe de dessin et la
// fonction qui crée l'objet avec ses valeurs par défaut. Un nouveau genre (figure, division,
// tableau, diagramme) s'ajoute par une ligne de cette table, sans toucher à la zone.

#include "display/zones/objetzone.h"

#include <memory>

using TfabriqueObjet = std::unique_ptr<TobjetZone> (*)();

// Crée un objet du genre donné ; nul pour un genre inconnu ou pas encore disponible.
std::unique_ptr<TobjetZone> creerObjetDeGenre(int genre);

// Inscrit (ou remplace) la fabrique d'un genre au démarrage, pour une couche qui ne peut pas
// être nommée dans la table.
void inscrireGenre(int genre, TfabriqueObjet fabrique);
