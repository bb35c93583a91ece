#pragma once

// Le canevas de dessin : un QPainter et l'état à la manière d'une surface de dessin classique
// (police par nom, taille en points, style et couleur ; crayon ; pinceau). Le moteur de texte
// balisé et les objets des zones dessinent tous à travers lui. Les tailles de police sont des
// points à 96 points par pouce convertis en pixels, de sorte que la mise en page ne dépend pas
// de la résolution de l'écran ; les noms de police sont traduits vers les polices Liberation.
// Les primitives suivent les conventions de cette surface : une ligne n'allume pas son
// dernier pixel, un rectangle (g, h)–(d, b) couvre les colonnes g..d−1 et les lignes h..b−1.

#include "display/couleur.h"

#include <QtCore/qnamespace.h>
#include <string>
#include <string_view>
#include <vector>

class QPainter;
class QPoint;
class QRect;
class QRectF;
class QString;
struct PoliceMesuree;

class Tcanevas {
public:
    explicit Tcanevas(QPainter& peintre);

    QPainter& peintre() { return peintre_; }

    // Police.
    const std::string& nomPolice() const { return nom_; }
    void definirNomPolice(std::string_view nom);
    int taillePolice() const { return taille_; }
    void definirTaillePolice(int points);
    bool gras() const { return gras_; }
    bool italique() const { return italique_; }
    bool souligne() const { return souligne_; }
    void definirStyle(bool gras, bool italique, bool souligne);
    Tcouleur couleurPolice() const { return couleurPolice_; }
    void definirCouleurPolice(Tcouleur couleur) { couleurPolice_ = couleur; }

    // Mesures de la police courante, en pixels.
    int hauteurPolice();
    int demiHauteur() { return hauteurPolice() / 2; }
    int hauteurTexte();
    int largeurTexte(const QString& texte);

    // Texte en mode transparent, coin haut-gauche de la cellule en (x, y).
    void ecrire(int x, int y, const QString& texte);

    // Crayon et pinceau.
    void definirCrayon(Tcouleur couleur, int largeur = 1, Qt::PenStyle style = Qt::SolidLine);
    void definirPinceau(Tcouleur couleur);
    void pinceauVide();

    void ligne(int x1, int y1, int x2, int y2);
    void polyligne(const QPoint* points, int nombre);
    void rectangle(int gauche, int haut, int droite, int bas);
    void rectangleArrondi(int gauche, int haut, int droite, int bas, int coin);
    void ellipse(int gauche, int haut, int droite, int bas);
    void remplir(int gauche, int haut, int droite, int bas, Tcouleur couleur);

    // Mesure de ce qui est peint : tant qu'un rectangle est suivi, chaque texte et chaque
    // forme tracés par ce canevas y ajoutent leur rectangle en pixels (encre des caractères
    // dans la police courante, forme avec l'épaisseur du crayon). Nul : plus de suivi.
    // `encres`, s'il est donné, reçoit en plus le rectangle de chaque caractère et de chaque
    // forme, pour savoir si deux textes se touchent vraiment.
    void suivreEmprise(QRect* emprise, std::vector<QRect>* encres = nullptr) {
        emprise_ = emprise;
        encres_ = encres;
    }

    // Famille Qt qui sert un nom de police du programme.
    static QString familleDe(std::string_view nom);
    // Taille en pixels d'une police de tant de points à 96 points par pouce.
    static int pixelsDePoints(int points);

    // Rapport entre pixels de l'écran et pixels logiques de la surface (2 à 200 %), mise à
    // l'échelle du peintre comprise.
    double rapportPixels() const;
    static double rapportPixels(const QPainter& peintre);
    // Largeur du crayon d'un trait fin sur la surface du peintre : 0 (cosmétique, un pixel)
    // à 100 %, un pixel logique au-delà — un crayon cosmétique n'allumerait qu'un pixel de
    // l'écran sur deux le long d'un trait tracé pixel par pixel.
    static double largeurTraitFin(const QPainter& peintre);

private:
    PoliceMesuree& preparerPolice();
    void appliquerCrayon();
    // Vrai pour un crayon d'un pixel sur une surface agrandie.
    bool traitFinAgrandi() const;
    // Rectangle que suit le crayon pour border les pixels g..d−1 × h..b−1.
    QRectF cadreTrait(int gauche, int haut, int droite, int bas) const;
    void noter(int gauche, int haut, int droite, int bas);

    QPainter& peintre_;
    std::string nom_ = "Times New Roman";
    int taille_ = 12;
    bool gras_ = false;
    bool italique_ = false;
    bool souligne_ = false;
    Tcouleur couleurPolice_ = 0;
    // Police Qt mesurée de l'état courant, prise dans un cache partagé ; nulle quand l'état
    // de la police a changé depuis.
    PoliceMesuree* police_ = nullptr;
    const PoliceMesuree* policeAppliquee_ = nullptr;
    Tcouleur couleurCrayon_ = 0;
    int largeurCrayon_ = 1;
    Qt::PenStyle styleCrayon_ = Qt::SolidLine;
    Tcouleur couleurPinceau_ = 0xFFFFFF;
    bool pinceauVide_ = true;
    QRect* emprise_ = nullptr;
    std::vector<QRect>* encres_ = nullptr;
};
