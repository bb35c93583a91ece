#pragma once

// Fenêtre provisoire de calvane : une boîte de dessin de 800 × 600 pixels liée à une zone
// d'affichage qui montre un échantillon de texte balisé, en attendant la fenêtre principale.

#include "boitepeinture.h"
#include "zoneaffichage.h"

#include <QWidget>
#include <memory>

class FenetreExemple : public QWidget {
public:
    FenetreExemple();
    ~FenetreExemple() override;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    TboitePeinture boite_;
    std::unique_ptr<TzoneAffichage> zone_;
};
