#pragma once

// Outils des tests de dessin : une image blanche, un texte balisé dessiné dessus, la lecture
// de l'encre d'un pixel et la comparaison de deux régions d'images.

#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
#include "display/texte/zonescliquables.h"

#include <QImage>
#include <QPainter>
#include <string>

struct Dessin {
    QImage image;
    double finX = 0;
    TzonesCliquables liste;
};

inline QImage imageBlanche(int largeur = 800, int hauteur = 100) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Dessine le texte balisé en (x, y), noir, style normal ; avecListe rend une liste de zones
// cliquables courante pendant le dessin.
inline Dessin dessiner(const std::string& texte, double x = 10, double y = 20, int taille = 12,
                       bool avecListe = false) {
    Dessin d;
    d.image = imageBlanche();
    viderZonesCliquables(d.liste, 0xFFFFFF);
    QPainter peintre(&d.image);
    Tcanevas canevas(peintre);
    if (avecListe) {
        definirListeCourante(&d.liste);
    }
    d.finX = x;
    dessinerTexteMarque(canevas, texte, d.finX, y, 0x000000, 11, taille);
    definirListeCourante(nullptr);
    return d;
}

// Mesure d'un texte simple dans la police Times New Roman de la taille donnée.
inline int largeur(const QString& texte, int taille = 12) {
    QImage image = imageBlanche(10, 10);
    QPainter peintre(&image);
    Tcanevas canevas(peintre);
    canevas.definirTaillePolice(taille);
    return canevas.largeurTexte(texte);
}

inline int hauteurTexte(int taille = 12) {
    QImage image = imageBlanche(10, 10);
    QPainter peintre(&image);
    Tcanevas canevas(peintre);
    canevas.definirTaillePolice(taille);
    return canevas.hauteurTexte();
}

inline bool encre(const QImage& image, int x, int y) {
    return image.valid(x, y) && image.pixel(x, y) != qRgb(255, 255, 255);
}

// Vrai quand la région r de a est identique, pixel à pixel, à la même région de b.
inline bool memeRegion(const QImage& a, const QImage& b, const QRect& r) {
    return a.copy(r) == b.copy(r);
}

// Vrai quand la région r ne porte aucune encre.
inline bool regionBlanche(const QImage& image, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (encre(image, x, y)) {
                return false;
            }
        }
    }
    return true;
}
