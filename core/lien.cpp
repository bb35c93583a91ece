#include "core/lien.h"

#include "core/controles/arbre.h"
#include "core/controles/classeur.h"
#include "core/donneescommunes.h"
#include "core/identifiants.h"
#include "core/renvoiscontenu.h"

namespace {

void activerOnglet(TdonneesCommunes& d, Onglet onglet) {
    if (d.PageControle != nullptr) {
        d.PageControle->pageActive = onglet;
    }
}

void montrerNoeudExercice(TdonneesCommunes& d, int index) {
    Tarbre* arbre = d.ArbreChoixExercice;
    if (arbre == nullptr || arbre->contenu == nullptr || !arbre->contenu->contient(index)) {
        return;
    }
    arbre->selectionner(index);
    arbre->deplier(index);
    activerOnglet(d, Onglet::Sommaire);
    donnerFocus(d, arbre);
}

} // namespace

void montrerPageCours(TdonneesCommunes& d, int id) {
    if (id == d.pageCours) {
        activerOnglet(d, Onglet::Cours);
        return;
    }
    if (const auto& afficher = renvoisContenu().afficherPageCours) {
        afficher(d, id);
    }
}

void montrerImagiciel(TdonneesCommunes& d, int id) {
    if (id == d.numeroImagiciel) {
        activerOnglet(d, Onglet::Imagiciels);
        return;
    }
    d.numeroImagiciel = id;
    if (const auto& ouvrir = renvoisContenu().ouvrirImagiciel) {
        ouvrir(d);
    }
}

void suivreLien(TdonneesCommunes& d) {
    const int t = d.cibleLien;
    if (t >= identifiant::premiereInfo) {
        if (const auto& ouvrir = renvoisContenu().ouvrirInfo) {
            ouvrir(d, t);
        }
    } else if (t >= identifiant::baseImagiciel) {
        montrerImagiciel(d, t);
    } else if (t >= identifiant::premierePage) {
        montrerPageCours(d, t);
    } else if (t > 0) {
        montrerNoeudExercice(d, t);
    }
}
