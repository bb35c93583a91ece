#include "core/exercice/soumission.h"

#include "analysis/texte/texteutf8.h"
#include "core/controles/arbre.h"
#include "core/controles/barreetat.h"
#include "core/controles/bouton.h"
#include "core/controles/champsaisie.h"
#include "core/controles/classeur.h"
#include "core/controles/minuterie.h"
#include "core/donneescommunes.h"
#include "core/exercice/bilan.h"
#include "core/exercice/enonce.h"
#include "core/exercice/exercice.h"
#include "core/exercice/repartition.h"
#include "core/exercice/verdict.h"
#include "core/exercice/verdicts.h"
#include "core/plateforme/plateforme.h"
#include "display/tableaux/objetdiagramme.h"
#include "display/zones/zoneaffichage.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

TcorrecteurChamp& correcteurInscrit() {
    static TcorrecteurChamp correcteur;
    return correcteur;
}

bool exactOuMalEcrit(int v) {
    return v == verdict::exact || v == verdict::malEcrit;
}

void rendreModifiables(TdonneesCommunes& d, bool modifiables) {
    for (int k = 1; k <= 3; ++k) {
        if (TchampSaisie* champ = champReponse(d, k)) {
            champ->lectureSeule = !modifiables;
        }
    }
}

std::string sansEspacesAutour(const std::string& texte) {
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string::npos) {
        return {};
    }
    const auto fin = texte.find_last_not_of(' ');
    return texte.substr(debut, fin - debut + 1);
}

void montrer(Tbouton* bouton, bool visible) {
    if (bouton != nullptr) {
        bouton->visible = visible;
    }
}

bool visible(const Tbouton* bouton) {
    return bouton != nullptr && bouton->visible;
}

// Le diagramme de la figure de l'énoncé que l'élève peut encore tracer, nul sinon.
Tdiagramme* diagrammeATracer(const TdonneesCommunes& d) {
    if (!d.zoneFigure || d.zoneFigure->indexDiagramme == 0) {
        return nullptr;
    }
    auto* diagramme = dynamic_cast<Tdiagramme*>(d.zoneFigure->objet(d.zoneFigure->indexDiagramme));
    return diagramme != nullptr && !diagramme->fige ? diagramme : nullptr;
}

void activerOnglet(TdonneesCommunes& d, Onglet onglet) {
    if (d.PageControle != nullptr) {
        d.PageControle->pageActive = onglet;
    }
}

void marquerExact(TdonneesCommunes& d) {
    d.codeVerdict = verdict::exact;
    d.questionTerminee = true;
    verdictExact(d);
}

void nonCompte(TdonneesCommunes& d, int champ) {
    d.essai -= 1;
    d.champAReprendre = static_cast<std::uint8_t>(champ);
}

} // namespace

void inscrireCorrecteurChamp(TcorrecteurChamp correcteur) {
    correcteurInscrit() = std::move(correcteur);
}

TcorrecteurChamp correcteurChampInscrit() {
    return correcteurInscrit();
}

int jugerChamp(TdonneesCommunes& d, int k) {
    if (k < 1 || k > 3) {
        return verdict::illisible;
    }
    if (d.reponseVidePermise[k]) {
        const bool attenduVide = d.reponseAttendue[k].empty();
        const bool donneVide = d.reponseDonnee[k].empty();
        if (attenduVide && donneVide) {
            return verdict::exact;
        }
        if (attenduVide != donneVide) {
            return verdict::faux;
        }
    }
    if (const auto& correcteur = correcteurInscrit()) {
        return correcteur(d, k);
    }
    return verdict::illisible;
}

