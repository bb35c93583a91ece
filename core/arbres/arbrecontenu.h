#pragma once

// Un arbre de contenu (exercices, cours, imagiciels, index par thème, index alphabétique)
// tenu comme une table de nœuds en ordre préfixe : chaque nœud est suivi de ses enfants.
// L'identifiant de contenu d'un nœud vaut la base de l'arbre plus son indice absolu.

#include "core/arbres/noeudarbre.h"

#include <span>

struct TarbreContenu {
    std::span<const TnoeudArbre> noeuds;
    int base = 0;

    int nombreNoeuds() const { return static_cast<int>(noeuds.size()); }
    bool contient(int index) const { return index >= 0 && index < nombreNoeuds(); }

    // Identifiant de contenu du nœud d'indice index (0 si l'indice est hors de l'arbre).
    int identifiant(int index) const;

    // Indice du nœud désigné par un identifiant de contenu, −1 s'il n'est pas dans l'arbre.
    int indexDIdentifiant(int identifiant) const;

    // Vrai si le nœud a au moins un enfant ; faux pour une feuille ou un indice hors de l'arbre.
    bool aDesEnfants(int index) const;

    // Indice de la racine dont descend le nœud, −1 hors de l'arbre.
    int racine(int index) const;
};
