#pragma once

// Dessin des fiches de la fenêtre d'information. `dessinerInfo` peint la fiche de
// aliasInfo(identifiant) sur toute la surface cliente (largeur × hauteur) ; les fiches
// écrivent leurs textes balisés avec `ecrireInfo` et posent leurs boîtes avec les aides
// ci-dessous. Chaque famille de fiches a son fichier.

#include "display/couleur.h"

#include <span>
#include <string_view>

class Tcanevas;
struct TdonneesCommunes;

void dessinerInfo(Tcanevas& canevas, const TdonneesCommunes& d, int identifiant, int largeur,
                  int hauteur);

// Bord de la fenêtre, 2 pixels : noir en bas et à droite, argent en haut et à gauche.
void dessinerBordInfo(Tcanevas& canevas, int largeur, int hauteur);

// Texte balisé en taille 11, le bord gauche en 8 × colonne + 10, le haut en
// (ligne − 0,5) × 18 pixels.
void ecrireInfo(Tcanevas& canevas, std::string_view texte, double ligne, double colonne);

// Une ligne de fiche : texte balisé à sa ligne et sa colonne (unités d'ecrireInfo).
struct TligneInfo {
    double ligne;
    double colonne;
    const char* texte;
};

void ecrireLignes(Tcanevas& canevas, std::span<const TligneInfo> lignes);

// Boîte blanche au cadre d'un pixel de la couleur donnée, avec une ombre de 3 pixels de la
// même couleur le long des bords bas et droit ; (gauche, haut)–(droite, bas).
void boiteOmbree(Tcanevas& canevas, int gauche, int haut, int droite, int bas, Tcouleur couleur);

// Les familles de fiches.
void dessinerAide(Tcanevas& canevas);
void dessinerAPropos(Tcanevas& canevas);
void dessinerBilan(Tcanevas& canevas, const TdonneesCommunes& d);
void dessinerExplication(Tcanevas& canevas, int fiche);
void dessinerQuadrilateres(Tcanevas& canevas);