void validerReponse(TdonneesCommunes& d) {
    if (d.questionTerminee) {
        if (visible(d.BoutonSuite)) {
            poserQuestion(d, true);
        } else if (visible(d.BoutonSommaire)) {
            activerOnglet(d, Onglet::Sommaire);
        }
        return;
    }

    d.ligneMessage = 2.5;
    rendreModifiables(d, false);
    for (int k = 1; k <= 3; ++k) {
        const TchampSaisie* champ = champReponse(d, k);
        d.reponseDonnee[k] =
            champ != nullptr ? sansEspacesAutour(texteutf8::couper(champ->texte, 120)) : "";
    }
    effacerSolution(d);

    if (!d.solutionDemandee && d.nombreChamps > 0) {
        for (int k = 1; k <= std::min<int>(d.nombreChamps, 3); ++k) {
            if (d.reponseDonnee[k].empty() && !d.reponseVidePermise[k]) {
                rendreModifiables(d, true);
                donnerFocus(d, champReponse(d, k));
                return;
            }
        }
    }

    montrer(d.BoutonCorrection, false);
    d.points = 0;
    d.champAReprendre = 1;

    if (d.solutionDemandee) {
        d.questionTerminee = true;
        afficherImageVerdict(d, d.ImageSolution);
        terminerQuestion(d);
        d.solutionPermise = false;
        return;
    }

    if (d.modeReponse == modeReponseCases) {
        d.casesChoisies.reset();
        for (int n = 1; n <= nombreMaxCases; ++n) {
            if (d.cases[n].active && d.cases[n].choisie) {
                d.casesChoisies.set(static_cast<std::size_t>(n));
            }
        }
    }

    jugerReponse(d);

    if (d.questionTerminee) {
        terminerQuestion(d);
        return;
    }
    d.essai += 1;
    montrer(d.BoutonSolution, d.solutionPermise);
    montrer(d.BoutonReessayer, true);
    redessinerZonesExercice(d);
    donnerFocus(d, d.BoutonReessayer);
}

void jugerReponseStandard(TdonneesCommunes& d) {
    if (d.nombreChamps == 3) {
        verifierTroisReponses(d);
    } else if (d.nombreChamps == 2) {
        verifierDeuxReponses(d);
    } else if (d.choixUnique) {
        verifierChoixUnique(d);
    } else if (diagrammeATracer(d) != nullptr) {
        verifierFigure(d);
    } else {
        verifierUneReponse(d);
    }
}

void verifierUneReponse(TdonneesCommunes& d) {
    const int v = jugerChamp(d, 1);
    d.codeVerdict = static_cast<std::uint8_t>(v);
    if (v == verdict::illisible || v == verdict::malEcrit) {
        d.essai -= 1;
    } else if (v == verdict::exact) {
        d.points = d.bareme < 3 ? (2 - d.essai) * d.bareme : d.bareme - 2 * (d.essai - 1);
        marquerExact(d);
    } else {
        verdictFaux(d);
        d.solutionPermise = d.essai > 2;
    }
}

void verifierDeuxReponses(TdonneesCommunes& d) {
    const int ra = jugerChamp(d, 1);
    d.codeVerdict = static_cast<std::uint8_t>(ra);
    if (ra == verdict::illisible) {
        nonCompte(d, 1);
        return;
    }
    const int rb = jugerChamp(d, 2);
    if (rb == verdict::illisible) {
        nonCompte(d, 2);
        return;
    }
    if (ra == verdict::exact && rb == verdict::exact) {
        marquerExact(d);
        d.points = d.bareme - 2 * (d.essai - 1);
        return;
    }
    if (ra == verdict::malEcrit && exactOuMalEcrit(rb)) {
        nonCompte(d, 1);
        return;
    }
    if (rb == verdict::malEcrit && ra == verdict::exact) {
        nonCompte(d, 2);
        return;
    }
    verdictFaux(d);
    d.solutionPermise = d.essai > 2;
    if (!exactOuMalEcrit(ra)) {
        ajouterMessage(d, "La réponse a est fausse.");
        d.champAReprendre = 1;
        if (d.premierFauxSeulement) {
            return;
        }
    }
    if (!exactOuMalEcrit(rb) && !(d.typeReponse[2] == 30 && ra == verdict::faux)) {
        ajouterMessage(d, "La réponse b est fausse.");
    }
}

