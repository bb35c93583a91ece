#pragma once

// Bouton à image de la fenêtre principale : une image sans légende, dessinée en vecteurs à
// chaque peinture (nette à toute échelle), et sa bulle d'aide. Il prend le focus au clavier
// et se déclenche avec Entrée ou Espace comme un bouton ordinaire, ou par le raccourci de
// son dessin (Échap pour l'accueil, Alt+S pour la suite…), que sa bulle rappelle.

#include "ui/dessins.h"

#include <QAbstractButton>

class TboutonImage : public QAbstractButton {
public:
    TboutonImage(Tpicto picto, QWidget* parent);

    QSize sizeHint() const override;

protected:
    bool event(QEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    Tpicto picto_;
};
