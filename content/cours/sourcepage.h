#pragma once

// Les sources des pages de cours : un fichier texte par page (content/cours/pages/<nom>.txt),
// qu'un professeur lit et corrige. Chaque ligne est une ligne de texte balisé, ou commence par
// une directive :
//
//   # …                         commentaire
//   titre TEXTE                 titre de la page, en grand, souligné d'un filet
//   section TEXTE               intertitre
//   etape N TEXTE               étape numérotée d'une méthode (pastille N, puis le texte)
//   centre TEXTE                ligne centrée (formule mise en valeur)
//   espace N                    N pixels de blanc
//   cadre GENRE … fin           encadré autour des lignes qu'il contient : propriete
//                               (onglet « Propriété »), enonce (onglet « Énoncé »), solution
//                               (onglet « Solution »), definition, exemple, remarque
//   figure L H XMIN XMAX YMIN YMAX [droite|centre] … fin
//                               figure de L × H pixels tracée par le moteur des figures ;
//                               « droite » la cale contre le bord droit, à côté du texte qui
//                               suit ; ses lignes : point, sommet, marque, cache, texte, segment,
//                               pointille, droite, demidroite, cercle, polygone, angledroit,
//                               codage (voir docs/ARCHITECTURE.md)
//   | TEXTE                     ligne de texte qui commencerait par un mot de directive
//
// Une ligne de texte peut commencer par des « > » (retrait de 24 pixels chacun). Les mots
// entre [[ et ]] sont les mots des zones cliquables de la page, dans l'ordre de la table des
// pages : la ligne se place à la hauteur de la zone et le mot, en couleur de lien, tombe
// exactement dans son rectangle.

#include <QImage>

#include <string>
#include <string_view>
#include <vector>

struct TentreePage;

inline constexpr int largeurImagePage = 600;
inline constexpr unsigned couleurLienPage = 0x0000FF;

struct TpageDessinee {
    QImage image;                     // à la taille de la page
    QImage imageDouble;               // au double, pour les écrans de densité 2
    std::vector<std::string> erreurs; // « ligne N : message » ; vide si la page est juste
};

// Met en page la source et la dessine aux deux tailles. Les erreurs (directive inconnue,
// ligne qui déborde, lien absent ou mal placé, figure invalide) sont toutes rendues.
TpageDessinee dessinerPageSource(std::string_view source, const TentreePage& entree);
