// Point d'entrée de calvane : une fenêtre de 800 × 600 pixels.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("calvane"));
    fenetre.setFixedSize(800, 600);
    fenetre.show();
    return QApplication::exec();
}
