#include "core/controles/arbre.h"

Tarbre::Tarbre(const TarbreContenu& contenu_)
    : contenu(&contenu_), deplies(static_cast<std::size_t>(contenu_.nombreNoeuds()), false) {}

void Tarbre::selectionner(int index) {
    if (contenu == nullptr || !contenu->contient(index)) {
        return;
    }
    selection = index;
    for (int p = contenu->noeuds[index].parent; p >= 0; p = contenu->noeuds[p].parent) {
        deplier(p);
    }
}

namespace {

// Le tableau des nœuds dépliés suit la taille de l'arbre ; un arbre affecté après coup
// l'agrandit ici plutôt que d'être lu hors bornes.
bool ajuster(const Tarbre& arbre, std::vector<bool>& deplies, int index) {
    if (arbre.contenu == nullptr || !arbre.contenu->contient(index)) {
        return false;
    }
    deplies.resize(static_cast<std::size_t>(arbre.contenu->nombreNoeuds()), false);
    return true;
}

} // namespace

void Tarbre::deplier(int index) {
    if (ajuster(*this, deplies, index) && contenu->aDesEnfants(index)) {
        deplies[static_cast<std::size_t>(index)] = true;
    }
}

void Tarbre::replier(int index) {
    if (ajuster(*this, deplies, index)) {
        deplies[static_cast<std::size_t>(index)] = false;
    }
}

bool Tarbre::estDeplie(int index) const {
    return contenu != nullptr && contenu->contient(index) &&
           static_cast<std::size_t>(index) < deplies.size() &&
           deplies[static_cast<std::size_t>(index)];
}
