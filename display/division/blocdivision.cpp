#include "display/division/blocdivision.h"

#include "display/division/chiffresdivision.h"
#include "display/texte/canevas.h"
#include "display/texte/textemarque.h"
#include "display/zones/pixel.h"

#include <algorithm>
#include <cctype>

namespace {

bool chiffre(char c) {
    return c >= '0' && c <= '9';
}

void noterEtape(TblocDiv& b) {
    b.longueurQuotientEtape.resize(static_cast<std::size_t>(b.etape) + 1, 0);
    b.longueurQuotientEtape[static_cast<std::size_t>(b.etape)] =
        static_cast<int>(b.quotient.size());
}

void ligne(Tcanevas& c, double x1, double y1, double x2, double y2) {
    c.ligne(enPixel(x1), enPixel(y1), enPixel(x2), enPixel(y2));
}

void ecrireChiffre(Tcanevas& c, char ch, double x, double y, Tcouleur couleur) {
    double plume = x;
    dessinerTexteMarque(c, std::string(1, ch), plume, y, couleur, 11, 12);
}

// Virgule : un petit trait de (x, y) vers 2 pixels à gauche et 4 pixels plus bas.
void virgule(Tcanevas& c, double x, double y) {
    ligne(c, x, y, x - 2, y + 4);
}

} // namespace

bool preparerDivision(TblocDiv& b, std::string_view dividende, std::string_view diviseur,
                      int decimales) {
    if (diviseur.empty() || !std::all_of(diviseur.begin(), diviseur.end(), chiffre)) {
        return false;
    }
    b.chiffresDiviseur = sansZerosDeTete(diviseur);
    if (b.chiffresDiviseur == "0") {
        return false;
    }
    std::string entiere;
    std::string fraction;
    bool avecVirgule = false;
    for (const char c : dividende) {
        if (c == ',' || c == '.') {
            if (avecVirgule) {
                return false;
            }
            avecVirgule = true;
        } else if (chiffre(c)) {
            (avecVirgule ? fraction : entiere).push_back(c);
        } else {
            return false;
        }
    }
    if (entiere.empty() && fraction.empty()) {
        return false;
    }
    entiere = sansZerosDeTete(entiere);
    b.decimales = std::clamp(decimales, 0, decimalesMaximum);
    b.chiffresDividende = entiere + fraction;
    b.positionVirgule = avecVirgule ? static_cast<int>(entiere.size()) + 1
                                    : static_cast<int>(b.chiffresDividende.size()) + 1;
    while (static_cast<int>(b.chiffresDividende.size()) < b.positionVirgule + b.decimales - 1) {
        b.chiffresDividende.push_back('0');
    }
    const int longueur = static_cast<int>(b.chiffresDividende.size());
    const int longueurDiviseur = static_cast<int>(b.chiffresDiviseur.size());
    b.largeurPremier = longueurDiviseur;
    if (longueur >= longueurDiviseur &&
        !comparerChiffres(b.chiffresDiviseur,
                          sansZerosDeTete(b.chiffresDividende.substr(0, longueurDiviseur)))) {
        ++b.largeurPremier;
    }
    if (b.largeurPremier >= b.positionVirgule) {
        b.largeurPremier = b.positionVirgule - 1;
    }
    b.longueurDividende = longueur;
    b.longueurQuotient = longueur + 1 - b.largeurPremier;
    b.largeurDroite = std::max(longueurDiviseur, b.longueurQuotient);
    return true;
}

void poserDivision(TblocDiv& b) {
    const int longueur = static_cast<int>(b.chiffresDividende.size());
    b.etape = 1;
    int rangee = 0;
    int pris = b.largeurPremier;
    b.partiel = sansZerosDeTete(b.chiffresDividende.substr(0, static_cast<std::size_t>(pris)));
    b.quotient.clear();
    b.entrees.clear();
    b.longueurQuotientEtape.assign(2, 0);
    do {
        ++b.etape;
        if (comparerChiffres(b.chiffresDiviseur, b.partiel)) {
            int q = 1;
            std::string produit = b.chiffresDiviseur;
            while (q < 9) {
                const std::string suivant = multiplierChiffre(q + 1, b.chiffresDiviseur);
                if (!comparerChiffres(suivant, b.partiel)) {
                    break;
                }
                ++q;
                produit = suivant;
            }
            b.quotient.push_back(static_cast<char>('0' + q));
            noterEtape(b);
            ++b.etape;
            noterEtape(b);
            const std::string reste = soustraireChiffres(produit, b.partiel);
            if (b.montrerProduits) {
                b.entrees.push_back({pris, rangee + 1, "-" + produit, b.etape, false});
                ++rangee;
            }
            b.entrees.push_back({pris, rangee + 1, reste, b.etape, false});
            ++rangee;
            b.partiel = reste;
        } else {
            b.quotient.push_back('0');
        }
        if (b.partiel == "0" && pris >= b.positionVirgule - 1 && pris < longueur) {
            const std::string_view suite =
                std::string_view(b.chiffresDividende).substr(static_cast<std::size_t>(pris));
            if (suite.find_first_not_of('0') == std::string_view::npos) {
                b.zerosFinaux = static_cast<int>(suite.size());
                ++b.etape;
                noterEtape(b);
            }
        }
        ++b.etape;
        noterEtape(b);
        if (longueur - b.zerosFinaux == pris) {
            break;
        }
        ++pris;
        const char abaisse = b.chiffresDividende[static_cast<std::size_t>(pris - 1)];
        b.entrees.push_back({pris, rangee, std::string(1, abaisse), b.etape, true});
        b.partiel = sansZerosDeTete(b.partiel + abaisse);
        if (pris == b.positionVirgule) {
            b.virguleQuotient = static_cast<int>(b.quotient.size());
            b.etapeVirgule = b.etape;
        }
    } while (pris <= longueur);
    b.etapeAffichee = b.etape;
}

