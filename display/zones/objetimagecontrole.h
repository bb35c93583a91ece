#pragma once

// Objet de genre 25 : l'image d'un contrôle de la fenêtre principale, dessinée sans mise à
// l'échelle en (x, y). L'objet ne possède pas l'image : il désigne celle que tient le
// contrôle, qui vit aussi longtemps que la fenêtre.

#include "display/zones/objetzone.h"

class QImage;

class TimageControle : public TobjetZone {
public:
    static constexpr int genreImageControle = 25;

    TimageControle();
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;

    double x = 0;
    double y = 0;
    const QImage* controle = nullptr;
};
