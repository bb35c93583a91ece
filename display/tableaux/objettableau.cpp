#include "display/tableaux/objettableau.h"

#include "analysis/texte/texteutf8.h"
#include "display/tableaux/decoupage.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
#include "display/zones/pixel.h"
#include "display/zones/zoneaffichage.h"

#include <algorithm>
#include <memory>
#include <numeric>

namespace {

constexpr double pixelsColonne = 8;
constexpr double pixelsLigne = 15;
// Largeur des en-têtes de lignes et hauteur des en-têtes de colonnes de l'aspect tableur.
constexpr double largeurEnTete = 3.5;
constexpr double hauteurEnTete = 1.5;
// Borne des largeurs et hauteurs lues : une dimension négative ou démesurée n'a pas de sens
// et ne doit pas rendre la géométrie infinie.
constexpr double dimensionMaximale = 1000;
constexpr Tcouleur gris = 0xC0C0C0;

int px(double colonnes) {
    return enPixel(colonnes * pixelsColonne);
}

int py(double lignes) {
    return enPixel(lignes * pixelsLigne);
}

double dimension(double v) {
    return std::clamp(v, 0.0, dimensionMaximale);
}

Ttableau* tableauNomme(TzoneAffichage& zone, std::string_view nom) {
    return dynamic_cast<Ttableau*>(zone.objet(indiceObjet(zone, nom)));
}

// Texte d'en-tête « $H » suivi de l'étiquette, à peu près centré dans la boîte.
void etiquetteEnTete(Tcanevas& c, const std::string& etiquette, double milieuX, double milieuY) {
    double plume = px(milieuX - 0.5);
    dessinerTexteMarque(c, "$H" + etiquette, plume, py(milieuY - 0.5), 0x000000, 11, 11);
}

} // namespace

Ttableau::Ttableau() : TobjetZone(genreTableau, Tclasse::tableau) {
    taille = 11;
}

bool Ttableau::dimensionner(int lignes, int colonnes) {
    if (lignes < 1 || lignes > lignesMaximum || colonnes < 1 || colonnes > colonnesMaximum) {
        return false;
    }
    nbLignes = lignes;
    nbColonnes = colonnes;
    hauteurs.assign(static_cast<std::size_t>(lignes), 1.0);
    largeurs.assign(static_cast<std::size_t>(colonnes), 1.0);
    cellules.assign(static_cast<std::size_t>(lignes),
                    std::vector<Tcellule>(static_cast<std::size_t>(colonnes)));
    calculerGeometrie();
    return true;
}

void Ttableau::calculerGeometrie() {
    double yLigne = y;
    for (std::size_t i = 0; i < cellules.size(); ++i) {
        double xColonne = x;
        for (std::size_t j = 0; j < cellules[i].size(); ++j) {
            cellules[i][j].xCellule = xColonne;
            cellules[i][j].yCellule = yLigne;
            xColonne += largeurs[j];
        }
        xDroite = xColonne;
        yLigne += hauteurs[i];
    }
    if (cellules.empty()) {
        xDroite = x;
    }
    yBas = yLigne;
}

Ttableau::Tcellule* Ttableau::cellule(int ligne, int colonne) {
    if (ligne < 1 || ligne > nbLignes || colonne < 1 || colonne > nbColonnes) {
        return nullptr;
    }
    return &cellules[static_cast<std::size_t>(ligne - 1)][static_cast<std::size_t>(colonne - 1)];
}

void Ttableau::peindre(Tcanevas& c, TzoneAffichage&) {
    if (nbLignes < 1 || nbColonnes < 1) {
        return;
    }
    const int gauche = px(x);
    const int haut = py(y);
    const int droite = px(xDroite);
    const int bas = py(yBas);
    const Tcellule& premiere = cellules[0][0];
    Tcouleur grille = couleur;
    if (!enTete) {
        c.remplir(gauche, haut, droite, bas, 0xFFFFE0);
    } else {
        grille = gris;
        const int gaucheEnTete = px(x - largeurEnTete);
        const int hautEnTete = py(y - hauteurEnTete);
        c.definirCrayon(gris, 1);
        c.definirPinceau(0xFFFFFF);
        for (std::size_t i = 0; i < cellules.size(); ++i) {
            for (std::size_t j = 0; j < cellules[i].size(); ++j) {
                const Tcellule& k = cellules[i][j];
                c.rectangle(px(k.xCellule), py(k.yCellule), px(k.xCellule + largeurs[j]) + 1,
                            py(k.yCellule + hauteurs[i]) + 1);
            }
        }
        c.definirCrayon(0x000000, 1);
        c.definirPinceau(gris);
        c.rectangle(gaucheEnTete, hautEnTete, gauche + 1, haut + 1);
        for (int i = 1; i <= nbLignes; ++i) {
            const Tcellule& k = *cellule(i, 1);
            const double h = hauteurs[static_cast<std::size_t>(i - 1)];
            const int hautBoite = py(k.yCellule);
            c.definirCrayon(0x000000, 1);
            c.definirPinceau(gris);
            c.rectangle(gaucheEnTete, hautBoite, gauche + 1, py(k.yCellule + h) + 1);
            c.definirCrayon(0xFFFFFF, 2);
            c.ligne(gaucheEnTete + 1, hautBoite + 2, gauche, hautBoite + 2);
            etiquetteEnTete(c, std::to_string(i), x - largeurEnTete / 2, k.yCellule + h / 2);
        }
        for (int j = 1; j <= nbColonnes; ++j) {
            const Tcellule& k = *cellule(1, j);
            const double l = largeurs[static_cast<std::size_t>(j - 1)];
            const int gaucheBoite = px(k.xCellule);
            c.definirCrayon(0x000000, 1);
            c.definirPinceau(gris);
            c.rectangle(gaucheBoite, hautEnTete, px(k.xCellule + l) + 1, haut + 1);
            c.definirCrayon(0xFFFFFF, 2);
            c.ligne(gaucheBoite + 2, hautEnTete + 1, gaucheBoite + 2, haut);
            etiquetteEnTete(c, std::string(1, static_cast<char>('A' + j - 1)), k.xCellule + l / 2,
                            y - hauteurEnTete / 2);
        }
        c.pinceauVide();
        c.definirCrayon(0x000000, 2);
        c.ligne(gaucheEnTete, bas, gauche, bas);
        c.ligne(droite, hautEnTete, droite, haut);
    }

    c.definirCrayon(grille, 1);
    for (int i = 1; i <= nbLignes; ++i) {
        const int yLigne = py(cellule(i, 1)->yCellule);
        const int debut = (i == 1 && !cadreComplet) ? px(premiere.xCellule + largeurs[0]) : gauche;
        c.ligne(debut, yLigne, droite, yLigne);
    }
    for (int j = 1; j <= nbColonnes; ++j) {
        const int xColonne = px(cellule(1, j)->xCellule);
        const int debut = (j == 1 && !cadreComplet) ? py(premiere.yCellule + hauteurs[0]) : haut;
        c.ligne(xColonne, debut, xColonne, bas);
    }
    c.ligne(droite, haut, droite, bas + 1);
    c.ligne(gauche, bas, droite, bas);

    for (const auto& rangee : cellules) {
        for (const Tcellule& k : rangee) {
            if (!k.texteCellule.empty()) {
                double plume = px(k.xCellule + k.dxTexte);
                dessinerTexteMarque(c, k.texteCellule, plume, py(k.yCellule + k.dyTexte),
                                    k.couleurTexte, 11, 11);
            }
        }
    }
}

