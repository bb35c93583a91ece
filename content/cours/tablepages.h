#pragma once

// La table des pages de cours : une entrée par feuille de l'arbre des cours (113 pages).
// Le nom d'une page se déduit de sa place dans l'arbre (chapitre sur deux chiffres, puis « S »
// et le rang dans « Le cours » ou « SF » et le rang dans « Les savoir-faire » ; « 15S1 » à
// « 15S16 » pour le formulaire) ; l'image de la page est le fichier « Z03 » + nom + « .jpg »
// du dossier du programme. L'entrée dit aussi l'exercice que propose le bouton « S'exercer »,
// le décalage de l'image en colonnes et en lignes, les zones cliquables posées sur les mots
// de l'image et les boutons de lien vers les imagiciels.

#include <string>
#include <string_view>
#include <vector>

// Une zone cliquable de la page, en pixels de la zone du cours, 18 pixels de haut : le
// rectangle (x, y − 18)–(x + largeur, y), souligné en y.
struct TzoneChaude {
    int x;
    int y;
    int largeur;
    int cible;
};

// Un bouton encadré de 23 pixels de haut qui mène à un imagiciel.
struct TboutonPage {
    std::string_view legende;
    int x;
    int y;
    int largeur;
    int cible;
};

struct TentreePage {
    int identifiant = 0;
    std::string nom;
    std::string titre; // le libellé du nœud de l'arbre des cours
    int exercice = 0;  // indice de l'arbre des exercices, 0 sans bouton « S'exercer »
    int decalageColonne = 0;
    int decalageLigne = 0;
    std::vector<TzoneChaude> zones;
    std::vector<TboutonPage> boutons;
};

inline constexpr int hauteurZoneChaude = 18;
inline constexpr int margeCours = 11; // marge gauche de la zone du cours, en colonnes

// Toutes les pages, dans l'ordre de l'arbre.
const std::vector<TentreePage>& tablePages();

// L'entrée d'une page, nulle pour un identifiant qui n'est pas une feuille de l'arbre.
const TentreePage* entreePage(int identifiant);

// Nom du fichier de l'image d'une page : « Z03 » + nom + « .jpg ».
std::string fichierImagePage(std::string_view nom);

// Une page des savoir-faire : son nom contient « SF ».
bool estPageSavoirFaire(std::string_view nom);

// Colonne de l'image d'une page (avant le retrait de 5 colonnes de `ajouterImagePage`) : le
// décalage de l'entrée, 2 colonnes plus à gauche pour les savoir-faire, 3 plus à droite pour
// le formulaire.
double colonnePage(std::string_view nom, int decalageColonne);

// Coin haut-gauche de l'image de la page dans la zone du cours, en pixels : c'est là que le
// générateur des pages place les mots des zones cliquables.
struct TorigineImage {
    int x;
    int y;
};
TorigineImage origineImagePage(const TentreePage& entree);
