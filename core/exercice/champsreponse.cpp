#include "core/exercice/champsreponse.h"

#include "core/controles/champsaisie.h"
#include "core/donneescommunes.h"
#include "display/zones/zoneaffichage.h"

#include <algorithm>

namespace {

constexpr int bordDroitChamps = 421;
constexpr int longueurChamp = 78;
constexpr int ecartChamps = 28;
// La zone de l'énoncé commence 28 pixels sous le haut du panneau des champs ; une
// étiquette à hautChamp − 27 est à la hauteur de son champ.
constexpr int decalageEtiquette = 27;

} // namespace

void preparerChampsReponse(TdonneesCommunes& d, int n, int largeur) {
    n = std::clamp(n, 0, 3);
    d.nombreChamps = static_cast<std::uint8_t>(n);
    const int haut = n == 1 ? 251 : n == 2 ? 235 : 207;
    for (int k = 1; k <= 3; ++k) {
        d.hautChamp[k] = haut + ecartChamps * (k - 1);
        if (TchampSaisie* champ = champReponse(d, k)) {
            champ->haut = d.hautChamp[k];
            champ->largeur = largeur;
            champ->gauche = bordDroitChamps - largeur;
            champ->longueurMax = longueurChamp;
            champ->visible = k <= n;
            champ->lectureSeule = false;
            champ->texte.clear();
        }
    }
}

void placerEtiquetteChamp(TdonneesCommunes& d, int k, std::string_view texte, double colonnes) {
    if (!d.zoneEnonce || k < 1 || k > 3) {
        return;
    }
    const TchampSaisie* champ = champReponse(d, k);
    const int gaucheChamps = champ != nullptr ? champ->gauche : bordDroitChamps - 121;
    TzoneAffichage& zone = *d.zoneEnonce;
    const double x = gaucheChamps - 8 * colonnes;
    const double y = d.hautChamp[k] - decalageEtiquette;
    ecrireTexte(zone, texte, 0x000000, x / 8 - zone.marge, y / 18);
}

void etiquetterReponse(TdonneesCommunes& d) {
    placerEtiquetteChamp(d, 1, "Réponse :", 8);
}

void etiquetterAB(TdonneesCommunes& d) {
    placerEtiquetteChamp(d, 1, "a :", 3);
    placerEtiquetteChamp(d, 2, "b :", 3);
}

void etiquetterABC(TdonneesCommunes& d) {
    etiquetterAB(d);
    placerEtiquetteChamp(d, 3, "c :", 3);
}

void etiquetterReponsesAB(TdonneesCommunes& d) {
    placerEtiquetteChamp(d, 1, "Réponse a :", 10);
    placerEtiquetteChamp(d, 2, "Réponse b :", 10);
}

void etiquetterReponsesABC(TdonneesCommunes& d) {
    etiquetterReponsesAB(d);
    placerEtiquetteChamp(d, 3, "Réponse c :", 10);
}

void placerBoutonAideSaisie(TdonneesCommunes& d) {
    if (!d.zoneEnonce) {
        return;
    }
    const int ecart = d.nombreChamps <= 1 ? -27 : d.nombreChamps == 2 ? -13 : 1;
    ajouterBoutonAide(*d.zoneEnonce, d.hautChamp[1] + ecart);
}
