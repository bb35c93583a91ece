#include "tools/banc/exemplestableaux.h"

#include "display/tableaux/decoupage.h"
#include "display/tableaux/objetdiagramme.h"
#include "display/tableaux/objettableau.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"
#include "tools/banc/arguments.h"

#include <QImage>
#include <QPainter>
#include <array>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

namespace {

struct Exemple {
    const char* nom;
    int largeur;
    int hauteur;
    void (*construire)(TzoneAffichage& zone);
};

void tableauDonnees(TzoneAffichage& zone) {
    tableau(zone, "t1", 2, 2, 1, 7, "20;4;4;4;4;4;4", "1,3;1,3", 0x000000, false);
    remplirTableau(zone, "t1", "Valeur\\4\\5\\6\\7\\8\\9\\  Effectif\\3\\7\\12\\9\\5\\2");
}

void feuilleDeCalcul(TzoneAffichage& zone) {
    tableau(zone, "t1", 3, 2.5, 2, 10, "10;4;4;4;4;4;4;4;4;7", "1;1;1", 0x000000, true);
    remplirTableau(zone, "t1",
                   "Note\\8\\9\\10\\11\\12\\13\\14\\15\\Total\\Effectif\\2\\3\\5\\4\\6\\3\\2\\1\\30"
                   "\\ECC\\2\\5\\10\\14\\20\\23\\25\\26\\ ");
}

void diagrammeEnBarres(TzoneAffichage& zone) {
    diagramme(zone, 6, "16;14;20;19;12;5",
              "< 30 min\\30 \u00e0 45 min\\45 min \u00e0 1 h\\1 h \u00e0 1 h 30\\1 h 30 \u00e0 2 "
              "h\\> 2 h",
              1, false);
}

void diagrammeCirculaire(TzoneAffichage& zone) {
    diagramme(zone, 5, "48;72;90;84", "A\\B\\C\\D\\E", 2, false);
}

constexpr std::array exemples{
    Exemple{"tableau", 456, 120, &tableauDonnees},
    Exemple{"tableur", 456, 140, &feuilleDeCalcul},
    Exemple{"barres", 456, 310, &diagrammeEnBarres},
    Exemple{"secteurs", 456, 310, &diagrammeCirculaire},
};

std::array<int, 4> lireGlisser(const std::string& texte) {
    const std::vector<std::string_view> morceaux = decouper(texte, ',');
    if (morceaux.size() != 4) {
        throw ErreurArguments("--glisser : X1,Y1,X2,Y2 attendu, pas « " + texte + " »");
    }
    std::array<int, 4> points{};
    for (std::size_t i = 0; i < 4; ++i) {
        const long long v = Arguments::entier("glisser", std::string(morceaux[i]));
        if (v < -100000 || v > 100000) {
            throw ErreurArguments("--glisser : coordonnées entre -100000 et 100000");
        }
        points[i] = static_cast<int>(v);
    }
    return points;
}

} // namespace

int rendreExempleTableau(const std::string& nom, const std::optional<std::string>& glisser,
                         const std::string& png) {
    const Exemple* exemple = nullptr;
    for (const Exemple& e : exemples) {
        if (nom == e.nom) {
            exemple = &e;
        }
    }
    if (exemple == nullptr) {
        throw ErreurArguments("--exemple : tableau, tableur, barres ou secteurs, pas « " + nom +
                              " »");
    }
    const std::optional<std::array<int, 4>> points =
        glisser ? std::optional(lireGlisser(*glisser)) : std::nullopt;

    TboitePeinture boite;
    boite.largeur = exemple->largeur;
    boite.hauteur = exemple->hauteur;
    std::unique_ptr<TzoneAffichage> zone;
    creerZone(boite, zone);
    exemple->construire(*zone);
    if (points) {
        sourisZone(*zone, (*points)[0], (*points)[1], 1);
        sourisZone(*zone, (*points)[2], (*points)[3], 3);
        sourisZone(*zone, (*points)[2], (*points)[3], 2);
    }
    QImage image(boite.largeur, boite.hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter peintre(&image);
        dessinerZone(*zone, peintre);
    }
    if (!image.save(QString::fromStdString(png), "PNG")) {
        std::cerr << "calvane-banc rendre : impossible d'écrire « " << png << " »\n";
        return 2;
    }
    nlohmann::json sortie = {
        {"exemple", nom}, {"largeur", boite.largeur}, {"hauteur", boite.hauteur}};
    if (const auto* d = dynamic_cast<const Tdiagramme*>(zone->objet(zone->indexDiagramme))) {
        sortie["valeurs"] =
            std::vector<int>(d->valeurs.begin(), d->valeurs.begin() + d->nbCategories);
    }
    std::cout << sortie.dump() << "\n";
    libererZone(zone);
    return 0;
}
