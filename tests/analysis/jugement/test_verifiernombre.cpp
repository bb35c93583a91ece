// Correcteur des nombres : formes demandées (entier, décimal, fraction irréductible,
// angles), vrai ou faux, oui ou non, durées et formules de tableur.

#include "analysis/jugement/genresreponse.h"
#include "analysis/jugement/lectureduree.h"
#include "tests/analysis/jugement/jugeessai.h"

#include <gtest/gtest.h>

namespace {

using namespace jugement;

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
        CasChamp{"FractionIrreductible", TgenreReponse::nombre, "", 0.75, "3/4", 1, {}},
        CasChamp{"Decimal", TgenreReponse::nombre, "", 0.75, "0,75", 1, {}},
        CasChamp{"ZeroInutile", TgenreReponse::nombre, "", 0.75, "0,750", 1, {}},
        CasChamp{"FractionAvecBlancs", TgenreReponse::nombre, "", 0.75, "3 / 4", 1, {}},
        CasChamp{"PointDecimal", TgenreReponse::decimal, "", 0.75, "0.75", 1, {}},
        CasChamp{"EntierNegatif", TgenreReponse::entier, "", -12, "-12", 1, {}},
        // Les signes d'un clavier ou d'un texte copié.
        CasChamp{"MoinsTypographique", TgenreReponse::entier, "", -12, "\u221212", 1, {}},
        CasChamp{"DiviseTypographique", TgenreReponse::fraction, "", 0.75, "3\u00F74", 1, {}},
        CasChamp{"FractionNegative", TgenreReponse::fraction, "", -0.75, "-3/4", 1, {}},
        CasChamp{"AngleAvecDegre", TgenreReponse::angle180, "", 45, "45°", 1, {}},
        CasChamp{"Angle180", TgenreReponse::angle180, "", 180, "180", 1, {}},
        CasChamp{"Angle359", TgenreReponse::angle360, "", 359.5, "359,5 °", 1, {}},
        CasChamp{
            "DansLaTolerance", TgenreReponse::nombre, "", 3.14159, "3,14", 1, {}, "", "", 1, 0.01},
        CasChamp{"ToleranceNulle", TgenreReponse::nombre, "", 2, "2", 1, {}, "", "", 1, 0},
        CasChamp{"GenreSansCorrecteur", TgenreReponse{99}, "", 2.5, "5/2", 1, {}},
        CasChamp{"GenreSansCorrecteurReductible", TgenreReponse::aucun, "", 0.5, "2/4", 1, {}},
        CasChamp{"Vrai", TgenreReponse::vraiFaux, "", 0, "vrai", 1, {}},
        CasChamp{"VAvecBlancs", TgenreReponse::vraiFaux, "", 0, " V ", 1, {}},
        CasChamp{"Faux", TgenreReponse::vraiFaux, "", 1, "FAUX", 1, {}},
        CasChamp{"Oui", TgenreReponse::ouiNon, "", 0, "oui", 1, {}},
        CasChamp{"N", TgenreReponse::ouiNon, "", 1, "n", 1, {}},
        CasChamp{"Duree", TgenreReponse::duree, "", 3723, "1 h 2 min 3 s", 1, {}},
        CasChamp{"DureeMinutes", TgenreReponse::duree, "", 120, "2 min", 1, {}},
        CasChamp{"DureeSecondesDecimales", TgenreReponse::duree, "", 45.5, "45,5 s", 1, {}},
        // 3 h 35 min 2,4 s : la somme en double n'est pas toujours 12902,4 exactement.
        CasChamp{
            "DureeDecimaleAtteinte", TgenreReponse::duree, "", 12902.4, "3 h 35 min 2,4 s", 1, {}},
        CasChamp{"DureeMinuscules", TgenreReponse::duree, "", 14100, "3h55min", 1, {}},
        CasChamp{"Somme", TgenreReponse::formuleTableur, "A1:A5", 1, "= somme(a1:a5)", 1, {}},
        CasChamp{"Mediane", TgenreReponse::formuleTableur, "B2:B9", 5, "=MEDIANE(B2:B9)", 1, {}},
        CasChamp{"OperationParmiPlusieurs",
                 TgenreReponse::formuleTableur,
                 "A1*B1 B1*A1",
                 2,
                 "=b1*a1",
                 1,
                 {}}),
    NomCas{});

