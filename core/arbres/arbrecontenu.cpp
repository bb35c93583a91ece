#include "core/arbres/arbrecontenu.h"

int TarbreContenu::identifiant(int index) const {
    return contient(index) ? base + index : 0;
}

int TarbreContenu::indexDIdentifiant(int identifiant) const {
    const int index = identifiant - base;
    return contient(index) ? index : -1;
}

bool TarbreContenu::aDesEnfants(int index) const {
    return contient(index) && contient(index + 1) && noeuds[index + 1].parent == index;
}

int TarbreContenu::racine(int index) const {
    if (!contient(index)) {
        return -1;
    }
    while (noeuds[index].parent >= 0) {
        index = noeuds[index].parent;
    }
    return index;
}
