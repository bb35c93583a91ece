#include "analysis/expressions/formes.h"

#include "analysis/expressions/marqueurs.h"
#include "analysis/nombres/arithmetique.h"
#include "analysis/nombres/lecturenombre.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace analexpr {

namespace {

bool contient(std::string_view texte, std::string_view motif) {
    return texte.find(motif) != std::string_view::npos;
}

// Radicandes (valeurs) des racines d'un texte : le marqueur, « ( », puis tout jusqu'à la
// « ) » suivante ; un radicande illisible est omis.
std::vector<double> radicandes(std::string_view texte) {
    std::vector<double> valeurs;
    std::size_t position = 0;
    while ((position = texte.find(marqueurRacineUtf8, position)) != std::string_view::npos) {
        position += marqueurRacineUtf8.size();
        if (position >= texte.size() || texte[position] != '(') {
            continue;
        }
        const std::size_t fin = texte.find(')', position + 1);
        if (fin == std::string_view::npos) {
            break;
        }
        const nombres::LectureNombre lecture =
            nombres::lireNombre(texte.substr(position + 1, fin - position - 1));
        if (!lecture.estIllisible()) {
            valeurs.push_back(lecture.valeur);
        }
    }
    return valeurs;
}

// Degrés et nombres de facteurs sont bornés : une tour de puissances (« (x^9)^9^9… »)
// les ferait déborder, alors qu'ils ne servent qu'à des comparaisons.
constexpr std::int64_t compteMaximum = 100'000'000;

int borne(std::int64_t n) {
    return static_cast<int>(std::min(n, compteMaximum));
}

std::int64_t entierDe(double x) {
    return std::abs(x) < 9e15 ? std::llround(x) : 0;
}

class Regles {
public:
    explicit Regles(Texpression& e) : e_(e), lettres_(e.lettresUtiles()) {}

    void appliquer(int indice);

private:
    void marquer() { e_.simplifiable = true; }

    void nombre(Tbranche& n);
    void somme(Tbranche& n, const Tbranche& l, const Tbranche& r);
    void produit(Tbranche& n, const Tbranche& l, const Tbranche& r);
    void quotient(Tbranche& n, const Tbranche& l, const Tbranche& r);
    void puissance(Tbranche& n, const Tbranche& l, const Tbranche& r);
    void signe(Tbranche& n, const Tbranche& c);
    void groupe(Tbranche& n, const Tbranche& c);
    void racine(Tbranche& n);

