#include "tools/banc/disposition.h"

#include "core/controles/champsaisie.h"
#include "core/donneescommunes.h"
#include "core/plateforme/plateforme.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/objettexte.h"
#include "display/zones/zoneaffichage.h"

#include <nlohmann/json.hpp>

#include <QRect>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using json = nlohmann::json;

// Deux cellules de texte voisines se touchent par leur interligne : un recouvrement de
// cette épaisseur au plus n'en est pas un.
constexpr int tolerance = 1;
// Le haut d'un champ dans la zone de l'énoncé : son panneau commence 27 pixels plus haut.
constexpr int decalageChamps = 27;

json enJson(const QRect& r) {
    return json::array({r.x(), r.y(), r.width(), r.height()});
}

bool chevauchent(const QRect& a, const QRect& b) {
    const QRect c = a & b;
    return c.width() > tolerance && c.height() > tolerance;
}

bool contient(const QRect& dehors, const QRect& dedans) {
    return dedans.left() >= dehors.left() - tolerance && dedans.top() >= dehors.top() - tolerance &&
           dedans.right() <= dehors.right() + tolerance &&
           dedans.bottom() <= dehors.bottom() + tolerance;
}

Trectangle rectangleDe(TdonneesCommunes& d, const TzoneAffichage& zone) {
    if (zone.boite == nullptr) {
        return {};
    }
    if (d.plateforme != nullptr) {
        return d.plateforme->rectangleBoite(*zone.boite);
    }
    return {0, 0, zone.boite->largeur, zone.boite->hauteur};
}

bool montree(const std::unique_ptr<TzoneAffichage>& zone) {
    return zone && zone->boite != nullptr && zone->boite->visible;
}

// Un obstacle que le texte ne doit pas recouvrir, en pixels de la zone de texte.
struct Obstacle {
    std::string nom;
    QRect rectangle;
};

struct Objet {
    int indice;
    std::string nom;
    std::string texte;
    QRect rectangle;
    std::vector<QRect> encres = {};
};

// Deux textes se chevauchent quand l'encre d'un de leurs caractères (ou d'un trait de
// fraction, de racine) se recouvre.
bool encresChevauchent(const Objet& a, const Objet& b) {
    if (!chevauchent(a.rectangle, b.rectangle)) {
        return false;
    }
    for (const QRect& x : a.encres) {
        for (const QRect& y : b.encres) {
            if (x.intersects(y)) {
                return true;
            }
        }
    }
    return false;
}

std::string nomObjet(const TobjetZone& o) {
    return o.nom.empty() ? std::string("sans nom") : o.nom;
}

class Verification {
public:
    Verification(TdonneesCommunes& d, std::string_view moment) : d_(d), moment_(moment) {}

