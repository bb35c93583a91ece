#pragma once

// La rangée des cinq onglets du classeur principal, dessinée par le programme : chaque
// onglet de 157 × 30 pixels porte sa couleur, une pastille blanche arrondie et sa légende en
// police condensée grasse. Un clic ou les flèches gauche et droite (avec le focus) changent
// d'onglet ; `ongletChoisi` prévient la fenêtre.

#include <QWidget>
#include <functional>

class TbarreOnglets : public QWidget {
public:
    static constexpr int largeurOnglet = 157;
    static constexpr int hauteurOnglet = 30;
    static constexpr int hauteurBarre = 40;
    static constexpr int nombreOnglets = 5;

    explicit TbarreOnglets(QWidget* parent);

    std::function<void(int)> ongletChoisi;

    int courant() const { return courant_; }
    // Change l'onglet affiché sans prévenir la fenêtre.
    void definirCourant(int onglet);
    void definirActif(int onglet, bool actif);
    // Rectangle de l'onglet (gauche, haut, largeur 157, hauteur 30) dans la barre.
    QRect rectOnglet(int onglet) const;
    static QColor couleurOnglet(int onglet);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void choisir(int onglet);

    int courant_ = 0;
    bool actifs_[nombreOnglets] = {true, true, true, true, true};
};
