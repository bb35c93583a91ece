#include "core/verificateurs/messagesverdict.h"

#include "core/donneescommunes.h"
#include "core/exercice/enonce.h"
#include "core/exercice/verdicts.h"

namespace verificateurs {

std::string libelleReponse(const TdonneesCommunes& d, int a) {
    if (d.nombreChamps <= 1) {
        return "La réponse ";
    }
    const char lettre = static_cast<char>('a' + (a >= 1 && a <= 3 ? a - 1 : 0));
    return std::string("La réponse  $g") + lettre + "$N  ";
}

void ecrireMessages(TdonneesCommunes& d, std::initializer_list<std::string_view> lignes) {
    for (std::string_view ligne : lignes) {
        ajouterMessage(d, ligne);
    }
}

Tverdict refuser(TdonneesCommunes& d, Tverdict verdict,
                 std::initializer_list<std::string_view> lignes) {
    verdictIncorrect(d);
    ecrireMessages(d, lignes);
    return verdict;
}

} // namespace verificateurs
