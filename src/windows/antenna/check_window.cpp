#include "antenna/check_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "antenna/check_labels.h"
#include "antenna/check_panel.h"
#include "antenna/comparison_panel.h"
#include "antenna/model_options_panel.h"
#include "antenna/position_plot.h"
#include "build/build_figures.h"
#include "conversions.h"
#include "dipole/coil_position.h"
#include "figures/figure.h"
#include "handler_fault.h"
#include "positions/position_builds.h"

namespace querlin {

CheckWindow::CheckWindow(DesignCoil designCoil, TypedCoil typedCoil, QWidget* parent)
    : QWidget(parent), typedCoil_(std::move(typedCoil)) {
    setObjectName(QStringLiteral("CheckWindow"));
    setWindowTitle(QCoreApplication::translate("querlin::CheckWindow", "Check with NEC-2"));
    setWindowFlag(Qt::Window);

    designText_ = wrappedLabel("CheckDesign", this);
    status_ = wrappedLabel("CheckStatus", this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("CheckProgress"));
    progress_->setAccessibleName(
        QCoreApplication::translate("querlin::CheckWindow", "Progress of the check"));
    cancelButton_ =
        new QPushButton(QCoreApplication::translate("querlin::CheckWindow", "Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("CheckCancel"));
    cancelButton_->setAccessibleDescription(
        QCoreApplication::translate("querlin::CheckWindow", "Stops the NEC-2 engine"));
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        stopEverything();
        end(Stage::Stopped,
            QCoreApplication::translate("querlin::CheckWindow",
                                        "Cancelled. Check with NEC-2… on the main window's results "
                                        "starts it again."));
    });
    checkPanel_ = new CheckPanel(engines_, this);
    buildPanel_ = new BuildPanel(engines_, std::move(designCoil), this);
    plot_ = new PositionPlot(this);
    auto* compareButton = new QPushButton(this);
    comparisonPanel_ = new ComparisonPanel(
        engines_, compareButton, [this] { return builtToCompare(); }, this);
    modelPanel_ = new ModelOptionsPanel(this);
    // The model's options and the coils as wound share the plot's room, their
    // tabs at its side, so that the window still fits a laptop's screen.
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("CheckTabs"));
    tabs_->setTabPosition(QTabWidget::West);
    tabs_->setDocumentMode(true);
    tabs_->addTab(plot_, QCoreApplication::translate("querlin::CheckWindow", "Coil p&ositions"));
    tabs_->addTab(buildPanel_->woundFigures(),
                  QCoreApplication::translate("querlin::CheckWindow", "Coils as wou&nd"));
    tabs_->addTab(modelPanel_, QCoreApplication::translate("querlin::CheckWindow", "&Model"));
    showWoundTab(false);
    auto* saveButton = new CheckSaving(
        engines_, [this] { return savedWork(); }, this);

