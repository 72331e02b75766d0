#include "inserisci.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>

#include "accessibility.h"
#include "add_constraint_dialog.h"
#include "analysis_window.h"
#include "region_window.h"
#include "tree_window.h"
#include "window_placement.h"
#include "appearance.h"
#include "caption_frame.h"
#include "equation_row.h"
#include "exercise.h"
#include "explanation.h"
#include "grid_model.h"
#include "input_field.h"
#include "layout.h"
#include "lesson_document.h"
#include "lesson_file.h"
#include "range_checks.h"
#include "sense_button.h"
#include "setup.h"
#include "shape.h"
#include "tableau_view.h"

namespace simplesso {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// A QLineEdit lays out its empty text in the application's font while it is being built, before
// it takes the font of its window. Lending it the window's font while the fields are built spares
// loading, at start, a face that the window never shows. Qt counts the font given back as set by
// the program, so message boxes keep the desktop's font of start-up if the desktop changes it.
class LentApplicationFont {
  public:
    explicit LentApplicationFont(const QFont& font) : saved_(QApplication::font()) {
        QApplication::setFont(font);
    }
    ~LentApplicationFont() { QApplication::setFont(saved_); }
    LentApplicationFont(const LentApplicationFont&) = delete;
    LentApplicationFont& operator=(const LentApplicationFont&) = delete;

  private:
    QFont saved_;
};

void SetTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace

Inserisci::Inserisci(MessagePresenter presenter, QWidget* parent)
    : QWidget(parent), presenter_(std::move(presenter)) {
    InstallAccessibleClasses();
    setObjectName("Inserisci");
    setWindowTitle("Metodo del simplesso, Simplesso didattico");
    setFont(SansSerif(8.25, true));
    CreateControls();
    CreateLessonControls();
    CreateCourseControls();
    CreateSizeControls();
    CreateFileControls();
    OrdineTab();
    Form_Load();
    Disponi();
    connect(TabellaPivot->Model(), &GridModel::sizeChanged, this, [this] { Disponi(); });
    objective_[0]->setFocus();
}

Inserisci::~Inserisci() = default;

void Inserisci::CreateControls() {
    const auto frame = [this](const char* name, const char* caption, const QColor& colour) {
        auto* box = new CaptionFrame(caption, this);
        box->setObjectName(name);
        box->setFocusPolicy(Qt::NoFocus);
        SetTextColour(box, QPalette::WindowText, colour);
        controlli_.push_back(box);
        return box;
    };
    Frame1 = frame("Frame1", "Funzione economica", kRed);
    Frame2 = frame("Frame2", "Vincoli", kRed);

    // The instructions above the fields are the same at every size.
    for (const layout::Patch& place : layout::EquationsOf(3, 3).patches) {
        if (place.decorative) {
            continue;
        }
        auto* label =
            new QLabel(place.caption, place.frame == layout::Frame::Objective ? Frame1 : Frame2);
        label->setObjectName(place.name);
        label->setGeometry(place.place);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);  // opaque, as the stacking relies on
        SetTextColour(label, QPalette::WindowText, kBlue);
    }
    CostruisciEquazioni();

    calcola = new QPushButton("Calcola il simplesso", this);
    calcola->setObjectName("calcola");
    controlli_.push_back(calcola);

    Frame3 = frame("Frame3", "Tabella del Pivot", kBlue);
    TabellaPivot = new TableauView(grid_, Frame3);
    TabellaPivot->setObjectName("TabellaPivot");
    TabellaPivot->setAccessibleName("Tabella del Pivot");

    cmdPassoS = new QPushButton("Passo successivo", Frame3);
    cmdPassoS->setObjectName("cmdPassoS");

