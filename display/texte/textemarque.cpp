#include "display/texte/textemarque.h"

#include "analysis/texte/texteutf8.h"
#include "display/texte/canevas.h"
#include "display/texte/symbole.h"
#include "display/texte/zonescliquables.h"
#include "display/zones/pixel.h"

#include <QPoint>
#include <QString>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

bool enFraction = false;
bool imbrique = false;

namespace {

TresolveurCle resolveurCles = nullptr;

// Profondeur d'imbrication au-delà de laquelle une partie imbriquée n'est plus dessinée : un
// texte hostile (« $0$0$0… ») ne doit pas épuiser la pile.
constexpr int profondeurMaximale = 24;
// Longueur maximale des parties d'une fraction.
constexpr std::size_t longueurPartieFraction = 120;
// Nombre de lignes d'un système.
constexpr int lignesSystemeMaximum = 4;

using Texte = std::u32string;
using Vue = std::u32string_view;

QString enQString(Vue texte) {
    return QString::fromUcs4(texte.data(), static_cast<qsizetype>(texte.size()));
}

void remplacerTout(Texte& s, Vue motif, Vue remplacement) {
    std::size_t pos = s.find(motif);
    if (pos == Texte::npos) {
        return;
    }
    Texte r;
    r.reserve(s.size() + 16);
    std::size_t debut = 0;
    while (pos != Texte::npos) {
        r.append(s, debut, pos - debut);
        r.append(remplacement);
        debut = pos + motif.size();
        pos = s.find(motif, debut);
    }
    r.append(s, debut, Texte::npos);
    s = std::move(r);
}

void substituer(Texte& s) {
    static const std::array<std::pair<Vue, Vue>, 11> regles{{
        {U"$:", U"$~\u00B8"},
        {U">=", U" $~\u00B3 "},
        {U"<=", U" $~\u00A3 "},
        {U"$*", U"$~\u00B4"},
        {U"$x", U"$M2$~\u00B4$D2"},
        {U"perp()", U"$~^"},
        {U"<>", U" $~\u00B9 "},
        {U"$=", U" $~\u00BB "},
        {U"\u00B2", U"$02$1"},
        {U"Sup\u00E9gal", U">="},
        {U"Inf\u00E9gal", U"<="},
    }};
    if (s.find_first_of(U"$<>p\u00B2SI") == Texte::npos) {
        return;
    }
    for (const auto& [motif, remplacement] : regles) {
        remplacerTout(s, motif, remplacement);
    }
}

// Chaque « - » devient « $- » et chaque « $- » devient « - », en une passe.
void echangerMoins(Texte& s) {
    if (s.find(U'-') == Texte::npos) {
        return;
    }
    Texte r;
    r.reserve(s.size() + 8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == U'$' && i + 1 < s.size() && s[i + 1] == U'-') {
            r.push_back(U'-');
            ++i;
        } else if (s[i] == U'-') {
            r.append(U"$-");
        } else {
            r.push_back(s[i]);
        }
    }
    s = std::move(r);
}

void appliquerStyleDeBase(Tcanevas& c, int styleDeBase) {
    c.definirStyle(styleDeBase == 13 || styleDeBase == 14, styleDeBase == 12 || styleDeBase == 14,
                   false);
}

// Lecture d'un nombre de système : signe moins facultatif, virgule ou point décimal ; un
// texte mal formé vaut 0. La lecture ne dépend pas de la locale.
double lireNombre(Vue champ) {
    if (!champ.empty() && champ.front() == U'$') {
        champ.remove_prefix(1);
    }
    std::string ascii;
    for (char32_t ch : champ) {
        if (ch == U' ' && ascii.empty()) {
            continue;
        }
        if (ch > 0x7F) {
            return 0;
        }
        ascii.push_back(ch == U',' ? '.' : static_cast<char>(ch));
    }
    double valeur = 0;
    const auto [fin, erreur] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), valeur);
    if (erreur != std::errc() || !std::isfinite(valeur)) {
        return 0;
    }
    return valeur;
}

// Champs d'une spécification de système, séparés par « \ » hors parenthèses.
std::vector<Vue> champsSysteme(Vue definition) {
    std::vector<Vue> champs;
    int profondeur = 0;
    std::size_t debut = 0;
    for (std::size_t i = 0; i < definition.size(); ++i) {
        if (definition[i] == U'(') {
            ++profondeur;
        } else if (definition[i] == U')') {
            profondeur = std::max(0, profondeur - 1);
        } else if (definition[i] == U'\\' && profondeur == 0) {
            champs.push_back(definition.substr(debut, i - debut));
            debut = i + 1;
        }
    }
    champs.push_back(definition.substr(debut));
    return champs;
}

