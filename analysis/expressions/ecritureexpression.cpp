#include "analysis/expressions/ecritureexpression.h"

#include "analysis/expressions/marqueurs.h"

namespace analexpr {

namespace {

void ecrire(const Texpression& e, int indice, std::string& sortie) {
    const Tbranche& n = e.branches[indice];
    const auto binaire = [&](char operateur) {
        ecrire(e, n.gauche, sortie);
        sortie += operateur;
        ecrire(e, n.droite, sortie);
    };
    switch (n.operateur) {
    case Tbranche::somme:
        binaire('+');
        break;
    case Tbranche::difference:
        binaire('-');
        break;
    case Tbranche::produit:
        binaire('*');
        break;
    case Tbranche::quotient:
        binaire('/');
        break;
    case Tbranche::puissance:
        binaire('^');
        break;
    case Tbranche::oppose:
    case Tbranche::plusUnaire:
        sortie += n.operateur == Tbranche::oppose ? '-' : '+';
        ecrire(e, n.gauche, sortie);
        break;
    case Tbranche::groupe:
    case Tbranche::racine:
        sortie += n.operateur == Tbranche::racine ? "rac(" : "(";
        ecrire(e, n.gauche, sortie);
        sortie += ')';
        break;
    case Tbranche::nombre:
        sortie += n.texte == marqueurPiUtf8 ? std::string("pi") : n.texte;
        break;
    case Tbranche::lettre:
        sortie += n.texte;
        break;
    default:
        break;
    }
}

} // namespace

std::string ecrireExpression(const Texpression& expression, int indice) {
    if (expression.erreur != TcodeErreur::aucune || indice < 1 ||
        indice > expression.nombreBranches) {
        return {};
    }
    std::string sortie;
    ecrire(expression, indice, sortie);
    return sortie;
}

} // namespace analexpr
