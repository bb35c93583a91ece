#include "analysis/expressions/analexpr.h"
#include "analysis/expressions/comparaison.h"
#include "analysis/expressions/ecritureexpression.h"
#include "analysis/expressions/erreuranalyse.h"
#include "analysis/expressions/evaluation.h"
#include "analysis/expressions/marqueurs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

using analexpr::Tbranche;
using analexpr::Texpression;

std::unique_ptr<Texpression> analyser(const std::string& texte, const std::string& lettres) {
    auto e = std::make_unique<Texpression>();
    analexpr::analyserExpression(*e, texte, lettres);
    return e;
}

// « 1+1+…+1 » de n termes.
std::string sommeDeUns(int n) {
    std::string t = "1";
    for (int i = 1; i < n; ++i) {
        t += "+1";
    }
    return t;
}

std::string entreParentheses(const std::string& texte) {
    std::string t = "(";
    t += texte;
    t += ')';
    return t;
}

// « 1 » entouré de n paires de parenthèses.
std::string imbrique(int n) {
    std::string t(static_cast<std::size_t>(n), '(');
    t += '1';
    t.append(static_cast<std::size_t>(n), ')');
    return t;
}

// Textes acceptés : leur valeur en x = 2 et y = -3 (ou leur valeur constante).
struct CasAccepte {
    const char* nom;
    std::string texte;
    const char* lettres;
    double valeur;
};

class Accepte : public testing::TestWithParam<CasAccepte> {};

