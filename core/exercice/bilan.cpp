#include "core/exercice/bilan.h"

#include "core/donneescommunes.h"

std::string ligneScore() {
    return "                        Score\u00A0: ";
}

std::string ligneScore(int serie, int possibles) {
    return ligneScore() + std::to_string(serie) + " / " + std::to_string(possibles);
}

int pourcentageReussite(int obtenus, int possibles) {
    if (possibles <= 0 || obtenus < 0) {
        return 0;
    }
    const long long centuple = 100LL * obtenus;
    const long long quotient = centuple / possibles;
    const long long reste = centuple % possibles;
    long long arrondi = quotient;
    if (2 * reste > possibles || (2 * reste == possibles && quotient % 2 == 1)) {
        arrondi += 1;
    }
    return static_cast<int>(arrondi);
}

std::vector<TligneBilan> lignesBilan(const TdonneesCommunes& d) {
    std::vector<TligneBilan> lignes{
        {4, 1.83, "$g$H$bBilan"},
        {4, 3, "$nNombre d'exercices abordés\u00A0: " + std::to_string(d.exercicesAbordes)},
        {4, 4, "$nNombre d'exercices traités\u00A0: " + std::to_string(d.exercicesTraites)},
        {4, 5, "$nNombre de solutions demandées\u00A0: " + std::to_string(d.solutionsDemandees)},
        {4, 7,
         "$nNombre de points obtenus\u00A0: " + std::to_string(d.pointsObtenus) + " / " +
             std::to_string(d.pointsPossibles)},
    };
    if (d.pointsPossibles > 0) {
        lignes.push_back(
            {4, 8,
             "$nPourcentage de réussite\u00A0: " +
                 std::to_string(pourcentageReussite(d.pointsObtenus, d.pointsPossibles)) + " %"});
    }
    return lignes;
}
