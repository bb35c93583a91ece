#pragma once

// Interface des effets qui sortent du programme : sons, bips, question Oui/Non, demandes de
// rafraîchissement, forme du pointeur de la souris, démarrage et arrêt des minuteries,
// position des boîtes à peindre des zones dans la fenêtre. Le
// noyau n'agit sur le monde que par elle ; ui/ en donne l'implémentation Qt, et
// TplateformeScriptee une implémentation qui enregistre les appels pour les tests et l'outil
// de banc.

#include "core/controles/rectangle.h"

#include <string>
#include <string_view>

struct TboitePeinture;
struct Tcontrole;
struct Tminuterie;
struct TzoneAffichage;

// Les deux bips de notification : « main » (réponse exacte) et « question » (réponse
// illisible ou mal écrite).
enum class Bip { Main, Question };

enum class FormeCurseur { Defaut, Main, Croix, RedimensionVertical };

class Tplateforme {
public:
    virtual ~Tplateforme() = default;

    // Ouvre le fichier son ; faux s'il est absent ou illisible.
    virtual bool ouvrirSon(const std::string& fichier) = 0;
    // Joue le fichier son ouvert auparavant.
    virtual void jouerSon(const std::string& fichier) = 0;
    virtual void bip(Bip genre) = 0;
    // Boîte Oui/Non avec l'icône de question ; vrai pour Oui.
    virtual bool demanderOuiNon(std::string_view titre, std::string_view question) = 0;
    virtual void redessinerZone(const TzoneAffichage* zone) = 0;
    virtual void redessinerControle(const Tcontrole* controle) = 0;
    virtual void changerCurseur(FormeCurseur forme) = 0;
    // Démarre ou arrête la minuterie ; l'implémentation tient son état « actif » à jour.
    virtual void demarrerMinuterie(Tminuterie& minuterie) = 0;
    virtual void arreterMinuterie(Tminuterie& minuterie) = 0;
    // Rectangle de la boîte à peindre dans son panneau, et son déplacement ; la taille et la
    // visibilité de la boîte elle-même restent dans TboitePeinture.
    virtual Trectangle rectangleBoite(const TboitePeinture& boite) = 0;
    virtual void placerBoite(const TboitePeinture& boite, const Trectangle& rectangle) = 0;
};