    void zoneDeTexte(const char* nomZone, TzoneAffichage& zone,
                     const std::unique_ptr<TzoneAffichage>& figure, bool avecChamps) {
        if (zone.boite == nullptr) {
            return;
        }
        const QRect bornes(0, 0, zone.boite->largeur, zone.boite->hauteur);
        std::vector<Obstacle> obstacles;
        if (montree(figure)) {
            const Trectangle r = rectangleDe(d_, *figure);
            const Trectangle t = rectangleDe(d_, zone);
            obstacles.push_back(
                {"figure", QRect(r.gauche - t.gauche, r.haut - t.haut, r.largeur, r.hauteur)});
        }
        if (avecChamps) {
            for (int k = 1; k <= std::min<int>(d_.nombreChamps, 3); ++k) {
                const TchampSaisie* champ = champReponse(d_, k);
                if (champ != nullptr && champ->visible) {
                    obstacles.push_back({"champ " + std::to_string(k),
                                         QRect(champ->gauche, d_.hautChamp[k] - decalageChamps,
                                               champ->largeur, champ->hauteur)});
                }
            }
        }
        std::vector<Objet> textes;
        std::vector<Objet> cadres;
        for (int i = 1; i <= zone.nombreObjets(); ++i) {
            TobjetZone& o = *zone.objet(i);
            std::vector<QRect> encres;
            const QRect r = emprisePeinte(zone, i, &encres);
            if (r.isEmpty()) {
                continue;
            }
            const auto* t = dynamic_cast<const Ttexte*>(&o);
            Objet objet{i, nomObjet(o), t != nullptr ? t->texte : std::string(), r,
                        std::move(encres)};
            if (!contient(bornes, r)) {
                manquement(nomZone, objet, "hors de la zone", bornes);
            }
            if (o.classe == Tclasse::tableau || o.classe == Tclasse::diagramme) {
                obstacles.push_back({o.classe == Tclasse::tableau ? "tableau" : "diagramme", r});
            } else if (o.classe == Tclasse::cadre) {
                cadres.push_back(objet);
            } else if (t != nullptr) {
                textes.push_back(objet);
            }
        }
        for (std::size_t a = 0; a < textes.size(); ++a) {
            const Objet& t = textes[a];
            for (const Obstacle& o : obstacles) {
                if (chevauchent(t.rectangle, o.rectangle)) {
                    manquement(nomZone, t, "sur " + o.nom, o.rectangle);
                }
            }
            for (std::size_t b = a + 1; b < textes.size(); ++b) {
                if (encresChevauchent(t, textes[b])) {
                    manquement(nomZone, t, "sur le texte « " + textes[b].texte + " »",
                               textes[b].rectangle);
                }
            }
            for (const Objet& c : cadres) {
                if (c.rectangle.contains(t.rectangle.topLeft()) &&
                    !contient(c.rectangle, t.rectangle)) {
                    manquement(nomZone, t, "sort de son cadre", c.rectangle);
                }
            }
        }
    }

    // Une zone de figure : tout ce qu'elle peint (points, étiquettes, textes) dans sa boîte.
    void zoneDeFigure(const char* nomZone, const std::unique_ptr<TzoneAffichage>& zone) {
        if (!montree(zone)) {
            return;
        }
        const QRect bornes(0, 0, zone->boite->largeur, zone->boite->hauteur);
        for (int i = 1; i <= zone->nombreObjets(); ++i) {
            TobjetZone& o = *zone->objet(i);
            if (o.classe != Tclasse::point && o.classe != Tclasse::texte) {
                continue;
            }
            const QRect r = emprisePeinte(*zone, i);
            if (!r.isEmpty() && !contient(bornes, r)) {
                const auto* t = dynamic_cast<const Ttexte*>(&o);
                manquement(nomZone, {i, nomObjet(o), t != nullptr ? t->texte : o.nom, r},
                           "hors de la zone", bornes);
            }
        }
    }

    json resultat() { return std::move(manquements_); }

private:
    void manquement(const char* zone, const Objet& objet, const std::string& regle,
                    const QRect& autre) {
        manquements_.push_back({{"moment", moment_},
                                {"zone", zone},
                                {"objet", objet.nom},
                                {"texte", objet.texte},
                                {"rectangle", enJson(objet.rectangle)},
                                {"regle", regle},
                                {"contre", enJson(autre)}});
    }

    TdonneesCommunes& d_;
    std::string moment_;
    json manquements_ = json::array();
};

} // namespace

json verifierDisposition(TdonneesCommunes& d, std::string_view moment, bool enonce) {
    Verification v(d, moment);
    if (enonce) {
        if (d.zoneEnonce) {
            v.zoneDeTexte("enonce", *d.zoneEnonce, d.zoneFigure, true);
        }
        v.zoneDeFigure("figure", d.zoneFigure);
    } else {
        if (d.zoneSolution) {
            v.zoneDeTexte("solution", *d.zoneSolution, d.zoneFigureSolution, false);
        }
        // La réponse a pu déplacer des points de la figure de l'énoncé.
        v.zoneDeFigure("figure", d.zoneFigure);
        v.zoneDeFigure("figure_solution", d.zoneFigureSolution);
    }
    return v.resultat();
}
