#pragma once

// Objet de genre 18 : une image lue dans un fichier du dossier du programme, dessinée sans
// mise à l'échelle avec son coin haut-gauche en (x, y). L'objet possède l'image.

#include "display/zones/objetzone.h"

#include <QImage>

class Timage : public TobjetZone {
public:
    static constexpr int genreImage = 18;

    Timage();
    void peindre(Tcanevas& canevas, TzoneAffichage& zone) override;

    double x = 0;
    double y = 0;
    QImage image;
    std::string fichier;
};
