#pragma once

// La mise en page d'une division posée à la française : le dividende à gauche, le diviseur à
// droite derrière un trait vertical, le quotient sous le trait horizontal, et sous le
// dividende les restes partiels suivis chacun du chiffre abaissé. Tout se calcule sur des
// chaînes de chiffres, sans virgule flottante, si bien qu'un dividende de 120 chiffres se
// pose aussi bien qu'un petit. Le bloc est construit et jeté à chaque dessin.

#include <string>
#include <string_view>
#include <vector>

class Tcanevas;

struct TblocDiv {
    // Une écriture sous le dividende : ses chiffres finissent à la colonne `colonne`
    // (comptée de 1) de la rangée `rangee`.
    struct Tentree {
        int colonne = 0;
        int rangee = 0;
        std::string chiffres;
        int etape = 0;
        bool abaisse = false;
    };

    std::string chiffresDividende;
    std::string chiffresDiviseur;
    std::string quotient;
    std::string partiel;
    int decimales = 0;
    int positionVirgule = 0;
    int largeurPremier = 0;
    int longueurDividende = 0;
    int longueurQuotient = 0;
    int largeurDroite = 0;
    double y0 = 0;
    double x0 = 0;
    double pasChiffre = 0;
    double pasLigne = 0;
    double yBarre = 0;
    double xBarre = 0;
    double xDiviseur = 0;
    double xFinBarre = 0;
    double yFin = 0;
    bool montrerProduits = false;
    std::vector<Tentree> entrees;
    int etape = 0;
    std::vector<int> longueurQuotientEtape;
    int virguleQuotient = 0;
    int etapeVirgule = 0;
    int zerosFinaux = 0;
    int etapeAffichee = 0;
    int epaisseur = 1;
    double facteur = 1.3;
};

// Plus grand nombre de décimales demandées au quotient.
constexpr int decimalesMaximum = 120;

// Prépare le bloc : chiffres du dividende sans virgule et complétés de zéros pour les
// décimales voulues, premier dividende partiel, longueurs. Refuse (faux) un diviseur vide,
// nul ou qui n'est pas fait de chiffres, et un dividende qui n'est pas un nombre décimal.
bool preparerDivision(TblocDiv& bloc, std::string_view dividende, std::string_view diviseur,
                      int decimales);

// Pose la division : quotient chiffre par chiffre et écritures sous le dividende.
void poserDivision(TblocDiv& bloc);

// Place le bloc au pixel (x, y) selon son facteur de taille.
void calculerGeometrie(TblocDiv& bloc, double x, double y);

// Dessine la division entière, traits noirs d'un pixel, chiffres en taille 12.
void dessinerDivision(Tcanevas& canevas, const TblocDiv& bloc);
