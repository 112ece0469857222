#include "antenna/build_panel.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "antenna/check_labels.h"
#include "build/build_figures.h"
#include "coil/coil_winding.h"

namespace querlin {

namespace {

// The build's figures the window shows: the coils, and what the line sees
// with them.
constexpr build::BuildFigureId kShownBuild[] = {
    build::BuildFigureId::LoadInductance, build::BuildFigureId::ShuntInductance,
    build::BuildFigureId::Swr, build::BuildFigureId::Bandwidth};

// What the window says beside the build's figures of each wound coil.
struct WoundCoilTexts {
    const char* key;  // its figures' keys begin so: load or shunt
    const std::optional<build::CoilWound> build::DipoleBuild::*coil;
    build::WoundFigureId turns;
    const char* selfResonance;
    const char* fits;
};
constexpr WoundCoilTexts kWoundCoils[] = {
    {"load", &build::DipoleBuild::loadCoil, build::WoundFigureId::LoadTurns,
     QT_TRANSLATE_NOOP("querlin::CheckWindow", "Self-resonance of each loading coil"),
     QT_TRANSLATE_NOOP("querlin::CheckWindow", "Each loading coil fits its former")},
    {"shunt", &build::DipoleBuild::shuntCoil, build::WoundFigureId::ShuntTurns,
     QT_TRANSLATE_NOOP("querlin::CheckWindow", "Self-resonance of the matching coil"),
     QT_TRANSLATE_NOOP("querlin::CheckWindow", "Matching coil fits its former")},
};
// Of each coil: its turns, its inductance on an LCR meter and its Q.
constexpr int kWoundFiguresEach = 3;

}  // namespace

BuildPanel::BuildPanel(const nec::EngineRuns& engines, DesignCoil designCoil, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("querlin::CheckWindow", "What to build instead"),
                parent),
      engines_(engines),
      designCoil_(std::move(designCoil)) {
    setObjectName(QStringLiteral("BuildBox"));
    auto* buildFigures = new QWidget(this);
    buildRows_ = new QFormLayout(buildFigures);
    buildRows_->setContentsMargins(0, 0, 0, 0);
    buildRows_->setVerticalSpacing(kFigureSpacing);
    woundFigures_ = new QWidget(this);
    woundFigures_->setObjectName(QStringLiteral("WoundFigures"));
    woundRows_ = new QFormLayout(woundFigures_);
    woundRows_->setVerticalSpacing(kFigureSpacing);
    note_ = wrappedLabel("BuildNote", this);
    coilQField_ = new QLineEdit(this);
    coilQField_->setObjectName(QStringLiteral("CoilQ"));
    coilQField_->setPlaceholderText(
        QCoreApplication::translate("querlin::CheckWindow", "lossless"));
    coilQField_->setAccessibleName(QCoreApplication::translate("querlin::CheckWindow", "Coils' Q"));
    coilQField_->setAccessibleDescription(QCoreApplication::translate(
        "querlin::CheckWindow",
        "Empty for lossless coils. Air-core loading coils have a Q of about 100 "
        "to 400; querlin-calc coil --details estimates one."));
    connect(coilQField_, &QLineEdit::editingFinished, this, &BuildPanel::qEdited);
    designCoilButton_ = new QPushButton(
        QCoreApplication::translate("querlin::CheckWindow", "Design the loading coil…"), this);
    designCoilButton_->setObjectName(QStringLiteral("DesignLoadingCoil"));
    designCoilButton_->setAccessibleDescription(QCoreApplication::translate(
        "querlin::CheckWindow", "Opens the coil window with the loading coil's inductance"));
    designCoilButton_->setEnabled(false);
    connect(designCoilButton_, &QPushButton::clicked, this, [this] {
        if (designBuild_ && designCoil_) {
            designCoil_(QLocale().toString(designBuild_->loadInductance, 'f', 2));
        }
    });
    // The Q and the button share a line, so that the window with its cut
    // list still fits a laptop's screen.
    auto* qAndCoil = new QHBoxLayout;
    qAndCoil->addWidget(coilQField_, 1);
    qAndCoil->addWidget(designCoilButton_);
    auto* qRow = new QFormLayout;
    qRow->addRow(QCoreApplication::translate("querlin::CheckWindow", "Coils' Q:"), qAndCoil);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFigures);
    layout->addWidget(note_);
    layout->addLayout(qRow);
    layout->addStretch(1);
}

