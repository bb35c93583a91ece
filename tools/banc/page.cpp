// calvane-banc page : la zone du cours telle que la fenêtre la montre pour une page de cours
// (image, zones cliquables, boutons de lien, boutons de l'onglet), écrite en PNG, et en JSON
// ses zones cliquables, ses boutons et l'état de l'onglet.

#include "content/cours/pagescours.h"
#include "core/arbres/arbrecours.h"
#include "core/clelien.h"
#include "core/controles/bouton.h"
#include "core/controles/classeur.h"
#include "core/controles/libelle.h"
#include "core/identifiants.h"
#include "core/plateforme/sansfenetre.h"
#include "core/renvoiscontenu.h"
#include "display/texte/textemarque.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/objetcadre.h"
#include "display/zones/objetimage.h"
#include "display/zones/zoneaffichage.h"
#include "tools/banc/applicationqt.h"
#include "tools/banc/arguments.h"
#include "tools/banc/commandes.h"
#include "tools/banc/zonesjson.h"

#include <QImage>
#include <QPainter>

#include <nlohmann/json.hpp>

#include <iostream>

namespace {

using json = nlohmann::json;

// La zone du cours dans la fenêtre : la largeur cliente de la boîte de défilement moins 15,
// et sa hauteur cliente moins 1.
constexpr int largeurZoneCours = 767;
constexpr int hauteurCoursFenetre = 499;

struct TboutonOnglet {
    const char* nom;
    Tbouton* TdonneesCommunes::*bouton;
    const char* legende;
};

constexpr TboutonOnglet boutonsOnglet[] = {
    {"BoutonPourSexercer", &TdonneesCommunes::BoutonPourSexercer, "S'exercer"},
    {"BoutonPourSexercerSF", &TdonneesCommunes::BoutonPourSexercerSF, "S'exercer"},
    {"BoutonRetour", &TdonneesCommunes::BoutonRetour, "Retour"},
    {"BoutonRetourSF", &TdonneesCommunes::BoutonRetourSF, "Retour"},
};

} // namespace

int commandePage(const std::vector<std::string>& brut) {
    const Arguments arguments(brut, {"png", "dossier"}, {});
    if (arguments.positionnels().size() != 1) {
        throw ErreurArguments("un seul ID attendu");
    }
    const long long id = Arguments::entier("ID", arguments.positionnels()[0]);
    const TarbreContenu& arbre = arbreCours();
    const int index = static_cast<int>(id - identifiant::baseCours);
    if (id < identifiant::premierePage || id > identifiant::dernierePage ||
        arbre.aDesEnfants(index)) {
        throw ErreurArguments("ID doit désigner une page de cours (une feuille de 1002 à 1155)");
    }
    const auto png = arguments.valeur("png");
    if (!png) {
        throw ErreurArguments("--png FICHIER attendu");
    }
    assurerApplication();
    installerResolveurCles(&identifiantDeCle);
    definirDossierImages(arguments.valeur("dossier").value_or(CALVANE_DOSSIER_PAGES));
    inscrireCours();

    TsansFenetre environnement;
    TdonneesCommunes& d = environnement.d;
    d.zoneCours->boite->largeur = largeurZoneCours;
    d.hauteurCours = hauteurCoursFenetre;
    afficherPageCours(d, static_cast<int>(id));

    const TboitePeinture& boite = *d.zoneCours->boite;
    QImage image(boite.largeur + 15, boite.hauteur, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(boite.couleur));
    json boutons = json::array();
    {
        QPainter peintre(&image);
        dessinerZone(*d.zoneCours, peintre);
        // Les boutons de l'onglet, à leur place, dessinés comme des cadres légendés.
        for (const TboutonOnglet& b : boutonsOnglet) {
            const Tbouton& bouton = *(d.*b.bouton);
            if (!bouton.visible) {
                continue;
            }
            const QRect r(bouton.gauche, bouton.haut, 90, 26);
            peintre.fillRect(r, QColor(0xFF, 0x8B, 0x23));
            peintre.setPen(Qt::black);
            peintre.drawRect(r);
            peintre.setPen(Qt::white);
            peintre.drawText(r, Qt::AlignCenter, QString::fromUtf8(b.legende));
            boutons.push_back(
                {{"nom", b.nom},
                 {"gauche", bouton.gauche},
                 {"haut", bouton.haut},
                 {"cible", b.nom[6] == 'P'
                               ? d.lienPourSexercer
                               : (d.nombreHistorique > 0 ? d.historique[d.nombreHistorique] : 0)}});
        }
    }
    const json zones = zonesEnJson(d.zoneCours->zonesCliquables);
    json liens = json::array();
    for (const auto& objet : d.zoneCours->objets) {
        if (const auto* c = dynamic_cast<const Tcadre*>(objet.get()); c && c->styleCadre == 11) {
            liens.push_back({{"legende", c->legende},
                             {"x", c->x},
                             {"y", c->y},
                             {"largeur", c->largeurCadre},
                             {"cible", c->cible}});
        }
    }
    bool imageLue = false;
    for (const auto& objet : d.zoneCours->objets) {
        if (const auto* i = dynamic_cast<const Timage*>(objet.get())) {
            imageLue = i->visible;
        }
    }
    if (!image.save(QString::fromStdString(*png), "PNG")) {
        throw ErreurArguments("impossible d'écrire « " + *png + " »");
    }
    const json sortie{{"page", id},
                      {"titre", d.nomPageCours.texte()},
                      {"chapitre", d.LabelChapitreCours->texte},
                      {"savoir_faire", d.pageSavoirFaire},
                      {"image", imageLue},
                      {"hauteur", boite.hauteur},
                      {"precedent", d.BoutonCoursPrecedent->actif},
                      {"suivant", d.BoutonCoursSuivant->actif},
                      {"zones", zones},
                      {"boutons_lien", liens},
                      {"boutons", boutons}};
    std::cout << sortie.dump() << "\n";
    return 0;
}
