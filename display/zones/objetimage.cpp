#include "display/zones/objetimage.h"

#include "display/texte/canevas.h"
#include "display/zones/pixel.h"

#include <QPainter>

Timage::Timage() : TobjetZone(genreImage, Tclasse::image) {}

void Timage::peindre(Tcanevas& canevas, TzoneAffichage&) {
    if (image.isNull()) {
        return;
    }
    canevas.peintre().drawImage(QPoint(enPixel(x), enPixel(y)), image);
}
