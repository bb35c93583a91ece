#include "tools/banc/feuilles.h"

#include "core/arbres/arbreexercices.h"
#include "core/identifiants.h"
#include "tools/banc/arguments.h"

Arguments argumentsDeChapitres(const std::vector<std::string>& brut) {
    Arguments arguments(brut, {"graines", "chapitre"}, {});
    if (!arguments.positionnels().empty()) {
        throw ErreurArguments("aucun argument positionnel attendu");
    }
    return arguments;
}

int lireGraines(const Arguments& arguments) {
    const long long graines =
        Arguments::entier("graines", arguments.valeur("graines").value_or("1"));
    if (graines < 1 || graines > 1000) {
        throw ErreurArguments("--graines doit être entre 1 et 1000");
    }
    return static_cast<int>(graines);
}

std::vector<int> feuillesDesChapitres(const Arguments& arguments) {
    int premier = premierCodeChapitre;
    int dernier = dernierCodeChapitre;
    if (const auto chapitre = arguments.valeur("chapitre")) {
        const long long n = Arguments::entier("chapitre", *chapitre);
        if (n < 1 || n > 14) {
            throw ErreurArguments("--chapitre doit être entre 1 et 14");
        }
        premier = dernier = static_cast<int>(n) + 1;
    }
    const TarbreContenu& arbre = arbreExercices();
    std::vector<int> feuilles;
    for (int index = 0; index < arbre.nombreNoeuds(); ++index) {
        const int code = chapitreDExercice(index);
        if (!arbre.aDesEnfants(index) && code >= premier && code <= dernier) {
            feuilles.push_back(index);
        }
    }
    return feuilles;
}
