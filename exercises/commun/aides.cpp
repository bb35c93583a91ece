#include "exercises/commun/aides.h"

#include "core/exercice/enonce.h"

void ajouterAideListe(TdonneesCommunes& d, double ligne) {
    ajouterLigneEnonce(d, "Utiliser le point$-virgule pour séparer les éléments d'une liste.",
                       ligne);
}

void ajouterAideCoordonnees(TdonneesCommunes& d, double ligne) {
    ajouterLigneEnonce(d, "Séparer les coordonnées avec un point$-virgule. Exemple : -2 ; 4",
                       ligne);
}

void ajouterRemarqueMultiChapitre(TdonneesCommunes& d) {
    ajouterLigneSolution(
        d, "Remarque : cet exercice est accessible à partir de plusieurs chapitres.", 7);
}
