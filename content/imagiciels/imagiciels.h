#pragma once

// L'onglet des imagiciels : ouvrir une des 21 figures animables (numeroImagiciel), la
// construire, montrer l'étape courante d'une construction pas à pas et passer d'une étape à
// l'autre. Les figures vivent dans deux zones de l'enregistrement commun : la zone de texte
// (consignes, cadres, notes) et la zone de figure, que chaque constructeur place à son
// rectangle.

class QPainter;
struct TdonneesCommunes;

// Ouvre l'imagiciel dont l'identifiant est dans numeroImagiciel : vide les deux zones,
// construit la figure, règle titres, boutons d'étape, onglet et nœud de l'arbre.
void ouvrirImagiciel(TdonneesCommunes& d);

// Appelle le constructeur de numeroImagiciel ; rien pour un identifiant sans constructeur
// (nœuds de groupe).
void construireImagiciel(TdonneesCommunes& d);

// Applique l'étape etapeImagiciel de la figure courante, puis active BoutonAvancer avant la
// dernière étape et BoutonReculer après la première.
void montrerEtape(TdonneesCommunes& d);

// Étape suivante ou précédente (BoutonAvancer, BoutonReculer), dans les bornes 1 …
// nombreEtapes ; les deux zones sont repeintes.
void etapeSuivante(TdonneesCommunes& d);
void etapePrecedente(TdonneesCommunes& d);

// Peint la zone de texte de l'imagiciel, puis, quand un imagiciel est ouvert, la ligne azur
// (#00B2F6) de 3 pixels de (25, 2) à (750, 2) ; la fenêtre et calvane-banc s'en servent.
void peindreTexteImagiciel(const TdonneesCommunes& d, QPainter& peintre);

// Inscrit ouvrirImagiciel dans les renvois du noyau (suivreLien, arbre, index).
void inscrireImagiciels();
