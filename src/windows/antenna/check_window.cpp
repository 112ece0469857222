#include "antenna/check_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "antenna/build_figures.h"
#include "antenna/check_figures.h"
#include "antenna/nec_engine.h"
#include "dipole/coil_position.h"
#include "handler_fault.h"
#include "measurement/advice_text.h"
#include "plot.h"

namespace querlin {

namespace {

// The plots at sizes that leave the window on a laptop's screen.
constexpr double kPlotScale = 0.6;
constexpr double kComparePlotScale = 0.5;
// The comparison's figures shown as figures: the measurement's and the
// model's resonance; what to change is said in words under them.
constexpr std::size_t kComparedFigures = 6;

QLabel* wrappedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

// A figure's label, named by what it is and its value.
QLabel* figureLabel(const QString& text, const QString& name, const QString& label) {
    auto* value = new QLabel(text);
    value->setObjectName(name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setAccessibleName(label + QStringLiteral(": ") + text);
    return value;
}

void clearRows(QFormLayout* rows) {
    while (rows->rowCount() > 0) {
        rows->removeRow(0);
    }
}

// The build's figures the window shows: the coils, and what the line sees
// with them.
constexpr antenna::BuildFigureId kShownBuild[] = {
    antenna::BuildFigureId::LoadInductance, antenna::BuildFigureId::ShuntInductance,
    antenna::BuildFigureId::Swr, antenna::BuildFigureId::Bandwidth};

}  // namespace

CheckWindow::CheckWindow(DesignCoil designCoil, QWidget* parent)
    : QWidget(parent), designCoil_(std::move(designCoil)) {
    setObjectName(QStringLiteral("CheckWindow"));
    setWindowTitle(QStringLiteral("Check with NEC-2"));
    setWindowFlag(Qt::Window);

    design_ = wrappedLabel("CheckDesign", this);
    status_ = wrappedLabel("CheckStatus", this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("CheckProgress"));
    progress_->setAccessibleName(QStringLiteral("Progress of the check"));
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("CheckCancel"));
    cancelButton_->setAccessibleDescription(QStringLiteral("Stops the NEC-2 engine"));
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        finish(
            QStringLiteral("Cancelled. Check with NEC-2… on the main window's results starts "
                           "it again."));
    });
    auto* figures = new QWidget(this);
    figures->setObjectName(QStringLiteral("CheckFigures"));
    figureRows_ = new QFormLayout(figures);
    figureRows_->setContentsMargins(0, 0, 0, 0);

    auto* buildBox = new QGroupBox(QStringLiteral("What to build instead"), this);
    buildBox->setObjectName(QStringLiteral("BuildBox"));
    auto* buildFigures = new QWidget(buildBox);
    buildRows_ = new QFormLayout(buildFigures);
    buildRows_->setContentsMargins(0, 0, 0, 0);
    buildNote_ = wrappedLabel("BuildNote", buildBox);
    coilQ_ = new QLineEdit(buildBox);
    coilQ_->setObjectName(QStringLiteral("CoilQ"));
    coilQ_->setPlaceholderText(QStringLiteral("lossless"));
    coilQ_->setAccessibleName(QStringLiteral("Coils' Q"));
    coilQ_->setAccessibleDescription(
        QStringLiteral("Empty for lossless coils. Air-core loading coils have a Q of about 100 "
                       "to 400; querlin-calc coil --details estimates one."));
    connect(coilQ_, &QLineEdit::editingFinished, this, &CheckWindow::qEdited);
    designCoilButton_ = new QPushButton(QStringLiteral("Design the loading coil…"), buildBox);
    designCoilButton_->setObjectName(QStringLiteral("DesignLoadingCoil"));
    designCoilButton_->setAccessibleDescription(
        QStringLiteral("Opens the coil window with the loading coil's inductance"));
    designCoilButton_->setEnabled(false);
    connect(designCoilButton_, &QPushButton::clicked, this, [this] {
        if (build_ && designCoil_) {
            designCoil_(QLocale().toString(build_->loadInductance, 'f', 2));
        }
    });
    auto* qRow = new QFormLayout;
    qRow->addRow(QStringLiteral("Coils' Q:"), coilQ_);
    auto* buildLayout = new QVBoxLayout(buildBox);
    buildLayout->addWidget(buildFigures);
    buildLayout->addWidget(buildNote_);
    buildLayout->addLayout(qRow);
    buildLayout->addWidget(designCoilButton_);
    buildLayout->addStretch(1);
    plot_ = new QLabel(this);
    plot_->setObjectName(QStringLiteral("CheckPlot"));
    plot_->setFixedSize(kPlotSize * kPlotScale);
    plot_->setAccessibleName(QStringLiteral("Plot of every coil position"));
    plot_->setAccessibleDescription(
        QStringLiteral("Each coil's inductance by the formula and, once checked, the inductance "
                       "that nec2c finds resonant, against the coil position; under it the "
                       "frequency at which each design as built resonates and, with the "
                       "coils' Q, the efficiency of each position's build, the best ringed."));

    compareButton_ = new QPushButton(QStringLiteral("Compare with a measurement…"), this);
    compareButton_->setObjectName(QStringLiteral("CheckCompare"));
    compareButton_->setAccessibleDescription(
        QStringLiteral("Opens an analyser's sweep of the antenna as built, a Touchstone .s1p or "
                       "CSV file, and says what to change"));
    compareButton_->setEnabled(false);
    connect(compareButton_, &QPushButton::clicked, this, &CheckWindow::chooseMeasurement);
    // The comparison's own column, beside the rest once there is one.
    compareBox_ = new QGroupBox(QStringLiteral("Compared with a measurement"), this);
    compareBox_->setObjectName(QStringLiteral("CompareBox"));
    compareNote_ = wrappedLabel("CompareNote", compareBox_);
    auto* compareFigures = new QWidget(compareBox_);
    compareRows_ = new QFormLayout(compareFigures);
    compareRows_->setContentsMargins(0, 0, 0, 0);
    compareAdvice_ = new QVBoxLayout;
    comparePlot_ = new QLabel(compareBox_);
    comparePlot_->setObjectName(QStringLiteral("ComparePlot"));
    comparePlot_->setFixedSize(kPlotSize * kComparePlotScale);
    comparePlot_->setAccessibleName(QStringLiteral("Plot of the measured and modelled SWR"));
    comparePlot_->hide();
    compareBox_->setMinimumWidth(comparePlot_->width() + 2 * compareBox_->contentsMargins().left());
    auto* compareLayout = new QVBoxLayout(compareBox_);
    compareLayout->addWidget(compareNote_);
    compareLayout->addWidget(compareFigures);
    compareLayout->addLayout(compareAdvice_);
    compareLayout->addWidget(comparePlot_);
    compareLayout->addStretch(1);

    auto* running = new QHBoxLayout;
    running->addWidget(progress_, 1);
    running->addWidget(cancelButton_);
    auto* sides = new QHBoxLayout(this);
    auto* layout = new QVBoxLayout;
    sides->addLayout(layout);
    sides->addWidget(compareBox_);
    compareBox_->hide();
    layout->addWidget(design_);
    layout->addWidget(status_);
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
    if (calculation == shown_ && (complete_ || checks_.isRunning() || builds_.isRunning())) {
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
    buildNote_->clear();
    designCoilButton_->setEnabled(false);
    plot_->clear();
    design_->clear();
    switch (calculation.state) {
        case State::None:
            finish(
                QStringLiteral("Nothing to check yet: type the frequency, the total length and "
                               "the element size in the main window and press its upper "
                               "CALCULATE. The check models the design it last calculated."));
            return;
        case State::Faulted:
            finish(
                QStringLiteral("The main window's last calculation ended in a fault: correct "
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
    const ModelInputs inputs{{}, feedline, {}};
    rows_.clear();
    figures_.reset();
    checked_ = false;
    sweepBuilt_ = false;
    feedline_ = ohms;
    try {
        rows_.push_back(designRow(antenna_, inputs, locale));
    } catch (const HandlerFault& fault) {
        finish(fault.message());
        return;
    }
    // The positions before the first that cannot be designed make the plot.
    Sweep sweep = designSweep(antenna_, inputs, locale);
    std::move(sweep.rows.begin(), sweep.rows.end(), std::back_inserter(rows_));
    design_->setText(
        QStringLiteral("%1, coils at %2 % of each half: %3 µH each.\nModelled by nec2c in free "
                       "space with lossless wire, %4 segments, fed from %5.")
            .arg(plotTitle(antenna_))
            .arg(coilPercentage(antenna_.slider))
            .arg(rows_.front().design.inductance)
            .arg(antenna::ModelOptions{}.segments)
            .arg(matched
                     ? QStringLiteral("the %1-ohm line matched in the main window").arg(feedline)
                     : QStringLiteral("a %1-ohm line").arg(feedline)));
    showPlot();
    compareButton_->setEnabled(true);

    progress_->setRange(0, static_cast<int>(rows_.size()));
    progress_->setValue(0);
    progress_->setEnabled(true);
    cancelButton_->setEnabled(true);
    say(QStringLiteral("Checking the design with nec2c…"));
    // The design's build first, so that it takes one engine while the
    // checks take the other.
    startBuilds();
    checks_.setFuture(checkRows(rows_, ohms, antenna::NecEngine::defaultProgram()));
}

void CheckWindow::startBuilds() {
    if (builds_.isRunning()) {
        builds_.cancel();
        try {
            builds_.waitForFinished();
        } catch (const Fault&) {
            // The build asked for is another.
        }
    }
    buildingSweep_ = false;
    build_.reset();
    sweepBuilds_.clear();
    clearRows(buildRows_);
    buildNote_->setText(QStringLiteral("Building with nec2c…"));
    designCoilButton_->setEnabled(false);
    builds_.setFuture(buildRows({rows_.front()}, feedline_, {q_, {}}, antenna::Bandwidth::Found,
                                antenna::NecEngine::defaultProgram()));
}

void CheckWindow::built(int index) {
    const RowBuild result = builds_.resultAt(index);
    if (buildingSweep_) {
        sweepBuilds_[static_cast<std::size_t>(index)] = result;
        const auto done = std::count_if(sweepBuilds_.begin(), sweepBuilds_.end(),
                                        [](const RowBuild& row) { return row.build.has_value(); });
        progress_->setValue(static_cast<int>(done));
        return;
    }
    if (!result.build) {
        buildNote_->setText(result.fault ? result.fault->message : QString());
        return;
    }
    build_ = *result.build;
    const QLocale locale;
    std::vector<antenna::BuildFigureId> shown(std::begin(kShownBuild), std::end(kShownBuild));
    if (q_) {
        shown.push_back(antenna::BuildFigureId::Efficiency);
    }
    for (const antenna::BuildFigureId id : shown) {
        const antenna::BuildFigureForm& form = antenna::formOf(id);
        const QString label = QLatin1String(form.label);
        buildRows_->addRow(
            label + u':',
            figureLabel(antenna::figureText(form, *build_, locale, antenna::UnitShown::With),
                        u"build_"_qs + QLatin1String(form.key), label));
    }
    buildNote_->setText(
        antenna::noMatchText(*build_, feedline_, rows_.front().design.dipole.frequency, locale));
    designCoilButton_->setEnabled(std::isfinite(build_->loadInductance));
}

void CheckWindow::buildsFinished() {
    try {
        builds_.waitForFinished();
    } catch (const Fault& fault) {
        finish(fault.message);
        return;
    }
    if (builds_.isCanceled()) {
        return;
    }
    if (buildingSweep_) {
        sweepBuilt_ = true;
        showPlot();
    }
    completeIfDone();
}

// Once every position is checked and the design built: with a Q every
// position is built too, for the efficiency panel; then the window is done.
void CheckWindow::completeIfDone() {
    if (!checked_ || builds_.isRunning()) {
        return;
    }
    if (q_ && !sweepBuilt_) {
        buildingSweep_ = true;
        const std::vector<DesignRow> sweep(rows_.begin() + 1, rows_.end());
        sweepBuilds_.assign(sweep.size(), {});
        progress_->setRange(0, static_cast<int>(sweep.size()));
        progress_->setValue(0);
        say(QStringLiteral("Building every coil position with coils of Q %1 for the plot…")
                .arg(QLocale().toString(*q_)));
        builds_.setFuture(buildRows(sweep, feedline_, {q_, {}}, antenna::Bandwidth::LeftOut,
                                    antenna::NecEngine::defaultProgram()));
        return;
    }
    complete_ = true;
    finish(QStringLiteral("Checked with nec2c."));
}

void CheckWindow::qEdited() {
    const QString text = coilQ_->text().trimmed();
    std::optional<double> q;
    if (!text.isEmpty()) {
        bool ok = false;
        const double value = QLocale().toDouble(text, &ok);
        if (!ok || !(value > 0) || !std::isfinite(value)) {
            buildNote_->setText(QStringLiteral(
                "The coils' Q is a positive number, such as 300; empty for lossless coils."));
            return;
        }
        q = value;
    }
    if (q == q_) {
        return;
    }
    q_ = q;
    sweepBuilt_ = false;
    // A check that ran to its end is built anew; one under way takes the Q
    // for what it has still to build; one stopped takes it the next time.
    if (rows_.empty() || !(complete_ || checks_.isRunning())) {
        return;
    }
    if (complete_) {
        complete_ = false;
        progress_->setEnabled(true);
        cancelButton_->setEnabled(true);
        say(QStringLiteral("Building with nec2c…"));
        showPlot();
    }
    startBuilds();
}

void CheckWindow::checked(int index) {
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
    say(QStringLiteral("Checking every coil position for the plot: %1 of %2…")
            .arg(swept)
            .arg(rows_.size() - 1));
}

void CheckWindow::finished() {
    try {
        checks_.waitForFinished();
    } catch (const Fault& fault) {
        finish(fault.message);
        return;
    }
    if (checks_.isCanceled()) {
        return;
    }
    checked_ = true;
    showPlot();
    completeIfDone();
}

void CheckWindow::stop() {
    const auto stopped = [](auto& watcher) {
        if (!watcher.isRunning()) {
            return;
        }
        watcher.cancel();
        try {
            watcher.waitForFinished();
        } catch (const Fault&) {
            // A fault of a run that was stopped tells nobody anything.
        }
        // Nor does anything the stopped run reported that is still on its way.
        watcher.setFuture({});
    };
    stopped(checks_);
    stopped(builds_);
}

void CheckWindow::showFigures(const antenna::DipoleCheck& check) {
    figures_ = check;
    const QLocale locale;
    for (const antenna::FigureForm& form : antenna::figureForms(antenna::Loss::Lossless)) {
        const QString label = QLatin1String(form.label);
        figureRows_->addRow(label + u':', figureLabel(antenna::figureText(form, check, locale,
                                                                          antenna::UnitShown::With),
                                                      QLatin1String(form.key), label));
    }
    say(QStringLiteral("Checking every coil position for the plot…"));
}

void CheckWindow::showPlot() {
    if (rows_.size() < 2) {
        plot_->clear();
        return;
    }
    const std::vector<DesignRow> sweep(rows_.begin() + 1, rows_.end());
    SweepPlot plot =
        sweepPlot(antenna_, sweep, coilPercentage(antenna_.slider), figures_, QLocale());
    if (q_ && sweepBuilt_) {
        plotEfficiency(plot, sweep, sweepBuilds_, feedline_);
    }
    plot_->setPixmap(QPixmap::fromImage(plotImage(plot, kPlotScale)));
}

void CheckWindow::finish(const QString& status) {
    stop();
    progress_->setEnabled(false);
    cancelButton_->setEnabled(false);
    say(status);
}

void CheckWindow::say(const QString& status) {
    status_->setText(status);
    status_->setVisible(!status.isEmpty());
}

// The dialog is the desktop's own where it has one; it opens over this
// window, which waits for it without blocking the others.
void CheckWindow::chooseMeasurement() {
    auto* dialog =
        new QFileDialog(this, QStringLiteral("Compare with a measurement"), measurementFolder_,
                        QStringLiteral("Analyser sweeps (*.s1p *.csv);;All files (*)"));
    dialog->setObjectName(QStringLiteral("MeasurementDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &CheckWindow::compare);
    dialog->open();
}

void CheckWindow::compare(const QString& path) {
    if (rows_.empty()) {
        return;
    }
    stopComparing();
    const QFileInfo file(path);
    measurementFolder_ = file.absolutePath();
    measurementName_ = file.fileName();
    clearComparison(
        QStringLiteral("Comparing %1 with the design, with nec2c…").arg(measurementName_));
    const DesignRow& design = rows_.front();
    comparisons_.setFuture(measurement::comparing(path,
                                                  {design.design.dipole, design.options, feedline_},
                                                  antenna::NecEngine::defaultProgram()));
}

void CheckWindow::compared() {
    try {
        comparisons_.waitForFinished();
    } catch (const Fault& fault) {
        compareNote_->setText(fault.message);
        return;
    }
    if (comparisons_.isCanceled() || comparisons_.future().resultCount() == 0) {
        return;
    }
    showComparison(comparisons_.result());
}

void CheckWindow::showComparison(const measurement::Comparison& comparison) {
    const QLocale locale;
    const antenna::LoadedDipole& design = rows_.front().design.dipole;
    compareNote_->setText(
        QStringLiteral("%1 against the design as nec2c models it, coils of %2 µH, on the "
                       "%3-ohm line:")
            .arg(measurementName_, rows_.front().design.inductance, locale.toString(feedline_)));
    std::vector<QWidget*> order{compareButton_, compareNote_};
    const std::vector<measurement::MeasuredFigure> figures =
        measurement::figureList(comparison.figures, comparison.advice, antenna_.metric);
    for (std::size_t i = 0; i < kComparedFigures; ++i) {
        const measurement::MeasuredFigure& figure = figures[i];
        const QString label = QLatin1String(figure.label);
        order.push_back(figureLabel(measurement::figureText(figure, locale),
                                    u"compare_"_qs + QLatin1String(figure.key), label));
        compareRows_->addRow(label + u':', order.back());
    }
    for (const QString& line :
         measurement::adviceLines(comparison.advice, design, antenna_.metric, locale)) {
        QLabel* advice = wrappedLabel("compare_advice", this);
        advice->setText(line);
        advice->setAccessibleName(line);
        compareAdvice_->addWidget(advice);
        order.push_back(advice);
    }
    const auto lowest = [&](const measurement::OnePort& sweep) {
        const auto swr = [&](const measurement::Sample& sample) {
            return antenna::standingWaveRatio(sample.impedance, feedline_);
        };
        const auto at =
            std::min_element(sweep.begin(), sweep.end(),
                             [&](const auto& a, const auto& b) { return swr(a) < swr(b); });
        return QStringLiteral("lowest %1 at %2 MHz")
            .arg(locale.toString(swr(*at), 'f', 2), locale.toString(at->frequency, 'f', 4));
    };
    comparePlot_->setPixmap(QPixmap::fromImage(plotImage(
        measurement::comparisonPlot(plotTitle(antenna_), comparison.measured, comparison.modelled,
                                    feedline_, design.frequency, false),
        kComparePlotScale)));
    comparePlot_->setAccessibleDescription(
        QStringLiteral("The SWR on the %1-ohm line from %2 to %3 MHz, the design frequency "
                       "marked: measured, %4; the design as nec2c models it, %5.")
            .arg(locale.toString(feedline_), locale.toString(comparison.measured.front().frequency),
                 locale.toString(comparison.measured.back().frequency), lowest(comparison.measured),
                 lowest(comparison.modelled)));
    comparePlot_->show();
    order.push_back(comparePlot_);
    // Tab goes through what the comparison says, so that a screen reader
    // reads each in turn.
    for (std::size_t i = 1; i < order.size(); ++i) {
        order[i]->setFocusPolicy(Qt::StrongFocus);
        setTabOrder(order[i - 1], order[i]);
    }
}

void CheckWindow::stopComparing() {
    if (!comparisons_.isRunning()) {
        return;
    }
    comparisons_.cancel();
    try {
        comparisons_.waitForFinished();
    } catch (const Fault&) {
        // A fault of a comparison that was stopped tells nobody anything.
    }
    comparisons_.setFuture({});
}

void CheckWindow::clearComparison(const QString& note) {
    compareBox_->setVisible(!note.isEmpty());
    clearRows(compareRows_);
    while (QLayoutItem* line = compareAdvice_->takeAt(0)) {
        delete line->widget();
        delete line;
    }
    comparePlot_->clear();
    comparePlot_->hide();
    compareNote_->setText(note);
}

}  // namespace querlin
