#include "display/texte/zonescliquables.h"

namespace {

TzonesCliquables* courante = nullptr;

} // namespace

void viderZonesCliquables(TzonesCliquables& liste, Tcouleur couleurBoite) {
    liste.nombre = 0;
    if (couleurBoite != 1) {
        liste.couleurSurbrillance = 0x00FF00;
    }
}

int ajouterZoneCliquable(TzonesCliquables& liste, int cible, int gauche, int haut, int droite,
                         int bas) {
    if (liste.nombre < 0 || liste.nombre >= TzonesCliquables::capacite) {
        return 0;
    }
    liste.zones[static_cast<std::size_t>(liste.nombre)] = {gauche, haut, droite, bas, cible};
    return ++liste.nombre;
}

int zoneSousPoint(const TzonesCliquables& liste, int x, int y) {
    const int n =
        liste.nombre < TzonesCliquables::capacite ? liste.nombre : TzonesCliquables::capacite;
    for (int i = 0; i < n; ++i) {
        const TzoneCliquable& z = liste.zones[static_cast<std::size_t>(i)];
        if (z.bordGauche <= x && x <= z.bordDroit && z.bordHaut <= y && y <= z.bordBas) {
            return z.cible;
        }
    }
    return 0;
}

TzonesCliquables* listeCourante() {
    return courante;
}

void definirListeCourante(TzonesCliquables* liste) {
    courante = liste;
}
