#include "content/index/ouvririnfo.h"

#include "content/index/renvoisindex.h"
#include "content/info/fenetreinfo.h"
#include "core/identifiants.h"
#include "core/lien.h"
#include "core/renvoiscontenu.h"

void ouvrirInfo(TdonneesCommunes& d, int identifiant) {
    const int cible = renvoiIndex(identifiant);
    if (cible >= identifiant::baseImagiciel) {
        montrerImagiciel(d, cible);
    } else if (cible != 0) {
        montrerPageCours(d, cible);
    } else {
        montrerInfo(d, identifiant);
    }
}

void inscrireIndex() {
    renvoisContenu().ouvrirInfo = &ouvrirInfo;
}
