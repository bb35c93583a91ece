#include "content/imagiciels/etapes.h"

#include "content/imagiciels/imagiciels.h"
#include "core/controles/bouton.h"
#include "core/donneescommunes.h"
#include "core/exercice/placement.h"
#include "display/zones/zoneaffichage.h"

#include <algorithm>

namespace imagiciels {

namespace {

const std::string invitation =
    "Cliquer sur le bouton \"$gSuite$N\" pour commencer le déroulement de la construction.";

// Les noms dérivés du texte d'une construction, rang par rang, dans l'ordre d'écriture.
struct TnomsConstruction {
    std::vector<std::vector<std::string>> consignes;
    std::vector<std::string> note; // le cadre, puis ses lignes
    std::string invitation;
};

TnomsConstruction nommer(const TtexteConstruction& texte) {
    TnomsConstruction noms;
    int rang = 2;
    for (const auto& consigne : texte.consignes) {
        auto& lignes = noms.consignes.emplace_back();
        for (std::size_t i = 0; i < consigne.size(); ++i) {
            lignes.push_back("texte" + std::to_string(rang++));
        }
    }
    if (!texte.note.empty()) {
        noms.note.push_back("cadreSt" + std::to_string(rang++));
        for (std::size_t i = 0; i < texte.note.size(); ++i) {
            noms.note.push_back("texte" + std::to_string(rang++));
        }
    }
    noms.invitation = "texte" + std::to_string(rang);
    return noms;
}

void ajouter(std::vector<std::string>& liste, const std::vector<std::string>& noms) {
    liste.insert(liste.end(), noms.begin(), noms.end());
}

} // namespace

void remplir(TzoneAffichage& zone, int indice, unsigned fond) {
    if (TobjetZone* o = zone.objet(indice)) {
        o->couleur = fond;
        o->remplissage = 1;
    }
}

void cacher(TzoneAffichage& zone, int indice) {
    if (TobjetZone* o = zone.objet(indice)) {
        o->visible = false;
    }
}

// Montre ou cache un objet de la figure ; un nom qui commence par « * » désigne une marque
// (angle droit, codage, arc d'angle) : son objet principal, son second arc et ses traits,
// jamais ses points auxiliaires.
void visibilite(TzoneAffichage& zone, std::string_view nom, bool visible) {
    if (nom.empty() || nom.front() != '*') {
        visible ? montrerObjet(zone, nom) : cacherObjet(zone, nom);
        return;
    }
    const std::string marque(nom.substr(1));
    const std::string bis = marque + "_bis";
    const std::string trait = "[" + marque + "_";
    for (int i = 1; i <= zone.nombreObjets(); ++i) {
        TobjetZone& o = *zone.objet(i);
        if (o.nom == marque || o.nom == bis || o.nom.starts_with(trait)) {
            o.visible = visible;
        }
    }
}

void ecrireConstruction(TzoneAffichage& zone, const TtexteConstruction& texte) {
    ecrireLigne(zone, texte.tache, 1.5);
    double ligne = 3;
    for (const auto& consigne : texte.consignes) {
        for (const std::string& l : consigne) {
            cacher(zone, ecrireLigne(zone, l, ligne));
            ligne += 1;
        }
    }
    if (!texte.note.empty()) {
        cacher(zone, ajouterCadre(zone, 10, 0, 9.3, texte.largeurNote, texte.hauteurNote));
        for (const Tligne& l : texte.note) {
            cacher(zone, ecrireLigne(zone, l.texte, l.ligne));
        }
    }
    ecrireLigne(zone, invitation, 3.5);
}

std::vector<Tetape> etapesTexte(const TtexteConstruction& texte) {
    const TnomsConstruction noms = nommer(texte);
    const std::size_t n = noms.consignes.size() + 1;
    std::vector<Tetape> etapes(n);
    for (std::size_t k = 1; k <= n; ++k) {
        Tetape& e = etapes[k - 1];
        if (k >= 2) {
            ajouter(e.montrerTextes, noms.consignes[k - 2]);
        }
        if (k <= noms.consignes.size()) {
            ajouter(e.cacherTextes, noms.consignes[k - 1]);
        }
        if (k == 1) {
            e.montrerTextes.push_back(noms.invitation);
        } else if (k == 2) {
            e.cacherTextes.push_back(noms.invitation);
        }
        if (k == n) {
            ajouter(e.montrerTextes, noms.note);
        } else if (k == n - 1) {
            ajouter(e.cacherTextes, noms.note);
        }
    }
    return etapes;
}

std::vector<Tetape> joindre(std::vector<Tetape> texte, const std::vector<Tetape>& figure) {
    for (std::size_t k = 0; k < std::min(texte.size(), figure.size()); ++k) {
        const Tetape& f = figure[k];
        Tetape& e = texte[k];
        ajouter(e.montrerTextes, f.montrerTextes);
        ajouter(e.cacherTextes, f.cacherTextes);
        e.noircir = f.noircir;
        e.placer = f.placer;
        e.cacher = f.cacher;
        e.montrer = f.montrer;
        e.bleuir = f.bleuir;
    }
    return texte;
}

TzoneAffichage& commencerConstruction(TdonneesCommunes& d, std::string_view titre, int etapes,
                                      const TtexteConstruction& texte) {
    annoncer(d, titre, 0, etapes);
    TzoneAffichage& z = placerFigure(d, 340, 193, 420, 270);
    ecrireConstruction(*d.zoneTexteImagiciel, texte);
    return z;
}

void finirConstruction(TdonneesCommunes& d) {
    placerBoutonAvancer(d);
    montrerEtape(d);
}

void ecrireExplication(TzoneAffichage& texte, double largeur,
                       std::initializer_list<const char*> lignes) {
    ajouterCadre(texte, 1, 0.5, 0.8, largeur, static_cast<double>(lignes.size()) + 1.2);
    double ligne = 2.5;
    for (const char* l : lignes) {
        ecrireLigne(texte, l, ligne);
        ligne += 1;
    }
}

void ecrireAction(TzoneAffichage& texte, double largeur, const char* premiere,
                  const char* seconde) {
    ajouterCadre(texte, 10, 0, 19.5, largeur, 3);
    ecrireLigne(texte, premiere, 21);
    ecrireLigne(texte, seconde, 22);
}

void annoncer(TdonneesCommunes& d, std::string_view titre, int chapitre, int etapes) {
    d.titreImagiciel = titre;
    d.chapitreImagiciel = chapitre;
    d.nombreEtapes = etapes;
}

TzoneAffichage& placerFigure(TdonneesCommunes& d, int gauche, int haut, int largeur, int hauteur) {
    TzoneAffichage& zone = *d.zoneFigureImagiciel;
    placerZone(d, zone, gauche, haut, largeur, hauteur);
    return zone;
}

void placerBoutonAvancer(TdonneesCommunes& d) {
    if (d.BoutonAvancer != nullptr) {
        d.BoutonAvancer->gauche = 680;
        d.BoutonAvancer->haut = 150;
    }
}

} // namespace imagiciels