TEST_P(Accepte, SAnalyseEtSEvalue) {
    const CasAccepte& c = GetParam();
    const auto e = analyser(c.texte, c.lettres);
    ASSERT_EQ(e->erreur, TcodeErreur::aucune) << "position " << e->positionErreur;
    EXPECT_EQ(e->positionErreur, -1);
    ASSERT_TRUE(analexpr::evaluerEn(*e, 2, -3));
    EXPECT_NEAR(e->resultat, c.valeur, 1e-9);

    // Réécrit puis relu, l'arbre est le même.
    const std::string ecrit = analexpr::ecrireExpression(*e);
    const auto relu = analyser(ecrit, c.lettres);
    ASSERT_EQ(relu->erreur, TcodeErreur::aucune) << ecrit;
    EXPECT_EQ(relu->nombreBranches, e->nombreBranches) << ecrit;
    EXPECT_EQ(relu->simplifiable, e->simplifiable) << ecrit;
    ASSERT_TRUE(analexpr::evaluerEn(*relu, 2, -3));
    EXPECT_NEAR(relu->resultat, c.valeur, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Analyse, Accepte,
    testing::Values(
        CasAccepte{"virguleDecimale", "3,5x", "x", 7}, CasAccepte{"pointDecimal", "3.5x", "x", 7},
        CasAccepte{"blancsSupprimes", "3, 5 x", "x", 7},
        CasAccepte{"produitsImplicites", "2x(x-1)", "x", 4},
        CasAccepte{"deuxGroupes", "(x+1)(x-1)", "x", 3}, CasAccepte{"carreExposant", "x²", "x", 4},
        CasAccepte{"carreLettreP", "xp2", "x", 4}, CasAccepte{"carreChapeau", "x^2", "x", 4},
        CasAccepte{"exposantEntreParentheses", "x^(2)", "x", 4},
        CasAccepte{"exposantDecimalEntier", "x^3,0", "x", 8},
        CasAccepte{"quotientGroupe", "(1/2)x", "x", 1}, CasAccepte{"quotientSimple", "x/2", "x", 1},
        CasAccepte{"quotientDeGroupe", "(x/2)/4", "x", 0.25},
        CasAccepte{"racineProduit", "2rac(3)", "", 2 * std::sqrt(3.0)},
        CasAccepte{"pi", "pi", "", M_PI}, CasAccepte{"troisPi", "3pi", "", 3 * M_PI},
        CasAccepte{"oppose", "-x", "x", -2}, CasAccepte{"opposeCarre", "-x^2", "x", -4},
        CasAccepte{"carreOppose", "(-x)^2", "x", 4}, CasAccepte{"opposeSomme", "-x+1", "x", -1},
        CasAccepte{"gaucheAdroite", "x-1+3", "x", 4},
        CasAccepte{"puissanceDePuissance", "(x^2)^3", "x", 64},
        CasAccepte{"signesTypographiques", "\u2212x\u00D73\u00F72+x\u00B3", "x", 5},
        CasAccepte{"deuxLettres", "x²-2xy+y²", "xy", 25},
        CasAccepte{"lettreDoubleDerniereGagne", "x", "xx", -3},
        CasAccepte{"troisLettresEtPlus", "x+y", "xyzt", -1}, CasAccepte{"plusUnaire", "+x", "x", 2},
        CasAccepte{"accentsDansLettres", "x", "éx", -3},
        CasAccepte{"quinzeChiffres", "123456789012345", "", 123456789012345.0},
        CasAccepte{"zeroDecimal", "0,0", "", 0},
        // 50 nœuds tiennent exactement dans l'enregistrement.
        CasAccepte{"cinquanteNoeuds", entreParentheses(sommeDeUns(25)), "", 25},
        CasAccepte{"neufCarres", "(x^9)^9", "x", std::pow(2.0, 81)}),
    [](const auto& info) { return std::string(info.param.nom); });

// Textes refusés, avec leur code d'erreur.
struct CasRefuse {
    const char* nom;
    std::string texte;
    const char* lettres;
    int erreur;
};

class Refuse : public testing::TestWithParam<CasRefuse> {};

TEST_P(Refuse, CodeDErreur) {
    const CasRefuse& c = GetParam();
    const auto e = analyser(c.texte, c.lettres);
    EXPECT_EQ(static_cast<int>(e->erreur), c.erreur);
    EXPECT_GE(e->positionErreur, 0);
    EXPECT_LE(e->nombreBranches, Texpression::branchesMaximum);
}

INSTANTIATE_TEST_SUITE_P(
    Analyse, Refuse,
    testing::Values(
        CasRefuse{"parentheseOuverte", "(x+1", "x", 1},
        CasRefuse{"parentheseFermee", "x+1)", "x", 1},
        CasRefuse{"parenthesesCroisees", ")x(", "x", 1}, CasRefuse{"operateurFinal", "x+", "x", 2},
        CasRefuse{"moinsApresFois", "2*-3", "", 2}, CasRefuse{"pointApresLettre", "x.5", "x", 2},
        CasRefuse{"pointFinal", "5.", "", 2}, CasRefuse{"deuxPoints", "1.2.3", "", 2},
        CasRefuse{"seizeChiffres", "1234567890123456", "", 2},
        CasRefuse{"racineSansParenthese", "rac2", "", 2}, CasRefuse{"groupeVide", "()", "", 2},
        CasRefuse{"caractereInconnu", "x!", "x", 2}, CasRefuse{"signeSeul", "-", "", 2},
        // Les lettres accentuées qu'un clavier français tape ne sont pas des mots-clés.
        CasRefuse{"aAigu", "\xC3\xA1", "", 2}, CasRefuse{"aCirconflexe", "2\xC3\xA2(4)", "", 2},
        CasRefuse{"aTilde", "\xC3\xA3", "", 2},
        // Un marqueur interne collé dans le texte est refusé, jamais pris pour π.
        CasRefuse{"marqueurColle", "2\xEE\x80\x80", "", 2},
        // « cos » est réservé, sans sens défini : refusé plutôt que valoir 0.
        CasRefuse{"cosinusReserve", "cos(60)", "", 2},
        // Plus de 50 nœuds : refusé comme mal écrit, sans écrire hors de l'enregistrement.
        CasRefuse{"sommeDe26Termes", sommeDeUns(26), "", 2},
        CasRefuse{"parenthesesImbriquees78", imbrique(78), "", 2},
        CasRefuse{"lettreInconnue", "y+1", "x", 4}, CasRefuse{"casseDesLettres", "X+1", "x", 4},
        CasRefuse{"aucuneLettre", "x", "", 4}, CasRefuse{"lettrePNePeutEtreVariable", "p", "p", 2},
        CasRefuse{"exposantDix", "x^10", "x", 5}, CasRefuse{"exposantUn", "x^1", "x", 5},
        CasRefuse{"exposantLettre", "2^x", "x", 5},
        CasRefuse{"exposantGrand", "(x+1)^99999", "x", 5},
        CasRefuse{"puissanceDePuissance", "10^10^10", "", 5},
        // « a^b^c » n'a pas de lecture évidente : des parenthèses sont demandées.
        CasRefuse{"puissancesEnChaine", "x^2^3", "x", 10},
        CasRefuse{"puissancesEnChaineCarre", "x²²", "x", 10},
        CasRefuse{"puissancesEnChaineLettreP", "2p2p2", "", 10},
        CasRefuse{"exposantPuissance", "x^(2^3)", "x", 5},
        CasRefuse{"superieurOuEgal", "x\u22651", "x", 2},
        CasRefuse{"zeroPuissanceZero", "0^0", "", 5},
        CasRefuse{"quotientPuisProduit", "1/2x", "x", 6},
        CasRefuse{"quotientPuisQuotient", "a/b/c", "abc", 7}, CasRefuse{"vide", "", "x", 8},
        CasRefuse{"blancs", "   ", "x", 8}, CasRefuse{"racineDeLettre", "rac(x)", "x", 9}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Analyse, ArbreDUnProduitSousEntendu) {
    const auto e = analyser("2x(x-1)", "x");
    ASSERT_EQ(e->erreur, TcodeErreur::aucune);
    EXPECT_EQ(e->texte, "2*x*(x-1)");
    const Tbranche& racine = e->branches[1];
    EXPECT_EQ(racine.operateur, Tbranche::produit);
    EXPECT_EQ(e->branches[racine.gauche].operateur, Tbranche::produit);
    EXPECT_EQ(e->branches[racine.droite].operateur, Tbranche::groupe);
    for (int i = 1; i <= e->nombreBranches; ++i) {
        const Tbranche& b = e->branches[i];
        EXPECT_TRUE(b.gauche == 0 || b.gauche > i);
        EXPECT_TRUE(b.droite == 0 || b.droite > i);
    }
}

TEST(EcritureExpression, OperateursExplicitesEtMotsCles) {
    EXPECT_EQ(analexpr::ecrireExpression(*analyser("2x(x-1)", "x")), "2*x*(x-1)");
    EXPECT_EQ(analexpr::ecrireExpression(*analyser("3,5x+2pi-rac(2)", "x")), "3,5*x+2*pi-rac(2)");
    EXPECT_EQ(analexpr::ecrireExpression(*analyser("-x²", "x")), "-x^2");
    EXPECT_EQ(analexpr::ecrireExpression(*analyser("x+", "x")), "");
}

TEST(Analyse, TextePrepareEtNoeudsNombres) {
    const auto e = analyser("3,5x + 2pi", "x");
    ASSERT_EQ(e->erreur, TcodeErreur::aucune);
    EXPECT_EQ(e->texte, "3.5*x+2*" + std::string(analexpr::marqueurPiUtf8));
    EXPECT_TRUE(e->decimalOuFraction);
    // Le nœud d'un nombre s'écrit avec sa virgule.
    bool trouve = false;
    for (int i = 1; i <= e->nombreBranches; ++i) {
        trouve = trouve || e->branches[i].texte == "3,5";
    }
    EXPECT_TRUE(trouve);
}

TEST(Analyse, UnEnregistrementResertSansResteDeLAnalysePrecedente) {
    Texpression e;
    analexpr::analyserExpression(e, "(x+1)(x-1)", "x");
    ASSERT_EQ(e.erreur, TcodeErreur::aucune);
    analexpr::analyserExpression(e, "y", "x");
    EXPECT_EQ(e.erreur, TcodeErreur::lettreInconnue);
    analexpr::analyserExpression(e, "2", "");
    ASSERT_EQ(e.erreur, TcodeErreur::aucune);
    EXPECT_EQ(e.nombreBranches, 1);
    EXPECT_TRUE(e.developpee);
    EXPECT_DOUBLE_EQ(e.resultat, 2);
}

TEST(Analyse, ConstanteEvalueeALAnalyse) {
    const auto e = analyser("pi", "");
    ASSERT_EQ(e->erreur, TcodeErreur::aucune);
    EXPECT_TRUE(e->constante);
    EXPECT_FALSE(e->erreurCalcul);
    EXPECT_DOUBLE_EQ(e->resultat, M_PI);
}

// Entrées emballées : réponse en temps borné, résultat défini, jamais infini ni NaN.
struct CasEmballe {
    const char* nom;
    std::string texte;
    int erreur;
    bool erreurCalcul;
};

class Emballe : public testing::TestWithParam<CasEmballe> {};

TEST_P(Emballe, ResultatDefini) {
    const CasEmballe& c = GetParam();
    const auto e = analyser(c.texte, "");
    EXPECT_EQ(static_cast<int>(e->erreur), c.erreur);
    if (e->erreur == TcodeErreur::aucune) {
        EXPECT_EQ(e->erreurCalcul, c.erreurCalcul);
        EXPECT_EQ(std::isfinite(e->resultat), !c.erreurCalcul);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Analyse, Emballe,
    testing::Values(CasEmballe{"neufPuissanceNeufTroisFois", "((9p9)p9)p9", 0, true},
                    CasEmballe{"neufPuissanceNeufEnChaine", "9p9p9p9", 10, false},
                    CasEmballe{"divisionParZero", "1/0", 0, true},
                    CasEmballe{"divisionParPresqueZero", "1/(0,00000000000001^2)", 0, true},
                    CasEmballe{"racineDeNegatif", "rac(-4)", 0, true},
                    CasEmballe{"racineDeZero", "rac(0)", 0, false},
                    CasEmballe{"infiniMoinsInfini", "((9p9)p9)p9-((9p9)p9)p9", 0, true},
                    CasEmballe{"exposantGeant", "(1+1)^99999", 5, false},
                    CasEmballe{"tourDePuissances", "10^10^10", 5, false},
                    CasEmballe{"zeroPuissanceZero", "0^0", 5, false}),
    [](const auto& info) { return std::string(info.param.nom); });

// Chaque entrée trouvée par le fuzzer, avec le code d'erreur et le résultat de comparaison
// qu'elle doit donner (comparée à elle-même sous le code de forme indiqué).
struct CasFuzz {
    const char* nom;
    std::string texte;
    const char* lettres;
    int typeReponse;
    int erreur;
    int comparaison;
};

class TrouvailleFuzz : public testing::TestWithParam<CasFuzz> {};

TEST_P(TrouvailleFuzz, ResultatDefiniSansDebordement) {
    const CasFuzz& c = GetParam();
    const auto e = analyser(c.texte, c.lettres);
    EXPECT_EQ(static_cast<int>(e->erreur), c.erreur);
    EXPECT_LE(e->nombreBranches, Texpression::branchesMaximum);
    EXPECT_GE(e->nombreFacteurs, 0);
    for (int i = 1; i <= e->nombreBranches; ++i) {
        for (int k = 1; k <= 3; ++k) {
            EXPECT_GE(e->branches[i].degres[k], 0);
        }
    }
    EXPECT_EQ(static_cast<int>(analexpr::comparerExpressions(
                  c.texte, c.texte, c.lettres, 1e-9, static_cast<TgenreReponse>(c.typeReponse))),
              c.comparaison);
}

INSTANTIATE_TEST_SUITE_P(
    Analyse, TrouvailleFuzz,
    testing::Values(
        // Les degrés et le nombre de facteurs d'une tour de puissances débordaient un int.
        // (Écrites sans parenthèses, ces tours sont aujourd'hui refusées comme puissances en
        // chaîne ; entre parenthèses, elles restent lues.)
        CasFuzz{"tourDePuissancesDegres", "(x+03(+y+0)p2)p2p9p9p9p9p9p9p9p9p9p9", "xyz", 18, 10,
                19},
        CasFuzz{"tourDePuissancesDegresParentheses",
                "((((((((((((x+03(+y+0)p2)p2)p9)p9)p9)p9)p9)p9)p9)p9)p9)p9)", "xyz", 18, 0, 12},
        CasFuzz{"tourDePuissancesUneLettre", "(x^2)^9^9^9^9^9^9^9^9^9^9^9", "x", 14, 10, 19},
        // Les points où les deux débordent sont sautés ; en -1, 0 et 1 les valeurs concordent.
        CasFuzz{"tourDePuissancesUneLettreParentheses",
                "((((((((((x^2)^9)^9)^9)^9)^9)^9)^9)^9)^9)^9", "x", 14, 0, 0}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Evaluation, UnEchecNeLaissePasLaValeurPrecedente) {
    const auto e = analyser("1/x", "x");
    ASSERT_EQ(e->erreur, TcodeErreur::aucune);
    ASSERT_TRUE(analexpr::evaluerEn(*e, 2));
    EXPECT_DOUBLE_EQ(e->resultat, 0.5);
    EXPECT_FALSE(analexpr::evaluerEn(*e, 0));
    EXPECT_TRUE(e->erreurCalcul);
    EXPECT_TRUE(std::isnan(e->resultat));
    EXPECT_TRUE(analexpr::valeursDifferent(e->resultat, 0.5, 1e-9));
    EXPECT_TRUE(analexpr::valeursDifferent(e->resultat, e->resultat, 1e-9));
}

TEST(Erreurs, ChaqueCodeASonMessageEtSonExemple) {
    for (const analexpr::ErreurAnalyse& erreur : analexpr::tableErreursAnalyse()) {
        const auto e = analyser(std::string(erreur.exemple), std::string(erreur.lettresExemple));
        EXPECT_EQ(e->erreur, erreur.code) << erreur.exemple;
        EXPECT_EQ(erreur.message().empty(), erreur.code == TcodeErreur::aucune);
    }
    EXPECT_EQ(analexpr::erreurAnalyse(TcodeErreur::parentheses).message(),
              "La réponse est incorrecte (erreur de parenthésage)");
    EXPECT_EQ(analexpr::erreurAnalyse(TcodeErreur::lettreInconnue).codeComparaison,
              TresultatComparaison::lettreInconnue);
    EXPECT_EQ(analexpr::erreurAnalyse(TcodeErreur{42}).code, TcodeErreur::malEcrite);
    // Chaque résultat de comparaison issu d'une erreur d'analyse retrouve ses lignes ; un
    // résultat qu'aucune erreur ne donne est décrit comme un texte mal écrit.
    EXPECT_EQ(analexpr::erreurDuResultat(TresultatComparaison::exposant).code,
              TcodeErreur::exposant);
    EXPECT_EQ(analexpr::erreurDuResultat(TresultatComparaison::malEcrite).code,
              TcodeErreur::malEcrite);
    EXPECT_EQ(analexpr::erreurDuResultat(TresultatComparaison::simplifiable).code,
              TcodeErreur::malEcrite);
}

TEST(Analyse, OperateurPrincipal) {
    EXPECT_EQ(analexpr::operateurPrincipal(U"a-b+c").position, 3);
    EXPECT_EQ(analexpr::operateurPrincipal(U"a*b/c").operateur, Tbranche::quotient);
    EXPECT_EQ(analexpr::operateurPrincipal(U"-x^2").operateur, Tbranche::oppose);
    EXPECT_EQ(analexpr::operateurPrincipal(U"(a+b)").operateur, Tbranche::groupe);
    EXPECT_EQ(analexpr::operateurPrincipal(U"x+").operateur, Tbranche::lettre);
    EXPECT_EQ(analexpr::operateurPrincipal(U"!").operateur, Tbranche::aucun);
}

} // namespace