    for (QPushButton* button : {calcola, cmdPassoS}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(calcola, &QPushButton::clicked, this, [this] { calcola_Click(); });
    connect(cmdPassoS, &QPushButton::clicked, this, [this] { cmdPassoS_Click(); });
}

int Inserisci::Variabili() const {
    return spnVariabili ? spnVariabili->value() : 3;
}

int Inserisci::Vincoli() const {
    return spnVincoli ? spnVincoli->value() : 3;
}

void Inserisci::CostruisciEquazioni() {
    const int n = Variabili(), m = Vincoli();
    const layout::Equations equations = layout::EquationsOf(n, m);
    const QWidget* focus = QApplication::focusWidget();
    const bool typing = focus && (Frame1->isAncestorOf(focus) || Frame2->isAncestorOf(focus));
    const QString focusName = typing ? focus->objectName() : QString();

    for (EquationRow* row : righe_) {
        delete row;  // with its fields and sense
    }
    righe_.clear();
    objective_.clear();
    constraints_.assign(static_cast<std::size_t>(m), {});
    versi_.clear();
    const auto frameOf = [this](layout::Frame f) {
        return f == layout::Frame::Objective ? Frame1 : Frame2;
    };
    Frame1->ClearDecorations();
    Frame2->ClearDecorations();
    for (const layout::Patch& place : equations.patches) {
        if (place.decorative) {
            frameOf(place.frame)
                ->AddDecoration(place.caption, place.place, CaptionFont(place.face), kBlue,
                                place.stretch);
        }
    }

    const LentApplicationFont lent(font());
    for (int r = 0; r <= m; ++r) {
        // A row spans its fields and, for a constraint, its sense.
        QRect bounds = r > 0 ? equations.senses[static_cast<std::size_t>(r - 1)] : QRect();
        for (int v = 0; v <= n; ++v) {
            bounds |= equations.Field(r, v).place;
        }
        CaptionFrame* frame = frameOf(equations.Field(r, 0).frame);
        auto* row = r == 0 ? new EquationRow(EquationRow::Kind::Objective, "Funzione economica",
                                             bounds, frame)
                           : new EquationRow(EquationRow::Kind::Constraint,
                                             QStringLiteral("Vincolo %1").arg(r), bounds, frame);
        righe_.push_back(row);
        if (r > 0) {
            auto* sense = new SenseButton(r, CaptionFont(layout::Face::LessThan), kBlue, row);
            sense->SetValue(sensi_[r]);
            connect(sense, &SenseButton::senseChanged, this,
                    [this, r](Sense value) { sensi_[r] = value; });
            row->AddSense(sense, equations.senses[static_cast<std::size_t>(r - 1)]);
            versi_.push_back(sense);
        }
        for (int v = 0; v <= n; ++v) {
            const layout::FieldPlace& place = equations.Field(r, v);
            auto* field = new InputField(row);
            field->setObjectName(place.name);
            field->setAccessibleName(place.accessibleName);
            SetTextColour(field, QPalette::Text, kBlue);
            field->setText(scritti_[place.name]);
            connect(field, &QLineEdit::textChanged, this,
                    [this, name = place.name](const QString& text) { scritti_[name] = text; });
            row->AddField(field, place.place);
            (r == 0 ? objective_ : constraints_[static_cast<std::size_t>(r - 1)]).push_back(field);
        }
        row->show();
    }
    if (typing) {
        auto* again = findChild<QLineEdit*>(focusName);
        (again ? again : objective_.front())->setFocus(Qt::OtherFocusReason);
    }
}

void Inserisci::CambiaDimensioni() {
    if (nomi_.size() != static_cast<std::size_t>(Variabili())) {
        nomi_.clear();  // the names were of another problem's variables
    }
    CostruisciEquazioni();
    OrdineTab();
    // Before any lesson the empty grid takes the size of the first tableau of this problem; a
    // tableau shown stays until the next "Calcola il simplesso".
    if (!lesson_.Started()) {
        grid_.SetSize(TableauRows{Vincoli()}.GridRows(),
                      TableauRows::kFirstVariableColumn + Variabili() + Vincoli() + 1);
    }
    Disponi();
    MostraLezione();
}

void Inserisci::Disponi() {
    const layout::WindowPlan plan =
        layout::PlanOf(Variabili(), Vincoli(), grid_.Rows(), grid_.Cols());
    const std::pair<QWidget*, QRect> places[] = {
        {Frame1, plan.objectiveFrame},
        {Frame2, plan.constraintsFrame},
        {calcola, plan.calcola},
        {Frame3, plan.tableauFrame},
        {TabellaPivot, plan.tableau},
        {cmdPassoS, plan.passoSuccessivo},
        {cmdPassoP, plan.passoPrecedente},
        {chkFrazioni, plan.frazioni},
        {chkEsercitati, plan.esercitati},
        {cmdSalva, plan.salva},
        {lblSpiegazione, plan.spiegazione},
        {chkMinimizza, plan.minimizza},
        {cmdRegione, plan.regione},
        {cmdAnalisi, plan.analisi},
        {lblVariabili, plan.variabiliLabel},
        {spnVariabili, plan.variabili},
        {lblVincoli, plan.vincoliLabel},
        {spnVincoli, plan.vincoli},
        {cmdApri, plan.apriEsercizio},
        {cmdSalvaEsercizio, plan.salvaEsercizio},
        {chkDuale, plan.duale},
        {chkIntere, plan.intere},
        {cmdAggiungi, plan.aggiungiVincolo},
        {cmdTaglio, plan.taglio},
        {cmdBranch, plan.branch}};
    for (const auto& [widget, place] : places) {
        widget->setGeometry(place);
    }
    TabellaPivot->Model()->SetExtraWidth(plan.tableauExtraWidth);
    AdattaSchermo(plan.size);
}

void Inserisci::AdattaSchermo(QSize needed) {
    const QRect available = screen()->availableGeometry();
    // The window manager's frame, once it is known.
    const QRect outer = frameGeometry(), inner = geometry();
    const QMargins frame = isVisible() ? QMargins(inner.left() - outer.left(),
                                                  inner.top() - outer.top(),
                                                  outer.right() - inner.right(),
                                                  outer.bottom() - inner.bottom())
                                       : QMargins();
    const QSize room = available.size().shrunkBy(frame);
    const bool wide = needed.width() > room.width(), tall = needed.height() > room.height();
    if ((wide || tall) != (scorrimento_ != nullptr)) {
        Riponi(wide || tall);
    }
    QSize size = needed;
    if (scorrimento_) {
        pagina_->setFixedSize(needed);
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        size = QSize(needed.width() + (tall ? bar : 0), needed.height() + (wide ? bar : 0))
                   .boundedTo(room);
        scorrimento_->setGeometry(0, 0, size.width(), size.height());
    }
    setFixedSize(size);
    // A window grown past the screen's edge comes back onto it.
    if (isVisible()) {
        QRect placed(outer.topLeft(), size.grownBy(frame));
        placed.moveRight(std::min(placed.right(), available.right()));
        placed.moveLeft(std::max(placed.left(), available.left()));
        placed.moveBottom(std::min(placed.bottom(), available.bottom()));
        placed.moveTop(std::max(placed.top(), available.top()));
        if (placed.topLeft() != outer.topLeft()) {
            move(placed.topLeft());
        }
    }
}

void Inserisci::Riponi(bool scrolling) {
    QWidget* focus = QApplication::focusWidget();
    QWidget* host = this;
    if (scrolling) {
        scorrimento_ = new QScrollArea(this);
        scorrimento_->setObjectName("scorrimento");
        scorrimento_->setFrameShape(QFrame::NoFrame);
        scorrimento_->setFocusPolicy(Qt::NoFocus);
        pagina_ = new QWidget;
        pagina_->setObjectName("pagina");
        host = pagina_;
    }
    for (QWidget* control : controlli_) {
        control->setParent(host);
        control->show();
    }
    if (scrolling) {
        scorrimento_->setWidget(pagina_);
        scorrimento_->show();
    } else {
        delete scorrimento_;
        scorrimento_ = nullptr;
        pagina_ = nullptr;
    }
    OrdineTab();
    if (focus) {
        focus->setFocus(Qt::OtherFocusReason);
    }
}

// The fields row by row, the button and the grid as always, then the controls that came later,
// each after the ones before it.
void Inserisci::OrdineTab() {
    std::vector<QWidget*> order;
    for (QLineEdit* field : objective_) {
        order.push_back(field);
    }
    for (const RowFields& row : constraints_) {
        order.insert(order.end(), row.begin(), row.end());
    }
    order.insert(order.end(), {calcola, TabellaPivot, cmdPassoS, cmdPassoP, chkFrazioni,
                               chkEsercitati, cmdSalva});
    order.insert(order.end(), versi_.begin(), versi_.end());
    order.insert(order.end(), {chkMinimizza, cmdRegione, cmdAnalisi, spnVariabili, spnVincoli,
                               cmdApri, cmdSalvaEsercizio, chkDuale, cmdAggiungi, chkIntere,
                               cmdTaglio, cmdBranch});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

// The lesson's controls, after the ones every lesson has had.
void Inserisci::CreateLessonControls() {
    const auto button = [this](const char* name, const QString& caption, QWidget* parent) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(name);
        b->setAutoDefault(false);
        if (parent == this) {
            controlli_.push_back(b);
        }
        return b;
    };
    const auto check = [this](const char* name, const QString& caption) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(name);
        box->setAccessibleName(caption);
        controlli_.push_back(box);
        return box;
    };
    cmdPassoP = button("cmdPassoP", "Passo precedente", Frame3);
    chkFrazioni = check("chkFrazioni", "Frazioni");
    chkEsercitati = check("chkEsercitati", "Esercitati");
    cmdSalva = button("cmdSalva", "Salva la lezione…", this);

