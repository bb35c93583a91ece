#pragma once

// État du classeur à onglets de la fenêtre (PageControle) : la feuille active.

#include "core/controles/controle.h"
#include "core/controles/onglet.h"

struct Tclasseur : Tcontrole {
    Onglet pageActive = Onglet::Sommaire;
};