class Rendu {
public:
    Rendu(Tcanevas& c, int styleDeBase, int profondeur)
        : c_(c), styleDeBase_(styleDeBase), profondeur_(profondeur) {}

    int dessiner(Texte s, double xDepart, double yDepart, Tcouleur couleur, int taille);

private:
    int imbriquer(Vue texte, int x, int y);
    void course(Vue run);
    void ligne(int x1, int y1, int x2, int y2) {
        c_.definirCrayon(c_.couleurPolice(), 1);
        c_.ligne(x1, y1, x2, y2);
    }
    void couleur(Tcouleur couleur) {
        c_.definirCouleurPolice(couleur);
        couleurRun_ = couleur;
    }
    void lien(Vue cle, Vue texte);
    void systeme(Vue definition);
    void executer(char32_t code, const Texte& s, std::size_t& i);

    Tcanevas& c_;
    int styleDeBase_;
    int profondeur_;
    int x_ = 0;
    int y_ = 0;
    int y0_ = 0;
    int taille_ = 12;
    Tcouleur couleurRun_ = 0;
};

int Rendu::imbriquer(Vue texte, int x, int y) {
    if (profondeur_ >= profondeurMaximale) {
        return x;
    }
    Rendu r(c_, styleDeBase_, profondeur_ + 1);
    return r.dessiner(Texte(texte), x, y, couleurRun_, taille_);
}

void Rendu::course(Vue run) {
    std::size_t debut = 0;
    while (debut <= run.size()) {
        const std::size_t etoile = run.find(U'*', debut);
        const Vue morceau = run.substr(debut, etoile == Vue::npos ? Vue::npos : etoile - debut);
        if (!morceau.empty()) {
            const QString q = enQString(morceau);
            c_.ecrire(x_, y_, q);
            x_ += c_.largeurTexte(q);
        }
        if (etoile == Vue::npos) {
            return;
        }
        const int espace = c_.largeurTexte(QStringLiteral(" "));
        x_ += espace;
        const int d = enFraction ? 1 : 0;
        ligne(x_ - 1, y_ + 7 + d, x_ + 5, y_ + 13 + d);
        ligne(x_ - 1, y_ + 12 + d, x_ + 5, y_ + 6 + d);
        x_ += 2 * espace;
        debut = etoile + 1;
    }
}

void Rendu::lien(Vue cle, Vue texte) {
    const QString q = enQString(texte);
    const int x0 = x_ - 1;
    const int haut = y_;
    x_ += c_.largeurTexte(q);
    const int droite = x_ + 2;
    const int bas = y_ + c_.hauteurTexte() + 2;
    bool inscrit = false;
    TzonesCliquables* liste = listeCourante();
    if (liste != nullptr && resolveurCles != nullptr) {
        const std::string cleUtf8 = texteutf8::versUtf8(cle.substr(0, 10));
        const int cible = resolveurCles(cleUtf8);
        inscrit = cible != 0 && ajouterZoneCliquable(*liste, cible, x0, haut, droite, bas) != 0;
    }
    if (inscrit) {
        if (cle.front() == U'P') {
            c_.definirStyle(c_.gras(), false, true);
        } else {
            c_.remplir(x0, haut, droite, bas, liste->couleurSurbrillance);
        }
    }
    c_.ecrire(x0 + 1, y_, q);
    const bool grasSouligne = c_.gras() && c_.souligne() && !c_.italique();
    c_.definirStyle(grasSouligne, false, false);
}

