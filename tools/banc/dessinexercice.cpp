#include "dessinexercice.h"

#include "applicationqt.h"
#include "boitepeinture.h"
#include "canevas.h"
#include "cases.h"
#include "donneescommunes.h"
#include "plateforme.h"
#include "zoneaffichage.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

// Rectangle de la boîte d'une zone tel que la plateforme le connaît ; une boîte jamais
// placée se met en (0 ; 0) à sa taille.
Trectangle rectangleZone(const TdonneesCommunes& d, const TzoneAffichage& zone) {
    Trectangle r;
    if (d.plateforme != nullptr && zone.boite != nullptr) {
        r = d.plateforme->rectangleBoite(*zone.boite);
    }
    if (r.largeur <= 0 || r.hauteur <= 0) {
        r = {0, 0, zone.largeur, zone.hauteur};
    }
    return r;
}

void peindre(QPainter& peintre, TzoneAffichage& zone, int gauche, int haut) {
    peintre.save();
    peintre.translate(gauche, haut);
    peintre.setClipRect(0, 0, zone.largeur, zone.hauteur);
    dessinerZone(zone, peintre);
    peintre.restore();
}

} // namespace

void dimensionnerEnonceCommeLaFenetre(TdonneesCommunes& d) {
    if (!d.zoneEnonce || d.zoneEnonce->boite == nullptr) {
        return;
    }
    constexpr int largeur = 780;
    constexpr int hauteur = 271;
    d.zoneEnonce->boite->largeur = largeur;
    d.zoneEnonce->boite->hauteur = hauteur;
    d.zoneEnonce->largeur = largeur;
    d.zoneEnonce->hauteur = hauteur;
    if (d.plateforme != nullptr) {
        d.plateforme->placerBoite(*d.zoneEnonce->boite, {0, 0, largeur, hauteur});
    }
}

bool dessinerZonesExercice(const TdonneesCommunes& d, const std::string& png) {
    if (!d.zoneEnonce || !d.zoneFigure || !d.zoneSolution) {
        return false;
    }
    assurerApplicationQt();
    const Trectangle enonce = rectangleZone(d, *d.zoneEnonce);
    const Trectangle figure = rectangleZone(d, *d.zoneFigure);
    const bool figureVisible = d.zoneFigure->boite != nullptr && d.zoneFigure->boite->visible &&
                               d.zoneFigure->nombreObjets() > 0;
    const int largeur =
        std::max({enonce.droite(), figureVisible ? figure.droite() : 0, d.zoneSolution->largeur});
    const int haut = std::max(enonce.bas(), figureVisible ? figure.bas() : 0);
    QImage image(largeur, haut + 10 + d.zoneSolution->hauteur, QImage::Format_RGB32);
    image.fill(Qt::lightGray);
    {
        QPainter peintre(&image);
        peindre(peintre, *d.zoneEnonce, enonce.gauche, enonce.haut);
        peintre.save();
        peintre.translate(enonce.gauche, enonce.haut);
        Tcanevas canevas(peintre);
        dessinerCases(d, canevas);
        peintre.restore();
        if (figureVisible) {
            peindre(peintre, *d.zoneFigure, figure.gauche, figure.haut);
        }
        peindre(peintre, *d.zoneSolution, 0, haut + 10);
    }
    return image.save(QString::fromStdString(png), "PNG");
}
