#include "display/tableaux/objetdiagramme.h"

#include "analysis/texte/texteutf8.h"
#include "display/tableaux/decoupage.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/pixel.h"
#include "display/zones/zoneaffichage.h"

#include <QPainter>
#include <QPoint>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace {

constexpr Tcouleur bleu = 0x0000FF;
constexpr Tcouleur noir = 0x000000;
// Distance (en pixels, sur chaque axe) sous laquelle la souris saisit une poignée.
constexpr double portee = 7;
// Plus petit secteur qu'un glisser laisse, et marge d'accrochage d'une limite, en degrés.
constexpr long long secteurMinimal = 5;
constexpr long long accrochage = 3;

// Arrondi au plus proche, égalité vers le pair, dans une plage bornée : une donnée démesurée
// ne déborde jamais un entier.
int arrondi(double v) {
    if (!(v == v)) {
        return 0;
    }
    return static_cast<int>(std::nearbyint(std::clamp(v, -1.0e6, 1.0e6)));
}

double radians(double degres) {
    return degres * std::numbers::pi / 180.0;
}

// Somme des valeurs 1..k, sans débordement quelles que soient les valeurs posées.
long long somme(const std::array<int, Tdiagramme::categoriesMaximum>& valeurs, int k) {
    long long s = 0;
    for (int i = 0; i < k; ++i) {
        s += valeurs[static_cast<std::size_t>(i)];
    }
    return s;
}

void curseur(TzoneAffichage& zone, Tcurseur forme) {
    if (zone.boite != nullptr && zone.boite->changerCurseur) {
        zone.boite->changerCurseur(forme);
    }
}

void poigneeBleue(Tcanevas& c, double x, double y) {
    const int px = enPixel(x);
    const int py = enPixel(y);
    c.definirCrayon(bleu, 1);
    c.definirPinceau(bleu);
    c.rectangle(px - 2, py - 2, px + 3, py + 3);
    c.pinceauVide();
}

} // namespace

Tdiagramme::Tdiagramme() : TobjetZone(genreDiagramme, Tclasse::diagramme) {}

void Tdiagramme::calculerGeometrie(int largeur, int hauteur) {
    nbCategories = std::clamp(nbCategories, 1, categoriesMaximum);
    const int n = nbCategories;
    const double w = largeur;
    const double h = hauteur;
    for (int k = 0; k < categoriesMaximum; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (n >= 4) {
            xLegende[i] = k % 2 == 0 ? 5 : w / 2 + 2.5;
            yLegende[i] = 5 + 25 * (k / 2);
        } else {
            xLegende[i] = 5;
            yLegende[i] = 5 + 25 * std::min(k, 2);
        }
    }
    const double basLegende = yLegende[static_cast<std::size_t>(n - 1)] + 20;
    total = static_cast<int>(std::clamp<long long>(somme(valeurs, n), -1000000000, 1000000000));

    xAxe = 20;
    yBase = h - 10;
    unite = (yBase - basLegende - 25) / hauteurMaximale;
    const double pas = (w - xAxe) / (n + 1);
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        xBarre[i] = xAxe + (k + 1) * pas;
        yBarre[i] = yBase - unite * std::clamp(valeurs[i], 0, hauteurMaximale);
    }

    xCentre = w / 2;
    yCentre = (h + basLegende) / 2;
    rayon = std::max(0.0, h - yCentre - 15);
    // Les limites affichées : une valeur négative ne recule pas, le cumul reste dans 0..360.
    double angle = 0;
    for (int k = 0; k <= n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (k > 0) {
            angle = std::min(360.0, angle + std::max(0, valeurs[i - 1]));
        }
        const double a = radians(std::fmod(angle, 360.0));
        xLimite[i] = xCentre + rayon * std::cos(a);
        yLimite[i] = yCentre - rayon * std::sin(a);
    }
}

int Tdiagramme::poigneeSous(double x, double y) const {
    const auto proche = [x, y](double px, double py) {
        return std::abs(x - px) < portee && std::abs(y - py) < portee;
    };
    if (typeDiagramme == barres) {
        for (int k = 1; k <= nbCategories; ++k) {
            const auto i = static_cast<std::size_t>(k - 1);
            if (proche(xBarre[i], yBarre[i])) {
                return k;
            }
        }
    } else {
        for (int k = 1; k < nbCategories; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (proche(xLimite[i], yLimite[i])) {
                return k;
            }
        }
    }
    return 0;
}

