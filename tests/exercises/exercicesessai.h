#pragma once

// Le banc commun des tests d'exercices joués sans fenêtre : un enregistrement sans fenêtre
// (TsansFenetre), les quatorze unités inscrites ; de quoi lancer une
// question et soumettre des réponses tapées.

#include "core/donneescommunes.h"
#include "core/exercice/exercice.h"
#include "core/exercice/repartition.h"
#include "core/exercice/soumission.h"
#include "core/plateforme/sansfenetre.h"
#include "exercises/inscriptionchapitres.h"

#include <gtest/gtest.h>
#include <vector>

class ExercicesEssai : public testing::Test, protected TsansFenetre {
protected:
    void SetUp() override { inscrireChapitres(); }
    void TearDown() override { effacerUnitesChapitre(); }

    // Lance l'exercice, en confirmant l'abandon d'une série en cours, jusqu'à la question
    // donnée.
    void lancer(int index, int question = 1) {
        if (d.exerciceEnCours) {
            plateforme.reponsesOuiNon.push_back(true);
        }
        lancerExercice(d, index);
        while (d.numeroQuestion < question) {
            poserQuestion(d, true);
        }
    }

    // Tape les réponses dans les champs 1, 2… puis soumet.
    void repondre(const std::vector<const char*>& reponses) {
        int k = 1;
        for (const char* r : reponses) {
            champReponse(d, k++)->texte = r;
        }
        validerReponse(d);
    }
};
