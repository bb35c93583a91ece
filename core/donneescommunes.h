#pragma once

// L'enregistrement commun : tout l'état partagé du programme en marche, en un seul
// exemplaire pour toute la durée du programme. Il désigne les contrôles de la fenêtre (sans
// les posséder) et les huit zones d'affichage, dit où en est l'élève (page de cours,
// exercice, question, imagiciel), porte tout l'état de l'exercice en cours (données de
// l'énoncé, réponses attendues et données, verdict, points, essais, cases) et les totaux du
// bilan. Les unités de chapitre, les correcteurs, les pages de cours, les imagiciels, la
// fenêtre d'information et la fenêtre principale le lisent et l'écrivent directement.
//
// Les champs suivent l'ordre de leur déclaration d'origine ; les tableaux notés [1..N] se
// numérotent à partir de 1 (TtableauUn) et les textes bornés se coupent à leur longueur
// maximale (TchaineBornee).

#include "analysis/jugement/genresreponse.h"
#include "analysis/jugement/verdict.h"
#include "core/chaineborne.h"
#include "core/exercice/casechoix.h"
#include "core/exercice/etiquettecase.h"
#include "core/exercice/serie.h"
#include "core/tableauun.h"

#include <bitset>
#include <cstdint>
#include <memory>
#include <string>

struct Tarbre;
struct Tbouton;
struct TbarreEtat;
struct TchampSaisie;
struct Tclasseur;
struct Tcontrole;
struct TimageFenetre;
struct TlecteurSon;
struct Tlibelle;
struct Tminuterie;
struct TzoneAffichage;
class Tplateforme;

// Modes de réponse d'une question.
inline constexpr std::uint8_t modeReponseSaisie = 2;
inline constexpr std::uint8_t modeReponseCases = 4;

inline constexpr int nombreMaxCases = 30;
inline constexpr int tailleHistorique = 100;

struct TdonneesCommunes {
    // Les zones ne sont connues ici que par déclaration : construction, destruction et
    // déplacement sont définis là où leur type est complet.
    TdonneesCommunes();
    ~TdonneesCommunes();
    TdonneesCommunes(TdonneesCommunes&&) noexcept;
    TdonneesCommunes& operator=(TdonneesCommunes&&) noexcept;

    // 1–3
    TchaineBornee<255> dossierProgramme;
    std::uintptr_t handleFenetre = 0;
    int cibleLien = 0;

    // 4. Les huit zones d'affichage, possédées par l'enregistrement, chacune liée à une boîte
    // à peindre de la fenêtre.
    std::unique_ptr<TzoneAffichage> zoneFigure;
    std::unique_ptr<TzoneAffichage> zoneFigureSolution;
    std::unique_ptr<TzoneAffichage> zoneEnonce;
    std::unique_ptr<TzoneAffichage> zoneSolution;
    std::unique_ptr<TzoneAffichage> zoneCours;
    std::unique_ptr<TzoneAffichage> zoneTexteImagiciel;
    std::unique_ptr<TzoneAffichage> zoneFigureImagiciel;
    std::unique_ptr<TzoneAffichage> zoneAccueil;

    // 5. Dernier événement de souris dans une zone de texte (1 appui, 2 relâché, 3 mouvement).
    int sourisX = 0;
    int sourisY = 0;
    int actionSouris = 0;

    // 6. Contrôles de la fenêtre principale (la fenêtre les possède).
    Tlibelle* LabelChapitreExercice = nullptr;
    Tlibelle* LabelChapitreCours = nullptr;
    Tlibelle* LabelChapitreImagiciel = nullptr;
    Tlibelle* LabelTitreExercice = nullptr;
    Tlibelle* LabelTitreImagiciel = nullptr;
    TchampSaisie* Edit1 = nullptr;
    TchampSaisie* Edit2 = nullptr;
    TchampSaisie* Edit3 = nullptr;
    TbarreEtat* ZoneScoreExercice = nullptr;
    Tminuterie* Timer = nullptr;
    Tminuterie* TimerAnimationAccueil = nullptr;
    Tbouton* BoutonCoursSuivant = nullptr;
    Tbouton* BoutonCoursPrecedent = nullptr;
    Tbouton* BoutonPourSexercer = nullptr;
    Tbouton* BoutonPourSexercerSF = nullptr;
    Tbouton* BoutonRetour = nullptr;
    Tbouton* BoutonRetourSF = nullptr;
    Tbouton* BoutonRevoirCours = nullptr;
    Tbouton* BoutonReculer = nullptr;
    Tbouton* BoutonCorrection = nullptr;
    Tbouton* BoutonAvancer = nullptr;
    Tbouton* BoutonSolution = nullptr;
    Tbouton* BoutonReessayer = nullptr;
    Tbouton* BoutonSommaire = nullptr;
    Tbouton* BoutonSuite = nullptr;
    Tclasseur* PageControle = nullptr;
    Tcontrole* PageExercice = nullptr;
    Tcontrole* PageImagiciel = nullptr;
    Tcontrole* PageCours = nullptr;
    Tcontrole* PageMenu = nullptr;
    Tarbre* ArbreChoixCours = nullptr;
    Tarbre* ArbreChoixExercice = nullptr;
    Tarbre* ArbreChoixImagiciel = nullptr;
    Tcontrole* ScrollBoiteCours = nullptr;
    TlecteurSon* MediaPlayerErreur = nullptr;
    TimageFenetre* ImageFausse = nullptr;
    TimageFenetre* ImageIncorrecte = nullptr;
    TimageFenetre* ImageSolution = nullptr;
    TimageFenetre* ImageExacte = nullptr;
    TimageFenetre* fondAccueil = nullptr;
    TimageFenetre* AproposActif = nullptr;
    TimageFenetre* AproposNonActif = nullptr;
    TimageFenetre* EntreeActif = nullptr;
    TimageFenetre* EntreeNonActif = nullptr;
    TimageFenetre* QuitterActif = nullptr;
    TimageFenetre* QuitterNonActif = nullptr;
    TimageFenetre* ImageCalculatrice = nullptr;

