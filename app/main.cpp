// Point d'entrée de calvane : une fenêtre de 800 × 600 pixels.

#include "clelien.h"
#include "fenetreexemple.h"
#include "textemarque.h"
#include "verificateurs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    installerResolveurCles(&identifiantDeCle);
    inscrireVerificateurs();
    FenetreExemple fenetre;
    fenetre.show();
    return QApplication::exec();
}
