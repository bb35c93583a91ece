#pragma once

// Les contrôles de la fenêtre principale que l'enregistrement commun désigne, réunis en un
// seul objet qui les possède : la fenêtre Qt en tient un et lie chacun de ses widgets à son
// objet d'état ; les tests et l'outil de banc en tiennent un sans fenêtre. Un objet neuf
// porte l'état de départ de la fenêtre (bulles d'aide, intervalles des minuteries, arbres
// de contenu, noms des images).

#include "core/controles/arbre.h"
#include "core/controles/barreetat.h"
#include "core/controles/bouton.h"
#include "core/controles/champsaisie.h"
#include "core/controles/classeur.h"
#include "core/controles/controle.h"
#include "core/controles/imagefenetre.h"
#include "core/controles/lecteurson.h"
#include "core/controles/libelle.h"
#include "core/controles/minuterie.h"
#include "display/zones/boitepeinture.h"

struct TdonneesCommunes;

struct TcontrolesFenetre {
    TcontrolesFenetre();

    Tlibelle LabelChapitreExercice;
    Tlibelle LabelChapitreCours;
    Tlibelle LabelChapitreImagiciel;
    Tlibelle LabelTitreExercice;
    Tlibelle LabelTitreImagiciel;
    TchampSaisie Edit1;
    TchampSaisie Edit2;
    TchampSaisie Edit3;
    TbarreEtat ZoneScoreExercice;
    Tminuterie Timer;
    Tminuterie TimerAnimationAccueil;
    Tbouton BoutonCoursSuivant;
    Tbouton BoutonCoursPrecedent;
    Tbouton BoutonPourSexercer;
    Tbouton BoutonPourSexercerSF;
    Tbouton BoutonRetour;
    Tbouton BoutonRetourSF;
    Tbouton BoutonRevoirCours;
    Tbouton BoutonReculer;
    Tbouton BoutonCorrection;
    Tbouton BoutonAvancer;
    Tbouton BoutonSolution;
    Tbouton BoutonReessayer;
    Tbouton BoutonSommaire;
    Tbouton BoutonSuite;
    Tclasseur PageControle;
    Tcontrole PageExercice;
    Tcontrole PageImagiciel;
    Tcontrole PageCours;
    Tcontrole PageMenu;
    Tarbre ArbreChoixCours;
    Tarbre ArbreChoixExercice;
    Tarbre ArbreChoixImagiciel;
    Tcontrole ScrollBoiteCours;
    TlecteurSon MediaPlayerErreur;
    TimageFenetre ImageFausse;
    TimageFenetre ImageIncorrecte;
    TimageFenetre ImageSolution;
    TimageFenetre ImageExacte;
    TimageFenetre fondAccueil;
    TimageFenetre AproposActif;
    TimageFenetre AproposNonActif;
    TimageFenetre EntreeActif;
    TimageFenetre EntreeNonActif;
    TimageFenetre QuitterActif;
    TimageFenetre QuitterNonActif;
    TimageFenetre ImageCalculatrice;

    // Les boîtes à peindre des huit zones d'affichage.
    TboitePeinture zoneFigureEnonce;
    TboitePeinture ZoneFigureSolution;
    TboitePeinture zoneTexteEnonce;
    TboitePeinture ZoneTexteSolution;
    TboitePeinture ZoneTexteCours;
    TboitePeinture ZoneTexteImagiciel;
    TboitePeinture ZoneFigureImagiciel;
    TboitePeinture ZoneFigureAccueil;

    // Fait désigner ces contrôles par l'enregistrement commun.
    void lier(TdonneesCommunes& d);

    // Crée les huit zones de l'enregistrement, chacune liée à sa boîte à peindre.
    void creerZones(TdonneesCommunes& d);
};
