// calvane-banc rendre : une ligne de texte balisé dessinée sur une image blanche de
// 800 × 100 pixels, coin haut-gauche en (10, 20) ; écrit le PNG et rend la position de la
// plume et les zones cliquables inscrites pendant le dessin. Avec --figure ou --division au
// lieu de --texte, une figure d'exemple ou une division posée peinte dans une zone ; avec
// --exemple, un tableau ou un diagramme d'exemple (exemplestableaux.h).

#include "core/clelien.h"
#include "display/division/blocdivision.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
#include "display/texte/zonescliquables.h"
#include "tools/banc/applicationqt.h"
#include "tools/banc/arguments.h"
#include "tools/banc/exemplesfigure.h"
#include "tools/banc/exemplestableaux.h"
#include "tools/banc/zonesjson.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

namespace {

Tcouleur lireCouleur(const std::string& texte) {
    const auto hexa = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    };
    if (texte.size() != 7 || texte[0] != '#' ||
        !std::all_of(texte.begin() + 1, texte.end(), hexa)) {
        throw ErreurArguments("--couleur : couleur #RRGGBB attendue, pas « " + texte + " »");
    }
    return static_cast<Tcouleur>(std::stoul(texte.substr(1), nullptr, 16));
}

} // namespace

int commandeRendre(const std::vector<std::string>& brut) {
    const Arguments args(brut,
                         {"texte", "taille", "style", "couleur", "png", "figure", "division",
                          "decimales", "exemple", "glisser"},
                         {});
    if (!args.positionnels().empty()) {
        throw ErreurArguments("argument inattendu : " + args.positionnels().front());
    }
    const auto texte = args.valeur("texte");
    const auto figure = args.valeur("figure");
    const auto division = args.valeur("division");
    const auto png = args.valeur("png");
    if (const auto exemple = args.valeur("exemple")) {
        if (texte) {
            throw ErreurArguments("--texte et --exemple s'excluent");
        }
        if (!png) {
            throw ErreurArguments("--png est obligatoire");
        }
        assurerApplication();
        return rendreExempleTableau(*exemple, args.valeur("glisser"), *png);
    }
    if (args.valeur("glisser")) {
        throw ErreurArguments("--glisser ne sert qu'avec --exemple");
    }
    if ((texte ? 1 : 0) + (figure ? 1 : 0) + (division ? 1 : 0) > 1) {
        throw ErreurArguments("--texte, --figure et --division s'excluent");
    }
    if (!texte && !figure && !division) {
        throw ErreurArguments("--texte est obligatoire");
    }
    if (!png) {
        throw ErreurArguments("--png est obligatoire");
    }
    if (figure || division) {
        const long long decimales =
            Arguments::entier("decimales", args.valeur("decimales").value_or("0"));
        if (decimales < 0 || decimales > decimalesMaximum) {
            throw ErreurArguments("--decimales : entre 0 et " + std::to_string(decimalesMaximum));
        }
        assurerApplication();
        const nlohmann::json sortie =
            figure ? rendreFigureExemple(*figure, *png)
                   : rendreDivisionExemple(*division, static_cast<int>(decimales), *png);
        std::cout << sortie.dump() << "\n";
        return 0;
    }
    const long long taille = Arguments::entier("taille", args.valeur("taille").value_or("12"));
    if (taille < 1 || taille > 200) {
        throw ErreurArguments("--taille : entre 1 et 200");
    }
    const long long style = Arguments::entier("style", args.valeur("style").value_or("11"));
    if (style < 11 || style > 14) {
        throw ErreurArguments("--style : 11, 12, 13 ou 14");
    }
    const Tcouleur couleur = lireCouleur(args.valeur("couleur").value_or("#000000"));

    assurerApplication();
    installerResolveurCles(&identifiantDeCle);
    QImage image(800, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    TzonesCliquables liste;
    viderZonesCliquables(liste, 0xFFFFFF);
    double x = 10;
    {
        QPainter peintre(&image);
        Tcanevas canevas(peintre);
        definirListeCourante(&liste);
        dessinerTexteMarque(canevas, *texte, x, 20, couleur, static_cast<int>(style),
                            static_cast<int>(taille));
        definirListeCourante(nullptr);
    }
    if (!image.save(QString::fromStdString(*png), "PNG")) {
        std::cerr << "calvane-banc rendre : impossible d'écrire « " << *png << " »\n";
        return 2;
    }
    const nlohmann::json zones = zonesEnJson(liste);
    nlohmann::json sortie = {{"fin_x", static_cast<long long>(x)}, {"zones", zones}};
    std::cout << sortie.dump() << "\n";
    return 0;
}