INSTANTIATE_TEST_SUITE_P(
    Faux, Nombre,
    testing::Values(
        CasChamp{"HorsTolerance", TgenreReponse::nombre, "", 0.75, "0,76", 3, {}},
        CasChamp{"EntierFaux", TgenreReponse::entier, "", 4, "5", 3, {}},
        CasChamp{"DecimalPourUnEntier", TgenreReponse::entier, "", 4, "4,5", 3, {}},
        CasChamp{"FractionFausseNonSimplifiee", TgenreReponse::nombre, "", 0.75, "2/4", 3, {}},
        CasChamp{"VraiAuLieuDeFaux", TgenreReponse::vraiFaux, "", 1, "V", 3, {}},
        CasChamp{"DureeFausse", TgenreReponse::duree, "", 3723, "1 h 2 min 4 s", 3, {}},
        CasChamp{
            "SommeAutrePlage", TgenreReponse::formuleTableur, "A1:A5", 1, "=SOMME(A1:A4)", 3, {}},
        CasChamp{"OperationAbsente", TgenreReponse::formuleTableur, "A1*B1", 2, "=A1+B1", 3, {}}),
    NomCas{});

INSTANTIATE_TEST_SUITE_P(
    Refuses, Nombre,
    testing::Values(
        CasChamp{"Pourcentage",
                 TgenreReponse::nombre,
                 "",
                 0.75,
                 "75%",
                 6,
                 {"Ne pas écrire \"%\" dans les réponses numériques."}},
        CasChamp{"Illisible", TgenreReponse::nombre, "", 1, "1,2,3", 6, {pasComprise}},
        CasChamp{"NotationEnE", TgenreReponse::nombre, "", 35000, "3,5e4", 6, {pasComprise}},
        CasChamp{"DenominateurNul", TgenreReponse::nombre, "", 1, "1/0", 6, {pasComprise}},
        CasChamp{"Scientifique",
                 TgenreReponse::nombre,
                 "",
                 35000,
                 "3,5*10p4",
                 6,
                 {"La notation scientifique n'est pas autorisée ici."}},
        CasChamp{"ScientifiqueFoisTypographique",
                 TgenreReponse::nombre,
                 "",
                 35000,
                 "3,5\u00D710p4",
                 6,
                 {"La notation scientifique n'est pas autorisée ici."}},
        CasChamp{"ScientifiqueAvecBlancs",
                 TgenreReponse::vraiFaux,
                 "",
                 0,
                 "-2 * 10 p -3",
                 6,
                 {"La notation scientifique n'est pas autorisée ici."}},
        CasChamp{"ScientifiqueDeuxChamps",
                 TgenreReponse::decimal,
                 "",
                 0,
                 "1*10P2",
                 6,
                 {"La notation scientifique n'est pas autorisée pour la réponse 2."},
                 "",
                 "",
                 2},
        CasChamp{"FractionPourUnEntier",
                 TgenreReponse::entier,
                 "",
                 0.5,
                 "2/4",
                 6,
                 {"La réponse doit être un nombre entier."}},
        CasChamp{"AngleNegatif",
                 TgenreReponse::angle180,
                 "",
                 30,
                 "-30",
                 6,
                 {"La réponse doit être un nombre positif."}},
        CasChamp{"AngleAuDela180",
                 TgenreReponse::angle180,
                 "",
                 190,
                 "190",
                 6,
                 {"La réponse doit être un nombre inférieur ou égal à 180."}},
        CasChamp{"Angle360",
                 TgenreReponse::angle360,
                 "",
                 0,
                 "360",
                 6,
                 {"La réponse doit être un nombre inférieur à 360."}},
        CasChamp{"FractionPourUnDecimal",
                 TgenreReponse::decimal,
                 "",
                 0.75,
                 "3/4",
                 6,
                 {"La réponse doit être donnée sous forme décimale."}},
        CasChamp{"VraiFauxIllisible",
                 TgenreReponse::vraiFaux,
                 "",
                 0,
                 "oui",
                 6,
                 {"La réponse n'a pas été comprise (taper V ou F)."}},
        CasChamp{"OuiNonIllisible",
                 TgenreReponse::ouiNon,
                 "",
                 0,
                 "vrai",
                 6,
                 {"La réponse n'a pas été comprise (taper O ou N)."}},
        CasChamp{"VraiFauxDeuxChamps",
                 TgenreReponse::vraiFaux,
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
    testing::Values(
        CasChamp{"SoixanteMinutes", TgenreReponse::duree, "", 7200, "1 h 60 min", 6, aideDuree},
        CasChamp{"QuatreVingtDixSecondes", TgenreReponse::duree, "", 90, "90 s", 6, aideDuree},
        CasChamp{"ResteNonLu", TgenreReponse::duree, "", 9000, "2 h 30", 6, aideDuree},
        CasChamp{"HeuresDecimales", TgenreReponse::duree, "", 5400, "1,5 h", 6, aideDuree},
        CasChamp{"SansUnite", TgenreReponse::duree, "", 0, "", 6, aideDuree}),
    NomCas{});

const std::string aideCellule1 = "Le nom d'une cellule est formé de la lettre indiquant la colonne";
const std::string aideCellule2 = "suivie du chiffre indiquant la ligne. Exemple : A1";

INSTANTIATE_TEST_SUITE_P(
    Tableur, Nombre,
    testing::Values(
        CasChamp{"SansEgal",
                 TgenreReponse::formuleTableur,
                 "A1:A5",
                 1,
                 "SOMME(A1:A5)",
                 6,
                 {"La réponse doit commencer par le signe \"$g=$N\""}},
        CasChamp{"MauvaiseFonction",
                 TgenreReponse::formuleTableur,
                 "A1:A5",
                 3,
                 "=SOMME(A1:A5)",
                 6,
                 {"La réponse doit commencer par : \"$g= MAX ($N\""}},
        CasChamp{"SansParenthese",
                 TgenreReponse::formuleTableur,
                 "A1:A5",
                 4,
                 "=MIN(A1:A5",
                 6,
                 {"La réponse doit se terminer par  \"$g)$N\""}},
        CasChamp{"PlageMalEcrite",
                 TgenreReponse::formuleTableur,
                 "A1:A5",
                 1,
                 "=SOMME(A1;A5)",
                 6,
                 {"Indiquer pour la fonction SOMME le nom de la première cellule",
                  "puis le caractère \"$g:$N\" puis le nom de la dernière cellule.", aideCellule1,
                  aideCellule2}},
        CasChamp{"OperationMalEcrite",
                 TgenreReponse::formuleTableur,
                 "A1*B1",
                 2,
                 "=A1xB1",
                 6,
                 {"Indiquer le nom d'une cellule, puis un opérateur parmi  $g+  -  $e  /$N  ",
                  "puis le nom de la deuxième cellule.", aideCellule1, aideCellule2}},
        CasChamp{"CelluleLigneZero",
                 TgenreReponse::formuleTableur,
                 "A1:A5",
                 1,
                 "=SOMME(A0:A5)",
                 6,
                 {aideCellule1, aideCellule2}},
        CasChamp{"GenreInconnuCourt",
                 TgenreReponse::formuleTableur,
                 "A1",
                 9,
                 "=A",
                 6,
                 {aideCellule1, aideCellule2}}),
    NomCas{});

INSTANTIATE_TEST_SUITE_P(
    MalEcrits, Nombre,
    testing::Values(CasChamp{"Simplifiable",
                             TgenreReponse::nombre,
                             "",
                             0.75,
                             "6/8",
                             9,
                             {simplifiable, peutEtreSimplifiee}},
                    CasChamp{"DemiSimplifiable",
                             TgenreReponse::nombre,
                             "",
                             0.5,
                             "2/4",
                             9,
                             {simplifiable, peutEtreSimplifiee}},
                    CasChamp{"DenominateurUn",
                             TgenreReponse::fraction,
                             "",
                             3,
                             "3/1",
                             9,
                             {simplifiable, peutEtreSimplifiee}},
                    CasChamp{"FractionDecimaleSousCode7",
                             TgenreReponse::nombre,
                             "",
                             0.75,
                             "1,5/2",
                             9,
                             {simplifiable, peutEtreSimplifiee}},
                    CasChamp{"ZeroSurCinq",
                             TgenreReponse::nombre,
                             "",
                             0,
                             "0/5",
                             9,
                             {simplifiable, peutEtreSimplifiee}},
                    CasChamp{"DecimalPourUneFraction",
                             TgenreReponse::fraction,
                             "",
                             0.75,
                             "0,75",
                             9,
                             {"La réponse doit être donnée sous forme de fraction."}},
                    CasChamp{"TermeDecimal",
                             TgenreReponse::fraction,
                             "",
                             0.75,
                             "1,5/2",
                             9,
                             {"La réponse doit utiliser seulement des nombres entiers."}},
                    CasChamp{"DeuxChamps",
                             TgenreReponse::fraction,
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

TEST(Duree, ValeurLueRendue) {
    JugeEssai juge;
    const Tjugement j = juge.juger(CasChamp{"", TgenreReponse::duree, "", 60, "1 min", 1, {}});
    ASSERT_TRUE(j.valeurLue.has_value());
    EXPECT_DOUBLE_EQ(*j.valeurLue, 60);
}

// Le nombre lu est rendu même quand son écriture est refusée ; un texte illisible n'en rend
// aucun.
TEST(Nombre, ValeurLueMemeRefusee) {
    JugeEssai juge;
    const Tjugement refuse = juge.juger(CasChamp{"", TgenreReponse::entier, "", 2, "3/2", 6, {}});
    ASSERT_TRUE(refuse.valeurLue.has_value());
    EXPECT_DOUBLE_EQ(*refuse.valeurLue, 1.5);
    EXPECT_FALSE(juge.juger(CasChamp{"", TgenreReponse::nombre, "", 2, "deux", 6, {}})
                     .valeurLue.has_value());
}

} // namespace