    lblSpiegazione = new QLabel(this);
    lblSpiegazione->setObjectName("lblSpiegazione");
    lblSpiegazione->setAccessibleName("Spiegazione");
    lblSpiegazione->setWordWrap(true);
    lblSpiegazione->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSpiegazione->setFont(SansSerif(8.25, false));
    SetTextColour(lblSpiegazione, QPalette::WindowText, kBlue);
    controlli_.push_back(lblSpiegazione);

    connect(cmdPassoP, &QPushButton::clicked, this, [this] { cmdPassoP_Click(); });
    connect(cmdSalva, &QPushButton::clicked, this, [this] { cmdSalva_Click(); });
    connect(TabellaPivot, &TableauView::saveRequested, this, [this] { cmdSalva_Click(); });
    connect(chkFrazioni, &QCheckBox::toggled, this, [this](bool fractions) {
        MostraLezione();
        if (albero_) {
            albero_->SetFractions(fractions);
        }
    });
    connect(chkEsercitati, &QCheckBox::toggled, this,
            [this](bool on) { lesson_.SetPractising(on); });
    connect(TabellaPivot, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& cell) { lesson_.Choose(cell.row(), cell.column()); });
}

// A button of the window's own, named for a screen reader by its caption.
QPushButton* Inserisci::Pulsante(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAccessibleName(caption);
    b->setAutoDefault(false);
    controlli_.push_back(b);
    return b;
}

