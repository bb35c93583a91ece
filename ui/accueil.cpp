#include "ui/accueil.h"

#include "core/controles/imagefenetre.h"
#include "core/donneescommunes.h"
#include "display/zones/zoneaffichage.h"

#include <QImage>

namespace {

struct TboutonPlace {
    TboutonAccueil bouton;
    bool TdonneesCommunes::*survol;
    TimageFenetre* TdonneesCommunes::*actif;
    TimageFenetre* TdonneesCommunes::*inactif;
    const char* nomActif;
    const char* nomInactif;
    double colonne;
    double ligne;
    // Rectangle sensible, bornes exclues.
    int gauche, haut, droite, bas;
};

constexpr TboutonPlace boutons[] = {
    {TboutonAccueil::APropos, &TdonneesCommunes::survolApropos, &TdonneesCommunes::AproposActif,
     &TdonneesCommunes::AproposNonActif, "A_propos_actif", "A_propos_inactif", 3.5, 29.5, 28, 531,
     111, 561},
    {TboutonAccueil::Quitter, &TdonneesCommunes::survolQuitter, &TdonneesCommunes::QuitterActif,
     &TdonneesCommunes::QuitterNonActif, "Quitter_actif", "Quitter_inactif", 87.5, 29.5556, 700,
     532, 779, 566},
    {TboutonAccueil::Entree, &TdonneesCommunes::survolEntree, &TdonneesCommunes::EntreeActif,
     &TdonneesCommunes::EntreeNonActif, "Entree_actif", "Entree_inactif", 41.375, 27.1111, 331, 488,
     460, 553},
};

constexpr int largeurFond = 673;

const QImage* imageDe(const TimageFenetre* image) {
    return image != nullptr ? image->image : nullptr;
}

void basculer(TdonneesCommunes& d, const TboutonPlace& b, bool survole) {
    d.*b.survol = survole;
    TzoneAffichage& zone = *d.zoneAccueil;
    if (survole) {
        montrerObjet(zone, b.nomActif);
        cacherObjet(zone, b.nomInactif);
    } else {
        cacherObjet(zone, b.nomActif);
        montrerObjet(zone, b.nomInactif);
    }
}

} // namespace

void preparerAccueil(TdonneesCommunes& d) {
    if (d.zoneAccueil == nullptr) {
        return;
    }
    TzoneAffichage& zone = *d.zoneAccueil;
    viderZone(zone);
    zone.marge = 0;
    ajouterImageInterne(zone, "fond_accueil", imageDe(d.fondAccueil),
                        (zone.largeur - largeurFond) / 2.0 / 8, 1);
    for (const TboutonPlace& b : boutons) {
        ajouterImageInterne(zone, b.nomActif, imageDe(d.*b.actif), b.colonne, b.ligne);
        cacherObjet(zone, b.nomActif);
        ajouterImageInterne(zone, b.nomInactif, imageDe(d.*b.inactif), b.colonne, b.ligne);
        d.*b.survol = false;
    }
}

TboutonAccueil boutonAccueilSous(int x, int y) {
    for (const TboutonPlace& b : boutons) {
        if (b.gauche < x && x < b.droite && b.haut < y && y < b.bas) {
            return b.bouton;
        }
    }
    return TboutonAccueil::Aucun;
}

TsurvolAccueil survolerAccueil(TdonneesCommunes& d, int x, int y) {
    if (d.zoneAccueil == nullptr) {
        return TsurvolAccueil::Aucun;
    }
    const TboutonAccueil sous = boutonAccueilSous(x, y);
    for (const TboutonPlace& b : boutons) {
        if (b.bouton == sous) {
            if (d.*b.survol) {
                return TsurvolAccueil::Aucun;
            }
            basculer(d, b, true);
            return TsurvolAccueil::Main;
        }
    }
    // Hors des boutons : le premier survol trouvé est effacé.
    for (const TboutonPlace& b : boutons) {
        if (d.*b.survol) {
            basculer(d, b, false);
            return TsurvolAccueil::Defaut;
        }
    }
    return TsurvolAccueil::Aucun;
}

void effacerSurvolsAccueil(TdonneesCommunes& d) {
    if (d.zoneAccueil == nullptr) {
        return;
    }
    for (const TboutonPlace& b : boutons) {
        if (d.*b.survol) {
            basculer(d, b, false);
        }
    }
}
