#pragma once

// Les widgets de l'onglet des cours suivent la zone du cours : la boîte de défilement et le
// panneau qu'elle fait défiler prennent la couleur de fond de la page (crème, ou vert pâle
// pour les savoir-faire) et la hauteur de la zone, qui s'allonge à celle de l'image ; une
// autre page s'affiche depuis son haut, et la page ne défile jamais de côté.

class QScrollArea;
class QWidget;
struct TdonneesCommunes;

class TsuiviCours {
public:
    TsuiviCours(QScrollArea* defilement, QWidget* contenu);

    // Recopie la couleur et la taille de la zone du cours ; remonte en haut si la page a changé.
    void suivre(const TdonneesCommunes& d);

private:
    QScrollArea* defilement_;
    QWidget* contenu_;
    int pageVue_ = 0;
    unsigned couleurVue_ = 0;
};