// The direction of the objective and the windows that follow the lesson, after the lesson's
// controls.
void Inserisci::CreateCourseControls() {
    chkMinimizza = new QCheckBox("Minimizza", this);
    chkMinimizza->setObjectName("chkMinimizza");
    chkMinimizza->setAccessibleName("Minimizza");
    controlli_.push_back(chkMinimizza);
    cmdRegione = Pulsante("cmdRegione", TableauView::kRegionCaption);
    cmdAnalisi = Pulsante("cmdAnalisi", TableauView::kAnalysisCaption);
    connect(cmdRegione, &QPushButton::clicked, this, [this] { cmdRegione_Click(); });
    connect(cmdAnalisi, &QPushButton::clicked, this, [this] { cmdAnalisi_Click(); });
    connect(TabellaPivot, &TableauView::regionRequested, this, [this] { cmdRegione_Click(); });
    connect(TabellaPivot, &TableauView::analysisRequested, this, [this] { cmdAnalisi_Click(); });
}

// The problem's size, last in the tab order: each change shows the equations of the new size at
// once.
void Inserisci::CreateSizeControls() {
    const auto size = [this](const char* name, const char* labelName, const QString& caption,
                             int lowest, int highest, QLabel*& label) {
        label = new QLabel(caption, this);
        label->setObjectName(labelName);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        controlli_.push_back(label);
        auto* box = new QSpinBox(this);
        box->setObjectName(name);
        box->setAccessibleName(caption);
        box->setRange(lowest, highest);
        box->setValue(3);
        label->setBuddy(box);
        controlli_.push_back(box);
        connect(box, &QSpinBox::valueChanged, this, [this] { CambiaDimensioni(); });
        return box;
    };
    spnVariabili = size("spnVariabili", "lblVariabili", "Numero di variabili", kMinVariables,
                        kMaxVariables, lblVariabili);
    spnVincoli = size("spnVincoli", "lblVincoli", "Numero di vincoli", kMinRows, kMaxRows,
                      lblVincoli);
}

