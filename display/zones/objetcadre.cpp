#include "display/zones/objetcadre.h"

#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
#include "display/texte/zonescliquables.h"
#include "display/zones/pixel.h"

namespace {

// Boîte remplie au contour d'un pixel, bords droit et bas repassés sur 3 pixels.
void boiteOmbree(Tcanevas& c, int g, int h, int d, int b, Tcouleur fond, Tcouleur contour) {
    c.definirCrayon(contour, 1);
    c.definirPinceau(fond);
    c.rectangle(g, h, d, b);
    c.definirCrayon(contour, 3);
    c.ligne(d - 1, h, d - 1, b);
    c.ligne(g, b - 1, d, b - 1);
}

// Encadré à onglet : boîte sous l'onglet, onglet plein, légende blanche.
void encadreAOnglet(Tcanevas& c, int x, int y, int w, int h, Tcouleur teinte, int largeurOnglet,
                    int basOnglet, const char* legende, int taille, int yLegende) {
    boiteOmbree(c, x, y + 8, x + w, y + 8 + h, 0xFFFFFF, teinte);
    c.definirCrayon(teinte, 1);
    c.definirPinceau(teinte);
    c.rectangle(x, y - 1, x + largeurOnglet, basOnglet);
    double plume = x + 8;
    dessinerTexteMarque(c, legende, plume, yLegende, 0xFFFFFF, 11, taille);
}

void inscrire(int cible, int g, int h, int d, int b) {
    if (TzonesCliquables* liste = listeCourante()) {
        ajouterZoneCliquable(*liste, cible, g, h, d, b);
    }
}

} // namespace

Tcadre::Tcadre() : TobjetZone(genreCadre, Tclasse::cadre) {}

void Tcadre::peindre(Tcanevas& c, TzoneAffichage&) {
    const int px = enPixel(x);
    const int py = enPixel(y);
    const int w = enPixel(largeurCadre);
    const int h = enPixel(hauteurCadre);
    switch (styleCadre) {
    case 1:
        encadreAOnglet(c, px, py, w, h, 0xFA7905, 88, py + 20, "$g$HPropri\u00e9t\u00e9", 12,
                       py - 1);
        break;
    case 2:
        boiteOmbree(c, px, py, px + w, py + h, 0xFFFFFF, 0xFA7905);
        break;
    case 6:
        encadreAOnglet(c, px, py, w, h, 0x109102, 71, py + 21, "$g$H\u00c9nonc\u00e9", 11, py + 1);
        break;
    case 8:
        c.definirCrayon(0x0000FF, 2);
        c.ligne(px, py, px + w, py);
        inscrire(cible, px, py - h, px + w, py);
        break;
    case 10:
        encadreAOnglet(c, px, py, w, h, 0x00B2F6, 68, py + 20, "$g$HAction", 12, py - 1);
        break;
    case 11: {
        c.pinceauVide();
        c.definirCrayon(0x000000, 2);
        c.rectangleArrondi(px + 2, py + 1, px + w + 2, py + h + 2, 16);
        c.rectangleArrondi(px + 1, py, px + w + 1, py + h + 1, 16);
        c.definirCrayon(0x000000, 1);
        c.definirPinceau(0x00B2F6);
        c.rectangleArrondi(px, py - 1, px + w, py + h, 16);
        double plume = px + 6;
        dessinerTexteMarque(c, "$g$H" + legende, plume, py + 1, 0xFFFFFF, 11, 11);
        xPlume = plume;
        inscrire(cible, px, py, px + w, py + h);
        break;
    }
    case 12: {
        boiteOmbree(c, px, py, px + w, py + h, 0xE0FFE0, 0x000000);
        double plume = px + 5;
        dessinerTexteMarque(c, "$g$H?", plume, py + 2, 0x000000, 11, 12);
        inscrire(cible, px, py, px + w, py + h);
        break;
    }
    case 13:
        c.definirCrayon(0x000000, 1, Qt::NoPen);
        c.definirPinceau(0xC0C0C0);
        c.rectangle(px, py, px + w, py + h);
        c.pinceauVide();
        c.definirCrayon(0x000000, 3);
        c.rectangle(px, py, px + w, py + h);
        break;
    default:
        break;
    }
    c.pinceauVide();
}
