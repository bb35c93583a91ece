#pragma once

// TInfoObj : la fenêtre d'information, sans bord ni titre, couleur #E0FFE0. Elle montre une
// fiche (dessinée par le contenu) près du pointeur, ou le bilan à sa place fixe. Un clic
// sur elle ou la perte du focus demande sa fermeture à la fenêtre principale, qui la
// détruit une fois l'événement en cours fini. Il en existe au plus une.

#include "content/info/fenetreinfo.h"

#include <QRect>
#include <QWidget>

#include <functional>

struct TdonneesCommunes;

class TInfoObj : public QWidget {
public:
    // demanderFermeture est appelé (hors de l'événement de la fenêtre) par un clic ou une
    // perte du focus.
    TInfoObj(const TdonneesCommunes& d, std::function<void()> demanderFermeture);

    // Montre la fiche de l'identifiant, à la taille largeurInfo × hauteurInfo, à la place
    // donnée.
    void montrer(int identifiant, int pointX, int pointY, const QRect& bureau,
                 const TplaceInfo& place);

    int identifiantInfo = 0;
    int pointX = 0;
    int pointY = 0;
    QRect bureau;
    bool placeADroite = false;
    bool placeAGauche = false;
    bool placeEnBas = false;
    bool placeEnHaut = false;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    bool event(QEvent* evenement) override;

private:
    const TdonneesCommunes& d_;
    std::function<void()> demanderFermeture_;
};
