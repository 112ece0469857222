#include "antenna/check_window.h"

#include <QCoreApplication>

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "antenna/check_labels.h"
#include "build/build_figures.h"

// The check window's panel of what to build instead: the design's build,
// the coils' Q, and with a Q every position's build for the plot.

namespace querlin {

namespace {

// The build's figures the window shows: the coils, and what the line sees
// with them.
constexpr build::BuildFigureId kShownBuild[] = {
    build::BuildFigureId::LoadInductance, build::BuildFigureId::ShuntInductance,
    build::BuildFigureId::Swr, build::BuildFigureId::Bandwidth};

}  // namespace

QGroupBox* CheckWindow::makeBuildBox() {
    auto* buildBox = new QGroupBox(
        QCoreApplication::translate("querlin::CheckWindow", "What to build instead"), this);
    buildBox->setObjectName(QStringLiteral("BuildBox"));
    auto* buildFigures = new QWidget(buildBox);
    buildRows_ = new QFormLayout(buildFigures);
    buildRows_->setContentsMargins(0, 0, 0, 0);
    buildRows_->setVerticalSpacing(kFigureSpacing);
    buildNote_ = wrappedLabel("BuildNote", buildBox);
    coilQ_ = new QLineEdit(buildBox);
    coilQ_->setObjectName(QStringLiteral("CoilQ"));
    coilQ_->setPlaceholderText(QCoreApplication::translate("querlin::CheckWindow", "lossless"));
    coilQ_->setAccessibleName(QCoreApplication::translate("querlin::CheckWindow", "Coils' Q"));
    coilQ_->setAccessibleDescription(QCoreApplication::translate(
        "querlin::CheckWindow",
        "Empty for lossless coils. Air-core loading coils have a Q of about 100 "
        "to 400; querlin-calc coil --details estimates one."));
    connect(coilQ_, &QLineEdit::editingFinished, this, &CheckWindow::qEdited);
    designCoilButton_ = new QPushButton(
        QCoreApplication::translate("querlin::CheckWindow", "Design the loading coil…"), buildBox);
    designCoilButton_->setObjectName(QStringLiteral("DesignLoadingCoil"));
    designCoilButton_->setAccessibleDescription(QCoreApplication::translate(
        "querlin::CheckWindow", "Opens the coil window with the loading coil's inductance"));
    designCoilButton_->setEnabled(false);
    connect(designCoilButton_, &QPushButton::clicked, this, [this] {
        if (build_ && designCoil_) {
            designCoil_(QLocale().toString(build_->loadInductance, 'f', 2));
        }
    });
    // The Q and the button share a line, so that the window with its cut
    // list still fits a laptop's screen.
    auto* qAndCoil = new QHBoxLayout;
    qAndCoil->addWidget(coilQ_, 1);
    qAndCoil->addWidget(designCoilButton_);
    auto* qRow = new QFormLayout;
    qRow->addRow(QCoreApplication::translate("querlin::CheckWindow", "Coils' Q:"), qAndCoil);
    auto* buildLayout = new QVBoxLayout(buildBox);
    buildLayout->addWidget(buildFigures);
    buildLayout->addWidget(buildNote_);
    buildLayout->addLayout(qRow);
    buildLayout->addStretch(1);
    return buildBox;
}

// The note under the build's figures, which takes no room when empty.
void CheckWindow::noteBuild(const QString& note) {
    buildNote_->setText(note);
    buildNote_->setVisible(!note.isEmpty());
}

void CheckWindow::startBuilds() {
    stopRun(builds_);
    buildingSweep_ = false;
    designShown_ = false;
    build_.reset();
    sweepBuilds_.clear();
    clearRows(buildRows_);
    noteBuild(QCoreApplication::translate("querlin::CheckWindow", "Building with nec2c…"));
    designCoilButton_->setEnabled(false);
    builds_.setFuture(
        buildRows(engines_, {rows_.front()}, feedline_, {q_, {}}, build::Bandwidth::Found));
}

void CheckWindow::built(int index) {
    // A result announced by a run since replaced is not this run's to take;
    // this run announces its own.
    if (!builds_.future().isResultReadyAt(index)) {
        return;
    }
    const RowBuild result = builds_.resultAt(index);
    if (buildingSweep_) {
        sweepBuilds_[static_cast<std::size_t>(index)] = result;
        const auto done = std::count_if(sweepBuilds_.begin(), sweepBuilds_.end(),
                                        [](const RowBuild& row) { return row.build.has_value(); });
        progress_->setValue(static_cast<int>(done));
        return;
    }
    if (designShown_) {
        return;
    }
    designShown_ = true;
    if (!result.build) {
        noteBuild(result.fault ? result.fault->message : QString());
        return;
    }
    build_ = *result.build;
    const QLocale locale;
    std::vector<build::BuildFigureId> shown(std::begin(kShownBuild), std::end(kShownBuild));
    if (q_) {
        shown.push_back(build::BuildFigureId::Efficiency);
    }
    for (const build::BuildFigureId id : shown) {
        const build::BuildFigureForm& form = formOf(id);
        const QString label = QCoreApplication::translate("Figures", form.label);
        buildRows_->addRow(
            rowCaption(label),
            figureLabel(check::figureText(form, *build_, locale, check::UnitShown::With),
                        u"build_"_qs + QLatin1String(form.key), label));
    }
    // What to cut for each half, as the model has it.
    const DesignRow& design = rows_.front();
    for (const build::CutPiece& piece :
         build::cutList(design.design.dipole, design.options, antenna_.metric)) {
        buildRows_->addRow(
            rowCaption(piece.label),
            figureLabel(check::figureText(piece.length, build::kCutDecimals, piece.unit, locale,
                                          check::UnitShown::With),
                        u"build_"_qs + QLatin1String(piece.key), piece.label));
    }
    noteBuild(build::noMatchText(*build_, feedline_, design.design.dipole.frequency, locale));
    designCoilButton_->setEnabled(std::isfinite(build_->loadInductance));
}

void CheckWindow::buildsFinished() {
    if (!endedWell(builds_)) {
        return;
    }
    if (buildingSweep_) {
        sweepBuilt_ = true;
        showPlot();
    } else if (builds_.future().resultCount() > 0) {
        // The design's result may still be on its way; it is shown before
        // the positions' builds begin.
        built(0);
    }
    completeIfDone();
}

// Once every position is checked and the design built: with a Q every
// position is built too, for the efficiency panel; then the window is done.
void CheckWindow::completeIfDone() {
    if (!checked_ || !designShown_ || builds_.isRunning()) {
        return;
    }
    if (q_ && !sweepBuilt_) {
        buildingSweep_ = true;
        const std::vector<DesignRow> sweep(rows_.begin() + 1, rows_.end());
        sweepBuilds_.assign(sweep.size(), {});
        progress_->setRange(0, static_cast<int>(sweep.size()));
        progress_->setValue(0);
        say(QCoreApplication::translate(
                "querlin::CheckWindow",
                "Building every coil position with coils of Q %1 for the plot…")
                .arg(QLocale().toString(*q_)));
        builds_.setFuture(
            buildRows(engines_, sweep, feedline_, {q_, {}}, build::Bandwidth::LeftOut));
        return;
    }
    complete_ = true;
    finish(QCoreApplication::translate("querlin::CheckWindow", "Checked with nec2c."));
}

void CheckWindow::qEdited() {
    const QString text = coilQ_->text().trimmed();
    std::optional<double> q;
    if (!text.isEmpty()) {
        bool ok = false;
        const double value = QLocale().toDouble(text, &ok);
        if (!ok || !(value > 0) || !std::isfinite(value)) {
            noteBuild(QCoreApplication::translate(
                "querlin::CheckWindow",
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
    if (rows_.empty() || !(complete_ || underWay_)) {
        return;
    }
    if (complete_) {
        complete_ = false;
        begin(QCoreApplication::translate("querlin::CheckWindow", "Building with nec2c…"));
        showPlot();
    }
    startBuilds();
}

}  // namespace querlin
