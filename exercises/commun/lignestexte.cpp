#include "exercises/commun/lignestexte.h"

#include "core/exercice/enonce.h"

namespace {

void ecrire(TdonneesCommunes& d, std::span<const LigneTexte> lignes,
            void (*ajouter)(TdonneesCommunes&, std::string_view, double)) {
    for (const LigneTexte& l : lignes) {
        if (l.texte == nullptr) {
            return;
        }
        ajouter(d, l.texte, l.ligne);
    }
}

} // namespace

void ecrireLignesEnonce(TdonneesCommunes& d, std::span<const LigneTexte> lignes) {
    ecrire(d, lignes, &ajouterLigneEnonce);
}

void ecrireLignesSolution(TdonneesCommunes& d, std::span<const LigneTexte> lignes) {
    ecrire(d, lignes, &ajouterLigneSolution);
}
