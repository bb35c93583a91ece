// Point d'entrée de calvane : le seul générateur de nombres au hasard est amorcé une fois sur
// l'horloge, les boîtes standard de Qt parlent français (« Oui », « Non ») si la traduction
// est installée, l'enregistrement commun est créé, puis la fenêtre principale et la boucle
// des messages.

#include "analysis/nombres/hasard.h"
#include "content/imagiciels/imagiciels.h"
#include "content/cours/pagescours.h"
#include "content/index/ouvririnfo.h"
#include "core/clelien.h"
#include "core/donneescommunes.h"
#include "display/texte/textemarque.h"
#include "exercises/inscriptionchapitres.h"
#include "ui/fenetreprincipale.h"
#include "ui/traductionqt.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    nombres::initialiserHasard();
    installerTraductionQt();
    installerResolveurCles(&identifiantDeCle);
    inscrireChapitres();
    inscrireImagiciels();
    inscrireCours();
    inscrireIndex();
    auto donnees = std::make_unique<TdonneesCommunes>();
    TFenetrePrincipale fenetre(*donnees);
    fenetre.show();
    return QApplication::exec();
}
