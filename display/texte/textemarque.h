#pragma once

// Le moteur du texte balisé : chaque texte qu'une zone d'affichage montre (lignes d'énoncé,
// solutions, légendes, étiquettes de points, cellules) est une ligne dans un petit langage où
// « $ » suivi d'un caractère de code change la couleur ou le style, pose une fraction, un
// exposant, une racine, un système, un lien… `dessinerTexteMarque` dessine une telle ligne
// sur un canevas et rend la position de la plume après le dernier caractère. Les textes sont
// en UTF-8 : le moteur parcourt des points de code.

#include "display/couleur.h"

#include <string>
#include <string_view>

class Tcanevas;

// Drapeaux partagés par les rendus imbriqués (le programme n'a qu'un fil) : `enFraction`
// pendant le numérateur et le dénominateur d'une fraction « $F » (la police n'est alors pas
// remise à zéro), `imbrique` pendant toute partie imbriquée (l'échange des moins est sauté).
extern bool enFraction;
extern bool imbrique;

// Dessine le texte balisé avec son coin haut-gauche en (x, y) pixels, en Times New Roman de
// la taille donnée (points), le style de base (11 normal, 12 italique, 13 gras, 14 gras
// italique) et la couleur de police ; au retour x tient la position de la plume.
void dessinerTexteMarque(Tcanevas& canevas, std::string_view texte, double& x, double y,
                         Tcouleur couleur, int styleDeBase, int taille);

// Largeur de caractère et hauteur de ligne de la table des métriques, pour la taille de la
// police courante du canevas.
int largeurCaractere(const Tcanevas& canevas);
int hauteurLigne(const Tcanevas& canevas);

// Largeur d'un morceau de texte simple dans la police courante, chaque « * » comptant pour
// trois espaces (l'avance de la croix dessinée).
int largeurTexteSimple(Tcanevas& canevas, std::string_view texte);

// Texte balisé en taille 11, normal, noir, au pixel (x, y) (légendes des diagrammes).
void dessinerTextePixel(Tcanevas& canevas, std::string_view texte, int x, int y);

// Traduction d'une clé de lien en identifiant de contenu, fournie au démarrage par la couche
// qui la connaît. Sans traducteur, les liens se dessinent comme du texte simple.
using TresolveurCle = int (*)(std::string_view cle);
void installerResolveurCles(TresolveurCle resolveur);
