#include "tools/banc/imageexercice.h"

#include "core/clelien.h"
#include "core/controles/champsaisie.h"
#include "core/donneescommunes.h"
#include "core/exercice/cases.h"
#include "core/plateforme/plateforme.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"
#include "tools/banc/applicationqt.h"
#include "tools/banc/arguments.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int largeurImage = 800;
constexpr int ecart = 10;
// Le haut d'un champ dans la zone de l'énoncé : son panneau commence 27 pixels plus haut.
constexpr int decalageChamps = 27;

int hauteurBoite(const TzoneAffichage& zone) {
    return zone.boite != nullptr ? zone.boite->hauteur : 0;
}

void dessinerChamps(TdonneesCommunes& d, QPainter& peintre) {
    for (int k = 1; k <= std::min<int>(d.nombreChamps, 3); ++k) {
        const TchampSaisie* champ = champReponse(d, k);
        if (champ == nullptr || !champ->visible) {
            continue;
        }
        const QRect cadre(champ->gauche, d.hautChamp[k] - decalageChamps, champ->largeur, 21);
        peintre.fillRect(cadre, Qt::white);
        peintre.setPen(Qt::gray);
        peintre.drawRect(cadre);
        peintre.setPen(Qt::black);
        peintre.drawText(cadre.adjusted(3, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::fromStdString(champ->texte));
    }
}

} // namespace

void dessinerExercicePng(TdonneesCommunes& d, const std::string& png) {
    assurerApplication();
    installerResolveurCles(&identifiantDeCle);
    const int hautEnonce = d.zoneEnonce ? std::max(hauteurBoite(*d.zoneEnonce), 290) : 290;
    const int hautSolution = d.zoneSolution ? hauteurBoite(*d.zoneSolution) : 0;
    QImage image(largeurImage, hautEnonce + ecart + hautSolution, QImage::Format_RGB32);
    image.fill(QColor(0xE0, 0xE0, 0xE0));
    {
        QPainter peintre(&image);
        peintre.setClipRect(0, 0, largeurImage, hautEnonce);
        peintre.fillRect(0, 0, largeurImage, hautEnonce, QColor(0xFF, 0xFF, 0xF0));
        if (d.zoneEnonce) {
            dessinerZone(*d.zoneEnonce, peintre);
            Tcanevas canevas(peintre);
            dessinerCases(d, canevas);
        }
        if (d.zoneFigure && d.zoneFigure->boite != nullptr && d.zoneFigure->boite->visible) {
            const Trectangle r =
                d.plateforme != nullptr
                    ? d.plateforme->rectangleBoite(*d.zoneFigure->boite)
                    : Trectangle{0, 0, d.zoneFigure->boite->largeur, d.zoneFigure->boite->hauteur};
            peintre.save();
            peintre.translate(r.gauche, r.haut);
            peintre.setClipRect(0, 0, r.largeur, r.hauteur);
            dessinerZone(*d.zoneFigure, peintre);
            peintre.restore();
        }
        dessinerChamps(d, peintre);
        if (d.zoneSolution) {
            peintre.setClipping(false);
            peintre.translate(0, hautEnonce + ecart);
            dessinerZone(*d.zoneSolution, peintre);
        }
    }
    if (!image.save(QString::fromStdString(png), "PNG")) {
        throw ErreurArguments("impossible d'écrire « " + png + " »");
    }
}