void Rendu::systeme(Vue definition) {
    std::vector<Vue> champs = champsSysteme(definition);
    champs.resize(std::max<std::size_t>(champs.size(), 2));
    const double brut = lireNombre(champs[0]);
    // Le nombre de lignes est borné par les champs présents ; au plus 4 lignes sont dessinées.
    const int demandees = static_cast<int>(std::clamp(brut, 0.0, 1000.0));
    const int n = std::min(demandees, static_cast<int>(champs.size() - 2) / 2);
    const double facteur = champs.size() > 1 ? std::clamp(lireNombre(champs[1]), -100.0, 100.0) : 0;
    const int hauteur = hauteurLigne(c_);
    const int largeur = largeurCaractere(c_);
    const double h = 2 * facteur * hauteur + 1;
    const double d = h / 16;
    const double haut = y0_ + hauteur / 2.0 - facteur * hauteur + 0.1 * hauteur;
    static constexpr std::array<std::pair<int, int>, 11> accolade{{{1, 0},
                                                                   {0, 2},
                                                                   {0, 4},
                                                                   {1, 6},
                                                                   {1, 7},
                                                                   {0, 8},
                                                                   {1, 9},
                                                                   {1, 10},
                                                                   {0, 12},
                                                                   {0, 14},
                                                                   {1, 16}}};
    std::array<QPoint, 11> points;
    for (std::size_t k = 0; k < accolade.size(); ++k) {
        points[k] =
            QPoint(enPixel(x_ + d * accolade[k].first), enPixel(haut + d * accolade[k].second));
    }
    c_.definirCrayon(c_.couleurPolice(), 1);
    c_.polyligne(points.data(), static_cast<int>(points.size()));
    const int xDepart = x_;
    int fin = x_;
    for (int i = 0; i < std::min(n, lignesSystemeMaximum); ++i) {
        const double decalage =
            std::clamp(lireNombre(champs[static_cast<std::size_t>(2 + i)]), -1000.0, 1000.0);
        const Vue texte = champs[static_cast<std::size_t>(2 + n + i)];
        imbrique = true;
        fin = std::max(fin, imbriquer(texte, xDepart + largeur, enPixel(y0_ + hauteur * decalage)));
        imbrique = false;
    }
    x_ = fin;
}

// Texte d'un argument jusqu'au terminateur (exclu) ; la position i passe sur le terminateur
// quand `consommer` est vrai, s'arrête dessus sinon, va à la fin quand il manque.
Vue argument(const Texte& s, std::size_t& i, Vue terminateur, bool consommer) {
    const std::size_t fin = s.find(terminateur, i);
    const Vue arg = Vue(s).substr(i, fin == Texte::npos ? Texte::npos : fin - i);
    i = fin == Texte::npos ? s.size() : (consommer ? fin + terminateur.size() : fin);
    return arg;
}

