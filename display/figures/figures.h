#pragma once

// Les opérations des figures géométriques d'une zone : constructeurs (chacun ajoute un objet
// et, sauf les points libres, le calcule aussitôt), réglages d'étiquette et de mobilité,
// placement d'un point et recalcul des objets qui en dépendent, glisser d'un point à la
// souris. Les parents sont donnés par leur nom et retrouvés une fois pour toutes à la
// création ; un nom qui ne désigne pas un objet du bon genre fait refuser la construction
// (rien n'est ajouté, le constructeur rend 0). Chaque constructeur rend l'indice du nouvel
// objet.

#include "display/couleur.h"
#include "display/figures/courbefigure.h"

#include <string>
#include <string_view>

struct TzoneAffichage;
class Tcanevas;

using Tnom = std::string_view;

// Points libres.
int point(TzoneAffichage& zone, Tnom nom, std::string_view etiquette, double x, double y, double dx,
          double dy, Tcouleur couleur, int taillePoint);
int pointEtiquete(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y, double dx,
                  double dy);
int pointNomme(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y, double dx,
               double dy);
int pointDeplacable(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y);
int pointCache(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y);
int pointEspace(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double profondeur, double x,
                double y, double dx, double dy);

// Lignes, cercles, arcs, polygones, cotes et courbes.
int segment(TzoneAffichage& zone, Tnom a, Tnom b, Tcouleur couleur, int style, int largeur);
int segmentSimple(TzoneAffichage& zone, Tnom a, Tnom b, Tcouleur couleur);
int segmentPointille(TzoneAffichage& zone, Tnom a, Tnom b, Tcouleur couleur);
int droiteParPoints(TzoneAffichage& zone, Tnom a, Tnom b, Tcouleur couleur, int style, int largeur);
int demiDroite(TzoneAffichage& zone, Tnom a, Tnom b, Tcouleur couleur, int style, int largeur);
int cercle(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom a, Tcouleur couleur, int style,
           int largeur);
int arcAngle(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom a, Tnom b, Tcouleur couleur, int style,
             int largeur);
int ellipse(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, int mode, Tcouleur couleur, int style,
            int largeur);
int perpendiculaire(TzoneAffichage& zone, Tnom nom, Tnom m, Tnom d, Tcouleur couleur, int style,
                    int largeur);
int mediatrice(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tcouleur couleur, int style,
               int largeur);
// Sommets nommés dans la liste, séparés par une espace (au plus 40).
int polygone(TzoneAffichage& zone, Tnom nom, std::string_view liste, Tcouleur couleur);
int cote(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double decalageX, double decalageY,
         Tcouleur couleur);
// Courbe de y = expression(x), lue par le traducteur de courbe (l'analyseur d'expressions,
// sauf autre inscription par installerTraducteurCourbe) ; une expression illisible donne une
// courbe indéfinie.
int courbe(TzoneAffichage& zone, Tnom nom, std::string_view expression, double xDebut, double xFin,
           int nombre, Tcouleur couleur, int style, int largeur);
// La même pour une fonction donnée directement.
int courbeFonction(TzoneAffichage& zone, Tnom nom, TfonctionCourbe fonction, double xDebut,
                   double xFin, int nombre, Tcouleur couleur, int style, int largeur);

// Points construits.
int pointSurDroite(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double t, double dx, double dy,
                   Tcouleur couleur);
int milieu(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double dx, double dy, Tcouleur couleur);
int symetriqueCentral(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double dx, double dy,
                      Tcouleur couleur);
int pointAffine(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tnom c, double u, double v,
                double dx, double dy, Tcouleur couleur);
int quatriemeSommet(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tnom c, double dx, double dy,
                    Tcouleur couleur);
int pointTourne(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom m, double angle, double dx, double dy,
                Tcouleur couleur);
int pointTourneAngle(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom a, Tnom b, Tnom m, double dx,
                     double dy, Tcouleur couleur);