void verifierTroisReponses(TdonneesCommunes& d) {
    int r[4] = {};
    for (int k = 1; k <= 3; ++k) {
        r[k] = jugerChamp(d, k);
        if (k == 1) {
            d.codeVerdict = static_cast<std::uint8_t>(r[1]);
        }
        if (r[k] == verdict::illisible) {
            nonCompte(d, k);
            return;
        }
    }
    const int ra = r[1];
    const int rb = r[2];
    const int rc = r[3];
    if (ra == verdict::exact && rb == verdict::exact && rc == verdict::exact) {
        marquerExact(d);
        d.points = d.bareme - 2 * (d.essai - 1);
        return;
    }
    if (ra == verdict::malEcrit && exactOuMalEcrit(rb) && exactOuMalEcrit(rc)) {
        nonCompte(d, 1);
        return;
    }
    if (rb == verdict::malEcrit && ra == verdict::exact && exactOuMalEcrit(rc)) {
        nonCompte(d, 2);
        return;
    }
    if (rc == verdict::malEcrit && ra == verdict::exact && rb == verdict::exact) {
        nonCompte(d, 3);
        return;
    }
    verdictFaux(d);
    d.champAReprendre = 0;
    d.solutionPermise = d.essai > 2;
    static constexpr const char* messages[4] = {
        "", "La réponse a est fausse.", "La réponse b est fausse.", "La réponse c est fausse."};
    for (int k = 1; k <= 3; ++k) {
        if (exactOuMalEcrit(r[k])) {
            continue;
        }
        const bool messageOmis =
            k == 3 && d.typeReponse[3] == 30 && (ra == verdict::faux || rb == verdict::faux);
        if (!messageOmis) {
            ajouterMessage(d, messages[k]);
        }
        if (d.champAReprendre == 0) {
            d.champAReprendre = static_cast<std::uint8_t>(k);
        }
        if (k < 3 && d.premierFauxSeulement) {
            break;
        }
    }
    if (d.champAReprendre == 0) {
        d.champAReprendre = 1;
    }
}

void verifierChoixUnique(TdonneesCommunes& d) {
    d.questionTerminee = true;
    const int juste = d.caseJuste;
    if (juste >= 1 && juste <= nombreMaxCases && d.cases[juste].choisie) {
        d.codeVerdict = verdict::exact;
        d.points = d.bareme;
        verdictExact(d);
    } else {
        d.codeVerdict = verdict::faux;
        d.points = 0;
        verdictFaux(d);
    }
}

void verifierFigure(TdonneesCommunes& d) {
    Tdiagramme* diagramme = diagrammeATracer(d);
    if (diagramme == nullptr) {
        return;
    }
    const bool barres = diagramme->typeDiagramme == Tdiagramme::barres;
    const auto& attendues = d.zoneFigure->entiers;
    const int n = std::min<int>(diagramme->nbCategories, Tdiagramme::categoriesMaximum);
    d.texte2.clear();
    for (int i = 1; i <= n && static_cast<std::size_t>(i) < attendues.size(); ++i) {
        const int attendue = attendues[static_cast<std::size_t>(i)];
        const int actuelle = diagramme->valeurs[static_cast<std::size_t>(i - 1)];
        if (attendue == actuelle) {
            continue;
        }
        const char* mot =
            attendue < actuelle ? (barres ? "grande" : "grand") : (barres ? "petite" : "petit");
        d.texte2 =
            std::string(barres ? "La barre pour la catégorie" : "Le secteur pour la catégorie") +
            " \" " + diagramme->libelles[static_cast<std::size_t>(i - 1)] + " \" est trop " + mot +
            ".";
        break;
    }
    if (!d.texte2.empty()) {
        verdictFaux(d);
        ajouterLigneSolution(d, d.texte2, 3.5);
        return;
    }
    d.points = d.bareme - d.essai + 1;
    marquerExact(d);
    diagramme->fige = true;
}

void afficherSolution(TdonneesCommunes& d) {
    d.ligneMessage = 2.5;
    if (d.zoneEnonce) {
        d.zoneEnonce->figee = true;
    }
    if (d.zoneFigure) {
        d.zoneFigure->figee = true;
    }
    donnerSolution(d);
}

void terminerQuestion(TdonneesCommunes& d) {
    if (!d.questionTerminee) {
        return;
    }
    afficherSolution(d);
    d.points = std::max(d.points, 0);
    d.scoreSerie += d.points;
    d.scoreSerieMax += d.bareme;
    d.pointsObtenus += d.points;
    d.pointsPossibles += d.bareme;
    if (d.ZoneScoreExercice != nullptr) {
        d.ZoneScoreExercice->texte = ligneScore(d.scoreSerie, d.scoreSerieMax);
    }
    montrer(d.BoutonCorrection, false);
    montrer(d.BoutonReessayer, false);
    redessinerZonesExercice(d);
    const bool suite = d.numeroQuestion < d.nombreQuestions;
    montrer(d.BoutonSuite, suite);
    montrer(d.BoutonSommaire, !suite);
    if (d.PageControle != nullptr && d.PageControle->pageActive == Onglet::Exercices) {
        donnerFocus(d, suite ? d.BoutonSuite : d.BoutonSommaire);
    }
    d.delaiBoutons = 1;
    if (d.Timer != nullptr && d.plateforme != nullptr) {
        d.plateforme->demarrerMinuterie(*d.Timer);
    }
    d.exerciceEnCours = suite;
    montrer(d.BoutonSolution, false);
    if (!d.exerciceEnCours) {
        d.exercicesTraites += 1;
    }
}