    Texpression& e_;
    int lettres_;
};

void Regles::appliquer(int indice) {
    Tbranche& n = e_.branches[indice];
    const Tbranche& l = e_.branches[n.gauche];
    const Tbranche& r = e_.branches[n.droite];
    switch (n.operateur) {
    case Tbranche::nombre:
        nombre(n);
        break;
    case Tbranche::lettre:
        n.constante = false;
        n.nombreFacteurs = 1;
        n.degres[n.variable] = 1;
        break;
    case Tbranche::somme:
    case Tbranche::difference:
        somme(n, l, r);
        break;
    case Tbranche::produit:
        produit(n, l, r);
        break;
    case Tbranche::quotient:
        quotient(n, l, r);
        break;
    case Tbranche::puissance:
        puissance(n, l, r);
        break;
    case Tbranche::oppose:
    case Tbranche::plusUnaire:
        signe(n, l);
        break;
    case Tbranche::groupe:
        groupe(n, l);
        break;
    case Tbranche::racine:
        racine(n);
        break;
    default:
        break;
    }
}

void Regles::nombre(Tbranche& n) {
    if (!contient(n.texte, marqueurPiUtf8)) {
        n.avecCoefficient = true;
        n.numerique = true;
        n.sommeNumerique = true;
    }
    // Un terme ou un facteur nul ne reste jamais dans une réponse.
    if (n.valeur == 0 && e_.texte != "0") {
        marquer();
    }
}

void Regles::somme(Tbranche& n, const Tbranche& l, const Tbranche& r) {
    n.constante = l.constante && r.constante;
    if (n.operateur == Tbranche::difference && r.negatif) {
        marquer();
    }
    n.polynome = l.polynome && r.polynome;
    if (!n.constante) {
        ++e_.nombreTermes;
        if (n.polynome && (!l.monome || !r.monome || l.degres[1] == r.degres[1]) &&
            !contient(n.texte, marqueurRacineUtf8)) {
            e_.sommeReductible = true;
        }
        n.monome = false;
        n.avecCoefficient = false;
        n.negatif = false;
        n.nombreFacteurs = 1;
        for (int k = 1; k <= lettres_; ++k) {
            n.degres[k] = std::max(l.degres[k], r.degres[k]);
        }
    }
    n.avecCoefficient = n.constante;
    if (n.avecCoefficient) {
        n.negatif = l.negatif || r.negatif;
        if (l.negatif && r.negatif) {
            marquer();
        }
        n.numerique = l.numerique || r.numerique;
        n.avecRacine = l.avecRacine || r.avecRacine;
    }
    if (n.constante) {
        if (!l.avecRacine && r.termeRationnel) {
            marquer();
        }
        if (!r.avecRacine && l.termeRationnel) {
            marquer();
        }
        if (l.termeRationnel && r.termeRationnel) {
            marquer();
        }
        n.termeRationnel = l.termeRationnel || r.termeRationnel || !l.avecRacine || !r.avecRacine;
        n.sommeNumerique = l.sommeNumerique || r.sommeNumerique;
        if (l.sommeNumerique && r.sommeNumerique) {
            marquer();
        }
        if (l.avecRacine && r.avecRacine && racinesCombinables(l.texte, r.texte)) {
            marquer();
        }
    }
}

void Regles::produit(Tbranche& n, const Tbranche& l, const Tbranche& r) {
    n.constante = l.constante && r.constante;
    n.polynome = l.polynome && r.polynome;
    n.avecCoefficient = n.constante || l.avecCoefficient || r.avecCoefficient;
    if (n.avecCoefficient) {
        n.negatif = l.negatif || r.negatif;
        if (l.negatif && r.negatif) {
            marquer();
        }
        n.numerique = l.numerique || r.numerique;
        n.avecRacine = l.avecRacine || r.avecRacine;
    }
    if (!n.constante) {
        n.monome = n.polynome && l.monome && r.monome;
        if (n.monome && l.avecCoefficient && r.avecCoefficient) {
            n.numerique = l.numerique || r.numerique;
            if (l.numerique && r.numerique) {
                marquer();
            }
            if (l.avecRacine && r.avecRacine && racinesCombinables(l.texte, r.texte)) {
                marquer();
            }
        }
        n.avecCoefficient = n.monome && (l.avecCoefficient || r.avecCoefficient);
        if (!n.monome) {
            e_.developpee = false;
        }
        n.nombreFacteurs = borne(std::int64_t{l.nombreFacteurs} + r.nombreFacteurs);
        for (int k = 1; k <= lettres_; ++k) {
            n.degres[k] = borne(std::int64_t{l.degres[k]} + r.degres[k]);
        }
    }
    if ((l.entier && std::abs(l.valeurEntiere) == 1) ||
        (r.entier && std::abs(r.valeurEntiere) == 1)) {
        marquer();
    }
    if (n.constante) {
        n.sommeNumerique = false;
        if (l.numerique && r.numerique) {
            marquer();
        }
        if (l.avecRacine && r.avecRacine) {
            marquer();
        }
    }
}

void Regles::quotient(Tbranche& n, const Tbranche& l, const Tbranche& r) {
    n.constante = l.constante && r.constante;
    if (n.constante && l.entier && r.entier) {
        if (r.valeurEntiere == 1) {
            marquer();
        } else if (l.valeurEntiere != 0 && r.valeurEntiere != 0 &&
                   nombres::reductible(l.valeurEntiere, r.valeurEntiere)) {
            marquer();
        }
    }
    n.polynome = l.polynome && r.polynome && r.constante;
    n.monome = n.polynome && l.monome;
    if (n.monome) {
        n.avecCoefficient = true;
        if (r.negatif) {
            marquer();
        }
        n.negatif = l.negatif || r.negatif;
    } else {
        e_.developpee = false;
    }
    if (n.polynome) {
        n.degres = l.degres;
        n.nombreFacteurs = l.nombreFacteurs;
    }
}

void Regles::puissance(Tbranche& n, const Tbranche& l, const Tbranche& r) {
    const int exposant = static_cast<int>(r.valeurEntiere);
    n.constante = l.constante && r.constante;
    n.polynome = l.polynome && r.polynome && r.constante;
    n.monome = n.polynome && l.monome;
    if (!n.monome) {
        e_.developpee = false;
    }
    if (n.monome && l.avecCoefficient) {
        marquer();
    }
    if (n.polynome) {
        for (int k = 1; k <= lettres_; ++k) {
            n.degres[k] = borne(std::int64_t{l.degres[k]} * exposant);
        }
        n.nombreFacteurs = borne(std::int64_t{l.nombreFacteurs} * exposant);
    }
    if (l.avecRacine) {
        marquer();
    }
}

void Regles::signe(Tbranche& n, const Tbranche& c) {
    const bool oppose = n.operateur == Tbranche::oppose;
    n.constante = c.constante;
    if (oppose && c.negatif) {
        marquer();
    }
    n.polynome = c.polynome;
    n.monome = c.monome;
    if (oppose && n.monome) {
        n.avecCoefficient = true;
        n.negatif = true;
    }
    if (n.avecCoefficient) {
        n.avecRacine = c.avecRacine;
        n.numerique = c.numerique;
    }
    if (!n.monome) {
        e_.developpee = false;
    }
    n.nombreFacteurs = c.nombreFacteurs;
    n.degres = c.degres;
}

void Regles::groupe(Tbranche& n, const Tbranche& c) {
    n.constante = c.constante;
    n.entier = c.entier;
    n.valeur = c.valeur;
    n.valeurEntiere = c.valeurEntiere;
    n.polynome = c.polynome;
    n.monome = c.monome;
    n.avecCoefficient = c.avecCoefficient;
    n.negatif = c.negatif;
    n.termeRationnel = c.termeRationnel;
    n.sommeNumerique = c.sommeNumerique;
    n.nombreFacteurs = c.nombreFacteurs;
    n.degres = c.degres;
    if (n.avecCoefficient) {
        n.avecRacine = c.avecRacine;
        n.numerique = c.numerique;
    }
}

void Regles::racine(Tbranche& n) {
    n.constante = true;
    n.polynome = true;
    n.monome = true;
    n.degres = {};
    n.avecCoefficient = true;
    n.avecRacine = true;
    n.numerique = false;
    n.sommeNumerique = false;
    if (contient(n.texte, marqueurPiUtf8)) {
        return;
    }
    // Le radicande : entre le marqueur suivi de « ( » et la dernière « ) ».
    const std::size_t debut = marqueurRacineUtf8.size() + 1;
    const std::size_t fin = n.texte.rfind(')');
    if (fin == std::string::npos || fin < debut) {
        marquer();
        return;
    }
    const nombres::LectureNombre lu =
        nombres::lireNombre(std::string_view(n.texte).substr(debut, fin - debut));
    using G = nombres::LectureNombre;
    const std::int64_t p = entierDe(lu.numerateur);
    const std::int64_t q = entierDe(lu.denominateur);
    const bool simplifiable =
        lu.estIllisible() || lu.valeur < 0 || lu.genre == G::decimal ||
        lu.genre == G::fractionDecimale || (lu.genre == G::fraction && q == 1) ||
        (lu.genre == G::fraction && nombres::reductible(p, q)) ||
        (lu.genre == G::entier && !nombres::entierNonCarre(lu.valeur)) ||
        (lu.genre == G::fraction && !nombres::entierNonCarre(lu.numerateur)) ||
        (lu.genre == G::fraction && !nombres::entierNonCarre(lu.denominateur));
    if (simplifiable) {
        marquer();
    }
}

} // namespace

void calculerFormes(Texpression& expression) {
    Regles regles(expression);
    // Les opérandes d'un nœud ont des indices plus grands : en descendant les indices, chaque
    // nœud est traité après ses opérandes.
    for (int i = expression.nombreBranches; i >= 1; --i) {
        regles.appliquer(i);
    }
}

bool racinesCombinables(std::string_view texteA, std::string_view texteB) {
    if (contient(texteA, marqueurPiUtf8) || contient(texteB, marqueurPiUtf8)) {
        return false;
    }
    for (double a : radicandes(texteA)) {
        for (double b : radicandes(texteB)) {
            if (nombres::estCarreParfait(a * b)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace analexpr
