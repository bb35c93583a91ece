#pragma once

// Boîte de dessin de la fenêtre : le widget où une zone d'affichage se peint. Il porte la
// TboitePeinture que la zone connaît (taille, couleur, visibilité, repeindre, pointeur) et
// renvoie la peinture et la souris à la fenêtre, qui tient la table de routage.

#include "display/zones/boitepeinture.h"

#include <QWidget>
#include <functional>

class QPainter;

class TwidgetZone : public QWidget {
public:
    TwidgetZone(QWidget* parent, int largeur, int hauteur, Tcouleur couleur);

    TboitePeinture boite;
    // Peinture de la zone (dessinerZone, puis ce que la fenêtre ajoute par-dessus).
    std::function<void(QPainter&)> peindre;
    // Souris en pixels de la zone : 1 appui, 2 relâché, 3 mouvement.
    std::function<void(int x, int y, int action)> souris;

    // Touche pressée quand la boîte a le clavier (code de touche Qt) ; rend vrai quand elle
    // a servi. Une boîte qui en a un prend le clavier au clic et à la tabulation.
    std::function<bool(int touche)> clavier;
    // Le clavier quitte la boîte.
    std::function<void()> perteClavier;
    void accepterClavier();

    // Recopie la taille, la couleur et la visibilité de la boîte vers le widget.
    void suivreBoite();

    // La boîte seule fixe la taille du widget (zone du cours, que la page allonge) : un
    // redimensionnement du widget, comme celui qu'un onglet reçoit en retard quand il se
    // montre, ne la réécrit pas.
    bool tailleParLaBoite = false;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    bool event(QEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;

private:
    void transmettre(QMouseEvent* evenement, int action);
};
