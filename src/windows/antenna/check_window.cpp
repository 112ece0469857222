#include "antenna/check_window.h"

#include <QCoreApplication>

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "antenna/check_figures.h"
#include "antenna/check_labels.h"
#include "dipole/coil_position.h"
#include "handler_fault.h"
#include "plot.h"

namespace querlin {

namespace {

// The plot at a size that leaves the window on a laptop's screen, the
// comparison's column beside it.
constexpr double kPlotScale = 0.54;

}  // namespace

CheckWindow::CheckWindow(DesignCoil designCoil, QWidget* parent)
    : QWidget(parent), designCoil_(std::move(designCoil)) {
    setObjectName(QStringLiteral("CheckWindow"));
    setWindowTitle(QCoreApplication::translate("querlin::CheckWindow", "Check with NEC-2"));
    setWindowFlag(Qt::Window);

    design_ = wrappedLabel("CheckDesign", this);
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
        finish(QCoreApplication::translate(
            "querlin::CheckWindow",
            "Cancelled. Check with NEC-2… on the main window's results starts "
            "it again."));
    });
    auto* figures = new QWidget(this);
    figures->setObjectName(QStringLiteral("CheckFigures"));
    figureRows_ = new QFormLayout(figures);
    figureRows_->setContentsMargins(0, 0, 0, 0);
    figureRows_->setVerticalSpacing(kFigureSpacing);

    QGroupBox* buildBox = makeBuildBox();
    plot_ = new QLabel(this);
    plot_->setObjectName(QStringLiteral("CheckPlot"));
    plot_->setFixedSize(kPlotSize * kPlotScale);
    plot_->setAccessibleName(
        QCoreApplication::translate("querlin::CheckWindow", "Plot of every coil position"));
    plot_->setAccessibleDescription(QCoreApplication::translate(
        "querlin::CheckWindow",
        "Each coil's inductance by the formula and, once checked, the inductance "
        "that nec2c finds resonant, against the coil position; under it the "
        "frequency at which each design as built resonates and, with the "
        "coils' Q, the efficiency of each position's build, the best ringed."));
    offerPlotMenu();
    makeComparison();

    // What the engine is doing beside how far it is, one line less of the
    // height a laptop's screen has.
    auto* running = new QHBoxLayout;
    running->addWidget(status_, 1);
    running->addWidget(progress_, 1);
    running->addWidget(cancelButton_);
    auto* sides = new QHBoxLayout(this);
    auto* layout = new QVBoxLayout;
    sides->addLayout(layout);
    sides->addWidget(compareBox_);
    compareBox_->hide();
    layout->addWidget(design_);
    layout->addLayout(running);
    auto* columns = new QHBoxLayout;
    auto* figureColumn = new QVBoxLayout;
    figureColumn->addWidget(figures);
    figureColumn->addWidget(compareButton_, 0, Qt::AlignLeft);
    figureColumn->addStretch(1);
    columns->addLayout(figureColumn, 1);
    columns->addWidget(buildBox, 1);
    layout->addLayout(columns);
    layout->addWidget(plot_);
    layout->addStretch(1);
    sides->setSizeConstraint(QLayout::SetFixedSize);

    using Watcher = QFutureWatcher<antenna::DipoleCheck>;
    connect(&checks_, &Watcher::resultReadyAt, this, &CheckWindow::checked);
    connect(&checks_, &Watcher::progressValueChanged, progress_, &QProgressBar::setValue);
    connect(&checks_, &Watcher::finished, this, &CheckWindow::finished);
    using BuildWatcher = QFutureWatcher<RowBuild>;
    connect(&builds_, &BuildWatcher::resultReadyAt, this, &CheckWindow::built);
    connect(&builds_, &BuildWatcher::finished, this, &CheckWindow::buildsFinished);
    using CompareWatcher = QFutureWatcher<measurement::Comparison>;
    connect(&comparisons_, &CompareWatcher::finished, this, &CheckWindow::compared);
    finish({});
}

CheckWindow::~CheckWindow() {
    stop();
    stopComparing();
}

void CheckWindow::check(const LastCalculation& calculation) {
    using State = LastCalculation::State;
    if (calculation == shown_ && (complete_ || underWay_)) {
        return;
    }
    stop();
    stopComparing();
    compareButton_->setEnabled(false);
    clearComparison({});
    shown_ = calculation;
    complete_ = false;
    clearRows(figureRows_);
    clearRows(buildRows_);
    noteBuild({});
    designCoilButton_->setEnabled(false);
    plot_->clear();
    plotShown_.reset();
    design_->clear();
    switch (calculation.state) {
        case State::None:
            finish(QCoreApplication::translate(
                "querlin::CheckWindow",
                "Nothing to check yet: type the frequency, the total length and "
                "the element size in the main window and press its upper "
                "CALCULATE. The check models the design it last calculated."));
            return;
        case State::Faulted:
            finish(QCoreApplication::translate(
                "querlin::CheckWindow",
                "The main window's last calculation ended in a fault: correct "
                "its inputs and press CALCULATE, then check again."));
            return;
        case State::Calculated:
            start();
            return;
    }
}