// Opening and saving an exercise, then the dual simplex and a constraint added after an
// optimum, last in the tab order.
void Inserisci::CreateFileControls() {
    cmdApri = Pulsante("cmdApri", "Apri esercizio…");
    cmdSalvaEsercizio = Pulsante("cmdSalvaEsercizio", "Salva esercizio…");
    connect(cmdApri, &QPushButton::clicked, this, [this] { cmdApri_Click(); });
    connect(cmdSalvaEsercizio, &QPushButton::clicked, this, [this] { cmdSalvaEsercizio_Click(); });
    chkDuale = new QCheckBox("Simplesso duale", this);
    chkDuale->setObjectName("chkDuale");
    chkDuale->setAccessibleName("Simplesso duale");
    controlli_.push_back(chkDuale);
    cmdAggiungi = Pulsante("cmdAggiungi", "Aggiungi vincolo");
    connect(cmdAggiungi, &QPushButton::clicked, this, [this] { cmdAggiungi_Click(); });
    chkIntere = new QCheckBox("Variabili intere", this);
    chkIntere->setObjectName("chkIntere");
    chkIntere->setAccessibleName("Variabili intere");
    controlli_.push_back(chkIntere);
    // In the tableau's frame, as the presses are.
    cmdTaglio = new QPushButton("Taglio di Gomory", Frame3);
    cmdTaglio->setObjectName("cmdTaglio");
    cmdTaglio->setAccessibleName("Taglio di Gomory");
    cmdTaglio->setAutoDefault(false);
    connect(cmdTaglio, &QPushButton::clicked, this, [this] { cmdTaglio_Click(); });
    cmdBranch = new QPushButton("Branch and bound", Frame3);
    cmdBranch->setObjectName("cmdBranch");
    cmdBranch->setAccessibleName("Branch and bound");
    cmdBranch->setAutoDefault(false);
    connect(cmdBranch, &QPushButton::clicked, this, [this] { cmdBranch_Click(); });
}

void Inserisci::MostraLezione() {
    // Before a lesson, the line says what an exercise opened called its variables.
    const QString explanation = QString::fromStdString(
        lesson_.Started() ? lesson_.Explanation() : ExplainNames(nomi_));
    lblSpiegazione->setText(explanation);
    lblSpiegazione->setAccessibleDescription(explanation);
    lblSpiegazione->setToolTip(QString::fromStdString(lesson_.QuotientsText()));

    const bool fractions = lesson_.FractionsAvailable();
    if (!fractions) {
        chkFrazioni->setChecked(false);
    }
    chkFrazioni->setEnabled(fractions);
    chkFrazioni->setToolTip(QString::fromStdString(lesson_.FractionsUnavailableReason()));
    if (chkFrazioni->isChecked()) {
        TabellaPivot->Model()->SetOverlay(
            [this](int row, int col) { return lesson_.Fraction(row, col); });
    } else {
        TabellaPivot->Model()->SetOverlay({});
    }
    cmdPassoP->setEnabled(lesson_.CanGoBack());
    cmdSalva->setEnabled(lesson_.Started());
    if (cmdRegione) {
        const bool analysis = lesson_.PostOptimal().has_value();
        const bool region = RegioneDisegnabile();
        cmdRegione->setEnabled(lesson_.Started() && region);
        cmdRegione->setToolTip(region ? QString() : kRegioneTroppeVariabili);
        cmdAnalisi->setEnabled(analysis);
        cmdAnalisi->setToolTip(QString::fromStdString(lesson_.AnalysisUnavailableReason()));
        TabellaPivot->SetOffered(lesson_.Started() && region, analysis);
        MostraFinestre();
    }
    if (cmdAggiungi) {
        cmdAggiungi->setEnabled(lesson_.CanAddConstraint());
        cmdTaglio->setEnabled(lesson_.CanCut());
        cmdTaglio->setToolTip(QString::fromStdString(lesson_.CutUnavailableReason()));
        cmdBranch->setEnabled(lesson_.CanBranch());
    }
}

bool Inserisci::RegioneDisegnabile() const {
    const int variables = lesson_.Started() ? lesson_.Problem().Variables() : Variabili();
    return variables <= 3;
}

void Inserisci::MostraFinestre() {
    for (QWidget* window : {static_cast<QWidget*>(regione_), static_cast<QWidget*>(analisi_)}) {
        if (window && window->isVisible()) {
            Riempi(window);
        }
    }
}

// Shows the lesson's present state in a window that follows it.
void Inserisci::Riempi(QWidget* window) {
    if (window == albero_) {
        return;  // the tree is shown as it was asked for
    }
    if (window == regione_) {
        if (!RegioneDisegnabile()) {
            regione_->Clear(kRegioneTroppeVariabili);
        } else if (lesson_.Started()) {
            regione_->ShowLesson(lesson_.ExactProblemTyped(), lesson_.Path(),
                                 lesson_.PathApproximate());
        } else {
            regione_->Clear("La regione si vede dopo \"Calcola il simplesso\".");
        }
    } else if (const auto analysis = lesson_.PostOptimal()) {
        analisi_->ShowAnalysis(*analysis);
    } else {
        analisi_->Clear(QString::fromStdString(lesson_.AnalysisUnavailableReason()));
    }
}

