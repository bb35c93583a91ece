#include "objetimagecontrole.h"

#include "canevas.h"
#include "pixel.h"

#include <QImage>

TimageControle::TimageControle() : TobjetZone(genreImageControle, Tclasse::imageControle) {}

void TimageControle::peindre(Tcanevas& canevas, TzoneAffichage&) {
    if (controle == nullptr || controle->isNull()) {
        return;
    }
    canevas.peintre().drawImage(QPoint(enPixel(x), enPixel(y)), *controle);
}
