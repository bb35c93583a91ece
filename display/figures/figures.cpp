#include "display/figures/figures.h"

#include "analysis/geometrie/constructions.h"
#include "analysis/texte/texteutf8.h"
#include "display/figures/cerclefigure.h"
#include "display/figures/lignefigure.h"
#include "display/figures/pointfigure.h"
#include "display/figures/polygonefigure.h"
#include "display/zones/zoneaffichage.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace {

constexpr std::size_t longueurTexte = 120;

// Ce qu'un parent doit être pour la construction.
enum class Tparent { point, droite, cercle, arc };

bool parentConvient(const TzoneAffichage& zone, int i, Tparent attendu) {
    TpointMonde p, d;
    double r = 0;
    switch (attendu) {
    case Tparent::point:
        return positionPoint(zone, i, p);
    case Tparent::droite: {
        const TobjetZone* o = zone.objet(i);
        return o != nullptr && (o->classe == Tclasse::segment || o->classe == Tclasse::demiDroite ||
                                o->classe == Tclasse::droite);
    }
    case Tparent::cercle:
        return centreRayon(zone, i, p, r);
    case Tparent::arc:
        return extremitesArc(zone, i, p, d);
    }
    return false;
}

// Un parent nommé : son indice et le genre d'objet qu'il doit être.
struct Tliaison {
    Tnom nom;
    Tparent attendu = Tparent::point;
};

// Ajoute l'objet après avoir retrouvé ses parents ; le calcule sauf `sansCalcul` ; rend son
// indice, 0 quand un parent manque ou ne convient pas.
int ajouterFigure(TzoneAffichage& zone, Tnom nom, std::unique_ptr<TobjetFigure> objet,
                  std::initializer_list<Tliaison> liaisons, bool sansCalcul = false) {
    std::size_t rang = 0;
    for (const Tliaison& l : liaisons) {
        const int i = indiceObjet(zone, l.nom);
        if (i == 0 || !parentConvient(zone, i, l.attendu)) {
            return 0;
        }
        objet->parents[rang++] = i;
    }
    const int indice = ajouterObjet(zone, nom, std::move(objet));
    if (indice != 0 && !sansCalcul) {
        recalculerObjet(zone, indice);
    }
    return indice;
}

std::unique_ptr<TpointFigure> nouveauPoint(int genre, Tnom nom, double dx, double dy,
                                           Tcouleur couleur) {
    auto p = std::make_unique<TpointFigure>(genre);
    p->etiquette = texteutf8::couper(texteutf8::couper(nom, longueurTexte), 20);
    p->dxEtiquette = dx;
    p->dyEtiquette = dy;
    p->couleur = couleur;
    p->mobile = false;
    return p;
}

int pointConstruit(TzoneAffichage& zone, int genre, Tnom nom, double dx, double dy,
                   Tcouleur couleur, std::initializer_list<Tliaison> liaisons,
                   std::initializer_list<double> parametres = {}) {
    auto p = nouveauPoint(genre, nom, dx, dy, couleur);
    std::size_t i = 0;
    for (const double v : parametres) {
        p->parametres[i++] = v;
    }
    return ajouterFigure(zone, nom, std::move(p), liaisons);
}

template <class T>
std::unique_ptr<T> nouvelleFigure(int genre, Tcouleur couleur, int style, int largeur) {
    auto o = std::make_unique<T>(genre);
    o->couleur = couleur;
    o->style = style;
    o->taille = largeur;
    return o;
}

std::string nomLigne(const char* ouvrant, Tnom a, Tnom b, const char* fermant) {
    return std::string(ouvrant) + std::string(a) + std::string(b) + fermant;
}

TpointFigure* pointDeNom(TzoneAffichage& zone, Tnom nom) {
    return dynamic_cast<TpointFigure*>(zone.objet(indiceObjet(zone, nom)));
}

const TpointFigure* pointDeNom(const TzoneAffichage& zone, Tnom nom) {
    return dynamic_cast<const TpointFigure*>(zone.objet(indiceObjet(zone, nom)));
}

// Arrondi au plus proche, égalité vers le pair.
double arrondi(double v) {
    return std::nearbyint(v);
}

