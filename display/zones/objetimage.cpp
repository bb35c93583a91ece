#include "display/zones/objetimage.h"

#include "display/texte/canevas.h"
#include "display/zones/pixel.h"

#include <QPainter>

Timage::Timage() : TobjetZone(genreImage, Tclasse::image) {}

std::string Timage::cheminDouble(const std::string& chemin) {
    const std::size_t point = chemin.rfind('.');
    const std::size_t barre = chemin.find_last_of("/\\");
    if (point == std::string::npos || (barre != std::string::npos && point < barre)) {
        return chemin + "@2x";
    }
    return chemin.substr(0, point) + "@2x" + chemin.substr(point);
}

// L'image à peindre pour la densité de la surface : la double quand la densité atteint 2 et
// qu'elle existe au double exact de la taille de l'image, sinon l'image elle-même.
const QImage* Timage::imagePour(double densite) {
    if (densite < 1.5 || chemin.empty()) {
        return &image;
    }
    if (!doubleCherchee_) {
        doubleCherchee_ = true;
        QImage lue;
        if (lue.load(QString::fromStdString(cheminDouble(chemin))) &&
            lue.size() == image.size() * 2) {
            lue.setDevicePixelRatio(2);
            imageDouble_ = std::move(lue);
        }
    }
    return imageDouble_.isNull() ? &image : &imageDouble_;
}

void Timage::peindre(Tcanevas& canevas, TzoneAffichage&) {
    if (image.isNull()) {
        return;
    }
    QPainter& peintre = canevas.peintre();
    const double densite = peintre.device() != nullptr ? peintre.device()->devicePixelRatio() : 1;
    peintre.drawImage(QPoint(enPixel(x), enPixel(y)), *imagePour(densite));
}
