#include "objetimage.h"

#include "canevas.h"
#include "pixel.h"

Timage::Timage() : TobjetZone(genreImage, Tclasse::image) {}

void Timage::peindre(Tcanevas& canevas, TzoneAffichage&) {
    if (image.isNull()) {
        return;
    }
    canevas.peintre().drawImage(QPoint(enPixel(x), enPixel(y)), image);
}