    // 7–9
    bool pageSavoirFaire = false;
    bool survolApropos = false;
    bool survolEntree = false;
    bool survolQuitter = false;
    int hauteurCours = 0;

    // 10. Haut de chaque champ de réponse dans son panneau.
    TtableauUn<int, 3> hautChamp;

    // 11–14. Page de cours et imagiciel affichés.
    int pageCours = 0;
    int chapitreCours = 0;
    int numeroImagiciel = 0;
    int chapitreImagiciel = 0;
    int etapeImagiciel = 0;
    int nombreEtapes = 0;
    TchaineBornee<120> nomPageCours;
    TchaineBornee<120> titreImagiciel;
    int lienPourSexercer = 0;

    // 15–20. Exercice en cours.
    int numeroExercice = 0;
    int numeroQuestion = 0;
    int nombreQuestions = 0;
    int codeChapitre = 0;
    int pageCoursLiee = 0;
    bool exerciceEnCours = false;
    bool correctionVisible = true;

    // 21–25. Compteurs et score.
    int exercicesAbordes = 0;
    int exercicesTraites = 0;
    int solutionsDemandees = 0;
    int points = 0;
    int bareme = 1;
    int scoreSerie = 0;
    int scoreSerieMax = 0;
    int pointsObtenus = 0;
    int pointsPossibles = 0;
    bool questionTerminee = false;
    int delaiBoutons = 0;

    // 26–28
    double ligneMessage = 2.5;
    std::uint8_t modeReponse = modeReponseSaisie;
    bool premierFauxSeulement = false;

    // 29–38. Les trois champs de réponse : réponse donnée, réponse attendue, genre.
    TtableauUn<TchaineBornee<120>, 3> reponseDonnee;
    TtableauUn<double, 3> valeurDonnee;
    TtableauUn<TchaineBornee<120>, 3> lettresPermises;
    TtableauUn<bool, 3> reponseVidePermise;
    std::uint8_t nombreChamps = 0;
    TtableauUn<TgenreReponse, 3> typeReponse{TgenreReponse::nombre};
    TtableauUn<double, 3> valeurAttendue;
    TtableauUn<TchaineBornee<120>, 3> reponseAttendue;
    TchaineBornee<120> lettresPoints;
    TtableauUn<double, 3> precision{1e-9};

    // 39–45. Verdict, essai et cases cliquables.
    Tverdict codeVerdict = Tverdict::aucun;
    int essai = 1;
    std::uint8_t caseJuste = 0;
    std::uint8_t nombreCases = 0;
    TtableauUn<TcaseChoix, nombreMaxCases> cases;
    TtableauUn<TetiquetteCase, nombreMaxCases> etiquettes;
    bool choixUnique = false;

    // 46–52
    std::string texte1;
    std::string texte2;
    std::string texte3;
    std::bitset<256> casesJustes;
    std::bitset<256> casesChoisies;
    std::uint8_t champAReprendre = 1;
    bool solutionPermise = false;
    bool solutionDemandee = false;
    std::string titreExercice;
    std::uint8_t espacementCases = 5;

    // 53–56. Historique des pages de cours, fenêtre d'information, série statistique.
    int nombreHistorique = 0;
    TtableauUn<int, tailleHistorique> historique;
    bool retourEnCours = false;
    bool navigationVoisine = false;
    int largeurInfo = 0;
    int hauteurInfo = 0;
    Tserie serie;

    // Ajout : la couche plateforme par laquelle passent les effets hors du programme.
    Tplateforme* plateforme = nullptr;
    // Ajout : le verdict de chaque champ jugé à la dernière soumission (aucun pour un champ
    // que le jugement n'a pas atteint).
    TtableauUn<Tverdict, 3> verdictsChamps{Tverdict::aucun};
};

// Donne aux champs leurs valeurs de départ (les textes libres et le titre restent tels
// quels, les références aux contrôles et les zones ne changent pas).
void initialiserDonneesCommunes(TdonneesCommunes& d);

// Champ de réponse k (1 à 3) : Edit1, Edit2 ou Edit3 ; nul hors de 1..3.
TchampSaisie* champReponse(const TdonneesCommunes& d, int k);

// Donne le focus au contrôle et le retire à tous les autres contrôles de l'enregistrement.
void donnerFocus(TdonneesCommunes& d, Tcontrole* controle);

// Pile des pages de cours visitées : au plus 100 pages. Une page de plus fait oublier la
// plus ancienne ; dépiler une pile vide rend 0.
void empilerHistorique(TdonneesCommunes& d, int page);
int depilerHistorique(TdonneesCommunes& d);
