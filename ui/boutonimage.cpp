#include "ui/boutonimage.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// Le raccourci qu'un élève attend pour chaque bouton ; les boutons d'une même touche sont
// sur des feuilles différentes, un seul est donc visible à la fois.
QKeySequence raccourci(Tpicto picto) {
    switch (picto) {
    case Tpicto::Accueil:
        return QKeySequence(Qt::Key_Escape);
    case Tpicto::Precedent:
    case Tpicto::Reculer:
        return QKeySequence(Qt::ALT | Qt::Key_Left);
    case Tpicto::Suivant:
    case Tpicto::Avancer:
        return QKeySequence(Qt::ALT | Qt::Key_Right);
    case Tpicto::Bilan:
        return QKeySequence(Qt::ALT | Qt::Key_B);
    case Tpicto::RevoirCours:
        return QKeySequence(Qt::ALT | Qt::Key_C);
    case Tpicto::PourSexercer:
        return QKeySequence(Qt::ALT | Qt::Key_X);
    case Tpicto::Retour:
    case Tpicto::Reessayer:
        return QKeySequence(Qt::ALT | Qt::Key_R);
    case Tpicto::Suite:
        return QKeySequence(Qt::ALT | Qt::Key_S);
    case Tpicto::Solution:
        return QKeySequence(Qt::ALT | Qt::Key_O);
    case Tpicto::Sommaire:
        return QKeySequence(Qt::ALT | Qt::Key_M);
    case Tpicto::Correction:
        return QKeySequence(Qt::ALT | Qt::Key_V);
    }
    return {};
}

} // namespace

TboutonImage::TboutonImage(Tpicto picto, QWidget* parent) : QAbstractButton(parent), picto_(picto) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    resize(taillePicto(picto));
    setShortcut(raccourci(picto));
}

bool TboutonImage::event(QEvent* evenement) {
    if (evenement->type() == QEvent::ToolTip && !toolTip().isEmpty()) {
        const auto* aide = static_cast<QHelpEvent*>(evenement);
        QToolTip::showText(aide->globalPos(),
                           toolTip() + QStringLiteral(" (") +
                               shortcut().toString(QKeySequence::NativeText) + QStringLiteral(")"),
                           this);
        return true;
    }
    return QAbstractButton::event(evenement);
}

QSize TboutonImage::sizeHint() const {
    return taillePicto(picto_);
}

void TboutonImage::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    dessinerPicto(peintre, picto_, QRectF(rect()), isEnabled(), underMouse() || isDown());
    if (hasFocus()) {
        peintre.setPen(QPen(Qt::black, 1, Qt::DotLine));
        peintre.setBrush(Qt::NoBrush);
        peintre.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void TboutonImage::keyPressEvent(QKeyEvent* evenement) {
    if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(evenement);
}