void reessayer(TdonneesCommunes& d) {
    montrer(d.BoutonReessayer, false);
    montrer(d.BoutonCorrection, true);
    rendreModifiables(d, true);
    if (d.codeChapitre == 13 || d.codeChapitre == 15) {
        reprendreEnonce(d);
    }
    effacerSolution(d);
    redessinerZonesExercice(d);
    if (d.nombreChamps > 0) {
        const int k = d.champAReprendre >= 1 && d.champAReprendre <= 3 ? d.champAReprendre : 1;
        donnerFocus(d, champReponse(d, k));
    }
}

void BoutonCorrectionClick(TdonneesCommunes& d) {
    validerReponse(d);
}

void BoutonReessayerClick(TdonneesCommunes& d) {
    reessayer(d);
}

void BoutonSolutionClick(TdonneesCommunes& d) {
    if (d.questionTerminee || !d.solutionPermise) {
        return;
    }
    d.solutionDemandee = true;
    d.solutionsDemandees += 1;
    validerReponse(d);
}

void BoutonSuiteClick(TdonneesCommunes& d) {
    if (d.delaiBoutons <= 0) {
        poserQuestion(d, true);
    }
}

void BoutonSommaireClick(TdonneesCommunes& d) {
    if (d.delaiBoutons <= 0) {
        activerOnglet(d, Onglet::Sommaire);
        donnerFocus(d, d.ArbreChoixExercice);
    }
}

void TimerTimer(TdonneesCommunes& d) {
    if (d.delaiBoutons > 1) {
        d.delaiBoutons -= 1;
    } else if (d.delaiBoutons == 1) {
        d.delaiBoutons = 0;
        for (Tbouton* bouton : {d.BoutonSuite, d.BoutonSommaire}) {
            if (bouton != nullptr && bouton->visible) {
                bouton->actif = true;
            }
        }
        if (d.Timer != nullptr && d.plateforme != nullptr) {
            d.plateforme->arreterMinuterie(*d.Timer);
        }
    }
}

void EditKeyDown(TdonneesCommunes& d, int k, int touche) {
    if (touche == toucheEntree) {
        validerReponse(d);
    } else if (touche == toucheBas) {
        if (k == 1 && d.nombreChamps > 1) {
            donnerFocus(d, d.Edit2);
        } else if (k == 2 && d.nombreChamps > 2) {
            donnerFocus(d, d.Edit3);
        }
    } else if (touche == toucheHaut) {
        if (k == 2) {
            donnerFocus(d, d.Edit1);
        } else if (k == 3) {
            donnerFocus(d, d.Edit2);
        }
    }
}

void lireValeursAttendues(TdonneesCommunes& d, std::string_view texte) {
    if (!d.zoneFigure) {
        return;
    }
    auto& entiers = d.zoneFigure->entiers;
    std::size_t rang = 1;
    std::size_t debut = 0;
    while (debut <= texte.size() && rang < entiers.size()) {
        const std::size_t fin = std::min(texte.find('\\', debut), texte.size());
        std::string nombre(texte.substr(debut, fin - debut));
        std::replace(nombre.begin(), nombre.end(), ',', '.');
        const std::string propre = sansEspacesAutour(nombre);
        double valeur = 0;
        const auto [fin_lu, erreur] =
            std::from_chars(propre.data(), propre.data() + propre.size(), valeur);
        (void)fin_lu;
        entiers[rang] = erreur == std::errc{} && std::isfinite(valeur) && std::abs(valeur) < 2e9
                            ? static_cast<int>(std::lround(valeur))
                            : 0;
        ++rang;
        debut = fin + 1;
    }
}