void CheckWindow::start() {
    antenna_ = shown_.antenna;
    const bool matched = !shown_.feedline.isEmpty();
    const QString feedline = matched ? shown_.feedline : antenna::kDefaultFeedline;
    const double ohms = matched ? shown_.feedlineOhms : antenna::kDefaultFeedline.toDouble();
    const QLocale locale;
    const ModelInputs inputs{{}, feedline, {}, QStringLiteral("METRIC")};
    rows_.clear();
    figures_.reset();
    checked_ = false;
    sweepBuilt_ = false;
    feedline_ = ohms;
    try {
        rows_.push_back(designRow(antenna_, inputs, locale));
    } catch (const Fault& fault) {
        finish(fault.message);
        return;
    }
    // The positions before the first that cannot be designed make the plot.
    Sweep sweep = designSweep(antenna_, inputs, locale);
    std::move(sweep.rows.begin(), sweep.rows.end(), std::back_inserter(rows_));
    design_->setText(
        QCoreApplication::translate(
            "querlin::CheckWindow",
            "%1, coils at %2 % of each half: %3 µH each.\nModelled by nec2c in free "
            "space with lossless wire, %4 segments, fed from %5.")
            .arg(plotTitle(antenna_))
            .arg(coilPercentage(antenna_.slider))
            .arg(rows_.front().design.inductance)
            .arg(antenna::ModelOptions{}.segments)
            .arg(matched ? QCoreApplication::translate("querlin::CheckWindow",
                                                       "the %1-ohm line matched in the main window")
                               .arg(feedline)
                         : QCoreApplication::translate("querlin::CheckWindow", "a %1-ohm line")
                               .arg(feedline)));
    showPlot();
    compareButton_->setEnabled(true);

    progress_->setRange(0, static_cast<int>(rows_.size()));
    progress_->setValue(0);
    begin(QCoreApplication::translate("querlin::CheckWindow", "Checking the design with nec2c…"));
    // The design's build first, so that it takes one engine while the
    // checks take the other.
    startBuilds();
    checks_.setFuture(checkRows(engines_, rows_, ohms));
}

void CheckWindow::checked(int index) {
    // A result announced by a check since replaced: the check now watched
    // announces its own.
    if (!checks_.future().isResultReadyAt(index)) {
        return;
    }
    rows_[static_cast<std::size_t>(index)].check = checks_.resultAt(index);
    if (index == 0) {
        showFigures(*rows_.front().check);
        return;
    }
    if (!figures_) {
        return;
    }
    const auto swept = std::count_if(rows_.begin() + 1, rows_.end(),
                                     [](const DesignRow& row) { return row.check.has_value(); });
    say(QCoreApplication::translate("querlin::CheckWindow",
                                    "Checking every coil position for the plot: %1 of %2…")
            .arg(swept)
            .arg(rows_.size() - 1));
}

void CheckWindow::finished() {
    if (!endedWell(checks_)) {
        return;
    }
    checked_ = true;
    showPlot();
    completeIfDone();
}

void CheckWindow::stop() {
    stopRun(checks_);
    stopRun(builds_);
}

void CheckWindow::showFigures(const antenna::DipoleCheck& check) {
    figures_ = check;
    const QLocale locale;
    for (const antenna::FigureForm& form : antenna::figureForms(antenna::Loss::Lossless)) {
        const QString label = QCoreApplication::translate("Figures", form.label);
        figureRows_->addRow(
            rowCaption(label),
            figureLabel(antenna::figureText(form, check, locale, antenna::UnitShown::With),
                        QLatin1String(form.key), label));
    }
    say(QCoreApplication::translate("querlin::CheckWindow",
                                    "Checking every coil position for the plot…"));
}

void CheckWindow::showPlot() {
    if (rows_.size() < 2) {
        plot_->clear();
        plotShown_.reset();
        return;
    }
    const std::vector<DesignRow> sweep(rows_.begin() + 1, rows_.end());
    SweepPlot plot =
        sweepPlot(antenna_, sweep, coilPercentage(antenna_.slider), figures_, QLocale());
    if (q_ && sweepBuilt_) {
        plotEfficiency(plot, sweep, sweepBuilds_, feedline_);
    }
    plot_->setPixmap(QPixmap::fromImage(plotImage(plot, kPlotScale)));
    plotShown_ = std::move(plot);
}

void CheckWindow::begin(const QString& status) {
    underWay_ = true;
    progress_->setEnabled(true);
    cancelButton_->setEnabled(true);
    say(status);
}

void CheckWindow::finish(const QString& status) {
    stop();
    underWay_ = false;
    progress_->setEnabled(false);
    cancelButton_->setEnabled(false);
    say(status);
}

void CheckWindow::say(const QString& status) {
    status_->setText(status);
    status_->setVisible(!status.isEmpty());
}

}  // namespace querlin
