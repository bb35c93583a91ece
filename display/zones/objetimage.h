#pragma once

// Objet de genre 18 : une image lue dans un fichier du dossier du programme, dessinée sans
// mise à l'échelle avec son coin haut-gauche en (x, y). L'objet possède l'image. Sur un écran
// de densité 2, l'image double voisine (« nom@2x.jpg » pour « nom.jpg »), lue au premier
// dessin, est peinte à sa place à la même taille logique, pour rester nette.

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
    std::string chemin; // chemin complet du fichier lu

    // Nom de l'image double d'un fichier : « @2x » avant l'extension.
    static std::string cheminDouble(const std::string& chemin);

private:
    const QImage* imagePour(double densite);

    QImage imageDouble_;
    bool doubleCherchee_ = false;
};
