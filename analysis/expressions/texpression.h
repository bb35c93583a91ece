#pragma once

// Une expression analysée : le texte préparé, l'arbre de ses nœuds (au plus 50, le nœud 1
// est la racine et les opérandes d'un nœud ont toujours des indices plus grands), ses
// lettres et leurs valeurs, le résultat de la dernière évaluation, l'erreur d'analyse et
// les attributs d'écriture de l'expression entière. Un enregistrement sert à une analyse.

#include "analysis/expressions/codeerreur.h"
#include "analysis/expressions/tbranche.h"

#include <array>
#include <string>

namespace analexpr {

struct Texpression {
    static constexpr int branchesMaximum = 50;
    static constexpr int lettresMaximum = Tbranche::lettresMaximum;

    std::string texte;
    int nombreBranches = 0;
    int nombreFacteurs = 0;
    // Nœuds 1 à 50 (l'indice 0 ne sert pas).
    std::array<Tbranche, branchesMaximum + 1> branches{};
    // Longueur de la liste de lettres donnée (elle peut dépasser 6 ; seules les six
    // premières lettres sont gardées).
    int nombreLettres = 0;
    std::string lettres;
    // Valeurs des lettres 1 à 6 pour l'évaluation (l'indice 0 ne sert pas).
    std::array<double, lettresMaximum + 1> valeursLettres{};
    // Valeur de la racine après la dernière évaluation réussie ; NaN après un échec, pour
    // qu'aucune valeur ancienne ne reste en place.
    double resultat = 0;
    // Borne de l'erreur d'arrondi de resultat, en epsilons des doubles (NaN après un échec).
    double ampleur = 0;
    bool erreurCalcul = false;
    // Code d'erreur d'analyse (aucune : texte lu) et position (en points de code dans le
    // texte préparé) où elle a été trouvée, -1 sans erreur.
    TcodeErreur erreur = TcodeErreur::aucune;
    int positionErreur = -1;
    bool polynome = true;
    bool constante = true;
    bool developpee = true;
    bool simplifiable = false;
    int nombreTermes = 1;
    bool sommeReductible = false;
    bool decimalOuFraction = false;

    // Nombre de lettres réellement utilisables (au plus 6).
    int lettresUtiles() const {
        return nombreLettres < lettresMaximum ? nombreLettres : lettresMaximum;
    }
};

} // namespace analexpr
