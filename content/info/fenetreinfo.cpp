#include "content/info/fenetreinfo.h"

#include "content/index/renvoisindex.h"
#include "core/donneescommunes.h"

#include <cmath>

bool infoOuverte = false;

namespace {

struct TtailleFiche {
    int fiche;
    double colonnes;
    double lignes;
};

constexpr TtailleFiche tailles[] = {
    {1997, 51, 14.9}, {1998, 61, 20},   {1999, 38, 11},     {2875, 46, 8.5},
    {2876, 40, 8},    {2877, 39, 10.5}, {2878, 46.5, 12.5}, {2879, 38.5, 16.5},
    {2880, 80, 18},   {2881, 44, 12.5}, {2882, 40, 5.5},
};
constexpr TtailleFiche tailleAutre{0, 30, 5};

} // namespace

ThoteInfo& hoteInfo() {
    static ThoteInfo hote;
    return hote;
}

void tailleInfo(TdonneesCommunes& d, int identifiant) {
    const int fiche = aliasInfo(identifiant);
    TtailleFiche taille = tailleAutre;
    for (const TtailleFiche& t : tailles) {
        if (t.fiche == fiche) {
            taille = t;
        }
    }
    d.largeurInfo = static_cast<int>(std::lround(taille.colonnes * 8));
    d.hauteurInfo = static_cast<int>(std::lround(taille.lignes * 18));
}

void montrerInfo(TdonneesCommunes& d, int identifiant) {
    tailleInfo(d, identifiant);
    if (const auto& montrer = hoteInfo().montrer) {
        montrer(d, identifiant);
    }
}

void fermerInfo() {
    infoOuverte = false;
    if (const auto& fermer = hoteInfo().fermer) {
        fermer();
    }
}

TplaceInfo placerInfo(int pointX, int pointY, int largeur, int hauteur, const Trectangle& bureau) {
    TplaceInfo p;
    p.placeADroite = pointX + largeur + 8 < bureau.droite();
    p.placeAGauche = bureau.gauche < pointX - largeur - 4;
    p.placeEnBas = pointY + hauteur + 16 < bureau.bas();
    p.placeEnHaut = bureau.haut < pointY - hauteur - 4;
    if (!p.placeADroite && !p.placeAGauche && !p.placeEnBas && !p.placeEnHaut) {
        p.gauche = 20;
        p.haut = 20;
        return p;
    }
    p.gauche = p.placeADroite   ? pointX + 8
               : p.placeAGauche ? pointX - largeur - 4
                                : bureau.gauche + (bureau.largeur - largeur) / 2;
    p.haut = p.placeEnBas    ? pointY + 16
             : p.placeEnHaut ? pointY - hauteur - 4
                             : bureau.haut + (bureau.hauteur - hauteur) / 2;
    return p;
}

TplaceInfo placerBilan(const Trectangle& classeur, int largeur) {
    TplaceInfo p;
    p.gauche = classeur.gauche + classeur.largeur - largeur - 2;
    p.haut = classeur.haut + 127;
    return p;
}
