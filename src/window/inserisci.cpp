#include "inserisci.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "accessibility.h"
#include "analysis_window.h"
#include "region_window.h"
#include "window_placement.h"
#include "appearance.h"
#include "caption_frame.h"
#include "equation_row.h"
#include "grid_model.h"
#include "input_field.h"
#include "layout.h"
#include "lesson_document.h"
#include "lesson_file.h"
#include "range_checks.h"
#include "sense_button.h"
#include "tableau_view.h"

namespace simplesso {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QRect FieldRect(const layout::FieldSpec& place) {
    return layout::Rect(place.left, place.top, place.width, place.height);
}

// Where constraint r (1-3) has always shown its "<": its sense stands there now.
QRect SenseRect(int r) {
    int seen = 0;
    for (const layout::LabelSpec& place : layout::Labels()) {
        if (place.face == layout::Face::LessThan && ++seen == r) {
            return layout::Rect(place.left, place.top, place.width, place.height);
        }
    }
    return {};
}

// Row 0 is the objective, rows 1-3 the constraints; each holds four fields of layout::Fields(),
// and a constraint its sense.
EquationRow* Row(int r, QWidget* frame) {
    QRect bounds = r > 0 ? SenseRect(r) : QRect();
    for (int v = 0; v < 4; ++v) {
        bounds |= FieldRect(layout::Fields()[4 * r + v]);
    }
    if (r == 0) {
        return new EquationRow(EquationRow::Kind::Objective, "Funzione economica", bounds, frame);
    }
    return new EquationRow(EquationRow::Kind::Constraint, QStringLiteral("Vincolo %1").arg(r),
                           bounds, frame);
}

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
    setFixedSize(layout::Px(layout::kClientWidth), layout::Px(layout::kWindowHeight));
    setFont(SansSerif(8.25, true));
    CreateControls();
    CreateLessonControls();
    CreateCourseControls();
    Form_Load();
    objective_[0]->setFocus();
}

Inserisci::~Inserisci() = default;

