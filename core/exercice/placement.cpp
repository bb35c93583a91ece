#include "core/exercice/placement.h"

#include "core/donneescommunes.h"
#include "core/plateforme/plateforme.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"

namespace {

constexpr int retrait = 5;

Trectangle rectangleDe(TdonneesCommunes& d, const std::unique_ptr<TzoneAffichage>& zone) {
    if (!zone || zone->boite == nullptr) {
        return {};
    }
    if (d.plateforme != nullptr) {
        return d.plateforme->rectangleBoite(*zone->boite);
    }
    return {0, 0, zone->boite->largeur, zone->boite->hauteur};
}

} // namespace

void placerZone(TdonneesCommunes& d, TzoneAffichage& zone, int gauche, int haut, int largeur,
                int hauteur) {
    if (zone.boite != nullptr) {
        TboitePeinture& boite = *zone.boite;
        boite.visible = false;
        if (d.plateforme != nullptr) {
            d.plateforme->placerBoite(boite, {gauche, haut, largeur, hauteur});
        }
        boite.largeur = largeur;
        boite.hauteur = hauteur;
        boite.visible = true;
    }
    viderZone(zone);
}

void placerFigureSolution(TdonneesCommunes& d, int largeur) {
    if (!d.zoneFigureSolution) {
        return;
    }
    const Trectangle solution = rectangleDe(d, d.zoneSolution);
    placerZone(d, *d.zoneFigureSolution, solution.droite() - retrait - largeur,
               solution.haut + retrait, largeur, solution.hauteur - 2 * retrait);
}

void placerFigureEnonceCarree(TdonneesCommunes& d) {
    if (!d.zoneFigure) {
        return;
    }
    const Trectangle enonce = rectangleDe(d, d.zoneEnonce);
    const int cote = enonce.hauteur - 2 * retrait;
    placerZone(d, *d.zoneFigure, enonce.droite() - retrait - cote, enonce.haut + retrait, cote,
               cote);
}

void placerFigureEnonce(TdonneesCommunes& d, int largeur, int hauteur) {
    if (!d.zoneFigure) {
        return;
    }
    const Trectangle enonce = rectangleDe(d, d.zoneEnonce);
    placerZone(d, *d.zoneFigure, enonce.droite() - retrait - largeur,
               enonce.bas() - retrait - hauteur, largeur, hauteur);
}