void Rendu::executer(char32_t code, const Texte& s, std::size_t& i) {
    switch (code) {
    case U'(':
    case U')': {
        const int taille = c_.taillePolice();
        c_.definirTaillePolice(taille + 10);
        const QString q(QChar(static_cast<char16_t>(code)));
        c_.ecrire(x_, y_ - 8, q);
        x_ += c_.largeurTexte(q);
        c_.definirTaillePolice(taille);
        break;
    }
    case U'-': {
        const int k = c_.demiHauteur();
        ligne(x_, y_ + k + 1, x_ + 6, y_ + k + 1);
        const char32_t suivant = i < s.size() ? s[i] : 0;
        x_ += (suivant == U' ' || suivant == U'1' || suivant == U'8') ? 8 : 9;
        break;
    }
    case U'0': {
        const Vue texte = argument(s, i, U"$1", false);
        const int k = c_.demiHauteur();
        Texte exposant = U"$<$<";
        exposant.append(texte);
        exposant.append(U"$>$>");
        imbrique = true;
        x_ = imbriquer(exposant, x_ + 2, y_ - k + 2) - 2;
        imbrique = false;
        break;
    }
    case U'2': {
        const Vue texte = argument(s, i, U"$1", false);
        const int taille = c_.taillePolice();
        c_.definirTaillePolice(taille - 2);
        const QString q = enQString(texte);
        c_.ecrire(x_, y_ + c_.demiHauteur(), q);
        x_ += c_.largeurTexte(q);
        c_.definirTaillePolice(taille);
        break;
    }
    case U'3':
    case U'5': {
        const QString q = enQString(argument(s, i, U"$", false));
        c_.ecrire(x_, y_, q);
        const int w = c_.largeurTexte(q);
        if (code == U'3') {
            ligne(x_, y_ + 2, x_ + w / 2, y_ - 3);
            ligne(x_ + w, y_ + 2, x_ + w / 2, y_ - 3);
        } else {
            ligne(x_, y_ - 1, x_ + w, y_ - 1);
            ligne(x_ + w, y_ - 1, x_ + w - 5, y_ - 3);
            ligne(x_ + w, y_ - 1, x_ + w - 5, y_ + 1);
        }
        x_ += w;
        break;
    }
    case U'4': {
        const Vue texte = argument(s, i, U"$4", true);
        int haut = y_;
        int pied = y_ + 16;
        if (texte.find(U"$F") != Vue::npos) {
            haut = y_ - 8;
            pied = y_ + 25;
        } else if (texte.find(U"$0") != Vue::npos) {
            haut = y_ - 5;
        }
        const Tcouleur trait = c_.couleurPolice();
        ligne(x_, y_ + 8, x_ + 4, pied);
        ligne(x_ + 8, haut, x_ + 4, pied);
        imbrique = true;
        const int fin = imbriquer(texte, x_ + 10, y_);
        imbrique = false;
        c_.definirCrayon(trait, 1);
        c_.ligne(x_ + 8, haut, fin, haut);
        x_ = fin;
        break;
    }
    case U'<':
    case U'>': {
        const int pas = code == U'<' ? -1 : 1;
        taille_ += pas;
        c_.definirTaillePolice(c_.taillePolice() + pas);
        break;
    }
    case U'C':
        couleur(0x008080);
        break;
    case U'K':
        couleur(0x000080);
        break;
    case U'P':
        couleur(0xF72096);
        break;
    case U'Q':
        couleur(0x808080);
        break;
    case U'R':
        couleur(0x800000);
        break;
    case U'V':
        couleur(0x008000);
        break;
    case U'Y':
        couleur(0x808000);
        break;
    case U'b':
        couleur(0xFFFFFF);
        break;
    case U'c':
        couleur(0x00FFFF);
        break;
    case U'k':
        couleur(0x0000FF);
        break;
    case U'n':
        couleur(0x000000);
        break;
    case U'p':
        couleur(0xFF00FF);
        break;
    case U'q':
        couleur(0xC0C0C0);
        break;
    case U'r':
        couleur(0xFF0000);
        break;
    case U'v':
        couleur(0x00FF00);
        break;
    case U'y':
        couleur(0xFFFF80);
        break;
    case U'D':
    case U'M':
        if (i < s.size()) {
            const char32_t chiffre = s[i++];
            const int d =
                (chiffre >= U'0' && chiffre <= U'9') ? static_cast<int>(chiffre - U'0') : 0;
            y_ += code == U'D' ? d : -d;
        }
        break;
    case U'F':
    case U'W': {
        const Vue separateur = code == U'F' ? Vue(U";") : Vue(U"\\");
        const Vue num = argument(s, i, separateur, true).substr(0, longueurPartieFraction);
        const Vue den = argument(s, i, separateur, true).substr(0, longueurPartieFraction);
        const int k = c_.demiHauteur();
        int yNum = y_ - k - 1;
        int yDen = y_ + k + 1;
        if (code == U'F') {
            yDen += (den.find(U"$0") != Vue::npos ? 6 : 0) + (den.find(U"$4") != Vue::npos ? 4 : 0);
        } else {
            if (num.find(U"$F") != Vue::npos) {
                yNum = y_ - 2 * k - 2;
            }
            if (den.find(U"$F") != Vue::npos) {
                yDen = y_ + 2 * k + 2;
            }
        }
        enFraction = code == U'F';
        imbrique = true;
        const int finNum = imbriquer(num, x_, yNum);
        enFraction = code == U'F';
        imbrique = true;
        const int finDen = imbriquer(den, x_, yDen);
        enFraction = false;
        imbrique = false;
        const int fin = std::max(finNum, finDen);
        ligne(x_, y_ + k + 1, fin, y_ + k + 1);
        x_ = fin;
        break;
    }
    case U'G':
        c_.definirStyle(true, false, true);
        break;
    case U'I':
        c_.definirStyle(false, true, true);
        break;
    case U'J':
        c_.definirStyle(true, true, false);
        break;
    case U'N':
        c_.definirStyle(false, false, false);
        break;
    case U'S':
        c_.definirStyle(false, false, true);
        break;
    case U'g':
        c_.definirStyle(true, false, false);
        break;
    case U'i':
        c_.definirStyle(false, true, false);
        break;
    case U'H':
        c_.definirNomPolice("Arial");
        break;
    case U'T':
        c_.definirNomPolice("Times New Roman");
        break;
    case U'L': {
        const Vue cle = argument(s, i, U";", true);
        const Vue texte = argument(s, i, U";", true);
        if (cle.empty()) {
            const QString q = enQString(texte);
            c_.ecrire(x_, y_, q);
            x_ += c_.largeurTexte(q);
        } else {
            lien(cle, texte);
        }
        break;
    }
    case U'Z':
        c_.remplir(x_ + 1, y_ + 9, x_ + 7, y_ + 15, c_.couleurPolice());
        x_ += 10;
        break;
    case U'd':
        ligne(x_, y_ + 11, x_ + 13, y_ + 11);
        ligne(x_ + 13, y_ + 11, x_ + 8, y_ + 10);
        ligne(x_ + 13, y_ + 11, x_ + 8, y_ + 12);
        x_ += 16;
        break;
    case U'e':
        c_.ecrire(x_, y_ + 2, QStringLiteral("*"));
        x_ += 8;
        break;
    case U'f':
        ligne(x_, y_, x_ + 4, y_ + 6);
        ligne(x_ + 4, y_ + 14, x_ + 4, y_ + 5);
        ligne(x_, y_ + 19, x_ + 4, y_ + 14);
        ligne(x_, y_ + 19, x_ + 2, y_ + 14);
        ligne(x_, y_ + 19, x_ + 4, y_ + 18);
        x_ += 10;
        break;
    case U'z':
        c_.definirCrayon(0, 1, Qt::NoPen);
        c_.definirPinceau(c_.couleurPolice());
        c_.ellipse(x_ + 1, y_ + 10, x_ + 4, y_ + 15);
        c_.pinceauVide();
        x_ += 6;
        break;
    case U's':
        systeme(argument(s, i, U"$s", true));
        break;
    case U'~':
        if (i < s.size()) {
            const char32_t signe = unicodeDeSymbole(s[i++]);
            c_.definirNomPolice("Symbol");
            const QString q = enQString(Vue(&signe, 1));
            c_.ecrire(x_ + 1, y_, q);
            x_ += c_.largeurTexte(q) + 2;
            c_.definirNomPolice("Times New Roman");
        }
        break;
    default:
        break;
    }
}