int reportLongueur(TzoneAffichage& zone, Tnom nom, Tnom c, Tnom d, Tnom a, Tnom b, double dx,
                   double dy, Tcouleur couleur);
int pointIntersectionDroites(TzoneAffichage& zone, Tnom nom, Tnom d1, Tnom d2, double dx, double dy,
                             Tcouleur couleur);
int symetriqueAxe(TzoneAffichage& zone, Tnom nom, Tnom axe, Tnom m, double dx, double dy,
                  Tcouleur couleur);
int pointIntersectionCercles(TzoneAffichage& zone, Tnom nom, Tnom c1, Tnom c2, double dx, double dy,
                             Tcouleur couleur);
int pointIntersectionDroiteCercle(TzoneAffichage& zone, Tnom nom, Tnom d, Tnom c, double dx,
                                  double dy, Tcouleur couleur);
int mesureLongueur(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, int decimales, double dx,
                   double dy, Tcouleur couleur);
int mesureAngleAffichee(TzoneAffichage& zone, Tnom nom, Tnom o, Tnom a, Tnom b, int decimales,
                        double dx, double dy, Tcouleur couleur);
int centreCercleInscrit(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, Tnom c, double dx,
                        double dy, Tcouleur couleur);
int rayonDeveloppe(TzoneAffichage& zone, Tnom nom, Tnom k, Tnom j, Tnom arc, double dx, double dy,
                   Tcouleur couleur);

// Points que la souris déplace sous contrainte.
int pointSurSegmentHorizontal(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y,
                              double xMin, double xMax, double pas, double dx, double dy);
int pointSurGrille(TzoneAffichage& zone, Tnom nom, Tcouleur couleur, double x, double y,
                   double xMin, double xMax, double pasX, double yMin, double yMax, double pasY,
                   double dx, double dy);
int pointSurCercle(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double angleMin, double angleMax,
                   double pas, double angle, double dx, double dy, Tcouleur couleur);
int choixPoint(TzoneAffichage& zone, Tnom nom, Tnom a, Tnom b, double dx, double dy,
               Tcouleur couleur, int choix);

// Réglages des points (un nom absent : rien ne change, les lectures rendent 0 ou « »).
void changerEtiquette(TzoneAffichage& zone, Tnom nom, std::string_view texte);
std::string etiquetteObjet(const TzoneAffichage& zone, Tnom nom);
void decalerEtiquette(TzoneAffichage& zone, Tnom nom, double dx, double dy);
void tailleEtiquette(TzoneAffichage& zone, Tnom nom, int taille);
void modeEtiquette(TzoneAffichage& zone, Tnom nom, int mode);
// Seuls les points dont la position ne dépend d'aucun parent peuvent devenir mobiles.
void rendreFixe(TzoneAffichage& zone, Tnom nom);
void rendreMobile(TzoneAffichage& zone, Tnom nom);
double abscisseObjet(const TzoneAffichage& zone, Tnom nom);
double ordonneeObjet(const TzoneAffichage& zone, Tnom nom);

// Place un point libre (pour un point sur un cercle, x est son angle) et recalcule tous les
// objets qui le suivent ; un point construit ne se place pas.
void placerPoint(TzoneAffichage& zone, Tnom nom, double x, double y);
void placerSurPoint(TzoneAffichage& zone, Tnom nom, Tnom autre);

// Recalcule un objet ; recalcule les objets de l'indice donné jusqu'au dernier.
void recalculerObjet(TzoneAffichage& zone, int indice);
void recalculerDepuis(TzoneAffichage& zone, int indice);

// Déplace le point saisi (`objetSaisi`) vers la souris (`sourisReelX`, `sourisReelY`)
// selon son genre et la grille du repère de la zone, recalcule la suite de la figure et demande un
// dessin.
void deplacerPointSaisi(TzoneAffichage& zone);
