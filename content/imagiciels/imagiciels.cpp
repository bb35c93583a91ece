#include "content/imagiciels/imagiciels.h"

#include "content/imagiciels/etapes.h"
#include "core/controles/arbre.h"
#include "core/controles/bouton.h"
#include "core/controles/classeur.h"
#include "core/controles/libelle.h"
#include "core/donneescommunes.h"
#include "core/identifiants.h"
#include "core/plateforme/plateforme.h"
#include "core/renvoiscontenu.h"
#include "display/figures/figures.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr Tcouleur creme = 0xFFF7E0;

void appliquer(TdonneesCommunes& d, const imagiciels::Tetape& e) {
    TzoneAffichage& texte = *d.zoneTexteImagiciel;
    TzoneAffichage& figure = *d.zoneFigureImagiciel;
    for (const auto& nom : e.montrerTextes) {
        montrerObjet(texte, nom);
    }
    for (const auto& nom : e.cacherTextes) {
        cacherObjet(texte, nom);
    }
    for (const auto& nom : e.noircir) {
        rendreFixe(figure, nom);
        changerCouleur(figure, nom, imagiciels::noir);
    }
    for (const auto& p : e.placer) {
        placerPoint(figure, p.nom, p.x, p.y);
    }
    for (const auto& nom : e.cacher) {
        imagiciels::visibilite(figure, nom, false);
    }
    for (const auto& nom : e.montrer) {
        imagiciels::visibilite(figure, nom, true);
    }
    for (const auto& nom : e.bleuir) {
        rendreMobile(figure, nom);
        changerCouleur(figure, nom, imagiciels::bleu);
    }
    // Un point saisi qui vient d'être caché ou fixé ne se traîne plus.
    figure.objetSaisi = 0;
}

void repeindre(TdonneesCommunes& d) {
    rafraichirZone(*d.zoneTexteImagiciel);
    rafraichirZone(*d.zoneFigureImagiciel);
}

} // namespace

void construireImagiciel(TdonneesCommunes& d) {
    if (const imagiciels::Timagiciel* f = imagiciels::imagicielDe(d.numeroImagiciel)) {
        f->construire(d);
    }
}

void montrerEtape(TdonneesCommunes& d) {
    const imagiciels::Timagiciel* f = imagiciels::imagicielDe(d.numeroImagiciel);
    if (f != nullptr && f->etapes != nullptr && d.zoneTexteImagiciel && d.zoneFigureImagiciel) {
        const std::vector<imagiciels::Tetape> etapes = f->etapes();
        const int k = d.etapeImagiciel;
        if (k >= 1 && k <= static_cast<int>(etapes.size())) {
            appliquer(d, etapes[static_cast<std::size_t>(k - 1)]);
        }
    }
    if (d.BoutonAvancer != nullptr) {
        d.BoutonAvancer->actif = d.etapeImagiciel < d.nombreEtapes;
    }
    if (d.BoutonReculer != nullptr) {
        d.BoutonReculer->actif = d.etapeImagiciel > 1;
    }
}

void etapeSuivante(TdonneesCommunes& d) {
    if (d.etapeImagiciel >= d.nombreEtapes) {
        return;
    }
    ++d.etapeImagiciel;
    montrerEtape(d);
    repeindre(d);
}

void etapePrecedente(TdonneesCommunes& d) {
    if (d.etapeImagiciel <= 1) {
        return;
    }
    --d.etapeImagiciel;
    montrerEtape(d);
    repeindre(d);
}

