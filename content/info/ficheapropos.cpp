// « À propos » : ce qu'est ce logiciel, ce qu'il contient, qui l'a écrit, sous quelle
// licence il est distribué et sur quelles bibliothèques il repose.

#include "content/info/dessininfo.h"
#include "display/texte/canevas.h"

namespace {

constexpr Tcouleur orangeAPropos = 0xFFBD35;

#ifndef CALVANE_VERSION
#define CALVANE_VERSION "0.1"
#endif

constexpr TligneInfo lignes[] = {
    {3, 4,
     "$n  $gcalvane 3$0e$1$N, version " CALVANE_VERSION
     "\u00A0: les mathématiques de la classe de 3$0e$1."},
    {4, 4, "$n  Il réunit 460 exercices en 14 chapitres, 113 pages de cours"},
    {5, 4, "$n  (les savoirs et les savoir$-faire), 21 imagiciels et un index."},
    {6.5, 4, "$n  Énoncés, corrections, figures, aides et dessins\u00A0:"},
    {7.5, 4, "$n  tout est écrit par le projet calvane lui$-même."},
    {8.5, 4, "$n  Les réponses sont lues et jugées par le programme,"},
    {9.5, 4, "$n  qui n'écrit rien sur le disque et n'utilise pas le réseau."},
    {11, 4, "$n  $gLicence$N\u00A0: logiciel libre, GNU GPL version 3 ou ultérieure."},
    {12, 4, "$n  $gBibliothèques$N\u00A0: Qt 6 (QtWidgets, QtGui, QtMultimedia),"},
    {13, 4, "$n  libjpeg$-turbo pour les images des pages de cours,"},
    {14, 4, "$n  les polices Liberation pour les textes."},
    {15.5, 4, "$n  Bon travail et bonne préparation du brevet\u00A0!"},
};

} // namespace

void dessinerAPropos(Tcanevas& canevas) {
    boiteOmbree(canevas, 29, 32, 453, 333, orangeAPropos);
    canevas.remplir(29, 23, 118, 44, orangeAPropos);
    ecrireInfo(canevas, "$g$H$bÀ propos", 1.81, 4);
    ecrireLignes(canevas, lignes);
}
