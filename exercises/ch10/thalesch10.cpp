#include "exercises/ch10/thalesch10.h"

#include "core/donneescommunes.h"
#include "core/exercice/enonce.h"
#include "core/exercice/placement.h"
#include "display/figures/figures.h"
#include "display/zones/zoneaffichage.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace exo5ch10 {

namespace {

constexpr Tcouleur noir = 0x000000;
constexpr Tcouleur bleu = 0x0000FF;

std::string lettre(std::string_view lettres, int i) {
    return std::string(1, lettres.size() > static_cast<std::size_t>(i) ? lettres[i] : '?');
}

struct Position {
    double x;
    double y;
};

// Décalage d'étiquette (en largeurs de caractère et hauteurs de ligne) qui écarte le nom
// du point dans la direction qui va du centre vers lui.
Position decalageVers(Position centre, Position p) {
    const double ux = p.x - centre.x;
    const double uy = p.y - centre.y;
    const double n = std::hypot(ux, uy);
    if (n < 1e-9) {
        return {-1.6, -0.5};
    }
    return {-0.5 + 1.3 * ux / n, -0.5 - 1.1 * uy / n};
}

void pointFixe(TzoneAffichage& z, const std::string& nom, Position p, Position centre) {
    const Position dec = decalageVers(centre, p);
    pointEtiquete(z, nom, noir, p.x, p.y, dec.x, dec.y);
    rendreFixe(z, nom);
}

} // namespace

void phraseThales(TdonneesCommunes& d, std::string_view lettres, double ligne) {
    const std::string s = lettre(lettres, 0), a = lettre(lettres, 1), b = lettre(lettres, 2),
                      c = lettre(lettres, 3), dd = lettre(lettres, 4);
    ajouterLigneEnonce(d,
                       "(" + a + c + ") et (" + b + dd + ") sont sécantes en " + s + ". (" + a + b +
                           ") et (" + c + dd + ") sont parallèles.",
                       ligne);
}

void figureThales(TdonneesCommunes& d, std::string_view lettres, double k) {
    if (!d.zoneFigure) {
        return;
    }
    placerFigureEnonceCarree(d);
    TzoneAffichage& z = *d.zoneFigure;
    Position s{0, -4}, c{4, -3}, dd{2, 1.5};
    if (k < 0) {
        // Les deux triangles doivent tenir dans la vue : le plus grand a ses sommets à 4,3
        // unités de S au plus.
        const double m = std::max(1.0, -k);
        s = {0, 0};
        c = {4 / m, -1.6 / m};
        dd = {1.6 / m, 4 / m};
    }
    const Position a{s.x + k * (c.x - s.x), s.y + k * (c.y - s.y)};
    const Position b{s.x + k * (dd.x - s.x), s.y + k * (dd.y - s.y)};
    // Triangles emboîtés : les noms s'écartent du centre du grand triangle ; triangles
    // opposés : du sommet commun, sauf lui qui se met sur la bissectrice de l'angle libre
    // entre [SC] et [SB] (direction de C moins direction de D).
    const double nc = std::hypot(c.x - s.x, c.y - s.y), nd = std::hypot(dd.x - s.x, dd.y - s.y);
    const Position libre{(c.x - s.x) / nc - (dd.x - s.x) / nd,
                         (c.y - s.y) / nc - (dd.y - s.y) / nd};
    const Position centre = k > 0 ? Position{(s.x + c.x + dd.x) / 3, (s.y + c.y + dd.y) / 3}
                                  : Position{s.x - libre.x, s.y - libre.y};
    const std::string nS = lettre(lettres, 0), nA = lettre(lettres, 1), nB = lettre(lettres, 2),
                      nC = lettre(lettres, 3), nD = lettre(lettres, 4);
    pointFixe(z, nS, s, centre);
    pointFixe(z, nC, c, k > 0 ? centre : s);
    pointFixe(z, nD, dd, k > 0 ? centre : s);
    const Position decA = decalageVers(k > 0 ? Position{c.x, c.y + 3} : s, a);
    const Position decB = decalageVers(k > 0 ? Position{dd.x + 3, dd.y} : s, b);
    pointSurDroite(z, nA, nS, nC, k, decA.x, decA.y, noir);
    pointSurDroite(z, nB, nS, nD, k, decB.x, decB.y, noir);
    segment(z, nA, nC, noir, 1, 1);
    segment(z, nB, nD, noir, 1, 1);
    if (k > 0) {
        // Triangles emboîtés : [AC] et [BD] ne passent pas par S ; les côtés [SA] et [SB]
        // complètent les deux triangles.
        segment(z, nS, nA, noir, 1, 1);
        segment(z, nS, nB, noir, 1, 1);
    }
    segment(z, nA, nB, bleu, 1, 1);
    segment(z, nC, nD, bleu, 1, 1);
}

void solutionThales(TdonneesCommunes& d, std::string_view prefixe, std::string_view lettres,
                    bool inverse, double ligne, std::string_view fin) {
    const std::string s = lettre(lettres, 0), a = lettre(lettres, 1), b = lettre(lettres, 2),
                      c = lettre(lettres, 3), dd = lettre(lettres, 4);
    const std::string premier = inverse ? a + ", " + s + ", " + c : s + ", " + a + ", " + c;
    const std::string second = inverse ? b + ", " + s + ", " + dd : s + ", " + b + ", " + dd;
    ajouterLigneSolution(d,
                         std::string(prefixe) + "Les points " + premier +
                             " sont alignés ainsi que les points " + second + ". Les droites (" +
                             a + b + ") et (" + c + dd + ") sont parallèles.",
                         ligne);
    ajouterLigneSolution(d,
                         "Donc d'après le théorème de Thalès : $F" + s + a + ";" + s + c +
                             "; = $F" + s + b + ";" + s + dd + "; = $F" + a + b + ";" + c + dd +
                             "; " + std::string(fin),
                         ligne + 1.5);
}

void solutionReciproque(TdonneesCommunes& d, bool inverse, double ligne) {
    ajouterLigneSolution(d,
                         std::string("c. Les points ") + (inverse ? "M, A, B" : "A, M, B") +
                             " et les points " + (inverse ? "N, A, C" : "A, N, C") +
                             " sont alignés dans le même ordre et $FAM;AB; = $FAN;AC;.",
                         ligne);
    ajouterLigneSolution(d,
                         "Donc d'après la réciproque du théorème de Thalès, les droites (MN) et "
                         "(BC) sont parallèles.",
                         ligne + 1.5);
}

void solutionNonParallele(TdonneesCommunes& d, double ligne) {
    ajouterLigneSolution(d,
                         "c. $FAM;AB; <> $FAN;AC; : si (MN) et (BC) étaient parallèles, ces "
                         "rapports seraient égaux (théorème de Thalès).",
                         ligne);
    ajouterLigneSolution(d, "Donc les droites (MN) et (BC) ne sont pas parallèles.", ligne + 1.5);
}

} // namespace exo5ch10
