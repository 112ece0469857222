#include "antenna/position_plot.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QSaveFile>

namespace querlin {

namespace {

// The plot at a size that leaves the window on a laptop's screen, the
// comparison's column beside it.
constexpr double kPlotScale = 0.49;

}  // namespace

PositionPlot::PositionPlot(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("CheckPlot"));
    setFixedSize(kPlotSize * kPlotScale);
    setAccessibleName(
        QCoreApplication::translate("querlin::CheckWindow", "Plot of every coil position"));
    setAccessibleDescription(QCoreApplication::translate(
        "querlin::CheckWindow",
        "Each coil's inductance by the formula and, once checked, the inductance "
        "that nec2c finds resonant, against the coil position; under it the "
        "frequency at which each design as built resonates and, with the "
        "coils' Q, the efficiency of each position's build, the best ringed."));
    setContextMenuPolicy(Qt::CustomContextMenu);
    // Reached with Tab, the plot takes its menu from the Menu key too.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QWidget::customContextMenuRequested, this, &PositionPlot::offerMenu);
}

void PositionPlot::draw(SweepPlot plot) {
    setPixmap(QPixmap::fromImage(plotImage(plot, kPlotScale)));
    shown_ = std::move(plot);
}

void PositionPlot::erase() {
    clear();
    shown_.reset();
}

void PositionPlot::offerMenu(QPoint at) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PlotMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // What the menu was opened on is what it saves, whatever the engine
    // draws meanwhile.
    const std::optional<SweepPlot> shown = shown_;
    const auto entry = [&](const QString& text, auto action) {
        menu->addAction(text, this, [action, shown] { action(*shown); })
            ->setEnabled(shown.has_value());
    };
    entry(QCoreApplication::translate("querlin::CheckWindow", "Save as PNG…"),
          [this](const SweepPlot& plot) { save(plot, false); });
    entry(QCoreApplication::translate("querlin::CheckWindow", "Save as SVG…"),
          [this](const SweepPlot& plot) { save(plot, true); });
    entry(QCoreApplication::translate("querlin::CheckWindow", "Copy"), [](const SweepPlot& plot) {
        QGuiApplication::clipboard()->setImage(plotImage(plot, 1));
    });
    menu->popup(mapToGlobal(at));
}

// The dialog opens over the window, which waits for it without blocking the
// others, as the measurement's does.
void PositionPlot::save(const SweepPlot& plot, bool svg) {
    auto* dialog = new QFileDialog(
        window(),
        svg ? QCoreApplication::translate("querlin::CheckWindow", "Save the plot as SVG")
            : QCoreApplication::translate("querlin::CheckWindow", "Save the plot as PNG"),
        folder_,
        svg ? QCoreApplication::translate("querlin::CheckWindow", "SVG pictures (*.svg)")
            : QCoreApplication::translate("querlin::CheckWindow", "PNG pictures (*.png)"));
    dialog->setObjectName(QStringLiteral("PlotDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(svg ? QStringLiteral("svg") : QStringLiteral("png"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this, plot, svg](const QString& path) {
        folder_ = QFileInfo(path).absolutePath();
        QString why;
        const QByteArray bytes = svg ? plotSvg(plot, why) : plotPng(plot);
        QSaveFile file(path);
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 ||
            !file.commit()) {
            QMessageBox::warning(
                window(), window()->windowTitle(),
                QCoreApplication::translate("querlin::CheckWindow",
                                            "The plot could not be saved as %1: %2")
                    .arg(QDir::toNativeSeparators(path), why.isEmpty() ? file.errorString() : why));
        }
    });
    dialog->open();
}

}  // namespace querlin
