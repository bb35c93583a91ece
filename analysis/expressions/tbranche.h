#pragma once

// Un nœud de l'arbre d'une expression analysée. Outre sa structure (genre d'opérateur et
// opérandes, désignés par leur indice dans l'enregistrement de l'expression), il porte les
// attributs d'écriture que les tests de forme lisent : monôme, coefficient, signe, racine,
// degré en chaque lettre, nombre de facteurs contenant une lettre…

#include <array>
#include <cstdint>
#include <string>

namespace analexpr {

struct Tbranche {
    // Nombre de lettres qu'une expression peut employer (les lettres 1 à 6).
    static constexpr int lettresMaximum = 6;

    // Genres de nœud (champ operateur).
    enum Operateur : int {
        aucun = 0,
        somme = 1,
        difference = 2,
        oppose = 3,
        produit = 4,
        quotient = 5,
        puissance = 6,
        racine = 7,
        groupe = 8,
        plusUnaire = 9,
        nombre = 10,
        lettre = 11,
        // Réservé au mot-clé « cos », qui n'a pas de sens défini : il est refusé (erreur 2)
        // et aucun nœud de ce genre n'est créé.
        cosinus = 13
    };

    int operateur = aucun;
    // Indice de l'opérande gauche (ou de l'opérande unique), de l'opérande droit ; 0 sinon.
    int gauche = 0;
    int droite = 0;
    // Le morceau de texte préparé que le nœud représente (un nombre s'écrit avec virgule).
    std::string texte;
    double valeur = 0;
    // Après une évaluation : borne de l'erreur d'arrondi de valeur, en epsilons des doubles.
    double ampleur = 0;

    bool polynome = true;
    bool monome = true;
    bool avecCoefficient = false;
    bool negatif = false;
    bool numerique = false;
    bool sommeNumerique = false;
    bool avecRacine = false;
    bool termeRationnel = false;
    // Degré en chaque lettre, indices 1 à lettresMaximum (l'indice 0 ne sert pas).
    std::array<int, lettresMaximum + 1> degres{};
    int nombreFacteurs = 0;
    bool constante = true;
    bool entier = false;
    std::int64_t valeurEntiere = 0;
    // Pour une lettre, son rang (1 à 6) dans la liste des lettres permises ; 0 sinon.
    int variable = 0;
};

} // namespace analexpr
