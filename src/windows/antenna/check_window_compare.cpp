#include "antenna/check_window.h"

#include <QCoreApplication>

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "antenna/check_labels.h"
#include "check/feed_line.h"
#include "measurement/advice_text.h"
#include "plot.h"

// The check window's comparison with a measurement: the button that asks
// for an analyser's sweep, and the column that says how it compares.

namespace querlin {

namespace {

// The comparison's plot at a size that leaves the window on a laptop's screen.
constexpr double kComparePlotScale = 0.5;
// The comparison's figures shown as figures: the measurement's and the
// model's resonance; what to change is said in words under them.
constexpr std::size_t kComparedFigures = 6;

}  // namespace

void CheckWindow::makeComparison() {
    compareButton_ = new QPushButton(
        QCoreApplication::translate("querlin::CheckWindow", "Compare with a measurement…"), this);
    compareButton_->setObjectName(QStringLiteral("CheckCompare"));
    compareButton_->setAccessibleDescription(QCoreApplication::translate(
        "querlin::CheckWindow",
        "Opens an analyser's sweep of the antenna as built, a Touchstone .s1p or "
        "CSV file, and says what to change"));
    compareButton_->setEnabled(false);
    connect(compareButton_, &QPushButton::clicked, this, &CheckWindow::chooseMeasurement);
    // The comparison's own column, beside the rest once there is one.
    compareBox_ = new QGroupBox(
        QCoreApplication::translate("querlin::CheckWindow", "Compared with a measurement"), this);
    compareBox_->setObjectName(QStringLiteral("CompareBox"));
    compareNote_ = wrappedLabel("CompareNote", compareBox_);
    auto* compareFigures = new QWidget(compareBox_);
    compareRows_ = new QFormLayout(compareFigures);
    compareRows_->setContentsMargins(0, 0, 0, 0);
    compareRows_->setVerticalSpacing(kFigureSpacing);
    compareAdvice_ = new QVBoxLayout;
    comparePlot_ = new QLabel(compareBox_);
    comparePlot_->setObjectName(QStringLiteral("ComparePlot"));
    comparePlot_->setFixedSize(kPlotSize * kComparePlotScale);
    comparePlot_->setAccessibleName(QCoreApplication::translate(
        "querlin::CheckWindow", "Plot of the measured and modelled SWR"));
    comparePlot_->hide();
    compareBox_->setMinimumWidth(comparePlot_->width() + 2 * compareBox_->contentsMargins().left());
    auto* compareLayout = new QVBoxLayout(compareBox_);
    compareLayout->addWidget(compareNote_);
    compareLayout->addWidget(compareFigures);
    compareLayout->addLayout(compareAdvice_);
    compareLayout->addWidget(comparePlot_);
    compareLayout->addStretch(1);
}

// The dialog is the desktop's own where it has one; it opens over this
// window, which waits for it without blocking the others.
void CheckWindow::chooseMeasurement() {
    auto* dialog = new QFileDialog(
        this, QCoreApplication::translate("querlin::CheckWindow", "Compare with a measurement"),
        measurementFolder_,
        QCoreApplication::translate("querlin::CheckWindow",
                                    "Analyser sweeps (*.s1p *.csv);;All files (*)"));
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
    clearComparison(QCoreApplication::translate("querlin::CheckWindow",
                                                "Comparing %1 with the design, with nec2c…")
                        .arg(measurementName_));
    const DesignRow& design = rows_.front();
    comparisons_.setFuture(
        measurement::comparing(engines_, path, {design.design.dipole, design.options, feedline_}));
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
    const nec::LoadedDipole& design = rows_.front().design.dipole;
    compareNote_->setText(
        QCoreApplication::translate(
            "querlin::CheckWindow",
            "%1 against the design as nec2c models it, coils of %2 µH, on the "
            "%3-ohm line:")
            .arg(measurementName_, rows_.front().design.inductance, locale.toString(feedline_)));
    std::vector<QWidget*> order{compareButton_, compareNote_};
    const std::vector<measurement::MeasuredFigure> figures =
        measurement::figureList(comparison.figures, comparison.advice, antenna_.metric);
    for (std::size_t i = 0; i < kComparedFigures; ++i) {
        const measurement::MeasuredFigure& figure = figures[i];
        const QString label = QCoreApplication::translate("Figures", figure.label);
        order.push_back(figureLabel(measurement::figureText(figure, locale),
                                    u"compare_"_qs + QLatin1String(figure.key), label));
        compareRows_->addRow(rowCaption(label), order.back());
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
            return check::standingWaveRatio(sample.impedance, feedline_);
        };
        const auto at =
            std::min_element(sweep.begin(), sweep.end(),
                             [&](const auto& a, const auto& b) { return swr(a) < swr(b); });
        return QCoreApplication::translate("querlin::CheckWindow", "lowest %1 at %2 MHz")
            .arg(locale.toString(swr(*at), 'f', 2), locale.toString(at->frequency, 'f', 4));
    };
    comparePlot_->setPixmap(QPixmap::fromImage(plotImage(
        measurement::comparisonPlot(plotTitle(antenna_), comparison.measured, comparison.modelled,
                                    feedline_, design.frequency, false),
        kComparePlotScale)));
    comparePlot_->setAccessibleDescription(
        QCoreApplication::translate(
            "querlin::CheckWindow",
            "The SWR on the %1-ohm line from %2 to %3 MHz, the design frequency "
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
    stopRun(comparisons_);
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