// Position sur une règle graduée : xMin en deçà, sinon le pas le plus proche, xMax au-delà.
double surRegle(double m, double minimum, double maximum, double pas) {
    if (!(m > minimum)) {
        return minimum;
    }
    const double v = pas > 0 ? minimum + pas * arrondi((m - minimum) / pas) : m;
    return v > maximum ? maximum : v;
}

void deplacerLibre(const TzoneAffichage& zone, TpointFigure& p, double mx, double my) {
    const Trepere& grille = zone.repere;
    if (grille.grillePolaire) {
        auto theta = constructions::angleOriente({1, 0}, {mx, my});
        if (!theta) {
            return;
        }
        if (grille.pasAngle > 0) {
            *theta = grille.pasAngle * arrondi(*theta / grille.pasAngle);
        }
        const double rho = arrondi(std::clamp(
            std::hypot(mx, my), std::min(grille.rayonMin, grille.rayonMax), grille.rayonMax));
        const double a = *theta * std::numbers::pi / 180;
        p.x = rho * std::cos(a);
        p.y = rho * std::sin(a);
        return;
    }
    if (grille.grilleTriangulaire) {
        const double bas = std::ceil(zone.xMin + 0.1);
        const double haut = std::floor(zone.xMax - 0.1);
        double x = std::clamp(arrondi(mx), zone.xMin, zone.xMax);
        x = bas <= haut ? std::clamp(x, bas, haut) : x;
        const double pasRang = 2 / std::sqrt(3.0);
        const double decalage = std::fmod(std::abs(x), 2.0) == 1 ? 1 / std::sqrt(3.0) : 0;
        double k = arrondi((my - decalage) / pasRang);
        const double kBas = std::ceil((zone.yMin + 0.1 - decalage) / pasRang);
        const double kHaut = std::floor((zone.yMax - 0.1 - decalage) / pasRang);
        if (kBas <= kHaut) {
            k = std::clamp(k, kBas, kHaut);
        }
        p.x = x;
        p.y = k * pasRang + decalage;
        return;
    }
    p.x = std::clamp(mx, std::min(zone.xMin, zone.xMax), std::max(zone.xMin, zone.xMax));
    p.y = std::clamp(my, std::min(zone.yMin, zone.yMax), std::max(zone.yMin, zone.yMax));
}

