#pragma once

// Les images du produit, dessinées par le code en vecteurs : pictogrammes des boutons,
// images de verdict et calculatrice. Tout est tracé avec QPainter à la taille demandée, si
// bien qu'un écran à 200 % reçoit un dessin net et non une image agrandie.

#include <QSize>

class QImage;
class QPainter;
class QRectF;

// Les dessins des boutons à image de la fenêtre.
enum class Tpicto {
    Accueil,
    Precedent,
    Suivant,
    Bilan,
    RevoirCours,
    PourSexercer,
    Retour,
    Suite,
    Solution,
    Reessayer,
    Correction,
    Sommaire,
    Avancer,
    Reculer
};

// Les images de verdict posées dans la zone de la solution.
enum class TimageVerdict { Exacte, Fausse, Incorrecte, Solution };

// Taille, en pixels logiques, du bouton qui porte le dessin.
QSize taillePicto(Tpicto picto);

// Dessine le pictogramme dans le rectangle ; un bouton inactif est dessiné en gris, un
// bouton survolé un peu plus clair.
void dessinerPicto(QPainter& peintre, Tpicto picto, const QRectF& rect, bool actif, bool survol);

inline constexpr int coteVerdict = 40;
inline constexpr int largeurCalculatrice = 44;
inline constexpr int hauteurCalculatrice = 60;

// Image de verdict de coteVerdict × coteVerdict pixels logiques, tracée au rapport de pixels
// donné (2 pour un écran à 200 %).
QImage imageVerdict(TimageVerdict verdict, double rapportPixels);

// Image de la calculatrice (largeurCalculatrice × hauteurCalculatrice pixels logiques).
QImage imageCalculatrice(double rapportPixels);
