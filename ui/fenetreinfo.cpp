#include "ui/fenetreinfo.h"

#include "content/info/dessininfo.h"
#include "core/donneescommunes.h"
#include "display/texte/canevas.h"

#include <QEvent>
#include <QPainter>

TInfoObj::TInfoObj(const TdonneesCommunes& d, std::function<void()> demanderFermeture)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), d_(d),
      demanderFermeture_(std::move(demanderFermeture)) {
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    setWindowTitle(QStringLiteral("Info"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(0xE0FFE0));
    setPalette(palette);
    setAutoFillBackground(true);
}

void TInfoObj::montrer(int identifiant, int x, int y, const QRect& rectangleBureau,
                       const TplaceInfo& place) {
    identifiantInfo = identifiant;
    pointX = x;
    pointY = y;
    bureau = rectangleBureau;
    placeADroite = place.placeADroite;
    placeAGauche = place.placeAGauche;
    placeEnBas = place.placeEnBas;
    placeEnHaut = place.placeEnHaut;
    setFixedSize(d_.largeurInfo, d_.hauteurInfo);
    move(place.gauche, place.haut);
    show();
    raise();
    activateWindow();
    update();
}

void TInfoObj::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    Tcanevas canevas(peintre);
    dessinerInfo(canevas, d_, identifiantInfo, width(), height());
    dessinerBordInfo(canevas, width(), height());
}

void TInfoObj::mousePressEvent(QMouseEvent*) {
    demanderFermeture_();
}

bool TInfoObj::event(QEvent* evenement) {
    if (evenement->type() == QEvent::WindowDeactivate && isVisible()) {
        demanderFermeture_();
    }
    return QWidget::event(evenement);
}
