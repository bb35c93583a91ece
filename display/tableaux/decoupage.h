#pragma once

// Lecture des petits textes de données que le contenu passe aux tableaux et aux diagrammes :
// des morceaux séparés par un caractère (« ; » entre nombres, « \ » entre cellules ou
// libellés), et des listes de nombres décimaux écrits avec une virgule ou un point. Un nombre
// absent ou illisible vaut 0, comme à la lecture d'un texte décimal ; une valeur non finie aussi.

#include <string_view>
#include <vector>

// Les morceaux du texte entre les séparateurs (un texte vide donne un morceau vide).
std::vector<std::string_view> decouper(std::string_view texte, char separateur);

// Les `nombre` premiers nombres d'un texte séparé par « ; », lus par `nombres::texteVersReel`
// (blancs des bords ôtés, la première virgule lue comme un point) ; les absents valent 0.
std::vector<double> lireReels(std::string_view texte, int nombre);
