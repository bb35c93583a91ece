#pragma once

// La liste des zones cliquables qu'un dessin de zone d'affichage a produites : au plus 20
// entrées, refaites à chaque dessin, et la couleur de surbrillance des liens balisés. Une
// seule liste est « courante » à la fois : celle de la zone en cours de dessin.

#include "display/couleur.h"
#include "display/texte/zonecliquable.h"

#include <array>

struct TzonesCliquables {
    static constexpr int capacite = 20;

    Tcouleur couleurSurbrillance = 0x00FF00;
    int nombre = 0;
    std::array<TzoneCliquable, capacite> zones{};
};

// Vide la liste ; la surbrillance devient #00FF00 sauf si la couleur donnée vaut 1.
void viderZonesCliquables(TzonesCliquables& liste, Tcouleur couleurBoite);

// Ajoute une entrée et rend son numéro (1..20), ou 0 sans rien ajouter quand la liste est
// pleine.
int ajouterZoneCliquable(TzonesCliquables& liste, int cible, int gauche, int haut, int droite,
                         int bas);

// Cible de la PREMIÈRE entrée qui contient le point (bords inclus), 0 si aucune.
int zoneSousPoint(const TzonesCliquables& liste, int x, int y);

// La liste où les liens balisés s'inscrivent pendant un dessin de zone ; nulle hors dessin.
TzonesCliquables* listeCourante();
void definirListeCourante(TzonesCliquables* liste);
