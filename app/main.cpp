// Point d'entrée de calvane : le seul générateur de nombres au hasard est amorcé une fois sur
// l'horloge, l'enregistrement commun est créé, puis la fenêtre principale et la boucle des
// messages.

#include "clelien.h"
#include "donneescommunes.h"
#include "fenetreprincipale.h"
#include "hasard.h"
#include "inscriptionchapitres.h"
#include "textemarque.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    nombres::initialiserHasard();
    installerResolveurCles(&identifiantDeCle);
    inscrireChapitres();
    auto donnees = std::make_unique<TdonneesCommunes>();
    TFenetrePrincipale fenetre(*donnees);
    fenetre.show();
    return QApplication::exec();
}
