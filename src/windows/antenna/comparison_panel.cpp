#include "antenna/comparison_panel.h"

#include <QCheckBox>

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
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

namespace querlin {

namespace {

// The comparison's plot at a size that leaves the window on a laptop's screen.
constexpr double kComparePlotScale = 0.44;
// The comparison's figures shown as figures: the measurement's, and the
// model's resonance; what to change is said in words under them.
constexpr const char* kModelResonance = "model_resonance";

}  // namespace

ComparisonPanel::ComparisonPanel(const nec::EngineRuns& engines, QPushButton* compareButton,
                                 Built built, QWidget* window)
    : QGroupBox(QCoreApplication::translate("querlin::CheckWindow", "Compared with a measurement"),
                window),
      engines_(engines),
      built_(std::move(built)),
      compareButton_(compareButton) {
    setObjectName(QStringLiteral("CompareBox"));
    compareButton_->setText(
        QCoreApplication::translate("querlin::CheckWindow", "Compare with a measurement…"));
    compareButton_->setObjectName(QStringLiteral("CheckCompare"));
    compareButton_->setAccessibleDescription(QCoreApplication::translate(
        "querlin::CheckWindow",
        "Opens an analyser's sweep of the antenna as built, a Touchstone .s1p or "
        "CSV file, and says what to change"));
    compareButton_->setEnabled(false);
    connect(compareButton_, &QPushButton::clicked, this, &ComparisonPanel::chooseMeasurement);
    note_ = wrappedLabel("CompareNote", this);
    // A build is tuned to its own match: the sweep taken with its matching
    // coil fitted, the advice aims at the build's lowest SWR, not at
    // resonance.
    asBuilt_ =
        new QCheckBox(QCoreApplication::translate(
                          "querlin::CheckWindow",
                          "Built as \"What to build instead\" says, its matching coil fitted"),
                      this);
    asBuilt_->setObjectName(QStringLiteral("CompareAsBuilt"));
    asBuilt_->setAccessibleDescription(QCoreApplication::translate(
        "querlin::CheckWindow",
        "Compares the sweep with the build and its matching coil instead of the design"));
    asBuilt_->hide();
    connect(asBuilt_, &QCheckBox::toggled, this, [this] {
        if (!measurementPath_.isEmpty()) {
            compare(measurementPath_);
        }
    });
    auto* figures = new QWidget(this);
    figureRows_ = new QFormLayout(figures);
    figureRows_->setContentsMargins(0, 0, 0, 0);
    figureRows_->setVerticalSpacing(kFigureSpacing);
    advice_ = new QVBoxLayout;
    plot_ = new QLabel(this);
    plot_->setObjectName(QStringLiteral("ComparePlot"));
    plot_->setFixedSize(kPlotSize * kComparePlotScale);
    plot_->setAccessibleName(QCoreApplication::translate("querlin::CheckWindow",
                                                         "Plot of the measured and modelled SWR"));
    plot_->hide();
    setMinimumWidth(plot_->width() + 2 * contentsMargins().left());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(asBuilt_);
    layout->addWidget(figures);
    layout->addLayout(advice_);
    layout->addWidget(plot_);
    layout->addStretch(1);
}

void ComparisonPanel::offer(const CheckedDesign& design) {
    design_ = design;
    compareButton_->setEnabled(true);
}

void ComparisonPanel::stop() {
    if (!run_.isUnderWay()) {
        return;
    }
    run_.stop();
    empty({});
}

void ComparisonPanel::clear() {
    run_.stop();
    design_.reset();
    compareButton_->setEnabled(false);
    empty({});
}

// The dialog is the desktop's own where it has one; it opens over the
// window, which waits for it without blocking the others.
void ComparisonPanel::chooseMeasurement() {
    auto* dialog = new QFileDialog(
        window(), QCoreApplication::translate("querlin::CheckWindow", "Compare with a measurement"),
        measurementFolder_,
        QCoreApplication::translate("querlin::CheckWindow",
                                    "Analyser sweeps (*.s1p *.csv);;All files (*)"));
    dialog->setObjectName(QStringLiteral("MeasurementDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &ComparisonPanel::compare);
    dialog->open();
}

void ComparisonPanel::compare(const QString& path) {
    if (!design_) {
        return;
    }
    const QFileInfo file(path);
    measurementFolder_ = file.absolutePath();
    measurementName_ = file.fileName();
    measurementPath_ = path;
    run_.stop();
    empty(QCoreApplication::translate("querlin::CheckWindow",
                                      "Comparing %1 with the design, with nec2c…")
              .arg(measurementName_));
    shown_ = compared();
    // Offered as soon as a sweep is read: one taken with the matching coil
    // fitted may make sense only as the build's.
    asBuilt_->setEnabled(asBuilt_->isChecked() || built_().has_value());
    asBuilt_->show();
    run_.follow(
        measurement::comparing(engines_, path, *shown_),
        {.result =
             [this](int, const measurement::Comparison& comparison) { showComparison(comparison); },
         .done = {},
         .failed = [this](const Fault& fault) { note_->setText(fault.message); }});
}

measurement::ComparedDesign ComparisonPanel::compared() const {
    if (asBuilt_->isChecked()) {
        if (std::optional<measurement::ComparedDesign> built = built_()) {
            return *built;
        }
    }
    const DesignRow& design = design_->design();
    return {design.design.dipole, design.options, design_->feedline, std::nullopt};
}

void ComparisonPanel::showComparison(const measurement::Comparison& comparison) {
    const QLocale locale;
    const Antenna& antenna = design_->antenna;
    const double feedline = design_->feedline;
    const nec::LoadedDipole& design = shown_->dipole;
    note_->setText(
        shown_->fitted
            ? QCoreApplication::translate(
                  "querlin::CheckWindow",
                  "%1 against the build as nec2c models it, coils of %2 µH and a matching coil "
                  "of %3 µH, on the %4-ohm line:")
                  .arg(measurementName_, locale.toString(design.inductance),
                       locale.toString(shown_->fitted->inductance), locale.toString(feedline))
            : QCoreApplication::translate(
                  "querlin::CheckWindow",
                  "%1 against the design as nec2c models it, coils of %2 µH, on the "
                  "%3-ohm line:")
                  .arg(measurementName_, design_->design().design.inductance,
                       locale.toString(feedline)));
    std::vector<QWidget*> order{compareButton_, note_, asBuilt_};
    std::vector<Figure> figures = measurement::measurementFigures(comparison.figures);
    for (const Figure& figure : measurement::comparisonFigures(comparison.advice, antenna.metric)) {
        if (qstrcmp(figure.form.key, kModelResonance) == 0) {
            figures.push_back(figure);
        }
    }
    for (const Figure& figure : figures) {
        const QString label = labelText(figure.form);
        order.push_back(figureLabel(figureText(figure, locale, UnitShown::With),
                                    u"compare_"_qs + QLatin1String(figure.form.key), label));
        figureRows_->addRow(rowCaption(label), order.back());
    }
    for (const QString& line :
         measurement::adviceLines(comparison.advice, design, antenna.metric, locale)) {
        QLabel* advice = wrappedLabel("compare_advice", this);
        advice->setText(line);
        advice->setAccessibleName(line);
        advice_->addWidget(advice);
        order.push_back(advice);
    }
    const auto lowest = [&](const measurement::OnePort& sweep) {
        const auto swr = [&](const measurement::Sample& sample) {
            return check::standingWaveRatio(sample.impedance, feedline);
        };
        const auto at =
            std::min_element(sweep.begin(), sweep.end(),
                             [&](const auto& a, const auto& b) { return swr(a) < swr(b); });
        return QCoreApplication::translate("querlin::CheckWindow", "lowest %1 at %2 MHz")
            .arg(locale.toString(swr(*at), 'f', 2), locale.toString(at->frequency, 'f', 4));
    };
    plot_->setPixmap(QPixmap::fromImage(plotImage(
        measurement::comparisonPlot(plotTitle(antenna), comparison.measured, comparison.modelled,
                                    feedline, design.frequency, false),
        kComparePlotScale)));
    plot_->setAccessibleDescription(
        QCoreApplication::translate(
            "querlin::CheckWindow",
            "The SWR on the %1-ohm line from %2 to %3 MHz, the design frequency "
            "marked: measured, %4; the design as nec2c models it, %5.")
            .arg(locale.toString(feedline), locale.toString(comparison.measured.front().frequency),
                 locale.toString(comparison.measured.back().frequency), lowest(comparison.measured),
                 lowest(comparison.modelled)));
    plot_->show();
    order.push_back(plot_);
    // Tab goes through what the comparison says, so that a screen reader
    // reads each in turn.
    for (std::size_t i = 1; i < order.size(); ++i) {
        order[i]->setFocusPolicy(Qt::StrongFocus);
        setTabOrder(order[i - 1], order[i]);
    }
}

void ComparisonPanel::empty(const QString& note) {
    setVisible(!note.isEmpty());
    clearRows(figureRows_);
    while (QLayoutItem* line = advice_->takeAt(0)) {
        delete line->widget();
        delete line;
    }
    plot_->clear();
    plot_->hide();
    note_->setText(note);
}

}  // namespace querlin