void BuildPanel::build(const CheckedDesign& design) {
    run_.stop();
    design_ = design;
    designBuild_.reset();
    builtQ_ = coilQ_;
    positionBuilds_.clear();
    clearRows(buildRows_);
    clearRows(woundRows_);
    note(QCoreApplication::translate("querlin::CheckWindow", "Building with nec2c…"));
    designCoilButton_->setEnabled(false);
    // A coil wound has the Q of its winding.
    coilQField_->setEnabled(!design.former);
    stage_ = Stage::BuildingDesign;
    run_.follow(buildRows(engines_, {design.buildRows.front()}, design.feedline, coilLoss(),
                          build::Bandwidth::Found),
                {.result = [this](int, const RowBuild& result) { showDesignBuild(result); },
                 .done =
                     [this] {
                         stage_ = Stage::DesignBuilt;
                         emit designBuilt();
                     },
                 .failed = [this](const Fault& fault) { fail(fault); }});
}

void BuildPanel::buildPositions() {
    const std::vector<DesignRow> positions = design_->buildPositions();
    positionBuilds_.assign(positions.size(), {});
    stage_ = Stage::BuildingPositions;
    emit progressed(0, static_cast<int>(positions.size()));
    emit said(design_->former
                  ? QCoreApplication::translate(
                        "querlin::CheckWindow",
                        "Building every coil position with its coils as wound for the plot…")
                  : QCoreApplication::translate(
                        "querlin::CheckWindow",
                        "Building every coil position with coils of Q %1 for the plot…")
                        .arg(QLocale().toString(*coilQ_)));
    run_.follow(
        buildRows(engines_, positions, design_->feedline, coilLoss(), build::Bandwidth::LeftOut),
        {.result = [this](int index, const RowBuild& result) { takePositionBuild(index, result); },
         .done =
             [this] {
                 stage_ = Stage::PositionsBuilt;
                 emit positionsBuilt();
             },
         .failed = [this](const Fault& fault) { fail(fault); }});
}

void BuildPanel::stop() {
    run_.stop();
    if (stage_ == Stage::BuildingDesign || stage_ == Stage::BuildingPositions) {
        stage_ = Stage::Idle;
    }
}

void BuildPanel::clear() {
    stop();
    stage_ = Stage::Idle;
    design_.reset();
    designBuild_.reset();
    positionBuilds_.clear();
    clearRows(buildRows_);
    clearRows(woundRows_);
    note({});
    designCoilButton_->setEnabled(false);
}

bool BuildPanel::coilsLose() const {
    const build::CoilLoss loss = coilLoss();
    return loss.q || loss.former;
}

build::CoilLoss BuildPanel::coilLoss() const {
    if (design_ && design_->former) {
        return {std::nullopt, design_->former};
    }
    return {coilQ_, std::nullopt};
}

const std::vector<RowBuild>* BuildPanel::positionBuilds() const {
    return stage_ == Stage::PositionsBuilt ? &positionBuilds_ : nullptr;
}

