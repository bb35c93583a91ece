// calvane-banc imagiciel : ouvre un imagiciel sans fenêtre, va à l'étape demandée, glisse
// au besoin un point, dessine les deux zones de l'onglet comme la fenêtre les montre et écrit
// en JSON les objets visibles.

#include "content/imagiciels/imagiciels.h"
#include "core/controles/bouton.h"
#include "core/controles/libelle.h"
#include "core/identifiants.h"
#include "core/plateforme/plateforme.h"
#include "display/figures/figures.h"
#include "display/figures/pointfigure.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"
#include "tools/banc/applicationqt.h"
#include "tools/banc/arguments.h"
#include "tools/banc/commandes.h"
#include "tools/banc/environnementbanc.h"

#include <QImage>
#include <QPainter>
#include <nlohmann/json.hpp>

#include <iostream>
#include <sstream>

namespace {

using json = nlohmann::json;

// La feuille de l'onglet sous sa barre d'outils : 782 × 500, la zone de texte 27 pixels sous
// le titre.
constexpr int largeurFeuille = 782;
constexpr int hauteurFeuille = 500;
constexpr int hautTexte = 27;

json objetsVisibles(const TzoneAffichage& z) {
    json objets = json::array();
    for (int i = 1; i <= z.nombreObjets(); ++i) {
        const TobjetZone& o = *z.objet(i);
        if (!o.visible || o.indefini) {
            continue;
        }
        json j{{"nom", o.nom}};
        if (const auto* p = dynamic_cast<const TpointFigure*>(&o)) {
            j["x"] = p->x;
            j["y"] = p->y;
            if (!p->etiquette.empty()) {
                j["etiquette"] = p->texteEtiquette();
            }
            if (p->mobile) {
                j["mobile"] = true;
            }
        } else if (const auto* t = dynamic_cast<const Ttexte*>(&o)) {
            j["texte"] = t->texte;
        }
        objets.push_back(std::move(j));
    }
    return objets;
}

void dessiner(TdonneesCommunes& d, const std::string& fichier) {
    QImage image(largeurFeuille, hauteurFeuille, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xF7, 0xE0));
    {
        QPainter peintre(&image);
        peintre.save();
        peintre.translate(0, hautTexte);
        peindreTexteImagiciel(d, peintre);
        peintre.restore();
        TzoneAffichage& f = *d.zoneFigureImagiciel;
        if (f.boite != nullptr && f.boite->visible) {
            const Trectangle r = d.plateforme->rectangleBoite(*f.boite);
            peintre.translate(r.gauche, r.haut);
            peintre.setClipRect(0, 0, r.largeur, r.hauteur);
            dessinerZoneEncadree(f, peintre);
        }
    }
    if (!image.save(QString::fromStdString(fichier), "PNG")) {
        throw ErreurArguments("--png : impossible d'écrire " + fichier);
    }
}

} // namespace

int commandeImagiciel(const std::vector<std::string>& brut) {
    const Arguments arguments(brut, {"etape", "glisser", "png"}, {});
    if (arguments.positionnels().size() != 1) {
        throw ErreurArguments("un seul ID attendu");
    }
    const long long id = Arguments::entier("ID", arguments.positionnels()[0]);
    if (id < identifiant::baseImagiciel || id > identifiant::dernierImagiciel) {
        throw ErreurArguments("ID doit désigner un imagiciel (1500 à 1524)");
    }
    assurerApplication();
    EnvironnementBanc e;
    TdonneesCommunes& d = e.d;
    d.zoneTexteImagiciel->boite->largeur = largeurFeuille;
    d.zoneTexteImagiciel->boite->hauteur = hauteurFeuille - hautTexte;
    e.controles.BoutonAvancer.largeur = 24;
    inscrireImagiciels();
    d.numeroImagiciel = static_cast<int>(id);
    ouvrirImagiciel(d);
    const long long etape = Arguments::entier("etape", arguments.valeur("etape").value_or("1"));
    if (etape < 1 || etape > std::max(1, d.nombreEtapes)) {
        throw ErreurArguments("--etape hors de 1.." + std::to_string(std::max(1, d.nombreEtapes)));
    }
    while (d.etapeImagiciel < etape) {
        etapeSuivante(d);
    }
    if (const auto glisser = arguments.valeur("glisser")) {
        std::stringstream flux(*glisser);
        std::string nom, x, y;
        if (!std::getline(flux, nom, ',') || !std::getline(flux, x, ',') ||
            !std::getline(flux, y, ',')) {
            throw ErreurArguments("--glisser NOM,X,Y attendu");
        }
        TzoneAffichage& f = *d.zoneFigureImagiciel;
        const int i = indiceObjet(f, nom);
        int px = 0;
        int py = 0;
        if (i == 0 || !f.objet(i)->positionEcran(f, px, py) || pointSousSouris(f, px, py) != i) {
            throw ErreurArguments("--glisser : " + nom + " n'est pas un point déplaçable visible");
        }
        const double wx = Arguments::reel("glisser", x);
        const double wy = Arguments::reel("glisser", y);
        sourisZone(f, px, py, 1);
        sourisZone(f, xEcran(f, wx), yEcran(f, wy), 3);
        sourisZone(f, xEcran(f, wx), yEcran(f, wy), 2);
    }
    if (const auto png = arguments.valeur("png")) {
        dessiner(d, *png);
    }
    const json sortie{
        {"imagiciel", id},
        {"titre", e.controles.LabelTitreImagiciel.texte},
        {"chapitre", e.controles.LabelChapitreImagiciel.texte},
        {"etape", d.etapeImagiciel},
        {"etapes", d.nombreEtapes},
        {"avancer", e.controles.BoutonAvancer.visible && e.controles.BoutonAvancer.actif},
        {"reculer", e.controles.BoutonReculer.visible && e.controles.BoutonReculer.actif},
        {"texte", objetsVisibles(*d.zoneTexteImagiciel)},
        {"figure", objetsVisibles(*d.zoneFigureImagiciel)}};
    std::cout << sortie.dump() << "\n";
    return 0;
}