    // What the engine is doing beside how far it is, one line less of the
    // height a laptop's screen has.
    auto* running = new QHBoxLayout;
    running->addWidget(status_, 1);
    running->addWidget(progress_, 1);
    running->addWidget(cancelButton_);
    auto* sides = new QHBoxLayout(this);
    auto* layout = new QVBoxLayout;
    sides->addLayout(layout);
    sides->addWidget(comparisonPanel_);
    comparisonPanel_->hide();
    layout->addWidget(designText_);
    layout->addLayout(running);
    auto* columns = new QHBoxLayout;
    auto* figureColumn = new QVBoxLayout;
    figureColumn->addWidget(checkPanel_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(compareButton);
    buttons->addWidget(saveButton);
    buttons->addStretch(1);
    figureColumn->addLayout(buttons);
    figureColumn->addStretch(1);
    columns->addLayout(figureColumn, 1);
    columns->addWidget(buildPanel_, 1);
    layout->addLayout(columns);
    layout->addWidget(tabs_);
    layout->addStretch(1);
    sides->setSizeConstraint(QLayout::SetFixedSize);

    const auto showProgress = [this](int done, int of) {
        progress_->setRange(0, of);
        progress_->setValue(done);
    };
    connect(checkPanel_, &CheckPanel::progressed, this, showProgress);
    connect(checkPanel_, &CheckPanel::said, this, &CheckWindow::say);
    connect(checkPanel_, &CheckPanel::checked, this, [this] {
        showPlot();
        carryOn();
    });
    connect(checkPanel_, &CheckPanel::failed, this, &CheckWindow::fail);
    connect(buildPanel_, &BuildPanel::designBuilt, this, &CheckWindow::carryOn);
    connect(buildPanel_, &BuildPanel::progressed, this, showProgress);
    connect(buildPanel_, &BuildPanel::said, this, &CheckWindow::say);
    connect(buildPanel_, &BuildPanel::positionsBuilt, this, [this] {
        showPlot();
        carryOn();
    });
    connect(buildPanel_, &BuildPanel::failed, this, &CheckWindow::fail);
    connect(buildPanel_, &BuildPanel::coilQChanged, this, &CheckWindow::coilQChanged);
    connect(modelPanel_, &ModelOptionsPanel::changed, this, &CheckWindow::restart);
    end(Stage::Stopped, {});
}

CheckWindow::~CheckWindow() {
    stopEverything();
}

void CheckWindow::check(const LastCalculation& calculation) {
    using State = LastCalculation::State;
    if (calculation == shown_ && stage_ != Stage::Stopped) {
        return;
    }
    stopEverything();
    shown_ = calculation;
    modelPanel_->setMetric(calculation.antenna.metric);
    if (typedCoil_) {
        if (const std::optional<LoadingCoil> coil = typedCoil_()) {
            modelPanel_->offerCoil(*coil);
        }
    }
    clearDesign();
    switch (calculation.state) {
        case State::None:
            end(Stage::Stopped,
                QCoreApplication::translate(
                    "querlin::CheckWindow",
                    "Nothing to check yet: type the frequency, the total length and "
                    "the element size in the main window and press its upper "
                    "CALCULATE. The check models the design it last calculated."));
            return;
        case State::Faulted:
            end(Stage::Stopped, QCoreApplication::translate(
                                    "querlin::CheckWindow",
                                    "The main window's last calculation ended in a fault: correct "
                                    "its inputs and press CALCULATE, then check again."));
            return;
        case State::Calculated:
            start();
            return;
    }
}

nec::ModelOptions CheckWindow::modelOptions() const {
    return design_ ? design_->design().options : modelPanel_->choice().options;
}

void CheckWindow::restart() {
    if (shown_.state != LastCalculation::State::Calculated) {
        return;
    }
    stopEverything();
    clearDesign();
    start();
}

void CheckWindow::clearDesign() {
    design_.reset();
    checkPanel_->clear();
    buildPanel_->clear();
    showWoundTab(false);
    comparisonPanel_->clear();
    plot_->erase();
    designText_->clear();
}

void CheckWindow::showWoundTab(bool shown) {
    tabs_->setTabVisible(tabs_->indexOf(buildPanel_->woundFigures()), shown);
}

void CheckWindow::start() {
    const ModelChoice model = modelPanel_->choice();
    if (!model.fault.isEmpty()) {
        end(Stage::Stopped, model.fault);
        return;
    }
    const bool matched = !shown_.feedline.isEmpty();
    const QString feedline = matched ? shown_.feedline : check::kDefaultFeedline;
    const QLocale locale;
    const ModelInputs inputs{model.options, feedline, model.loadingCoil, QStringLiteral("METRIC")};
    // The build winds its own coils on the former, for the inductance it finds.
    ModelInputs buildInputs{model.options, feedline, {}, inputs.metricSwitch};
    CheckedDesign design{shown_.antenna,
                         {},
                         matched ? shown_.feedlineOhms : check::kDefaultFeedline.toDouble(),
                         {},
                         {}};
    try {
        if (model.loadingCoil) {
            design.former = formerOf(*model.loadingCoil, locale);
            modelWoundOn(buildInputs.options, *design.former);
        }
        design.rows.push_back(designRow(design.antenna, inputs, locale));
        design.buildRows.push_back(designRow(design.antenna, buildInputs, locale));
    } catch (const Fault& fault) {
        fail(fault.message);
        return;
    }
    const DesignRow& row = design.rows.front();
    if (const std::optional<double> tips = nec::tipHeight(row.design.dipole, row.options);
        tips && !(*tips > 0)) {
        const bool metric = design.antenna.metric;
        end(Stage::Stopped,
            QCoreApplication::translate("querlin::CheckWindow",
                                        "Hung so, the tips would be %1 %2 below the ground: raise "
                                        "the Height or open the Apex angle.")
                .arg(significant(-*tips / (metric ? 1 : kMetresPerFoot), 3, locale).text,
                     metric ? u"m"_qs : u"ft"_qs));
        return;
    }
    // The positions before the first that cannot be designed make the plot;
    // the build takes the same.
    PositionSweep sweep = designSweep(design.antenna, inputs, locale);
    PositionSweep builds = designSweep(design.antenna, buildInputs, locale);
    const std::size_t positions = std::min(sweep.rows.size(), builds.rows.size());
    std::move(sweep.rows.begin(), sweep.rows.begin() + positions, std::back_inserter(design.rows));
    std::move(builds.rows.begin(), builds.rows.begin() + positions,
              std::back_inserter(design.buildRows));
    design_ = std::move(design);
    designText_->setText(
        QCoreApplication::translate(
            "querlin::CheckWindow",
            "%1, coils at %2 % of each half: %3 µH each.\nModelled by nec2c %4; %5 "
            "segments, fed from %6.")
            .arg(plotTitle(design_->antenna))
            .arg(coilPercentage(design_->antenna.slider))
            .arg(design_->design().design.inductance)
            .arg(modelPanel_->description(model))
            .arg(model.options.segments)
            .arg(matched ? QCoreApplication::translate("querlin::CheckWindow",
                                                       "the %1-ohm line matched in the main window")
                               .arg(feedline)
                         : QCoreApplication::translate("querlin::CheckWindow", "a %1-ohm line")
                               .arg(feedline)));
    comparisonPanel_->offer(*design_);
    begin(QCoreApplication::translate("querlin::CheckWindow", "Checking the design with nec2c…"));
    // The design's build first, so that it takes one engine while the
    // checks take the other.
    buildPanel_->build(*design_);
    showWoundTab(design_->former.has_value());
    checkPanel_->check(*design_);
    showPlot();
}

void CheckWindow::carryOn() {
    if (checkPanel_->stage() != CheckPanel::Stage::Checked) {
        return;
    }
    switch (buildPanel_->stage()) {
        case BuildPanel::Stage::DesignBuilt:
            if (buildPanel_->coilsLose()) {
                buildPanel_->buildPositions();
                return;
            }
            break;
        case BuildPanel::Stage::PositionsBuilt:
            break;
        case BuildPanel::Stage::Idle:
        case BuildPanel::Stage::BuildingDesign:
        case BuildPanel::Stage::BuildingPositions:
            return;
    }
    end(Stage::Done, QCoreApplication::translate("querlin::CheckWindow", "Checked with nec2c."));
}

// A check that ran to its end is built anew with the Q; one under way takes
// it for what it has still to build; one stopped takes it the next time.
void CheckWindow::coilQChanged() {
    switch (stage_) {
        case Stage::Stopped:
            return;
        case Stage::Done:
            begin(QCoreApplication::translate("querlin::CheckWindow", "Building with nec2c…"));
            buildPanel_->build(*design_);
            // Without the efficiency of the Q no longer typed.
            showPlot();
            return;
        case Stage::UnderWay:
            buildPanel_->build(*design_);
            return;
    }
}

// The build took the former where there is one, else the Q it was built
// with.
build::CoilLoss CheckWindow::builtLoss() const {
    return design_->former ? build::CoilLoss{std::nullopt, design_->former}
                           : build::CoilLoss{buildPanel_->builtQ(), std::nullopt};
}

// A builder winds the coils to the figures the panel shows.
std::optional<measurement::ComparedDesign> CheckWindow::builtToCompare() const {
    const std::optional<build::DipoleBuild>& built = buildPanel_->designBuild();
    if (!design_ || !built || built->match != build::DipoleBuild::Match::ShuntCoil) {
        return std::nullopt;
    }
    const build::CoilLoss loss = builtLoss();
    const DesignRow& row = design_->buildRows.front();
    const QLocale c = QLocale::c();
    const auto shown = [&](double inductance) {
        return rounded(inductance, build::kInductanceDecimals, c).value;
    };
    nec::LoadedDipole dipole = row.design.dipole;
    dipole.inductance = shown(built->loadInductance);
    nec::ModelOptions options = row.options;
    options.coilQ = loss.q;
    return measurement::ComparedDesign{
        dipole, options, design_->feedline,
        measurement::fittedShuntCoil(shown(built->shuntInductance), dipole.frequency, loss.former,
                                     loss.q)};
}

std::optional<SavedWork> CheckWindow::savedWork() const {
    if (!design_) {
        return std::nullopt;
    }
    const build::CoilLoss loss = builtLoss();
    SavedWork work{design_->antenna,           design_->design(),
                   design_->buildRows.front(), loss,
                   design_->feedline,          {},
                   buildPanel_->designBuild(), plot_->shown()};
    work.built.options.coilQ = loss.q;
    if (const std::vector<DesignRow>& rows = checkPanel_->rows();
        !rows.empty() && rows.front().check) {
        work.checked = rows.front();
    }
    return work;
}

void CheckWindow::showPlot() {
    const std::vector<DesignRow>& rows = checkPanel_->rows();
    if (!design_ || rows.size() < 2) {
        plot_->erase();
        return;
    }
    const std::vector<DesignRow> positions(rows.begin() + 1, rows.end());
    const Antenna& antenna = design_->antenna;
    SweepPlot plot = sweepPlot(antenna, positions, coilPercentage(antenna.slider),
                               checkPanel_->designCheck(), QLocale());
    if (const std::vector<RowBuild>* builds = buildPanel_->positionBuilds()) {
        plotEfficiency(plot, positions, *builds, design_->feedline);
    }
    plot_->draw(std::move(plot));
}

void CheckWindow::stopEverything() {
    checkPanel_->stop();
    buildPanel_->stop();
    comparisonPanel_->stop();
}

void CheckWindow::begin(const QString& status) {
    stage_ = Stage::UnderWay;
    progress_->setEnabled(true);
    cancelButton_->setEnabled(true);
    say(status);
}

void CheckWindow::fail(const QString& message) {
    checkPanel_->stop();
    buildPanel_->stop();
    end(Stage::Stopped, message);
}

void CheckWindow::end(Stage stage, const QString& status) {
    stage_ = stage;
    progress_->setEnabled(false);
    cancelButton_->setEnabled(false);
    say(status);
}

void CheckWindow::say(const QString& status) {
    status_->setText(status);
    status_->setVisible(!status.isEmpty());
}

}  // namespace querlin
