#include "tests/analysis/jugement/jugeessai.h"

Tjugement JugeEssai::juger(const CasChamp& cas) {
    jugement::TchampAJuger champ;
    champ.numero = cas.nombreChamps < 1 ? 1 : cas.nombreChamps;
    champ.nombreChamps = cas.nombreChamps;
    champ.genre = cas.type;
    champ.attendu = cas.attendu;
    champ.valeurAttendue = cas.valeur;
    champ.lettres = cas.lettres;
    champ.lettresPoints = cas.pointsFigure;
    champ.precision = cas.precision;
    champ.videPermis = cas.videPermis;
    champ.reponse = cas.reponse;

    const jugement::TjugementChamp j = jugement::jugerChamp(champ);
    Tjugement resultat;
    resultat.verdict = static_cast<int>(j.verdict);
    resultat.messages = j.messages;
    resultat.bipsIncorrect = j.refus ? 1 : 0;
    resultat.valeurLue = j.valeurLue;
    return resultat;
}
