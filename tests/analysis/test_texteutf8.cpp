#include "analysis/texte/texteutf8.h"

#include <gtest/gtest.h>

namespace {

struct CasUtf8 {
    const char* nom;
    std::string texte;
    std::size_t longueur;
    std::string troisPremiers;
};

class Utf8 : public testing::TestWithParam<CasUtf8> {};

TEST_P(Utf8, CompteEtCoupeEnPointsDeCode) {
    const auto& c = GetParam();
    EXPECT_EQ(texteutf8::longueur(c.texte), c.longueur);
    EXPECT_EQ(texteutf8::couper(c.texte, 3), c.troisPremiers);
    EXPECT_EQ(texteutf8::versPointsDeCode(c.texte).size(), c.longueur);
}

INSTANTIATE_TEST_SUITE_P(
    Textes, Utf8,
    testing::Values(CasUtf8{"vide", "", 0, ""}, CasUtf8{"ascii", "abcd", 4, "abc"},
                    CasUtf8{"accents", "Énoncé", 6, "Éno"}, CasUtf8{"exposant", "x²+1", 4, "x²+"},
                    // Octets invalides : chacun compte pour un point U+FFFD.
                    CasUtf8{"octetsInvalides",
                            "a\xff\xfe"
                            "b",
                            4, "a\xff\xfe"},
                    CasUtf8{"sequenceTronquee", "ab\xc3", 3, "ab\xc3"},
                    CasUtf8{"surrogatEncode", "\xed\xa0\x80", 3, "\xed\xa0\x80"},
                    CasUtf8{"formeTropLongue", "\xc0\xaf", 2, "\xc0\xaf"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Utf8, AllerRetourEtRemplacement) {
    EXPECT_EQ(texteutf8::versUtf8(texteutf8::versPointsDeCode("π ≥ ÷ x²")), "π ≥ ÷ x²");
    EXPECT_EQ(texteutf8::versUtf8(texteutf8::versPointsDeCode("a\xff")), "a\xEF\xBF\xBD");
    EXPECT_EQ(texteutf8::versUtf8(char32_t{0x110000}), "\xEF\xBF\xBD");
}

} // namespace
