#include "core/donneescommunes.h"
#include "core/exercice/repartition.h"
#include "core/identifiants.h"
#include "exercises/commun/registre.h"
#include "exercises/inscriptionchapitres.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> journal;

void poser(TdonneesCommunes& d) {
    journal.push_back("poser " + std::to_string(d.numeroExercice));
}
void juger(TdonneesCommunes& d) {
    journal.push_back("juger " + std::to_string(d.numeroExercice));
}
void resoudre(TdonneesCommunes& d) {
    journal.push_back("solution " + std::to_string(d.numeroExercice));
}
void reprendre(TdonneesCommunes& d) {
    journal.push_back("reprendre " + std::to_string(d.numeroExercice));
}

class Repartition : public testing::Test {
protected:
    void SetUp() override {
        effacerUnitesChapitre();
        journal.clear();
    }
    void TearDown() override { effacerUnitesChapitre(); }
    TdonneesCommunes d;
};

TEST_F(Repartition, LesQuatorzeUnitesSInscrivent) {
    inscrireChapitres();
    for (int code = premierCodeChapitre; code <= dernierCodeChapitre; ++code) {
        const TuniteChapitre* unite = uniteChapitre(code);
        ASSERT_NE(unite, nullptr) << code;
        EXPECT_NE(unite->poserEnonce, nullptr);
        EXPECT_NE(unite->jugerReponse, nullptr);
        EXPECT_NE(unite->donnerSolution, nullptr);
        // Le répartiteur du registre : la reprise dépend de la ligne de l'exercice.
        EXPECT_NE(unite->reprendreEnonce, nullptr) << code;
    }
    for (int code : {0, 1, 16, 517}) {
        EXPECT_EQ(uniteChapitre(code), nullptr) << code;
    }
    // Des unités sans bras : la répartition passe sans rien construire.
    d.codeChapitre = chapitreDExercice(244);
    d.numeroExercice = 244;
    poserEnonce(d);
    EXPECT_EQ(d.nombreChamps, 0);
}

TEST_F(Repartition, PremierNiveauSurLeCodeDeChapitre) {
    inscrireUniteChapitre(5, {poser, juger, resoudre, nullptr});
    inscrireUniteChapitre(13, {poser, juger, resoudre, reprendre});
    d.codeChapitre = 5;
    d.numeroExercice = 180;
    poserEnonce(d);
    jugerReponse(d);
    donnerSolution(d);
    reprendreEnonce(d);
    d.codeChapitre = 13;
    d.numeroExercice = 490;
    reprendreEnonce(d);
    EXPECT_EQ(journal, (std::vector<std::string>{"poser 180", "juger 180", "solution 180",
                                                 "reprendre 490"}));
}

TEST_F(Repartition, CodesSansUniteNeFontRien) {
    inscrireUniteChapitre(2, {poser, juger, resoudre, reprendre});
    inscrireUniteChapitre(16, {poser, juger, resoudre, reprendre});
    inscrireUniteChapitre(1, {poser, juger, resoudre, reprendre});
    for (int code : {0, 1, 3, 16, -2, 1000}) {
        d.codeChapitre = code;
        poserEnonce(d);
        jugerReponse(d);
        donnerSolution(d);
        reprendreEnonce(d);
    }
    EXPECT_TRUE(journal.empty());
}

// Le registre par indice : seule une ligne qui a une reprise restaure l'énoncé ; un indice
// sans ligne ne pose rien et ne reprend rien ; une ligne inscrite de nouveau remplace
// l'ancienne.
TEST_F(Repartition, RegistreParIndice) {
    static constexpr Texercice lignes[] = {
        {.index = 300, .poserEnonce = &poser, .reprendreEnonce = &reprendre},
        {.index = 301, .poserEnonce = &poser},
    };
    static constexpr Texercice remplacante[] = {{.index = 301, .reprendreEnonce = &reprendre}};
    effacerExercices();
    inscrireExercices(lignes);
    const int code = chapitreDExercice(300);
    inscrireUniteChapitre(code, uniteDuRegistre());
    d.codeChapitre = code;
    for (int index : {300, 301, 302}) {
        d.numeroExercice = index;
        poserEnonce(d);
        reprendreEnonce(d);
    }
    inscrireExercices(remplacante);
    d.numeroExercice = 301;
    poserEnonce(d);
    reprendreEnonce(d);
    EXPECT_EQ(journal, (std::vector<std::string>{"poser 300", "reprendre 300", "poser 301",
                                                 "reprendre 301"}));
    effacerExercices();
    inscrireChapitres();
}

} // namespace
