#pragma once

// État du classeur à onglets de la fenêtre (PageControle) : la feuille active.

#include "controle.h"
#include "onglet.h"

struct Tclasseur : Tcontrole {
    Onglet pageActive = Onglet::Sommaire;
};
