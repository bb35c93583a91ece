#include "analysis/expressions/analexpr.h"

#include "analysis/expressions/evaluation.h"
#include "analysis/expressions/formes.h"
#include "analysis/expressions/marqueurs.h"
#include "analysis/expressions/preparation.h"
#include "analysis/texte/texteutf8.h"

#include <cmath>
#include <numbers>

namespace analexpr {

namespace {

constexpr std::size_t chiffresMaximum = 15;

bool estChiffre(char32_t c) {
    return c >= U'0' && c <= U'9';
}

bool estLettre(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

// Position du premier caractère égal à a ou b, cherché depuis la droite hors parenthèses,
// jamais en dernière position ; -1 s'il n'y en a pas.
int chercherOperateur(std::u32string_view morceau, char32_t a, char32_t b) {
    int profondeur = 0;
    for (std::size_t i = morceau.size(); i-- > 0;) {
        const char32_t c = morceau[i];
        if (c == U')') {
            ++profondeur;
        } else if (c == U'(') {
            --profondeur;
        } else if ((c == a || c == b) && profondeur == 0 && i + 1 != morceau.size()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Lecture d'une suite de 1 à 15 chiffres ; faux sinon.
bool lireChiffres(std::u32string_view t, double& valeur) {
    if (t.empty() || t.size() > chiffresMaximum) {
        return false;
    }
    valeur = 0;
    for (char32_t c : t) {
        if (!estChiffre(c)) {
            return false;
        }
        valeur = valeur * 10 + static_cast<double>(c - U'0');
    }
    return true;
}

// Analyse en cours : l'expression remplie et son texte préparé.
class Analyse {
public:
    Analyse(Texpression& expression, std::u32string_view texte)
        : e_(expression), t_(texte), lettres_(texteutf8::versPointsDeCode(expression.lettres)) {}

    // Construit le nœud du morceau [debut, fin) et ses opérandes ; rend son indice, ou 0
    // après une erreur.
    int analyserBranche(std::size_t debut, std::size_t fin);

private:
    void erreur(TcodeErreur code, std::size_t position) {
        if (e_.erreur == TcodeErreur::aucune) {
            e_.erreur = code;
            e_.positionErreur = static_cast<int>(position);
        }
    }

    bool lireNombreDecimal(Tbranche& b, std::u32string_view morceau, std::size_t debut);
    bool lireLettre(Tbranche& b, std::u32string_view morceau, std::size_t debut);

    Texpression& e_;
    std::u32string_view t_;
    std::u32string lettres_;
};

bool Analyse::lireNombreDecimal(Tbranche& b, std::u32string_view morceau, std::size_t debut) {
    if (morceau.front() == marqueurPi) {
        if (morceau.size() != 1) {
            erreur(TcodeErreur::malEcrite, debut + 1);
            return false;
        }
        b.valeur = std::numbers::pi;
        return true;
    }
    const std::size_t point = morceau.find(U'.');
    double entiere = 0;
    double decimale = 0;
    std::size_t chiffresDecimaux = 0;
    bool lu = lireChiffres(morceau.substr(0, point), entiere);
    if (lu && point != std::u32string_view::npos) {
        const std::u32string_view partie = morceau.substr(point + 1);
        chiffresDecimaux = partie.size();
        lu = lireChiffres(partie, decimale);
    }
    if (!lu) {
        erreur(TcodeErreur::malEcrite, debut);
        return false;
    }
    b.valeur = entiere + decimale / std::pow(10.0, static_cast<double>(chiffresDecimaux));
    for (char& c : b.texte) {
        if (c == '.') {
            c = ',';
        }
    }
    b.entier = point == std::u32string_view::npos || decimale == 0;
    if (b.entier) {
        b.valeurEntiere = std::llround(b.valeur);
    }
    return true;
}

bool Analyse::lireLettre(Tbranche& b, std::u32string_view morceau, std::size_t debut) {
    if (morceau.size() != 1) {
        erreur(TcodeErreur::malEcrite, debut + 1);
        return false;
    }
    for (std::size_t k = 0; k < lettres_.size(); ++k) {
        if (lettres_[k] == morceau.front()) {
            b.variable = static_cast<int>(k) + 1;
        }
    }
    if (b.variable == 0) {
        erreur(TcodeErreur::lettreInconnue, debut);
        return false;
    }
    b.constante = false;
    return true;
}

int Analyse::analyserBranche(std::size_t debut, std::size_t fin) {
    if (e_.erreur != TcodeErreur::aucune) {
        return 0;
    }
    if (debut >= fin) {
        erreur(TcodeErreur::malEcrite, debut);
        return 0;
    }
    // L'enregistrement tient 50 nœuds : un texte qui en demande plus est refusé comme mal
    // écrit, sans jamais écrire au-delà.
    if (e_.nombreBranches >= Texpression::branchesMaximum) {
        erreur(TcodeErreur::malEcrite, debut);
        return 0;
    }
    const int indice = ++e_.nombreBranches;
    const std::u32string_view morceau = t_.substr(debut, fin - debut);
    {
        Tbranche& b = e_.branches[indice];
        b = Tbranche{};
        b.texte = texteutf8::versUtf8(morceau);
    }
    const OperateurPrincipal op = operateurPrincipal(morceau);
    e_.branches[indice].operateur = op.operateur;
    const std::size_t p = static_cast<std::size_t>(op.position < 0 ? 0 : op.position);

    switch (op.operateur) {
    case Tbranche::somme:
    case Tbranche::difference:
    case Tbranche::produit:
    case Tbranche::quotient:
    case Tbranche::puissance: {
        const int gauche = analyserBranche(debut, debut + p);
        const int droite = analyserBranche(debut + p + 1, fin);
        if (e_.erreur != TcodeErreur::aucune) {
            return 0;
        }
        Tbranche& b = e_.branches[indice];
        b.gauche = gauche;
        b.droite = droite;
        const Tbranche& g = e_.branches[gauche];
        const Tbranche& d = e_.branches[droite];
        if (op.operateur == Tbranche::produit && g.operateur == Tbranche::quotient) {
            erreur(TcodeErreur::quotientProduit, debut + p);
        } else if (op.operateur == Tbranche::quotient && g.operateur == Tbranche::quotient) {
            erreur(TcodeErreur::quotientQuotient, debut + p);
        } else if (op.operateur == Tbranche::puissance && g.operateur == Tbranche::puissance) {
            // « a^b^c » : aucune lecture n'est évidente pour qui lit des mathématiques, l'élève
            // doit écrire « (a^b)^c » ou « a^(b^c) ».
            erreur(TcodeErreur::puissancesEnChaine, debut + p);
        } else if (op.operateur == Tbranche::puissance &&
                   !(d.entier && d.valeurEntiere >= 2 && d.valeurEntiere <= 9)) {
            erreur(TcodeErreur::exposant, debut + p + 1);
        }
        b.constante = g.constante && d.constante;
        break;
    }
    case Tbranche::oppose:
    case Tbranche::plusUnaire: {
        if (morceau.size() == 1) {
            erreur(TcodeErreur::malEcrite, debut);
            return 0;
        }
        const int operande = analyserBranche(debut + 1, fin);
        if (e_.erreur != TcodeErreur::aucune) {
            return 0;
        }
        e_.branches[indice].gauche = operande;
        e_.branches[indice].constante = e_.branches[operande].constante;
        break;
    }
    case Tbranche::groupe: {
        if (morceau.back() != U')') {
            erreur(TcodeErreur::malEcrite, fin - 1);
            return 0;
        }
        const int operande = analyserBranche(debut + 1, fin - 1);
        if (e_.erreur != TcodeErreur::aucune) {
            return 0;
        }
        Tbranche& b = e_.branches[indice];
        const Tbranche& c = e_.branches[operande];
        b.gauche = operande;
        b.constante = c.constante;
        b.entier = c.entier;
        b.valeurEntiere = c.valeurEntiere;
        break;
    }
    case Tbranche::racine: {
        if (morceau.size() < 2 || morceau[1] != U'(' || morceau.back() != U')') {
            erreur(TcodeErreur::malEcrite, debut + 1);
            return 0;
        }
        const int operande = analyserBranche(debut + 2, fin - 1);
        if (e_.erreur != TcodeErreur::aucune) {
            return 0;
        }
        e_.branches[indice].gauche = operande;
        if (!e_.branches[operande].constante) {
            erreur(TcodeErreur::racineVariable, debut);
            return 0;
        }
        break;
    }
    case Tbranche::nombre:
        if (!lireNombreDecimal(e_.branches[indice], morceau, debut)) {
            return 0;
        }
        break;
    case Tbranche::lettre:
        if (!lireLettre(e_.branches[indice], morceau, debut)) {
            return 0;
        }
        break;
    default:
        // Un caractère qui ne commence aucune feuille, ou le mot-clé réservé « cos ».
        erreur(TcodeErreur::malEcrite, debut);
        return 0;
    }
    return e_.erreur == TcodeErreur::aucune ? indice : 0;
}

} // namespace

OperateurPrincipal operateurPrincipal(std::u32string_view morceau) {
    if (morceau.empty()) {
        return {};
    }
    int p = chercherOperateur(morceau, U'+', U'-');
    if (p == 0) {
        return {0, morceau[0] == U'+' ? Tbranche::plusUnaire : Tbranche::oppose};
    }
    if (p > 0) {
        return {p, morceau[p] == U'+' ? Tbranche::somme : Tbranche::difference};
    }
    p = chercherOperateur(morceau, U'*', U'/');
    if (p >= 0) {
        return {p, morceau[p] == U'*' ? Tbranche::produit : Tbranche::quotient};
    }
    if (morceau[0] != U'+' && morceau[0] != U'-') {
        p = chercherOperateur(morceau, U'^', U'^');
        if (p >= 0) {
            return {p, Tbranche::puissance};
        }
    }
    const char32_t c = morceau[0];
    if (c == U'(') {
        return {-1, Tbranche::groupe};
    }
    if (c == U'+') {
        return {-1, Tbranche::plusUnaire};
    }
    if (c == U'-') {
        return {-1, Tbranche::oppose};
    }
    if (estChiffre(c) || c == marqueurPi) {
        return {-1, Tbranche::nombre};
    }
    if (estLettre(c)) {
        return {-1, Tbranche::lettre};
    }
    if (c == marqueurRacine) {
        return {-1, Tbranche::racine};
    }
    if (c == marqueurCosinus) {
        return {-1, Tbranche::cosinus};
    }
    return {};
}

void analyserExpression(Texpression& expression, std::string_view texte, std::string_view lettres) {
    expression.nombreBranches = 0;
    expression.nombreFacteurs = 0;
    expression.developpee = true;
    expression.nombreTermes = 1;
    expression.simplifiable = false;
    expression.erreur = TcodeErreur::aucune;
    expression.positionErreur = -1;
    expression.sommeReductible = false;
    expression.polynome = true;
    expression.constante = true;
    expression.decimalOuFraction = false;
    expression.erreurCalcul = false;
    expression.nombreLettres = static_cast<int>(texteutf8::longueur(lettres));
    expression.lettres = texteutf8::couper(lettres, Texpression::lettresMaximum);
    construireArbre(expression, preparerTexte(texte));
}

void construireArbre(Texpression& expression, std::u32string texte) {
    const auto finir = [&](TcodeErreur code, int position) {
        expression.texte = texteutf8::versUtf8(texte);
        expression.erreur = code;
        expression.positionErreur = position;
    };
    if (texte.empty()) {
        finir(TcodeErreur::vide, 0);
        return;
    }
    if (const int p = parenthesesDesequilibrees(texte); p >= 0) {
        finir(TcodeErreur::parentheses, p);
        return;
    }
    if (const int p = positionMarqueur(texte); p >= 0) {
        finir(TcodeErreur::malEcrite, p);
        return;
    }
    remplacerMotsCles(texte);
    insererProduitsImplicites(texte);
    expression.texte = texteutf8::versUtf8(texte);
    expression.decimalOuFraction = texte.find_first_of(U".,/") != std::u32string::npos;

    Analyse analyse(expression, texte);
    analyse.analyserBranche(0, texte.size());
    if (expression.erreur != TcodeErreur::aucune) {
        return;
    }
    calculerFormes(expression);
    const Tbranche& racine = expression.branches[1];
    expression.polynome = racine.polynome;
    expression.constante = racine.constante;
    expression.nombreFacteurs = racine.nombreFacteurs;
    if (expression.constante) {
        evaluerExpression(expression);
    }
}

} // namespace analexpr
