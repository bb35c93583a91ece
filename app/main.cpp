// Point d'entrée de calvane : le générateur de nombres au hasard est amorcé une fois sur
// l'horloge, l'enregistrement commun est créé, puis la fenêtre principale et la boucle des
// messages.

#include "clelien.h"
#include "donneescommunes.h"
#include "fenetreprincipale.h"
#include "inscriptionchapitres.h"
#include "textemarque.h"

#include <QApplication>

#include <cstdlib>
#include <ctime>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    installerResolveurCles(&identifiantDeCle);
    inscrireChapitres();
    auto donnees = std::make_unique<TdonneesCommunes>();
    TFenetrePrincipale fenetre(*donnees);
    fenetre.show();
    return QApplication::exec();
}