bool Tdiagramme::tirer(TzoneAffichage& zone, int x, int y) {
    const int k = poignee;
    if (typeDiagramme == barres) {
        if (k < 1 || k > nbCategories || !(unite > 0)) {
            return false;
        }
        const int v = std::clamp(arrondi((yBase - y) / unite), 0, hauteurMaximale);
        int& valeur = valeurs[static_cast<std::size_t>(k - 1)];
        if (v == valeur) {
            return false;
        }
        valeur = v;
    } else {
        if (k < 1 || k >= nbCategories) {
            return false;
        }
        const double dx = x - xCentre;
        const double dy = yCentre - y;
        if (dx == 0 && dy == 0) {
            return false;
        }
        double degres = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
        if (degres < 0) {
            degres += 360;
        }
        long long g = arrondi(degres);
        const long long bas = (k == 1 ? 0 : somme(valeurs, k - 1)) + secteurMinimal;
        const long long haut =
            k + 1 == nbCategories ? 360 - secteurMinimal : somme(valeurs, k + 1) - secteurMinimal;
        if (bas > haut || g < bas - accrochage || g > haut + accrochage) {
            return false;
        }
        g = std::clamp(g, bas, haut);
        const long long d = g - somme(valeurs, k);
        const long long gauche = valeurs[static_cast<std::size_t>(k - 1)] + d;
        const long long droite = valeurs[static_cast<std::size_t>(k)] - d;
        if (d == 0 || std::abs(gauche) > 360 || std::abs(droite) > 360) {
            return false;
        }
        valeurs[static_cast<std::size_t>(k - 1)] = static_cast<int>(gauche);
        valeurs[static_cast<std::size_t>(k)] = static_cast<int>(droite);
    }
    calculerGeometrie(zone.largeur, zone.hauteur);
    return true;
}

void Tdiagramme::choisirCurseur(TzoneAffichage& zone, int x, int y) const {
    if (poigneeSous(x, y) == 0) {
        curseur(zone, Tcurseur::defaut);
    } else {
        curseur(zone, typeDiagramme == barres ? Tcurseur::redimensionVertical : Tcurseur::croix);
    }
}

void Tdiagramme::souris(TzoneAffichage& zone, int x, int y, int action) {
    if (!visible || fige || indefini) {
        return;
    }
    calculerGeometrie(zone.largeur, zone.hauteur);
    switch (action) {
    case 1:
        poignee = poigneeSous(x, y);
        choisirCurseur(zone, x, y);
        break;
    case 2:
        if (poignee != 0 && tirer(zone, x, y)) {
            rafraichirZone(zone);
        }
        poignee = 0;
        choisirCurseur(zone, x, y);
        break;
    case 3:
        if (poignee != 0) {
            if (tirer(zone, x, y)) {
                rafraichirZone(zone);
            }
        } else {
            choisirCurseur(zone, x, y);
        }
        break;
    default:
        break;
    }
}