// Déplace le point vers (mx, my) selon son genre ; faux quand il ne bouge pas.
bool deplacer(const TzoneAffichage& zone, TpointFigure& p, double mx, double my) {
    if (!std::isfinite(mx) || !std::isfinite(my)) {
        return false;
    }
    const auto& q = p.parametres;
    switch (p.genre) {
    case TpointFigure::genreLibre:
        deplacerLibre(zone, p, mx, my);
        return true;
    case TpointFigure::genreSurSegmentHorizontal:
        p.x = surRegle(mx, q[0], q[1], q[2]);
        return true;
    case TpointFigure::genreSurGrille:
        p.x = surRegle(mx, q[0], q[1], q[2]);
        p.y = surRegle(my, q[3], q[4], q[5]);
        return true;
    case TpointFigure::genreSurCercle: {
        TpointMonde a, b;
        if (!positionPoint(zone, p.parents[0], a) || !positionPoint(zone, p.parents[1], b)) {
            return false;
        }
        auto theta = constructions::angleOriente({b.x - a.x, b.y - a.y}, {mx - a.x, my - a.y});
        if (!theta) {
            return false;
        }
        double angle = *theta;
        if (angle < q[0]) {
            angle = q[0];
        } else if (angle > q[1]) {
            angle = q[1];
        } else if (q[2] > 0) {
            angle = q[0] + q[2] * arrondi((angle - q[0]) / q[2]);
        }
        if (std::abs(angle - q[3]) < 1e-9) {
            return false;
        }
        p.parametres[3] = angle;
        return true;
    }
    case TpointFigure::genreChoix: {
        TpointMonde a, b;
        if (!positionPoint(zone, p.parents[0], a) || !positionPoint(zone, p.parents[1], b)) {
            return false;
        }
        const TpointMonde m{mx, my};
        p.parametres[0] = constructions::distance(a, m) <= constructions::distance(b, m) ? 1 : 2;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

int point(TzoneAffichage& zone, Tnom nom, std::string_view etiquette, double x, double y, double dx,
          double dy, Tcouleur couleur, int taillePoint) {
    auto p = nouveauPoint(TpointFigure::genreLibre, nom, dx, dy, couleur);
    p->etiquette = texteutf8::couper(etiquette, longueurTexte);
    p->x = x;
    p->y = y;
    p->taille = taillePoint;
    return ajouterFigure(zone, nom, std::move(p), {}, true);
}

int pointEtiquete(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y, double dx,
                  double dy) {
    return point(zone, nom, nom, x, y, dx, dy, couleur, 5);
}

int pointNomme(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y, double dx,
               double dy) {
    return point(zone, nom, nom, x, y, dx, dy, couleur, 1);
}

int pointDeplacable(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y) {
    const int i = point(zone, nom, nom, x, y, 0, 0, couleur, 5);
    if (TobjetZone* p = zone.objet(i)) {
        p->mobile = true;
    }
    return i;
}

int pointCache(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y) {
    return point(zone, nom, "", x, y, 0, 0, couleur, 5);
}

int pointEspace(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double profondeur, double x,
                double y, double dx, double dy) {
    return pointNomme(zone, nom, couleur, x - zone.fuiteX * profondeur,
                      y - zone.fuiteY * profondeur, dx, dy);
}

int segment(TzoneAffichage& zone, Tnom a, Tnom b, Tcouleur couleur, int style, int largeur) {
    return ajouterFigure(
        zone, nomLigne("[", a, b, "]"),
        nouvelleFigure<TligneFigure>(TligneFigure::genreSegment, couleur, style, largeur),
        {{a}, {b}});
}

int segmentSimple(TzoneAffichage& zone, Tnom a, Tnom b, Tcouleur couleur) {
    return segment(zone, a, b, couleur, 1, 1);
}

int segmentPointille(TzoneAffichage& zone, Tnom a, Tnom b, Tcouleur couleur) {
    return segment(zone, a, b, couleur, 3, 1);
}

int droiteParPoints(TzoneAffichage& zone, Tnom a, Tnom b, Tcouleur couleur, int style,
                    int largeur) {
    return ajouterFigure(
        zone, nomLigne("(", a, b, ")"),
        nouvelleFigure<TligneFigure>(TligneFigure::genreDroite, couleur, style, largeur),
        {{a}, {b}});
}

int demiDroite(TzoneAffichage& zone, Tnom a, Tnom b, Tcouleur couleur, int style, int largeur) {
    return ajouterFigure(
        zone, nomLigne("[", a, b, ")"),
        nouvelleFigure<TligneFigure>(TligneFigure::genreDemiDroite, couleur, style, largeur),
        {{a}, {b}});
}

int cercle(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom a, Tcouleur couleur, int style,
           int largeur) {
    return ajouterFigure(
        zone, nom,
        nouvelleFigure<TcercleFigure>(TcercleFigure::genreCercle, couleur, style, largeur),
        {{o}, {a}});
}

int arcAngle(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom a, Tnom b, Tcouleur couleur, int style,
             int largeur) {
    return ajouterFigure(
        zone, nom, nouvelleFigure<TcercleFigure>(TcercleFigure::genreArc, couleur, style, largeur),
        {{o}, {a}, {b}});
}

int ellipse(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, int mode, Tcouleur couleur, int style,
            int largeur) {
    auto e =
        nouvelleFigure<TcercleFigure>(TcercleFigure::genreDemiEllipse, couleur, style, largeur);
    e->mode = mode;
    return ajouterFigure(zone, nom, std::move(e), {{a}, {b}});
}

int perpendiculaire(TzoneAffichage& zone, Tnom nom, Tnom m, Tnom d, Tcouleur couleur, int style,
                    int largeur) {
    return ajouterFigure(
        zone, nom,
        nouvelleFigure<TligneFigure>(TligneFigure::genrePerpendiculaire, couleur, style, largeur),
        {{m}, {d, Tparent::droite}});
}

int mediatrice(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tcouleur couleur, int style,
               int largeur) {
    return ajouterFigure(
        zone, nom,
        nouvelleFigure<TligneFigure>(TligneFigure::genreMediatrice, couleur, style, largeur),
        {{a}, {b}});
}

int polygone(TzoneAffichage& zone, Tnom nom, std::string_view liste, Tcouleur couleur) {
    auto p = std::make_unique<TpolygoneFigure>();
    p->couleur = couleur;
    std::size_t debut = 0;
    while (debut <= liste.size()) {
        std::size_t fin = liste.find(' ', debut);
        if (fin == std::string_view::npos) {
            fin = liste.size();
        }
        const Tnom sommet = liste.substr(debut, fin - debut);
        if (!sommet.empty()) {
            const int i = indiceObjet(zone, sommet);
            if (i == 0 || !parentConvient(zone, i, Tparent::point) ||
                p->sommets.size() >= TpolygoneFigure::sommetsMaximum) {
                return 0;
            }
            p->sommets.push_back(i);
        }
        debut = fin + 1;
    }
    if (p->sommets.empty()) {
        return 0;
    }
    const int indice = ajouterObjet(zone, nom, std::move(p));
    recalculerObjet(zone, indice);
    return indice;
}

int cote(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double decalageX, double decalageY,
         Tcouleur couleur) {
    auto c = nouvelleFigure<TligneFigure>(TligneFigure::genreCote, couleur, 4, 1);
    c->decalageX = decalageX;
    c->decalageY = decalageY;
    return ajouterFigure(zone, nom, std::move(c), {{a}, {b}});
}

int courbeFonction(TzoneAffichage& zone, Tnom nom, TfonctionCourbe fonction, double xDebut,
                   double xFin, int nombre, Tcouleur couleur, int style, int largeur) {
    auto c = std::make_unique<TcourbeFigure>();
    c->couleur = couleur;
    c->style = style;
    c->taille = largeur;
    c->fonction = std::move(fonction);
    c->xDebut = xDebut;
    c->xFin = xFin;
    c->nombre = std::clamp(nombre, 2, TcourbeFigure::pointsMaximum);
    return ajouterFigure(zone, nom, std::move(c), {});
}

int courbe(TzoneAffichage& zone, Tnom nom, std::string_view expression, double xDebut, double xFin,
           int nombre, Tcouleur couleur, int style, int largeur) {
    const TtraducteurCourbe traduire = traducteurCourbe();
    const int i = courbeFonction(zone, nom, traduire ? traduire(expression) : TfonctionCourbe{},
                                 xDebut, xFin, nombre, couleur, style, largeur);
    if (auto* c = dynamic_cast<TcourbeFigure*>(zone.objet(i))) {
        c->expression = texteutf8::couper(expression, longueurTexte);
    }
    return i;
}

int pointSurDroite(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double t, double dx, double dy,
                   Tcouleur couleur) {
    return pointConstruit(zone, TpointFigure::genreSurDroite, nom, dx, dy, couleur, {{a}, {b}},
                          {t});
}

int milieu(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double dx, double dy, Tcouleur couleur) {
    return pointSurDroite(zone, nom, a, b, 0.5, dx, dy, couleur);
}

int symetriqueCentral(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double dx, double dy,
                      Tcouleur couleur) {
    return pointSurDroite(zone, nom, a, b, -1, dx, dy, couleur);
}

int pointAffine(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tnom c, double u, double v,
                double dx, double dy, Tcouleur couleur) {
    return pointConstruit(zone, TpointFigure::genreAffine, nom, dx, dy, couleur, {{a}, {b}, {c}},
                          {u, v});
}

int quatriemeSommet(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tnom c, double dx, double dy,
                    Tcouleur couleur) {
    return pointAffine(zone, nom, a, b, c, 1, 1, dx, dy, couleur);
}

int pointTourne(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom m, double angle, double dx, double dy,
                Tcouleur couleur) {
    return pointConstruit(zone, TpointFigure::genreTourne, nom, dx, dy, couleur, {{o}, {m}},
                          {angle});
}

int pointTourneAngle(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom a, Tnom b, Tnom m, double dx,
                     double dy, Tcouleur couleur) {
    return pointConstruit(zone, TpointFigure::genreTourneAngle, nom, dx, dy, couleur,
                          {{o}, {a}, {b}, {m}});
}

int reportLongueur(TzoneAffichage& zone, Tnom nom, Tnom c, Tnom d, Tnom a, Tnom b, double dx,
                   double dy, Tcouleur couleur) {
    return pointConstruit(zone, TpointFigure::genreReportLongueur, nom, dx, dy, couleur,
                          {{c}, {d}, {a}, {b}});
}

int pointIntersectionDroites(TzoneAffichage& zone, Tnom nom, Tnom d1, Tnom d2, double dx, double dy,
                             Tcouleur couleur) {
    return pointConstruit(zone, TpointFigure::genreIntersectionDroites, nom, dx, dy, couleur,
                          {{d1, Tparent::droite}, {d2, Tparent::droite}});
}

int symetriqueAxe(TzoneAffichage& zone, Tnom nom, Tnom axe, Tnom m, double dx, double dy,
                  Tcouleur couleur) {
    return pointConstruit(zone, TpointFigure::genreSymetriqueAxe, nom, dx, dy, couleur,
                          {{axe, Tparent::droite}, {m}});
}

int pointIntersectionCercles(TzoneAffichage& zone, Tnom nom, Tnom c1, Tnom c2, double dx, double dy,
                             Tcouleur couleur) {
    return pointConstruit(zone, TpointFigure::genreIntersectionCercles, nom, dx, dy, couleur,
                          {{c1, Tparent::cercle}, {c2, Tparent::cercle}});
}

int pointIntersectionDroiteCercle(TzoneAffichage& zone, Tnom nom, Tnom d, Tnom c, double dx,
                                  double dy, Tcouleur couleur) {
    return pointConstruit(zone, TpointFigure::genreIntersectionDroiteCercle, nom, dx, dy, couleur,
                          {{d, Tparent::droite}, {c, Tparent::cercle}});
}

int mesureLongueur(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, int decimales, double dx,
                   double dy, Tcouleur couleur) {
    const int i = pointConstruit(zone, TpointFigure::genreMesureLongueur, nom, dx, dy, couleur,
                                 {{a}, {b}}, {static_cast<double>(decimales)});
    if (TobjetZone* p = zone.objet(i)) {
        p->taille = 1;
    }
    return i;
}

int mesureAngleAffichee(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom a, Tnom b, int decimales,
                        double dx, double dy, Tcouleur couleur) {
    const int i = pointConstruit(zone, TpointFigure::genreMesureAngle, nom, dx, dy, couleur,
                                 {{o}, {a}, {b}}, {static_cast<double>(decimales)});
    if (TobjetZone* p = zone.objet(i)) {
        p->taille = 1;
    }
    return i;
}

int centreCercleInscrit(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tnom c, double dx,
                        double dy, Tcouleur couleur) {
    return pointConstruit(zone, TpointFigure::genreCentreInscrit, nom, dx, dy, couleur,
                          {{a}, {b}, {c}});
}

int rayonDeveloppe(TzoneAffichage& zone, Tnom nom, Tnom k, Tnom j, Tnom arc, double dx, double dy,
                   Tcouleur couleur) {
    return pointConstruit(zone, TpointFigure::genreRayonDeveloppe, nom, dx, dy, couleur,
                          {{k}, {j}, {arc, Tparent::arc}});
}

int pointSurSegmentHorizontal(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y,
                              double xMin, double xMax, double pas, double dx, double dy) {
    auto p = nouveauPoint(TpointFigure::genreSurSegmentHorizontal, nom, dx, dy, couleur);
    p->x = x;
    p->y = y;
    p->parametres = {xMin, xMax, pas};
    p->mobile = true;
    return ajouterFigure(zone, nom, std::move(p), {}, true);
}

int pointSurGrille(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y,
                   double xMin, double xMax, double pasX, double yMin, double yMax, double pasY,
                   double dx, double dy) {
    auto p = nouveauPoint(TpointFigure::genreSurGrille, nom, dx, dy, couleur);
    p->x = x;
    p->y = y;
    p->parametres = {xMin, xMax, pasX, yMin, yMax, pasY};
    p->mobile = true;
    return ajouterFigure(zone, nom, std::move(p), {}, true);
}

int pointSurCercle(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double angleMin, double angleMax,
                   double pas, double angle, double dx, double dy, Tcouleur couleur) {
    const int i = pointConstruit(zone, TpointFigure::genreSurCercle, nom, dx, dy, couleur,
                                 {{a}, {b}}, {angleMin, angleMax, pas, angle});
    if (TobjetZone* p = zone.objet(i)) {
        p->mobile = true;
    }
    return i;
}

int choixPoint(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double dx, double dy,
               Tcouleur couleur, int choix) {
    const int i = pointConstruit(zone, TpointFigure::genreChoix, nom, dx, dy, couleur, {{a}, {b}},
                                 {choix == 1 ? 1.0 : 2.0});
    if (TobjetZone* p = zone.objet(i)) {
        p->mobile = true;
    }
    return i;
}

void changerEtiquette(TzoneAffichage& zone, Tnom nom, std::string_view texte) {
    if (TpointFigure* p = pointDeNom(zone, nom)) {
        p->etiquette = texteutf8::couper(texte, longueurTexte);
    }
}

std::string etiquetteObjet(const TzoneAffichage& zone, Tnom nom) {
    const TpointFigure* p = pointDeNom(zone, nom);
    return p != nullptr ? p->etiquette : std::string();
}

void decalerEtiquette(TzoneAffichage& zone, Tnom nom, double dx, double dy) {
    if (TpointFigure* p = pointDeNom(zone, nom)) {
        p->dxEtiquette = dx;
        p->dyEtiquette = dy;
    }
}

void tailleEtiquette(TzoneAffichage& zone, Tnom nom, int taille) {
    if (TpointFigure* p = pointDeNom(zone, nom)) {
        p->tailleEtiquette = taille;
    }
}

void modeEtiquette(TzoneAffichage& zone, Tnom nom, int mode) {
    if (TpointFigure* p = pointDeNom(zone, nom)) {
        p->modeEtiquette = mode;
    }
}

void rendreFixe(TzoneAffichage& zone, Tnom nom) {
    if (TpointFigure* p = pointDeNom(zone, nom)) {
        p->mobile = false;
    }
}

void rendreMobile(TzoneAffichage& zone, Tnom nom) {
    if (TpointFigure* p = pointDeNom(zone, nom);
        p != nullptr && TpointFigure::genreLibreDePosition(p->genre)) {
        p->mobile = true;
    }
}

double abscisseObjet(const TzoneAffichage& zone, Tnom nom) {
    const TpointFigure* p = pointDeNom(zone, nom);
    return p != nullptr ? p->x : 0;
}

double ordonneeObjet(const TzoneAffichage& zone, Tnom nom) {
    const TpointFigure* p = pointDeNom(zone, nom);
    return p != nullptr ? p->y : 0;
}

void placerPoint(TzoneAffichage& zone, Tnom nom, double x, double y) {
    const int i = indiceObjet(zone, nom);
    auto* p = dynamic_cast<TpointFigure*>(zone.objet(i));
    if (p == nullptr || !TpointFigure::genreLibreDePosition(p->genre) || !std::isfinite(x) ||
        !std::isfinite(y)) {
        return;
    }
    if (p->genre == TpointFigure::genreSurCercle) {
        p->parametres[3] = x;
    } else if (p->genre == TpointFigure::genreChoix) {
        deplacer(zone, *p, x, y);
    } else {
        p->x = x;
        p->y = y;
    }
    recalculerDepuis(zone, i);
}

void placerSurPoint(TzoneAffichage& zone, Tnom nom, Tnom autre) {
    if (const TpointFigure* q = pointDeNom(static_cast<const TzoneAffichage&>(zone), autre)) {
        placerPoint(zone, nom, q->x, q->y);
    }
}

void recalculerObjet(TzoneAffichage& zone, int indice) {
    if (auto* f = dynamic_cast<TobjetFigure*>(zone.objet(indice))) {
        f->recalculer(zone);
    }
}

void recalculerDepuis(TzoneAffichage& zone, int indice) {
    for (int i = std::max(indice, 1); i <= zone.nombreObjets(); ++i) {
        recalculerObjet(zone, i);
    }
}

void deplacerPointSaisi(TzoneAffichage& zone) {
    auto* p = dynamic_cast<TpointFigure*>(zone.objet(zone.objetSaisi));
    if (p == nullptr || !p->mobile) {
        return;
    }
    if (deplacer(zone, *p, zone.sourisReelX, zone.sourisReelY)) {
        recalculerDepuis(zone, zone.objetSaisi);
        rafraichirZone(zone);
    }
}
