#include "content/info/dessininfo.h"

#include "content/index/renvoisindex.h"
#include "core/identifiants.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"

namespace {

constexpr Tcouleur fondInfo = 0xE0FFE0;
constexpr Tcouleur rougeInfo = 0xFE0000;
constexpr Tcouleur jauneBandeau = 0xFDEB41;

// Le cadre « Info » des fiches de l'index : une boîte blanche bordée de rouge et, en haut
// au milieu, un bandeau jaune qui porte le titre.
void cadreInfo(Tcanevas& canevas, int largeur, int hauteur) {
    canevas.definirCrayon(rougeInfo);
    canevas.definirPinceau(0xFFFFFF);
    canevas.rectangle(15, 21, largeur - 15, hauteur - 15);
    canevas.remplir(largeur / 2 - 40, 15, largeur / 2 + 40, 27, jauneBandeau);
    double x = largeur / 2 - 15;
    dessinerTexteMarque(canevas, "$g$HInfo", x, 5, rougeInfo, 11, 12);
}

} // namespace

void ecrireInfo(Tcanevas& canevas, std::string_view texte, double ligne, double colonne) {
    double x = 8 * colonne + 10;
    dessinerTexteMarque(canevas, texte, x, (ligne - 0.5) * 18, 0x000000, 11, 11);
}

void ecrireLignes(Tcanevas& canevas, std::span<const TligneInfo> lignes) {
    for (const TligneInfo& l : lignes) {
        ecrireInfo(canevas, l.texte, l.ligne, l.colonne);
    }
}

void boiteOmbree(Tcanevas& canevas, int gauche, int haut, int droite, int bas, Tcouleur couleur) {
    canevas.remplir(gauche + 3, bas, droite + 3, bas + 3, couleur);
    canevas.remplir(droite, haut + 3, droite + 3, bas + 3, couleur);
    canevas.definirCrayon(couleur);
    canevas.definirPinceau(0xFFFFFF);
    canevas.rectangle(gauche, haut, droite, bas);
}

void dessinerBordInfo(Tcanevas& canevas, int largeur, int hauteur) {
    canevas.remplir(0, 0, largeur, 2, 0xC0C0C0);
    canevas.remplir(0, 0, 2, hauteur, 0xC0C0C0);
    canevas.remplir(0, hauteur - 2, largeur, hauteur, 0x000000);
    canevas.remplir(largeur - 2, 0, largeur, hauteur, 0x000000);
}

void dessinerInfo(Tcanevas& canevas, const TdonneesCommunes& d, int identifiant, int largeur,
                  int hauteur) {
    canevas.remplir(0, 0, largeur, hauteur, fondInfo);
    const int fiche = aliasInfo(identifiant);
    if (fiche >= identifiant::baseTheme) {
        cadreInfo(canevas, largeur, hauteur);
    }
    switch (fiche) {
    case identifiant::aideSaisie:
        dessinerAide(canevas);
        break;
    case identifiant::aPropos:
        dessinerAPropos(canevas);
        break;
    case identifiant::bilan:
        dessinerBilan(canevas, d);
        break;
    case 2880:
        dessinerQuadrilateres(canevas);
        break;
    default:
        if (fiche >= identifiant::premiereFiche && fiche <= identifiant::derniereFiche) {
            dessinerExplication(canevas, fiche);
        } else {
            ecrireInfo(canevas, "Définition à faire", 1.5, 0);
        }
        break;
    }
}
