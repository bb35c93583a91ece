#include "tools/banc/exemplesfigure.h"

#include "display/division/blocdivision.h"
#include "display/division/objetdivision.h"
#include "display/figures/figures.h"
#include "display/figures/marquesfigure.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"
#include "tools/banc/arguments.h"

#include <QImage>
#include <QPainter>
#include <memory>

const char* const figuresExemple = "exemple";

namespace {

// Triangle ABC rectangle en A, I milieu de [BC] et centre du cercle circonscrit, angle droit
// marqué en A, [BI] et [IC] codés égaux.
void figureExemple(TzoneAffichage& zone) {
    pointEtiquete(zone, "A", 0x000000, -3, -2.5, -1.5, 0);
    pointEtiquete(zone, "B", 0x000000, 3.5, -2.5, 0.5, 0);
    pointEtiquete(zone, "C", 0x000000, -3, 2.5, -1.5, -1);
    segmentSimple(zone, "A", "B", 0x000000);
    segmentSimple(zone, "B", "C", 0x000000);
    segmentSimple(zone, "C", "A", 0x000000);
    milieu(zone, "I", "B", "C", 0.5, -1, 0x0000FF);
    cercle(zone, "c", "I", "B", 0xFF0000, 1, 1);
    angleDroit(zone, "angleA", "A", "B", "C", 0.4, 0x000000, 0);
    codageSegment(zone, "codeBI", "B", "I", 0.25, 0x0000FF, 2);
    codageSegment(zone, "codeIC", "I", "C", 0.25, 0x0000FF, 2);
}

struct Zone {
    TboitePeinture boite;
    std::unique_ptr<TzoneAffichage> zone;
    Zone(int largeur, int hauteur) {
        boite.largeur = largeur;
        boite.hauteur = hauteur;
        creerZone(boite, zone);
    }
    ~Zone() { libererZone(zone); }
    Zone(const Zone&) = delete;
    Zone& operator=(const Zone&) = delete;

    void ecrire(const std::string& png) {
        QImage image(boite.largeur, boite.hauteur, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter peintre(&image);
            dessinerZone(*zone, peintre);
        }
        if (!image.save(QString::fromStdString(png), "PNG")) {
            throw ErreurArguments("impossible d'écrire « " + png + " »");
        }
    }
};

} // namespace

nlohmann::json rendreFigureExemple(const std::string& nom, const std::string& png) {
    if (nom != "exemple") {
        throw ErreurArguments("--figure : figure inconnue « " + nom +
                              " » (connues : " + figuresExemple + ")");
    }
    Zone z(500, 360);
    figureExemple(*z.zone);
    z.ecrire(png);
    nlohmann::json objets = nlohmann::json::array();
    int indefinis = 0;
    for (int i = 1; i <= z.zone->nombreObjets(); ++i) {
        const TobjetZone& o = *z.zone->objet(i);
        indefinis += o.indefini ? 1 : 0;
        if (o.visible) {
            objets.push_back(o.nom);
        }
    }
    return {{"largeur", z.boite.largeur},
            {"hauteur", z.boite.hauteur},
            {"nombre_objets", z.zone->nombreObjets()},
            {"indefinis", indefinis},
            {"objets_visibles", objets}};
}

nlohmann::json rendreDivisionExemple(const std::string& division, int decimales,
                                     const std::string& png) {
    const std::size_t barre = division.find('/');
    if (barre == std::string::npos) {
        throw ErreurArguments("--division : DIVIDENDE/DIVISEUR attendu, pas « " + division + " »");
    }
    const std::string dividende = division.substr(0, barre);
    const std::string diviseur = division.substr(barre + 1);
    TblocDiv bloc;
    if (!preparerDivision(bloc, dividende, diviseur, decimales)) {
        throw ErreurArguments("--division : division impossible à poser « " + division + " »");
    }
    poserDivision(bloc);
    Zone z(400, 300);
    ajouterDivision(*z.zone, dividende, diviseur, decimales, 2, 1);
    z.ecrire(png);
    std::string quotient = bloc.quotient;
    if (bloc.virguleQuotient != 0) {
        quotient.insert(static_cast<std::size_t>(bloc.virguleQuotient), ",");
    }
    nlohmann::json restes = nlohmann::json::array();
    for (const TblocDiv::Tentree& e : bloc.entrees) {
        if (!e.abaisse) {
            restes.push_back(e.chiffres);
        }
    }
    return {{"quotient", quotient}, {"restes", restes}};
}
