#include "content/cours/sourcepage.h"

#include "content/cours/tablepages.h"
#include "display/figures/figures.h"
#include "display/figures/marquesfigure.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <variant>

namespace {

constexpr int margeGauche = 24;
constexpr int margeDroite = 24;
constexpr int pasRetrait = 24;
constexpr int hauteurPageMinimale = 480;
constexpr Tcouleur blanc = 0xFFFFFF;

// Teintes d'une page : orangées pour « Le cours », vertes pour « Les savoir-faire ».
struct Tteintes {
    Tcouleur titre;
    Tcouleur section;
    Tcouleur accent;
};

Tteintes teintes(bool savoirFaire) {
    return savoirFaire ? Tteintes{0x0B6E3A, 0x0B6E3A, 0x109102}
                       : Tteintes{0xB34700, 0x800000, 0xFA7905};
}

// Ce que la mise en page pose : des décors peints sous la zone (fonds d'encadrés, onglets,
// pastilles, filets), les objets de la zone de la page dans leur ordre de création (textes
// et encadrés du moteur), et les figures peintes par-dessus.
struct Tdecor {
    enum Genre { Boite, Aplat, Pastille } genre;
    double x, y, largeur, hauteur;
    Tcouleur fond;
    Tcouleur trait;
};

struct TtextePose {
    double x, y;
    std::string texte;
    Tcouleur couleur;
};

struct TcadrePose {
    int style;
    double x, y, largeur, hauteur;
};

struct TfigurePosee {
    int x, y, largeur, hauteur;
    double xMin, xMax, yMin, yMax;
    std::vector<std::pair<int, std::string>> lignes; // numéro de ligne source, instruction
};

struct TmiseEnPage {
    int hauteur = hauteurPageMinimale;
    std::vector<Tdecor> decors;
    std::vector<std::variant<TtextePose, TcadrePose>> objets;
    std::vector<TfigurePosee> figures;
};

// Largeur d'un texte balisé dessiné en taille 12, style normal.
double largeurMarque(std::string_view texte) {
    static QImage brouillon(8, 8, QImage::Format_RGB32);
    QPainter peintre(&brouillon);
    Tcanevas canevas(peintre);
    double x = 0;
    dessinerTexteMarque(canevas, texte, x, 0, 0, 11, 12);
    return x;
}

bool contient(std::string_view texte, std::string_view motif) {
    return texte.find(motif) != std::string_view::npos;
}

// Hauteur d'une ligne de texte et décalage de son haut, selon ce qui dépasse au-dessus et
// au-dessous de la ligne : fractions, puis racines et exposants.
struct ThauteurLigne {
    int hauteur;
    int decalage;
};

ThauteurLigne hauteurDe(std::string_view texte) {
    if (contient(texte, "$F") || contient(texte, "$W")) {
        return {42, 12};
    }
    if (contient(texte, "$4") || contient(texte, "$0") || contient(texte, "²")) {
        return {25, 4};
    }
    return {22, 2};
}

std::string_view sansBlancs(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// Premier mot d'une ligne et le reste, sans les blancs qui les séparent.
std::pair<std::string_view, std::string_view> couperMot(std::string_view ligne) {
    ligne = sansBlancs(ligne);
    const std::size_t espace = ligne.find(' ');
    if (espace == std::string_view::npos) {
        return {ligne, {}};
    }
    return {ligne.substr(0, espace), sansBlancs(ligne.substr(espace + 1))};
}

class TmetteurEnPage {
public:
    TmetteurEnPage(const std::vector<std::string>& lignes, const TentreePage& entree)
        : lignes_(lignes), entree_(entree), origine_(origineImagePage(entree)),
          teintes_(teintes(estPageSavoirFaire(entree.nom))) {}

    TmiseEnPage mettreEnPage(std::vector<std::string>& erreurs) {
        double y = 14;
        poserBloc(0, static_cast<int>(lignes_.size()), margeGauche, largeurImagePage - margeDroite,
                  y);
        y = std::max(y, flotteBas_);
        if (lien_ != entree_.zones.size()) {
            erreur(0, "la page a " + std::to_string(entree_.zones.size()) +
                          " zone(s) cliquable(s) mais " + std::to_string(lien_) + " mot(s) [[…]]");
        }
        mise_.hauteur = std::max(hauteurPageMinimale, static_cast<int>(std::ceil(y)) + 16);
        erreurs.insert(erreurs.end(), erreurs_.begin(), erreurs_.end());
        return std::move(mise_);
    }

private:
    void erreur(int ligne, const std::string& message) {
        erreurs_.push_back("ligne " + std::to_string(ligne + 1) + " : " + message);
    }

    // La fin du bloc ouvert à la ligne debut : la ligne « fin » correspondante (une figure
    // peut se poser dans un cadre).
    int finDuBloc(int debut, int fin) {
        int profondeur = 0;
        for (int i = debut + 1; i < fin; ++i) {
            const std::string_view mot = couperMot(lignes_[i]).first;
            if (mot == "cadre" || mot == "figure") {
                ++profondeur;
            } else if (mot == "fin" && profondeur-- == 0) {
                return i;
            }
        }
        erreur(debut, "bloc sans « fin »");
        return fin;
    }

    void degager(double& y) {
        y = std::max(y, flotteBas_);
        flotteBas_ = 0;
    }

    void texte(double x, double y, std::string t, Tcouleur couleur) {
        mise_.objets.emplace_back(TtextePose{x, y, std::move(t), couleur});
    }

    // Bord droit du texte à la hauteur y : une figure calée à droite le rapproche.
    double bordDroit(double y, double xd) const {
        return y < flotteBas_ ? std::min(xd, flotteGauche_ - 12) : xd;
    }

    void verifierLargeur(int ligne, double fin, double xd) {
        if (fin > xd + 0.5) {
            erreur(ligne,
                   "le texte déborde de " + std::to_string(static_cast<int>(fin - xd)) + " pixels");
        }
    }

    void poserBloc(int debut, int fin, double xg, double xd, double& y) {
        for (int i = debut; i < fin; ++i) {
            const std::string_view brute = lignes_[i];
            const auto [mot, reste] = couperMot(brute);
            if (mot.empty()) {
                y += 8;
            } else if (mot.front() == '#') {
                continue;
            } else if (mot == "titre") {
                degager(y);
                texte(xg, y, "$g$>$>$>" + std::string(reste), teintes_.titre);
                verifierLargeur(i, xg + largeurMarque("$g$>$>$>" + std::string(reste)), xd);
                y += 28;
                mise_.decors.push_back({Tdecor::Aplat, xg, y, xd - xg, 2, teintes_.accent, 0});
                y += 10;
            } else if (mot == "section") {
                degager(y);
                y += 4;
                const std::string t = "$g$>" + std::string(reste);
                texte(xg, y, t, teintes_.section);
                verifierLargeur(i, xg + largeurMarque(t), xd);
                y += 24;
            } else if (mot == "etape") {
                poserEtape(i, reste, xg, xd, y);
            } else if (mot == "centre") {
                const ThauteurLigne h = hauteurDe(reste);
                const double large = largeurMarque(reste);
                const double droit = bordDroit(y, xd);
                texte((xg + droit - large) / 2, y + h.decalage, std::string(reste), 0);
                y += h.hauteur;
            } else if (mot == "espace") {
                y += std::atof(std::string(reste).c_str());
            } else if (mot == "cadre") {
                const int f = finDuBloc(i, fin);
                poserCadre(i, f, reste, xg, xd, y);
                i = f;
            } else if (mot == "figure") {
                const int f = finDuBloc(i, fin);
                poserFigure(i, f, reste, xg, xd, y);
                i = f;
            } else if (mot == "fin") {
                erreur(i, "« fin » sans bloc ouvert");
            } else {
                std::string_view t = sansBlancs(brute);
                if (!t.empty() && t.front() == '|') {
                    t = sansBlancs(t.substr(1));
                }
                poserTexte(i, t, xg, xd, y);
            }
        }
    }

    void poserTexte(int ligne, std::string_view t, double xg, double xd, double& y) {
        double x = xg;
        while (!t.empty() && t.front() == '>') {
            t.remove_prefix(1);
            x += pasRetrait;
        }
        t = sansBlancs(t);
        if (contient(t, "[[")) {
            poserLien(ligne, t, x, xd, y);
            return;
        }
        const ThauteurLigne h = hauteurDe(t);
        verifierLargeur(ligne, x + largeurMarque(t), bordDroit(y, xd));
        texte(x, y + h.decalage, std::string(t), 0);
        y += h.hauteur;
    }

    // Une ligne qui porte le mot d'une zone cliquable : elle se place à la hauteur de la zone,
    // le mot centré dans son rectangle, le texte qui précède finit juste avant.
    void poserLien(int ligne, std::string_view t, double xg, double xd, double& y) {
        const std::size_t ouvre = t.find("[[");
        const std::size_t ferme = t.find("]]", ouvre);
        if (ferme == std::string_view::npos) {
            erreur(ligne, "[[ sans ]]");
            return;
        }
        if (t.find("[[", ferme) != std::string_view::npos) {
            erreur(ligne, "un seul mot [[…]] par ligne");
            return;
        }
        if (lien_ >= entree_.zones.size()) {
            erreur(ligne, "plus de mots [[…]] que de zones cliquables dans la table");
            return;
        }
        const TzoneChaude& zone = entree_.zones[lien_++];
        const double gauche = zone.x - origine_.x;
        const double haut = zone.y - hauteurZoneChaude - origine_.y;
        if (y > haut - 1) {
            erreur(ligne, "la ligne du lien arrive trop bas (" + std::to_string(int(y)) +
                              " pixels, la zone commence à " + std::to_string(int(haut)) + ")");
        }
        const std::string avant(t.substr(0, ouvre));
        const std::string mot(t.substr(ouvre + 2, ferme - ouvre - 2));
        const std::string apres(t.substr(ferme + 2));
        // La plus grande taille (12 points au plus, 8 au moins) où le mot tient dans la zone.
        std::string motPose;
        double largeurMot = 0;
        int reduction = 0;
        for (; reduction <= 4; ++reduction) {
            std::string essai;
            for (int k = 0; k < reduction; ++k) {
                essai += "$<";
            }
            essai += mot;
            largeurMot = largeurMarque(essai);
            if (largeurMot <= zone.largeur - 3) {
                motPose = essai;
                break;
            }
        }
        if (motPose.empty()) {
            erreur(ligne, "le mot « " + mot + " » ne tient pas dans la zone de " +
                              std::to_string(zone.largeur) + " pixels");
            return;
        }
        const double xAvant = gauche - 3 - largeurMarque(avant);
        if (!avant.empty()) {
            if (xAvant < xg) {
                erreur(ligne, "le texte avant le lien commence avant la marge");
            }
            texte(xAvant, haut + 1, avant, 0);
        }
        texte(gauche + (zone.largeur - largeurMot) / 2, haut + 1 + reduction, motPose,
              couleurLienPage);
        if (!apres.empty()) {
            const double xApres = gauche + zone.largeur + 2;
            verifierLargeur(ligne, xApres + largeurMarque(apres), xd);
            texte(xApres, haut + 1, apres, 0);
        }
        y = std::max(y, haut) + hauteurZoneChaude + 6;
    }

    void poserEtape(int ligne, std::string_view reste, double xg, double xd, double& y) {
        const auto [numero, t] = couperMot(reste);
        const ThauteurLigne h = hauteurDe(t);
        const double haut = y + h.decalage;
        mise_.decors.push_back({Tdecor::Pastille, xg, haut, 19, 19, teintes_.accent, 0});
        const std::string n = "$g" + std::string(numero);
        texte(xg + 9.5 - largeurMarque(n) / 2, haut + 1, n, blanc);
        verifierLargeur(ligne, xg + 28 + largeurMarque(t), bordDroit(y, xd));
        texte(xg + 28, haut, std::string(t), 0);
        y += std::max(h.hauteur, 24);
    }

    void poserCadre(int debut, int fin, std::string_view reste, double xg, double xd, double& y) {
        degager(y);
        const auto [genre, legende] = couperMot(reste);
        const double largeur = xd - xg;
        double yInterieur = 0;
        const std::size_t place = mise_.objets.size();
        if (genre == "propriete" || genre == "enonce") {
            // Encadrés du moteur : onglet en haut, boîte 8 pixels plus bas.
            mise_.objets.emplace_back(TcadrePose{genre == "propriete" ? 1 : 6, xg, y, largeur, 0});
            yInterieur = y + 30;
        } else {
            struct TgenreCadre {
                std::string_view nom;
                std::string_view legende;
                Tcouleur fond, trait, encre;
            };
            static constexpr TgenreCadre genres[] = {
                {"definition", "Définition", 0xFFF4E3, 0xE08A1E, 0xB34700},
                {"exemple", "Exemple", 0xF5F5F0, 0x9A9A90, 0x505050},
                {"remarque", "Remarque", 0xFFFFEE, 0xB8B870, 0x707000},
                {"solution", "Solution", 0xFFFFFF, 0x109102, 0xFFFFFF},
            };
            const TgenreCadre* g = nullptr;
            for (const TgenreCadre& c : genres) {
                if (c.nom == genre) {
                    g = &c;
                }
            }
            if (g == nullptr) {
                erreur(debut, "genre de cadre inconnu « " + std::string(genre) + " »");
                return;
            }
            mise_.decors.push_back({Tdecor::Boite, xg, y + 8, largeur, 0, g->fond, g->trait});
            std::string titre = std::string(g->legende);
            if (!legende.empty()) {
                titre += ' ';
                titre += legende;
            }
            if (genre == "solution") {
                const double large = largeurMarque("$<$g$H" + titre) + 16;
                mise_.decors.push_back({Tdecor::Aplat, xg, y - 1, large, 22, g->trait, 0});
                texte(xg + 8, y + 1, "$<$g$H" + titre, g->encre);
            } else {
                texte(xg + 10, y + 12, "$g" + titre, g->encre);
            }
            yInterieur = y + (genre == "solution" ? 30 : 36);
        }
        double yc = yInterieur;
        poserBloc(debut + 1, fin, xg + 12, xd - 12, yc);
        yc = std::max(yc, flotteBas_);
        flotteBas_ = 0;
        const double hauteur = yc + 4 - (y + 8);
        if (genre == "propriete" || genre == "enonce") {
            std::get<TcadrePose>(mise_.objets[place]).hauteur = hauteur;
        } else {
            for (auto it = mise_.decors.rbegin(); it != mise_.decors.rend(); ++it) {
                if (it->genre == Tdecor::Boite && it->hauteur == 0) {
                    it->hauteur = hauteur;
                    break;
                }
            }
        }
        y = y + 8 + hauteur + 14;
    }

    void poserFigure(int debut, int fin, std::string_view reste, double xg, double xd, double& y) {
        std::istringstream flux{std::string(reste)};
        TfigurePosee f{};
        std::string place;
        if (!(flux >> f.largeur >> f.hauteur >> f.xMin >> f.xMax >> f.yMin >> f.yMax) ||
            f.largeur <= 0 || f.hauteur <= 0 || f.xMax <= f.xMin || f.yMax <= f.yMin) {
            erreur(debut, "figure : L H XMIN XMAX YMIN YMAX attendus");
            return;
        }
        flux >> place;
        for (int i = debut + 1; i < fin; ++i) {
            const std::string_view l = sansBlancs(lignes_[i]);
            if (!l.empty() && l.front() != '#') {
                f.lignes.emplace_back(i, std::string(l));
            }
        }
        if (place == "droite") {
            f.x = static_cast<int>(xd) - f.largeur;
            f.y = static_cast<int>(y);
            flotteBas_ = std::max(flotteBas_, y + f.hauteur + 4);
            flotteGauche_ = f.x;
        } else {
            degager(y);
            f.x = static_cast<int>(place == "centre" ? (xg + xd - f.largeur) / 2 : xg);
            f.y = static_cast<int>(y);
            y += f.hauteur + 6;
        }
        if (f.x < xg - 0.5 || f.x + f.largeur > xd + 0.5) {
            erreur(debut, "la figure sort de la page");
        }
        mise_.figures.push_back(std::move(f));
    }

    const std::vector<std::string>& lignes_;
    const TentreePage& entree_;
    TorigineImage origine_;
    Tteintes teintes_;
    TmiseEnPage mise_;
    std::vector<std::string> erreurs_;
    std::size_t lien_ = 0;
    double flotteBas_ = 0;
    double flotteGauche_ = largeurImagePage;
};

Tcouleur lireCouleur(const std::string& mot, bool& lue) {
    lue = mot.size() == 7 && mot[0] == '#';
    return lue ? static_cast<Tcouleur>(std::stoul(mot.substr(1), nullptr, 16)) : 0;
}

// Une instruction de figure ; faux si elle est inconnue ou refusée par le moteur.
bool construireFigure(TzoneAffichage& z, const std::string& instruction) {
    std::istringstream flux(instruction);
    std::string quoi;
    flux >> quoi;
    std::vector<std::string> mots;
    for (std::string m; flux >> m;) {
        mots.push_back(m);
    }
    // Couleur facultative en dernier mot (« #RRGGBB »).
    Tcouleur couleur = 0;
    bool lue = false;
    if (!mots.empty()) {
        const Tcouleur c = lireCouleur(mots.back(), lue);
        if (lue) {
            couleur = c;
            mots.pop_back();
        }
    }
    const auto nombre = [&](std::size_t i, double defaut) {
        return i < mots.size() ? std::atof(mots[i].c_str()) : defaut;
    };
    const auto reste = [&](std::size_t depuis) {
        std::string r;
        for (std::size_t i = depuis; i < mots.size(); ++i) {
            r += (r.empty() ? "" : " ") + mots[i];
        }
        return r;
    };
    int indice = 0;
    if ((quoi == "point" || quoi == "sommet") && mots.size() >= 3) {
        indice = point(z, mots[0], mots[0], nombre(1, 0), nombre(2, 0), nombre(3, 0.3),
                       nombre(4, 0.1), couleur, quoi == "point" ? 4 : 0);
        tailleEtiquette(z, mots[0], 12);
    } else if (quoi == "marque" && mots.size() == 3) {
        indice = point(z, mots[0], "", nombre(1, 0), nombre(2, 0), 0, 0, couleur, 4);
    } else if (quoi == "cache" && mots.size() == 3) {
        indice = pointCache(z, mots[0], couleur, nombre(1, 0), nombre(2, 0));
    } else if (quoi == "texte" && mots.size() >= 4) {
        indice = point(z, mots[0], reste(3), nombre(1, 0), nombre(2, 0), 0, 0, couleur, 0);
        tailleEtiquette(z, mots[0], 12);
    } else if (quoi == "segment" && mots.size() >= 2) {
        indice = segment(z, mots[0], mots[1], couleur, 1, static_cast<int>(nombre(2, 1)));
    } else if (quoi == "pointille" && mots.size() == 2) {
        indice = segmentPointille(z, mots[0], mots[1], couleur);
    } else if (quoi == "droite" && mots.size() == 2) {
        indice = droiteParPoints(z, mots[0], mots[1], couleur, 1, 1);
    } else if (quoi == "demidroite" && mots.size() == 2) {
        indice = demiDroite(z, mots[0], mots[1], couleur, 1, 1);
    } else if (quoi == "cercle" && mots.size() == 2) {
        indice = cercle(z, "c" + mots[0] + mots[1], mots[0], mots[1], couleur, 1, 1);
    } else if (quoi == "polygone" && mots.size() >= 4) {
        indice = polygone(z, mots[0], reste(2), couleur);
        changerRemplissage(z, mots[0], static_cast<int>(nombre(1, 0)));
    } else if (quoi == "cote" && mots.size() == 4) {
        indice = cote(z, "cote" + mots[0] + mots[1], mots[0], mots[1], nombre(2, 0), nombre(3, 0),
                      couleur);
    } else if (quoi == "angledroit" && (mots.size() == 3 || mots.size() == 4)) {
        const int avant = z.nombreObjets();
        angleDroit(z, "ad" + mots[0] + mots[1] + mots[2], mots[0], mots[1], mots[2], nombre(3, 0.3),
                   couleur, 0);
        indice = z.nombreObjets() > avant ? 1 : 0;
    } else if (quoi == "codage" && mots.size() == 3) {
        const int avant = z.nombreObjets();
        codageSegment(z, "cod" + mots[0] + mots[1], mots[0], mots[1], 0.25, couleur,
                      static_cast<int>(nombre(2, 1)));
        indice = z.nombreObjets() > avant ? 1 : 0;
    }
    return indice != 0;
}

QImage peindre(const TmiseEnPage& mise, int echelle, std::vector<std::string>* erreurs) {
    // L'image double est une surface de densité 2 : les traits d'un pixel du moteur y
    // gardent leur épaisseur logique, comme sur un écran de densité 2.
    QImage image(largeurImagePage * echelle, mise.hauteur * echelle, QImage::Format_RGB32);
    image.setDevicePixelRatio(echelle);
    image.fill(QColor::fromRgb(blanc));
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing, true);
    for (const Tdecor& d : mise.decors) {
        const QRectF r(d.x, d.y, d.largeur, d.hauteur);
        switch (d.genre) {
        case Tdecor::Boite:
            peintre.setPen(QPen(QColor::fromRgb(d.trait), 1.2));
            peintre.setBrush(QColor::fromRgb(d.fond));
            peintre.drawRoundedRect(r, 4, 4);
            break;
        case Tdecor::Aplat:
            peintre.fillRect(r, QColor::fromRgb(d.fond));
            break;
        case Tdecor::Pastille:
            peintre.setPen(Qt::NoPen);
            peintre.setBrush(QColor::fromRgb(d.fond));
            peintre.drawEllipse(r);
            break;
        }
    }
    peintre.setBrush(Qt::NoBrush);
    peintre.setRenderHint(QPainter::Antialiasing, false);

    TboitePeinture boite;
    boite.largeur = largeurImagePage;
    boite.hauteur = mise.hauteur;
    boite.couleur = blanc;
    std::unique_ptr<TzoneAffichage> zone;
    creerZone(boite, zone);
    zone->fond = false;
    for (const auto& objet : mise.objets) {
        if (const auto* t = std::get_if<TtextePose>(&objet)) {
            ecrireTexte(*zone, t->texte, t->couleur, t->x / 8, t->y / 18);
        } else {
            const auto& c = std::get<TcadrePose>(objet);
            ajouterCadre(*zone, c.style, c.x / 8, c.y / 18, c.largeur / 8, c.hauteur / 18);
        }
    }
    dessinerZone(*zone, peintre);
    libererZone(zone);

    for (const TfigurePosee& f : mise.figures) {
        TboitePeinture boiteFigure;
        boiteFigure.largeur = f.largeur;
        boiteFigure.hauteur = f.hauteur;
        boiteFigure.couleur = blanc;
        std::unique_ptr<TzoneAffichage> figure;
        creerZone(boiteFigure, figure);
        figure->fond = false;
        const double e = std::min(f.largeur / (f.xMax - f.xMin), f.hauteur / (f.yMax - f.yMin));
        figure->echelle = e;
        figure->origineX = -f.xMin * e + (f.largeur - (f.xMax - f.xMin) * e) / 2;
        figure->origineY = f.yMax * e + (f.hauteur - (f.yMax - f.yMin) * e) / 2;
        bornesZone(*figure);
        for (const auto& [ligne, instruction] : f.lignes) {
            if (!construireFigure(*figure, instruction) && erreurs != nullptr) {
                erreurs->push_back("ligne " + std::to_string(ligne + 1) +
                                   " : instruction de figure refusée « " + instruction + " »");
            }
        }
        peintre.save();
        peintre.translate(f.x, f.y);
        peintre.setClipRect(0, 0, f.largeur, f.hauteur);
        dessinerZone(*figure, peintre);
        peintre.restore();
        libererZone(figure);
    }
    return image;
}

} // namespace

TpageDessinee dessinerPageSource(std::string_view source, const TentreePage& entree) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut <= source.size()) {
        const std::size_t fin = source.find('\n', debut);
        const std::size_t bout = fin == std::string_view::npos ? source.size() : fin;
        lignes.emplace_back(source.substr(debut, bout - debut));
        if (fin == std::string_view::npos) {
            break;
        }
        debut = fin + 1;
    }
    TpageDessinee page;
    const TmiseEnPage mise = TmetteurEnPage(lignes, entree).mettreEnPage(page.erreurs);
    page.image = peindre(mise, 1, &page.erreurs);
    page.imageDouble = peindre(mise, 2, nullptr);
    return page;
}