void ouvrirImagiciel(TdonneesCommunes& d) {
    if (!d.zoneTexteImagiciel || !d.zoneFigureImagiciel) {
        return;
    }
    TzoneAffichage& texte = *d.zoneTexteImagiciel;
    TzoneAffichage& figure = *d.zoneFigureImagiciel;
    if (d.PageImagiciel != nullptr) {
        d.PageImagiciel->visible = true;
        d.PageImagiciel->actif = true;
    }
    d.titreImagiciel = "Page à faire";
    d.chapitreImagiciel = 0;
    viderZone(figure);
    viderZone(texte);
    if (texte.boite != nullptr) {
        texte.boite->couleur = creme;
        if (texte.boite->changerCurseur) {
            texte.boite->changerCurseur(Tcurseur::defaut);
        }
    }
    texte.couleurFond = creme;
    if (figure.boite != nullptr) {
        figure.boite->couleur = 0xFFFFFF;
        figure.boite->visible = false;
    }
    figure.couleurFond = 0xFFFFFF;
    texte.marge = 10;
    d.nombreEtapes = 0;
    d.etapeImagiciel = 1;
    Tbouton* avancer = d.BoutonAvancer;
    Tbouton* reculer = d.BoutonReculer;
    construireImagiciel(d);
    if (d.LabelTitreImagiciel != nullptr) {
        d.LabelTitreImagiciel->texte = d.titreImagiciel.texte();
    }
    if (avancer != nullptr && reculer != nullptr) {
        avancer->visible = d.nombreEtapes > 1;
        reculer->visible = avancer->visible;
        reculer->gauche = avancer->gauche - avancer->largeur - 10;
        reculer->haut = avancer->haut;
    }
    if (d.nombreEtapes > 1) {
        montrerEtape(d);
    }
    if (d.LabelChapitreImagiciel != nullptr) {
        d.LabelChapitreImagiciel->texte =
            d.chapitreImagiciel != 0
                ? std::string(titreChapitre(decalageTitre + d.chapitreImagiciel))
                : std::string("Imagiciel");
    }
    if (d.PageControle != nullptr) {
        if (d.PageControle->pageActive == Onglet::Imagiciels) {
            rafraichirZone(texte);
            if (figure.boite != nullptr && figure.boite->visible) {
                rafraichirZone(figure);
            }
        } else {
            d.PageControle->pageActive = Onglet::Imagiciels;
        }
    }
    if (d.ArbreChoixImagiciel != nullptr) {
        d.ArbreChoixImagiciel->selectionner(d.numeroImagiciel - identifiant::baseImagiciel);
    }
    if (d.plateforme != nullptr && d.PageControle != nullptr) {
        d.plateforme->redessinerControle(d.PageControle);
    }
}

void peindreTexteImagiciel(const TdonneesCommunes& d, QPainter& peintre) {
    if (d.zoneTexteImagiciel == nullptr) {
        return;
    }
    dessinerZone(*d.zoneTexteImagiciel, peintre);
    if (d.numeroImagiciel != 0) {
        peintre.setPen(QPen(QColor(0x00, 0xB2, 0xF6), 3, Qt::SolidLine, Qt::FlatCap));
        peintre.drawLine(25, 2, 750, 2);
    }
}

void inscrireImagiciels() {
    renvoisContenu().ouvrirImagiciel = &ouvrirImagiciel;
}

namespace imagiciels {

const std::vector<Timagiciel>& catalogue() {
    static const std::vector<Timagiciel> figures{
        {1501, &construire1501, nullptr},     {1502, &construire1502, nullptr},
        {1503, &construire1503, nullptr},     {1504, &construire1504, nullptr},
        {1506, &construire1506, nullptr},     {1507, &construire1507, nullptr},
        {1508, &construire1508, nullptr},     {1509, &construire1509, nullptr},
        {1510, &construire1510, nullptr},     {1511, &construire1511, nullptr},
        {1512, &construire1512, nullptr},     {1513, &construire1513, nullptr},
        {1515, &construire1515, &etapes1515}, {1516, &construire1516, &etapes1516},
        {1517, &construire1517, &etapes1517}, {1518, &construire1518, &etapes1518},
        {1520, &construire1520, &etapes1520}, {1521, &construire1521, &etapes1521},
        {1522, &construire1522, &etapes1522}, {1523, &construire1523, &etapes1523},
        {1524, &construire1524, &etapes1524},
    };
    return figures;
}

const Timagiciel* imagicielDe(int identifiant) {
    const auto& figures = catalogue();
    const auto it = std::find_if(figures.begin(), figures.end(),
                                 [&](const Timagiciel& f) { return f.identifiant == identifiant; });
    return it != figures.end() ? &*it : nullptr;
}

} // namespace imagiciels