// The region opens at the right of this window, the analysis where the region leaves room,
// each wholly on this window's screen and filled before it is placed, so that its size is known;
// reopened, each stays where the user left it.
void Inserisci::OpenBeside(QWidget* window, bool& placed) {
    if (!placed) {
        // A window of its own, in the desktop's font rather than this window's bold one.
        window->setFont(QApplication::font());
        Riempi(window);
        window->adjustSize();
        std::vector<const QWidget*> others;
        for (QWidget* open : {static_cast<QWidget*>(regione_), static_cast<QWidget*>(analisi_),
                              static_cast<QWidget*>(albero_)}) {
            if (open && open != window) {
                others.push_back(open);
            }
        }
        OpenBesideMain(window, this, {Side::Right, Side::Left, Side::Below, Side::Above}, others);
        placed = true;
    }
    window->show();
    window->raise();
    window->activateWindow();
    Riempi(window);
}

void Inserisci::cmdRegione_Click() {
    if (!lesson_.Started() || !RegioneDisegnabile()) {
        return;
    }
    if (!regione_) {
        regione_ = new RegionWindow(this);
    }
    OpenBeside(regione_, regionePlaced_);
}

void Inserisci::cmdAnalisi_Click() {
    if (!lesson_.PostOptimal()) {
        return;
    }
    if (!analisi_) {
        analisi_ = new AnalysisWindow(this);
    }
    OpenBeside(analisi_, analisiPlaced_);
}

void Inserisci::Form_Load() {
    grid_.SetColWidth(0, 700);
    grid_.SetColWidth(1, 1200);
    cmdPassoS->setEnabled(false);
    state_.RigaPivot = 8;
    state_.ColonnaPivot = 8;
    MostraLezione();
}

void Inserisci::calcola_Click() {
    const FormState before = state_;
    if (!CampiControllati()) {
        return;
    }
    // A problem the dual simplex cannot start from is said, and nothing else changes.
    if (chkDuale->isChecked()) {
        if (const auto refusal = RefuseDual(Scritto(), Separator())) {
            state_ = before;
            ShowMessage(refusal->message);
            if (refusal->row) {
                versi_[static_cast<std::size_t>(*refusal->row)]->setFocus(Qt::OtherFocusReason);
            }
            return;
        }
    }
    state_.PrimoPasso = true;
    ImpostaTabella();
    MostraLezione();
}

bool Inserisci::CampiControllati() {
    state_.CampiValidi = false;
    ControllaFunzioneEconomica();
    if (!state_.CampiValidi) {
        return false;
    }
    for (const RowFields& row : constraints_) {
        state_.CampiValidi = false;
        ControllaVincoli(row);
        if (!state_.CampiValidi) {
            return false;
        }
    }
    if (!ControllaIntervallo()) {
        state_.CampiValidi = false;
        return false;
    }
    return true;
}

void Inserisci::cmdPassoS_Click() {
    Simplesso();
    MostraLezione();
}

void Inserisci::cmdPassoP_Click() {
    const auto typed = [this] { return lesson_.Problem().Rows() - lesson_.Problem().cuts; };
    const int rows = typed();
    lesson_.GoBack();
    if (typed() < rows) {
        MostraProblema(lesson_.Problem());  // back across an added constraint
    }
    MostraLezione();
}

// The row is checked in the dialog; the lesson goes on with it, and the equations show the
// problem it now solves.
void Inserisci::cmdAggiungi_Click() {
    if (!lesson_.CanAddConstraint()) {
        return;
    }
    AddConstraintDialog dialog(lesson_.Problem().Variables(), Separator(), presenter_, this);
    if (!vincoli_(dialog)) {
        return;
    }
    const NewConstraint row = dialog.Constraint();
    if (lesson_.AddConstraint(row.coefficients, row.sense, row.known)) {
        MostraProblema(lesson_.Problem());
        nomi_ = lesson_.Problem().names;
    }
    MostraLezione();
}

// The tree of the lesson's problem as it stands, in a window of its own beside this one.
void Inserisci::cmdBranch_Click() {
    auto tree = lesson_.BranchTree();
    if (!tree) {
        return;
    }
    if (!albero_) {
        albero_ = new TreeWindow(this);
    }
    albero_->ShowTree(std::move(*tree), ReadExactProblem(lesson_.Problem(), Separator()),
                      chkFrazioni->isChecked(), Separator());
    OpenBeside(albero_, alberoPlaced_);
}

