#pragma once

// Banc d'essai sans fenêtre de la soumission : un enregistrement lié à des contrôles, ses
// huit zones, une plateforme scriptée et l'unité d'essai inscrite pour le chapitre 1.

#include "core/donneescommunes.h"
#include "core/plateforme/plateformescriptee.h"
#include "core/plateforme/sansfenetre.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

class SoumissionEssai : public testing::Test, protected TsansFenetre {
protected:
    void SetUp() override;
    void TearDown() override;

    // Tape les réponses dans les champs 1, 2, 3 et appuie sur Entrée dans le premier.
    void repondre(std::initializer_list<const char*> reponses);
    // Textes de la zone de la solution, dans l'ordre d'écriture.
    std::vector<std::string> textesSolution() const;
    // Ligne (haut / 18) de chaque texte de la zone de la solution.
    std::vector<double> lignesSolution() const;
    // Clic au centre de la case n.
    void cliquerCase(int n);
};