void Tdiagramme::peindre(Tcanevas& c, TzoneAffichage& zone) {
    calculerGeometrie(zone.largeur, zone.hauteur);
    const int n = nbCategories;
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const int x = enPixel(xLegende[i]);
        const int y = enPixel(yLegende[i]);
        c.definirCrayon(noir, 1);
        c.definirPinceau(couleurs[i]);
        c.rectangleArrondi(x, y, x + 33, y + 20, 16);
        c.pinceauVide();
        dessinerTextePixel(c, libelles[i], x + 38, y + 2);
        if (typeDiagramme == secteurs) {
            const std::string angle = std::to_string(valeurs[i]);
            const int decalage = angle.size() == 1 ? 10 : angle.size() == 2 ? 6 : 3;
            dessinerTextePixel(c, angle + "\u00b0", x + decalage, y + 2);
        }
    }

    if (typeDiagramme == barres) {
        const int gauche = enPixel(xAxe);
        const int droite = zone.largeur - 5;
        const auto yGraduation = [this](int i) { return enPixel(yBase - i * unite); };
        c.definirCrayon(0xE0E0E0, 1);
        for (int i = 1; i <= hauteurMaximale; ++i) {
            c.ligne(gauche, yGraduation(i), droite, yGraduation(i));
        }
        c.definirCrayon(0x808080, 1);
        for (int i = 5; i <= hauteurMaximale; i += 5) {
            c.ligne(gauche, yGraduation(i), droite, yGraduation(i));
        }
        const int base = enPixel(yBase);
        const int sommet = enPixel(yBase - hauteurMaximale * unite);
        c.definirCrayon(noir, 1);
        c.ligne(gauche, base, droite, base);
        c.ligne(gauche, sommet - 5, gauche, base);
        dessinerTextePixel(c, titre, gauche + 2, sommet - 18);
        for (int i = 5; i <= hauteurMaximale; i += 5) {
            dessinerTextePixel(c, std::to_string(i), gauche - (i == 5 ? 10 : 17),
                               yGraduation(i) - 7);
        }
        for (int k = 0; k < n; ++k) {
            const auto i = static_cast<std::size_t>(k);
            const int x = enPixel(xBarre[i]);
            c.definirCrayon(noir, 1);
            c.definirPinceau(couleurs[i]);
            c.rectangle(x - 8, enPixel(yBarre[i]), x + 8, base);
            c.pinceauVide();
            if (!fige) {
                poigneeBleue(c, xBarre[i], yBarre[i]);
            }
        }
        return;
    }

    const int cx = enPixel(xCentre);
    const int cy = enPixel(yCentre);
    const int r = enPixel(rayon);
    if (r >= 1) {
        QPainter& p = c.peintre();
        const QRectF disque(cx - r, cy - r, 2 * r, 2 * r);
        double debut = 0;
        for (int k = 0; k < n; ++k) {
            const auto i = static_cast<std::size_t>(k);
            const double fin = std::min(360.0, debut + std::max(0, valeurs[i]));
            if (fin > debut) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(QRgb(0xFF000000u | couleurs[i])));
                p.drawPie(disque, arrondi(debut * 16), arrondi((fin - debut) * 16));
                p.setBrush(Qt::NoBrush);
            }
            debut = fin;
        }
    }
    // Les limites sont posées depuis le centre arrondi au pixel, pour que deux limites de même
    // angle (0 et 360 degrés) tombent sur le même rayon.
    const auto limite = [&](int k) {
        const auto i = static_cast<std::size_t>(k);
        return QPoint(cx + enPixel(xLimite[i] - xCentre), cy + enPixel(yLimite[i] - yCentre));
    };
    c.definirCrayon(noir, 1);
    for (int k = 0; k <= n; ++k) {
        c.ligne(cx, cy, limite(k).x(), limite(k).y());
    }
    c.pinceauVide();
    c.ellipse(cx - r, cy - r, cx + r + 1, cy + r + 1);
    if (!fige) {
        for (int k = 1; k < n; ++k) {
            poigneeBleue(c, limite(k).x(), limite(k).y());
        }
    }
}

int diagramme(TzoneAffichage& zone, int categories, std::string_view valeurs,
              std::string_view libelles, int type, bool fige) {
    if (categories < 1 || categories > Tdiagramme::categoriesMaximum ||
        (type != Tdiagramme::barres && type != Tdiagramme::secteurs) ||
        zone.objet(zone.indexDiagramme) != nullptr) {
        return 0;
    }
    auto d = std::make_unique<Tdiagramme>();
    d->nbCategories = categories;
    d->typeDiagramme = type;
    d->fige = fige;
    const std::vector<double> lues = lireReels(valeurs, categories);
    int cumul = 0;
    for (int k = 0; k < categories; ++k) {
        int& v = d->valeurs[static_cast<std::size_t>(k)];
        const int lue = arrondi(lues[static_cast<std::size_t>(k)]);
        if (type == Tdiagramme::barres) {
            v = std::clamp(lue, 0, Tdiagramme::hauteurMaximale);
        } else {
            // Chaque secteur reste dans ce que les précédents laissent des 360 degrés.
            v = k + 1 == categories ? 360 - cumul : std::clamp(lue, 0, 360 - cumul);
            cumul += v;
        }
    }
    const std::vector<std::string_view> morceaux = decouper(libelles, '\\');
    for (std::size_t k = 0; k < static_cast<std::size_t>(categories) && k < morceaux.size(); ++k) {
        d->libelles[k] = texteutf8::couper(morceaux[k], Tdiagramme::longueurLibelle);
    }
    if (morceaux.size() > static_cast<std::size_t>(categories)) {
        d->titre = texteutf8::couper(morceaux.back(), Tdiagramme::longueurLibelle);
    }
    d->calculerGeometrie(zone.largeur, zone.hauteur);
    const int indice = ajouterObjet(zone, "Diagramme", std::move(d));
    if (indice != 0) {
        zone.indexDiagramme = indice;
    }
    return indice;
}

void sourisDiagramme(TzoneAffichage& zone, int x, int y, int action) {
    if (auto* d = dynamic_cast<Tdiagramme*>(zone.objet(zone.indexDiagramme))) {
        d->souris(zone, x, y, action);
    }
}