void Inserisci::cmdTaglio_Click() {
    for (const Message& message : lesson_.AddGomoryCut()) {
        ShowMessage(message);
    }
    MostraLezione();
}

bool Inserisci::AskConstraint(AddConstraintDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

void Inserisci::cmdSalva_Click() {
    if (!lesson_.Started()) {
        return;
    }
    const QString path = chooser_(this);
    if (path.isEmpty()) {
        return;
    }
    if (const auto failure = SaveLesson(path, lesson_.Document())) {
        ShowMessage({"Attenzione!", failure->toStdString(), MessageIcon::Warning});
    }
}

void Inserisci::cmdApri_Click() {
    const QString path = esercizi_(this, false);
    if (!path.isEmpty()) {
        ApriEsercizio(path);
    }
}

bool Inserisci::ApriEsercizio(const QString& path) {
    const auto opened = OpenExercise(QFile::encodeName(path).toStdString(), Separator());
    if (const auto* reason = std::get_if<std::string>(&opened)) {
        ShowMessage({"Attenzione!", *reason, MessageIcon::Warning});
        return false;
    }
    MostraProblema(std::get<Exercise>(opened).problem);
    nomi_ = std::get<Exercise>(opened).names;
    MostraLezione();
    return true;
}

void Inserisci::MostraProblema(const ProblemTexts& shown) {
    // The equations show the rows typed, never the lesson's cuts.
    ProblemTexts problem = shown;
    const auto typed = static_cast<std::size_t>(shown.Rows() - shown.cuts);
    problem.constraint.resize(typed);
    problem.known.resize(typed);
    problem.sense.resize(typed);
    spnVariabili->setValue(problem.Variables());
    spnVincoli->setValue(problem.Rows());
    const int n = problem.Variables();
    for (int v = 0; v < n; ++v) {
        objective_[v]->setText(QString::fromStdString(problem.objective[v]));
    }
    objective_.back()->setText(QString::fromStdString(problem.objectiveKnown));
    for (int r = 0; r < problem.Rows(); ++r) {
        for (int v = 0; v < n; ++v) {
            constraints_[r][v]->setText(QString::fromStdString(problem.constraint[r][v]));
        }
        constraints_[r].back()->setText(QString::fromStdString(problem.known[r]));
        versi_[r]->SetValue(problem.sense[r]);
        sensi_[r + 1] = problem.sense[r];
    }
    chkMinimizza->setChecked(problem.direction == Direction::Minimise);
    chkIntere->setChecked(problem.integer);
}

// Saved as typed, once every field has passed the checks that "Calcola il simplesso" makes.
void Inserisci::cmdSalvaEsercizio_Click() {
    if (!CampiControllati()) {
        return;
    }
    QString path = esercizi_(this, true);
    if (path.isEmpty()) {
        return;
    }
    if (const auto failure =
            SaveExercise(QFile::encodeName(path).toStdString(), Scritto(), Separator())) {
        ShowMessage({"Attenzione!", *failure, MessageIcon::Warning});
    }
}

QString Inserisci::ChooseExerciseFile(QWidget* parent, bool saving) {
    const QString filter = QStringLiteral("Esercizi LP (*.lp);;Tutti i file (*)");
    if (!saving) {
        return QFileDialog::getOpenFileName(parent, "Apri esercizio", QString(), filter);
    }
    QString path =
        QFileDialog::getSaveFileName(parent, "Salva esercizio", "esercizio.lp", filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        path += ".lp";
    }
    return path;
}

QString Inserisci::ChooseLessonFile(QWidget* parent) {
    const QString pdf = QStringLiteral("PDF (*.pdf)");
    const QString tex = QStringLiteral("LaTeX (*.tex)");
    QString filter = pdf;
    QString path = QFileDialog::getSaveFileName(parent, "Salva la lezione", "lezione.pdf",
                                                pdf + ";;" + tex, &filter);
    const QString suffix = filter == tex ? ".tex" : ".pdf";
    if (!path.isEmpty() && !path.endsWith(".pdf", Qt::CaseInsensitive) &&
        !path.endsWith(".tex", Qt::CaseInsensitive)) {
        path += suffix;
    }
    return path;
}

ProblemTexts Inserisci::Scritto() const {
    const int n = static_cast<int>(objective_.size()) - 1;
    const int m = static_cast<int>(constraints_.size());
    ProblemTexts typed(n, m);
    for (int v = 0; v < n; ++v) {
        typed.objective[v] = objective_[v]->text().toStdString();
    }
    typed.objectiveKnown = objective_.back()->text().toStdString();
    for (int r = 0; r < m; ++r) {
        for (int v = 0; v < n; ++v) {
            typed.constraint[r][v] = constraints_[r][v]->text().toStdString();
        }
        typed.known[r] = constraints_[r].back()->text().toStdString();
        typed.sense[r] = versi_[r]->Value();
    }
    typed.direction = chkMinimizza->isChecked() ? Direction::Minimise : Direction::Maximise;
    typed.names = nomi_;
    typed.integer = chkIntere->isChecked();
    return typed;
}

void Inserisci::ImpostaTabella() {
    lesson_.SetUp(Scritto(), Separator(), chkDuale->isChecked());
    cmdPassoS->setEnabled(true);
}

void Inserisci::Simplesso() {
    for (const Message& message : lesson_.Press()) {
        ShowMessage(message);
    }
}

void Inserisci::ControllaFunzioneEconomica() {
    ControllaRiga(RowKind::Objective, objective_);
}

void Inserisci::ControllaVincoli(const RowFields& row) {
    ControllaRiga(RowKind::Constraint, row);
}

void Inserisci::ControllaRiga(RowKind kind, const RowFields& row) {
    const RowFault fault = CheckRow(Texts(row), Separator());
    if (fault == RowFault::None) {
        state_.CampiValidi = true;
        return;
    }
    ShowMessage(RowFaultMessage(kind, fault));
    const bool objective = kind == RowKind::Objective;
    if (fault == RowFault::Empty) {
        objective ? FunzioneEconomicaFocus() : VincoloFocus(row);
    } else {
        objective ? FunzioneEconomicaAzzera() : VincoloAzzera(row);
    }
}

// The tableau holds single-precision numbers: a value beyond their range could never be pivoted.
bool Inserisci::ControllaIntervallo() {
    // The objective's coefficients, then every constraint's fields: what enters the tableau.
    std::vector<QLineEdit*> fields(objective_.begin(), objective_.end() - 1);
    for (const RowFields& row : constraints_) {
        fields.insert(fields.end(), row.begin(), row.end());
    }
    std::vector<std::string> texts;
    for (QLineEdit* field : fields) {
        texts.push_back(field->text().toStdString());
    }
    const auto outside = FirstOutOfRangeField(texts, Separator());
    if (!outside) {
        return true;
    }
    ShowMessage(OutOfRangeMessage(Separator()));
    fields[static_cast<std::size_t>(*outside)]->setFocus(Qt::OtherFocusReason);
    return false;
}

void Inserisci::FunzioneEconomicaFocus() {
    VincoloFocus(objective_);
}

void Inserisci::VincoloFocus(const RowFields& row) {
    FocusField(row, FirstEmptyField(Texts(row)));
}

void Inserisci::FunzioneEconomicaAzzera() {
    VincoloAzzera(objective_);
}

void Inserisci::VincoloAzzera(const RowFields& row) {
    FocusField(row, FirstNonNumericField(Texts(row), Separator()));
}

RowTexts Inserisci::Texts(const RowFields& row) {
    RowTexts texts;
    for (QLineEdit* field : row) {
        texts.push_back(field->text().toStdString());
    }
    return texts;
}

void Inserisci::FocusField(const RowFields& row, std::optional<int> index) {
    if (index) {
        row[static_cast<std::size_t>(*index)]->setFocus(Qt::OtherFocusReason);
    }
}

// Numbers follow the decimal separator of the locale in force; anything but a comma reads as ".".
char Inserisci::Separator() const {
    return DecimalSeparator();
}

// A message of a press comes after the tableau and the explanation of that press are shown.
void Inserisci::ShowMessage(const Message& message) {
    MostraLezione();
    presenter_(this, message);
}

// A carriage return after a line feed would show as a blank at the start of the next line.
std::unique_ptr<QMessageBox> Inserisci::MessageBox(QWidget* parent, const Message& message) {
    QString text = QString::fromStdString(message.text);
    text.remove(QLatin1Char('\r'));
    return std::make_unique<QMessageBox>(
        message.icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
        QString::fromStdString(message.title), text, QMessageBox::Ok, parent);
}

void Inserisci::ShowMessageBox(QWidget* parent, const Message& message) {
    MessageBox(parent, message)->exec();
}

}  // namespace simplesso
