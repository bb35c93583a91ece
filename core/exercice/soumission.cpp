#include "core/exercice/soumission.h"

#include "analysis/jugement/jugement.h"
#include "analysis/jugement/verdict.h"
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
#include "core/exercice/verdicts.h"
#include "core/plateforme/plateforme.h"
#include "display/tableaux/objetdiagramme.h"
#include "display/zones/zoneaffichage.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

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

} // namespace

Tverdict jugerChamp(TdonneesCommunes& d, int k) {
    if (k < 1 || k > 3) {
        return Tverdict::illisible;
    }
    jugement::TchampAJuger champ;
    champ.genre = d.typeReponse[k];
    champ.attendu = d.reponseAttendue[k];
    champ.valeurAttendue = d.valeurAttendue[k];
    champ.lettres = d.lettresPermises[k];
    champ.precision = d.precision[k];
    champ.videPermis = d.reponseVidePermise[k];
    champ.lettresPoints = d.lettresPoints;
    champ.reponse = d.reponseDonnee[k];
    champ.numero = k;
    champ.nombreChamps = d.nombreChamps;
    const jugement::TjugementChamp j = jugement::jugerChamp(champ);
    if (j.valeurLue) {
        d.valeurDonnee[k] = *j.valeurLue;
    }
    if (j.refus) {
        verdictIncorrect(d);
    }
    for (const std::string& ligne : j.messages) {
        ajouterMessage(d, ligne);
    }
    d.verdictsChamps[k] = j.verdict;
    return j.verdict;
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
        d.reponseDonnee[k] = champ != nullptr ? jugement::normaliserReponse(champ->texte) : "";
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
    d.verdictsChamps.remplir(Tverdict::aucun);

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

namespace {

// La formule des points d'une réponse exacte, écrite une seule fois.
int pointsExacts(const TdonneesCommunes& d, Tnotation notation) {
    switch (notation) {
    case Tnotation::premierEssai:
        return (2 - d.essai) * d.bareme;
    case Tnotation::deuxPointsParEssai:
        return d.bareme - 2 * (d.essai - 1);
    case Tnotation::pointParEssai:
        return d.bareme - d.essai + 1;
    case Tnotation::essaiUnique:
        return d.bareme;
    }
    return 0;
}

} // namespace

void conclureQuestion(TdonneesCommunes& d, Tverdict verdict, Tnotation notation) {
    d.codeVerdict = verdict;
    switch (verdict) {
    case Tverdict::exact:
        d.points = pointsExacts(d, notation);
        d.questionTerminee = true;
        verdictExact(d);
        break;
    case Tverdict::illisible:
    case Tverdict::malEcrit:
        d.essai -= 1;
        break;
    default:
        d.codeVerdict = Tverdict::faux;
        verdictFaux(d);
        if (notation == Tnotation::essaiUnique) {
            d.points = 0;
            d.questionTerminee = true;
        }
        break;
    }
}

void verifierUneReponse(TdonneesCommunes& d) {
    const Tverdict v = jugerChamp(d, 1);
    conclureQuestion(d, v, d.bareme < 3 ? Tnotation::premierEssai : Tnotation::deuxPointsParEssai);
    if (d.codeVerdict == Tverdict::faux) {
        d.solutionPermise = d.essai > 2;
    }
}

namespace {

// Jugement de deux ou trois champs, dans l'ordre ; le premier champ illisible arrête le
// jugement et n'est pas compté. Ensuite, tout exact : la question est finie ; un champ mal
// écrit dont les précédents sont exacts et les suivants justes : non compté, reprise sur
// lui ; sinon faux, avec « La réponse x est fausse. » pour chaque champ dont la valeur est
// fausse.
void verifierPlusieursReponses(TdonneesCommunes& d, int n) {
    TtableauUn<Tverdict, 3> r{Tverdict::aucun};
    for (int k = 1; k <= n; ++k) {
        r[k] = jugerChamp(d, k);
        if (r[k] == Tverdict::illisible) {
            conclureQuestion(d, Tverdict::illisible, Tnotation::deuxPointsParEssai);
            d.champAReprendre = static_cast<std::uint8_t>(k);
            return;
        }
    }
    bool toutExact = true;
    for (int k = 1; k <= n; ++k) {
        toutExact = toutExact && r[k] == Tverdict::exact;
    }
    if (toutExact) {
        conclureQuestion(d, Tverdict::exact, Tnotation::deuxPointsParEssai);
        return;
    }
    for (int k = 1; k <= n; ++k) {
        bool precedentsExacts = true;
        bool suivantsJustes = true;
        for (int j = 1; j <= n; ++j) {
            precedentsExacts = precedentsExacts && (j >= k || r[j] == Tverdict::exact);
            suivantsJustes = suivantsJustes && (j <= k || valeurJuste(r[j]));
        }
        if (r[k] == Tverdict::malEcrit && precedentsExacts && suivantsJustes) {
            conclureQuestion(d, Tverdict::malEcrit, Tnotation::deuxPointsParEssai);
            d.champAReprendre = static_cast<std::uint8_t>(k);
            return;
        }
    }
    conclureQuestion(d, Tverdict::faux, Tnotation::deuxPointsParEssai);
    d.solutionPermise = d.essai > 2;
    d.champAReprendre = 0;
    static constexpr const char* messages[4] = {
        "", "La réponse a est fausse.", "La réponse b est fausse.", "La réponse c est fausse."};
    for (int k = 1; k <= n; ++k) {
        if (valeurJuste(r[k])) {
            continue;
        }
        // Le dernier champ vrai ou faux se tait quand un champ précédent est faux.
        bool precedentFaux = false;
        for (int j = 1; j < k; ++j) {
            precedentFaux = precedentFaux || r[j] == Tverdict::faux;
        }
        if (!(k == n && k > 1 && d.typeReponse[k] == TgenreReponse::vraiFaux && precedentFaux)) {
            ajouterMessage(d, messages[k]);
        }
        if (d.champAReprendre == 0) {
            d.champAReprendre = static_cast<std::uint8_t>(k);
        }
        if (k < n && d.premierFauxSeulement) {
            break;
        }
    }
    // À deux champs, la reprise reste sur le champ a quand seul le champ b est faux.
    if (d.champAReprendre == 0 || n == 2) {
        d.champAReprendre = 1;
    }
}

} // namespace

void verifierDeuxReponses(TdonneesCommunes& d) {
    verifierPlusieursReponses(d, 2);
}

void verifierTroisReponses(TdonneesCommunes& d) {
    verifierPlusieursReponses(d, 3);
}

void verifierChoixUnique(TdonneesCommunes& d) {
    const int juste = d.caseJuste;
    const bool exact = juste >= 1 && juste <= nombreMaxCases && d.cases[juste].choisie;
    conclureQuestion(d, exact ? Tverdict::exact : Tverdict::faux, Tnotation::essaiUnique);
}

void verifierFigure(TdonneesCommunes& d) {
    Tdiagramme* diagramme = diagrammeATracer(d);
    if (diagramme == nullptr) {
        return;
    }
    const bool barres = diagramme->typeDiagramme == Tdiagramme::barres;
    const auto& attendues = d.zoneFigure->entiers;
    const int n = std::min<int>(diagramme->nbCategories, Tdiagramme::categoriesMaximum);
    std::string message;
    for (int i = 1; i <= n && static_cast<std::size_t>(i) < attendues.size(); ++i) {
        const int attendue = attendues[static_cast<std::size_t>(i)];
        const int actuelle = diagramme->valeurs[static_cast<std::size_t>(i - 1)];
        if (attendue == actuelle) {
            continue;
        }
        const char* mot =
            attendue < actuelle ? (barres ? "grande" : "grand") : (barres ? "petite" : "petit");
        message =
            std::string(barres ? "La barre pour la catégorie" : "Le secteur pour la catégorie") +
            " \" " + diagramme->libelles[static_cast<std::size_t>(i - 1)] + " \" est trop " + mot +
            ".";
        break;
    }
    if (!message.empty()) {
        conclureQuestion(d, Tverdict::faux, Tnotation::pointParEssai);
        ajouterLigneSolution(d, message, 3.5);
        return;
    }
    conclureQuestion(d, Tverdict::exact, Tnotation::pointParEssai);
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
    // Seuls les exercices qui en ont une restaurent leur énoncé (reprise nulle ailleurs).
    reprendreEnonce(d);
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