int Rendu::dessiner(Texte s, double xDepart, double yDepart, Tcouleur couleurDepart, int taille) {
    substituer(s);
    if (!imbrique) {
        echangerMoins(s);
    }
    if (!enFraction) {
        c_.definirNomPolice("Times New Roman");
        c_.definirCouleurPolice(couleurDepart);
        c_.definirTaillePolice(taille);
        appliquerStyleDeBase(c_, styleDeBase_);
    }
    x_ = enPixel(xDepart);
    y_ = enPixel(yDepart);
    y0_ = y_;
    taille_ = taille;
    couleurRun_ = couleurDepart;
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t dollar = s.find(U'$', i);
        if (dollar == Texte::npos) {
            course(Vue(s).substr(i));
            break;
        }
        if (dollar > i) {
            course(Vue(s).substr(i, dollar - i));
        }
        i = dollar + 1;
        if (i >= s.size()) {
            break;
        }
        const char32_t code = s[i++];
        executer(code, s, i);
    }
    return x_;
}

} // namespace

void dessinerTexteMarque(Tcanevas& canevas, std::string_view texte, double& x, double y,
                         Tcouleur couleur, int styleDeBase, int taille) {
    Rendu rendu(canevas, styleDeBase, 0);
    x = rendu.dessiner(texteutf8::versPointsDeCode(texte), x, y, couleur, taille);
    enFraction = false;
    imbrique = false;
}

int largeurCaractere(const Tcanevas& canevas) {
    switch (canevas.taillePolice()) {
    case 8:
        return 7;
    case 14:
        return 14;
    case 24:
        return 26;
    default:
        return 8;
    }
}

int hauteurLigne(const Tcanevas& canevas) {
    switch (canevas.taillePolice()) {
    case 8:
        return 10;
    case 14:
        return 18;
    case 24:
        return 45;
    default:
        return 15;
    }
}

int largeurTexteSimple(Tcanevas& canevas, std::string_view texte) {
    const Texte s = texteutf8::versPointsDeCode(texte);
    const Vue v(s);
    int largeur = 0;
    std::size_t debut = 0;
    while (true) {
        const std::size_t etoile = v.find(U'*', debut);
        largeur += canevas.largeurTexte(
            enQString(v.substr(debut, etoile == Vue::npos ? Vue::npos : etoile - debut)));
        if (etoile == Vue::npos) {
            return largeur;
        }
        largeur += 3 * canevas.largeurTexte(QStringLiteral(" "));
        debut = etoile + 1;
    }
}

void dessinerTextePixel(Tcanevas& canevas, std::string_view texte, int x, int y) {
    double px = x;
    dessinerTexteMarque(canevas, texte, px, y, 0x000000, 11, 11);
}

void installerResolveurCles(TresolveurCle resolveur) {
    resolveurCles = resolveur;
}