int tableau(TzoneAffichage& zone, std::string_view nom, int lignes, double colonne, double ligne,
            int colonnes, std::string_view largeurs, std::string_view hauteurs, Tcouleur couleur,
            bool enTete) {
    auto objet = std::make_unique<Ttableau>();
    if (!objet->dimensionner(lignes, colonnes)) {
        return 0;
    }
    objet->couleur = couleur;
    objet->enTete = enTete;
    objet->x = colonne + zone.marge;
    objet->y = ligne;
    const std::vector<double> l = lireReels(largeurs, colonnes);
    const std::vector<double> h = lireReels(hauteurs, lignes);
    std::transform(l.begin(), l.end(), objet->largeurs.begin(), dimension);
    std::transform(h.begin(), h.end(), objet->hauteurs.begin(), dimension);
    if (enTete) {
        std::fill(objet->hauteurs.begin(), objet->hauteurs.end(), hauteurEnTete);
        objet->x += largeurEnTete;
        objet->y += hauteurEnTete;
    }
    objet->calculerGeometrie();
    return ajouterObjet(zone, nom, std::move(objet));
}

int tableauRegulier(TzoneAffichage& zone, std::string_view nom, int lignes, double colonne,
                    double ligne, int colonnes, double largeurColonne, double hauteurLigne) {
    const int indice =
        tableau(zone, nom, lignes, colonne, ligne, colonnes, {}, {}, 0x000000, false);
    if (auto* t = dynamic_cast<Ttableau*>(zone.objet(indice))) {
        std::fill(t->largeurs.begin(), t->largeurs.end(), dimension(largeurColonne));
        std::fill(t->hauteurs.begin(), t->hauteurs.end(), dimension(hauteurLigne));
        t->calculerGeometrie();
    }
    return indice;
}

void ecrireCellule(TzoneAffichage& zone, std::string_view nomTableau, int ligne, int colonne,
                   std::string_view texte, Tcouleur couleur) {
    Ttableau* t = tableauNomme(zone, nomTableau);
    Ttableau::Tcellule* k = t != nullptr ? t->cellule(ligne, colonne) : nullptr;
    if (k == nullptr) {
        return;
    }
    std::string coupe = texteutf8::couper(texte, Ttableau::longueurCellule);
    k->couleurTexte = couleur;
    k->dxTexte = t->largeurs[static_cast<std::size_t>(colonne - 1)] / 2 -
                 0.43 * static_cast<double>(texteutf8::longueur(coupe));
    k->dyTexte = t->hauteurs[static_cast<std::size_t>(ligne - 1)] / 2 - 0.5;
    const std::size_t espaces = std::min(coupe.find_first_not_of(' '), coupe.size());
    k->dxTexte += 0.7 * static_cast<double>(espaces);
    k->texteCellule = coupe.substr(espaces);
}

void remplirTableau(TzoneAffichage& zone, std::string_view nomTableau, std::string_view texte) {
    Ttableau* t = tableauNomme(zone, nomTableau);
    if (t == nullptr) {
        return;
    }
    const int derniere = t->nbLignes * t->nbColonnes;
    std::string_view reste = texte;
    for (int n = 1; n <= derniere; ++n) {
        std::string_view morceau = reste;
        if (n < derniere) {
            const std::size_t separateur = reste.find('\\');
            if (separateur == std::string_view::npos) {
                morceau = {};
            } else {
                morceau = reste.substr(0, separateur);
                reste.remove_prefix(separateur + 1);
            }
        }
        ecrireCellule(zone, nomTableau, (n - 1) / t->nbColonnes + 1, (n - 1) % t->nbColonnes + 1,
                      morceau, 0x000000);
    }
}