void calculerGeometrie(TblocDiv& b, double x, double y) {
    b.x0 = x;
    b.y0 = y;
    b.pasLigne = 16 * b.facteur;
    b.pasChiffre = 10 * b.facteur;
    b.yBarre = b.y0 + b.pasLigne;
    b.xBarre = b.x0 + b.longueurDividende * b.pasChiffre + 3;
    b.xDiviseur = b.xBarre + 3;
    const int largeur =
        std::max(static_cast<int>(b.chiffresDiviseur.size()), static_cast<int>(b.quotient.size()));
    b.xFinBarre = b.xDiviseur + largeur * b.pasChiffre;
    int rangees = 1;
    for (const TblocDiv::Tentree& e : b.entrees) {
        if (e.etape <= b.etapeAffichee) {
            rangees = std::max(rangees, e.rangee);
        }
    }
    b.yFin = b.yBarre + rangees * b.pasLigne;
}

void dessinerDivision(Tcanevas& c, const TblocDiv& b) {
    const auto gauche = [&](int colonne) { return b.x0 + (colonne - 1) * b.pasChiffre + 1; };
    const auto droite = [&](int colonne) { return b.xDiviseur + (colonne - 1) * b.pasChiffre + 1; };
    const auto hauteur = [&](int rangee) { return b.y0 + rangee * b.pasLigne + 2; };
    c.definirCrayon(0x000000, b.epaisseur);
    for (std::size_t i = 0; i < b.chiffresDiviseur.size(); ++i) {
        ecrireChiffre(c, b.chiffresDiviseur[i], droite(static_cast<int>(i) + 1), hauteur(0), 0);
    }
    c.definirCrayon(0x000000, b.epaisseur);
    ligne(c, b.xBarre, b.yBarre, b.xFinBarre, b.yBarre);
    ligne(c, b.xBarre, b.y0, b.xBarre, b.yFin);
    for (const TblocDiv::Tentree& e : b.entrees) {
        if (e.etape > b.etapeAffichee) {
            continue;
        }
        const bool produit = !e.chiffres.empty() && e.chiffres.front() == '-';
        const int n = static_cast<int>(e.chiffres.size());
        if (e.rangee == 0) {
            const double fin = b.x0 + e.colonne * b.pasChiffre;
            c.definirCrayon(0x000000, b.epaisseur);
            ligne(c, b.x0 + 4, b.y0, fin - 4, b.y0);
            ligne(c, fin - 4, b.y0, fin, b.y0 + 4);
            continue;
        }
        for (int k = 0; k < n; ++k) {
            ecrireChiffre(c, e.chiffres[static_cast<std::size_t>(k)], gauche(e.colonne - n + 1 + k),
                          hauteur(e.rangee), produit ? 0x0000FF : 0x000000);
        }
        if (produit) {
            c.definirCrayon(0x0000FF, 1);
            const double y = hauteur(e.rangee) + b.pasLigne - 2;
            ligne(c, gauche(e.colonne - n + 1), y, gauche(e.colonne) + b.pasChiffre, y);
        }
    }
    c.definirCrayon(0x000000, b.epaisseur);
    const double finPremier = b.x0 + b.largeurPremier * b.pasChiffre;
    ligne(c, b.x0, b.y0 + 4, b.x0 + 4, b.y0);
    ligne(c, b.x0 + 4, b.y0, finPremier - 4, b.y0);
    ligne(c, finPremier - 4, b.y0, finPremier, b.y0 + 4);
    for (std::size_t i = 0; i < b.chiffresDividende.size(); ++i) {
        ecrireChiffre(c, b.chiffresDividende[i], gauche(static_cast<int>(i) + 1), hauteur(0), 0);
    }
    c.definirCrayon(0x000000, b.epaisseur);
    if (b.positionVirgule <= b.longueurDividende) {
        virgule(c, b.x0 + (b.positionVirgule - 1) * b.pasChiffre, b.y0 + b.pasLigne - 3);
    }
    for (std::size_t i = 0; i < b.quotient.size(); ++i) {
        ecrireChiffre(c, b.quotient[i], droite(static_cast<int>(i) + 1), hauteur(1), 0);
    }
    if (b.virguleQuotient != 0 && b.etapeVirgule <= b.etapeAffichee) {
        c.definirCrayon(0x000000, b.epaisseur);
        virgule(c, b.xDiviseur + b.virguleQuotient * b.pasChiffre, b.yBarre + b.pasLigne - 3);
    }
}
