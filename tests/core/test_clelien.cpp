#include "core/clelien.h"

#include <gtest/gtest.h>

namespace {

struct CasCle {
    const char* cle;
    int identifiant;
    const char* raison;
};

class CleDeLien : public testing::TestWithParam<CasCle> {};

TEST_P(CleDeLien, Resout) {
    EXPECT_EQ(identifiantDeCle(GetParam().cle), GetParam().identifiant) << GetParam().raison;
}

INSTANTIATE_TEST_SUITE_P(
    Cles, CleDeLien,
    testing::Values(
        CasCle{"C02_SF3", 1018, "page de savoir-faire"}, CasCle{"C02_C1", 1011, "page de cours"},
        CasCle{"C02_SF4", 1019, "dernière page clée"}, CasCle{"Pdivid", 2876, "fiche"},
        CasCle{"Ptroncarr", 2875, "fiche"}, CasCle{"Pstrilar", 2882, "fiche"},
        CasCle{"Pprodcroix", 2879, "fiche"}, CasCle{"P02_C1", 0, "clé de page avec le genre P"},
        CasCle{"E02_C1", 0, "le genre E ne désigne rien"},
        CasCle{"Cdivid", 0, "clé de fiche avec le genre C"}, CasCle{"Xdivid", 0, "genre inconnu"},
        CasCle{"", 0, "clé vide"}, CasCle{"P", 0, "lettre de genre seule"},
        CasCle{"c02_SF3", 0, "la casse compte"}, CasCle{"C02_SF", 0, "la longueur compte"},
        CasCle{"Pprodcroixxyz", 2879, "seuls les 10 premiers caractères comptent"},
        CasCle{"Pprodcroi", 0, "clé plus courte"}),
    [](const auto& info) { return "cas" + std::to_string(info.index); });

TEST(CleDeLien, IdentifiantsSansCle) {
    EXPECT_TRUE(cleDeIdentifiant(2880).empty());
    EXPECT_TRUE(cleDeIdentifiant(2881).empty());
    EXPECT_EQ(cleDeIdentifiant(1018), "02_SF3");
}

} // namespace
