#pragma once

// Les lignes d'aide que plusieurs chapitres écrivent dans leurs énoncés, et la remarque des
// exercices accessibles depuis plusieurs chapitres.

struct TdonneesCommunes;

// « Utiliser le point-virgule pour séparer les éléments d'une liste. » à la ligne donnée de
// l'énoncé (réponses en liste).
void ajouterAideListe(TdonneesCommunes& d, double ligne);

// « Séparer les coordonnées avec un point-virgule. Exemple : -2 ; 4 » à la ligne donnée de
// l'énoncé.
void ajouterAideCoordonnees(TdonneesCommunes& d, double ligne);

// La remarque « cet exercice est accessible à partir de plusieurs chapitres » à la ligne 7
// de la zone de la solution, écrite dès l'énoncé.
void ajouterRemarqueMultiChapitre(TdonneesCommunes& d);