void Inserisci::CreateControls() {
    const auto frame = [this](const char* name, const char* caption, const QColor& colour,
                              QRect rect) {
        auto* box = new CaptionFrame(caption, this);
        box->setObjectName(name);
        box->setGeometry(rect);
        box->setFocusPolicy(Qt::NoFocus);
        SetTextColour(box, QPalette::WindowText, colour);
        return box;
    };
    auto* objectiveFrame =
        frame("Frame1", "Funzione economica", kRed, layout::Rect(45, 0, 4965, 1065));
    auto* constraintsFrame = frame("Frame2", "Vincoli", kRed, layout::Rect(5040, 0, 4965, 1800));
    Frame1 = objectiveFrame;
    Frame2 = constraintsFrame;
    const auto frameOf = [&](layout::Frame f) {
        return f == layout::Frame::Objective ? objectiveFrame : constraintsFrame;
    };

    for (const layout::LabelSpec& place : layout::Labels()) {
        const QRect rect = layout::Rect(place.left, place.top, place.width, place.height);
        if (place.face == layout::Face::LessThan) {
            continue;  // the constraints' senses, which the rows hold
        }
        if (place.decorative) {
            frameOf(place.frame)
                ->AddDecoration(place.caption, rect, CaptionFont(place.face), kBlue);
            continue;
        }
        auto* label = new QLabel(place.caption, frameOf(place.frame));
        label->setObjectName(place.name);
        label->setGeometry(rect);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);  // opaque, as the stacking relies on
        SetTextColour(label, QPalette::WindowText, kBlue);
    }

    std::array<QLineEdit*, 16> fields{};
    const LentApplicationFont lent(font());
    for (int r = 0; r < 4; ++r) {
        EquationRow* row = Row(r, frameOf(layout::Fields()[4 * r].frame));
        if (r > 0) {
            versi_[r - 1] = new SenseButton(r, CaptionFont(layout::Face::LessThan), kBlue, row);
            row->AddSense(versi_[r - 1], SenseRect(r));
        }
        for (int v = 0; v < 4; ++v) {
            const layout::FieldSpec& place = layout::Fields()[4 * r + v];
            auto* field = new InputField(row);
            field->setObjectName(place.name);
            field->setAccessibleName(place.accessibleName);
            SetTextColour(field, QPalette::Text, kBlue);
            row->AddField(field, FieldRect(place));
            fields[4 * r + v] = field;
        }
    }
    for (int v = 0; v < 4; ++v) {
        objective_[v] = fields[v];
        for (int r = 0; r < 3; ++r) {
            constraints_[r][v] = fields[4 + 4 * r + v];
        }
    }

    calcola = new QPushButton("Calcola il simplesso", this);
    calcola->setObjectName("calcola");
    calcola->setGeometry(layout::Rect(3195, 1125, 1755, 615));

    Frame3 = frame("Frame3", "Tabella del Pivot", kBlue, layout::Rect(45, 1800, 9960, 3465));
    TabellaPivot = new TableauView(grid_, Frame3);
    TabellaPivot->setObjectName("TabellaPivot");
    TabellaPivot->setAccessibleName("Tabella del Pivot");
    TabellaPivot->setGeometry(layout::Rect(540, 360, 8850, 2595));

    cmdPassoS = new QPushButton("Passo successivo", Frame3);
    cmdPassoS->setObjectName("cmdPassoS");
    cmdPassoS->setGeometry(layout::Rect(7425, 3015, 1935, 330));

    for (QPushButton* button : {calcola, cmdPassoS}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(calcola, &QPushButton::clicked, this, [this] { calcola_Click(); });
    connect(cmdPassoS, &QPushButton::clicked, this, [this] { cmdPassoS_Click(); });

    QWidget* previous = fields[0];
    for (QWidget* next : {static_cast<QWidget*>(fields[1]), static_cast<QWidget*>(fields[2])}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (std::size_t i = 3; i < fields.size(); ++i) {
        setTabOrder(previous, fields[i]);
        previous = fields[i];
    }
    for (QWidget* next : {static_cast<QWidget*>(calcola), static_cast<QWidget*>(TabellaPivot),
                          static_cast<QWidget*>(cmdPassoS)}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

// The lesson's controls join the tab order after the ones every lesson has had.
void Inserisci::CreateLessonControls() {
    const auto button = [](const char* name, const QString& caption, QWidget* parent,
                           const QRect& place) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(name);
        b->setGeometry(place);
        b->setAutoDefault(false);
        return b;
    };
    const auto check = [this](const char* name, const QString& caption, const QRect& place) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(name);
        box->setAccessibleName(caption);
        box->setGeometry(place);
        return box;
    };
    cmdPassoP = button("cmdPassoP", "Passo precedente", Frame3, layout::kPassoPrecedente);
    chkFrazioni = check("chkFrazioni", "Frazioni", layout::kFrazioni);
    chkEsercitati = check("chkEsercitati", "Esercitati", layout::kEsercitati);
    cmdSalva = button("cmdSalva", "Salva la lezione…", this, layout::kSalva);

    lblSpiegazione = new QLabel(this);
    lblSpiegazione->setObjectName("lblSpiegazione");
    lblSpiegazione->setAccessibleName("Spiegazione");
    lblSpiegazione->setGeometry(layout::kSpiegazione);
    lblSpiegazione->setWordWrap(true);
    lblSpiegazione->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSpiegazione->setFont(SansSerif(8.25, false));
    SetTextColour(lblSpiegazione, QPalette::WindowText, kBlue);

    connect(cmdPassoP, &QPushButton::clicked, this, [this] { cmdPassoP_Click(); });
    connect(cmdSalva, &QPushButton::clicked, this, [this] { cmdSalva_Click(); });
    connect(TabellaPivot, &TableauView::saveRequested, this, [this] { cmdSalva_Click(); });
    connect(chkFrazioni, &QCheckBox::toggled, this, [this] { MostraLezione(); });
    connect(chkEsercitati, &QCheckBox::toggled, this,
            [this](bool on) { lesson_.SetPractising(on); });
    connect(TabellaPivot, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& cell) { lesson_.Choose(cell.row(), cell.column()); });

    QWidget* previous = cmdPassoS;
    for (QWidget* next :
         std::initializer_list<QWidget*>{cmdPassoP, chkFrazioni, chkEsercitati, cmdSalva}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

// The direction of the objective and the windows that follow the lesson, after the lesson's
// controls in the tab order.
void Inserisci::CreateCourseControls() {
    chkMinimizza = new QCheckBox("Minimizza", this);
    chkMinimizza->setObjectName("chkMinimizza");
    chkMinimizza->setAccessibleName("Minimizza");
    chkMinimizza->setGeometry(layout::kMinimizza);
    const auto button = [this](const char* name, const QString& caption, const QRect& place) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAccessibleName(caption);
        b->setGeometry(place);
        b->setAutoDefault(false);
        return b;
    };
    cmdRegione = button("cmdRegione", TableauView::kRegionCaption, layout::kRegione);
    cmdAnalisi = button("cmdAnalisi", TableauView::kAnalysisCaption, layout::kAnalisi);
    connect(cmdRegione, &QPushButton::clicked, this, [this] { cmdRegione_Click(); });
    connect(cmdAnalisi, &QPushButton::clicked, this, [this] { cmdAnalisi_Click(); });
    connect(TabellaPivot, &TableauView::regionRequested, this, [this] { cmdRegione_Click(); });
    connect(TabellaPivot, &TableauView::analysisRequested, this, [this] { cmdAnalisi_Click(); });
    QWidget* previous = cmdSalva;
    for (QWidget* next : std::initializer_list<QWidget*>{versi_[0], versi_[1], versi_[2],
                                                         chkMinimizza, cmdRegione, cmdAnalisi}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void Inserisci::MostraLezione() {
    const QString explanation = QString::fromStdString(lesson_.Explanation());
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
        cmdRegione->setEnabled(lesson_.Started());
        cmdAnalisi->setEnabled(analysis);
        cmdAnalisi->setToolTip(QString::fromStdString(lesson_.AnalysisUnavailableReason()));
        TabellaPivot->SetOffered(lesson_.Started(), analysis);
        MostraFinestre();
    }
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
    if (window == regione_) {
        if (lesson_.Started()) {
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
        QWidget* other = window == regione_ ? static_cast<QWidget*>(analisi_) : regione_;
        OpenBesideMain(window, this, {Side::Right, Side::Left, Side::Below, Side::Above},
                       {other});
        placed = true;
    }
    window->show();
    window->raise();
    window->activateWindow();
    Riempi(window);
}

void Inserisci::cmdRegione_Click() {
    if (!lesson_.Started()) {
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
    state_.CampiValidi = false;
    ControllaFunzioneEconomica();
    if (!state_.CampiValidi) {
        return;
    }
    for (const RowFields& row : constraints_) {
        state_.CampiValidi = false;
        ControllaVincoli(row);
        if (!state_.CampiValidi) {
            return;
        }
    }
    if (!ControllaIntervallo()) {
        state_.CampiValidi = false;
        return;
    }
    state_.PrimoPasso = true;
    ImpostaTabella();
    MostraLezione();
}

void Inserisci::cmdPassoS_Click() {
    Simplesso();
    MostraLezione();
}

void Inserisci::cmdPassoP_Click() {
    lesson_.GoBack();
    MostraLezione();
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

// The problem as typed: every field's text, the rows' senses and the direction.
void Inserisci::ImpostaTabella() {
    ProblemTexts typed(3, 3);
    for (int v = 0; v < 3; ++v) {
        typed.objective[v] = objective_[v]->text().toStdString();
        for (int r = 0; r < 3; ++r) {
            typed.constraint[r][v] = constraints_[r][v]->text().toStdString();
        }
    }
    typed.objectiveKnown = objective_[3]->text().toStdString();
    for (int r = 0; r < 3; ++r) {
        typed.known[r] = constraints_[r][3]->text().toStdString();
        typed.sense[r] = versi_[r]->Value();
    }
    typed.direction = chkMinimizza->isChecked() ? Direction::Minimise : Direction::Maximise;
    lesson_.SetUp(typed, Separator());
}

void Inserisci::Simplesso() {
    lesson_.Press();
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
    std::array<QLineEdit*, 15> fields{};
    std::array<std::string, 15> texts;
    for (int v = 0; v < 3; ++v) {
        fields[v] = objective_[v];
    }
    for (int i = 0; i < 12; ++i) {
        fields[3 + i] = constraints_[i / 4][i % 4];
    }
    for (int i = 0; i < 15; ++i) {
        texts[i] = fields[i]->text().toStdString();
    }
    const auto outside = FirstOutOfRangeField(texts, Separator());
    if (!outside) {
        return true;
    }
    ShowMessage(OutOfRangeMessage(Separator()));
    fields[*outside]->setFocus(Qt::OtherFocusReason);
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
    for (int i = 0; i < 4; ++i) {
        texts[i] = row[i]->text().toStdString();
    }
    return texts;
}

void Inserisci::FocusField(const RowFields& row, std::optional<int> index) {
    if (index) {
        row[*index]->setFocus(Qt::OtherFocusReason);
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

void Inserisci::EnableStepButton() {
    cmdPassoS->setEnabled(true);
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
