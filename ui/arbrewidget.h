#pragma once

// Arbre du sommaire ou de l'index à l'écran : un QTreeWidget en lecture seule rempli depuis
// une table de contenu du noyau (libellés et indices absolus tels quels), avec suivi du
// survol et sélection toujours visible. Un appui sur la feuille déjà sélectionnée, ou
// Entrée sur une feuille, est rendu à la fenêtre par `feuilleChoisie` ; un appui sur un
// autre nœud ne fait que le travail ordinaire de l'arbre (sélection, dépliage).

#include <QTreeWidget>
#include <functional>
#include <vector>

struct TarbreContenu;

class TarbreWidget : public QTreeWidget {
public:
    TarbreWidget(QWidget* parent, const TarbreContenu& contenu);

    // Appelé avec l'indice absolu de la feuille choisie.
    std::function<void(int)> feuilleChoisie;
    // Flèche bas : passer au nœud d'indice absolu suivant, même caché sous un nœud replié.
    bool descenteParIndice = false;

    const TarbreContenu& contenu() const { return contenu_; }
    int nombreNoeuds() const { return static_cast<int>(elements_.size()); }
    // L'élément de l'indice absolu, nul hors de l'arbre.
    QTreeWidgetItem* element(int index) const;
    // Indice absolu d'un élément, −1 pour nul.
    static int indexDe(const QTreeWidgetItem* element);
    // Indice absolu du nœud sélectionné, −1 si aucun.
    int indexSelectionne() const;
    // Sélectionne le nœud (ses ancêtres se déplient) ; −1 retire la sélection.
    void selectionnerIndex(int index);

    // Vrai si le libellé de l'élément est coupé (« … ») faute de place dans sa ligne.
    bool libelleCoupe(const QTreeWidgetItem* element) const;

protected:
    // Une bulle montre le libellé entier d'un élément coupé.
    bool viewportEvent(QEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseDoubleClickEvent(QMouseEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    // Après un appui du bouton gauche sur l'élément sous : la feuille est choisie si elle
    // était déjà le nœud sélectionné (d'indice avant) avant cet appui.
    void choisirSiDejaSelectionnee(const QMouseEvent* evenement, QTreeWidgetItem* sous, int avant);

    const TarbreContenu& contenu_;
    std::vector<QTreeWidgetItem*> elements_;
};