void BuildPanel::showDesignBuild(const RowBuild& result) {
    if (!result.build) {
        note(result.fault ? result.fault->message : QString());
        return;
    }
    designBuild_ = *result.build;
    const QLocale locale;
    std::vector<build::BuildFigureId> shown(std::begin(kShownBuild), std::end(kShownBuild));
    const DesignRow& design = design_->buildRows.front();
    if (coilsLose() || check::lossOf(design.options) == check::Loss::Lossy) {
        shown.push_back(build::BuildFigureId::Efficiency);
    }
    for (const build::BuildFigureId id : shown) {
        const build::BuildFigureForm& form = formOf(id);
        const QString label = labelText(form);
        buildRows_->addRow(rowCaption(label),
                           figureLabel(figureText(form.of(*designBuild_), locale, UnitShown::With),
                                       u"build_"_qs + QLatin1String(form.key), label));
    }
    if (design_->former) {
        showWound(*designBuild_, *design_->former);
    }
    // What to cut for each half, as the model has it.
    for (const Figure& piece :
         build::cutList(design.design.dipole, design.options, design_->antenna.metric)) {
        const QString label = labelText(piece.form);
        buildRows_->addRow(rowCaption(label),
                           figureLabel(figureText(piece, locale, UnitShown::With),
                                       u"build_"_qs + QLatin1String(piece.form.key), label));
    }
    note(build::noMatchText(*designBuild_, design_->feedline, design.design.dipole.frequency,
                            locale));
    designCoilButton_->setEnabled(std::isfinite(designBuild_->loadInductance));
}

void BuildPanel::showWound(const build::DipoleBuild& built, const build::Former& former) {
    const QLocale locale;
    const std::span<const build::WoundFigureForm> forms = build::woundFigureForms();
    const double frequency = design_->buildRows.front().design.dipole.frequency;
    const auto addRow = [&](const QString& label, const QString& text, const QString& name) {
        woundRows_->addRow(rowCaption(label), figureLabel(text, u"build_"_qs + name, label));
    };
    for (const WoundCoilTexts& texts : kWoundCoils) {
        const std::optional<build::CoilWound>& coil = built.*texts.coil;
        if (!coil) {
            continue;
        }
        const auto first = static_cast<std::size_t>(texts.turns);
        for (const build::WoundFigureForm& form : forms.subspan(first, kWoundFiguresEach)) {
            addRow(labelText(form), figureText(form.of(built), locale, UnitShown::With),
                   QLatin1String(form.key));
        }
        const WindingOutcome outcome =
            windingDetails({coil->turns, former.diameter, former.length, former.wire}, frequency);
        if (const auto* details = std::get_if<WindingDetails>(&outcome);
            details != nullptr && details->selfResonance) {
            addRow(QCoreApplication::translate("querlin::CheckWindow", texts.selfResonance),
                   QCoreApplication::translate("querlin::CheckWindow", "about %1 MHz")
                       .arg(significant(*details->selfResonance, 2, locale).text),
                   QLatin1String(texts.key) + u"_self_resonance"_qs);
        }
        addRow(QCoreApplication::translate("querlin::CheckWindow", texts.fits),
               coil->fits ? QCoreApplication::translate("querlin::CheckWindow", "yes")
                          : QCoreApplication::translate("querlin::CheckWindow", "no"),
               QLatin1String(texts.key) + u"_fits"_qs);
    }
}

void BuildPanel::takePositionBuild(int index, const RowBuild& result) {
    positionBuilds_[static_cast<std::size_t>(index)] = result;
    const auto built = std::count_if(positionBuilds_.begin(), positionBuilds_.end(),
                                     [](const RowBuild& row) { return row.build.has_value(); });
    emit progressed(static_cast<int>(built), static_cast<int>(positionBuilds_.size()));
}

void BuildPanel::fail(const Fault& fault) {
    stage_ = Stage::Idle;
    emit failed(fault.message);
}

// The note under the build's figures, which takes no room when empty.
void BuildPanel::note(const QString& text) {
    note_->setText(text);
    note_->setVisible(!text.isEmpty());
}

void BuildPanel::qEdited() {
    const QString text = coilQField_->text().trimmed();
    std::optional<double> q;
    if (!text.isEmpty()) {
        bool ok = false;
        const double value = QLocale().toDouble(text, &ok);
        if (!ok || !(value > 0) || !std::isfinite(value)) {
            note(QCoreApplication::translate(
                "querlin::CheckWindow",
                "The coils' Q is a positive number, such as 300; empty for lossless coils."));
            return;
        }
        q = value;
    }
    if (q == coilQ_) {
        return;
    }
    coilQ_ = q;
    emit coilQChanged();
}

}  // namespace querlin
