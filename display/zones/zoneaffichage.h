#pragma once

// Une zone d'affichage : tout ce que le programme montre dans une boîte de dessin de la
// fenêtre. Elle possède une liste d'objets nommés (au plus 650) peints dans l'ordre de
// création — les points par-dessus —, une vue monde → pixels pour les figures, des réglages
// de fond, et la liste des zones cliquables produite par son dernier dessin. Le contenu ne
// dessine jamais lui-même : il vide la zone, y ajoute des objets et demande un dessin.

#include "display/couleur.h"
#include "display/figures/repere.h"
#include "display/texte/zonescliquables.h"
#include "display/zones/objetzone.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QImage;
class QPainter;
class QRect;
struct TboitePeinture;

struct TzoneAffichage {
    static constexpr int objetsMaximum = 650;

    bool fond = true;
    int largeur = 0;
    int hauteur = 0;
    std::array<int, 13> entiers{};
    double marge = 0;
    Tcouleur couleurFond = 0xFFFFFF;
    TboitePeinture* boite = nullptr;
    TzonesCliquables zonesCliquables;
    double origineX = 0;
    double origineY = 0;
    double echelle = 1;
    double fuiteX = 0.4;
    double fuiteY = 0.4;
    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
    double yMax = 0;
    // Grille et axes des figures, peints avant les objets quand le repère est visible.
    Trepere repere;
    int objetSaisi = 0;
    double sourisReelX = 0;
    double sourisReelY = 0;
    std::vector<std::unique_ptr<TobjetZone>> objets;
    int indexDiagramme = 0;
    bool figee = false;

    int nombreObjets() const { return static_cast<int>(objets.size()); }
    // L'objet d'indice i (1..nombreObjets), nul hors de la liste.
    TobjetZone* objet(int i) const;
};

// Cycle de vie et vue.
void creerZone(TboitePeinture& boite, std::unique_ptr<TzoneAffichage>& zone);
void libererZone(std::unique_ptr<TzoneAffichage>& zone);
void viderZone(TzoneAffichage& zone);
void dessinerZone(TzoneAffichage& zone, QPainter& peintre);
// Rectangle en pixels de la zone que couvre l'objet i quand la zone se peint : l'objet est
// peint seul, avec les mêmes polices et les mêmes mesures, sur un canevas qui note ce qu'il
// trace. Vide pour un objet caché, indéfini, absent, ou qui ne trace rien par le canevas
// (images et traits de figure peints directement). `encres`, s'il est donné, reçoit les
// rectangles de chaque caractère et de chaque forme peints.
QRect emprisePeinte(TzoneAffichage& zone, int i, std::vector<QRect>* encres = nullptr);
void rafraichirZone(TzoneAffichage& zone);
void sourisZone(TzoneAffichage& zone, int x, int y, int action);
int pointSousSouris(const TzoneAffichage& zone, int x, int y);
int xEcran(const TzoneAffichage& zone, double x);
int yEcran(const TzoneAffichage& zone, double y);
double xReel(const TzoneAffichage& zone, double px);
double yReel(const TzoneAffichage& zone, double py);
void bornesZone(TzoneAffichage& zone);
std::string texteEntierZone(const TzoneAffichage& zone, int i);

// Objets. Les noms sont coupés à 20 caractères ; un nom absent rend 0 et les réglages ne
// font rien.
int ajouterObjet(TzoneAffichage& zone, std::string_view nom, int genre);
// Ajoute un objet déjà construit (genres fournis par une autre couche) ; 0 si la zone est
// pleine.
int ajouterObjet(TzoneAffichage& zone, std::string_view nom, std::unique_ptr<TobjetZone> objet);
int indiceObjet(const TzoneAffichage& zone, std::string_view nom);
void cacherObjet(TzoneAffichage& zone, std::string_view nom);
void montrerObjet(TzoneAffichage& zone, std::string_view nom);
void changerCouleur(TzoneAffichage& zone, std::string_view nom, Tcouleur couleur);
void changerTaille(TzoneAffichage& zone, std::string_view nom, int taille);
void changerRemplissage(TzoneAffichage& zone, std::string_view nom, int remplissage);

// Textes, cadres et images en unités de texte : colonnes de 8 pixels comptées depuis la
// marge, lignes de 18 pixels. Chacun rend l'indice du nouvel objet, 0 s'il est refusé.
int ecrireTexte(TzoneAffichage& zone, std::string_view texte, Tcouleur couleur, double colonne,
                double ligne);
int ecrire(TzoneAffichage& zone, std::string_view texte, double colonne, double ligne);
int ecrireLigne(TzoneAffichage& zone, std::string_view texte, double ligne);
int ajouterCadre(TzoneAffichage& zone, int style, double colonne, double ligne, double largeur,
                 double hauteur);
int ajouterCadreTexte(TzoneAffichage& zone, double ligne, double largeur, double hauteur);
int ajouterCadreEnonce(TzoneAffichage& zone, double largeur, double hauteur);
int ajouterBoutonLien(TzoneAffichage& zone, int cible, std::string_view legende, double x, double y,
                      double largeur);
int ajouterZoneLien(TzoneAffichage& zone, double x, double y, double largeur, int cible);
int ajouterBoutonAide(TzoneAffichage& zone, double y);
int ajouterImage(TzoneAffichage& zone, std::string_view fichier, double colonne, double ligne);
int ajouterImageInterne(TzoneAffichage& zone, const QImage* controle, double colonne, double ligne);
int ajouterImageInterne(TzoneAffichage& zone, std::string_view nom, const QImage* controle,
                        double colonne, double ligne);

// Dossier où `ajouterImage` lit les images ; par défaut celui de l'exécutable.
void definirDossierImages(std::string dossier);
