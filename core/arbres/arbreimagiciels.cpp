#include "core/arbres/arbreimagiciels.h"

namespace {

// Indice absolu, profondeur, parent, libellé ; en ordre préfixe.
constexpr TnoeudArbre noeuds[] = {
    {0, 0, -1, "Illustrations des transformations"},
    {1, 1, 0, "Symétrie axiale"},
    {2, 1, 0, "Symétrie centrale"},
    {3, 1, 0, "Translation"},
    {4, 1, 0, "Rotation"},
    {5, 0, -1, "Autres illustrations"},
    {6, 1, 5, "Concours des médiatrices d'un triangle"},
    {7, 1, 5, "Concours des hauteurs d'un triangle"},
    {8, 1, 5, "Concours des médianes d'un triangle"},
    {9, 1, 5, "Concours des bissectrices d'un triangle"},
    {10, 1, 5, "Cosinus dans un quart de cercle de rayon 1"},
    {11, 1, 5, "Sinus dans un quart de cercle de rayon 1"},
    {12, 1, 5, "Tangente dans un quart de cercle de rayon 1"},
    {13, 1, 5, "Du patron au cône"},
    {14, 0, -1, "Constructions"},
    {15, 1, 14, "Triangle connaissant un côté et deux angles"},
    {16, 1, 14, "Triangle connaissant deux côtés et un angle"},
    {17, 1, 14, "Triangle connaissant les trois côtés"},
    {18, 1, 14, "Médiatrices et cercle circonscrit"},
    {19, 0, -1, "Constructions au compas"},
    {20, 1, 19, "Parallèle avec un losange"},
    {21, 1, 19, "Symétrique et perpendiculaire avec un losange"},
    {22, 1, 19, "Médiatrice et milieu"},
    {23, 1, 19, "Médiatrice avec un losange"},
    {24, 1, 19, "Bissectrice avec un losange"},
};

} // namespace

const TarbreContenu& arbreImagiciels() {
    static const TarbreContenu arbre{noeuds, 1500};
    return arbre;
}
