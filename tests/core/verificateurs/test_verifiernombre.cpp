// Correcteur des nombres : formes demandées (entier, décimal, fraction irréductible,
// angles), vrai ou faux, oui ou non, durées et formules de tableur.

#include "core/verificateurs/genresreponse.h"
#include "core/verificateurs/lectureduree.h"
#include "tests/core/verificateurs/jugeessai.h"

#include <gtest/gtest.h>

namespace {

using namespace verificateurs;

const std::string simplifiable = "Réponse simplifiable";
const std::string peutEtreSimplifiee = "La réponse peut être simplifiée.";
const std::string pasComprise = "La réponse n'a pas été comprise.";

class Nombre : public testing::TestWithParam<CasChamp> {};

TEST_P(Nombre, VerdictEtMessages) {
    const CasChamp& c = GetParam();
    JugeEssai juge;
    const Tjugement j = juge.juger(c);
    EXPECT_EQ(j.verdict, c.verdict);
    EXPECT_EQ(j.messages, c.messages);
    // Un refus sans jugement donne toujours l'image et le bip « incorrect ».
    EXPECT_EQ(j.bipsIncorrect, c.verdict == 6 || c.verdict == 9 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Acceptes, Nombre,
    testing::Values(
        CasChamp{"FractionIrreductible", genreNombre, "", 0.75, "3/4", 1, {}},
        CasChamp{"Decimal", genreNombre, "", 0.75, "0,75", 1, {}},
        CasChamp{"ZeroInutile", genreNombre, "", 0.75, "0,750", 1, {}},
        CasChamp{"FractionAvecBlancs", genreNombre, "", 0.75, "3 / 4", 1, {}},
        CasChamp{"PointDecimal", genreDecimal, "", 0.75, "0.75", 1, {}},
        CasChamp{"EntierNegatif", genreEntier, "", -12, "-12", 1, {}},
        CasChamp{"FractionNegative", genreFraction, "", -0.75, "-3/4", 1, {}},
        CasChamp{"AngleAvecDegre", genreAngle180, "", 45, "45°", 1, {}},
        CasChamp{"Angle180", genreAngle180, "", 180, "180", 1, {}},
        CasChamp{"Angle359", genreAngle360, "", 359.5, "359,5 °", 1, {}},
        CasChamp{"DansLaTolerance", genreNombre, "", 3.14159, "3,14", 1, {}, "", "", 1, 0.01},
        CasChamp{"ToleranceNulle", genreNombre, "", 2, "2", 1, {}, "", "", 1, 0},
        CasChamp{"GenreSansCorrecteur", 99, "", 2.5, "5/2", 1, {}},
        CasChamp{"GenreSansCorrecteurReductible", 0, "", 0.5, "2/4", 1, {}},
        CasChamp{"Vrai", genreVraiFaux, "", 0, "vrai", 1, {}},
        CasChamp{"VAvecBlancs", genreVraiFaux, "", 0, " V ", 1, {}},
        CasChamp{"Faux", genreVraiFaux, "", 1, "FAUX", 1, {}},
        CasChamp{"Oui", genreOuiNon, "", 0, "oui", 1, {}},
        CasChamp{"N", genreOuiNon, "", 1, "n", 1, {}},
        CasChamp{"Duree", genreDuree, "", 3723, "1 h 2 min 3 s", 1, {}},
        CasChamp{"DureeMinutes", genreDuree, "", 120, "2 min", 1, {}},
        CasChamp{"DureeSecondesDecimales", genreDuree, "", 45.5, "45,5 s", 1, {}},
        // 3 h 35 min 2,4 s : la somme en double n'est pas toujours 12902,4 exactement.
        CasChamp{"DureeDecimaleAtteinte", genreDuree, "", 12902.4, "3 h 35 min 2,4 s", 1, {}},
        CasChamp{"DureeMinuscules", genreDuree, "", 14100, "3h55min", 1, {}},
        CasChamp{"Somme", genreFormuleTableur, "A1:A5", 1, "= somme(a1:a5)", 1, {}},
        CasChamp{"Mediane", genreFormuleTableur, "B2:B9", 5, "=MEDIANE(B2:B9)", 1, {}},
        CasChamp{
            "OperationParmiPlusieurs", genreFormuleTableur, "A1*B1 B1*A1", 2, "=b1*a1", 1, {}}),
    NomCas{});

INSTANTIATE_TEST_SUITE_P(
    Faux, Nombre,
    testing::Values(CasChamp{"HorsTolerance", genreNombre, "", 0.75, "0,76", 3, {}},
                    CasChamp{"EntierFaux", genreEntier, "", 4, "5", 3, {}},
                    CasChamp{"DecimalPourUnEntier", genreEntier, "", 4, "4,5", 3, {}},
                    CasChamp{"FractionFausseNonSimplifiee", genreNombre, "", 0.75, "2/4", 3, {}},
                    CasChamp{"VraiAuLieuDeFaux", genreVraiFaux, "", 1, "V", 3, {}},
                    CasChamp{"DureeFausse", genreDuree, "", 3723, "1 h 2 min 4 s", 3, {}},
                    CasChamp{
                        "SommeAutrePlage", genreFormuleTableur, "A1:A5", 1, "=SOMME(A1:A4)", 3, {}},
                    CasChamp{"OperationAbsente", genreFormuleTableur, "A1*B1", 2, "=A1+B1", 3, {}}),
    NomCas{});

INSTANTIATE_TEST_SUITE_P(
    Refuses, Nombre,
    testing::Values(CasChamp{"Pourcentage",
                             genreNombre,
                             "",
                             0.75,
                             "75%",
                             6,
                             {"Ne pas écrire \"%\" dans les réponses numériques."}},
                    CasChamp{"Illisible", genreNombre, "", 1, "1,2,3", 6, {pasComprise}},
                    CasChamp{"NotationEnE", genreNombre, "", 35000, "3,5e4", 6, {pasComprise}},
                    CasChamp{"DenominateurNul", genreNombre, "", 1, "1/0", 6, {pasComprise}},
                    CasChamp{"Scientifique",
                             genreNombre,
                             "",
                             35000,
                             "3,5*10p4",
                             6,
                             {"La notation scientifique n'est pas autorisée ici."}},
                    CasChamp{"ScientifiqueAvecBlancs",
                             genreVraiFaux,
                             "",
                             0,
                             "-2 * 10 p -3",
                             6,
                             {"La notation scientifique n'est pas autorisée ici."}},
                    CasChamp{"ScientifiqueDeuxChamps",
                             genreDecimal,
                             "",
                             0,
                             "1*10P2",
                             6,
                             {"La notation scientifique n'est pas autorisée pour la réponse 2."},
                             "",
                             "",
                             2},
                    CasChamp{"FractionPourUnEntier",
                             genreEntier,
                             "",
                             0.5,
                             "2/4",
                             6,
                             {"La réponse doit être un nombre entier."}},
                    CasChamp{"AngleNegatif",
                             genreAngle180,
                             "",
                             30,
                             "-30",
                             6,
                             {"La réponse doit être un nombre positif."}},
                    CasChamp{"AngleAuDela180",
                             genreAngle180,
                             "",
                             190,
                             "190",
                             6,
                             {"La réponse doit être un nombre inférieur ou égal à 180."}},
                    CasChamp{"Angle360",
                             genreAngle360,
                             "",
                             0,
                             "360",
                             6,
                             {"La réponse doit être un nombre inférieur à 360."}},
                    CasChamp{"FractionPourUnDecimal",
                             genreDecimal,
                             "",
                             0.75,
                             "3/4",
                             6,
                             {"La réponse doit être donnée sous forme décimale."}},
                    CasChamp{"VraiFauxIllisible",
                             genreVraiFaux,
                             "",
                             0,
                             "oui",
                             6,
                             {"La réponse n'a pas été comprise (taper V ou F)."}},
                    CasChamp{"OuiNonIllisible",
                             genreOuiNon,
                             "",
                             0,
                             "vrai",
                             6,
                             {"La réponse n'a pas été comprise (taper O ou N)."}},
                    CasChamp{"VraiFauxDeuxChamps",
                             genreVraiFaux,
                             "",
                             0,
                             "peut-être",
                             6,
                             {"La réponse  $gb$N  n'a pas été comprise (taper V ou F)."},
                             "",
                             "",
                             2}),
    NomCas{});

const std::vector<std::string> aideDuree{
    pasComprise, "Exemple de réponse comprise : 1 h 2 min 3 s   ou   2 min   ou    3 h 55 min",
    "Le nombre de minutes ou de secondes doit être inférieur à 60.",
    "Le nombre d'heures ou de minutes doit être entier."};

INSTANTIATE_TEST_SUITE_P(
    Durees, Nombre,
    testing::Values(CasChamp{"SoixanteMinutes", genreDuree, "", 7200, "1 h 60 min", 6, aideDuree},
                    CasChamp{"QuatreVingtDixSecondes", genreDuree, "", 90, "90 s", 6, aideDuree},
                    CasChamp{"ResteNonLu", genreDuree, "", 9000, "2 h 30", 6, aideDuree},
                    CasChamp{"HeuresDecimales", genreDuree, "", 5400, "1,5 h", 6, aideDuree},
                    CasChamp{"SansUnite", genreDuree, "", 0, "", 6, aideDuree}),
    NomCas{});

const std::string aideCellule1 = "Le nom d'une cellule est formé de la lettre indiquant la colonne";
const std::string aideCellule2 = "suivie du chiffre indiquant la ligne. Exemple : A1";

INSTANTIATE_TEST_SUITE_P(
    Tableur, Nombre,
    testing::Values(
        CasChamp{"SansEgal",
                 genreFormuleTableur,
                 "A1:A5",
                 1,
                 "SOMME(A1:A5)",
                 6,
                 {"La réponse doit commencer par le signe \"$g=$N\""}},
        CasChamp{"MauvaiseFonction",
                 genreFormuleTableur,
                 "A1:A5",
                 3,
                 "=SOMME(A1:A5)",
                 6,
                 {"La réponse doit commencer par : \"$g= MAX ($N\""}},
        CasChamp{"SansParenthese",
                 genreFormuleTableur,
                 "A1:A5",
                 4,
                 "=MIN(A1:A5",
                 6,
                 {"La réponse doit se terminer par  \"$g)$N\""}},
        CasChamp{"PlageMalEcrite",
                 genreFormuleTableur,
                 "A1:A5",
                 1,
                 "=SOMME(A1;A5)",
                 6,
                 {"Indiquer pour la fonction SOMME le nom de la première cellule",
                  "puis le caractère \"$g:$N\" puis le nom de la dernière cellule.", aideCellule1,
                  aideCellule2}},
        CasChamp{"OperationMalEcrite",
                 genreFormuleTableur,
                 "A1*B1",
                 2,
                 "=A1xB1",
                 6,
                 {"Indiquer le nom d'une cellule, puis un opérateur parmi  $g+  -  $e  /$N  ",
                  "puis le nom de la deuxième cellule.", aideCellule1, aideCellule2}},
        CasChamp{"CelluleLigneZero",
                 genreFormuleTableur,
                 "A1:A5",
                 1,
                 "=SOMME(A0:A5)",
                 6,
                 {aideCellule1, aideCellule2}},
        CasChamp{"GenreInconnuCourt",
                 genreFormuleTableur,
                 "A1",
                 9,
                 "=A",
                 6,
                 {aideCellule1, aideCellule2}}),
    NomCas{});

INSTANTIATE_TEST_SUITE_P(
    MalEcrits, Nombre,
    testing::Values(
        CasChamp{
            "Simplifiable", genreNombre, "", 0.75, "6/8", 9, {simplifiable, peutEtreSimplifiee}},
        CasChamp{
            "DemiSimplifiable", genreNombre, "", 0.5, "2/4", 9, {simplifiable, peutEtreSimplifiee}},
        CasChamp{
            "DenominateurUn", genreFraction, "", 3, "3/1", 9, {simplifiable, peutEtreSimplifiee}},
        CasChamp{"FractionDecimaleSousCode7",
                 genreNombre,
                 "",
                 0.75,
                 "1,5/2",
                 9,
                 {simplifiable, peutEtreSimplifiee}},
        CasChamp{"ZeroSurCinq", genreNombre, "", 0, "0/5", 9, {simplifiable, peutEtreSimplifiee}},
        CasChamp{"DecimalPourUneFraction",
                 genreFraction,
                 "",
                 0.75,
                 "0,75",
                 9,
                 {"La réponse doit être donnée sous forme de fraction."}},
        CasChamp{"TermeDecimal",
                 genreFraction,
                 "",
                 0.75,
                 "1,5/2",
                 9,
                 {"La réponse doit utiliser seulement des nombres entiers."}},
        CasChamp{"DeuxChamps",
                 genreFraction,
                 "",
                 0.5,
                 "2/4",
                 9,
                 {simplifiable, "La réponse  $gc$N  peut être simplifiée."},
                 "",
                 "",
                 3}),
    NomCas{});

TEST(Duree, LectureDesParties) {
    EXPECT_DOUBLE_EQ(lireDuree("1 h 2 min 3 s").secondes, 3723);
    EXPECT_DOUBLE_EQ(lireDuree("3 H 55 MIN").secondes, 14100);
    EXPECT_DOUBLE_EQ(lireDuree("45.5s").secondes, 45.5);
    EXPECT_TRUE(lireDuree("0 s").lisible);
    EXPECT_FALSE(lireDuree("1 h 2 s 3 min").lisible);
    EXPECT_FALSE(lireDuree("1234567890123456 h").lisible);
    EXPECT_FALSE(lireDuree("h").lisible);
}

TEST(Duree, ValeurDonneeEcrite) {
    JugeEssai juge;
    juge.juger(CasChamp{"", genreDuree, "", 60, "1 min", 1, {}});
    EXPECT_DOUBLE_EQ(juge.donnees().valeurDonnee[1], 60);
}

} // namespace
