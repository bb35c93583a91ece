// Toute réponse de 120 caractères au plus, même absurde, reçoit de chaque correcteur un
// verdict, et un message quand elle est refusée sans jugement : jamais d'arrêt du programme.

#include "analysis/jugement/genresreponse.h"
#include "tests/analysis/jugement/jugeessai.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Un genre de réponse, avec une réponse attendue et des lettres qui lui conviennent.
struct GenreEssai {
    TgenreReponse genre;
    const char* attendu;
    double valeur;
    const char* lettres;
};

const std::vector<GenreEssai>& genres() {
    static const std::vector<GenreEssai> tous{
        {TgenreReponse::aucun, "", 2, ""},
        {TgenreReponse::entier, "", 2, ""},
        {TgenreReponse::decimal, "", 2.5, ""},
        {TgenreReponse{3}, "", 2, ""},
        {TgenreReponse::deuxPoints, "AB", 0, ""},
        {TgenreReponse::fraction, "", 0.5, ""},
        {TgenreReponse::nombre, "", 0.5, ""},
        {TgenreReponse::couplePoints, "AB", 0, ""},
        {TgenreReponse::angle180, "", 90, ""},
        {TgenreReponse::angle360, "", 270, ""},
        {TgenreReponse::expression, "2x+1", 0, "x"},
        {TgenreReponse::factorisee, "(x+1)^2", 0, "x"},
        {TgenreReponse::developpee, "x^2+2x+1", 0, "x"},
        {TgenreReponse::developpeeSansParentheses, "x^2+2x+1", 0, "x"},
        {TgenreReponse::vraiFaux, "", 0, ""},
        {TgenreReponse::unPoint, "A", 0, ""},
        {TgenreReponse::troisPoints, "ABC", 0, ""},
        {TgenreReponse::ouiNon, "", 1, ""},
        {TgenreReponse::duree, "", 3723, ""},
        {TgenreReponse::formuleTableur, "A1:A5", 1, ""},
        {TgenreReponse::formuleTableur, "A1*B1", 2, ""},
        {TgenreReponse::formuleTableur, "B1:B9", 5, ""},
        {TgenreReponse::solutions, "-2;3", 0, ""},
        {TgenreReponse::inegalite, "x<5", 0, ""},
        {TgenreReponse::inegaliteStricte, "x>=-1/2", 0, ""},
        {TgenreReponse::encadrement, "1,4<rac(2)<1,5", 0, ""},
        {TgenreReponse::expressionDenominateurs, "1/x+1", 0, "x"},
        {TgenreReponse::valeursAnnoncees, "1;2;3", 0, ""},
        {TgenreReponse::valeursOrdonnees, "1;2;3", 0, ""},
        {TgenreReponse::coordonnees, "2;-1", 0, "A"},
        {TgenreReponse::quadrilatere, "ABCD", 0, ""},
        {TgenreReponse{99}, "", 1, ""},
        {TgenreReponse{255}, "", 1, ""},
    };
    return tous;
}

std::string repeter(std::string_view motif, std::size_t fois) {
    std::string texte;
    for (std::size_t i = 0; i < fois; ++i) {
        texte += motif;
    }
    return texte;
}

struct EntreeHostile {
    const char* nom;
    std::string texte;
};

const std::vector<EntreeHostile>& entrees() {
    static const std::vector<EntreeHostile> toutes{
        {"Vide", ""},
        {"Espaces", "      "},
        {"Tabulations", "\t\t"},
        {"Operateurs", "+-*/^"},
        {"OperateursSeuls", repeter("*", 120)},
        {"Pourcentage", "%"},
        {"PointsVirgules", ";;;"},
        {"PointVirguleSeul", ";"},
        {"Egal", "="},
        {"Signes", "<<>>=<="},
        {"Encadrement", "<x<"},
        {"LettresInconnues", "qwzk"},
        {"MotsCles", "racpi rac( pi) p"},
        {"Puissances", repeter("2^", 59) + "2"},
        {"Parentheses", repeter("(", 120)},
        {"ParenthesesFermees", repeter(")", 120)},
        {"Crochets", "[](){}"},
        {"Chiffres", repeter("9", 120)},
        {"Virgules", repeter(",", 120)},
        {"ListeLongue", repeter("1;", 60)},
        {"DenominateurNul", "1/0"},
        {"ZeroSurZero", "0/0"},
        {"RacineNegative", "rac(-1)"},
        {"Scientifique", "1*10p999"},
        {"GrandExposant", "10^999999999"},
        {"Duree", "99999999999999 h 59 min 59,9999 s"},
        {"DureeUnites", "HMINS"},
        {"Tableur", "=SOMME("},
        {"TableurVide", "=()"},
        {"Degre", "°"},
        {"DegreSeul", "°°°"},
        {"OctetsInvalides", "\xff\xfe\xfd"},
        {"SequenceCoupee", "12\xc3"},
        {"Substitut", "\xed\xa0\x80"},
        {"ZoneUsagePrive", "\xee\x80\x80\xee\x80\x81"},
        {"Accents", repeter("é", 120)},
        {"NulInterne", std::string("1\0"
                                   "2",
                                   3)},
        {"PasDeSolution", "pas de solution;pas de solution"},
        {"Inegalite", "x>=" + repeter("9", 117)},
        {"NomsDePoints", repeter("A", 120)},
    };
    return toutes;
}

class EntreeHostileTousGenres : public testing::TestWithParam<EntreeHostile> {};

TEST_P(EntreeHostileTousGenres, UnVerdictEtSonMessage) {
    JugeEssai juge;
    for (const GenreEssai& g : genres()) {
        for (int nombreChamps : {1, 3}) {
            CasChamp cas{"", g.genre, g.attendu, g.valeur, "",
                         0,  {},      g.lettres, "ABCD",   nombreChamps};
            cas.reponse = GetParam().texte;
            const Tjugement j = juge.juger(cas);
            SCOPED_TRACE("genre " + std::to_string(static_cast<int>(g.genre)));
            EXPECT_TRUE(j.verdict == 1 || j.verdict == 3 || j.verdict == 6 || j.verdict == 9)
                << j.verdict;
            if (j.verdict == 6 || j.verdict == 9) {
                EXPECT_FALSE(j.messages.empty());
            }
        }
    }
}

// La même entrée posée comme réponse attendue : une faute de l'exercice ne doit pas non plus
// arrêter le programme.
TEST_P(EntreeHostileTousGenres, CommeReponseAttendue) {
    JugeEssai juge;
    for (const GenreEssai& g : genres()) {
        CasChamp cas{"", g.genre, "", g.valeur, "2", 0, {}, g.lettres, "ABCD"};
        cas.attendu = GetParam().texte;
        const Tjugement j = juge.juger(cas);
        EXPECT_TRUE(j.verdict == 1 || j.verdict == 3 || j.verdict == 6 || j.verdict == 9)
            << "genre " << static_cast<int>(g.genre) << " : " << j.verdict;
    }
}

INSTANTIATE_TEST_SUITE_P(Entrees, EntreeHostileTousGenres, testing::ValuesIn(entrees()),
                         [](const auto& info) { return std::string(info.param.nom); });

} // namespace
