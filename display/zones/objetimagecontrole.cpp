#include "display/zones/objetimagecontrole.h"

#include "display/texte/canevas.h"
#include "display/zones/pixel.h"

#include <QImage>
#include <QPainter>

TimageControle::TimageControle() : TobjetZone(genreImageControle, Tclasse::imageControle) {}

void TimageControle::peindre(Tcanevas& canevas, TzoneAffichage&) {
    if (controle == nullptr || controle->isNull()) {
        return;
    }
    canevas.peintre().drawImage(QPoint(enPixel(x), enPixel(y)), *controle);
}
