#include "region_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "appearance.h"
#include "region_painter.h"

namespace simplesso {

// The drawing itself: keeps the region, the view and the description in step.
class RegionCanvas : public QWidget {
  public:
    explicit RegionCanvas(QWidget* parent) : QWidget(parent) {
        setAccessibleName(QStringLiteral("Regione ammissibile"));
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(240, 260);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QSize sizeHint() const override { return {520, 580}; }

    void Show(std::optional<Region> region, bool approximate, const QString& why) {
        region_ = std::move(region);
        approximate_ = approximate;
        why_ = why;
        setAccessibleDescription(region_ ? QString::fromStdString(RegionDescription(*region_))
                                         : why_);
        update();
    }

    const ViewAngles& View() const { return view_; }
    void SetView(const ViewAngles& view) {
        if (!(view == view_)) {
            view_ = view;
            update();
        }
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (region_) {
            PaintRegion(painter, rect(), *region_, view_, approximate_);
        } else {
            painter.setFont(SansSerif(9, false));
            painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                             why_);
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        last_ = event->position();
        setFocus(Qt::MouseFocusReason);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton) || Plane()) {
            return;
        }
        const QPointF delta = event->position() - last_;
        last_ = event->position();
        SetView(Turned(view_, -delta.x() * 0.5, delta.y() * 0.5));
    }

    void wheelEvent(QWheelEvent* event) override {
        const int steps = event->angleDelta().y();
        if (steps != 0) {
            SetView(Zoomed(view_, steps > 0 ? 1.1 : 1 / 1.1));
        }
        event->accept();
    }

    void keyPressEvent(QKeyEvent* event) override {
        const bool plane = Plane();
        switch (event->key()) {
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Up:
            case Qt::Key_Down:
                if (!plane) {
                    const int key = event->key();
                    SetView(Turned(view_, key == Qt::Key_Left ? 5 : key == Qt::Key_Right ? -5 : 0,
                                   key == Qt::Key_Up ? 5 : key == Qt::Key_Down ? -5 : 0));
                }
                return;
            case Qt::Key_Plus:
            case Qt::Key_Equal:
                SetView(Zoomed(view_, 1.1));
                return;
            case Qt::Key_Minus:
                SetView(Zoomed(view_, 1 / 1.1));
                return;
            default:
                break;
        }
        if (event->text() == QString(QChar(0x2212))) {  // the typographic minus
            SetView(Zoomed(view_, 1 / 1.1));
            return;
        }
        QWidget::keyPressEvent(event);
    }

  private:
    bool Plane() const { return region_ && region_->plane; }

    std::optional<Region> region_;
    bool approximate_ = false;
    QString why_;
    ViewAngles view_;
    QPointF last_;
};

RegionWindow::RegionWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Regione ammissibile"));
    canvas_ = new RegionCanvas(this);
    reset_ = new QPushButton(QStringLiteral("Vista iniziale"), this);
    reset_->setToolTip(QStringLiteral("Riporta la figura all'orientamento e all'ingrandimento iniziali"));
    connect(reset_, &QPushButton::clicked, this, &RegionWindow::ResetView);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(reset_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(canvas_, 1);
    layout->addLayout(buttons);
    Clear(QStringLiteral("Nessun problema impostato."));
}

void RegionWindow::ShowLesson(std::optional<ExactProblem> problem, std::vector<Point> path,
                              bool approximate) {
    if (!problem) {
        Clear(QStringLiteral("I numeri del problema non si leggono esattamente: la regione non "
                             "si può disegnare."));
        return;
    }
    if (!RegionDrawable(*problem)) {
        Clear(QString::fromUtf8(kNotDrawable));
        return;
    }
    canvas_->Show(BuildRegion(*problem, path), approximate, {});
}

void RegionWindow::Clear(const QString& why) {
    canvas_->Show(std::nullopt, false, why);
}

QWidget* RegionWindow::Drawing() const {
    return canvas_;
}

const ViewAngles& RegionWindow::View() const {
    return canvas_->View();
}

void RegionWindow::ResetView() {
    canvas_->SetView(ViewAngles{});
}

}  // namespace simplesso
