#include "analysis/jugement/messages.h"

#include <cmath>

namespace jugement {

std::string libelleReponse(const TchampAJuger& champ) {
    if (champ.nombreChamps <= 1) {
        return "La réponse ";
    }
    const int a = champ.numero;
    const char lettre = static_cast<char>('a' + (a >= 1 && a <= 3 ? a - 1 : 0));
    return std::string("La réponse  $g") + lettre + "$N  ";
}

double tolerance(const TchampAJuger& champ) {
    return champ.precision == 0 ? 1e-9 : std::abs(champ.precision);
}

TjugementChamp verdictSeul(Tverdict verdict) {
    TjugementChamp j;
    j.verdict = verdict;
    return j;
}

void ajouterLignes(TjugementChamp& j, std::initializer_list<std::string_view> lignes) {
    for (std::string_view ligne : lignes) {
        j.messages.emplace_back(ligne);
    }
}

TjugementChamp refuser(Tverdict verdict, std::initializer_list<std::string_view> lignes) {
    TjugementChamp j = verdictSeul(verdict);
    j.refus = true;
    ajouterLignes(j, lignes);
    return j;
}

TjugementChamp attenduIncorrect() {
    TjugementChamp j = verdictSeul(Tverdict::illisible);
    ajouterLignes(j, {expressionProfIncorrecte});
    return j;
}

} // namespace jugement
