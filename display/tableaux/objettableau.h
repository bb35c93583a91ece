#pragma once

// Objet de genre 27 : un tableau, grille de cellules de texte balisé, dessiné au besoin à la
// manière d'une feuille de calcul (colonnes repérées par des lettres, lignes numérotées).
// Il se place en unités de la police de taille 11 : une colonne vaut 8 pixels et une ligne
// 15 pixels (et non les 8 × 18 des objets texte). Les tableaux de données des exercices de
// statistique et leurs feuilles de calcul en sont faits.

#include "display/zones/objetzone.h"

#include <string_view>
#include <vector>

class Ttableau : public TobjetZone {
public:
    static constexpr int genreTableau = 27;
    static constexpr int colonnesMaximum = 16;
    static constexpr int lignesMaximum = 30;
    static constexpr std::size_t longueurCellule = 43;

    // Une cellule : coin haut-gauche, décalage du texte (en colonnes et en lignes), couleur et
    // texte balisé.
    struct Tcellule {
        double xCellule = 0;
        double yCellule = 0;
        double dxTexte = 0.5;
        double dyTexte = 0.5;
        Tcouleur couleurTexte = 0;
        std::string texteCellule;
    };

    Ttableau();
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;

    // Dimensionne le tableau (cellules vides) et calcule sa géométrie ; faux, sans rien
    // changer, hors de 1..lignesMaximum lignes ou 1..colonnesMaximum colonnes.
    bool dimensionner(int lignes, int colonnes);
    // Recalcule les coins des cellules, `xDroite` et `yBas` depuis (x, y), largeurs et hauteurs.
    void calculerGeometrie();
    // La cellule (ligne, colonne), comptées depuis 1 ; nulle hors du tableau.
    Tcellule* cellule(int ligne, int colonne);

    int nbLignes = 0;
    int nbColonnes = 0;
    bool enTete = false;
    double x = 0;
    double y = 0;
    double xDroite = 0;
    double yBas = 0;
    // hauteurs[i − 1] : hauteur de la ligne i, en lignes ; largeurs[j − 1] : largeur de la
    // colonne j, en colonnes.
    std::vector<double> hauteurs;
    std::vector<double> largeurs;
    bool cadreComplet = false;
    // cellules[i − 1][j − 1] : la cellule de la ligne i et de la colonne j.
    std::vector<std::vector<Tcellule>> cellules;
};

// Ajoute un tableau de `lignes` × `colonnes` au coin (colonne, ligne) — la marge de la zone
// s'ajoute à la colonne. Largeurs et hauteurs sont des textes de nombres séparés par « ; ».
// L'aspect tableur met toutes les hauteurs à 1,5 et décale le tableau de 3,5 colonnes vers la
// droite et de 1,5 ligne vers le bas pour les en-têtes. Rend l'indice de l'objet, 0 quand le
// tableau est refusé (dimensions hors limites, zone pleine).
int tableau(TzoneAffichage& zone, std::string_view nom, int lignes, double colonne, double ligne,
            int colonnes, std::string_view largeurs, std::string_view hauteurs, Tcouleur couleur,
            bool enTete);

// Tableau noir sans aspect tableur, toutes colonnes et toutes lignes égales.
int tableauRegulier(TzoneAffichage& zone, std::string_view nom, int lignes, double colonne,
                    double ligne, int colonnes, double largeurColonne, double hauteurLigne);

// Écrit le texte (coupé à 43 caractères) et sa couleur dans une cellule et l'y centre ;
// chaque espace de tête est ôté et décale le texte de 0,7 colonne. Sans effet quand le nom ne
// désigne pas un tableau ou que la cellule n'existe pas.
void ecrireCellule(TzoneAffichage& zone, std::string_view nomTableau, int ligne, int colonne,
                   std::string_view texte, Tcouleur couleur);

// Remplit les cellules ligne après ligne avec les morceaux du texte séparés par « \ », en
// noir. La dernière cellule prend tout ce qui reste ; quand les morceaux manquent avant elle,
// les cellules intermédiaires reçoivent un texte vide.
void remplirTableau(TzoneAffichage& zone, std::string_view nomTableau, std::string_view texte);
