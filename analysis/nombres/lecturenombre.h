#pragma once

// Lecture d'un nombre tapé par l'élève (virgule décimale, fraction, signe) et son genre :
// 1 illisible, 2 entier, 3 décimal, 4 fraction d'entiers, 5 fraction dont un terme est
// décimal, 7 fraction de dénominateur nul. Les genres 1 et 7 veulent dire illisible pour
// tous les appelants. Les lecteurs n'échouent jamais bruyamment : ils rendent le genre 1.

#include <string_view>

namespace nombres {

struct LectureNombre {
    enum Genre : int {
        illisible = 1,
        entier = 2,
        decimal = 3,
        fraction = 4,
        fractionDecimale = 5,
        denominateurNul = 7
    };

    int genre = illisible;
    double valeur = 0;
    // Numérateur et dénominateur d'une fraction (sans le signe) ; pour un nombre sans
    // barre, le numérateur est le nombre et le dénominateur vaut 1.
    double numerateur = 0;
    double denominateur = 1;

    bool estIllisible() const { return genre == illisible || genre == denominateurNul; }
};

// 1 à 15 chiffres : genre 2 et la valeur (construite chiffre après chiffre) ; sinon genre 1.
LectureNombre lireChiffres(std::string_view texte);

// Partie entière, séparateur (la première virgule, sinon le premier point), partie
// décimale ; sans séparateur, lireChiffres.
LectureNombre lireDecimal(std::string_view texte);

// Deux décimaux séparés par la première barre « / » ; sans barre, lireDecimal.
LectureNombre lireFraction(std::string_view texte);

// Un nombre tapé : blancs supprimés, un signe « + » ou « - » en tête, puis lireFraction.
LectureNombre lireNombre(std::string_view texte);

// Valeur d'un texte décimal (la première virgule lue comme un point) ; 0 s'il est illisible.
double texteVersReel(std::string_view texte);

} // namespace nombres
