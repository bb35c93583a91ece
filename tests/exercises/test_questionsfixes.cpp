#include "exercises/ch01/questionsch01.h"
#include "exercises/ch10/questionsch10.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <span>
#include <string>

namespace {

// Nombre de questions de chaque série du chapitre 1 : chaque feuille à questions fixes
// doit être servie par une seule des trois fonctions de recherche, avec sa série entière.
struct SerieCh01 {
    int index;
    std::size_t questions;
};

class SeriesCh01 : public testing::TestWithParam<SerieCh01> {};

template <typename Ligne, std::size_t N>
void verifierLignes(const Ligne (&lignes)[N], const std::string& ou) {
    ASSERT_NE(lignes[0].texte, nullptr) << ou << " : pas de solution";
    EXPECT_DOUBLE_EQ(lignes[0].ligne, 2.5) << ou;
    for (std::size_t i = 1; i < N; ++i) {
        if (lignes[i].texte == nullptr) {
            for (std::size_t j = i; j < N; ++j) {
                EXPECT_EQ(lignes[j].texte, nullptr) << ou << " : ligne après un trou";
            }
            return;
        }
        EXPECT_GT(lignes[i].ligne, lignes[i - 1].ligne) << ou << " : lignes en désordre";
    }
}

TEST_P(SeriesCh01, UneTableComplete) {
    const int index = GetParam().index;
    const auto expressions = exo5ch01::questionsExpression(index);
    const auto nombres = exo5ch01::questionsCalculRapide(index);
    const auto champs = exo5ch01::questionsChamps(index);
    EXPECT_EQ(!expressions.empty() + !nombres.empty() + !champs.empty(), 1);
    EXPECT_EQ(expressions.size() + nombres.size() + champs.size(), GetParam().questions);
    for (const auto& q : expressions) {
        ASSERT_NE(q.expression, nullptr);
        EXPECT_NE(q.attendue, nullptr) << q.expression;
        EXPECT_NE(q.lettres, nullptr) << q.expression;
        verifierLignes(q.solution, q.expression);
    }
    for (const auto& q : nombres) {
        ASSERT_NE(q.enonce, nullptr);
        verifierLignes(q.solution, q.enonce);
    }
    for (const auto& q : champs) {
        ASSERT_NE(q.expression, nullptr);
        EXPECT_NE(q.champs[0].typeReponse, TgenreReponse::aucun) << q.expression;
        EXPECT_NE(q.champs[1].typeReponse, TgenreReponse::aucun) << q.expression;
        for (const auto& c : q.champs) {
            if (c.typeReponse == TgenreReponse::factorisee ||
                c.typeReponse == TgenreReponse::developpee) {
                EXPECT_NE(c.attendue, nullptr) << q.expression;
                EXPECT_NE(c.lettres, nullptr) << q.expression;
            } else if (c.typeReponse == TgenreReponse::nombre) {
                EXPECT_NE(c.pourX, nullptr) << q.expression;
            }
        }
        verifierLignes(q.solution, q.expression);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chapitre1, SeriesCh01,
    testing::Values(SerieCh01{3, 8}, SerieCh01{4, 5}, SerieCh01{5, 7}, SerieCh01{6, 8},
                    SerieCh01{7, 6}, SerieCh01{9, 5}, SerieCh01{10, 4}, SerieCh01{11, 3},
                    SerieCh01{12, 2}, SerieCh01{15, 4}, SerieCh01{16, 4}, SerieCh01{17, 4},
                    SerieCh01{19, 4}, SerieCh01{20, 4}, SerieCh01{21, 4}, SerieCh01{23, 4},
                    SerieCh01{24, 4}, SerieCh01{25, 4}, SerieCh01{27, 2}, SerieCh01{28, 2},
                    SerieCh01{29, 2}, SerieCh01{30, 2}, SerieCh01{33, 2}, SerieCh01{34, 2},
                    SerieCh01{35, 2}, SerieCh01{36, 2}, SerieCh01{37, 2}, SerieCh01{38, 2},
                    SerieCh01{39, 4}, SerieCh01{41, 4}, SerieCh01{42, 4}, SerieCh01{43, 4},
                    SerieCh01{44, 4}, SerieCh01{45, 3}, SerieCh01{46, 2}, SerieCh01{48, 2},
                    SerieCh01{49, 2}, SerieCh01{50, 2}, SerieCh01{52, 1}, SerieCh01{53, 1},
                    SerieCh01{54, 1}, SerieCh01{55, 2}, SerieCh01{57, 1}, SerieCh01{58, 1},
                    SerieCh01{60, 1}, SerieCh01{61, 1}, SerieCh01{62, 1}),
    [](const auto& info) { return "index" + std::to_string(info.param.index); });

// Un index sans questions fixes (cases à cocher, nœud de groupe, hors du chapitre ou
// négatif) donne des tables vides, jamais une lecture hors d'un tableau.
TEST(QuestionsFixes, IndexSansTable) {
    for (int index : {-1, 0, 2, 8, 40, 51, 63, 399, 423, 1000}) {
        EXPECT_TRUE(exo5ch01::questionsExpression(index).empty()) << index;
        EXPECT_TRUE(exo5ch01::questionsCalculRapide(index).empty()) << index;
        EXPECT_TRUE(exo5ch01::questionsChamps(index).empty()) << index;
        EXPECT_TRUE(exo5ch10::equationsRapports(index).empty()) << index;
        EXPECT_TRUE(exo5ch10::calculsThales(index).empty()) << index;
        EXPECT_TRUE(exo5ch10::placerRapport(index).empty()) << index;
        EXPECT_TRUE(exo5ch10::probleme(index).empty()) << index;
    }
}

// Les trois exercices « Développer, factoriser, calculer » ont chacun leur propre question.
TEST(QuestionsFixes, DevelopperFactoriserCalculerUneQuestionChacun) {
    EXPECT_STREQ(exo5ch01::questionsChamps(52)[0].expression, "(2 x + 1)² -16");
    EXPECT_STREQ(exo5ch01::questionsChamps(53)[0].expression, "(x + 3)² -5 (x + 3)");
    EXPECT_STREQ(exo5ch01::questionsChamps(54)[0].expression, "25 -(x + 1)²");
}

TEST(QuestionsFixes, TaillesDesSeriesDuChapitre10) {
    EXPECT_EQ(exo5ch10::equationsRapports(401).size(), 6u);
    EXPECT_EQ(exo5ch10::troisRapports().size(), 5u);
    EXPECT_EQ(exo5ch10::equationsRapports(403).size(), 2u);
    EXPECT_EQ(exo5ch10::rapportsAlignes().size(), 4u);
    EXPECT_EQ(exo5ch10::tableauxProportionnalite().size(), 4u);
    EXPECT_EQ(exo5ch10::rapportsEgaux().size(), 4u);
    for (int index : {408, 409}) {
        EXPECT_EQ(exo5ch10::calculsThales(index).size(), 4u) << index;
    }
    for (int index : {410, 411}) {
        EXPECT_EQ(exo5ch10::calculsThales(index).size(), 2u) << index;
    }
    EXPECT_EQ(exo5ch10::placerM().size(), 4u);
    EXPECT_EQ(exo5ch10::reciproqueCalculs().size(), 4u);
    EXPECT_EQ(exo5ch10::qcmParallelisme().size(), 8u);
    EXPECT_EQ(exo5ch10::placerRapport(417).size(), 4u);
    EXPECT_EQ(exo5ch10::placerRapport(418).size(), 4u);
    EXPECT_EQ(exo5ch10::partagerSegment().size(), 2u);
    for (int index : {421, 422, 425, 426, 427}) {
        EXPECT_EQ(exo5ch10::probleme(index).size(), 1u) << index;
    }
}

} // namespace
