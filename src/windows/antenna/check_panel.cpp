#include "antenna/check_panel.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <algorithm>

#include "antenna/check_labels.h"
#include "check/check_figures.h"

namespace querlin {

CheckPanel::CheckPanel(const nec::EngineRuns& engines, QWidget* parent)
    : QWidget(parent), engines_(engines) {
    setObjectName(QStringLiteral("CheckFigures"));
    figureRows_ = new QFormLayout(this);
    figureRows_->setContentsMargins(0, 0, 0, 0);
    figureRows_->setVerticalSpacing(kFigureSpacing);
}

void CheckPanel::check(const CheckedDesign& design) {
    clear();
    rows_ = design.rows;
    metric_ = design.antenna.metric;
    stage_ = Stage::Checking;
    emit progressed(0, static_cast<int>(rows_.size()));
    run_.follow(
        checkRows(engines_, rows_, design.feedline),
        {.result = [this](int index, const check::DipoleCheck& check) { take(index, check); },
         .done =
             [this] {
                 stage_ = Stage::Checked;
                 emit checked();
             },
         .failed =
             [this](const Fault& fault) {
                 stage_ = Stage::Idle;
                 emit failed(fault.message);
             }});
}

void CheckPanel::stop() {
    run_.stop();
    if (stage_ == Stage::Checking) {
        stage_ = Stage::Idle;
    }
}

void CheckPanel::clear() {
    stop();
    stage_ = Stage::Idle;
    rows_.clear();
    clearRows(figureRows_);
}

std::optional<check::DipoleCheck> CheckPanel::designCheck() const {
    return rows_.empty() ? std::nullopt : rows_.front().check;
}

void CheckPanel::take(int index, const check::DipoleCheck& check) {
    rows_[static_cast<std::size_t>(index)].check = check;
    const auto rowsChecked = std::count_if(
        rows_.begin(), rows_.end(), [](const DesignRow& row) { return row.check.has_value(); });
    emit progressed(static_cast<int>(rowsChecked), static_cast<int>(rows_.size()));
    if (index == 0) {
        showFigures(check);
        return;
    }
    // The positions are counted once the design's figures are shown.
    if (!rows_.front().check) {
        return;
    }
    emit said(QCoreApplication::translate("querlin::CheckWindow",
                                          "Checking every coil position for the plot: %1 of %2…")
                  .arg(rowsChecked - 1)
                  .arg(rows_.size() - 1));
}

void CheckPanel::showFigures(const check::DipoleCheck& check) {
    const QLocale locale;
    const DesignRow& design = rows_.front();
    for (const check::FigureForm& form : check::figureForms(check::lossOf(design.options))) {
        const QString label = labelText(form);
        figureRows_->addRow(rowCaption(label),
                            figureLabel(figureText(form.of(check), locale, UnitShown::With),
                                        QLatin1String(form.key), label));
    }
    // How high an inverted V's tips hang, as the check prints it.
    for (const Figure& hanging :
         check::hangingFigures(design.design.dipole, design.options, metric_)) {
        const QString label = labelText(hanging.form);
        figureRows_->addRow(rowCaption(label),
                            figureLabel(figureText(hanging, locale, UnitShown::With),
                                        QLatin1String(hanging.form.key), label));
    }
    emit said(QCoreApplication::translate("querlin::CheckWindow",
                                          "Checking every coil position for the plot…"));
}

}  // namespace querlin
