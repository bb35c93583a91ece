#include "exercises/commun/registre.h"

#include "core/donneescommunes.h"
#include "core/exercice/enonce.h"
#include "core/exercice/reponsemodele.h"

#include <map>

namespace {

std::map<int, const Texercice*>& lignes() {
    static std::map<int, const Texercice*> registre;
    return registre;
}

const Texercice* courant(const TdonneesCommunes& d) {
    return exerciceInscrit(d.numeroExercice);
}

void poser(TdonneesCommunes& d) {
    if (const Texercice* e = courant(d); e != nullptr && e->poserEnonce != nullptr) {
        e->poserEnonce(d);
    }
}

void juger(TdonneesCommunes& d) {
    if (const Texercice* e = courant(d); e != nullptr && e->jugerReponse != nullptr) {
        conclureQuestion(d, e->jugerReponse(d), Tnotation::pointParEssai);
    } else {
        jugerReponseStandard(d);
    }
}

void resoudre(TdonneesCommunes& d) {
    if (const Texercice* e = courant(d); e != nullptr && e->donnerSolution != nullptr) {
        e->donnerSolution(d);
    } else {
        ecrireSolutionPreparee(d);
    }
}

void reprendre(TdonneesCommunes& d) {
    if (const Texercice* e = courant(d); e != nullptr && e->reprendreEnonce != nullptr) {
        e->reprendreEnonce(d);
    }
}

void modele(TdonneesCommunes& d) {
    if (const Texercice* e = courant(d); e != nullptr && e->donnerReponseModele != nullptr) {
        e->donnerReponseModele(d);
    } else {
        donnerReponseModeleParDefaut(d);
    }
}

void fausse(TdonneesCommunes& d) {
    if (const Texercice* e = courant(d); e != nullptr && e->donnerReponseFausse != nullptr) {
        e->donnerReponseFausse(d);
    } else {
        donnerReponseFausseParDefaut(d);
    }
}

} // namespace

void inscrireExercices(std::span<const Texercice> table) {
    for (const Texercice& e : table) {
        lignes()[e.index] = &e;
    }
}

const Texercice* exerciceInscrit(int index) {
    const auto trouve = lignes().find(index);
    return trouve != lignes().end() ? trouve->second : nullptr;
}

void effacerExercices() {
    lignes().clear();
}

TuniteChapitre uniteDuRegistre() {
    return {.poserEnonce = &poser,
            .jugerReponse = &juger,
            .donnerSolution = &resoudre,
            .reprendreEnonce = &reprendre,
            .donnerReponseModele = &modele,
            .donnerReponseFausse = &fausse};
}
