#include "core/identifiants.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CasChapitre {
    int entree;
    int code;
};

TEST(ChapitreDExercice, SeuilsDeChaquePlage) {
    const CasChapitre cas[] = {{0, 2},    {62, 2},   {63, 3},   {122, 3},  {123, 4},  {171, 4},
                               {172, 5},  {196, 5},  {197, 6},  {241, 6},  {242, 7},  {274, 7},
                               {275, 8},  {311, 8},  {312, 9},  {346, 9},  {347, 10}, {398, 10},
                               {399, 11}, {427, 11}, {428, 12}, {470, 12}, {471, 13}, {519, 13},
                               {520, 14}, {552, 14}, {553, 15}, {604, 15}, {-5, 2},   {9999, 15}};
    for (const auto& c : cas) {
        EXPECT_EQ(chapitreDExercice(c.entree), c.code) << c.entree;
    }
}

TEST(ChapitreDePage, SeuilsDeChaquePlage) {
    const CasChapitre cas[] = {
        {1002, 2},  {1008, 2},  {1009, 3},  {1019, 3},  {1020, 4},  {1030, 4},  {1039, 5},
        {1040, 6},  {1051, 6},  {1061, 7},  {1069, 8},  {1075, 9},  {1086, 10}, {1094, 11},
        {1105, 12}, {1115, 13}, {1126, 14}, {1127, 15}, {1138, 15}, {1139, 16}, {1155, 16}};
    for (const auto& c : cas) {
        EXPECT_EQ(chapitreDePage(c.entree), c.code) << c.entree;
    }
}

TEST(PagesDeChapitre, HorsDesCodesDonnentZero) {
    for (int code : {-1, 0, 1, 17, 500}) {
        EXPECT_EQ(premierePageChapitre(code), 0) << code;
        EXPECT_EQ(dernierePageChapitre(code), 0) << code;
    }
    EXPECT_EQ(premierePageChapitre(2), 1002);
    EXPECT_EQ(dernierePageChapitre(15), 1138);
}

struct CasTitre {
    int code;
    const char* texte;
};

TEST(TitreChapitre, TableEtCodesInconnus) {
    const CasTitre cas[] = {
        {499, "Lu"},
        {500, "Valider"},
        {501, "Suivant"},
        {502, "Numérique : Vérifier les acquis"},
        {503, "1. Calcul littéral - Identités remarquables"},
        {504, "2. Équations, inéquations - Résolution de problèmes"},
        {510, "8. Statistique"},
        {516, "14. Rotations, angles, polygones réguliers"},
        {517, "Formulaire"},
        {518, "???"},
        {498, "???"},
        {0, "???"},
        {-600, "???"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(titreChapitre(c.code), c.texte) << c.code;
    }
    EXPECT_EQ(titreChapitre(chapitreDePage(1139) + decalageTitre), "Formulaire");
}

TEST(GenreContenu, Plages) {
    const struct {
        int id;
        GenreContenu genre;
    } cas[] = {{0, GenreContenu::Aucun},          {8, GenreContenu::Exercice},
               {604, GenreContenu::Exercice},     {605, GenreContenu::Aucun},
               {1001, GenreContenu::Aucun},       {1002, GenreContenu::PageCours},
               {1155, GenreContenu::PageCours},   {1156, GenreContenu::Aucun},
               {1500, GenreContenu::Imagiciel},   {1524, GenreContenu::Imagiciel},
               {1525, GenreContenu::Aucun},       {1990, GenreContenu::Information},
               {1999, GenreContenu::Information}, {2882, GenreContenu::Information},
               {-1, GenreContenu::Aucun}};
    for (const auto& c : cas) {
        EXPECT_EQ(genreContenu(c.id), c.genre) << c.id;
    }
}

} // namespace
