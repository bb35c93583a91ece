#pragma once

// État d'un arbre du sommaire ou de l'index (ArbreChoixExercice, ArbreChoixCours…) : le
// nœud sélectionné et les nœuds dépliés, sur un arbre de contenu donné. La couche ui/
// recopie cet état vers le QTreeWidget qui l'affiche.

#include "core/arbres/arbrecontenu.h"
#include "core/controles/controle.h"

#include <vector>

struct Tarbre : Tcontrole {
    Tarbre() = default;
    explicit Tarbre(const TarbreContenu& contenu);

    const TarbreContenu* contenu = nullptr;
    int selection = -1; // −1 : aucun nœud sélectionné
    std::vector<bool> deplies;

    // Sélectionne le nœud et déplie ses ancêtres pour qu'il soit visible ; un indice hors de
    // l'arbre ne change rien.
    void selectionner(int index);
    void deplier(int index);
    void replier(int index);
    bool estDeplie(int index) const;
};
